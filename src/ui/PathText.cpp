#include "ui/PathText.h"

QString PathText::elided(const QString& path, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(path) <= width) {
        return path;
    }
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = path.mid(slash + 1);
    const QString folder = path.left(slash + 1);
    const int nameWidth = metrics.horizontalAdvance(name);
    const QString ellipsis(QChar(0x2026));
    if (folder.isEmpty() || nameWidth + metrics.horizontalAdvance(ellipsis + QLatin1Char('/')) > width) {
        return metrics.elidedText(name, Qt::ElideMiddle, width);
    }
    return metrics.elidedText(folder, Qt::ElideLeft, width - nameWidth) + name;
}
