#pragma once

// The program's own icon for its windows. Installed, it comes from the desktop's icon theme under the
// application id, the same picture the launcher shows (and one a theme may restyle); run from its build
// folder, or where no theme has it, it is the same SVG bundled as a resource.

#include <QIcon>
#include <QString>

class AppIcon
{
public:
    static QString themeName();
    static QString resourcePath();
    static QIcon icon();
};
