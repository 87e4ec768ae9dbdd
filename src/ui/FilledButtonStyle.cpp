#include "ui/FilledButtonStyle.h"

#include "ui/Theme.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {

// Horizontal gap between icon and text.
constexpr int iconSpacing = 6;

} // namespace

FilledButtonStyle::FilledButtonStyle(NamedColor fill, qreal shadowOpacity)
    : m_fill(fill)
    , m_shadowOpacity(shadowOpacity)
{
}

QColor FilledButtonStyle::fillColor(qreal opacity) const
{
    QColor color = Theme::fillColor(m_fill);
    color.setAlphaF(static_cast<float>(opacity));
    return color;
}

int FilledButtonStyle::shadowMargin()
{
    return static_cast<int>(std::ceil(shadowBlur + shadowOffsetY));
}

QSize FilledButtonStyle::bodySize(QSize labelSize) const
{
    const int height = std::max(minimumHeight, labelSize.height() + 2 * verticalPadding);
    return {labelSize.width() + 2 * horizontalPadding, height + shadowMargin()};
}

QRect FilledButtonStyle::fillRect(const QRect& area)
{
    return area.adjusted(0, 0, 0, -shadowMargin());
}

void FilledButtonStyle::makeBody(QPainter& painter, const QRect& area, const QPalette& palette, const QIcon& icon,
                                 QSize iconSize, const QString& text, bool isPressed, bool isEnabled) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF fill = fillRect(area);
    QPainterPath body;
    body.addRoundedRect(fill, cornerRadius, cornerRadius);

    if (isEnabled) {
        // A blurred shadow, approximated by rings of falling opacity around the offset shape.
        const QRectF shadow = fill.translated(0, shadowOffsetY);
        constexpr int rings = 4;
        for (int ring = rings; ring >= 1; --ring) {
            const qreal spread = shadowBlur * ring / rings;
            QColor color = Theme::color(NamedColor::black, palette);
            color.setAlphaF(static_cast<float>(m_shadowOpacity / rings));
            QPainterPath path;
            path.addRoundedRect(shadow.adjusted(-spread / 2, -spread / 2, spread / 2, spread / 2),
                                cornerRadius + spread / 2, cornerRadius + spread / 2);
            painter.fillPath(path, color);
        }
        // The fill replaces the shadow under it: it is drawn at less than full opacity.
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillPath(body, fillColor(isPressed ? pressedFillOpacity : fillOpacity));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    } else {
        // Flat and faded, label included; a press never shows.
        painter.setOpacity(disabledOpacity);
        painter.fillPath(body, fillColor(fillOpacity));
    }

    const QColor labelColor = Theme::color(NamedColor::white, palette);
    const QRect content =
        fill.toRect().adjusted(horizontalPadding, verticalPadding, -horizontalPadding, -verticalPadding);
    const int textWidth = painter.fontMetrics().horizontalAdvance(text);
    const bool hasIcon = !icon.isNull();
    const int labelWidth = textWidth + (hasIcon ? iconSize.width() + iconSpacing : 0);
    int x = content.left() + std::max(0, (content.width() - labelWidth) / 2);
    if (hasIcon) {
        const QRect iconRect(x, content.top() + (content.height() - iconSize.height()) / 2, iconSize.width(),
                             iconSize.height());
        icon.paint(&painter, iconRect);
        x += iconSize.width() + iconSpacing;
    }
    painter.setPen(labelColor);
    painter.drawText(QRect(x, content.top(), content.right() - x + 1, content.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.restore();
}
