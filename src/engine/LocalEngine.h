#pragma once

// The engine on this computer: starts tovalin-local-service of this installation when a job first
// needs it, keeps it while the program runs, and starts a new one for the next job when it has ended.
// Jobs that ask while an engine starts share that start. Each start brings a key and a certificate of
// its own; the engine's client trusts that certificate and nothing else, and the user's API key is
// never sent to it. The engine is found beside the running program, never through PATH.
//
// Main thread only. Whatever runs jobs through operation() must end before the engine goes.

#include "client/CancelToken.h"
#include "client/TovalinClient.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <qcoro/qcorotask.h>

#include <optional>

class EngineProcess;

class LocalEngine : public QObject
{
    Q_OBJECT

public:
    // `program` is the engine's executable; `arguments` follow its --managed (benchmarks and tests tune
    // the engine with them).
    explicit LocalEngine(QString program = findProgram(), QStringList arguments = {}, QObject* parent = nullptr);
    ~LocalEngine() override;

    // tovalin-local-service in the running program's folder, as installed; or, for a program that runs
    // from a build tree, in that tree's service/ folder. Empty when there is none.
    static QString findProgram();
    static QString findProgram(const QString& programFolder);

    // The running engine's client and the key its requests carry.
    struct Connection
    {
        TovalinClient client;
        QString apiKey;
        quint64 start = 0;
    };
    // The running engine, started when there is none. Throws TransportError when it cannot be
    // started, CancelledError once `token` fires.
    static QCoro::Task<Connection> connection(QPointer<LocalEngine> engine, CancelToken token);

    // Lends each job the engine's client, the engine started as needed. A job whose engine ends under
    // it fails with a message that says so; the next job starts a new engine.
    TovalinClient::JobHost host();

    // The process id and private folder of the engine running now; 0 and empty when none runs.
    qint64 processId() const;
    QString folder() const;
    // How many engines were started so far.
    quint64 starts() const { return m_starts; }

Q_SIGNALS:
    // A start has ended, ready or not; waiters look again.
    void settled();
    // The engine of start `start` has ended.
    void ended(quint64 start);

private:
    void startEngine();
    // True when the engine of `start` has ended, or ends within a moment.
    static QCoro::Task<bool> hasEnded(QPointer<LocalEngine> engine, quint64 start);
    static QCoro::Task<QList<DownloadedFile>> runJob(QPointer<LocalEngine> engine, TovalinClient::ClientJob job,
                                                     CancelToken token);

    QString m_program;
    QStringList m_arguments;
    EngineProcess* m_process = nullptr;     // the current start
    std::optional<Connection> m_connection; // of the current start, once it is ready
    quint64 m_starts = 0;
    // Why the start with this number failed, for those who waited for it.
    quint64 m_failedStart = 0;
    QString m_failure;
};
