#pragma once

// Announces the end of a long run to a user who has turned to something else: when a run that took
// longer than ten seconds ends while the window is not active, a notification says "Done." and how
// many images were optimized, failed and stopped. A short run, or one that ends before the user's
// eyes, is announced by the window alone. Where the notification goes is the sender's business.

#include "model/JobOutcome.h"
#include "ui/NotificationSender.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>

class AppViewModel;

class RunNotifier : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<std::chrono::milliseconds()>;
    static constexpr std::chrono::milliseconds longRun{10'000};

    // How the jobs of a run ended.
    struct Outcome
    {
        int optimized = 0;
        int failed = 0;
        int stopped = 0;
    };

    // `isActive` tells whether the user is looking at the window; `clock` is a steady clock.
    RunNotifier(AppViewModel* model, std::unique_ptr<NotificationSender> sender, std::function<bool()> isActive,
                Clock clock = steadyClock, QObject* parent = nullptr);
    ~RunNotifier() override;

    static QString summary();
    static QString body(const Outcome& outcome);
    static std::chrono::milliseconds steadyClock();

private:
    void processingChanged();
    void jobFinished(JobOutcome outcome);
    void runFinished();

    QPointer<AppViewModel> m_model;
    std::unique_ptr<NotificationSender> m_sender;
    std::function<bool()> m_isActive;
    Clock m_clock;
    bool m_running = false;
    std::chrono::milliseconds m_started{0};
    Outcome m_outcome;
};
