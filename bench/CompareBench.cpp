// The comparison of a 24-megapixel photo with its optimized JPEG, in the real window (offscreen): how
// long from asking for it to both pictures on screen, against a full decode of the photo alone; how long
// the main thread takes for one step of zoom or pan, painting included, once the full pictures are in;
// the longest stall of the main thread while the pictures load; the memory the comparison holds.
//
//   tovalin-bench-compare WORKDIR [--repetitions R] [--steps N]

#include "bench/Heartbeat.h"
#include "bench/Measure.h"
#include "bench/ReportRow.h"
#include "bench/StallSampler.h"
#include "bench/SyntheticImage.h"
#include "imaging/ImageDecoder.h"
#include "model/DownloadedFile.h"
#include "ui/CompareCanvas.h"
#include "ui/CompareWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTextStream>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr QSize photoSize(6000, 4000);

bool waitUntil(const std::function<bool()>& done, std::chrono::seconds limit = std::chrono::seconds(120))
{
    const QDeadlineTimer deadline(limit);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("workdir"), QStringLiteral("Folder for the pictures."));
    const QCommandLineOption repsOption(QStringLiteral("repetitions"), QStringLiteral("Timed openings."),
                                        QStringLiteral("n"), QStringLiteral("5"));
    const QCommandLineOption stepsOption(QStringLiteral("steps"), QStringLiteral("Zoom and pan steps of each kind."),
                                         QStringLiteral("n"), QStringLiteral("60"));
    parser.addOptions({repsOption, stepsOption});
    parser.addHelpOption();
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        parser.showHelp(2);
    }
    const QDir work(parser.positionalArguments().constFirst());
    const int repetitions = std::max(1, parser.value(repsOption).toInt());
    const int steps = std::max(4, parser.value(stepsOption).toInt());
    QTextStream err(stderr);

    // The camera's photo and the optimized JPEG made of it.
    const QString source = work.filePath(QStringLiteral("photo.jpg"));
    const QString optimized = work.filePath(QStringLiteral("photo-optimized.jpg"));
    {
        const QImage photo = SyntheticImage::photo(photoSize, 24);
        if (!photo.save(source, "JPEG", 92) || !photo.save(optimized, "JPEG", 72)) {
            err << "compare: could not write the pictures\n";
            return 1;
        }
    }
    err << "compare: " << QFileInfo(source).size() / 1000 << " kB photo, " << QFileInfo(optimized).size() / 1000
        << " kB optimized\n";
    const QList<DownloadedFile> results{
        DownloadedFile(OutputKind::optimized, QUrl::fromLocalFile(optimized), QFileInfo(optimized).size())};

    // The reference: the whole photo decoded, alone, on this thread.
    QList<double> decodeMs;
    for (int r = 0; r < 3; ++r) {
        QElapsedTimer timer;
        timer.start();
        const QList<QImage> levels = ImageDecoder::levels(source, QSize(1400, 900));
        decodeMs.append(Measure::elapsedMs(timer));
        if (levels.isEmpty() || levels.constFirst().size() != photoSize) {
            err << "compare: the photo did not decode\n";
            return 1;
        }
    }
    const double decode = Measure::median(decodeMs);

    QList<double> firstMs;
    QList<double> fullMs;
    QList<double> stallMs;
    double heldMiB = 0;
    std::unique_ptr<CompareWindow> window;
    for (int r = 0; r < repetitions; ++r) {
        window.reset();
        QCoreApplication::processEvents();
        const qint64 residentBefore = Measure::residentBytes();
        window = std::make_unique<CompareWindow>();
        window->resize(1400, 900);
        CompareCanvas* canvas = window->canvas();
        QElapsedTimer timer;
        double first = -1;
        QObject::connect(canvas, &CompareCanvas::picturesShown, canvas, [&] { first = Measure::elapsedMs(timer); });
        Heartbeat heartbeat;
        // TOVALIN_BENCH_STALLS=1 prints the main thread's stack during every stall longer than 30 ms.
        StallSampler sampler;
        const bool sampling = qEnvironmentVariableIntValue("TOVALIN_BENCH_STALLS") == 1;
        if (sampling) {
            QObject::connect(&heartbeat, &Heartbeat::ticked, &sampler, &StallSampler::beat);
            sampler.startWatching();
        }
        heartbeat.start();
        timer.start();
        window->setJob(QUrl::fromLocalFile(source), results);
        window->show();
        const auto fullIn = [canvas] {
            return canvas->pictureSize(CompareCanvas::Side::original) == photoSize &&
                   canvas->pictureSize(CompareCanvas::Side::result) == photoSize &&
                   !canvas->pictureShown(CompareCanvas::Side::result).isNull();
        };
        if (!waitUntil([&] { return first >= 0; })) {
            err << "compare: the pictures were never shown\n";
            return 1;
        }
        // The full pictures: at 100 % both sides paint from them.
        if (!waitUntil([&] {
                canvas->setZoom(1);
                return fullIn() && canvas->pictureShown(CompareCanvas::Side::original).width() == photoSize.width() &&
                       canvas->pictureShown(CompareCanvas::Side::result).width() == photoSize.width();
            })) {
            err << "compare: the full pictures never came\n";
            return 1;
        }
        fullMs.append(Measure::elapsedMs(timer));
        heartbeat.stop();
        if (sampling) {
            sampler.stopWatching();
            sampler.printStacks();
        }
        stallMs.append(heartbeat.longestGapMs());
        firstMs.append(first);
        canvas->zoomToFit();
        if (!waitUntil([&] { return window->isMeasured(); })) {
            err << "compare: the similarity was never measured\n";
            return 1;
        }
        heldMiB = double(Measure::residentBytes() - residentBefore) / (1024.0 * 1024.0);
        err << "compare: first picture " << first << " ms, full pictures " << fullMs.constLast()
            << " ms, longest stall " << stallMs.constLast() << " ms, " << window->similarityText() << ", " << heldMiB
            << " MiB held\n";
        err.flush();
    }

    // Steps, each an event handled and the canvas painted at once, as the next frame would paint it.
    CompareCanvas* canvas = window->canvas();
    QRandomGenerator random(5);
    QList<double> stepMs;
    const auto timed = [&](const std::function<void()>& step) {
        QElapsedTimer timer;
        timer.start();
        step();
        canvas->repaint();
        stepMs.append(Measure::elapsedMs(timer));
    };
    for (const CompareCanvas::Mode mode : {CompareCanvas::Mode::split, CompareCanvas::Mode::sideBySide}) {
        canvas->setMode(mode);
        canvas->zoomToFit();
        // The wheel, in and out over the whole range, about points all over the canvas.
        for (int i = 0; i < steps; ++i) {
            const QPointF at(random.bounded(canvas->width()), random.bounded(canvas->height()));
            const int notches = (i / 12) % 2 == 0 ? 120 : -120;
            timed([&] {
                QWheelEvent wheel(at, canvas->mapToGlobal(at), {}, QPoint(0, notches), Qt::NoButton, {},
                                  Qt::NoScrollPhase, false);
                QApplication::sendEvent(canvas, &wheel);
            });
        }
        // Panning at 100 % and at 200 %, and a zoom that lands between the pictures' own sizes.
        for (const double zoom : {1.0, 2.0, 0.37}) {
            canvas->setZoom(zoom);
            for (int i = 0; i < steps / 3; ++i) {
                timed([&] { canvas->panBy(QPointF(random.bounded(81) - 40, random.bounded(61) - 30)); });
            }
        }
    }
    std::sort(stepMs.begin(), stepMs.end());
    const double longestStep = stepMs.constLast();
    const double medianStep = Measure::median(stepMs);
    const double nearlyLongest = stepMs.at(qsizetype(double(stepMs.size() - 1) * 0.99));
    err << "compare: " << stepMs.size() << " steps, median " << medianStep << " ms, 99th " << nearlyLongest
        << " ms, longest " << longestStep << " ms\n";

    const double first = Measure::median(firstMs);
    ReportRow{QStringLiteral("Compare view open, 24-megapixel JPEG and its output: first picture on screen "
                             "(median of %1)")
                  .arg(repetitions),
              ReportRow::ms(first),
              QStringLiteral("full decode %1").arg(ReportRow::ms(decode)),
              ReportRow::times(first / decode),
              QStringLiteral("≤ 300 ms"),
              first <= 300}
        .print();
    ReportRow{QStringLiteral("  both full pictures in (median of %1)").arg(repetitions),
              ReportRow::ms(Measure::median(fullMs)),
              QStringLiteral("–"),
              QStringLiteral("–"),
              QStringLiteral("reported"),
              std::nullopt}
        .print();
    ReportRow{QStringLiteral("  zoom or pan step on the main thread, painting included (longest of %1; median %2)")
                  .arg(stepMs.size())
                  .arg(ReportRow::ms(medianStep)),
              ReportRow::ms(longestStep),
              QStringLiteral("–"),
              QStringLiteral("–"),
              QStringLiteral("≤ 16 ms"),
              longestStep <= 16}
        .print();
    ReportRow{QStringLiteral("  longest main-thread stall while the pictures load (median of %1)").arg(repetitions),
              ReportRow::ms(Measure::median(stallMs)),
              QStringLiteral("–"),
              QStringLiteral("–"),
              QStringLiteral("reported"),
              std::nullopt}
        .print();
    ReportRow{QStringLiteral("  memory held by the open comparison"),
              QStringLiteral("%1 MiB").arg(qRound(heldMiB)),
              QStringLiteral("2 × 24 MP × 4 B = 183 MiB"),
              ReportRow::times(heldMiB / 183.1),
              QStringLiteral("reported"),
              std::nullopt}
        .print();
    return 0;
}
