#include "model/DownloadedFile.h"

#include <utility>

DownloadedFile::DownloadedFile(QString format, QUrl path, qint64 size)
    : id(QUuid::createUuid())
    , format(std::move(format))
    , path(std::move(path))
    , size(size)
{
}

QString DownloadedFile::formatLabel() const
{
    static const char* const formats[] = {
        QT_TR_NOOP("Optimized"),
        QT_TR_NOOP("WebP"),
        QT_TR_NOOP("AVIF"),
    };
    for (const char* known : formats) {
        if (format == QLatin1String(known)) {
            return tr(known);
        }
    }
    return format;
}
