#pragma once

// The top of the queue pane: the title, the status line of the run, how many images are left, what the
// finished ones have saved, and the buttons that clear finished jobs or the whole queue.

#include <QWidget>

class AppViewModel;
class QLabel;
class QPushButton;

class QueueHeader : public QWidget
{
    Q_OBJECT

public:
    explicit QueueHeader(AppViewModel* model, QWidget* parent = nullptr);

    // The header's controls in the order Tab visits them.
    QList<QWidget*> focusChain() const;

    // The run's status line; with none, what to do next: add images, enter the key, or press Optimize.
    static QString statusText(const QString& statusMessage, qsizetype jobCount, bool keyMissing);
    static QString remainingText(int remaining);

private:
    void refresh();

    AppViewModel* m_model;
    QLabel* m_status;
    QLabel* m_remaining;
    QLabel* m_saved;
    QPushButton* m_clearFinished;
    QPushButton* m_clearQueue;
};
