#include "imaging/Similarity.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr int radius = 5; // an 11 × 11 window
constexpr double sigma = 1.5;
constexpr double c1 = (0.01 * 255) * (0.01 * 255);
constexpr double c2 = (0.03 * 255) * (0.03 * 255);

struct Plane
{
    int width = 0;
    int height = 0;
    std::vector<float> values;

    float at(int x, int y) const { return values[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
};

// Red, green and blue of an opaque RGB32 picture, each a plane of its own.
std::array<Plane, 3> planes(const QImage& image)
{
    std::array<Plane, 3> out;
    for (Plane& plane : out) {
        plane.width = image.width();
        plane.height = image.height();
        plane.values.resize(std::size_t(image.width()) * std::size_t(image.height()));
    }
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const std::size_t i = std::size_t(y) * std::size_t(image.width()) + std::size_t(x);
            out[0].values[i] = float(qRed(line[x]));
            out[1].values[i] = float(qGreen(line[x]));
            out[2].values[i] = float(qBlue(line[x]));
        }
    }
    return out;
}

std::array<float, 2 * radius + 1> gaussian()
{
    std::array<float, 2 * radius + 1> weights{};
    double sum = 0;
    for (int i = -radius; i <= radius; ++i) {
        const double w = std::exp(-(i * i) / (2 * sigma * sigma));
        weights[std::size_t(i + radius)] = float(w);
        sum += w;
    }
    for (float& w : weights) {
        w = float(w / sum);
    }
    return weights;
}

// The window's weighted mean of `f(a, b)` at every place the whole window fits, separably.
template <typename F>
Plane windowMean(const Plane& a, const Plane& b, F f)
{
    static const std::array<float, 2 * radius + 1> weights = gaussian();
    const int outWidth = a.width - 2 * radius;
    const int outHeight = a.height - 2 * radius;
    std::vector<float> rows(std::size_t(outWidth) * std::size_t(a.height));
    std::vector<float> line(std::size_t(a.width));
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            line[std::size_t(x)] = f(a.at(x, y), b.at(x, y));
        }
        for (int x = 0; x < outWidth; ++x) {
            float sum = 0;
            for (int k = 0; k <= 2 * radius; ++k) {
                sum += weights[std::size_t(k)] * line[std::size_t(x + k)];
            }
            rows[std::size_t(y) * std::size_t(outWidth) + std::size_t(x)] = sum;
        }
    }
    Plane out{outWidth, outHeight, std::vector<float>(std::size_t(outWidth) * std::size_t(outHeight))};
    for (int y = 0; y < outHeight; ++y) {
        for (int x = 0; x < outWidth; ++x) {
            float sum = 0;
            for (int k = 0; k <= 2 * radius; ++k) {
                sum += weights[std::size_t(k)] * rows[std::size_t(y + k) * std::size_t(outWidth) + std::size_t(x)];
            }
            out.values[std::size_t(y) * std::size_t(outWidth) + std::size_t(x)] = sum;
        }
    }
    return out;
}

double planeSsim(const Plane& a, const Plane& b)
{
    const Plane meanA = windowMean(a, b, [](float x, float) { return x; });
    const Plane meanB = windowMean(a, b, [](float, float y) { return y; });
    const Plane squaresA = windowMean(a, b, [](float x, float) { return x * x; });
    const Plane squaresB = windowMean(a, b, [](float, float y) { return y * y; });
    const Plane products = windowMean(a, b, [](float x, float y) { return x * y; });
    double sum = 0;
    for (std::size_t i = 0; i < meanA.values.size(); ++i) {
        const double ma = meanA.values[i];
        const double mb = meanB.values[i];
        const double va = squaresA.values[i] - ma * ma;
        const double vb = squaresB.values[i] - mb * mb;
        const double cov = products.values[i] - ma * mb;
        sum += ((2 * ma * mb + c1) * (2 * cov + c2)) / ((ma * ma + mb * mb + c1) * (va + vb + c2));
    }
    return meanA.values.empty() ? 1.0 : sum / double(meanA.values.size());
}

// The picture at `size`, opaque: over mid gray where it is transparent, the same for both sides.
QImage prepared(const QImage& image, QSize size)
{
    QImage out(size, QImage::Format_RGB32);
    out.fill(QColor(128, 128, 128));
    QPainter painter(&out);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size),
                      image.size() == size ? image
                                           : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return out;
}

} // namespace

std::optional<double> Similarity::ssim(const QImage& original, const QImage& result)
{
    if (original.isNull() || result.isNull()) {
        return std::nullopt;
    }
    // A resized result is measured against its source brought to its size, an upscaled one the other way.
    QSize size = qint64(result.width()) * result.height() <= qint64(original.width()) * original.height()
                     ? result.size()
                     : original.size();
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > maxPixels) {
        const double scale = std::sqrt(double(maxPixels) / double(pixels));
        size = QSize(std::max(1, int(size.width() * scale)), std::max(1, int(size.height() * scale)));
    }
    // A picture smaller than one window is measured as one window.
    const QSize measured = size.expandedTo(QSize(2 * radius + 1, 2 * radius + 1));
    const std::array<Plane, 3> a = planes(prepared(original, measured));
    const std::array<Plane, 3> b = planes(prepared(result, measured));
    return (planeSsim(a[0], b[0]) + planeSsim(a[1], b[1]) + planeSsim(a[2], b[2])) / 3;
}
