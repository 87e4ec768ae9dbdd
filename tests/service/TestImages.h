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
        bool cmyk = false;
        int pages = 1; // frames or pages in the file
    };
    static Info inspect(const QByteArray& data);
    // The libvips loader that reads files with this extension, as inspect() names it.
    static QByteArray loaderFor(const QString& extension);
    // Largest absolute difference of any band of any pixel, or nothing when the images differ in
    // size or cannot be decoded.
    static std::optional<double> maxPixelDifference(const QByteArray& a, const QByteArray& b);
};
