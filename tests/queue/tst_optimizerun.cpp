#include "AppViewModel.h"
#include "Error.h"
#include "ScriptedOptimizer.h"
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

// A view model over a scripted optimizer, with a queue of `count` jobs and a usable key.
struct Fixture
{
    explicit Fixture(int count)
        : model(std::make_shared<ApiKeyStore>(tree.path(QStringLiteral("settings.ini"))), fake.optimizer())
    {
        model.setApiKey(QStringLiteral(" key "));
        QList<QUrl> urls;
        for (int i = 0; i < count; ++i) {
            urls << tree.fileUrl(QStringLiteral("img%1.jpg").arg(i));
        }
        model.addFiles(urls);
        model.connect(&model, &AppViewModel::statusMessageChanged, [this] { statusLog << model.statusMessage(); });
    }

    ImageJob job(qsizetype row) const { return model.jobs().at(row); }
    QString message(qsizetype row) const { return model.jobs().at(row).message; }
    JobStatus status(qsizetype row) const { return model.jobs().at(row).status; }

    QList<DownloadedFile> resultsFor(const QUrl& source) const
    {
        const QString base = source.toLocalFile().chopped(4);
        return {
            DownloadedFile(QStringLiteral("Optimized"), QUrl::fromLocalFile(base + QStringLiteral("-optimized.jpg"))),
            DownloadedFile(QStringLiteral("WebP"), QUrl::fromLocalFile(base + QStringLiteral(".webp")))};
    }
    // Answers call `index` with the results for its file.
    void succeed(qsizetype index) const
    {
        const auto call = fake.call(index);
        call->succeed(resultsFor(call->file()));
    }

    TempTree tree;
    ScriptedOptimizer fake;
    QStringList statusLog;
    AppViewModel model;
};

QStringList formats(const QList<DownloadedFile>& files)
{
    QStringList out;
    for (const DownloadedFile& file : files) {
        out << file.format;
    }
    return out;
}

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
    void twoJobsOneAfterTheOther()
    {
        Fixture f(2);
        QAbstractItemModelTester tester(f.model.jobModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        struct Change
        {
            QString file;
            JobStatus status;
            QString message;
            bool operator==(const Change&) const = default;
        };
        QList<Change> changes;
        // Every change of a job is a change of its own row, and only of that row.
        connect(f.model.jobModel(), &QAbstractItemModel::dataChanged, this,
                [&](const QModelIndex& from, const QModelIndex& to) {
                    QCOMPARE(from, to);
                    const ImageJob& job = f.model.jobs().at(from.row());
                    // The progress note comes when the machine is slow enough; it has its own test.
                    if (job.message != beingOptimized) {
                        changes.append({job.url.fileName(), job.status, job.message});
                    }
                });
        QSignalSpy taskChanged(&f.model, &AppViewModel::optimizeTaskChanged);
        QSignalSpy processingChanged(&f.model, &AppViewModel::isProcessingChanged);
        QSignalSpy reset(f.model.jobModel(), &QAbstractItemModel::modelReset);

        f.model.optimizeAll();
        QCOMPARE(f.model.statusMessage(), QStringLiteral("Optimizing 2 image(s)…"));
        QVERIFY(f.model.isProcessing());
        QVERIFY(f.model.hasOptimizeTask());
        QVERIFY(!f.model.canOptimize());
        QCOMPARE(taskChanged.count(), 1);
        // The run starts on a later turn of the event loop, with its handle already stored.
        QCOMPARE(f.fake.callCount(), 0);
        QCOMPARE(f.status(0), JobStatus::queued);

        QTRY_COMPARE(f.fake.callCount(), 1);
        QCOMPARE(f.status(0), JobStatus::running);
        QCOMPARE(f.message(0), sending);
        QCOMPARE(f.status(1), JobStatus::queued);
        const auto first = f.fake.call(0);
        QCOMPARE(first->file(), f.job(0).url);
        QCOMPARE(first->options().apiKey, QStringLiteral("key"));
        QCOMPARE(first->options().compression, Compression::lossy);
        QCOMPARE(first->options().resizeWidth, std::nullopt);
        QVERIFY(!first->token().isCancelled());

        // Settings changed during the run apply to the jobs that have not started.
        f.model.setCompression(Compression::glossy);
        f.model.setResizeWidth(QStringLiteral("640"));
        f.succeed(0);
        QCOMPARE(f.status(0), JobStatus::succeeded);
        QCOMPARE(f.message(0), saved);
        QCOMPARE(formats(f.job(0).downloads), (QStringList{"Optimized", "WebP"}));
        QCOMPARE(f.job(0).downloads.at(0).path, f.tree.fileUrl(QStringLiteral("img0-optimized.jpg")));

        QTRY_COMPARE(f.fake.callCount(), 2);
        QCOMPARE(f.fake.call(1)->file(), f.job(1).url);
        QCOMPARE(f.fake.call(1)->options().compression, Compression::glossy);
        QCOMPARE(f.fake.call(1)->options().resizeWidth, std::optional<qint64>(640));
        QCOMPARE(f.model.statusMessage(), QStringLiteral("Optimizing 2 image(s)…"));
        f.succeed(1);

        QTRY_COMPARE(f.model.statusMessage(), QStringLiteral("Done."));
        expectIdle(f.model);
        QCOMPARE(taskChanged.count(), 2);
        QCOMPARE(processingChanged.count(), 2);
        QCOMPARE(f.statusLog, (QStringList{"Optimizing 2 image(s)…", "Done."}));
        QCOMPARE(f.status(1), JobStatus::succeeded);
        QCOMPARE(f.message(1), saved);
        QCOMPARE(f.fake.callCount(), 2);
        QCOMPARE(reset.count(), 0);
        const QList<Change> expected{
            {"img0.jpg", JobStatus::running, sending},
            {"img0.jpg", JobStatus::succeeded, saved},
            {"img1.jpg", JobStatus::running, sending},
            {"img1.jpg", JobStatus::succeeded, saved},
        };
        QVERIFY(changes == expected);
        QCOMPARE(f.model.remainingCount(), 0);
        QVERIFY(f.model.canOptimize());
    }

    void progressNoteOnlyForAJobStillRunningAfterOneSecond()
    {
        Fixture f(3);
        f.model.optimizeAll();
        QTRY_COMPARE(f.fake.callCount(), 1);
        QElapsedTimer sinceFirstNoteCouldStart;
        sinceFirstNoteCouldStart.start();
        // The first job fails and the second succeeds, each well within its second.
        f.fake.call(0)->fail(std::make_exception_ptr(Error(QStringLiteral("Boom."))));
        QCOMPARE(f.message(0), QStringLiteral("Boom."));
        QTRY_COMPARE(f.fake.callCount(), 2);
        f.succeed(1);
        QCOMPARE(f.message(1), saved);
        QTRY_COMPARE(f.fake.callCount(), 3);
        QCOMPARE(f.message(2), sending);

        // The third stays with the client: after a second it says so. Its note is due last, so once
        // it shows, the notes of the first two jobs have come and gone.
        QTRY_COMPARE_WITH_TIMEOUT(f.message(2), beingOptimized, 10000);
        QVERIFY(sinceFirstNoteCouldStart.elapsed() >= 1000);
        QCOMPARE(f.status(2), JobStatus::running);
        QCOMPARE(f.message(0), QStringLiteral("Boom."));
        QCOMPARE(f.status(0), JobStatus::failed);
        QCOMPARE(f.message(1), saved);

        f.succeed(2);
        QCOMPARE(f.message(2), saved);
        QTRY_COMPARE(f.model.statusMessage(), QStringLiteral("Done."));
    }

    void aFailureInTheMiddleFailsThatJobOnly()
    {
        Fixture f(4);
        f.model.optimizeAll();
        QTRY_COMPARE(f.fake.callCount(), 1);
        f.succeed(0);
        QTRY_COMPARE(f.fake.callCount(), 2);
        f.fake.call(1)->fail(std::make_exception_ptr(Error(QStringLiteral("Invalid API key."))));
        QTRY_COMPARE(f.fake.callCount(), 3);
        // Whatever the client throws ends as the job's message; nothing escapes the run.
        f.fake.call(2)->fail(std::make_exception_ptr(std::runtime_error("No space left on device")));
        QTRY_COMPARE(f.fake.callCount(), 4);
        f.fake.call(3)->fail(std::make_exception_ptr(42));
        QTRY_COMPARE(f.model.statusMessage(), QStringLiteral("Done."));

        QCOMPARE(f.status(0), JobStatus::succeeded);
        QCOMPARE(f.status(1), JobStatus::failed);
        QCOMPARE(f.message(1), QStringLiteral("Invalid API key."));
        QVERIFY(f.job(1).downloads.isEmpty());
        QCOMPARE(f.status(2), JobStatus::failed);
        QCOMPARE(f.message(2), QStringLiteral("No space left on device"));
        QCOMPARE(f.status(3), JobStatus::failed);
        QCOMPARE(f.message(3), QStringLiteral("The image could not be optimized."));
        QCOMPARE(f.model.remainingCount(), 3);
        expectIdle(f.model);
    }

    void aJobRemovedWhileProcessedHasItsResultDropped()
    {
        Fixture f(4);
        QAbstractItemModelTester tester(f.model.jobModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        f.model.optimizeAll();
        QTRY_COMPARE(f.fake.callCount(), 1);
        const QUrl removedUrl = f.job(0).url;
        f.model.removeJob(f.job(0).id);
        QCOMPARE(f.model.jobs().size(), 3);

        QSignalSpy dataChanged(f.model.jobModel(), &QAbstractItemModel::dataChanged);
        f.succeed(0);
        QCOMPARE(dataChanged.count(), 0);
        QTRY_COMPARE(f.fake.callCount(), 2);
        QCOMPARE(f.fake.call(1)->file(), f.job(0).url);
        QCOMPARE(f.status(0), JobStatus::running);
        for (const ImageJob& job : f.model.jobs()) {
            QVERIFY(job.url != removedUrl);
        }

        // Clearing during the run keeps the job in progress; the others' turns are skipped.
        f.model.clearQueueExceptRunning();
        QCOMPARE(f.model.jobs().size(), 1);
        f.succeed(1);
        QTRY_COMPARE(f.model.statusMessage(), QStringLiteral("Done."));
        QCOMPARE(f.fake.callCount(), 2);
        QCOMPARE(f.status(0), JobStatus::succeeded);
        expectIdle(f.model);
    }

    void jobsAddedDuringARunStayQueued()
    {
        Fixture f(1);
        f.model.optimizeAll();
        QTRY_COMPARE(f.fake.callCount(), 1);
        f.model.addFiles({f.tree.fileUrl(QStringLiteral("late1.png")), f.tree.fileUrl(QStringLiteral("late2.png"))});
        QCOMPARE(f.model.statusMessage(), QStringLiteral("Optimizing 1 image(s)…"));
        QVERIFY(f.model.isProcessing());
        f.succeed(0);
        QTRY_COMPARE(f.model.statusMessage(), QStringLiteral("Done."));
        QCOMPARE(f.fake.callCount(), 1);
        QCOMPARE(f.status(1), JobStatus::queued);
        QCOMPARE(f.message(1), ready);
        QCOMPARE(f.status(2), JobStatus::queued);
        QCOMPARE(f.model.remainingCount(), 2);
    }

    void aSecondRunTakesEveryJobAgain()
    {
        Fixture f(2);
        f.model.optimizeAll();
        QTRY_COMPARE(f.fake.callCount(), 1);
        f.succeed(0);
        QTRY_COMPARE(f.fake.callCount(), 2);
        f.succeed(1);
        QTRY_COMPARE(f.model.statusMessage(), QStringLiteral("Done."));
        const QList<DownloadedFile> firstDownloads = f.job(0).downloads;

        f.model.optimizeAll();
        QCOMPARE(f.model.statusMessage(), QStringLiteral("Optimizing 2 image(s)…"));
        QTRY_COMPARE(f.fake.callCount(), 3);
        QCOMPARE(f.fake.call(2)->file(), f.job(0).url);
        QCOMPARE(f.status(0), JobStatus::running);
        QCOMPARE(f.message(0), sending);
        f.fake.call(2)->fail(std::make_exception_ptr(Error(QStringLiteral("Boom."))));
        // A failure leaves the files of an earlier success listed.
        QCOMPARE(f.status(0), JobStatus::failed);
        QCOMPARE(f.job(0).downloads.size(), firstDownloads.size());
        QCOMPARE(f.job(0).downloads.at(0).id, firstDownloads.at(0).id);
        QTRY_COMPARE(f.fake.callCount(), 4);
        f.succeed(3);
        QTRY_COMPARE(f.model.statusMessage(), QStringLiteral("Done."));
        QCOMPARE(f.statusLog, (QStringList{"Optimizing 2 image(s)…", "Done.", "Optimizing 2 image(s)…", "Done."}));
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
        Fixture f(3);
        f.fake.setOnCancel(onCancel);
        // The last job succeeded in an earlier run; a stopped run leaves its files listed.
        const QList<DownloadedFile> earlier = f.resultsFor(f.job(2).url);
        f.model.jobModel()->update(f.job(2).id, [&](ImageJob& job) {
            job.status = JobStatus::succeeded;
            job.downloads = earlier;
        });

        f.model.optimizeAll();
        QTRY_COMPARE(f.fake.callCount(), 1);
        f.statusLog.clear();
        f.model.stopAll();
        QCOMPARE(f.status(0), JobStatus::failed);
        QCOMPARE(f.message(0), stopped);
        QCOMPARE(f.model.statusMessage(), QStringLiteral("Stopped by user."));
        expectIdle(f.model);
        QVERIFY(f.fake.call(0)->token().isCancelled());

        if (onCancel == PendingCall::OnCancel::ignore) {
            // The run waits for its call: nothing else moves until it completes.
            QTest::qWait(50); // nothing to wait on: the point is that nothing happens meanwhile
            QCOMPARE(f.status(1), JobStatus::queued);
            QCOMPARE(f.model.statusMessage(), QStringLiteral("Stopped by user."));
            f.succeed(0);
            QCOMPARE(f.status(0), JobStatus::succeeded);
            QCOMPARE(f.message(0), saved);
        }
        QTRY_COMPARE(f.model.statusMessage(), QStringLiteral("Done."));
        if (onCancel != PendingCall::OnCancel::ignore) {
            QCOMPARE(f.status(0), JobStatus::failed);
            QCOMPARE(f.message(0), stopped);
        }
        QCOMPARE(f.fake.callCount(), 1);
        for (int row : {1, 2}) {
            QCOMPARE(f.status(row), JobStatus::failed);
            QCOMPARE(f.message(row), stopped);
        }
        QCOMPARE(f.job(2).downloads.size(), 2);
        QCOMPARE(f.job(2).downloads.at(0).id, earlier.at(0).id);
        QCOMPARE(f.statusLog, (QStringList{"Stopped by user.", "Done."}));
        expectIdle(f.model);
        QVERIFY(f.model.canOptimize());
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
        Fixture f(3);
        f.fake.setOnCancel(onCancel);
        f.model.optimizeAll();
        QTRY_COMPARE(f.fake.callCount(), 1);
        const auto oldCall = f.fake.call(0);

        f.model.stopAll();
        f.fake.setOnCancel(PendingCall::OnCancel::failAtOnce);
        f.model.optimizeAll();
        QCOMPARE(f.model.statusMessage(), QStringLiteral("Optimizing 3 image(s)…"));
        QVERIFY(f.model.isProcessing());
        QVERIFY(f.model.hasOptimizeTask());

        QTRY_COMPARE(f.fake.callCount(), 2);
        QCOMPARE(f.fake.call(1)->file(), f.job(0).url);
        QVERIFY(!f.fake.call(1)->token().isCancelled());
        if (!oldCall->isSettled()) {
            if (lateSuccess) {
                f.succeed(0);
            } else {
                oldCall->fail(std::make_exception_ptr(Error(QStringLiteral("Too late."))));
            }
        }
        // Let anything the old run still had queued happen before looking.
        QSignalSpy tick(f.model.jobModel(), &QAbstractItemModel::dataChanged);
        QTest::qWait(20); // nothing is expected to happen: waiting on a signal would wait for a fault

        // The old run has left the new one alone: its job, the rest of the batch, the run state.
        QCOMPARE(tick.count(), 0);
        QCOMPARE(f.status(0), JobStatus::running);
        QCOMPARE(f.message(0), sending);
        QVERIFY(f.job(0).downloads.isEmpty());
        for (int row : {1, 2}) {
            QCOMPARE(f.status(row), JobStatus::queued);
            QCOMPARE(f.message(row), ready);
        }
        QCOMPARE(f.model.statusMessage(), QStringLiteral("Optimizing 3 image(s)…"));
        QVERIFY(f.model.isProcessing());
        QVERIFY(f.model.hasOptimizeTask());

        f.succeed(1);
        QTRY_COMPARE(f.fake.callCount(), 3);
        f.succeed(2);
        QTRY_COMPARE(f.fake.callCount(), 4);
        f.succeed(3);
        QTRY_COMPARE(f.model.statusMessage(), QStringLiteral("Done."));
        for (int row : {0, 1, 2}) {
            QCOMPARE(f.status(row), JobStatus::succeeded);
            QCOMPARE(f.message(row), saved);
        }
        QCOMPARE(f.statusLog,
                 (QStringList{"Optimizing 3 image(s)…", "Stopped by user.", "Optimizing 3 image(s)…", "Done."}));
        expectIdle(f.model);
    }

    void optimizeAllNeedsKeyJobsAndNoRun()
    {
        {
            Fixture f(1);
            for (const QString& blank : {QString(), QStringLiteral(" \t\r\n ")}) {
                f.model.setApiKey(blank);
                QSignalSpy status(&f.model, &AppViewModel::statusMessageChanged);
                QSignalSpy processing(&f.model, &AppViewModel::isProcessingChanged);
                QSignalSpy task(&f.model, &AppViewModel::optimizeTaskChanged);
                QSignalSpy jobs(&f.model, &AppViewModel::jobsChanged);
                f.model.optimizeAll();
                QCOMPARE(status.count() + processing.count() + task.count() + jobs.count(), 0);
                expectIdle(f.model);
            }
        }
        {
            Fixture f(0);
            QSignalSpy status(&f.model, &AppViewModel::statusMessageChanged);
            f.model.optimizeAll();
            QCOMPARE(status.count(), 0);
            expectIdle(f.model);
        }
        {
            Fixture f(2);
            f.model.optimizeAll();
            QTRY_COMPARE(f.fake.callCount(), 1);
            QSignalSpy status(&f.model, &AppViewModel::statusMessageChanged);
            QSignalSpy task(&f.model, &AppViewModel::optimizeTaskChanged);
            f.model.addFiles({f.tree.fileUrl(QStringLiteral("more.jpg"))});
            f.model.optimizeAll();
            QCOMPARE(status.count(), 0);
            QCOMPARE(task.count(), 0);
            QVERIFY(!f.fake.call(0)->token().isCancelled());
            f.succeed(0);
            QTRY_COMPARE(f.fake.callCount(), 2);
            f.succeed(1);
            QTRY_COMPARE(f.model.statusMessage(), QStringLiteral("Done."));
            QCOMPARE(f.fake.callCount(), 2);
        }
    }

    void stopWithoutARunOnlySaysSo()
    {
        Fixture f(2);
        QSignalSpy jobs(&f.model, &AppViewModel::jobsChanged);
        f.model.stopAll();
        QCOMPARE(f.model.statusMessage(), QStringLiteral("Stopped by user."));
        QCOMPARE(jobs.count(), 0);
        QCOMPARE(f.status(0), JobStatus::queued);
        expectIdle(f.model);
    }

    void theWindowBreathesBetweenJobsThatFailAtOnce()
    {
        Fixture f(20);
        f.fake.setFailAtOnce(QStringLiteral("The file could not be read."));
        QSignalSpy task(&f.model, &AppViewModel::optimizeTaskChanged);
        f.model.optimizeAll();
        // The handle is there before any job has failed, and so can be cancelled.
        QVERIFY(f.model.hasOptimizeTask());
        QCOMPARE(task.count(), 1);
        // A timer ticking on every pass of the event loop sees the batch half done only if the run
        // lets the loop run between its jobs.
        bool sawBatchHalfDone = false;
        QTimer ticker;
        ticker.setInterval(0);
        connect(&ticker, &QTimer::timeout, this, [&] {
            const auto failed = std::count_if(f.model.jobs().begin(), f.model.jobs().end(),
                                              [](const ImageJob& job) { return job.status == JobStatus::failed; });
            sawBatchHalfDone = sawBatchHalfDone || (failed > 0 && failed < f.model.jobs().size());
        });
        ticker.start();
        QTRY_COMPARE(f.model.statusMessage(), QStringLiteral("Done."));
        ticker.stop();
        QVERIFY2(sawBatchHalfDone, "the run kept the event loop waiting");
        for (const ImageJob& job : f.model.jobs()) {
            QCOMPARE(job.status, JobStatus::failed);
            QCOMPARE(job.message, QStringLiteral("The file could not be read."));
        }
        QCOMPARE(task.count(), 2);
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
        TempTree tree;
        ScriptedOptimizer fake;
        fake.setOnCancel(onCancel);
        auto model = std::make_unique<AppViewModel>(
            std::make_shared<ApiKeyStore>(tree.path(QStringLiteral("settings.ini"))), fake.optimizer());
        model->setApiKey(QStringLiteral("key"));
        model->addFiles({tree.fileUrl(QStringLiteral("a.jpg")), tree.fileUrl(QStringLiteral("b.jpg"))});
        model->optimizeAll();
        QTRY_COMPARE(fake.callCount(), 1);
        model.reset();
        // The transfer in flight is aborted rather than left running for nobody.
        QVERIFY(fake.call(0)->token().isCancelled());
        if (!fake.call(0)->isSettled()) {
            fake.call(0)->succeed({});
        }
        QCOMPARE(fake.callCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestOptimizeRun)
#include "tst_optimizerun.moc"
