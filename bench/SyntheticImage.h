#pragma once

// Image files of an exact size for transfer benchmarks: a real JPEG (random pixels) followed by
// random bytes after its end marker. Decoders read the real image and ignore the tail, so a service
// accepts the file, and nothing in it compresses. And pictures like photos for decoding benchmarks.

#include <QImage>
#include <QSize>
#include <QString>

namespace SyntheticImage {

// Writes `bytes` bytes to `path`; `seed` makes each file's content different. False on failure.
bool writeJpeg(const QString& path, qint64 bytes, quint32 seed);
// A picture like a photo: smooth gradients, waves of detail and sensor grain, so that a JPEG of it has
// the size and decoding cost of a camera's (about 1 bit a pixel at quality 90).
QImage photo(QSize size, quint32 seed);

} // namespace SyntheticImage
