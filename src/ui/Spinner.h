#pragma once

// An indeterminate circular progress indicator: an arc that turns. The animation runs only while the
// widget is shown, so a hidden spinner costs nothing.

#include <QWidget>

class QVariantAnimation;

class Spinner : public QWidget
{
    Q_OBJECT

public:
    explicit Spinner(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    bool isSpinning() const;
    qreal angle() const { return m_angle; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QVariantAnimation* m_animation;
    qreal m_angle = 0;
};
