#include "bench/SyntheticImage.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

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

QImage photo(QSize size, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(size, QImage::Format_RGB32);
    const double w = size.width();
    const double h = size.height();
    const double phase = random.bounded(6.28);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double wave = std::sin(x * 0.013 + phase) * std::cos(y * 0.011) * 40;
            const double fine = std::sin((x + y) * 0.21) * 9;
            const int grain = int(random.bounded(17)) - 8;
            const auto channel = [&](double base) { return std::clamp(int(base + wave + fine) + grain, 0, 255); };
            line[x] = qRgb(channel(60 + 140 * x / w), channel(50 + 150 * y / h), channel(90 + 80 * (x + y) / (w + h)));
        }
    }
    return image;
}

} // namespace SyntheticImage
