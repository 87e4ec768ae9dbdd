#include "CancelledError.h"
#include "ScriptedOptimizer.h"
#include "TempTree.h"

#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>
#include <stdexcept>

namespace {

const QString sending = QStringLiteral("Sending to Tovalin…");
const QString beingOptimized = QStringLiteral("Image is being optimized…");
const QString saved = QStringLiteral("Optimized and saved locally.");
const QString stopped = QStringLiteral("Stopped.");
const QString ready = QStringLiteral("Ready to optimize.");
const QString done = QStringLiteral("Done.");

// How a call in flight ends when its run is stopped: inside cancel() itself, as a transfer does, or
// later, when the test ends it (a call whose last request was already answered runs on).
enum class End
{
    atOnce,
    laterCancelled,
    laterSucceeded,
    laterFailed,
};

// A view model with a queue of `count` jobs and a usable key, whose optimizer records each call for
// the test to settle; or, with `scripted` off, the service client.
struct Fixture : ScriptedOptimizer
{
    explicit Fixture(int count, End end = End::atOnce, bool scripted = true)
    {
        failOnCancel = end == End::atOnce;
        model = std::make_unique<AppViewModel>(std::make_shared<ApiKeyStore>(tree.path(QStringLiteral("settings.ini"))),
                                               scripted ? optimizer() : AppViewModel::Optimizer());
        model->setApiKey(QStringLiteral(" key "));
        QObject::connect(model.get(), &AppViewModel::statusMessageChanged,
                         [this] { statusLog << model->statusMessage(); });
        for (int i = 0; i < count; ++i) {
            model->addFiles({tree.fileUrl(QStringLiteral("img%1.jpg").arg(i))});
        }
    }

    // Starts a run and waits for its first call.
    void start()
    {
        model->optimizeAll();
        QTRY_COMPARE(calls.size(), 1);
    }

    const ImageJob& job(qsizetype row) const { return model->jobs().at(row); }
    QString message(qsizetype row) const { return job(row).message; }
    JobStatus status(qsizetype row) const { return job(row).status; }
    // Every job as "status: message", in queue order.
    QStringList states() const
    {
        QStringList out;
        for (const ImageJob& j : model->jobs()) {
            out << label(j.status) + QStringLiteral(": ") + j.message;
        }
        return out;
    }

    // Ends a call after a stop the way `end` says; one that ended at once is settled already.
    void endLate(qsizetype index, End end) const
    {
        if (end == End::laterCancelled) {
            call(index)->settle({}, std::make_exception_ptr(CancelledError()));
        } else if (end == End::laterSucceeded) {
            call(index)->succeed();
        } else if (end == End::laterFailed) {
            call(index)->fail(QStringLiteral("Too late."));
        }
    }
    // Answers every call from `index` on with success, as each comes, until the run is done.
    void succeedTheRest(qsizetype index) const
    {
        for (; model->statusMessage() != done; ++index) {
            QTRY_VERIFY(calls.size() > index || model->statusMessage() == done);
            if (calls.size() > index) {
                call(index)->succeed();
            }
        }
    }

    TempTree tree;
    QStringList statusLog;
    std::unique_ptr<AppViewModel> model; // last: it goes first, so its calls always find the fixture
};

void expectIdle(const AppViewModel& model)
{
    QCOMPARE(model.isProcessing(), false);
    QCOMPARE(model.hasOptimizeTask(), false);
}

} // namespace

class TestOptimizeRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void twoJobsThenASecondRun()
    {
        Fixture f(2);
        QAbstractItemModelTester tester(f.model->jobModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QStringList changes;
        // Every change of a job is a change of its own row only. The progress note comes when the
        // machine is slow enough; it has its own test.
        connect(f.model->jobModel(), &QAbstractItemModel::dataChanged, this,
                [&](const QModelIndex& from, const QModelIndex& to) {
                    QCOMPARE(from, to);
                    if (f.message(from.row()) != beingOptimized) {
                        changes << f.job(from.row()).url.fileName() + QLatin1Char(' ') + f.states().at(from.row());
                    }
                });
        f.model->optimizeAll();
        QVERIFY(f.model->isProcessing() && f.model->hasOptimizeTask() && !f.model->canOptimize());
        // The run starts on a later turn of the event loop, with its handle already stored.
        QVERIFY(f.calls.isEmpty());
        QTRY_COMPARE(f.calls.size(), 1);
        QCOMPARE(f.call(0)->options.apiKey, QStringLiteral("key"));
        QCOMPARE(f.call(0)->options.compression, Compression::lossy);
        // Settings changed during the run apply to the jobs that have not started; a job added during
        // the run is not part of its batch.
        f.model->setCompression(Compression::glossy);
        f.model->addFiles({f.tree.fileUrl(QStringLiteral("late.png"))});
        f.call(0)->succeed();
        QTRY_COMPARE(f.calls.size(), 2);
        QCOMPARE(f.call(1)->options.compression, Compression::glossy);
        f.call(1)->succeed();
        QTRY_COMPARE(f.model->statusMessage(), done);
        expectIdle(*f.model);
        QCOMPARE(changes, (QStringList{"img0.jpg Processing: " + sending, "img0.jpg Done: " + saved,
                                       "img1.jpg Processing: " + sending, "img1.jpg Done: " + saved}));
        QCOMPARE(f.job(1).downloads.at(0).path, f.tree.fileUrl(QStringLiteral("img1.jpg.webp")));
        QCOMPARE(f.message(2), ready);

        // A second run takes every job again, the succeeded ones included, and counts them. A failure
        // leaves the files of an earlier success listed.
        const QUuid earlierFile = f.job(0).downloads.at(0).id;
        f.model->optimizeAll();
        QTRY_COMPARE(f.calls.size(), 3);
        f.call(2)->fail(QStringLiteral("Boom."));
        QCOMPARE(f.status(0), JobStatus::failed);
        QCOMPARE(f.job(0).downloads.at(0).id, earlierFile);
        f.succeedTheRest(3);
        QCOMPARE(f.calls.size(), 5);
        QCOMPARE(f.statusLog, (QStringList{"Optimizing 2 image(s)…", "Done.", "Optimizing 3 image(s)…", "Done."}));
    }

    void progressNoteAndFailuresInTheMiddle()
    {
        Fixture f(4);
        f.start();
        QElapsedTimer sinceFirstNoteCouldStart;
        sinceFirstNoteCouldStart.start();
        // The first three jobs end well within their second; whatever the client throws ends as the
        // job's message, fails that job only, and nothing escapes the run.
        f.call(0)->succeed();
        QTRY_COMPARE(f.calls.size(), 2);
        f.call(1)->fail(QStringLiteral("Invalid API key."));
        QTRY_COMPARE(f.calls.size(), 3);
        f.call(2)->settle({}, std::make_exception_ptr(std::runtime_error("No space left on device")));
        QTRY_COMPARE(f.calls.size(), 4);
        QCOMPARE(f.message(3), sending);
        // The last stays with the client: after a second it says so. Its note is due last, so once
        // it shows, the notes of the jobs before it have come and gone.
        QTRY_COMPARE_WITH_TIMEOUT(f.message(3), beingOptimized, 10000);
        QVERIFY(sinceFirstNoteCouldStart.elapsed() >= 1000);
        f.call(3)->settle({}, std::make_exception_ptr(42));
        QTRY_COMPARE(f.model->statusMessage(), done);
        QCOMPARE(f.states(),
                 (QStringList{"Done: " + saved, "Failed: Invalid API key.", "Failed: No space left on device",
                              "Failed: The image could not be optimized."}));
    }

    void aJobRemovedWhileProcessedHasItsResultDropped()
    {
        Fixture f(4);
        QAbstractItemModelTester tester(f.model->jobModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        f.start();
        f.model->removeJob(f.job(0).id);
        QSignalSpy dataChanged(f.model->jobModel(), &QAbstractItemModel::dataChanged);
        f.call(0)->succeed();
        QCOMPARE(dataChanged.count(), 0);
        QTRY_COMPARE(f.calls.size(), 2);
        QCOMPARE(f.call(1)->file, f.job(0).url);
        // Clearing during the run keeps the job in progress; the others' turns are skipped.
        f.model->clearQueueExceptRunning();
        f.call(1)->succeed();
        QTRY_COMPARE(f.model->statusMessage(), done);
        QCOMPARE(f.calls.size(), 2);
        QCOMPARE(f.states(), QStringList{"Done: " + saved});
    }

    // Each job is named from the queue of the moment it starts: sources of one folder sharing a base
    // name, letter case aside, are named from their whole names. A row stops listing a file that
    // another job has written over.
    void outputNamingAndReplacedFiles()
    {
        Fixture f(0);
        QList<QUrl> sources;
        for (const char* name :
             {"p/noise.png", "p/Noise.jpg", "p/noise.png.gif", "q/noise.tif", "p/solo.png", "p/solo.bmp"}) {
            sources.append(f.tree.fileUrl(QString::fromLatin1(name)));
        }
        f.model->addFiles(sources);
        f.start();
        f.call(0)->succeed();
        QTRY_COMPARE(f.calls.size(), 2);
        f.call(1)->succeed();
        QTRY_COMPARE(f.calls.size(), 3);
        // "noise.png.gif" has the base name "noise.png": its companion is where the first job's is.
        f.call(2)->succeed(f.tree.fileUrl(QStringLiteral("p/noise.png")));
        QTRY_COMPARE(f.calls.size(), 4);
        // Its partner leaves the queue before "solo.png" starts.
        f.model->removeJob(f.job(5).id);
        f.succeedTheRest(3);
        QString namings;
        for (const auto& call : std::as_const(f.calls)) {
            namings += call->naming == OutputNames::Naming::sourceName ? QLatin1Char('s') : QLatin1Char('b');
        }
        QCOMPARE(namings, QStringLiteral("ssbbb"));
        QVERIFY(f.job(0).downloads.isEmpty());
        QCOMPARE(f.job(2).downloads.at(0).path, f.tree.fileUrl(QStringLiteral("p/noise.png.webp")));
        QCOMPARE(f.job(1).downloads.size(), 1);
    }

    void stopDuringTheFirstOfThree_data()
    {
        QTest::addColumn<End>("end");
        QTest::newRow("transfer fails inside the stop") << End::atOnce;
        QTest::newRow("transfer fails on a later turn") << End::laterCancelled;
        QTest::newRow("call completes after the stop") << End::laterSucceeded;
    }

    void stopDuringTheFirstOfThree()
    {
        QFETCH(End, end);
        Fixture f(3, end);
        // Without a run, Stop only says so.
        f.model->stopAll();
        QCOMPARE(f.statusLog, QStringList{"Stopped by user."});
        // The last job succeeded in an earlier run; a stopped run leaves its files listed.
        f.model->jobModel()->update(f.job(2).id, [](ImageJob& job) {
            job.status = JobStatus::succeeded;
            job.downloads = {DownloadedFile(QStringLiteral("WebP"), job.url)};
        });
        const QUuid earlierFile = f.job(2).downloads.at(0).id;
        f.start();
        f.statusLog.clear();
        f.model->stopAll();
        QCOMPARE(f.states().at(0), "Failed: " + stopped);
        expectIdle(*f.model);
        QVERIFY(f.call(0)->token.isCancelled());
        if (end != End::atOnce) {
            // The run waits for its call: nothing else moves until it ends.
            QTest::qWait(50); // nothing to wait on: the point is that nothing happens meanwhile
            QCOMPARE(f.status(1), JobStatus::queued);
            f.endLate(0, end);
        }
        QTRY_COMPARE(f.model->statusMessage(), done);
        QCOMPARE(f.calls.size(), 1);
        const QString first = end == End::laterSucceeded ? "Done: " + saved : "Failed: " + stopped;
        QCOMPARE(f.states(), (QStringList{first, "Failed: " + stopped, "Failed: " + stopped}));
        QCOMPARE(f.job(2).downloads.at(0).id, earlierFile);
        QCOMPARE(f.statusLog, (QStringList{"Stopped by user.", "Done."}));
        expectIdle(*f.model);
    }

    void stopAndAnImmediateNewRun_data()
    {
        QTest::addColumn<End>("end");
        QTest::newRow("old transfer fails inside the stop") << End::atOnce;
        QTest::newRow("old transfer fails during the new run") << End::laterCancelled;
        QTest::newRow("old call succeeds during the new run") << End::laterSucceeded;
        QTest::newRow("old call fails during the new run") << End::laterFailed;
    }

    void stopAndAnImmediateNewRun()
    {
        QFETCH(End, end);
        Fixture f(3, end);
        f.start();
        f.model->stopAll();
        f.model->optimizeAll();
        QTRY_COMPARE(f.calls.size(), 2);
        f.endLate(0, end);
        // Let anything the old run still had queued happen before looking.
        QSignalSpy tick(f.model->jobModel(), &QAbstractItemModel::dataChanged);
        QTest::qWait(20); // nothing is expected to happen: waiting on a signal would wait for a fault

        // The old run has left the new one alone: its job, the rest of the batch, the run state.
        QCOMPARE(tick.count(), 0);
        QCOMPARE(f.states(), (QStringList{"Processing: " + sending, "Queued: " + ready, "Queued: " + ready}));
        QVERIFY(f.job(0).downloads.isEmpty());
        QVERIFY(f.model->isProcessing() && f.model->hasOptimizeTask());
        f.succeedTheRest(1);
        QCOMPARE(f.calls.size(), 4);
        QCOMPARE(f.states(), QStringList(3, "Done: " + saved));
        QCOMPARE(f.statusLog,
                 (QStringList{"Optimizing 3 image(s)…", "Stopped by user.", "Optimizing 3 image(s)…", "Done."}));
        expectIdle(*f.model);
    }

    void optimizeAllChangesNothingWhenItCannotRun_data()
    {
        QTest::addColumn<int>("jobs");
        QTest::addColumn<QString>("key");
        QTest::newRow("blank key") << 1 << QStringLiteral(" \t\r\n ");
        QTest::newRow("empty queue") << 0 << QStringLiteral("key");
        QTest::newRow("run in progress") << 2 << QStringLiteral("key");
    }

    void optimizeAllChangesNothingWhenItCannotRun()
    {
        QFETCH(int, jobs);
        QFETCH(QString, key);
        const bool running = jobs > 1;
        Fixture f(jobs);
        f.model->setApiKey(key);
        if (running) {
            f.start();
            f.model->addFiles({f.tree.fileUrl(QStringLiteral("more.jpg"))});
        }
        const QStringList statusBefore = f.statusLog;
        QSignalSpy task(f.model.get(), &AppViewModel::optimizeTaskChanged);
        f.model->optimizeAll();
        QCOMPARE(f.statusLog, statusBefore);
        QCOMPARE(task.count(), 0);
        QCOMPARE(f.model->isProcessing(), running);
        QVERIFY(f.calls.isEmpty() || !f.call(0)->token.isCancelled());
    }

    void theWindowBreathesBetweenJobsThatFailAtOnce()
    {
        Fixture f(20);
        f.failAtOnce = QStringLiteral("The file could not be read.");
        f.model->optimizeAll();
        // The handle is there before any job has failed, and so can be cancelled.
        QVERIFY(f.model->hasOptimizeTask());
        // A timer ticking on every pass of the event loop sees the batch half done only if the run
        // lets the loop run between its jobs.
        bool sawBatchHalfDone = false;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] {
            sawBatchHalfDone =
                sawBatchHalfDone || (f.status(0) == JobStatus::failed && f.status(19) == JobStatus::queued);
        });
        ticker.start(0);
        QTRY_COMPARE(f.model->statusMessage(), done);
        QVERIFY2(sawBatchHalfDone, "the run kept the event loop waiting");
        QCOMPARE(f.message(19), f.failAtOnce);
        expectIdle(*f.model);
    }

    void viewModelGoingAwayMidRun_data()
    {
        QTest::addColumn<End>("end");
        QTest::newRow("transfer aborted") << End::atOnce;
        QTest::newRow("call completes later") << End::laterSucceeded;
    }

    void viewModelGoingAwayMidRun()
    {
        QFETCH(End, end);
        Fixture f(2, end);
        f.start();
        f.model.reset();
        // The transfer in flight is aborted rather than left running for nobody.
        QVERIFY(f.call(0)->token.isCancelled());
        f.endLate(0, end);
        QCOMPARE(f.calls.size(), 1);
    }

    void withoutAnInjectedOptimizerTheServiceClientRuns()
    {
        // A file that is not there fails in the client before any request goes out.
        Fixture f(1, End::atOnce, false);
        f.model->optimizeAll();
        QTRY_COMPARE_WITH_TIMEOUT(f.model->statusMessage(), done, 30000);
        QVERIFY2(f.message(0).contains(QStringLiteral("img0.jpg")), qPrintable(f.message(0)));
    }
};

QTEST_GUILESS_MAIN(TestOptimizeRun)
#include "tst_optimizerun.moc"
