#pragma once

// The footer's picture of a run: a bar that fills as the run's images end, done of total beside it, and
// once a few images are done, the time left at the pace so far. Shown only while a run is active.

#include <QWidget>

#include <chrono>
#include <functional>

class AppViewModel;
class QLabel;
class QProgressBar;
class QTimer;

class RunProgress : public QWidget
{
    Q_OBJECT

public:
    using Clock = std::function<std::chrono::milliseconds()>;

    explicit RunProgress(AppViewModel* model, QWidget* parent = nullptr, Clock clock = {});

    QString text() const;

private:
    void processingChanged();
    void progressChanged();
    void refresh();

    AppViewModel* m_model;
    Clock m_clock;
    QProgressBar* m_bar;
    QLabel* m_label;
    // Ticks once a second while the estimate is shown, so it counts down between images.
    QTimer* m_ticker;
    std::chrono::milliseconds m_started{0};
    std::chrono::milliseconds m_lastDone{0};
    int m_done = 0;
};
