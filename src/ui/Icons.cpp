#include "Icons.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

// The bundled icons live in a static library, whose resources are not registered on their own.
static void registerBundledIcons()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {

// Pixmaps must go before the application object does: emptied by a routine run from its destructor.
QHash<QString, QPixmap>& pixmapCache()
{
    static QHash<QString, QPixmap> cache;
    static const bool registered = [] {
        qAddPostRoutine([] { pixmapCache().clear(); });
        return true;
    }();
    Q_UNUSED(registered);
    return cache;
}

QImage renderShape(const QString& symbol, int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const QString theme = Icons::themeName(symbol);
    if (!theme.isEmpty() && QIcon::hasThemeIcon(theme)) {
        const QPixmap themed = QIcon::fromTheme(theme).pixmap(QSize(pixels, pixels));
        if (!themed.isNull()) {
            QPainter painter(&image);
            painter.drawPixmap(QRect(0, 0, pixels, pixels), themed);
            return image;
        }
    }
    QSvgRenderer renderer(Icons::resourcePath(symbol));
    if (renderer.isValid()) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, pixels, pixels));
    }
    return image;
}

} // namespace

QStringList Icons::symbolNames()
{
    return {
        QStringLiteral("clock"),
        QStringLiteral("hourglass"),
        QStringLiteral("checkmark.circle.fill"),
        QStringLiteral("xmark.octagon.fill"),
        QStringLiteral("eye"),
        QStringLiteral("eye.slash"),
        QStringLiteral("questionmark.circle"),
        QStringLiteral("photo.on.rectangle.angled"),
        QStringLiteral("bolt.fill"),
        QStringLiteral("stop.fill"),
        QStringLiteral("xmark.circle.fill"),
    };
}

QString Icons::themeName(const QString& symbol)
{
    // Only symbolic (single-color) theme icons, and only where the theme's picture means the same thing:
    // they are tinted like the bundled ones.
    static const QHash<QString, QString> names{
        {QStringLiteral("eye"), QStringLiteral("view-reveal-symbolic")},
        {QStringLiteral("eye.slash"), QStringLiteral("view-conceal-symbolic")},
        {QStringLiteral("stop.fill"), QStringLiteral("media-playback-stop-symbolic")},
        {QStringLiteral("photo.on.rectangle.angled"), QStringLiteral("image-x-generic-symbolic")},
    };
    return names.value(symbol);
}

QString Icons::resourcePath(const QString& symbol)
{
    return QStringLiteral(":/symbols/") + symbol + QStringLiteral(".svg");
}

bool Icons::hasBundledIcon(const QString& symbol)
{
    registerBundledIcons();
    return QFile::exists(resourcePath(symbol));
}

QPixmap Icons::pixmap(const QString& symbol, int size, const QColor& color, qreal devicePixelRatio)
{
    QHash<QString, QPixmap>& cache = pixmapCache();
    const QString key = symbol + QLatin1Char('/') + QString::number(size) + QLatin1Char('/') +
                        QString::number(color.rgba(), 16) + QLatin1Char('/') + QString::number(devicePixelRatio);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd()) {
        return *found;
    }
    registerBundledIcons();
    const int pixels = static_cast<int>(std::ceil(size * devicePixelRatio));
    QImage image = renderShape(symbol, pixels);
    {
        // Keep the shape's coverage, replace its color.
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(image.rect(), color);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    cache.insert(key, pixmap);
    return pixmap;
}

QIcon Icons::icon(const QString& symbol, const QColor& color)
{
    QColor disabled = color;
    disabled.setAlphaF(color.alphaF() * 0.35F);
    QIcon result;
    for (const int size : {16, 20, 24, 32}) {
        for (const qreal ratio : {1.0, 2.0}) {
            result.addPixmap(pixmap(symbol, size, color, ratio), QIcon::Normal);
            result.addPixmap(pixmap(symbol, size, disabled, ratio), QIcon::Disabled);
        }
    }
    return result;
}
