#pragma once

// The look of a filled action button: white label, 10 px above and below, 12 px at the sides, at least
// 34 px high and as wide as it is given, a rounded fill of the style's color and a soft drop shadow.
// A disabled button is drawn flat and faded, without shadow or pressed state, so that it cannot be
// mistaken for one that would act on a click.

#include "model/NamedColor.h"

#include <QColor>
#include <QIcon>
#include <QRect>
#include <QSize>
#include <QString>

class QFont;
class QPainter;
class QPalette;

class FilledButtonStyle
{
public:
    static constexpr int verticalPadding = 10;
    static constexpr int horizontalPadding = 12;
    static constexpr int minimumHeight = 34;
    static constexpr qreal cornerRadius = 8;
    static constexpr qreal fillOpacity = 0.9;
    static constexpr qreal pressedFillOpacity = 0.75;
    static constexpr qreal shadowBlur = 2;
    static constexpr qreal shadowOffsetY = 1;
    static constexpr qreal disabledOpacity = 0.4;

    FilledButtonStyle(NamedColor fill, qreal shadowOpacity);

    NamedColor fillName() const { return m_fill; }
    // The fill at the given opacity: dark enough under the white label on light and dark palettes.
    QColor fillColor(qreal opacity) const;
    qreal shadowOpacity() const { return m_shadowOpacity; }

    // Size of the body around a label of this size; the width is stretched by the layout.
    QSize bodySize(QSize labelSize) const;
    // The rectangle the fill covers inside a widget of size `area`: the shadow needs room below.
    static QRect fillRect(const QRect& area);
    static int shadowMargin();

    // Draws the styled button into `area`: shadow, fill, then the icon and text centered in white.
    void makeBody(QPainter& painter, const QRect& area, const QPalette& palette, const QIcon& icon, QSize iconSize,
                  const QString& text, bool isPressed, bool isEnabled = true) const;

private:
    NamedColor m_fill;
    qreal m_shadowOpacity;
};
