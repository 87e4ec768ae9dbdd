#include "model/OutputKind.h"

#include <QCoreApplication>

QString label(OutputKind kind)
{
    switch (kind) {
    case OutputKind::optimized:
        return QCoreApplication::translate("OutputKind", "Optimized");
    case OutputKind::webp:
        return QCoreApplication::translate("OutputKind", "WebP");
    case OutputKind::avif:
        return QCoreApplication::translate("OutputKind", "AVIF");
    }
    return {};
}

QString key(OutputKind kind)
{
    switch (kind) {
    case OutputKind::optimized:
        return QStringLiteral("Optimized");
    case OutputKind::webp:
        return QStringLiteral("WebP");
    case OutputKind::avif:
        return QStringLiteral("AVIF");
    }
    return {};
}
