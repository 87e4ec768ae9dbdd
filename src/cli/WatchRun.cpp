#include "cli/WatchRun.h"

#include "cli/Console.h"
#include "cli/RunReport.h"
#include "cli/SignalWatcher.h"
#include "output/FolderSync.h"
#include "output/MarkedOutputs.h"
#include "queue/JobListModel.h"
#include "queue/QueueIntake.h"
#include "queue/QueueRunner.h"

#include <QTimer>

#include <utility>

namespace {

const QString programPrefix = QStringLiteral("tovalin-optimize: ");

} // namespace

WatchRun::WatchRun(JobListModel* queue, QueueRunner* runner, DueJobs due, Console* console, Output output,
                   QObject* parent)
    : QObject(parent)
    , m_queue(queue)
    , m_runner(runner)
    , m_due(std::move(due))
    , m_console(console)
    , m_output(std::move(output))
{
    connect(&m_watch, &FolderWatch::settled, this, &WatchRun::take);
    connect(&m_watch, &FolderWatch::watchLimitReached, this, [this] {
        m_console->err(programPrefix +
                       tr("warning: the system lets no more folders be watched (fs.inotify.max_user_watches); "
                          "images in folders not watched are not seen until the watch starts again.") +
                       QLatin1Char('\n'));
    });
    connect(m_runner, &QueueRunner::jobFinished, this, [this](const QUuid& id) { report(id); });
    // On the next turn of the event loop: the run that ended is wholly over by then.
    connect(m_runner, &QueueRunner::finished, this, [this] {
        // The names the run gave its results are on the disk before the next run, as after a run of
        // the command without --watch.
        FolderSync::syncAll();
        if (m_interrupted) {
            m_loop.exit();
            return;
        }
        QTimer::singleShot(0, this, &WatchRun::startNext);
    });
}

int WatchRun::exec(const QStringList& folders, SignalWatcher* signalWatcher)
{
    connect(signalWatcher, &SignalWatcher::received, this, &WatchRun::interrupted);
    // Watched before they are first looked at, so that nothing written meanwhile is missed.
    for (const QString& folder : folders) {
        if (!m_watch.watch(folder)) {
            m_console->err(programPrefix +
                           tr("cannot watch %1.").arg(Console::visible(QDir::toNativeSeparators(folder))) +
                           QLatin1Char('\n'));
            return 1;
        }
        const QUrl url = QueueIntake::directoryUrl(folder);
        if (!m_waitingSet.contains(url)) {
            m_waiting.append(url);
            m_waitingSet.insert(url);
        }
    }
    if (!m_output.quiet) {
        m_console->err(programPrefix + tr("watching %n folder(s); stop with Ctrl-C.", nullptr, m_watch.folderCount()) +
                       QLatin1Char('\n'));
    }
    startNext();
    m_loop.exec();
    return 0;
}

void WatchRun::take(const QStringList& images)
{
    for (const QString& image : images) {
        const QUrl url = QUrl::fromLocalFile(image);
        if (!m_waitingSet.contains(url)) {
            m_waiting.append(url);
            m_waitingSet.insert(url);
        }
    }
    startNext();
}

void WatchRun::startNext()
{
    if (m_interrupted || m_runner->isProcessing() || m_waiting.isEmpty()) {
        return;
    }
    // The run before is over and printed: its jobs go, and the folders are looked at as they are now.
    m_queue->removeIf([](const ImageJob&) { return true; });
    MarkedOutputs found;
    const QueueIntake intake(m_queue, &found);
    intake.addFiles(std::exchange(m_waiting, {}));
    m_waitingSet.clear();
    const QList<QUuid> due = m_due(found);
    // What is up to date is told to machines only; people are told of what was done.
    if (m_output.json) {
        const QSet<QUuid> sent(due.cbegin(), due.cend());
        for (const ImageJob& job : m_queue->jobs()) {
            if (!sent.contains(job.id)) {
                report(job.id);
            }
        }
    }
    if (!due.isEmpty()) {
        m_runner->start(due);
    }
}

void WatchRun::report(const QUuid& id)
{
    const ImageJob* job = m_queue->find(id);
    if (job == nullptr) {
        return;
    }
    if (m_output.json) {
        m_console->outUtf8(RunReport({*job}, m_output.base).jsonLines());
        return;
    }
    if (m_output.quiet) {
        return;
    }
    m_console->err(QStringLiteral("%1 %2: %3\n")
                       .arg(RunReport::label(RunReport::stateOf(*job)),
                            Console::visible(RunReport::displayPath(job->url, m_output.base)),
                            Console::visible(job->message)));
}

void WatchRun::interrupted()
{
    if (m_interrupted || !m_runner->isProcessing()) {
        // Asked twice, or nothing in flight: leave now.
        m_interrupted = true;
        m_loop.exit();
        return;
    }
    m_interrupted = true;
    m_watch.clear();
    m_console->err(programPrefix + tr("stopping; interrupt again to quit at once.") + QLatin1Char('\n'));
    m_runner->stop();
}
