#pragma once

// A push button drawn in a filled style (RedButtonStyle, GrayButtonStyle) instead of the desktop's
// button look. It stays a QPushButton: clicks, keyboard activation and accessibility are unchanged.

#include "ui/FilledButtonStyle.h"

#include <QPushButton>

class FilledButton : public QPushButton
{
    Q_OBJECT

public:
    FilledButton(const FilledButtonStyle& style, const QString& text, QWidget* parent = nullptr);

    const FilledButtonStyle& buttonStyle() const { return m_style; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FilledButtonStyle m_style;
};
