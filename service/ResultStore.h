// Files the service hands out by unguessable address: originals and results, kept in a private
// temporary folder for a time-to-live and removed after it, and all of them when the store goes. Several
// addresses may share one file (a result that is the upload itself). What the files take on disk is kept
// under a quota: an upload reserves its announced size before its body is read, and a result that does
// not fit is not kept. Not thread-safe: one thread uses it, others may only write new files into its
// folder (filePathFor()) for it to adopt.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>
#include <deque>
#include <optional>
#include <utility>

class ResultStore
{
public:
    ResultStore(std::chrono::seconds timeToLive, qint64 quotaBytes);
    ~ResultStore();

    bool isValid() const { return m_dir.isValid(); }
    QString folder() const { return m_dir.path(); }

    // A fresh path in the store's folder for a file on its way in. Safe from any thread.
    QString newFilePath() const;

    // Room for bytes still to come; false when the quota would be passed.
    bool reserve(qint64 bytes);
    void release(qint64 bytes);

    // Takes the file at `path` (in the store's folder) under a new address and returns its token.
    // Bytes reserved for it are released; without them its size must fit in the quota. Empty, with the
    // file removed, when it does not fit or cannot be read.
    QString adopt(const QString& path, const QByteArray& mimeType, qint64 reserved = 0);
    // Another address, with its own media type, for the file behind `token`; empty when there is none.
    QString share(const QString& token, const QByteArray& mimeType);

    struct File
    {
        QString path;
        qint64 size;
        QByteArray mimeType;
    };
    std::optional<File> get(const QString& token) const;
    bool contains(const QString& token) const { return m_entries.contains(token); }
    void remove(const QString& token);
    // Drops every address older than the time-to-live and returns their tokens; costs what expires,
    // not what is kept.
    QStringList expire();

    qint64 usedBytes() const { return m_usedBytes; }
    int fileCount() const { return int(m_files.size()); }

    static QString newToken();
    static bool isToken(const QString& text);

private:
    using Clock = std::chrono::steady_clock;
    struct Entry
    {
        QString file; // key of m_files
        QByteArray mimeType;
        Clock::time_point expires;
    };
    struct StoredFile
    {
        QString path;
        qint64 size = 0;
        int addresses = 0;
    };

    QString addEntry(const QString& file, const QByteArray& mimeType);

    std::chrono::seconds m_timeToLive;
    qint64 m_quotaBytes;
    QTemporaryDir m_dir;
    QHash<QString, Entry> m_entries;    // by token
    QHash<QString, StoredFile> m_files; // by file name
    // Every address in the order it was given, so by the time it expires, all having the same
    // time-to-live; the removed ones are skipped when their time comes.
    std::deque<std::pair<Clock::time_point, QString>> m_expiry;
    qint64 m_usedBytes = 0;
    qint64 m_reservedBytes = 0;
};
