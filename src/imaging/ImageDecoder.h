#pragma once

// Reads image files into pictures the window can paint: upright (as the file's orientation says), in
// sRGB (through the file's own color profile where it has one), 8 bits per channel, alpha premultiplied,
// in the format the painter draws fastest. Every format the program reads or writes is read the same
// way, AVIF and HEIC included, through libvips. Any thread; each call stands alone.

#include <QCoreApplication>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

class QThreadPool;

class ImageDecoder
{
    Q_DECLARE_TR_FUNCTIONS(ImageDecoder)

public:
    // The picture's width and height, upright, from the file's header alone; empty when unreadable.
    static QSize sizeOf(const QString& path);
    // The picture scaled down to fit in `box` (never up), decoded at a fraction of its size where the
    // format allows (JPEG, WebP, HEIF): a screen-sized preview of a large photo costs a small part of a
    // full decode. A null image and `error` set when the file cannot be read.
    static QImage scaled(const QString& path, QSize box, QString* error = nullptr);
    // The whole picture, and below it halves of it until one fits in `smallest`: a painter that shows
    // the picture small takes a level near the size shown instead of sampling the whole. Empty, with
    // `error` set, when the file cannot be read.
    static QList<QImage> levels(const QString& path, QSize smallest, QString* error = nullptr);

    // Threads for decoding and measuring pictures, two of them. Not Qt's global pool: the painter fills
    // large areas on that one and waits for it, so a decode there would hold up the window's painting.
    static QThreadPool* threads();
};
