#include "Theme.h"

#include <QApplication>
#include <QWidget>

namespace {

// Pixel sizes rather than point sizes: the layout's own sizes are device-independent pixels, and the
// text has to keep its proportion to them whatever the screen's font resolution.
int pixelSize(Theme::TextStyle style)
{
    switch (style) {
    case Theme::TextStyle::body:
        return 13;
    case Theme::TextStyle::title2:
        return 18;
    case Theme::TextStyle::headline:
        return 13;
    case Theme::TextStyle::subheadline:
        return 12;
    case Theme::TextStyle::callout:
        return 12;
    case Theme::TextStyle::caption:
        return 11;
    case Theme::TextStyle::caption2:
        return 10;
    }
    return 13;
}

} // namespace

QFont Theme::font(TextStyle style, bool bold)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixelSize(style));
    if (bold) {
        font.setWeight(QFont::Bold);
    } else if (style == TextStyle::headline) {
        font.setWeight(QFont::DemiBold);
    }
    return font;
}

QColor Theme::color(NamedColor name, const QPalette& palette)
{
    switch (name) {
    case NamedColor::secondary: {
        // A dimmed form of the text color, so that it stays readable on light and dark palettes.
        QColor text = palette.color(QPalette::Active, QPalette::WindowText);
        text.setAlphaF(0.6F);
        return text;
    }
    case NamedColor::red:
        return QColor(0xE0, 0x2F, 0x25);
    case NamedColor::gray:
        return QColor(0x8E, 0x8E, 0x93);
    case NamedColor::white:
        return QColor(Qt::white);
    case NamedColor::black:
        return QColor(Qt::black);
    case NamedColor::blue:
        return QColor(0x00, 0x6E, 0xE6);
    case NamedColor::green:
        return QColor(0x24, 0xA1, 0x48);
    }
    return palette.color(QPalette::WindowText);
}

QColor Theme::color(NamedColor name)
{
    return color(name, QApplication::palette());
}

QColor Theme::color(NamedColor name, qreal opacity, const QPalette& palette)
{
    QColor c = color(name, palette);
    c.setAlphaF(static_cast<float>(c.alphaF() * opacity));
    return c;
}

void Theme::applyTextStyle(QWidget* widget, TextStyle style, bool bold)
{
    widget->setFont(font(style, bold));
}

void Theme::applyColor(QWidget* widget, NamedColor name)
{
    QPalette palette = widget->palette();
    const QColor c = color(name, palette);
    palette.setColor(QPalette::WindowText, c);
    palette.setColor(QPalette::Text, c);
    palette.setColor(QPalette::ButtonText, c);
    widget->setPalette(palette);
}
