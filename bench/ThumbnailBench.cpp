// The queue's thumbnails at scale in the real window (offscreen): 100,000 jobs whose sources are real
// 12-megapixel JPEGs (hard links to a few photos, so the disk holds a few), the list scrolled from top to
// bottom, first a page a frame as a wheel scrolls, then in long strides as a dragged scroll bar does,
// a frame every 16 ms. Measured: the main thread's longest stall meanwhile, the thumbnails made against
// the pages passed, the memory they hold against their budget, and how soon the rows on screen have
// theirs once the scrolling stops.
//
//   tovalin-bench-thumbnails WORKDIR [--jobs N] [--photos P]

#include "bench/Heartbeat.h"
#include "bench/Measure.h"
#include "bench/ReportRow.h"
#include "bench/StallSampler.h"
#include "bench/SyntheticImage.h"
#include "imaging/ThumbnailCache.h"
#include "model/SettingsStore.h"
#include "queue/AppViewModel.h"
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
#include <unistd.h>

namespace {

// Lets the event loop run for one frame.
void frame()
{
    const QDeadlineTimer deadline(std::chrono::milliseconds(16));
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, int(std::max<qint64>(1, deadline.remainingTime())));
    }
}

bool allShown(JobListView* list)
{
    const QStringList shown = list->visibleSources();
    return !shown.isEmpty() && std::all_of(shown.cbegin(), shown.cend(), [list](const QString& path) {
        return !list->thumbnails()->find(path).isNull();
    });
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("workdir"), QStringLiteral("Folder for the photos and the tree."));
    const QCommandLineOption jobsOption(QStringLiteral("jobs"), QStringLiteral("Jobs in the queue."),
                                        QStringLiteral("n"), QStringLiteral("100000"));
    const QCommandLineOption photosOption(QStringLiteral("photos"), QStringLiteral("Distinct photos linked to."),
                                          QStringLiteral("n"), QStringLiteral("8"));
    parser.addOptions({jobsOption, photosOption});
    parser.addHelpOption();
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        parser.showHelp(2);
    }
    const QDir work(parser.positionalArguments().constFirst());
    const int jobCount = std::max(100, parser.value(jobsOption).toInt());
    const int photoCount = std::max(1, parser.value(photosOption).toInt());
    QTextStream err(stderr);

    QStringList photos;
    for (int i = 0; i < photoCount; ++i) {
        const QString path = work.filePath(QStringLiteral("photo-%1.jpg").arg(i));
        if (!SyntheticImage::photo(QSize(4000, 3000), quint32(i)).save(path, "JPEG", 90)) {
            err << "thumbnails: could not write " << path << "\n";
            return 1;
        }
        photos.append(path);
    }
    QList<QUrl> urls;
    urls.reserve(jobCount);
    for (int i = 0; i < jobCount; ++i) {
        const QString folder = work.filePath(QStringLiteral("tree/%1").arg(i / 1000, 3, 10, QLatin1Char('0')));
        if (i % 1000 == 0) {
            QDir().mkpath(folder);
        }
        const QString path = QStringLiteral("%1/IMG_%2.JPG").arg(folder).arg(i, 6, 10, QLatin1Char('0'));
        if (::link(QFile::encodeName(photos.at(i % photoCount)).constData(), QFile::encodeName(path).constData()) !=
            0) {
            err << "thumbnails: could not link " << path << "\n";
            return 1;
        }
        urls.append(QUrl::fromLocalFile(path));
    }

    auto store = std::make_shared<SettingsStore>(work.filePath(QStringLiteral("settings.ini")));
    AppViewModel model(store, {});
    MainWindow window(&model);
    window.resize(1180, 760);
    window.show();
    auto* list = window.findChild<JobListView*>(QStringLiteral("jobsList"));
    model.addFiles(urls);
    {
        const QDeadlineTimer deadline(std::chrono::seconds(60));
        while (list->verticalScrollBar()->maximum() < (jobCount - 20) * 50 && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    }
    QScrollBar* bar = list->verticalScrollBar();
    const int page = list->viewport()->height();

    // One pass over the whole queue: a wheel, a page a frame, for the first 300 pages; then a dragged
    // bar, to the end in 1,000 frames. Returns the main thread's longest stall.
    struct Pass
    {
        double stallMs = 0;
        double scrolledMs = 0;
        int frames = 0;
        qint64 largestBytes = 0;
        // Gaps between heartbeats longer than a frame.
        int longGaps = 0;
    };
    const auto scroll = [&](ThumbnailCache* cache) {
        Pass pass;
        bar->setValue(0);
        frame();
        Heartbeat heartbeat(std::chrono::milliseconds(2));
        // TOVALIN_BENCH_STALLS=1 prints the main thread's stack during every stall longer than 30 ms.
        StallSampler sampler;
        const bool sampling = qEnvironmentVariableIntValue("TOVALIN_BENCH_STALLS") == 1;
        if (sampling) {
            QObject::connect(&heartbeat, &Heartbeat::ticked, &sampler, &StallSampler::beat);
            sampler.startWatching();
        }
        QElapsedTimer clock;
        qint64 lastBeatNs = 0;
        QObject::connect(&heartbeat, &Heartbeat::ticked, &heartbeat, [&] {
            const qint64 now = clock.nsecsElapsed();
            pass.longGaps += now - lastBeatNs > 16'000'000 ? 1 : 0;
            lastBeatNs = now;
        });
        clock.start();
        heartbeat.start();
        const auto step = [&](int value) {
            bar->setValue(value);
            frame();
            pass.largestBytes = std::max(pass.largestBytes, cache->bytes());
            ++pass.frames;
        };
        const int wheelEnd = std::min(bar->maximum(), 300 * page);
        for (int value = 0; value < wheelEnd; value += page) {
            step(value);
        }
        const int stride = std::max(page, (bar->maximum() - wheelEnd) / 1000);
        for (int value = wheelEnd; value < bar->maximum(); value += stride) {
            step(value);
        }
        step(bar->maximum());
        heartbeat.stop();
        if (sampling) {
            sampler.stopWatching();
            sampler.printStacks();
        }
        pass.stallMs = heartbeat.longestGapMs();
        pass.scrolledMs = Measure::elapsedMs(clock);
        return pass;
    };

    // The reference: the same pass with thumbnails that are never made, all else alike.
    const int pixels = list->thumbnails()->pixels();
    list->setThumbnails(new ThumbnailCache(pixels, [](const QString&, int) { return QImage(); }));
    const Pass bare = scroll(list->thumbnails());
    err << "thumbnails: without thumbnails, longest stall " << bare.stallMs << " ms, " << bare.longGaps
        << " stalls over 16 ms\n";

    list->setThumbnails(new ThumbnailCache(pixels));
    ThumbnailCache* cache = list->thumbnails();
    const qint64 residentBefore = Measure::residentBytes();
    const Pass pass = scroll(cache);
    const int frames = pass.frames;
    const qint64 largestBytes = pass.largestBytes;
    const double scrolledMs = pass.scrolledMs;
    const double stall = pass.stallMs;
    QElapsedTimer settle;
    settle.start();
    {
        const QDeadlineTimer deadline(std::chrono::seconds(30));
        while (!allShown(list) && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    }
    const double settleMs = Measure::elapsedMs(settle);
    const double residentMiB = double(Measure::residentBytes() - residentBefore) / (1024.0 * 1024.0);
    err << "thumbnails: " << frames << " frames in " << scrolledMs << " ms, longest stall " << stall << " ms, "
        << cache->made() << " thumbnails made, " << cache->count() << " kept in " << cache->bytes()
        << " bytes (at most " << largestBytes << "), the last screen's in " << settleMs << " ms, resident +"
        << residentMiB << " MiB\n";
    err.flush();

    ReportRow{QStringLiteral("Thumbnails, %1 jobs: longest main-thread stall scrolling the whole queue (%2 frames)")
                  .arg(jobCount)
                  .arg(frames),
              ReportRow::ms(stall),
              QStringLiteral("no thumbnails %1").arg(ReportRow::ms(bare.stallMs)),
              ReportRow::times(stall / bare.stallMs),
              QStringLiteral("≤ 16 ms"),
              stall <= 16}
        .print();
    ReportRow{QStringLiteral("  stalls longer than 16 ms in that pass"),
              QString::number(pass.longGaps),
              QStringLiteral("no thumbnails %1").arg(bare.longGaps),
              QStringLiteral("–"),
              QStringLiteral("reported"),
              std::nullopt}
        .print();
    ReportRow{QStringLiteral("  thumbnail memory at most, against its budget"),
              QStringLiteral("%1 MiB").arg(double(largestBytes) / (1024.0 * 1024.0), 0, 'f', 1),
              QStringLiteral("budget %1 MiB").arg(double(cache->budgetBytes()) / (1024.0 * 1024.0), 0, 'f', 0),
              ReportRow::times(double(largestBytes) / double(cache->budgetBytes())),
              QStringLiteral("≤ 1.00×"),
              largestBytes <= cache->budgetBytes()}
        .print();
    ReportRow{QStringLiteral("  thumbnails made while scrolling, of %1 jobs").arg(jobCount),
              QString::number(cache->made()),
              QStringLiteral("%1 frames").arg(frames),
              QStringLiteral("–"),
              QStringLiteral("reported"),
              std::nullopt}
        .print();
    ReportRow{QStringLiteral("  the last screen's thumbnails once the scrolling stops"),
              ReportRow::ms(settleMs),
              QStringLiteral("–"),
              QStringLiteral("–"),
              QStringLiteral("reported"),
              std::nullopt}
        .print();
    return 0;
}
