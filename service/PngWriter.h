// A PNG of exactly the given pixels in as few bytes as the time allows. The pixels are first written in
// the narrowest form that holds them all (8 bits where 16 only repeat them, grey where every colour is a
// grey, no alpha where all is opaque or one colour stands for the transparent, a palette of 1 to 8 bits
// where there are at most 256 colours); each way of filtering the rows (one filter for all of them, or
// one per row chosen by its sum, its entropy or by deflating it) is tried with a quick deflate, and the
// smallest is deflated once more at libdeflate's best level and, where the time allows, with zopfli.
#pragma once

#include <QByteArray>
#include <QList>

#include <vips/vips8>

class PngWriter
{
public:
    // `chunks`: whole ancillary chunks (length, type, data, CRC) to go before the image data, such as a
    // colour profile or EXIF; with a colour profile the colours stay colours. `seconds`: what zopfli may
    // spend on one core, as its speed below says; where that is not enough for one iteration, libdeflate's
    // result stays, and at 0 fewer ways of filtering are tried, unless `indexed`: the pixels are a
    // palette's (at most 256 colours chosen for them), written as a palette only (their colour rows, three
    // or four times the bytes to judge, won on none of the benchmark's palettes), every way judged.
    static QByteArray write(const vips::VImage& image, const QList<QByteArray>& chunks, double seconds,
                            bool indexed = false);

    // zopfli's time for rows against that of libdeflate's best level on them: this much, and this much
    // more for each iteration (measured on photos, screenshots, text and icons: 9 to 63 times for 1 to 15
    // iterations; both slow down alike on repetitive rows).
    static constexpr double kZopfliFixed = 7.0;
    static constexpr double kZopfliPerIteration = 2.5;
};
