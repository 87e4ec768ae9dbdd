#pragma once

// A stand-in for the service client whose calls finish only when the test says so: each call records
// the options it was given and waits until release() (success, no files), or until its run is stopped,
// when it fails with the cancellation error like a real transfer.

#include "AppViewModel.h"

#include <QList>
#include <QObject>

class ServiceGate : public QObject
{
    Q_OBJECT

public:
    AppViewModel::Optimizer optimizer();
    void release() { Q_EMIT opened(); }

    QList<TovalinOptions> options;
    int pending = 0;

Q_SIGNALS:
    void opened();

private:
    static QCoro::Task<QList<DownloadedFile>> call(ServiceGate* gate, TovalinOptions options, CancelToken token);
};
