#pragma once

// The user's choices for the next images: where they are optimized, the API key, the treatment and
// how many images go at once, and the folder the open dialog was last in. Each has a property with a
// change signal; a write keeps the value in the settings store at once and raises the signal. A value is
// read from the store once, at start; one the store holds in a form this program never writes gives the
// default. The first launch starts from the defaults; the engine's is the one the program was built to
// start on. Main thread only.

#include "model/Compression.h"
#include "model/Engine.h"
#include "model/OutputOptions.h"
#include "model/ResizeMode.h"
#include "model/SettingsStore.h"
#include "model/TovalinOptions.h"
#include "model/UpscaleFactor.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class Settings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Engine engine READ engine WRITE setEngine NOTIFY engineChanged)
    Q_PROPERTY(QString apiKey READ apiKey WRITE setApiKey NOTIFY apiKeyChanged)
    Q_PROPERTY(Compression compression READ compression WRITE setCompression NOTIFY compressionChanged)
    Q_PROPERTY(bool convertToWebP READ convertToWebP WRITE setConvertToWebP NOTIFY convertToWebPChanged)
    Q_PROPERTY(bool convertToAVIF READ convertToAVIF WRITE setConvertToAVIF NOTIFY convertToAVIFChanged)
    Q_PROPERTY(ResizeMode resizeMode READ resizeMode WRITE setResizeMode NOTIFY resizeModeChanged)
    Q_PROPERTY(QString resizeWidth READ resizeWidth WRITE setResizeWidth NOTIFY resizeWidthChanged)
    Q_PROPERTY(QString resizeHeight READ resizeHeight WRITE setResizeHeight NOTIFY resizeHeightChanged)
    Q_PROPERTY(bool cmykToRgb READ cmykToRgb WRITE setCmykToRgb NOTIFY cmykToRgbChanged)
    Q_PROPERTY(UpscaleFactor upscale READ upscale WRITE setUpscale NOTIFY upscaleChanged)
    Q_PROPERTY(bool removeBackground READ removeBackground WRITE setRemoveBackground NOTIFY removeBackgroundChanged)
    Q_PROPERTY(bool keepExif READ keepExif WRITE setKeepExif NOTIFY keepExifChanged)
    Q_PROPERTY(int imagesAtOnce READ imagesAtOnce WRITE setImagesAtOnce NOTIFY imagesAtOnceChanged)
    Q_PROPERTY(QString lastPickFolder READ lastPickFolder WRITE setLastPickFolder NOTIFY lastPickFolderChanged)
    Q_PROPERTY(bool resultsInFolder READ resultsInFolder WRITE setResultsInFolder NOTIFY resultsInFolderChanged)
    Q_PROPERTY(QString resultsFolder READ resultsFolder WRITE setResultsFolder NOTIFY resultsFolderChanged)
    Q_PROPERTY(bool keepFileDates READ keepFileDates WRITE setKeepFileDates NOTIFY keepFileDatesChanged)
    Q_PROPERTY(bool watchAddedFolders READ watchAddedFolders WRITE setWatchAddedFolders NOTIFY watchAddedFoldersChanged)

public:
    // What keeps a run from starting with the resize chosen: Cover and Contain need a size, and a
    // size that is typed must be a whole number of pixels, 1 or more.
    enum class ResizeProblem
    {
        none,
        noSize,
        badWidth,
        badHeight,
        badWidthAndHeight,
    };
    Q_ENUM(ResizeProblem)

    explicit Settings(std::shared_ptr<SettingsStore> store, QObject* parent = nullptr);

    Engine engine() const { return m_engine; }
    void setEngine(Engine value);
    QString apiKey() const;
    void setApiKey(const QString& key);
    Compression compression() const { return m_compression; }
    void setCompression(Compression value);
    bool convertToWebP() const { return m_convertToWebP; }
    void setConvertToWebP(bool value);
    bool convertToAVIF() const { return m_convertToAVIF; }
    void setConvertToAVIF(bool value);
    ResizeMode resizeMode() const { return m_resizeMode; }
    void setResizeMode(ResizeMode value);
    QString resizeWidth() const { return m_resizeWidth; }
    void setResizeWidth(const QString& value);
    QString resizeHeight() const { return m_resizeHeight; }
    void setResizeHeight(const QString& value);
    bool cmykToRgb() const { return m_cmykToRgb; }
    void setCmykToRgb(bool value);
    UpscaleFactor upscale() const { return m_upscale; }
    void setUpscale(UpscaleFactor value);
    bool removeBackground() const { return m_removeBackground; }
    void setRemoveBackground(bool value);
    bool keepExif() const { return m_keepExif; }
    void setKeepExif(bool value);
    // 1 to SettingsStore::maxImagesAtOnce; a value outside is brought within.
    int imagesAtOnce() const;
    void setImagesAtOnce(int value);
    // The folder the open dialog was in when it last closed; empty before the first time.
    QString lastPickFolder() const { return m_lastPickFolder; }
    void setLastPickFolder(const QString& value);
    // Whether new images in the folders added to the queue are queued as they appear.
    bool watchAddedFolders() const { return m_watchAddedFolders; }
    void setWatchAddedFolders(bool value);

    // Where results go: beside the originals (false, the default), or in resultsFolder() once one has
    // been chosen. The folder is remembered while results go beside the originals.
    bool resultsInFolder() const { return m_resultsInFolder; }
    void setResultsInFolder(bool value);
    QString resultsFolder() const { return m_resultsFolder; }
    void setResultsFolder(const QString& value);
    // Every output gets its source's modification time; on by default.
    bool keepFileDates() const { return m_keepFileDates; }
    void setKeepFileDates(bool value);

    ResizeProblem resizeProblem() const;
    // What the user reads about a problem; empty for none.
    static QString describe(ResizeProblem problem, ResizeMode mode);

    // The options of a request, and of its outputs, from the settings of this moment.
    TovalinOptions currentOptions() const;
    OutputOptions currentOutputOptions() const;
    // Text of a width or height read as a whole number: spaces and tabs trimmed from both ends (line
    // breaks are not), an optional sign, decimal digits only, within 64 bits.
    static std::optional<qint64> parseDimension(const QString& text);

Q_SIGNALS:
    void engineChanged();
    void apiKeyChanged();
    void compressionChanged();
    void convertToWebPChanged();
    void convertToAVIFChanged();
    void resizeModeChanged();
    void resizeWidthChanged();
    void resizeHeightChanged();
    void cmykToRgbChanged();
    void upscaleChanged();
    void removeBackgroundChanged();
    void keepExifChanged();
    void imagesAtOnceChanged();
    void lastPickFolderChanged();
    void resultsInFolderChanged();
    void resultsFolderChanged();
    void keepFileDatesChanged();
    void watchAddedFoldersChanged();

private:
    void restore();
    std::shared_ptr<SettingsStore> m_store;
    Compression m_compression = Compression::lossy;
    bool m_convertToWebP = true;
    bool m_convertToAVIF = false;
    ResizeMode m_resizeMode = ResizeMode::none;
    QString m_resizeWidth;
    QString m_resizeHeight;
    bool m_cmykToRgb = true;
    UpscaleFactor m_upscale = UpscaleFactor::none;
    bool m_removeBackground = false;
    bool m_keepExif = false;
    QString m_lastPickFolder;
    bool m_resultsInFolder = false;
    QString m_resultsFolder;
    bool m_keepFileDates = true;
    bool m_watchAddedFolders = false;
    Engine m_engine;
};
