// Images the service tests make themselves with libvips: photo-like content (gradients and noise, so
// that codecs behave as on real photos), transparency, CMYK, and bytes that are not an image.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class TestImages
{
public:
    // Starts libvips once for the process; call it before any other member.
    static void initVips();

    static QByteArray photoJpeg(int width = 640, int height = 480, int quality = 92, bool withExif = true);
    // A photo as a camera leaves it: EXIF (with this orientation), XMP and an sRGB profile.
    static QByteArray cameraJpeg(int orientation, int width = 320, int height = 240);
    // A part of a real screenshot (the top left, where the window's text and controls are), as PNG.
    static QByteArray screenshotPng(const char* path, int width = 480, int height = 320);
    // The program's own icon, drawn from its SVG at this size: sharp edges and soft alpha.
    static QByteArray iconPng(int size = 256);
    static QByteArray transparentPng(int width = 320, int height = 240);
    static QByteArray cmykJpeg(int width = 320, int height = 240);
    static QByteArray notAnImage();
    // The photo-like picture saved by libvips in the format of a file extension ("gif", "tif", "bmp", "webp",
    // "heic", "avif", …). `pages` above one makes an animation or multi-page file where the format allows.
    static QByteArray photoAs(const QByteArray& format, int width = 160, int height = 120, int pages = 1);

    struct Info
    {
        QByteArray loader; // e.g. "jpegload_buffer"; empty when unreadable
        int width = 0;
        int height = 0;
        int bands = 0;
        bool hasAlpha = false;
        bool hasExif = false;
        int exifTags = 0;  // tags in the EXIF block, with those libexif adds as mandatory
        int exifBytes = 0; // the size of the block
        int orientation = 1;
        bool hasXmp = false;
        bool hasIptc = false;
        bool hasIcc = false;
        bool cmyk = false;
        int pages = 1; // frames or pages in the file
    };
    static Info inspect(const QByteArray& data);
    // The libvips loader that reads files with this extension, as inspect() names it.
    static QByteArray loaderFor(const QString& extension);
    // Largest absolute difference of any band of any pixel, or nothing when the images differ in
    // size or cannot be decoded.
    static std::optional<double> maxPixelDifference(const QByteArray& a, const QByteArray& b);
    // The butteraugli distance of `candidate` from `reference`, the whole picture measured; both turned
    // upright first.
    static double visualDistance(const QByteArray& reference, const QByteArray& candidate);
};
