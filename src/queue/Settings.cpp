#include "queue/Settings.h"

#include "client/ServiceConfig.h"

#include <algorithm>
#include <utility>

namespace {

// Where each remembered choice is kept in the settings file.
const QString compressionName = QStringLiteral("options/compression");
const QString webpName = QStringLiteral("options/webp");
const QString avifName = QStringLiteral("options/avif");
const QString resizeModeName = QStringLiteral("options/resizeMode");
const QString resizeWidthName = QStringLiteral("options/resizeWidth");
const QString resizeHeightName = QStringLiteral("options/resizeHeight");
const QString cmykToRgbName = QStringLiteral("options/cmykToRgb");
const QString upscaleName = QStringLiteral("options/upscale");
const QString removeBackgroundName = QStringLiteral("options/removeBackground");
const QString keepExifName = QStringLiteral("options/keepExif");
const QString lastPickFolderName = QStringLiteral("openDialog/folder");
const QString resultsInFolderName = QStringLiteral("results/inFolder");
const QString resultsFolderName = QStringLiteral("results/folder");
const QString keepFileDatesName = QStringLiteral("results/keepDates");
const QString watchAddedFoldersName = QStringLiteral("watchAddedFolders");
// By its name ("local", "service"), as the command line calls it.
const QString engineName = QStringLiteral("engine");

bool isSpaceOrTab(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The text of a stored value: the settings file keeps every value as text, and gives back what was
// stored in this run as it was given. A list is nothing this program stores.
QString storedText(const QVariant& value)
{
    return value.typeId() == QMetaType::QStringList ? QString() : value.toString();
}

template <typename Enum>
void restoreChoice(const SettingsStore& store, const QString& name, Enum& value)
{
    bool ok = false;
    const int raw = storedText(store.remembered(name)).toInt(&ok);
    if (const std::optional<Enum> stored = ok ? fromRawValue<Enum>(raw) : std::nullopt) {
        value = *stored;
    }
}

void restoreFlag(const SettingsStore& store, const QString& name, bool& value)
{
    const QString text = storedText(store.remembered(name));
    if (text == QLatin1String("true") || text == QLatin1String("false")) {
        value = text == QLatin1String("true");
    }
}

void restoreText(const SettingsStore& store, const QString& name, QString& value)
{
    value = storedText(store.remembered(name));
}

// A typed side of the resize box is fine when it is a whole number of pixels, 1 or more.
bool isBadSide(const QString& text)
{
    if (text.trimmed().isEmpty()) {
        return false;
    }
    const std::optional<qint64> value = Settings::parseDimension(text);
    return !value || *value < 1;
}

} // namespace

Settings::Settings(std::shared_ptr<SettingsStore> store, QObject* parent)
    : QObject(parent)
    , m_store(std::move(store))
{
    restore();
}

void Settings::restore()
{
    const SettingsStore& store = *m_store;
    restoreChoice(store, compressionName, m_compression);
    restoreFlag(store, webpName, m_convertToWebP);
    restoreFlag(store, avifName, m_convertToAVIF);
    restoreChoice(store, resizeModeName, m_resizeMode);
    restoreText(store, resizeWidthName, m_resizeWidth);
    restoreText(store, resizeHeightName, m_resizeHeight);
    restoreFlag(store, cmykToRgbName, m_cmykToRgb);
    restoreChoice(store, upscaleName, m_upscale);
    restoreFlag(store, removeBackgroundName, m_removeBackground);
    restoreFlag(store, keepExifName, m_keepExif);
    restoreText(store, lastPickFolderName, m_lastPickFolder);
    restoreText(store, resultsFolderName, m_resultsFolder);
    restoreFlag(store, resultsInFolderName, m_resultsInFolder);
    restoreFlag(store, keepFileDatesName, m_keepFileDates);
    restoreFlag(store, watchAddedFoldersName, m_watchAddedFolders);
    m_engine = engineNamed(storedText(store.remembered(engineName))).value_or(ServiceConfig::defaultEngine);
}

void Settings::setEngine(Engine value)
{
    m_engine = value;
    m_store->remember(engineName, name(value));
    Q_EMIT engineChanged();
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
    m_store->remember(compressionName, QString::number(rawValue(value)));
    Q_EMIT compressionChanged();
}

void Settings::setConvertToWebP(bool value)
{
    m_convertToWebP = value;
    m_store->remember(webpName, value);
    Q_EMIT convertToWebPChanged();
}

void Settings::setConvertToAVIF(bool value)
{
    m_convertToAVIF = value;
    m_store->remember(avifName, value);
    Q_EMIT convertToAVIFChanged();
}

void Settings::setResizeMode(ResizeMode value)
{
    m_resizeMode = value;
    m_store->remember(resizeModeName, QString::number(rawValue(value)));
    Q_EMIT resizeModeChanged();
}

void Settings::setResizeWidth(const QString& value)
{
    m_resizeWidth = value;
    m_store->remember(resizeWidthName, value);
    Q_EMIT resizeWidthChanged();
}

void Settings::setResizeHeight(const QString& value)
{
    m_resizeHeight = value;
    m_store->remember(resizeHeightName, value);
    Q_EMIT resizeHeightChanged();
}

void Settings::setCmykToRgb(bool value)
{
    m_cmykToRgb = value;
    m_store->remember(cmykToRgbName, value);
    Q_EMIT cmykToRgbChanged();
}

void Settings::setUpscale(UpscaleFactor value)
{
    m_upscale = value;
    m_store->remember(upscaleName, QString::number(rawValue(value)));
    Q_EMIT upscaleChanged();
}

void Settings::setRemoveBackground(bool value)
{
    m_removeBackground = value;
    m_store->remember(removeBackgroundName, value);
    Q_EMIT removeBackgroundChanged();
}

void Settings::setKeepExif(bool value)
{
    m_keepExif = value;
    m_store->remember(keepExifName, value);
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

void Settings::setWatchAddedFolders(bool value)
{
    m_watchAddedFolders = value;
    m_store->remember(watchAddedFoldersName, value);
    Q_EMIT watchAddedFoldersChanged();
}

void Settings::setLastPickFolder(const QString& value)
{
    m_lastPickFolder = value;
    m_store->remember(lastPickFolderName, value);
    Q_EMIT lastPickFolderChanged();
}

void Settings::setResultsInFolder(bool value)
{
    m_resultsInFolder = value;
    m_store->remember(resultsInFolderName, value);
    Q_EMIT resultsInFolderChanged();
}

void Settings::setResultsFolder(const QString& value)
{
    m_resultsFolder = value;
    m_store->remember(resultsFolderName, value);
    Q_EMIT resultsFolderChanged();
}

void Settings::setKeepFileDates(bool value)
{
    m_keepFileDates = value;
    m_store->remember(keepFileDatesName, value);
    Q_EMIT keepFileDatesChanged();
}

Settings::ResizeProblem Settings::resizeProblem() const
{
    if (m_resizeMode == ResizeMode::none) {
        return ResizeProblem::none;
    }
    const bool badWidth = isBadSide(m_resizeWidth);
    const bool badHeight = isBadSide(m_resizeHeight);
    if (badWidth || badHeight) {
        return badWidth && badHeight ? ResizeProblem::badWidthAndHeight
               : badWidth            ? ResizeProblem::badWidth
                                     : ResizeProblem::badHeight;
    }
    return m_resizeWidth.trimmed().isEmpty() && m_resizeHeight.trimmed().isEmpty() ? ResizeProblem::noSize
                                                                                   : ResizeProblem::none;
}

QString Settings::describe(ResizeProblem problem, ResizeMode mode)
{
    switch (problem) {
    case ResizeProblem::none:
        return {};
    case ResizeProblem::noSize:
        return tr("%1 needs a width, a height or both.").arg(label(mode));
    case ResizeProblem::badWidth:
        return tr("The width must be a whole number of pixels, 1 or more.");
    case ResizeProblem::badHeight:
        return tr("The height must be a whole number of pixels, 1 or more.");
    case ResizeProblem::badWidthAndHeight:
        return tr("The width and the height must be whole numbers of pixels, 1 or more.");
    }
    return {};
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

OutputOptions Settings::currentOutputOptions() const
{
    // A folder that was never chosen leaves the results beside the originals.
    return OutputOptions{
        .folder = m_resultsInFolder ? m_resultsFolder : QString(),
        .keepDates = m_keepFileDates,
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
