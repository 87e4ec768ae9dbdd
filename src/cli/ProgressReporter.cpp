#include "cli/ProgressReporter.h"

#include "cli/Console.h"
#include "cli/RunReport.h"
#include "queue/JobListModel.h"

#include <algorithm>
#include <chrono>

namespace {

constexpr int maxBarWidth = 20;
const QString clearToEnd = QStringLiteral("\r\033[K");

QString duration(qint64 seconds)
{
    if (seconds >= 3600) {
        return QStringLiteral("%1:%2:%3")
            .arg(seconds / 3600)
            .arg((seconds / 60) % 60, 2, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    }
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

bool isFinished(const ImageJob& job)
{
    return job.outcome != JobOutcome::none;
}

} // namespace

ProgressReporter::ProgressReporter(const JobListModel* jobs, Console* console, QDir base, QObject* parent)
    : QObject(parent)
    , m_jobs(jobs)
    , m_console(console)
    , m_base(std::move(base))
    , m_terminal(console->errIsTerminal())
{
    connect(jobs, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                jobsChanged(topLeft.row(), bottomRight.row());
            });
    // Jobs are only ever appended; a removal moves rows, and the running ones are found again.
    connect(jobs, &QAbstractItemModel::rowsRemoved, this, &ProgressReporter::findRunning);
    connect(jobs, &QAbstractItemModel::modelReset, this, &ProgressReporter::findRunning);
    // The estimate counts down between the changes of the jobs.
    m_ticker.setInterval(std::chrono::seconds(1));
    connect(&m_ticker, &QTimer::timeout, this, &ProgressReporter::redraw);
}

void ProgressReporter::start(int total)
{
    m_active = true;
    m_total = total;
    m_clock.start();
    if (m_terminal) {
        m_ticker.start();
        redraw();
    }
}

void ProgressReporter::finish()
{
    m_active = false;
    m_ticker.stop();
    clearLine();
}

void ProgressReporter::note(const QString& text)
{
    if (!m_active) {
        return;
    }
    clearLine();
    m_console->err(text);
    if (m_terminal) {
        redraw();
    }
}

QString ProgressReporter::estimate(qint64 elapsedMs, qint64 elapsedAtLastFinishMs, int finished, int total)
{
    if (finished <= 0 || finished >= total) {
        return {};
    }
    const qint64 perImageMs = elapsedAtLastFinishMs / finished;
    const qint64 leftMs = perImageMs * (total - finished) - (elapsedMs - elapsedAtLastFinishMs);
    if (leftMs < 1000) {
        return tr("almost done");
    }
    return tr("about %1 left").arg(duration((leftMs + 999) / 1000));
}

QString ProgressReporter::bar(int finished, int total, int width)
{
    const int filled = total > 0 ? int(qint64(finished) * width / total) : 0;
    return QLatin1Char('[') + QString(filled, QLatin1Char('#')) + QString(width - filled, QLatin1Char('.')) +
           QLatin1Char(']');
}

void ProgressReporter::findRunning()
{
    m_running.clear();
    const QList<ImageJob>& jobs = m_jobs->jobs();
    for (int row = 0; row < jobs.size(); ++row) {
        if (jobs.at(row).status == JobStatus::running) {
            m_running.insert(row);
        }
    }
}

void ProgressReporter::jobsChanged(int firstRow, int lastRow)
{
    const QList<ImageJob>& jobs = m_jobs->jobs();
    for (int row = std::max(firstRow, 0); row <= lastRow && row < jobs.size(); ++row) {
        if (jobs.at(row).status == JobStatus::running) {
            m_running.insert(row);
        } else {
            m_running.erase(row);
        }
    }
    if (!m_active) {
        return;
    }
    for (int row = std::max(firstRow, 0); row <= lastRow && row < jobs.size(); ++row) {
        const ImageJob& job = jobs.at(row);
        if (isFinished(job) && !m_finished.contains(job.id)) {
            m_finished.insert(job.id);
            m_lastFinishMs = m_clock.isValid() ? m_clock.elapsed() : 0;
            reportFinished(job);
        }
    }
    if (m_terminal) {
        redraw();
    }
}

void ProgressReporter::reportFinished(const ImageJob& job)
{
    const RunReport::State state = RunReport::stateOf(job);
    const QString path = Console::visible(RunReport::displayPath(job.url, m_base));
    const QString message = Console::visible(job.message);
    if (m_terminal) {
        // Done and stopped images are in the table at the end; a failure deserves a look now.
        if (state == RunReport::State::failed) {
            note(QStringLiteral("%1: %2\n").arg(path, message));
        }
        return;
    }
    QString line =
        QStringLiteral("[%1/%2] %3 %4").arg(m_finished.size()).arg(m_total).arg(RunReport::label(state), path);
    // "Stopped" says it all; the other states come with what the run said.
    if (state != RunReport::State::stopped) {
        line += QStringLiteral(": ") + message;
    }
    m_console->err(line + QLatin1Char('\n'));
}

void ProgressReporter::redraw()
{
    const QList<ImageJob>& jobs = m_jobs->jobs();
    const int total = m_total;
    const int finished = int(m_finished.size());
    const int columns = m_console->errColumns();
    const QString head = bar(finished, total, std::clamp(columns / 5, 5, maxBarWidth)) +
                         QStringLiteral(" %1/%2").arg(finished).arg(total);
    const QString tail = estimate(m_clock.isValid() ? m_clock.elapsed() : 0, m_lastFinishMs, finished, total);
    // One column short of the width: a line that fills the terminal would wrap and never be redrawn.
    // Counted in the terminal's columns, which a wide character takes two of.
    const int room = columns - 1 - Console::columns(head) - 2 - (tail.isEmpty() ? 0 : Console::columns(tail) + 2);
    QString current;
    if (!m_running.empty()) {
        const ImageJob& job = jobs.at(*m_running.begin());
        // When space is short the message goes first, then the start of the path: the file name stays.
        const QString path = Console::visible(RunReport::displayPath(job.url, m_base));
        const QString message = Console::visible(job.message);
        if (Console::columns(path) + 2 + Console::columns(message) <= room) {
            current = path + QStringLiteral("  ") + message;
        } else if (Console::columns(path) <= room) {
            current = path;
        } else if (room > 1) {
            current = QStringLiteral("…") + Console::lastColumns(path, room - 1);
        }
    }
    QString line = head;
    if (!current.isEmpty()) {
        line += QStringLiteral("  ") + current;
    }
    if (!tail.isEmpty()) {
        line += QStringLiteral("  ") + tail;
    }
    m_console->err(clearToEnd + Console::firstColumns(line, columns - 1));
    m_lineShown = true;
}

void ProgressReporter::clearLine()
{
    if (m_lineShown) {
        m_console->err(clearToEnd);
        m_lineShown = false;
    }
}
