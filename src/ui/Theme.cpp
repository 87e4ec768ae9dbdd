#include "ui/Theme.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <cmath>

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

namespace {

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& color)
{
    return 0.2126 * linear(color.red()) + 0.7152 * linear(color.green()) + 0.0722 * linear(color.blue());
}

// Tones that reach the minimum contrast on the usual light and dark backgrounds by themselves.
QColor tone(NamedColor name, bool dark)
{
    switch (name) {
    case NamedColor::red:
        return dark ? QColor(0xFF, 0x7A, 0x70) : QColor(0xC5, 0x22, 0x1F);
    case NamedColor::gray:
        return dark ? QColor(0xAE, 0xAE, 0xB2) : QColor(0x63, 0x63, 0x66);
    case NamedColor::blue:
        return dark ? QColor(0x5A, 0xA9, 0xFF) : QColor(0x00, 0x58, 0xC4);
    case NamedColor::green:
        return dark ? QColor(0x57, 0xD1, 0x63) : QColor(0x18, 0x7A, 0x3B);
    case NamedColor::white:
        return QColor(Qt::white);
    case NamedColor::black:
        return QColor(Qt::black);
    case NamedColor::secondary:
        break;
    }
    return {};
}

} // namespace

QColor Theme::composite(const QColor& color, const QColor& background)
{
    const float a = color.alphaF();
    return QColor::fromRgbF(color.redF() * a + background.redF() * (1 - a),
                            color.greenF() * a + background.greenF() * (1 - a),
                            color.blueF() * a + background.blueF() * (1 - a));
}

bool Theme::isDark(const QPalette& palette)
{
    return luminance(palette.color(QPalette::Active, QPalette::Window)) <
           luminance(palette.color(QPalette::Active, QPalette::WindowText));
}

double Theme::contrastRatio(const QColor& color, const QColor& background)
{
    const double a = luminance(composite(color, background));
    const double b = luminance(background);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor Theme::readable(const QColor& color, const QColor& background)
{
    QColor shown = composite(color, background);
    if (contrastRatio(shown, background) >= minimumContrast) {
        return color;
    }
    // Away from the background's lightness, keeping the hue; black or white at the end always suffice.
    const bool lighter = luminance(background) < 0.18;
    float hue = 0;
    float saturation = 0;
    float lightness = 0;
    shown.getHslF(&hue, &saturation, &lightness);
    for (int step = 1; step <= 50; ++step) {
        const float l = lighter ? lightness + (1 - lightness) * step / 50.0F : lightness * (1 - step / 50.0F);
        const QColor candidate = QColor::fromHslF(hue, saturation, l);
        if (contrastRatio(candidate, background) >= minimumContrast) {
            return candidate;
        }
    }
    return lighter ? QColor(Qt::white) : QColor(Qt::black);
}

QColor Theme::color(NamedColor name, const QPalette& palette)
{
    const QColor window = palette.color(QPalette::Active, QPalette::Window);
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    switch (name) {
    case NamedColor::secondary: {
        // A dimmed form of the text color, as it shows on the list's base, and still readable on the window.
        QColor text = palette.color(QPalette::Active, QPalette::WindowText);
        text.setAlphaF(0.6F);
        return readable(readable(composite(text, base), base), window);
    }
    case NamedColor::white:
    case NamedColor::black:
        return tone(name, false);
    default:
        // Status colors are drawn on the list's base.
        return readable(tone(name, isDark(palette)), base);
    }
}

QColor Theme::fillColor(NamedColor name)
{
    return tone(name, false);
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
