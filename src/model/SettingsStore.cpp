#include "model/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <utility>

namespace {
const QString keyName = QStringLiteral("tvApiKey");
const QString imagesAtOnceName = QStringLiteral("imagesAtOnce");
constexpr auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
} // namespace

SettingsStore::SettingsStore()
    : SettingsStore(defaultFilePath())
{
}

SettingsStore::SettingsStore(const QString& filePath)
    : m_filePath(filePath)
    , m_settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/settings.ini");
}

QString SettingsStore::apiKey() const
{
    return m_settings->value(keyName).toString();
}

void SettingsStore::setApiKey(const QString& key)
{
    store(keyName, key);
}

int SettingsStore::imagesAtOnce() const
{
    // Text that is no number reads as 0, and so as 1.
    const int stored = m_settings->value(imagesAtOnceName, 1).toInt();
    return std::clamp(stored, 1, maxImagesAtOnce);
}

void SettingsStore::setImagesAtOnce(int count)
{
    store(imagesAtOnceName, count);
}

QVariant SettingsStore::remembered(const QString& name) const
{
    return m_settings->value(name);
}

void SettingsStore::remember(const QString& name, const QVariant& value)
{
    store(name, value);
}

void SettingsStore::store(const QString& name, const QVariant& value)
{
    // Create the file owner-only before the first write, so the key is never readable by others, not
    // even for a moment; the settings writer keeps the permissions of the file it replaces.
    restrictPermissions();
    m_settings->setValue(name, value);
    m_settings->sync();
    restrictPermissions();
}

void SettingsStore::restrictPermissions() const
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
