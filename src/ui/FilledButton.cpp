#include "ui/FilledButton.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

FilledButton::FilledButton(const FilledButtonStyle& style, const QString& text, QWidget* parent)
    : QPushButton(text, parent)
    , m_style(style)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setIconSize(QSize(16, 16));
    setFocusPolicy(Qt::StrongFocus);
}

QSize FilledButton::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    int width = metrics.horizontalAdvance(text());
    int height = metrics.height();
    if (!icon().isNull()) {
        width += iconSize().width() + 6;
        height = std::max(height, iconSize().height());
    }
    return m_style.bodySize(QSize(width, height));
}

QSize FilledButton::minimumSizeHint() const
{
    return sizeHint();
}

void FilledButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    m_style.makeBody(painter, rect(), palette(), icon(), iconSize(), text(), isDown(), isEnabled());
    if (hasFocus()) {
        // The keyboard focus must show on any button, whatever its style.
        painter.setRenderHint(QPainter::Antialiasing);
        QPen pen(palette().color(QPalette::Highlight), 2);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(FilledButtonStyle::fillRect(rect())).adjusted(1, 1, -1, -1),
                                FilledButtonStyle::cornerRadius - 1, FilledButtonStyle::cornerRadius - 1);
    }
}
