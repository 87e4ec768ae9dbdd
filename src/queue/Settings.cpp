#include "queue/Settings.h"

#include <algorithm>
#include <utility>

namespace {

bool isSpaceOrTab(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

} // namespace

Settings::Settings(std::shared_ptr<SettingsStore> store, QObject* parent)
    : QObject(parent)
    , m_store(std::move(store))
{
}

QString Settings::apiKey() const
{
    return m_store->apiKey();
}

void Settings::setApiKey(const QString& key)
{
    m_store->setApiKey(key);
    Q_EMIT apiKeyChanged();
}

void Settings::setCompression(Compression value)
{
    m_compression = value;
    Q_EMIT compressionChanged();
}

void Settings::setConvertToWebP(bool value)
{
    m_convertToWebP = value;
    Q_EMIT convertToWebPChanged();
}

void Settings::setConvertToAVIF(bool value)
{
    m_convertToAVIF = value;
    Q_EMIT convertToAVIFChanged();
}

void Settings::setResizeMode(ResizeMode value)
{
    m_resizeMode = value;
    Q_EMIT resizeModeChanged();
}

void Settings::setResizeWidth(const QString& value)
{
    m_resizeWidth = value;
    Q_EMIT resizeWidthChanged();
}

void Settings::setResizeHeight(const QString& value)
{
    m_resizeHeight = value;
    Q_EMIT resizeHeightChanged();
}

void Settings::setCmykToRgb(bool value)
{
    m_cmykToRgb = value;
    Q_EMIT cmykToRgbChanged();
}

void Settings::setUpscale(UpscaleFactor value)
{
    m_upscale = value;
    Q_EMIT upscaleChanged();
}

void Settings::setRemoveBackground(bool value)
{
    m_removeBackground = value;
    Q_EMIT removeBackgroundChanged();
}

void Settings::setKeepExif(bool value)
{
    m_keepExif = value;
    Q_EMIT keepExifChanged();
}

int Settings::imagesAtOnce() const
{
    return m_store->imagesAtOnce();
}

void Settings::setImagesAtOnce(int value)
{
    m_store->setImagesAtOnce(std::clamp(value, 1, SettingsStore::maxImagesAtOnce));
    Q_EMIT imagesAtOnceChanged();
}

TovalinOptions Settings::currentOptions() const
{
    return TovalinOptions{
        .apiKey = apiKey().trimmed(),
        .compression = m_compression,
        .convertToWebP = m_convertToWebP,
        .convertToAVIF = m_convertToAVIF,
        .resizeMode = m_resizeMode,
        .resizeWidth = parseDimension(m_resizeWidth),
        .resizeHeight = parseDimension(m_resizeHeight),
        .cmykToRgb = m_cmykToRgb,
        .upscale = m_upscale,
        .removeBackground = m_removeBackground,
        .keepExif = m_keepExif,
    };
}

std::optional<qint64> Settings::parseDimension(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isSpaceOrTab(text.at(begin))) {
        ++begin;
    }
    while (end > begin && isSpaceOrTab(text.at(end - 1))) {
        --end;
    }
    const QStringView trimmed = QStringView(text).sliced(begin, end - begin);
    if (trimmed.isEmpty()) {
        return std::nullopt;
    }
    // Only ASCII digits after an optional sign: QString's own conversion would also take spaces and
    // other scripts' digits.
    const qsizetype digitsFrom = (trimmed.front() == QLatin1Char('+') || trimmed.front() == QLatin1Char('-')) ? 1 : 0;
    if (digitsFrom == trimmed.size()) {
        return std::nullopt;
    }
    for (qsizetype i = digitsFrom; i < trimmed.size(); ++i) {
        const char16_t c = trimmed.at(i).unicode();
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
    }
    bool ok = false;
    const qint64 value = trimmed.toLongLong(&ok, 10);
    if (!ok) {
        return std::nullopt;
    }
    return value;
}
