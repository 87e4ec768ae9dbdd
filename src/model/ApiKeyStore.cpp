#include "ApiKeyStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <utility>

namespace {
const QString keyName = QStringLiteral("tvApiKey");
constexpr auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
} // namespace

ApiKeyStore::ApiKeyStore()
    : ApiKeyStore(defaultFilePath())
{
}

ApiKeyStore::ApiKeyStore(const QString& filePath)
    : m_filePath(filePath)
    , m_settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{
}

ApiKeyStore::ApiKeyStore(MemoryOnly, QString key)
    : m_memoryKey(std::move(key))
{
}

std::shared_ptr<ApiKeyStore> ApiKeyStore::inMemory(QString key)
{
    return std::shared_ptr<ApiKeyStore>(new ApiKeyStore(MemoryOnly{}, std::move(key)));
}

ApiKeyStore::~ApiKeyStore() = default;

QString ApiKeyStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/settings.ini");
}

QString ApiKeyStore::apiKey() const
{
    return m_settings ? m_settings->value(keyName).toString() : m_memoryKey;
}

void ApiKeyStore::setApiKey(const QString& key)
{
    if (!m_settings) {
        m_memoryKey = key;
        return;
    }
    // Create the file owner-only before the first write, so the key is never readable by others, not
    // even for a moment; the settings writer keeps the permissions of the file it replaces.
    restrictPermissions();
    m_settings->setValue(keyName, key);
    m_settings->sync();
    restrictPermissions();
}

void ApiKeyStore::restrictPermissions() const
{
    const QFileInfo info(m_filePath);
    QDir().mkpath(info.absolutePath());
    QFile file(m_filePath);
    if (!file.exists()) {
        file.open(QIODevice::WriteOnly, ownerOnly);
        file.close();
    }
    if (file.permissions() != ownerOnly) {
        file.setPermissions(ownerOnly);
    }
}
