#pragma once

// A stand-in for the service client that holds the first job until the benchmark opens the gate, then
// finishes every job at once with the two files a WebP run saves. Lets the run's status changes be
// timed against a full queue without any network.

#include "queue/AppViewModel.h"

#include <QObject>
#include <QPointer>

class Gate : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    bool isOpen() const { return m_open; }
    void open();
    int calls() const { return m_calls; }

    // An optimizer for AppViewModel that waits for this gate.
    AppViewModel::Optimizer optimizer();

Q_SIGNALS:
    void opened();

private:
    static QCoro::Task<QList<DownloadedFile>> optimize(QPointer<Gate> gate, QUrl file);

    bool m_open = false;
    int m_calls = 0;
};
