#include "model/UpscaleFactor.h"

#include <QCoreApplication>

QString label(UpscaleFactor value)
{
    switch (value) {
    case UpscaleFactor::none:
        return QCoreApplication::translate("UpscaleFactor", "No upscale");
    case UpscaleFactor::x2:
        return QCoreApplication::translate("UpscaleFactor", "2x");
    case UpscaleFactor::x3:
        return QCoreApplication::translate("UpscaleFactor", "3x");
    case UpscaleFactor::x4:
        return QCoreApplication::translate("UpscaleFactor", "4x");
    }
    return {};
}
