#include "AppViewModel.h"
#include "Error.h"
#include "PendingCall.h"
#include "TempTree.h"

#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace {

const QString sending = QStringLiteral("Sending to Tovalin…");
const QString beingOptimized = QStringLiteral("Image is being optimized…");
const QString saved = QStringLiteral("Optimized and saved locally.");
const QString stopped = QStringLiteral("Stopped.");
const QString ready = QStringLiteral("Ready to optimize.");
const QString done = QStringLiteral("Done.");

std::exception_ptr errorOf(const QString& description)
{
    return std::make_exception_ptr(Error(description));
}

// A view model with a queue of `count` jobs and a usable key, whose optimizer records each call as a
// PendingCall that the test settles. With failAtOnce set, calls fail before any wait, as the client's
// do for a file that cannot be read.
struct Fixture
{
    explicit Fixture(int count, PendingCall::OnCancel onCancel = PendingCall::OnCancel::failAtOnce)
        : onCancel(onCancel)
        , owned(std::make_unique<AppViewModel>(std::make_shared<ApiKeyStore>(tree.path(QStringLiteral("settings.ini"))),
                                               optimizer()))
        , model(*owned)
    {
        model.setApiKey(QStringLiteral(" key "));
        for (int i = 0; i < count; ++i) {
            model.addFiles({tree.fileUrl(QStringLiteral("img%1.jpg").arg(i))});
        }
        QObject::connect(&model, &AppViewModel::statusMessageChanged, [this] { statusLog << model.statusMessage(); });
    }

    // The view model goes before the fixture, so its calls always find it.
    AppViewModel::Optimizer optimizer()
    {
        return [this](QUrl file, TovalinOptions options, CancelToken token) {
            auto call = std::make_shared<PendingCall>(std::move(file), std::move(options), std::move(token), onCancel);
            calls.append(call);
            if (!failAtOnce.isEmpty()) {
                call->fail(errorOf(failAtOnce));
            }
            return PendingCall::outcome(std::move(call));
        };
    }

    // Starts a run and waits for its first call.
    void start()
    {
        model.optimizeAll();
        QTRY_COMPARE(calls.size(), 1);
    }

    const ImageJob& job(qsizetype row) const { return model.jobs().at(row); }
    QString message(qsizetype row) const { return job(row).message; }
    JobStatus status(qsizetype row) const { return job(row).status; }
    const std::shared_ptr<PendingCall>& call(qsizetype index) const { return calls.at(index); }

    QList<DownloadedFile> resultsFor(const QUrl& source) const
    {
        const QString base = source.toLocalFile().chopped(4);
        return {
            DownloadedFile(QStringLiteral("Optimized"), QUrl::fromLocalFile(base + QStringLiteral("-optimized.jpg"))),
            DownloadedFile(QStringLiteral("WebP"), QUrl::fromLocalFile(base + QStringLiteral(".webp")))};
    }
    // Answers call `index` with the results for its file.
    void succeed(qsizetype index) const { call(index)->succeed(resultsFor(call(index)->file())); }
    // Answers every call from `index` on with success, as each comes, until the run is done.
    void succeedTheRest(qsizetype index) const
    {
        for (; model.statusMessage() != done; ++index) {
            QTRY_VERIFY(calls.size() > index || model.statusMessage() == done);
            if (calls.size() > index) {
                succeed(index);
            }
        }
    }

    TempTree tree;
    PendingCall::OnCancel onCancel;
    QString failAtOnce;
    QList<std::shared_ptr<PendingCall>> calls;
    QStringList statusLog;
    std::unique_ptr<AppViewModel> owned;
    AppViewModel& model;
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
        QAbstractItemModelTester tester(f.model.jobModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QStringList changes;
        // Every change of a job is a change of its own row only. The progress note comes when the
        // machine is slow enough; it has its own test.
        connect(f.model.jobModel(), &QAbstractItemModel::dataChanged, this,
                [&](const QModelIndex& from, const QModelIndex& to) {
                    QCOMPARE(from, to);
                    const ImageJob& job = f.model.jobs().at(from.row());
                    if (job.message != beingOptimized) {
                        changes << job.url.fileName() + QLatin1Char(' ') + label(job.status) + QLatin1Char(' ') +
                                       job.message;
                    }
                });
        f.model.optimizeAll();
        QCOMPARE(f.model.statusMessage(), QStringLiteral("Optimizing 2 image(s)…"));
        QVERIFY(f.model.isProcessing() && f.model.hasOptimizeTask() && !f.model.canOptimize());
        // The run starts on a later turn of the event loop, with its handle already stored.
        QVERIFY(f.calls.isEmpty());
        QTRY_COMPARE(f.calls.size(), 1);
        QCOMPARE(f.call(0)->options().apiKey, QStringLiteral("key"));
        QCOMPARE(f.call(0)->options().compression, Compression::lossy);
        // Settings changed during the run apply to the jobs that have not started; a job added during
        // the run is not part of its batch.
        f.model.setCompression(Compression::glossy);
        f.model.addFiles({f.tree.fileUrl(QStringLiteral("late.png"))});
        f.succeed(0);
        QTRY_COMPARE(f.calls.size(), 2);
        QCOMPARE(f.call(1)->options().compression, Compression::glossy);
        f.succeed(1);
        QTRY_COMPARE(f.model.statusMessage(), done);
        expectIdle(f.model);
        QCOMPARE(changes, (QStringList{"img0.jpg Processing " + sending, "img0.jpg Done " + saved,
                                       "img1.jpg Processing " + sending, "img1.jpg Done " + saved}));
        QCOMPARE(f.job(1).downloads.size(), 2);
        QCOMPARE(f.job(1).downloads.at(1).path, f.tree.fileUrl(QStringLiteral("img1.webp")));
        QCOMPARE(f.message(2), ready);

        // A second run takes every job again, the succeeded ones included, and counts them. A failure
        // leaves the files of an earlier success listed.
        const QUuid earlierFile = f.job(0).downloads.at(0).id;
        f.model.optimizeAll();
        QTRY_COMPARE(f.calls.size(), 3);
        f.call(2)->fail(errorOf(QStringLiteral("Boom.")));
        QCOMPARE(f.status(0), JobStatus::failed);
        QCOMPARE(f.job(0).downloads.at(0).id, earlierFile);
        f.succeedTheRest(3);
        QCOMPARE(f.calls.size(), 5);
        QCOMPARE(f.statusLog, (QStringList{"Optimizing 2 image(s)…", "Done.", "Optimizing 3 image(s)…", "Done."}));
    }

    void progressNoteOnlyForAJobStillRunningAfterOneSecond()
    {
        Fixture f(3);
        f.start();
        QElapsedTimer sinceFirstNoteCouldStart;
        sinceFirstNoteCouldStart.start();
        // The first job fails and the second succeeds, each well within its second.
        f.call(0)->fail(errorOf(QStringLiteral("Boom.")));
        QTRY_COMPARE(f.calls.size(), 2);
        f.succeed(1);
        QTRY_COMPARE(f.calls.size(), 3);
        QCOMPARE(f.message(2), sending);
        // The third stays with the client: after a second it says so. Its note is due last, so once
        // it shows, the notes of the first two jobs have come and gone.
        QTRY_COMPARE_WITH_TIMEOUT(f.message(2), beingOptimized, 10000);
        QVERIFY(sinceFirstNoteCouldStart.elapsed() >= 1000);
        QCOMPARE(f.message(0), QStringLiteral("Boom."));
        QCOMPARE(f.message(1), saved);
        f.succeedTheRest(2);
        QCOMPARE(f.message(2), saved);
    }

    void aFailureInTheMiddleFailsThatJobOnly()
    {
        Fixture f(4);
        f.model.optimizeAll();
        // Whatever the client throws ends as the job's message; nothing escapes the run.
        const QList<std::exception_ptr> errors{nullptr, errorOf(QStringLiteral("Invalid API key.")),
                                               std::make_exception_ptr(std::runtime_error("No space left on device")),
                                               std::make_exception_ptr(42)};
        for (qsizetype i = 0; i < errors.size(); ++i) {
            QTRY_COMPARE(f.calls.size(), i + 1);
            errors.at(i) ? f.call(i)->fail(errors.at(i)) : f.succeed(i);
        }
        QTRY_COMPARE(f.model.statusMessage(), done);
        QCOMPARE(f.status(0), JobStatus::succeeded);
        const QStringList messages{"Invalid API key.", "No space left on device", "The image could not be optimized."};
        for (qsizetype row = 1; row < 4; ++row) {
            QCOMPARE(f.status(row), JobStatus::failed);
            QCOMPARE(f.message(row), messages.at(row - 1));
            QVERIFY(f.job(row).downloads.isEmpty());
        }
    }

    void aJobRemovedWhileProcessedHasItsResultDropped()
    {
        Fixture f(4);
        QAbstractItemModelTester tester(f.model.jobModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        f.start();
        f.model.removeJob(f.job(0).id);
        QSignalSpy dataChanged(f.model.jobModel(), &QAbstractItemModel::dataChanged);
        f.succeed(0);
        QCOMPARE(dataChanged.count(), 0);
        QTRY_COMPARE(f.calls.size(), 2);
        QCOMPARE(f.call(1)->file(), f.job(0).url);
        // Clearing during the run keeps the job in progress; the others' turns are skipped.
        f.model.clearQueueExceptRunning();
        f.succeed(1);
        QTRY_COMPARE(f.model.statusMessage(), done);
        QCOMPARE(f.calls.size(), 2);
        QCOMPARE(f.model.jobs().size(), 1);
        QCOMPARE(f.status(0), JobStatus::succeeded);
    }

    void stopDuringTheFirstOfThree_data()
    {
        QTest::addColumn<PendingCall::OnCancel>("onCancel");
        QTest::newRow("transfer fails inside the stop") << PendingCall::OnCancel::failAtOnce;
        QTest::newRow("transfer fails on a later turn") << PendingCall::OnCancel::failLater;
        QTest::newRow("call completes after the stop") << PendingCall::OnCancel::ignore;
    }

    void stopDuringTheFirstOfThree()
    {
        QFETCH(PendingCall::OnCancel, onCancel);
        Fixture f(3, onCancel);
        // Without a run, Stop only says so.
        f.model.stopAll();
        QCOMPARE(f.statusLog, QStringList{"Stopped by user."});
        // The last job succeeded in an earlier run; a stopped run leaves its files listed.
        const QList<DownloadedFile> earlier = f.resultsFor(f.job(2).url);
        f.model.jobModel()->update(f.job(2).id, [&](ImageJob& job) {
            job.status = JobStatus::succeeded;
            job.downloads = earlier;
        });
        f.start();
        f.statusLog.clear();
        f.model.stopAll();
        QCOMPARE(f.status(0), JobStatus::failed);
        QCOMPARE(f.message(0), stopped);
        expectIdle(f.model);
        QVERIFY(f.call(0)->token().isCancelled());

        const bool completes = onCancel == PendingCall::OnCancel::ignore;
        if (completes) {
            // The run waits for its call: nothing else moves until it completes.
            QTest::qWait(50); // nothing to wait on: the point is that nothing happens meanwhile
            QCOMPARE(f.status(1), JobStatus::queued);
            f.succeed(0);
        }
        QTRY_COMPARE(f.model.statusMessage(), done);
        QCOMPARE(f.calls.size(), 1);
        QCOMPARE(f.message(0), completes ? saved : stopped);
        for (int row : {1, 2}) {
            QCOMPARE(f.status(row), JobStatus::failed);
            QCOMPARE(f.message(row), stopped);
        }
        QCOMPARE(f.job(2).downloads.at(0).id, earlier.at(0).id);
        QCOMPARE(f.statusLog, (QStringList{"Stopped by user.", "Done."}));
        expectIdle(f.model);
    }

    void stopAndAnImmediateNewRun_data()
    {
        QTest::addColumn<PendingCall::OnCancel>("onCancel");
        QTest::addColumn<bool>("lateSuccess");
        QTest::newRow("old transfer fails inside the stop") << PendingCall::OnCancel::failAtOnce << false;
        QTest::newRow("old transfer fails on a later turn") << PendingCall::OnCancel::failLater << false;
        QTest::newRow("old call succeeds during the new run") << PendingCall::OnCancel::ignore << true;
        QTest::newRow("old call fails during the new run") << PendingCall::OnCancel::ignore << false;
    }

    void stopAndAnImmediateNewRun()
    {
        QFETCH(PendingCall::OnCancel, onCancel);
        QFETCH(bool, lateSuccess);
        Fixture f(3, onCancel);
        f.start();
        const auto oldCall = f.call(0);
        f.model.stopAll();
        f.onCancel = PendingCall::OnCancel::failAtOnce;
        f.model.optimizeAll();
        QTRY_COMPARE(f.calls.size(), 2);
        if (!oldCall->isSettled()) {
            lateSuccess ? f.succeed(0) : oldCall->fail(errorOf(QStringLiteral("Too late.")));
        }
        // Let anything the old run still had queued happen before looking.
        QSignalSpy tick(f.model.jobModel(), &QAbstractItemModel::dataChanged);
        QTest::qWait(20); // nothing is expected to happen: waiting on a signal would wait for a fault

        // The old run has left the new one alone: its job, the rest of the batch, the run state.
        QCOMPARE(tick.count(), 0);
        QCOMPARE(f.message(0), sending);
        QVERIFY(f.job(0).downloads.isEmpty());
        QCOMPARE(f.message(1), ready);
        QCOMPARE(f.message(2), ready);
        QVERIFY(f.model.isProcessing() && f.model.hasOptimizeTask());
        f.succeedTheRest(1);
        QCOMPARE(f.calls.size(), 4);
        QCOMPARE(f.message(2), saved);
        QCOMPARE(f.statusLog,
                 (QStringList{"Optimizing 3 image(s)…", "Stopped by user.", "Optimizing 3 image(s)…", "Done."}));
        expectIdle(f.model);
    }

    void optimizeAllChangesNothingWhenItCannotRun_data()
    {
        QTest::addColumn<int>("jobs");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("running");
        QTest::newRow("no key") << 1 << QString() << false;
        QTest::newRow("blank key") << 1 << QStringLiteral(" \t\r\n ") << false;
        QTest::newRow("empty queue") << 0 << QStringLiteral("key") << false;
        QTest::newRow("run in progress") << 2 << QStringLiteral("key") << true;
    }

    void optimizeAllChangesNothingWhenItCannotRun()
    {
        QFETCH(int, jobs);
        QFETCH(QString, key);
        QFETCH(bool, running);
        Fixture f(jobs);
        f.model.setApiKey(key);
        if (running) {
            f.start();
            f.model.addFiles({f.tree.fileUrl(QStringLiteral("more.jpg"))});
        }
        const QStringList statusBefore = f.statusLog;
        QSignalSpy task(&f.model, &AppViewModel::optimizeTaskChanged);
        f.model.optimizeAll();
        QCOMPARE(f.statusLog, statusBefore);
        QCOMPARE(task.count(), 0);
        QCOMPARE(f.model.isProcessing(), running);
        QVERIFY(f.calls.isEmpty() || !f.call(0)->token().isCancelled());
    }

    void theWindowBreathesBetweenJobsThatFailAtOnce()
    {
        Fixture f(20);
        f.failAtOnce = QStringLiteral("The file could not be read.");
        f.model.optimizeAll();
        // The handle is there before any job has failed, and so can be cancelled.
        QVERIFY(f.model.hasOptimizeTask());
        // A timer ticking on every pass of the event loop sees the batch half done only if the run
        // lets the loop run between its jobs.
        bool sawBatchHalfDone = false;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] {
            const auto failed = std::count_if(f.model.jobs().begin(), f.model.jobs().end(),
                                              [](const ImageJob& job) { return job.status == JobStatus::failed; });
            sawBatchHalfDone = sawBatchHalfDone || (failed > 0 && failed < f.model.jobs().size());
        });
        ticker.start(0);
        QTRY_COMPARE(f.model.statusMessage(), done);
        QVERIFY2(sawBatchHalfDone, "the run kept the event loop waiting");
        QCOMPARE(f.message(19), f.failAtOnce);
        expectIdle(f.model);
    }

    void viewModelGoingAwayMidRun_data()
    {
        QTest::addColumn<PendingCall::OnCancel>("onCancel");
        QTest::newRow("transfer aborted") << PendingCall::OnCancel::failAtOnce;
        QTest::newRow("call completes later") << PendingCall::OnCancel::ignore;
    }

    void viewModelGoingAwayMidRun()
    {
        QFETCH(PendingCall::OnCancel, onCancel);
        Fixture f(2, onCancel);
        f.start();
        f.owned.reset();
        // The transfer in flight is aborted rather than left running for nobody.
        QVERIFY(f.call(0)->token().isCancelled());
        if (!f.call(0)->isSettled()) {
            f.call(0)->succeed({});
        }
        QCOMPARE(f.calls.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestOptimizeRun)
#include "tst_optimizerun.moc"
