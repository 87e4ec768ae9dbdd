// One very large image through the real road: the window's run, the service client and the local
// service in passthrough mode. Measures the resident memory the optimization adds at its peak over the
// idle program, as a multiple of the file's size, and the longest stall of a 5 ms timer on the main
// thread meanwhile; then the peak with eight such images in flight at once.
//
//   tovalin-bench-run --url https://localhost:PORT --ca CA.pem --api-key KEY WORKDIR

#include "bench/Heartbeat.h"
#include "bench/Measure.h"
#include "bench/ReportRow.h"
#include "bench/ServiceOptions.h"
#include "bench/StallSampler.h"
#include "bench/SyntheticImage.h"
#include "client/TovalinClient.h"
#include "model/SettingsStore.h"
#include "queue/AppViewModel.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QSslCertificate>
#include <QTextStream>

#include <algorithm>
#include <malloc.h>
#include <memory>

namespace {

// Lets the event loop run until the model's run has ended; false when it did not within the time.
bool runToEnd(AppViewModel& model, std::chrono::seconds limit)
{
    model.optimizeAll();
    const QDeadlineTimer deadline(limit);
    while (model.isProcessing() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QCoreApplication::processEvents();
    return !model.isProcessing();
}

void settle()
{
    for (int i = 0; i < 10; ++i) {
        QCoreApplication::processEvents();
    }
    // What the allocator keeps for later is not the idle program's: give it back before measuring.
    malloc_trim(0);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("workdir"), QStringLiteral("Folder for the image and results."));
    const ServiceOptions service(parser);
    const QCommandLineOption mbOption(QStringLiteral("mib"), QStringLiteral("Size of the image in MiB."),
                                      QStringLiteral("n"), QStringLiteral("200"));
    const QCommandLineOption repsOption(QStringLiteral("repetitions"), QStringLiteral("Runs of the image."),
                                        QStringLiteral("n"), QStringLiteral("3"));
    parser.addOptions({mbOption, repsOption});
    parser.addHelpOption();
    parser.process(app);
    if (parser.positionalArguments().size() != 1 || !service.isComplete(parser)) {
        parser.showHelp(2);
    }
    const QString workDir = QDir(parser.positionalArguments().constFirst()).absolutePath();
    const int repetitions = std::max(1, parser.value(repsOption).toInt());
    const qint64 bytes = parser.value(mbOption).toLongLong() * 1024 * 1024;
    QTextStream err(stderr);

    const TovalinClient client = service.client(parser);
    const AppViewModel::Optimizer optimizer = JobPipeline::optimizer(client.host());
    auto store = std::make_shared<SettingsStore>(workDir + QStringLiteral("/settings.ini"));
    store->setApiKey(service.apiKey(parser));
    AppViewModel model(store, optimizer);
    MainWindow window(&model);
    window.show();

    const QString small = workDir + QStringLiteral("/warmup.jpg");
    const QString large = workDir + QStringLiteral("/large.jpg");
    if (!SyntheticImage::writeJpeg(small, 50 * 1024, 7) || !SyntheticImage::writeJpeg(large, bytes, 8)) {
        qFatal("cannot write the images");
    }
    // Everything the program loads for its first job (TLS, codecs of the window, the connection) is
    // part of the idle program.
    model.addFiles({QUrl::fromLocalFile(small)});
    if (!runToEnd(model, std::chrono::seconds(60)) || model.jobs().constFirst().status != JobStatus::succeeded) {
        qFatal("the warm-up job did not succeed: %s", qPrintable(model.jobs().constFirst().message));
    }
    model.clearQueueExceptRunning();

    QList<double> ratios;
    QList<double> gaps;
    for (int r = 0; r < repetitions; ++r) {
        settle();
        const qint64 idle = Measure::residentBytes();
        if (!Measure::resetPeakResident()) {
            qFatal("the kernel does not let the peak resident size be reset");
        }
        model.addFiles({QUrl::fromLocalFile(large)});
        Heartbeat heartbeat;
        StallSampler sampler;
        const bool sampling = qEnvironmentVariableIntValue("TOVALIN_BENCH_STALLS") == 1;
        if (sampling) {
            QObject::connect(&heartbeat, &Heartbeat::ticked, &sampler, &StallSampler::beat);
            sampler.startWatching();
        }
        heartbeat.start();
        const bool ended = runToEnd(model, std::chrono::seconds(300));
        heartbeat.stop();
        if (sampling) {
            sampler.stopWatching();
            sampler.printStacks();
        }
        const qint64 peak = Measure::peakResidentBytes();
        const ImageJob& job = model.jobs().constFirst();
        if (!ended || job.status != JobStatus::succeeded) {
            qFatal("the large job did not succeed: %s", qPrintable(job.message));
        }
        if (QFileInfo(job.downloads.constFirst().path.toLocalFile()).size() != bytes) {
            qFatal("the saved result does not have the size of the source");
        }
        ratios.append(double(peak - idle) / double(bytes));
        gaps.append(heartbeat.longestGapMs());
        err << "run: idle " << (idle >> 20) << " MiB, peak " << (peak >> 20) << " MiB, " << ratios.constLast()
            << " × the file; longest stall " << gaps.constLast() << " ms over " << heartbeat.ticks() << " ticks\n";
        err.flush();
        model.clearQueueExceptRunning();
    }
    const double ratio = Measure::median(ratios);
    ReportRow{
        QStringLiteral("Peak memory above idle, one %1 MiB image (median of %2)").arg(bytes >> 20).arg(repetitions),
        QStringLiteral("%1 MiB").arg(ratio * double(bytes >> 20), 0, 'f', 1),
        QStringLiteral("file %1 MiB").arg(bytes >> 20),
        ReportRow::times(ratio),
        QStringLiteral("≤ 0.3×"),
        ratio <= 0.3}
        .print();
    // Eight such images with the service at once: each transfer streams, so the peak stays that of a
    // few buffers per image, whatever the file's size.
    {
        model.setImagesAtOnce(SettingsStore::maxImagesAtOnce);
        QList<QUrl> files;
        for (int i = 0; i < SettingsStore::maxImagesAtOnce; ++i) {
            const QString path = workDir + QStringLiteral("/parallel/%1.jpg").arg(i);
            if (!QDir().mkpath(QFileInfo(path).absolutePath()) ||
                !SyntheticImage::writeJpeg(path, bytes, quint32(100 + i))) {
                qFatal("cannot write the images");
            }
            files.append(QUrl::fromLocalFile(path));
        }
        settle();
        const qint64 idle = Measure::residentBytes();
        if (!Measure::resetPeakResident()) {
            qFatal("the kernel does not let the peak resident size be reset");
        }
        model.addFiles(files);
        const bool ended = runToEnd(model, std::chrono::seconds(900));
        const qint64 peak = Measure::peakResidentBytes();
        const bool allDone = std::all_of(model.jobs().cbegin(), model.jobs().cend(),
                                         [](const ImageJob& job) { return job.outcome == JobOutcome::optimized; });
        if (!ended || !allDone) {
            qFatal("the parallel run did not succeed");
        }
        const double aboveIdleMiB = double(peak - idle) / double(1 << 20);
        err << "run: " << files.size() << " at once, idle " << (idle >> 20) << " MiB, peak " << (peak >> 20)
            << " MiB\n";
        err.flush();
        ReportRow{QStringLiteral("Peak memory, %1 × %2 MiB in flight").arg(files.size()).arg(bytes >> 20),
                  QStringLiteral("%1 MiB").arg(aboveIdleMiB, 0, 'f', 1),
                  QStringLiteral("file %1 MiB").arg(bytes >> 20),
                  ReportRow::times(aboveIdleMiB / double(bytes >> 20)),
                  QStringLiteral("≤ 64 MiB"),
                  aboveIdleMiB <= 64}
            .print();
        model.clearQueueExceptRunning();
        QDir(workDir + QStringLiteral("/parallel")).removeRecursively();
    }

    const double gap = Measure::median(gaps);
    ReportRow{QStringLiteral("Longest UI stall during the %1 MiB run (median of %2)").arg(bytes >> 20).arg(repetitions),
              ReportRow::ms(gap),
              QStringLiteral("–"),
              QStringLiteral("–"),
              QStringLiteral("≤ 50 ms"),
              gap <= 50}
        .print();
    return 0;
}
