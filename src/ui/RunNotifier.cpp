#include "RunNotifier.h"

#include "AppViewModel.h"

#include <QSet>

#include <utility>

RunNotifier::RunNotifier(AppViewModel* model, std::unique_ptr<NotificationSender> sender,
                         std::function<bool()> isActive, Clock clock, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_sender(std::move(sender))
    , m_isActive(std::move(isActive))
    , m_clock(std::move(clock))
{
    connect(model, &AppViewModel::isProcessingChanged, this, &RunNotifier::processingChanged);
}

RunNotifier::~RunNotifier() = default;

std::chrono::milliseconds RunNotifier::steadyClock()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

void RunNotifier::processingChanged()
{
    if (m_model == nullptr || m_model->isProcessing() == m_running) {
        return;
    }
    m_running = m_model->isProcessing();
    if (m_running) {
        // A run takes every job queued when it starts.
        m_started = m_clock();
        m_run.clear();
        for (const ImageJob& job : m_model->jobs()) {
            m_run.append(job.id);
        }
        return;
    }
    if (m_clock() - m_started <= longRun || m_isActive()) {
        return;
    }
    m_sender->send(summary(), body(outcome(m_model->jobs(), m_run)));
}

RunNotifier::Outcome RunNotifier::outcome(const QList<ImageJob>& jobs, const QList<QUuid>& run)
{
    const QSet<QUuid> ids(run.cbegin(), run.cend());
    Outcome result;
    for (const ImageJob& job : jobs) {
        if (!ids.contains(job.id)) {
            continue;
        }
        switch (job.status) {
        case JobStatus::succeeded:
            ++result.optimized;
            break;
        case JobStatus::failed:
            ++result.failed;
            break;
        case JobStatus::queued:
        case JobStatus::running:
            ++result.stopped;
            break;
        }
    }
    return result;
}

QString RunNotifier::summary()
{
    return tr("Done.");
}

QString RunNotifier::body(const Outcome& outcome)
{
    // What did not happen is left out, unless nothing did.
    QStringList parts{tr("%n image(s) optimized", nullptr, outcome.optimized)};
    if (outcome.failed > 0) {
        parts.append(tr("%n failed", nullptr, outcome.failed));
    }
    if (outcome.stopped > 0) {
        parts.append(tr("%n stopped", nullptr, outcome.stopped));
    }
    return tr("%1.", "the parts of a run's outcome, joined")
        .arg(parts.join(tr(", ", "between the parts of a run's outcome")));
}
