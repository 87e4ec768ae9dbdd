#pragma once

// Keeps the API key, the program's only persisted value, under the settings key "tvApiKey". The file
// is readable and writable by its owner only. Tests give a file of their own so that they never touch
// the user's settings.

#include <QString>

#include <memory>

class QSettings;

class ApiKeyStore
{
public:
    // The store in the user's configuration folder.
    ApiKeyStore();
    explicit ApiKeyStore(const QString& filePath);
    ~ApiKeyStore();
    ApiKeyStore(const ApiKeyStore&) = delete;
    ApiKeyStore& operator=(const ApiKeyStore&) = delete;

    static QString defaultFilePath();

    // The stored key; empty text when none was ever stored.
    QString apiKey() const;
    // Stores the key at once, exactly as given.
    void setApiKey(const QString& key);

    QString filePath() const { return m_filePath; }

private:
    void restrictPermissions() const;

    QString m_filePath;
    std::unique_ptr<QSettings> m_settings;
};
