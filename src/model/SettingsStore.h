#pragma once

// Keeps what the window remembers across launches: the API key under the settings key "tvApiKey", how
// many images a run keeps in flight under "imagesAtOnce", and the treatment chosen last and the folder
// the open dialog was in, each under a name of its own (see Settings). The file is readable and writable
// by its owner only. Tests give a file of their own so that they never touch the user's settings.

#include <QString>
#include <QVariant>

#include <memory>

class QSettings;

class SettingsStore
{
public:
    // The store in the user's configuration folder.
    SettingsStore();
    explicit SettingsStore(const QString& filePath);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    static QString defaultFilePath();

    // The stored key; empty text when none was ever stored.
    QString apiKey() const;
    // Stores the key at once, exactly as given.
    void setApiKey(const QString& key);
    // How many images a run of the window keeps in flight; 1 when none was stored, and a stored value
    // outside 1 to 8 is brought within.
    int imagesAtOnce() const;
    void setImagesAtOnce(int count);

    static constexpr int maxImagesAtOnce = 8;

    // A value kept under `name` as it was stored, or an invalid one when none was; the reader checks it.
    QVariant remembered(const QString& name) const;
    // Keeps `value` under `name` at once.
    void remember(const QString& name, const QVariant& value);

    QString filePath() const { return m_filePath; }

private:
    void store(const QString& name, const QVariant& value);
    void restrictPermissions() const;

    QString m_filePath;
    std::unique_ptr<QSettings> m_settings;
};
