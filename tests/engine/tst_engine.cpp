#include "client/CancelledError.h"
#include "client/TovalinError.h"
#include "client/TransportError.h"
#include "engine/LocalEngine.h"
#include "queue/JobListModel.h"
#include "queue/QueueRunner.h"
#include "tests/service/TestImages.h"
#include "tests/support/TempTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <qcoro/qcorotask.h>

#include <csignal>
#include <functional>
#include <optional>

namespace {

const QString engineProgram = QStringLiteral(TOVALIN_LOCAL_SERVICE_PATH);

// Alive: there, and not a zombie waiting for whoever adopted it.
bool isAlive(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray line = stat.readAll();
    const qsizetype state = line.lastIndexOf(')') + 2;
    return state < line.size() && line.at(state) != 'Z';
}

// Runs `task` to its end on the event loop; what it threw is kept.
template <typename T>
struct Outcome
{
    std::optional<T> value;
    std::exception_ptr error;
    bool done = false;
};

template <typename T>
QCoro::Task<> keep(QCoro::Task<T> task, Outcome<T>* outcome)
{
    try {
        outcome->value = co_await std::move(task);
    } catch (...) {
        outcome->error = std::current_exception();
    }
    outcome->done = true;
}

template <typename T>
Outcome<T> wait(QCoro::Task<T> task)
{
    Outcome<T> outcome;
    QCoro::connect(keep(std::move(task), &outcome), qApp, [] {});
    if (!QTest::qWaitFor([&outcome] { return outcome.done; }, 60'000)) {
        qWarning("still running after a minute");
    }
    return outcome;
}

QString describe(const std::exception_ptr& error)
{
    if (!error) {
        return QStringLiteral("no error");
    }
    try {
        std::rethrow_exception(error);
    } catch (const Error& e) {
        return e.description();
    } catch (...) {
        return QStringLiteral("something that is not an Error");
    }
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

// The engine on this computer, started from the real tovalin-local-service as the window and the
// command line start it.
class TestEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestImages::initVips(); }

    // Beside the program as installed, or in the build tree's service/ folder; never anywhere else.
    void findsTheEngineBesideTheProgram()
    {
        TempTree tree;
        const auto program = [&](const QString& path) {
            tree.writeFile(path, "#!/bin/sh\n");
            QFile::setPermissions(tree.path(path), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        };
        program(QStringLiteral("usr/bin/tovalin-local-service"));
        QCOMPARE(LocalEngine::findProgram(tree.path(QStringLiteral("usr/bin"))),
                 tree.path(QStringLiteral("usr/bin/tovalin-local-service")));
        program(QStringLiteral("build/service/tovalin-local-service"));
        tree.makeFolder(QStringLiteral("build/src/cli"));
        QCOMPARE(LocalEngine::findProgram(tree.path(QStringLiteral("build/src/cli"))), QString());
        tree.writeFile(QStringLiteral("build/CMakeCache.txt"));
        QCOMPARE(LocalEngine::findProgram(tree.path(QStringLiteral("build/src/cli"))),
                 tree.path(QStringLiteral("build/service/tovalin-local-service")));
        tree.writeFile(QStringLiteral("opt/bin/tovalin-local-service"), "not executable");
        QCOMPARE(LocalEngine::findProgram(tree.path(QStringLiteral("opt/bin"))), QString());

        LocalEngine missing{QString()};
        const auto outcome = wait(LocalEngine::connection(&missing, CancelToken()));
        QCOMPARE(describe(outcome.error), QStringLiteral("The optimizer on this computer is missing: "
                                                         "tovalin-local-service is not installed beside this "
                                                         "program."));
    }

    // An engine that cannot start fails the jobs that waited for it, and says why; the next job tries
    // again.
    void anEngineThatCannotStart_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("why");
        QTest::newRow("ends at once") << QStringLiteral("/bin/false") << QStringLiteral("it ended with status 1.");
        QTest::newRow("cannot be run") << QStringLiteral("/nonexistent/tovalin-local-service") << QString();
    }

    void anEngineThatCannotStart()
    {
        QFETCH(QString, program);
        QFETCH(QString, why);
        LocalEngine broken(program);
        Outcome<LocalEngine::Connection> first;
        QCoro::connect(keep(LocalEngine::connection(&broken, CancelToken()), &first), this, [] {});
        const auto second = wait(LocalEngine::connection(&broken, CancelToken()));
        QTRY_VERIFY(first.done);
        const QString prefix = QStringLiteral("The optimizer on this computer could not be started: ");
        QVERIFY2(describe(first.error).startsWith(prefix) && describe(first.error).endsWith(why),
                 qPrintable(describe(first.error)));
        QCOMPARE(describe(second.error), describe(first.error));
        QCOMPARE(broken.starts(), 1u);
        QVERIFY(wait(LocalEngine::connection(&broken, CancelToken())).error);
        QCOMPARE(broken.starts(), 2u);
    }

    // Jobs that ask together share one start; the engine optimizes with its own key, refuses any
    // other, and trusts-and-is-trusted by its own certificate only. When it goes, nothing of it stays.
    void oneStartOneKeyOneCertificate()
    {
        TempTree tree;
        const QUrl photo = QUrl::fromLocalFile(tree.writeFile(QStringLiteral("photo.jpg"), TestImages::photoJpeg()));
        auto engine = std::make_unique<LocalEngine>(engineProgram);
        auto other = std::make_unique<LocalEngine>(engineProgram);
        auto first = wait(LocalEngine::connection(engine.get(), CancelToken()));
        QVERIFY2(!first.error, qPrintable(describe(first.error)));
        QCOMPARE(engine->starts(), 1u);

        // Three jobs at once, while it starts anew after the first has ended.
        const qint64 firstPid = engine->processId();
        const QString firstFolder = engine->folder();
        QVERIFY(isAlive(firstPid) && QFileInfo(firstFolder).isDir());
        QCOMPARE(QFileInfo(firstFolder).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
                 QFileDevice::Permissions());
        ::kill(pid_t(firstPid), SIGKILL);
        QTRY_COMPARE(engine->processId(), 0);
        QTRY_VERIFY(!QFileInfo::exists(firstFolder));
        QList<QUrl> outputs;
        int finished = 0;
        for (int i = 0; i < 3; ++i) {
            const QString name = QStringLiteral("copy%1.jpg").arg(i);
            QFile::copy(photo.toLocalFile(), tree.path(name));
            QCoro::connect(
                JobPipeline::optimizer(engine->host())(
                    JobRequest::forFile(QUrl::fromLocalFile(tree.path(name)), TovalinOptions()), CancelToken()),
                this, [&](const QList<DownloadedFile>& files) {
                    ++finished;
                    for (const DownloadedFile& file : files) {
                        outputs.append(file.path);
                    }
                });
        }
        QTRY_COMPARE_WITH_TIMEOUT(finished, 3, 60'000);
        QCOMPARE(engine->starts(), 2u);
        QCOMPARE(outputs.size(), 6); // optimized and WebP each

        // Another key, even the other engine's, is refused by the service's own answer.
        auto second = wait(LocalEngine::connection(other.get(), CancelToken()));
        QVERIFY(second.value);
        const LocalEngine::Connection mine = *wait(LocalEngine::connection(engine.get(), CancelToken())).value;
        TovalinOptions wrongKey;
        wrongKey.apiKey = second.value->apiKey;
        const auto refused = wait(mine.client.callPostReducer(photo, QByteArray(), std::nullopt, wrongKey, {}));
        QVERIFY(refused.error);
        QVERIFY2(describe(refused.error).contains(QLatin1String("key"), Qt::CaseInsensitive),
                 qPrintable(describe(refused.error)));
        try {
            std::rethrow_exception(refused.error);
        } catch (const TovalinError&) {
        } catch (...) {
            QFAIL("a refused key is the service's answer, not a failure to connect");
        }

        // One engine's client does not trust the other engine's certificate, though both name 127.0.0.1.
        const QUrl otherPort = second.value->client.postReducerURL();
        const TovalinClient crossed(QUrl(otherPort.adjusted(QUrl::RemovePath)), mine.client.transport());
        TovalinOptions otherKey;
        otherKey.apiKey = second.value->apiKey;
        const auto untrusted = wait(crossed.callPostReducer(photo, QByteArray(), std::nullopt, otherKey, {}));
        QVERIFY(untrusted.error);
        try {
            std::rethrow_exception(untrusted.error);
        } catch (const TransportError&) {
        } catch (...) {
            QFAIL(qPrintable(QStringLiteral("expected a refused certificate, got: ") + describe(untrusted.error)));
        }

        const qint64 pid = engine->processId();
        const QString folder = engine->folder();
        engine.reset();
        QVERIFY(!isAlive(pid));
        QVERIFY(!QFileInfo::exists(folder));
    }

    // The engine killed while images are with it: those jobs fail and say why, nothing is written
    // beside the sources, and the next run starts a new engine that does the work. An image that takes
    // the engine longer than the service's one poll would wait for is asked about until it is done
    // (here a second's wait against 2.5 s of work), never saved as its own copy.
    void killedMidRunFailsItsJobsAndTheNextRunWorks()
    {
        TempTree tree;
        JobListModel jobs;
        QList<QUuid> batch;
        for (const char* name : {"a.jpg", "b.jpg"}) {
            jobs.append({ImageJob(
                QUrl::fromLocalFile(tree.writeFile(QString::fromLatin1(name), TestImages::photoJpeg(320, 240))))});
            batch.append(jobs.jobs().constLast().id);
        }
        LocalEngine engine(engineProgram, {QStringLiteral("--delay-ms"), QStringLiteral("2500"),
                                           QStringLiteral("--max-wait"), QStringLiteral("1")});
        QueueRunner runner(&jobs, JobPipeline::optimizer(engine.host()), [] { return TovalinOptions(); });
        runner.setMaxInFlight(2);
        QSignalSpy finished(&runner, &QueueRunner::finished);
        runner.start(batch);
        // Both uploads are with the engine once their jobs say so, a second after they started.
        QTRY_VERIFY_WITH_TIMEOUT(
            std::all_of(jobs.jobs().cbegin(), jobs.jobs().cend(),
                        [](const ImageJob& job) { return job.message == QStringLiteral("Image is being optimized…"); }),
            20'000);
        const QString folder = engine.folder();
        ::kill(pid_t(engine.processId()), SIGKILL);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20'000);
        for (const ImageJob& job : jobs.jobs()) {
            QCOMPARE(job.status, JobStatus::failed);
            QCOMPARE(job.message, QStringLiteral("The optimizer on this computer stopped unexpectedly; the next "
                                                 "image starts it again."));
            QVERIFY(job.downloads.isEmpty());
        }
        QCOMPARE(filesIn(tree.root()), (QStringList{"a.jpg", "b.jpg"}));
        QTRY_VERIFY(!QFileInfo::exists(folder));

        runner.start(batch);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 60'000);
        for (const ImageJob& job : jobs.jobs()) {
            QCOMPARE(job.status, JobStatus::succeeded);
        }
        QCOMPARE(engine.starts(), 2u);
        QCOMPARE(filesIn(tree.root()),
                 (QStringList{"a-optimized.jpg", "a.jpg", "a.webp", "b-optimized.jpg", "b.jpg", "b.webp"}));
    }

    // A program killed outright takes its engine along, and the engine its files.
    void endsWhenItsProgramIsKilled()
    {
        QProcess holder;
        holder.start(QStringLiteral(TOVALIN_ENGINE_HOLDER_PATH), {engineProgram});
        QVERIFY(holder.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(holder.canReadLine(), 30'000);
        const QList<QByteArray> told = holder.readLine().trimmed().split(' ');
        QCOMPARE(told.size(), 2);
        const qint64 pid = told.at(0).toLongLong();
        const QString folder = QString::fromLocal8Bit(told.at(1));
        QVERIFY(isAlive(pid));
        QVERIFY(QFileInfo(folder).isDir());
        holder.kill();
        QVERIFY(holder.waitForFinished());
        QTRY_VERIFY_WITH_TIMEOUT(!isAlive(pid), 10'000);
        QTRY_VERIFY(!QFileInfo::exists(folder));
    }

    // A stop while the engine starts ends the waiting job at once; the start goes on for the next.
    void stopWhileStarting()
    {
        LocalEngine engine(engineProgram);
        CancellationSource stop;
        Outcome<LocalEngine::Connection> outcome;
        QCoro::connect(keep(LocalEngine::connection(&engine, stop.token()), &outcome), this, [] {});
        stop.cancel();
        QTRY_VERIFY(outcome.done);
        QVERIFY(outcome.error);
        QCOMPARE(describe(outcome.error), CancelledError().description());
        const auto next = wait(LocalEngine::connection(&engine, CancelToken()));
        QVERIFY(next.value);
        QCOMPARE(engine.starts(), 1u);
    }
};

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
