#include "ui/Icons.h"

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
    const QIcon themed = Icons::themeIcon(symbol);
    if (!themed.isNull()) {
        const QPixmap picture = themed.pixmap(QSize(pixels, pixels));
        if (!picture.isNull()) {
            QPainter painter(&image);
            painter.drawPixmap(QRect(0, 0, pixels, pixels), picture);
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

QStringList Icons::themeNames(const QString& symbol)
{
    // Names that Adwaita and Breeze both carry where one exists, else each theme's own; only where the
    // theme's picture means the same thing. Nothing stands for the bolt of Optimize.
    static const QHash<QString, QStringList> names{
        {QStringLiteral("clock"), {QStringLiteral("document-open-recent")}},
        {QStringLiteral("hourglass"), {QStringLiteral("process-working")}},
        {QStringLiteral("checkmark.circle.fill"), {QStringLiteral("emblem-ok"), QStringLiteral("emblem-default")}},
        {QStringLiteral("xmark.octagon.fill"), {QStringLiteral("dialog-error")}},
        {QStringLiteral("eye"), {QStringLiteral("view-reveal"), QStringLiteral("view-visible")}},
        {QStringLiteral("eye.slash"), {QStringLiteral("view-conceal"), QStringLiteral("view-hidden")}},
        {QStringLiteral("questionmark.circle"), {QStringLiteral("help-contents"), QStringLiteral("help-browser")}},
        {QStringLiteral("photo.on.rectangle.angled"),
         {QStringLiteral("insert-image"), QStringLiteral("image-x-generic")}},
        {QStringLiteral("stop.fill"), {QStringLiteral("process-stop"), QStringLiteral("media-playback-stop")}},
        {QStringLiteral("xmark.circle.fill"), {QStringLiteral("list-remove"), QStringLiteral("edit-clear")}},
    };
    return names.value(symbol);
}

QIcon Icons::themeIcon(const QString& symbol)
{
    // The symbolic form first: it is drawn as a shape to be colored, as the desktops that ship it color it.
    // The exact names only: Qt's own fallback would shorten a name to a more general one.
    for (const QString& name : themeNames(symbol)) {
        for (const QString& candidate : {name + QStringLiteral("-symbolic"), name}) {
            if (QIcon::hasThemeIcon(candidate)) {
                return QIcon::fromTheme(candidate);
            }
        }
    }
    return {};
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
    // The theme is part of the key: it can change while the program runs.
    const QString key = QIcon::themeName() + QLatin1Char('/') + symbol + QLatin1Char('/') + QString::number(size) +
                        QLatin1Char('/') + QString::number(color.rgba(), 16) + QLatin1Char('/') +
                        QString::number(devicePixelRatio);
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
