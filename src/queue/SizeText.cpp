#include "queue/SizeText.h"

#include <QLocale>

#include <cmath>

QString SizeText::size(qint64 bytes)
{
    // Decimal units, as the desktop's file manager counts them, to three figures at most: "412 kB",
    // "41.2 kB", "4.1 kB"; whole bytes below a kilobyte.
    int power = 0;
    double value = double(bytes);
    while (value >= 1000 && power < 6) {
        value /= 1000;
        ++power;
    }
    const int precision = power == 0 || value >= 99.95 ? 0 : 1;
    return QLocale().formattedDataSize(bytes, precision, QLocale::DataSizeSIFormat);
}

QString SizeText::change(qint64 size, qint64 originalSize)
{
    if (size < 0 || originalSize <= 0) {
        return {};
    }
    const auto percent = qint64(std::llround(double(size - originalSize) * 100.0 / double(originalSize)));
    const QString number = QLocale().toString(std::abs(percent));
    if (percent == 0) {
        return number + QStringLiteral(" %");
    }
    return (percent < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) + number + QStringLiteral(" %");
}

QString SizeText::fileDetail(const DownloadedFile& file, qint64 originalSize)
{
    if (file.size < 0) {
        return {};
    }
    const QString change = file.kind == OutputKind::optimized ? SizeText::change(file.size, originalSize) : QString();
    return change.isEmpty() ? size(file.size) : size(file.size) + QStringLiteral("  ") + change;
}

QString SizeText::largerThan(const DownloadedFile& optimized)
{
    return tr("larger than %1").arg(optimized.formatLabel());
}

QString SizeText::saved(qint64 originalBytes, qint64 optimizedBytes)
{
    if (originalBytes <= 0 || optimizedBytes < 0) {
        return tr("Nothing saved");
    }
    const qint64 saved = originalBytes - optimizedBytes;
    const QString change = SizeText::change(optimizedBytes, originalBytes);
    const QString amount = saved > 0 ? tr("Saved %1 of %2").arg(size(saved), size(originalBytes)) : tr("Nothing saved");
    return change.isEmpty() ? amount : amount + QStringLiteral(" (") + change + QLatin1Char(')');
}
