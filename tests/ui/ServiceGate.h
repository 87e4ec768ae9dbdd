#pragma once

// A stand-in for the service client whose calls finish only when the test says so: each call records
// the file and options it was given and waits until release() (success with `files`) or fail(), or
// until its run is stopped, when it fails with the cancellation error like a real transfer.

#include "AppViewModel.h"

#include <QList>
#include <QObject>
#include <QUrl>

class ServiceGate : public QObject
{
    Q_OBJECT

public:
    AppViewModel::Optimizer optimizer();

    void release(QList<DownloadedFile> files = {});
    void fail(const QString& description);

    QList<QUrl> files;
    QList<TovalinOptions> options;
    int pending = 0;

Q_SIGNALS:
    void opened();

private:
    static QCoro::Task<QList<DownloadedFile>> call(ServiceGate* gate, QUrl file, TovalinOptions options,
                                                   CancelToken token);

    QList<DownloadedFile> m_result;
    QString m_failure;
};
