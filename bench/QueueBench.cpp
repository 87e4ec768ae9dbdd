// The queue at scale in the real window (offscreen): 100,000 jobs added and laid out, the memory they
// take, and how long a job's status change takes to reach its painted row with all of them present.
// Then a folder of 10,000 images whose results are up to date, queued until every row is shown done,
// against the same folder without results queued until every row is shown.
//
//   tovalin-bench-queue WORKDIR [--jobs N] [--repetitions R] [--run-jobs K] [--intake-images N]
//
// The files of the first part need not exist: intake queues a file given by location as it is.

#include "bench/Gate.h"
#include "bench/MarkedTree.h"
#include "bench/Measure.h"
#include "bench/PaintClock.h"
#include "bench/ReportRow.h"
#include "model/SettingsStore.h"
#include "queue/AppViewModel.h"
#include "queue/JobListModel.h"
#include "queue/UpToDateJobs.h"
#include "ui/JobListView.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTextStream>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

QList<QUrl> makeUrls(const QString& root, const QString& folder, int count)
{
    QList<QUrl> urls;
    urls.reserve(count);
    for (int i = 0; i < count; ++i) {
        urls.append(QUrl::fromLocalFile(QStringLiteral("%1/%2/%3/IMG_%4.JPG")
                                            .arg(root, folder)
                                            .arg(i / 1000, 3, 10, QLatin1Char('0'))
                                            .arg(i, 6, 10, QLatin1Char('0'))));
    }
    return urls;
}

JobListView* jobsList(MainWindow& window)
{
    return window.findChild<JobListView*>(QStringLiteral("jobsList"));
}

// Lets the event loop run until the list has laid out all `rows` rows (its scroll range spans them
// all, so a layout done in batches counts only once finished) and painted since `paintsBefore`, and,
// with `ready`, painted again since it first held.
bool waitUntilShown(JobListView* list, const PaintClock& paints, int paintsBefore, int rows,
                    const std::function<bool()>& ready = {})
{
    const QDeadlineTimer deadline(std::chrono::seconds(120));
    bool wasReady = !ready;
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (list->model()->rowCount() != rows) {
            continue;
        }
        if (!wasReady) {
            if (!ready()) {
                continue;
            }
            wasReady = true;
            paintsBefore = std::max(paintsBefore, paints.paints());
        }
        if (paints.paints() <= paintsBefore) {
            continue;
        }
        const qint64 spanned = qint64(list->verticalScrollBar()->maximum()) + list->viewport()->height();
        if (spanned >= qint64(rows) * list->sizeHintForRow(rows - 1)) {
            return true;
        }
    }
    return false;
}

struct Window
{
    std::unique_ptr<AppViewModel> model;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<PaintClock> paints;

    JobListView* list() const { return jobsList(*window); }
};

Window openWindow(const QString& workDir, const QElapsedTimer& clock, AppViewModel::Optimizer optimizer = {},
                  const std::function<void(AppViewModel&)>& beforeWindow = {})
{
    Window w;
    auto store = std::make_shared<SettingsStore>(workDir + QStringLiteral("/settings.ini"));
    store->setApiKey(QStringLiteral("bench-key"));
    w.model = std::make_unique<AppViewModel>(store, std::move(optimizer));
    if (beforeWindow) {
        beforeWindow(*w.model);
    }
    w.window = std::make_unique<MainWindow>(w.model.get());
    w.window->resize(1100, 760);
    w.paints = std::make_unique<PaintClock>(w.list()->viewport(), clock);
    w.window->show();
    const QDeadlineTimer deadline(std::chrono::seconds(10));
    while (w.paints->paints() == 0 && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return w;
}

struct Change
{
    qint64 atNs;
    bool statusChanged;
    bool grew; // the row gained its saved files, so it is laid out taller
};

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("workdir"), QStringLiteral("Folder for settings and names."));
    const QCommandLineOption jobsOption(QStringLiteral("jobs"), QStringLiteral("Jobs in the queue."),
                                        QStringLiteral("n"), QStringLiteral("100000"));
    const QCommandLineOption repsOption(QStringLiteral("repetitions"), QStringLiteral("Timed repetitions."),
                                        QStringLiteral("n"), QStringLiteral("3"));
    const QCommandLineOption runOption(QStringLiteral("run-jobs"), QStringLiteral("Jobs run with the queue full."),
                                       QStringLiteral("n"), QStringLiteral("40"));
    const QCommandLineOption intakeOption(QStringLiteral("intake-images"),
                                          QStringLiteral("Images in the folder queued with its results."),
                                          QStringLiteral("n"), QStringLiteral("10000"));
    parser.addOptions({jobsOption, repsOption, runOption, intakeOption});
    parser.addHelpOption();
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        parser.showHelp(2);
    }
    const QString workDir = QDir(parser.positionalArguments().constFirst()).absolutePath();
    const int jobCount = parser.value(jobsOption).toInt();
    const int repetitions = std::max(1, parser.value(repsOption).toInt());
    const int runJobs = std::max(2, parser.value(runOption).toInt());
    const int intakeImages = std::max(1, parser.value(intakeOption).toInt());
    QTextStream err(stderr);
    QElapsedTimer clock;
    clock.start();

    // Adding and showing, with a fresh window each time.
    QList<double> showMs;
    QList<double> bytesPerJob;
    QList<double> residentPerJob;
    for (int r = 0; r < repetitions; ++r) {
        Window w = openWindow(workDir, clock);
        const qint64 heapBefore = Measure::heapInUseBytes();
        const qint64 residentBefore = Measure::residentBytes();
        {
            // The list goes before the memory is counted again: the jobs share its strings.
            const QList<QUrl> urls = makeUrls(workDir, QStringLiteral("queue"), jobCount);
            const int paintsBefore = w.paints->paints();
            QElapsedTimer timer;
            timer.start();
            w.model->addFiles(urls);
            if (!waitUntilShown(w.list(), *w.paints, paintsBefore, jobCount)) {
                err << "queue: the list did not show " << jobCount << " rows\n";
                return 1;
            }
            showMs.append(Measure::elapsedMs(timer));
        }
        bytesPerJob.append(double(Measure::heapInUseBytes() - heapBefore) / jobCount);
        residentPerJob.append(double(Measure::residentBytes() - residentBefore) / jobCount);
        err << "queue: shown in " << showMs.constLast() << " ms, " << bytesPerJob.constLast() << " heap bytes and "
            << residentPerJob.constLast() << " resident bytes per job\n";
        err.flush();
    }
    const double show = Measure::median(showMs);
    ReportRow{QStringLiteral("%1 jobs added and laid out in the window (median of %2)").arg(jobCount).arg(repetitions),
              ReportRow::ms(show),
              QStringLiteral("–"),
              QStringLiteral("–"),
              QStringLiteral("≤ 2000 ms"),
              show <= 2000}
        .print();
    const double perJob = Measure::median(bytesPerJob);
    ReportRow{QStringLiteral("Heap per job, window showing %1 jobs (median of %2)").arg(jobCount).arg(repetitions),
              QStringLiteral("%1 B").arg(qRound(perJob)),
              QStringLiteral("resident %1 B").arg(qRound(Measure::median(residentPerJob))),
              QStringLiteral("–"),
              QStringLiteral("≤ 1024 B"),
              perJob <= 1024}
        .print();

    // A run over a few jobs at the top of the list while the whole queue is present. The first job
    // waits at the gate until the queue is full and shown.
    Gate gate;
    QList<Change> changes;
    QHash<int, std::pair<int, bool>> lastSeen; // row -> (status, has files)
    bool recording = false;
    Window w = openWindow(workDir, clock, gate.optimizer(), [&](AppViewModel& model) {
        // Connected before the window's own connections, so the time is taken when the change starts.
        QObject::connect(model.jobModel(), &JobListModel::dataChanged, &gate,
                         [&](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                             const qint64 now = clock.nsecsElapsed();
                             if (!recording) {
                                 return;
                             }
                             for (int row = topLeft.row(); row <= bottomRight.row() && row < runJobs; ++row) {
                                 const QModelIndex index = topLeft.model()->index(row, 0);
                                 const int status = int(index.data(JobListModel::StatusRole).value<JobStatus>());
                                 const bool files =
                                     !index.data(JobListModel::DownloadsRole).value<QList<DownloadedFile>>().isEmpty();
                                 const auto [oldStatus, oldFiles] = lastSeen.value(row, {-1, false});
                                 changes.append({now, status != oldStatus, files && !oldFiles});
                                 lastSeen.insert(row, {status, files});
                             }
                         });
    });
    w.model->addFiles(makeUrls(workDir, QStringLiteral("run"), runJobs));
    for (int row = 0; row < runJobs; ++row) {
        lastSeen.insert(row, {int(w.model->jobs().at(row).status), false});
    }
    w.model->optimizeAll();
    {
        const QDeadlineTimer deadline(std::chrono::seconds(10));
        while (gate.calls() == 0 && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    }
    const int paintsBefore = w.paints->paints();
    w.model->addFiles(makeUrls(workDir, QStringLiteral("queue"), jobCount));
    if (!waitUntilShown(w.list(), *w.paints, paintsBefore, jobCount + runJobs)) {
        err << "queue: the list did not show the full queue\n";
        return 1;
    }
    recording = true;
    QElapsedTimer runTimer;
    runTimer.start();
    gate.open();
    {
        const QDeadlineTimer deadline(std::chrono::seconds(240));
        while (w.model->isProcessing() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        // The last change's paint, if it had not come yet.
        const QDeadlineTimer lastPaint(std::chrono::milliseconds(500));
        const int paintsAtEnd = w.paints->paints();
        while (w.paints->paints() == paintsAtEnd && !lastPaint.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    }
    const double runMs = Measure::elapsedMs(runTimer);
    recording = false;

    QList<double> statusMs;
    QList<double> sameHeightMs;
    QList<double> grewMs;
    for (const Change& change : std::as_const(changes)) {
        const qint64 painted = w.paints->firstPaintEndAfter(change.atNs);
        if (painted < 0 || !change.statusChanged) {
            continue;
        }
        const double latency = double(painted - change.atNs) / 1e6;
        statusMs.append(latency);
        (change.grew ? grewMs : sameHeightMs).append(latency);
    }
    err << "queue: run of " << runJobs << " jobs with the queue full took " << runMs << " ms; " << changes.size()
        << " row changes, " << statusMs.size() << " status changes; median " << Measure::median(sameHeightMs)
        << " ms without and " << Measure::median(grewMs) << " ms with a row growing\n";
    err.flush();
    const double status = Measure::median(statusMs);
    ReportRow{QStringLiteral("Status change to painted row, %1 rows present (median of %2)")
                  .arg(jobCount + runJobs)
                  .arg(statusMs.size()),
              ReportRow::ms(status),
              QStringLiteral("–"),
              QStringLiteral("–"),
              QStringLiteral("≤ 5 ms"),
              status <= 5}
        .print();
    const double grew = Measure::median(grewMs);
    ReportRow{QStringLiteral("  of which job done, row grows by its files (median of %1)").arg(grewMs.size()),
              ReportRow::ms(grew),
              QStringLiteral("–"),
              QStringLiteral("–"),
              QStringLiteral("≤ 5 ms"),
              grew <= 5}
        .print();
    // Everything a finished job costs the main thread, painting included: what is left for the user.
    ReportRow{
        QStringLiteral("Run over %1 rows: main thread per job, service answering at once").arg(jobCount + runJobs),
        ReportRow::ms(runMs / runJobs),
        QStringLiteral("–"),
        QStringLiteral("–"),
        QStringLiteral("reported"),
        std::nullopt}
        .print();

    // A folder whose images are all up to date, queued until every row is shown done, against the same
    // folder without results queued until every row is shown; fresh windows, taking turns, after one
    // of each has warmed the caches.
    const QString plainTree = MarkedTree::generate(workDir + QStringLiteral("/plain"), intakeImages, false);
    const QString doneTree = MarkedTree::generate(workDir + QStringLiteral("/done"), intakeImages, true);
    const auto intakeMs = [&](const QString& tree, bool results) {
        Window w = openWindow(workDir, clock);
        const QString done = UpToDateJobs::alreadyOptimized();
        const auto allDone = [&] {
            const QList<ImageJob>& jobs = w.model->jobs();
            return std::all_of(jobs.cbegin(), jobs.cend(), [&](const ImageJob& job) {
                return job.status == JobStatus::succeeded && job.message == done;
            });
        };
        const int paintsBefore = w.paints->paints();
        QElapsedTimer timer;
        timer.start();
        w.model->addFiles({AppViewModel::directoryUrl(tree)});
        if (!waitUntilShown(w.list(), *w.paints, paintsBefore, intakeImages,
                            results ? std::function<bool()>(allDone) : std::function<bool()>())) {
            err << "queue: the folder's " << intakeImages << " rows were not all shown" << (results ? " done\n" : "\n");
            err.flush();
            std::exit(1);
        }
        return Measure::elapsedMs(timer);
    };
    intakeMs(plainTree, false);
    intakeMs(doneTree, true);
    QList<double> plainMs;
    QList<double> doneMs;
    for (int r = 0; r < repetitions; ++r) {
        plainMs.append(intakeMs(plainTree, false));
        doneMs.append(intakeMs(doneTree, true));
    }
    const double plain = Measure::median(plainMs);
    const double done = Measure::median(doneMs);
    err << "queue: " << intakeImages << " up-to-date images shown done in " << done << " ms, without results shown in "
        << plain << " ms\n";
    ReportRow{QStringLiteral("Window intake of %1 optimized images (median of %2)").arg(intakeImages).arg(repetitions),
              ReportRow::ms(done),
              QStringLiteral("without results ") + ReportRow::ms(plain),
              ReportRow::times(done / plain),
              QStringLiteral("≤ 1.5×"),
              done / plain <= 1.5}
        .print();
    return 0;
}
