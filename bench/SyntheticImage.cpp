#include "bench/SyntheticImage.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>

namespace SyntheticImage {

bool writeJpeg(const QString& path, qint64 bytes, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, random.generate() | 0xFF000000U);
        }
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPEG", 90) || jpeg.size() > bytes) {
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(jpeg) != jpeg.size()) {
        return false;
    }
    // The tail in pieces, so that a 200 MB file never needs 200 MB here.
    constexpr qint64 chunk = qint64(1) << 20;
    QByteArray tail(chunk, Qt::Uninitialized);
    for (qint64 left = bytes - jpeg.size(); left > 0; left -= chunk) {
        const qint64 n = std::min(left, chunk);
        random.fillRange(reinterpret_cast<quint32*>(tail.data()), tail.size() / 4);
        if (file.write(tail.constData(), n) != n) {
            return false;
        }
    }
    return file.flush();
}

} // namespace SyntheticImage
