#include "ui/Spinner.h"

#include <QPainter>
#include <QVariantAnimation>

namespace {

constexpr int diameter = 20;
constexpr int turnMilliseconds = 900;

} // namespace

Spinner::Spinner(QWidget* parent)
    : QWidget(parent)
    , m_animation(new QVariantAnimation(this))
{
    setFixedSize(diameter, diameter);
    setAccessibleName(tr("Progress"));
    setAccessibleDescription(tr("Turns while images are being optimized."));
    m_animation->setStartValue(0.0);
    m_animation->setEndValue(360.0);
    m_animation->setDuration(turnMilliseconds);
    m_animation->setLoopCount(-1);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_angle = value.toReal();
        update();
    });
}

QSize Spinner::sizeHint() const
{
    return {diameter, diameter};
}

bool Spinner::isSpinning() const
{
    return m_animation->state() == QAbstractAnimation::Running;
}

void Spinner::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal pen = 2.5;
    const QRectF circle = QRectF(rect()).adjusted(pen, pen, -pen, -pen);
    QColor track = palette().color(QPalette::WindowText);
    track.setAlphaF(0.15F);
    painter.setPen(QPen(track, pen));
    painter.drawEllipse(circle);
    QColor arc = palette().color(QPalette::WindowText);
    arc.setAlphaF(0.65F);
    painter.setPen(QPen(arc, pen, Qt::SolidLine, Qt::RoundCap));
    // Angles in sixteenths of a degree, counter-clockwise: turn clockwise by going negative.
    painter.drawArc(circle, static_cast<int>(-m_angle * 16) + 90 * 16, 100 * 16);
}

void Spinner::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_animation->start();
}

void Spinner::hideEvent(QHideEvent* event)
{
    m_animation->stop();
    QWidget::hideEvent(event);
}
