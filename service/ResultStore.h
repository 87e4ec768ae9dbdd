// Files the service hands out by unguessable address: originals and results, kept in a private
// temporary folder for a time-to-live and removed after it, and all of them when the store goes.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <optional>

class ResultStore : public QObject
{
    Q_OBJECT

public:
    explicit ResultStore(qint64 ttlSeconds, QObject* parent = nullptr);
    ~ResultStore() override;

    bool isValid() const { return m_dir.isValid(); }
    QString folder() const { return m_dir.path(); }

    // Stores bytes and returns the file's token: 32 hex digits from 128 random bits. Empty when the
    // file could not be written.
    QString put(const QByteArray& data, const QByteArray& mimeType);
    struct File
    {
        QByteArray data;
        QByteArray mimeType;
    };
    std::optional<File> get(const QString& token) const;
    bool contains(const QString& token) const { return m_entries.contains(token); }
    void remove(const QString& token);
    int count() const { return int(m_entries.size()); }

    static QString newToken();
    static bool isToken(const QString& text);

    // Drops every entry older than the time-to-live; runs on its own timer too.
    void expire();

Q_SIGNALS:
    void expired(const QString& token);

private:
    struct Entry
    {
        QString path;
        QByteArray mimeType;
        QDateTime expires;
    };

    qint64 m_ttlSeconds;
    QTemporaryDir m_dir;
    QHash<QString, Entry> m_entries;
    QTimer m_sweep;
};
