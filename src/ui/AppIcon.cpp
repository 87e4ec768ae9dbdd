#include "ui/AppIcon.h"

#include "ui/ApplicationInfo.h"

// The bundled icon lives in a static library, whose resources are not registered on their own.
static void registerBundledIcon()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(application);
        return true;
    }();
    Q_UNUSED(registered);
}

QString AppIcon::themeName()
{
    return QString::fromLatin1(ApplicationInfo::id);
}

QString AppIcon::resourcePath()
{
    return QStringLiteral(":/application/") + themeName() + QStringLiteral(".svg");
}

QIcon AppIcon::icon()
{
    registerBundledIcon();
    return QIcon::fromTheme(themeName(), QIcon(resourcePath()));
}
