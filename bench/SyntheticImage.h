#pragma once

// Image files of an exact size for transfer benchmarks: a real JPEG (random pixels) followed by
// random bytes after its end marker. Decoders read the real image and ignore the tail, so a service
// accepts the file, and nothing in it compresses.

#include <QString>

namespace SyntheticImage {

// Writes `bytes` bytes to `path`; `seed` makes each file's content different. False on failure.
bool writeJpeg(const QString& path, qint64 bytes, quint32 seed);

} // namespace SyntheticImage
