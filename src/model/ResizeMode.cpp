#include "model/ResizeMode.h"

#include <QCoreApplication>

QString label(ResizeMode value)
{
    switch (value) {
    case ResizeMode::none:
        return QCoreApplication::translate("ResizeMode", "No resize");
    case ResizeMode::cover:
        return QCoreApplication::translate("ResizeMode", "Cover");
    case ResizeMode::contain:
        return QCoreApplication::translate("ResizeMode", "Contain");
    }
    return {};
}
