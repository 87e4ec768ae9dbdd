#pragma once

// A file's path shortened to a width so that its name stays whole: the folder part gives way first,
// from its start ("…/Pictures/Trip/harbour.webp"); only a name too long for the width by itself is
// shortened, in its middle, keeping its extension in sight.

#include <QFontMetrics>
#include <QString>

class PathText
{
public:
    static QString elided(const QString& path, const QFontMetrics& metrics, int width);
};
