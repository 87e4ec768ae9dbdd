#include "engine/LocalEngine.h"

#include "client/CancelledError.h"
#include "client/HttpTransport.h"
#include "client/TransportError.h"
#include "engine/EngineProcess.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <qcoro/qcorosignal.h>

#include <chrono>
#include <utility>

namespace {

const QString programName = QStringLiteral("tovalin-local-service");

// A transfer breaks off when the engine's connections close, a moment before its end is reported.
constexpr std::chrono::milliseconds endNoticed{1000};

bool isProgram(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

TransportError startFailed(const QString& why)
{
    return TransportError(TransportError::Reason::network,
                          LocalEngine::tr("The optimizer on this computer could not be started: %1").arg(why));
}

} // namespace

LocalEngine::LocalEngine(QString program, QStringList arguments, QObject* parent)
    : QObject(parent)
    , m_program(std::move(program))
    , m_arguments(std::move(arguments))
{
}

LocalEngine::~LocalEngine()
{
    delete m_process;
}

QString LocalEngine::findProgram()
{
    return findProgram(QCoreApplication::applicationDirPath());
}

QString LocalEngine::findProgram(const QString& programFolder)
{
    const QDir folder(programFolder);
    const QString installed = folder.filePath(programName);
    if (isProgram(installed)) {
        return installed;
    }
    // A build tree keeps every program two folders below its top (src/app, src/cli), the engine in
    // service/; the tree is told by its CMake cache.
    const QDir top(folder.filePath(QStringLiteral("../..")));
    const QString built = top.filePath(QStringLiteral("service/") + programName);
    if (QFileInfo::exists(top.filePath(QStringLiteral("CMakeCache.txt"))) && isProgram(built)) {
        return QDir::cleanPath(built);
    }
    return QString();
}

qint64 LocalEngine::processId() const
{
    return m_process != nullptr ? m_process->processId() : 0;
}

QString LocalEngine::folder() const
{
    return m_process != nullptr && m_process->state() != EngineProcess::State::ended ? m_process->folder() : QString();
}

void LocalEngine::startEngine()
{
    const quint64 start = ++m_starts;
    m_process = new EngineProcess(m_program, m_arguments, this);
    EngineProcess* process = m_process;
    connect(process, &EngineProcess::ready, this, [this, process, start] {
        const QUrl base(QStringLiteral("https://127.0.0.1:%1").arg(process->port()));
        // This engine's certificate and no other: no system authority, nothing written anywhere.
        auto transport = std::make_shared<HttpTransport>(QList<QSslCertificate>{process->certificate()},
                                                         std::chrono::seconds(60), QString());
        TovalinClient client(base, std::move(transport));
        client.setPollsUntilDone(true);
        m_connection = Connection{std::move(client), process->apiKey(), start};
        Q_EMIT settled();
    });
    connect(process, &EngineProcess::ended, this, [this, process, start] {
        const bool wasReady = m_connection && m_connection->start == start;
        if (!wasReady) {
            m_failedStart = start;
            m_failure = process->failure();
        }
        if (m_process == process) {
            m_process = nullptr;
            m_connection.reset();
        }
        process->deleteLater();
        if (wasReady) {
            Q_EMIT ended(start);
        } else {
            Q_EMIT settled();
        }
    });
    process->start();
}

QCoro::Task<LocalEngine::Connection> LocalEngine::connection(QPointer<LocalEngine> engine, CancelToken token)
{
    if (!engine) {
        throw startFailed(tr("the program is closing."));
    }
    // A stop wakes this waiter; the others look again and go on waiting.
    const QMetaObject::Connection wake = token.onCancel(engine, [engine] {
        if (engine) {
            Q_EMIT engine->settled();
        }
    });
    const auto unwake = qScopeGuard([wake] { QObject::disconnect(wake); });
    quint64 awaited = 0;
    for (;;) {
        if (token.isCancelled()) {
            throw CancelledError();
        }
        if (!engine) {
            throw startFailed(tr("the program is closing."));
        }
        if (awaited != 0 && engine->m_failedStart == awaited) {
            throw startFailed(engine->m_failure);
        }
        if (engine->m_program.isEmpty()) {
            throw TransportError(TransportError::Reason::network,
                                 tr("The optimizer on this computer is missing: %1 is not installed beside this "
                                    "program.")
                                     .arg(programName));
        }
        if (engine->m_process == nullptr) {
            // A start may fail at once; the checks above tell.
            engine->startEngine();
            awaited = engine->m_starts;
            continue;
        }
        if (engine->m_connection && engine->m_connection->start == engine->m_starts) {
            // A copy: QCoro moves from an lvalue that is co_returned, and others share this one.
            co_return Connection(*engine->m_connection);
        }
        awaited = engine->m_starts;
        co_await qCoro(engine.data(), &LocalEngine::settled);
    }
}

QCoro::Task<bool> LocalEngine::hasEnded(QPointer<LocalEngine> engine, quint64 start)
{
    if (!engine || !engine->m_connection || engine->m_connection->start != start) {
        co_return true;
    }
    const std::optional<quint64> ended = co_await qCoro(engine.data(), &LocalEngine::ended, endNoticed);
    co_return ended.has_value() && *ended == start;
}

TovalinClient::JobHost LocalEngine::host()
{
    return [engine = QPointer<LocalEngine>(this)](TovalinClient::ClientJob job, CancelToken token) {
        return runJob(engine, std::move(job), std::move(token));
    };
}

QCoro::Task<QList<DownloadedFile>> LocalEngine::runJob(QPointer<LocalEngine> engine, TovalinClient::ClientJob job,
                                                       CancelToken token)
{
    const Connection connection = co_await LocalEngine::connection(engine, token);
    std::optional<TransportError> broken;
    try {
        // The engine's own key; the user's key for the service stays home.
        co_return co_await job(connection.client, connection.apiKey);
    } catch (const TransportError& error) {
        broken = error;
    }
    if (co_await hasEnded(engine, connection.start)) {
        TransportError stopped(TransportError::Reason::network,
                               tr("The optimizer on this computer stopped unexpectedly; the next image starts it "
                                  "again."));
        stopped.setWritten(broken->written());
        throw stopped;
    }
    throw *broken;
}
