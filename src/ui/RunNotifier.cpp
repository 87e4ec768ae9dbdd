#include "ui/RunNotifier.h"

#include "queue/AppViewModel.h"

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
    connect(model, &AppViewModel::jobFinished, this,
            [this](const QUuid&, JobOutcome outcome) { jobFinished(outcome); });
    connect(model, &AppViewModel::runFinished, this, &RunNotifier::runFinished);
}

RunNotifier::~RunNotifier() = default;

std::chrono::milliseconds RunNotifier::steadyClock()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

void RunNotifier::processingChanged()
{
    // A new run starts the count afresh, also while a stopped one still winds down.
    if (m_model != nullptr && m_model->isProcessing()) {
        m_running = true;
        m_started = m_clock();
        m_outcome = {};
    }
}

void RunNotifier::jobFinished(JobOutcome outcome)
{
    switch (outcome) {
    case JobOutcome::optimized:
        ++m_outcome.optimized;
        break;
    case JobOutcome::failed:
        ++m_outcome.failed;
        break;
    case JobOutcome::stopped:
        ++m_outcome.stopped;
        break;
    case JobOutcome::none:
    case JobOutcome::skipped:
        break;
    }
}

// A stopped run ends once it has marked the rest of its batch stopped.
void RunNotifier::runFinished()
{
    if (!std::exchange(m_running, false) || m_clock() - m_started <= longRun || m_isActive()) {
        return;
    }
    m_sender->send(summary(), body(m_outcome));
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
