#pragma once

// The one mapping of the window's named text styles and named colors onto fonts and colors. Every
// widget and the job row painter take their fonts and colors from here, so a change of the look is
// made in this file only.

#include "NamedColor.h"

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

class Theme
{
public:
    enum class TextStyle
    {
        body,
        title2,
        headline,
        subheadline,
        callout,
        caption,
        caption2,
    };

    // Standard padding around both columns of the window and default spacing of rows.
    static constexpr int standardPadding = 16;
    static constexpr int defaultSpacing = 8;

    static QFont font(TextStyle style, bool bold = false);
    // The concrete color of a named color, on the given palette (secondary follows the palette's text).
    static QColor color(NamedColor name, const QPalette& palette);
    static QColor color(NamedColor name);
    static QColor color(NamedColor name, qreal opacity, const QPalette& palette);

    // Sets the widget's font to the style and, when given, its text color.
    static void applyTextStyle(QWidget* widget, TextStyle style, bool bold = false);
    static void applyColor(QWidget* widget, NamedColor name);
};
