#pragma once

// Small pictures of source images for the rows of the queue. A view says which files are on screen
// (want()); the thumbnails of those not made yet are made off the main thread (on one thread on a
// two-core machine, two on a larger one, each giving way to the window's), those on screen first, and
// whatever scrolled away before its turn is dropped. Made thumbnails are kept up to a budget of bytes,
// the least recently shown going first, so a queue of 100,000 images costs what a few screens of it
// cost. A file that cannot be read is remembered as such and not read again.

#include <QCache>
#include <QFutureWatcher>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <functional>

class ThumbnailCache : public QObject
{
    Q_OBJECT

public:
    // Makes the thumbnail of a file, fitted in a square of so many pixels; a null image when it cannot.
    // Called on the cache's own threads.
    using Maker = std::function<QImage(const QString& path, int pixels)>;

    static constexpr qint64 defaultBudgetBytes = 16 * 1024 * 1024;

    explicit ThumbnailCache(int pixels, Maker maker = {}, qint64 budgetBytes = defaultBudgetBytes,
                            QObject* parent = nullptr);
    ~ThumbnailCache() override;

    int pixels() const { return m_pixels; }
    // The thumbnail when it has been made (a null image otherwise, also for a file that cannot be read).
    // Counts as a use: the thumbnails shown are the last to go.
    QImage find(const QString& path);
    // Whether the file was read and found to be no picture.
    bool isUnreadable(const QString& path) const;
    // The files on screen now, top to bottom. Those without a thumbnail are made in this order; the
    // ones asked for before and not yet begun are dropped.
    void want(const QStringList& paths);

    qint64 bytes() const { return m_thumbnails.totalCost(); }
    qint64 budgetBytes() const { return m_thumbnails.maxCost(); }
    int count() const { return int(m_thumbnails.size()); }
    // Thumbnails begun so far, for benchmarks and tests.
    int made() const { return m_made; }

Q_SIGNALS:
    // The thumbnail of this file is ready (or the file was found unreadable).
    void ready(const QString& path);

private:
    void startNext();
    void finished(const QString& path, QFutureWatcher<QImage>* watcher);

    int m_pixels;
    Maker m_maker;
    // Costs in bytes; an unreadable file is kept as a null image that costs a little.
    QCache<QString, QImage> m_thumbnails;
    QStringList m_waiting;
    QHash<QString, QFutureWatcher<QImage>*> m_inFlight;
    QThreadPool m_pool;
    int m_made = 0;
};
