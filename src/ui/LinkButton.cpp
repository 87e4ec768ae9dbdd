#include "ui/LinkButton.h"

#include "ui/Links.h"
#include "ui/Theme.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <utility>

namespace {

constexpr int textFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
// Room for the focus frame around the text.
constexpr int margin = 1;

} // namespace

LinkButton::LinkButton(const QString& text, QUrl url, QWidget* parent)
    : QAbstractButton(parent)
    , m_url(std::move(url))
{
    setText(text);
    setAccessibleName(text);
    setAccessibleDescription(tr("Opens %1 in the web browser.").arg(m_url.toString()));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setToolTip(m_url.toString());
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (!m_url.isEmpty()) {
            Links::open(m_url);
        }
    });
}

LinkButton::LinkButton(const QString& text, QWidget* parent)
    : LinkButton(text, QUrl(), parent)
{
}

QRect LinkButton::textBounds(int width) const
{
    return fontMetrics().boundingRect(QRect(0, 0, width, 10000), textFlags, text());
}

QSize LinkButton::sizeHint() const
{
    const QRect bounds = fontMetrics().boundingRect(QRect(0, 0, 100000, 10000), textFlags, text());
    return {bounds.width() + 2 * margin, bounds.height() + 2 * margin};
}

QSize LinkButton::minimumSizeHint() const
{
    // One word per line at the least. Where a line may break follows Unicode's rules, not spaces alone:
    // Japanese and Chinese put none between words, and may break between almost any two characters.
    int widest = 0;
    const QString text = this->text();
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    for (qsizetype start = 0, end = breaks.toNextBoundary(); end != -1; start = end, end = breaks.toNextBoundary()) {
        widest = std::max(widest, fontMetrics().horizontalAdvance(text.mid(start, end - start).trimmed()));
    }
    return {widest + 2 * margin, fontMetrics().height() + 2 * margin};
}

int LinkButton::heightForWidth(int width) const
{
    return textBounds(std::max(1, width - 2 * margin)).height() + 2 * margin;
}

void LinkButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QFont font = this->font();
    font.setUnderline(m_hovered || hasFocus());
    painter.setFont(font);
    // A palette's link color is often too dark for a dark window.
    QColor color = Theme::readable(palette().color(QPalette::Link), palette().color(QPalette::Window));
    if (isDown()) {
        color = color.darker(130);
    }
    painter.setPen(color);
    const QRect area = rect().adjusted(margin, margin, -margin, -margin);
    painter.drawText(area, textFlags, text());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = textBounds(area.width()).translated(area.topLeft()).adjusted(-margin, -margin, margin, margin);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void LinkButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void LinkButton::enterEvent(QEnterEvent* event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void LinkButton::leaveEvent(QEvent* event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}
