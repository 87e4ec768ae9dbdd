// A nightly rerun over a tree where nothing changed: tovalin-optimize over 10,000 images whose results
// all stand beside them, marked as a run with the default settings marks them, against find(1) telling
// the size and modification time of every file of the same tree. Every image must come out skipped, so
// no request is sent.
//
//   tovalin-bench-rerun --optimize PATH --url https://localhost:PORT --ca CA.pem --api-key KEY WORKDIR

#include "bench/MarkedTree.h"
#include "bench/Measure.h"
#include "bench/ReportRow.h"
#include "bench/ServiceOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>

#include <sys/resource.h>

namespace {

// The time a command took, and its own processor time (user and system) as the kernel counts it for
// a child that has been waited for: on a machine others are using, the second says more.
struct Timing
{
    double ms = 0;
    double cpuMs = 0;
};

double childrenCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

Timing timed(const QString& program, const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess process;
    if (output == nullptr) {
        process.setStandardOutputFile(QProcess::nullDevice());
    }
    const double cpuBefore = childrenCpuMs();
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    process.waitForFinished(-1);
    const Timing timing{Measure::elapsedMs(timer), childrenCpuMs() - cpuBefore};
    if (output != nullptr) {
        *output = process.readAllStandardOutput();
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qFatal("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    }
    return timing;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("workdir"), QStringLiteral("Folder for the tree."));
    const ServiceOptions service(parser);
    const QCommandLineOption optimizeOption(QStringLiteral("optimize"), QStringLiteral("The tovalin-optimize binary."),
                                            QStringLiteral("path"));
    const QCommandLineOption imagesOption(QStringLiteral("images"), QStringLiteral("Images in the tree."),
                                          QStringLiteral("n"), QStringLiteral("10000"));
    const QCommandLineOption repsOption(QStringLiteral("repetitions"), QStringLiteral("Runs of each."),
                                        QStringLiteral("n"), QStringLiteral("5"));
    parser.addOptions({optimizeOption, imagesOption, repsOption});
    parser.addHelpOption();
    parser.process(app);
    if (parser.positionalArguments().size() != 1 || !service.isComplete(parser) || !parser.isSet(optimizeOption)) {
        parser.showHelp(2);
    }
    const QString root = QDir(parser.positionalArguments().constFirst()).absolutePath();
    const int images = std::max(1, parser.value(imagesOption).toInt());
    const int repetitions = std::max(1, parser.value(repsOption).toInt());
    QTextStream err(stderr);

    const QString tree = MarkedTree::generate(root, images, true);
    qputenv("TOVALIN_API_KEY", service.apiKey(parser).toUtf8());
    const QStringList rerun{QStringLiteral("--service-url"),
                            service.url(parser),
                            QStringLiteral("--ca-file"),
                            service.caFile(parser),
                            QStringLiteral("--quiet"),
                            QStringLiteral("--json"),
                            tree};
    // find(1) telling every file's size and modification time: a stat of each file, as the rerun must
    // make of each image.
    const QStringList find{tree, QStringLiteral("-type"), QStringLiteral("f"), QStringLiteral("-printf"),
                           QStringLiteral("%s %T@\n")};

    // The first of each warms the caches; then they take turns.
    QByteArray outcome;
    timed(parser.value(optimizeOption), rerun, &outcome);
    const qsizetype skipped = outcome.count("\"state\":\"skipped\"");
    if (skipped != images || outcome.count('\n') != images) {
        qFatal("the rerun did not skip every image: %lld of %d", qint64(skipped), images);
    }
    timed(QStringLiteral("find"), find);
    QList<double> rerunMs;
    QList<double> rerunCpuMs;
    QList<double> findMs;
    QList<double> findCpuMs;
    for (int r = 0; r < repetitions; ++r) {
        const Timing rerunTiming = timed(parser.value(optimizeOption), rerun);
        const Timing findTiming = timed(QStringLiteral("find"), find);
        rerunMs.append(rerunTiming.ms);
        rerunCpuMs.append(rerunTiming.cpuMs);
        findMs.append(findTiming.ms);
        findCpuMs.append(findTiming.cpuMs);
    }
    const double measured = Measure::median(rerunMs);
    const double reference = Measure::median(findMs);
    const double measuredCpu = Measure::median(rerunCpuMs);
    const double referenceCpu = Measure::median(findCpuMs);
    err << "rerun: " << images << " images skipped; " << measured << " ms (processor " << measuredCpu
        << " ms) against find " << reference << " ms (processor " << referenceCpu << " ms)\n";
    ReportRow{
        QStringLiteral("Rerun, %1 up-to-date images (median of %2)").arg(images).arg(repetitions),
        QStringLiteral("%1 ms (processor %2 ms), 0 sent").arg(measured, 0, 'f', 0).arg(measuredCpu, 0, 'f', 0),
        QStringLiteral("find -printf %1 ms (processor %2 ms)").arg(reference, 0, 'f', 0).arg(referenceCpu, 0, 'f', 0),
        ReportRow::times(measured / reference),
        QStringLiteral("≤ 2.0×"),
        measured / reference <= 2.0}
        .print();
    return 0;
}
