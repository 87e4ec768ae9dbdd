#pragma once

// Watches folder trees for images that appear or change: an image is told once nothing has been
// written to it for the settle time, so a file still being copied is not taken half way. Hidden entries
// are left out, as the intake leaves them out, and so are this program's own outputs (known by their
// mark, or on a file system without marks by their names beside their source's), so that optimizing
// an image never makes another image to optimize. Folders made in a watched tree later are watched
// too. Linux's inotify, one watch per folder: an idle watch costs nothing but the kernel's memory.
// Main thread only.

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <chrono>

class QSocketNotifier;

class FolderWatch : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds defaultSettleTime{500};

    explicit FolderWatch(QObject* parent = nullptr);
    ~FolderWatch() override;

    std::chrono::milliseconds settleTime() const { return m_settleTime; }
    void setSettleTime(std::chrono::milliseconds time) { m_settleTime = time; }

    // Watches `folder` and every folder beneath it. False when it cannot be watched at all (no such
    // folder, or no inotify); a tree larger than the system lets one user watch is watched in part,
    // and limitReached() says so.
    bool watch(const QString& folder);
    // Watches nothing any more; images waiting to settle are dropped.
    void clear();

    // The trees given to watch(), and how many folders are watched in them.
    QStringList roots() const { return m_roots; }
    int folderCount() const { return int(m_folders.size()); }
    bool limitReached() const { return m_limitReached; }

Q_SIGNALS:
    // Absolute paths of images that appeared or changed and have settled, in the order they settled.
    void settled(const QStringList& images);
    // The system's limit of watches (fs.inotify.max_user_watches) was reached: folders made from now
    // on, and some of the tree, are not watched.
    void watchLimitReached();

private:
    void readEvents();
    // Watches `path` and the folders beneath it; each image found there is noted as changed when
    // `noteImages` (a folder that appeared after the watch began may hold images already).
    // False when `path` itself could not be watched.
    bool watchTree(const QByteArray& path, bool noteImages);
    // Stops watching `path` and the folders beneath it.
    void forgetTree(const QByteArray& path);
    void noteChanged(const QByteArray& path);
    void settle();
    bool isOurOutput(const QByteArray& folder, const QByteArray& name) const;

    int m_inotify = -1;
    QSocketNotifier* m_notifier = nullptr;
    std::chrono::milliseconds m_settleTime = defaultSettleTime;
    QStringList m_roots;
    // Watch descriptor to folder path, as the file system spells it.
    QHash<int, QByteArray> m_folders;
    // Images written to lately, with the time of their last write (steady clock, ms).
    QHash<QByteArray, qint64> m_changed;
    QTimer m_settleTimer;
    bool m_limitReached = false;
};
