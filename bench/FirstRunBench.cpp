// A first run over a large tree: tovalin-optimize with 16 images at once over a tree of small images
// that has never been optimized, against the local service in passthrough mode, once over 1,000 images
// and once over 100,000. What must hold is that the command's own work per image does not grow with
// the tree: the images per second and the processor time per image over the large tree are set
// against the same figures over the small one. The processor time is that of tovalin-optimize alone,
// as the kernel counts it for the child (user and system), so the service's work is not in it.
//
//   tovalin-bench-firstrun --optimize PATH --url https://localhost:PORT --ca CA.pem --api-key KEY WORKDIR
//
// The service must keep 100,000 results for the whole run: scripts/bench starts one of its own with a
// store and a lifetime large enough.

#include "bench/Measure.h"
#include "bench/ReportRow.h"
#include "bench/ServiceOptions.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTextStream>

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct Outcome
{
    double seconds = 0;
    double cpuSeconds = 0;
    qsizetype done = 0;
};

// A real JPEG of a few hundred bytes, so that the figures show the command's work per image rather than
// the transfer of its bytes.
QByteArray smallJpeg()
{
    QRandomGenerator random(7);
    QImage image(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, random.generate() | 0xFF000000U);
        }
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPEG", 80)) {
        qFatal("cannot encode the image");
    }
    return jpeg;
}

// `count` images, ten to a folder in four levels of folders (the rerun benchmark's shape); each file
// differs from the others by the bytes after its end marker.
void generateTree(const QString& root, int count)
{
    const QByteArray jpeg = smallJpeg();
    for (int i = 0; i < count; ++i) {
        const QString folder = QStringLiteral("%1/d%2/d%3/d%4/photos%5")
                                   .arg(root)
                                   .arg(i / 10000 % 10)
                                   .arg(i / 1000 % 10)
                                   .arg(i / 100 % 10)
                                   .arg(i / 10 % 10);
        if (i % 10 == 0 && !QDir().mkpath(folder)) {
            qFatal("cannot make the tree");
        }
        QFile file(QStringLiteral("%1/IMG_%2.jpg").arg(folder).arg(i, 6, 10, QLatin1Char('0')));
        const QByteArray content = jpeg + QByteArray::number(i);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
            qFatal("cannot write the tree");
        }
    }
}

// Runs the command with its output in `outputFile` and waits for it; its own processor time comes from
// wait4(), which reports the child's usage alone.
Outcome runCommand(const QString& program, const QStringList& arguments, const QString& outputFile)
{
    QList<QByteArray> storage{QFile::encodeName(program)};
    for (const QString& argument : arguments) {
        storage.append(argument.toUtf8());
    }
    QList<char*> argv;
    for (QByteArray& argument : storage) {
        argv.append(argument.data());
    }
    argv.append(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray output = QFile::encodeName(outputFile);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv.first(), &actions, nullptr, argv.data(), environ) != 0) {
        qFatal("cannot start %s", qPrintable(program));
    }
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0) {
        if (errno != EINTR) {
            qFatal("cannot wait for %s", qPrintable(program));
        }
    }
    Outcome outcome;
    outcome.seconds = Measure::elapsedMs(clock) / 1000.0;
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    outcome.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        qFatal("%s failed with status %d", qPrintable(program), status);
    }
    QFile lines(outputFile);
    if (!lines.open(QIODevice::ReadOnly)) {
        qFatal("no output");
    }
    outcome.done = lines.readAll().count("\"state\":\"done\"");
    return outcome;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("workdir"), QStringLiteral("Folder for the trees."));
    const ServiceOptions service(parser);
    const QCommandLineOption optimizeOption(QStringLiteral("optimize"), QStringLiteral("The tovalin-optimize binary."),
                                            QStringLiteral("path"));
    const QCommandLineOption smallOption(QStringLiteral("small"), QStringLiteral("Images in the small tree."),
                                         QStringLiteral("n"), QStringLiteral("1000"));
    const QCommandLineOption largeOption(QStringLiteral("large"), QStringLiteral("Images in the large tree."),
                                         QStringLiteral("n"), QStringLiteral("100000"));
    const QCommandLineOption jobsOption(QStringLiteral("jobs"), QStringLiteral("Images at once."), QStringLiteral("n"),
                                        QStringLiteral("16"));
    const QCommandLineOption repsOption(QStringLiteral("repetitions"),
                                        QStringLiteral("Runs over the small tree before the large one, and as "
                                                       "many after it (the large one runs once)."),
                                        QStringLiteral("n"), QStringLiteral("2"));
    parser.addOptions({optimizeOption, smallOption, largeOption, jobsOption, repsOption});
    parser.addHelpOption();
    parser.process(app);
    if (parser.positionalArguments().size() != 1 || !service.isComplete(parser) || !parser.isSet(optimizeOption)) {
        parser.showHelp(2);
    }
    const QString workDir = QDir(parser.positionalArguments().constFirst()).absolutePath();
    const int small = std::max(1, parser.value(smallOption).toInt());
    const int large = std::max(small, parser.value(largeOption).toInt());
    const QString jobs = QString::number(std::clamp(parser.value(jobsOption).toInt(), 1, 16));
    const int repetitions = std::max(1, parser.value(repsOption).toInt());
    QTextStream err(stderr);
    qputenv("TOVALIN_API_KEY", service.apiKey(parser).toUtf8());

    // A fresh tree for every run, since a first run finds no results beside its images. The large
    // tree is left in WORKDIR for the caller to remove: its 300,000 files (images and results) took
    // minutes to unlink on this machine's busy disk, time that belongs to no figure.
    const auto removeTree = [](const QString& tree) {
        std::error_code error;
        std::filesystem::remove_all(QFile::encodeName(tree).toStdString(), error);
        if (error) {
            qFatal("cannot remove the tree: %s", error.message().c_str());
        }
    };
    const auto firstRun = [&](int images, const QString& tree) {
        removeTree(tree);
        generateTree(tree, images);
        const Outcome outcome = runCommand(
            parser.value(optimizeOption),
            {QStringLiteral("--service-url"), service.url(parser), QStringLiteral("--ca-file"), service.caFile(parser),
             QStringLiteral("--jobs"), jobs, QStringLiteral("--quiet"), QStringLiteral("--json"), tree},
            workDir + QStringLiteral("/outcome.jsonl"));
        if (outcome.done != images) {
            qFatal("the first run optimized %lld of %d images", qint64(outcome.done), images);
        }
        err << "first run: " << images << " images in " << outcome.seconds << " s, " << outcome.cpuSeconds
            << " s of processor time\n";
        err.flush();
        return outcome;
    };

    // The middle of the small runs, for each figure on its own; as many after the large run as before
    // it, so that a machine shared with others, busier or idler meanwhile, moves the reference too.
    QList<double> smallSeconds;
    QList<double> smallCpuSeconds;
    const auto referenceRuns = [&] {
        for (int r = 0; r < repetitions; ++r) {
            const QString tree = workDir + QStringLiteral("/small");
            const Outcome outcome = firstRun(small, tree);
            removeTree(tree);
            smallSeconds.append(outcome.seconds);
            smallCpuSeconds.append(outcome.cpuSeconds);
        }
    };
    referenceRuns();
    const Outcome measured = firstRun(large, workDir + QStringLiteral("/large"));
    referenceRuns();

    const double referenceRate = small / Measure::median(smallSeconds);
    const double measuredRate = large / measured.seconds;
    const double referenceCpuMs = Measure::median(smallCpuSeconds) * 1000.0 / small;
    const double measuredCpuMs = measured.cpuSeconds * 1000.0 / large;
    const QString figure = QStringLiteral("First run, %1 images, %2 at once: ").arg(large).arg(jobs);
    ReportRow{figure + QStringLiteral("images per second"),
              QStringLiteral("%1 images/s (%2 s)").arg(measuredRate, 0, 'f', 0).arg(measured.seconds, 0, 'f', 0),
              QStringLiteral("%1 images: %2 images/s (median of %3)")
                  .arg(small)
                  .arg(referenceRate, 0, 'f', 0)
                  .arg(smallSeconds.size()),
              ReportRow::times(measuredRate / referenceRate),
              QStringLiteral("≥ 0.8×"),
              measuredRate / referenceRate >= 0.8}
        .print();
    ReportRow{figure + QStringLiteral("processor time per image"),
              QStringLiteral("%1 ms (%2 s)").arg(measuredCpuMs, 0, 'f', 2).arg(measured.cpuSeconds, 0, 'f', 0),
              QStringLiteral("%1 images: %2 ms").arg(small).arg(referenceCpuMs, 0, 'f', 2),
              ReportRow::times(measuredCpuMs / referenceCpuMs),
              QStringLiteral("≤ 1.2×"),
              measuredCpuMs / referenceCpuMs <= 1.2}
        .print();
    return 0;
}
