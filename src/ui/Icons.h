#pragma once

// Icons for the symbol names the window speaks of ("eye", "clock", "xmark.circle.fill", …). A symbol
// comes from the desktop's icon theme under its freedesktop names ("process-stop", "dialog-error", …),
// the symbolic form before the full one, so a themed desktop shows its own pictures; where the theme has
// none of the names, from the SVG drawn for this program and bundled as a resource, so every icon shows
// in any environment, offscreen included. Icons are single-color shapes tinted when they are drawn, as
// desktops tint symbolic icons: a status keeps its color, and every icon follows a dark palette.

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

class Icons
{
public:
    // Every symbol the window uses.
    static QStringList symbolNames();
    // The freedesktop icon names that stand for a symbol, in order of preference; none for a symbol no
    // standard name means.
    static QStringList themeNames(const QString& symbol);
    // The current theme's icon for a symbol, or a null icon when the theme has none of its names.
    static QIcon themeIcon(const QString& symbol);
    // The resource path of the bundled SVG of a symbol.
    static QString resourcePath(const QString& symbol);
    static bool hasBundledIcon(const QString& symbol);

    // The symbol drawn in `color`, `size` device-independent pixels square, for the given pixel ratio.
    // Cached: the job list asks for the same few pixmaps for every row.
    static QPixmap pixmap(const QString& symbol, int size, const QColor& color, qreal devicePixelRatio = 1.0);
    // The symbol as an icon for buttons, in `color`, with a dimmed form for the disabled state.
    static QIcon icon(const QString& symbol, const QColor& color);
};
