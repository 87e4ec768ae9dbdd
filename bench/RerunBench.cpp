// A nightly rerun over a tree where nothing changed: tovalin-optimize over 10,000 images whose results
// all stand beside them, marked as a run with the default settings marks them, against find(1) listing
// the same tree. Every image must come out skipped, so no request is sent.
//
//   tovalin-bench-rerun --optimize PATH --url https://localhost:PORT --ca CA.pem --api-key KEY WORKDIR

#include "bench/Measure.h"
#include "bench/ReportRow.h"
#include "bench/ServiceOptions.h"
#include "client/RequestParameters.h"
#include "output/OutputMark.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTextStream>

namespace {

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// `count` images, ten to a folder in four levels of folders (the intake benchmark's shape), each with
// its optimized image and WebP companion, marked as the service client marks them after a run with the
// default settings.
void generateTree(const QString& root, int count)
{
    const TovalinOptions defaults;
    const QByteArray settings = RequestParameters::settingsKey(defaults);
    const QList<OutputKind> asked = OutputMark::companionsAskedFor(defaults);
    const QList<OutputKind> saved{OutputKind::optimized, OutputKind::webp};
    for (int i = 0; i < count; ++i) {
        const QString folder = QStringLiteral("%1/site/d%2/d%3/d%4/photos%5")
                                   .arg(root)
                                   .arg(i / 10000 % 10)
                                   .arg(i / 1000 % 10)
                                   .arg(i / 100 % 10)
                                   .arg(i / 10 % 10);
        const QString base = QStringLiteral("%1/IMG_%2").arg(folder).arg(i, 6, 10, QLatin1Char('0'));
        if (i % 10 == 0) {
            QDir().mkpath(folder);
        }
        const QString source = base + QStringLiteral(".jpg");
        if (!writeFile(source, QByteArray(1000 + i % 97, 'i'))) {
            qFatal("cannot write the tree");
        }
        const std::optional<OutputMark::Source> identity =
            OutputMark::sourceAt(QFile::encodeName(source), QFileInfo(source).fileName().toUtf8());
        const std::pair<QString, OutputKind> outputs[] = {
            {base + QStringLiteral("-optimized.jpg"), OutputKind::optimized},
            {base + QStringLiteral(".webp"), OutputKind::webp}};
        for (const auto& [path, kind] : outputs) {
            if (!identity || !writeFile(path, QByteArray(600, 'o')) ||
                !OutputMark{kind, *identity, settings, 600, asked, saved}.writeTo(QFile::encodeName(path))) {
                qFatal("cannot write or mark the outputs");
            }
        }
    }
}

double timed(const QString& program, const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess process;
    if (output == nullptr) {
        process.setStandardOutputFile(QProcess::nullDevice());
    }
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    process.waitForFinished(-1);
    const double ms = Measure::elapsedMs(timer);
    if (output != nullptr) {
        *output = process.readAllStandardOutput();
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qFatal("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    }
    return ms;
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

    generateTree(root, images);
    const QString tree = root + QStringLiteral("/site");
    qputenv("TOVALIN_API_KEY", service.apiKey(parser).toUtf8());
    const QStringList rerun{QStringLiteral("--service-url"),
                            service.url(parser),
                            QStringLiteral("--ca-file"),
                            service.caFile(parser),
                            QStringLiteral("--quiet"),
                            QStringLiteral("--json"),
                            tree};
    const QStringList find{tree,
                           QStringLiteral("-type"),
                           QStringLiteral("f"),
                           QStringLiteral("-not"),
                           QStringLiteral("-path"),
                           QStringLiteral("*/.*")};

    // The first of each warms the caches; then they take turns.
    QByteArray outcome;
    timed(parser.value(optimizeOption), rerun, &outcome);
    const qsizetype skipped = outcome.count("\"state\":\"skipped\"");
    if (skipped != images || outcome.count('\n') != images) {
        qFatal("the rerun did not skip every image: %lld of %d", qint64(skipped), images);
    }
    timed(QStringLiteral("find"), find);
    QList<double> rerunMs;
    QList<double> findMs;
    for (int r = 0; r < repetitions; ++r) {
        rerunMs.append(timed(parser.value(optimizeOption), rerun));
        findMs.append(timed(QStringLiteral("find"), find));
    }
    const double measured = Measure::median(rerunMs);
    const double reference = Measure::median(findMs);
    err << "rerun: " << images << " images skipped; " << measured << " ms against find " << reference << " ms\n";
    ReportRow{QStringLiteral("Rerun, %1 up-to-date images (median of %2)").arg(images).arg(repetitions),
              QStringLiteral("%1 ms, 0 sent").arg(measured, 0, 'f', 0),
              QStringLiteral("find %1 ms").arg(reference, 0, 'f', 0),
              ReportRow::times(measured / reference),
              QStringLiteral("≤ 1.5×"),
              measured / reference <= 1.5}
        .print();
    return 0;
}
