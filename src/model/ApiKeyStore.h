#pragma once

// Keeps the API key, the program's only persisted value, under the settings key "tvApiKey". The file
// is readable and writable by its owner only. Tests give a file of their own so that they never touch
// the user's settings. A store in memory holds a key for one process and never touches a file: the
// command line uses it, so that a key given to one command never replaces the key the window keeps.

#include <QString>

#include <memory>

class QSettings;

class ApiKeyStore
{
public:
    // The store in the user's configuration folder.
    ApiKeyStore();
    explicit ApiKeyStore(const QString& filePath);
    // A store that starts with `key` and keeps every change in memory only.
    static std::shared_ptr<ApiKeyStore> inMemory(QString key);
    ~ApiKeyStore();
    ApiKeyStore(const ApiKeyStore&) = delete;
    ApiKeyStore& operator=(const ApiKeyStore&) = delete;

    static QString defaultFilePath();

    // The stored key; empty text when none was ever stored.
    QString apiKey() const;
    // Stores the key at once, exactly as given.
    void setApiKey(const QString& key);

    // Empty for a store in memory.
    QString filePath() const { return m_filePath; }

private:
    struct MemoryOnly
    {
    };
    ApiKeyStore(MemoryOnly, QString key);
    void restrictPermissions() const;

    QString m_filePath;
    std::unique_ptr<QSettings> m_settings; // null for a store in memory
    QString m_memoryKey;
};
