#pragma once

// The one mapping of the window's named text styles and named colors onto fonts and colors. Every
// widget and the job row painter take their fonts and colors from here, so a change of the look is
// made in this file only.
//
// Colors follow the palette: a dark one gets lighter tones of the same colors, and any text color is
// brought to at least WCAG AA's contrast (4.5:1) against the background it is drawn on, whatever palette
// the desktop gives.

#include "model/NamedColor.h"

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

    // WCAG AA for body text.
    static constexpr qreal minimumContrast = 4.5;

    static QFont font(TextStyle style, bool bold = false);
    // The concrete color of a named color for text on the given palette, readable on its window and its
    // base (secondary is a dimmed form of the palette's text).
    static QColor color(NamedColor name, const QPalette& palette);
    static QColor color(NamedColor name);
    static QColor color(NamedColor name, qreal opacity, const QPalette& palette);
    // The fill of a filled button of that color: the same on every palette, since its label is white.
    static QColor fillColor(NamedColor name);

    // Whether the palette draws light text on dark backgrounds.
    static bool isDark(const QPalette& palette);
    // WCAG's contrast ratio (1 to 21) of a color drawn over an opaque background; a translucent color is
    // taken as it shows there.
    static double contrastRatio(const QColor& color, const QColor& background);
    // The opaque color a translucent one shows as on `background`.
    static QColor composite(const QColor& color, const QColor& background);
    // `color` as it shows on `background`, made lighter or darker until it has the minimum contrast.
    static QColor readable(const QColor& color, const QColor& background);

    // Sets the widget's font to the style and, when given, its text color.
    static void applyTextStyle(QWidget* widget, TextStyle style, bool bold = false);
    static void applyColor(QWidget* widget, NamedColor name);
};
