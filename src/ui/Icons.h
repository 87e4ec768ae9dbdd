#pragma once

// Icons for the symbol names the window speaks of ("eye", "clock", "xmark.circle.fill", …). A symbol
// comes from the desktop's icon theme when the theme has a matching symbolic icon, and otherwise from
// the SVG drawn for this program and bundled as a resource, so every icon shows in any environment,
// offscreen included. Icons are single-color shapes tinted when they are drawn.

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
    // The theme icon name that stands for a symbol, or an empty text when no theme icon matches it.
    static QString themeName(const QString& symbol);
    // The resource path of the bundled SVG of a symbol.
    static QString resourcePath(const QString& symbol);
    static bool hasBundledIcon(const QString& symbol);

    // The symbol drawn in `color`, `size` device-independent pixels square, for the given pixel ratio.
    // Cached: the job list asks for the same few pixmaps for every row.
    static QPixmap pixmap(const QString& symbol, int size, const QColor& color, qreal devicePixelRatio = 1.0);
    // The symbol as an icon for buttons, in `color`, with a dimmed form for the disabled state.
    static QIcon icon(const QString& symbol, const QColor& color);
};
