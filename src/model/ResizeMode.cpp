#include "ResizeMode.h"

QString label(ResizeMode value)
{
    switch (value) {
    case ResizeMode::none:
        return QStringLiteral("No resize");
    case ResizeMode::cover:
        return QStringLiteral("Cover");
    case ResizeMode::contain:
        return QStringLiteral("Contain");
    }
    return {};
}
