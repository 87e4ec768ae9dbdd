#pragma once

// A text link: shows its text in the link color and opens a fixed address in the default browser when
// clicked or when Space or Return is pressed while it has the focus. The text wraps to the width given.
// Made without an address, it only reports the click, for links that act inside the program.

#include <QAbstractButton>
#include <QUrl>

class LinkButton : public QAbstractButton
{
    Q_OBJECT

public:
    LinkButton(const QString& text, QUrl url, QWidget* parent = nullptr);
    explicit LinkButton(const QString& text, QWidget* parent = nullptr);

    QUrl url() const { return m_url; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QRect textBounds(int width) const;

    QUrl m_url;
    bool m_hovered = false;
};
