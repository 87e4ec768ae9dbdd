#include "UpscaleFactor.h"

QString label(UpscaleFactor value)
{
    switch (value) {
    case UpscaleFactor::none:
        return QStringLiteral("No upscale");
    case UpscaleFactor::x2:
        return QStringLiteral("2x");
    case UpscaleFactor::x3:
        return QStringLiteral("3x");
    case UpscaleFactor::x4:
        return QStringLiteral("4x");
    }
    return {};
}
