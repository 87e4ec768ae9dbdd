#pragma once

// Turns SIGINT, SIGTERM and SIGHUP into a Qt signal on the main thread. The handler only writes the
// signal's number into a pipe (the one thing a handler may safely do); a QSocketNotifier reads it
// back in the event loop, where stopping the run is allowed. One watcher per process.

#include <QObject>

class QSocketNotifier;

class SignalWatcher : public QObject
{
    Q_OBJECT

public:
    explicit SignalWatcher(QObject* parent = nullptr);
    ~SignalWatcher() override;

    // False when the pipe could not be made; the signals then keep their default effect.
    bool isWatching() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
};
