#include "ResultStore.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>

ResultStore::ResultStore(qint64 ttlSeconds, QObject* parent)
    : QObject(parent)
    , m_ttlSeconds(ttlSeconds)
    , m_dir(QDir::tempPath() + QStringLiteral("/tovalin-local-service-XXXXXX"))
{
    m_dir.setAutoRemove(true);
    if (m_dir.isValid())
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // Sweep often enough that nothing lives much past its time, never busier than once a second.
    m_sweep.setInterval(int(std::clamp<qint64>(ttlSeconds * 1000 / 4, 1000, 60'000)));
    connect(&m_sweep, &QTimer::timeout, this, &ResultStore::expire);
    m_sweep.start();
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

QString ResultStore::put(const QByteArray& data, const QByteArray& mimeType)
{
    if (!m_dir.isValid())
        return {};
    const QString token = newToken();
    const QString path = m_dir.filePath(token);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        return {};
    m_entries.insert(token, {path, mimeType, QDateTime::currentDateTimeUtc().addSecs(m_ttlSeconds)});
    return token;
}

std::optional<ResultStore::File> ResultStore::get(const QString& token) const
{
    const auto it = m_entries.constFind(token);
    if (it == m_entries.constEnd() || it->expires <= QDateTime::currentDateTimeUtc())
        return std::nullopt;
    QFile file(it->path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return File{file.readAll(), it->mimeType};
}

void ResultStore::remove(const QString& token)
{
    const auto it = m_entries.find(token);
    if (it == m_entries.end())
        return;
    QFile::remove(it->path);
    m_entries.erase(it);
}

void ResultStore::expire()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QStringList gone;
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        if (it->expires <= now)
            gone << it.key();
    }
    for (const QString& token : gone) {
        remove(token);
        Q_EMIT expired(token);
    }
}
