#include "service/ResultStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

ResultStore::ResultStore(std::chrono::seconds timeToLive, qint64 quotaBytes)
    : m_timeToLive(timeToLive)
    , m_quotaBytes(quotaBytes)
    , m_dir(QDir::tempPath() + QStringLiteral("/tovalin-local-service-XXXXXX"))
{
    m_dir.setAutoRemove(true);
    if (m_dir.isValid())
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

ResultStore::~ResultStore() = default;

QString ResultStore::newToken()
{
    quint64 words[2];
    QRandomGenerator::system()->fillRange(words);
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(words), sizeof words).toHex());
}

bool ResultStore::isToken(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9a-f]{32}$"));
    return pattern.match(text).hasMatch();
}

QString ResultStore::newFilePath() const
{
    // File names are drawn like tokens but are never handed out: an address names an entry, and
    // entries may share a file.
    return m_dir.filePath(newToken());
}

bool ResultStore::reserve(qint64 bytes)
{
    if (bytes < 0 || m_usedBytes + m_reservedBytes + bytes > m_quotaBytes)
        return false;
    m_reservedBytes += bytes;
    return true;
}

void ResultStore::release(qint64 bytes)
{
    m_reservedBytes -= std::min(bytes, m_reservedBytes);
}

QString ResultStore::adopt(const QString& path, const QByteArray& mimeType, qint64 reserved)
{
    release(reserved);
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (!m_dir.isValid() || info.absolutePath() != QDir(m_dir.path()).absolutePath() || !info.isFile() ||
        m_files.contains(name) || m_usedBytes + m_reservedBytes + info.size() > m_quotaBytes) {
        QFile::remove(path);
        return {};
    }
    m_files.insert(name, {path, info.size(), 0});
    m_usedBytes += info.size();
    return addEntry(name, mimeType);
}

QString ResultStore::share(const QString& token, const QByteArray& mimeType)
{
    const auto it = m_entries.constFind(token);
    // A copy: adding the entry may move every entry, this one too.
    const QString file = it == m_entries.constEnd() ? QString() : it->file;
    return file.isEmpty() ? QString() : addEntry(file, mimeType);
}

QString ResultStore::addEntry(const QString& file, const QByteArray& mimeType)
{
    const QString token = newToken();
    const Clock::time_point expires = Clock::now() + m_timeToLive;
    m_entries.insert(token, {file, mimeType, expires});
    m_expiry.emplace_back(expires, token);
    ++m_files[file].addresses;
    return token;
}

std::optional<ResultStore::File> ResultStore::get(const QString& token) const
{
    const auto it = m_entries.constFind(token);
    if (it == m_entries.constEnd() || it->expires <= Clock::now())
        return std::nullopt;
    const StoredFile file = m_files.value(it->file);
    return File{file.path, file.size, it->mimeType};
}

void ResultStore::remove(const QString& token)
{
    const auto it = m_entries.find(token);
    if (it == m_entries.end())
        return;
    const auto file = m_files.find(it->file);
    m_entries.erase(it);
    if (file != m_files.end() && --file->addresses <= 0) {
        // A download under way keeps reading the file it opened.
        QFile::remove(file->path);
        m_usedBytes -= file->size;
        m_files.erase(file);
    }
}

QStringList ResultStore::expire()
{
    const Clock::time_point now = Clock::now();
    QStringList gone;
    while (!m_expiry.empty() && m_expiry.front().first <= now) {
        const QString token = std::move(m_expiry.front().second);
        m_expiry.pop_front();
        if (m_entries.contains(token)) {
            remove(token);
            gone << token;
        }
    }
    return gone;
}
