// Intake of a large folder tree: AppViewModel::addFiles() on the tree's root against find(1) listing the
// same tree's visible files, both on a warm tree, alternating; and the longest stall of a 5 ms timer on
// the main thread while the tree is added.
//
//   tovalin-bench-intake WORKDIR [--files N] [--repetitions R]
//
// The tree is generated under WORKDIR and left there for the caller to remove.

#include "bench/Heartbeat.h"
#include "bench/Measure.h"
#include "bench/ReportRow.h"
#include "model/SettingsStore.h"
#include "queue/AppViewModel.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <QTimer>

#include <memory>

namespace {

struct TreeCounts
{
    qint64 files = 0;
    qint64 hidden = 0; // hidden files and files inside hidden folders
    qint64 images = 0; // visible files with one of the ten image extensions
};

// Four levels of folders, ten files in each leaf. One leaf folder in twenty is hidden, and one file in
// twenty of the others; extensions cycle through images in mixed letter case and other files.
TreeCounts generateTree(const QString& root, qint64 fileCount)
{
    static const char* const extensions[] = {"jpg",  "JPG",  "jpeg", "png", "PNG", "gif",  "tif", "TIFF", "bmp",
                                             "webp", "heic", "HEIF", "Jpg", "txt", "json", "xmp", "mov",  ""};
    constexpr int extensionCount = int(sizeof extensions / sizeof extensions[0]);
    constexpr int filesPerLeaf = 10;
    TreeCounts counts;
    const qint64 leaves = (fileCount + filesPerLeaf - 1) / filesPerLeaf;
    for (qint64 leaf = 0; leaf < leaves; ++leaf) {
        const bool hiddenFolder = leaf % 20 == 19;
        const QString folder = QStringLiteral("%1/d%2/d%3/d%4/%5%6")
                                   .arg(root)
                                   .arg(leaf / 1000 % 10)
                                   .arg(leaf / 100 % 10)
                                   .arg(leaf / 10 % 10)
                                   .arg(hiddenFolder ? QStringLiteral(".cache") : QStringLiteral("photos"))
                                   .arg(leaf % 10);
        QDir().mkpath(folder);
        for (int i = 0; i < filesPerLeaf && counts.files < fileCount; ++i) {
            const qint64 n = counts.files;
            const bool hiddenFile = !hiddenFolder && n % 20 == 7;
            const char* extension = extensions[n % extensionCount];
            QString name = QStringLiteral("%1IMG_%2").arg(hiddenFile ? "." : "").arg(n, 6, 10, QLatin1Char('0'));
            if (*extension != '\0') {
                name += QLatin1Char('.') + QLatin1String(extension);
            }
            QFile file(folder + QLatin1Char('/') + name);
            file.open(QIODevice::WriteOnly);
            ++counts.files;
            if (hiddenFolder || hiddenFile) {
                ++counts.hidden;
            } else if (n % extensionCount < 13) {
                ++counts.images;
            }
        }
    }
    return counts;
}

double timeFind(const QString& root)
{
    QProcess find;
    find.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    find.start(QStringLiteral("find"), {root, QStringLiteral("-type"), QStringLiteral("f"), QStringLiteral("-not"),
                                        QStringLiteral("-path"), QStringLiteral("*/.*")});
    find.waitForFinished(-1);
    return Measure::elapsedMs(timer);
}

qint64 countFind(const QString& root)
{
    QProcess find;
    find.start(QStringLiteral("find"), {root, QStringLiteral("-type"), QStringLiteral("f"), QStringLiteral("-not"),
                                        QStringLiteral("-path"), QStringLiteral("*/.*")});
    find.waitForFinished(-1);
    return find.readAllStandardOutput().count('\n');
}

std::unique_ptr<AppViewModel> freshModel(const QString& workDir)
{
    return std::make_unique<AppViewModel>(std::make_shared<SettingsStore>(workDir + QStringLiteral("/settings.ini")),
                                          AppViewModel::Optimizer());
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("workdir"), QStringLiteral("Folder for the generated tree."));
    const QCommandLineOption filesOption(QStringLiteral("files"), QStringLiteral("Files in the tree."),
                                         QStringLiteral("n"), QStringLiteral("100000"));
    const QCommandLineOption repsOption(QStringLiteral("repetitions"), QStringLiteral("Timed repetitions."),
                                        QStringLiteral("n"), QStringLiteral("5"));
    parser.addOptions({filesOption, repsOption});
    parser.addHelpOption();
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        parser.showHelp(2);
    }
    const QString workDir = QDir(parser.positionalArguments().constFirst()).absolutePath();
    const QString root = workDir + QStringLiteral("/tree");
    const qint64 fileCount = parser.value(filesOption).toLongLong();
    const int repetitions = std::max(1, parser.value(repsOption).toInt());

    QTextStream err(stderr);
    QElapsedTimer generation;
    generation.start();
    const TreeCounts counts = generateTree(root, fileCount);
    err << "intake: generated " << counts.files << " files (" << counts.hidden << " hidden, " << counts.images
        << " visible images) in " << qRound(Measure::elapsedMs(generation)) << " ms\n";
    err.flush();

    const QUrl rootUrl = AppViewModel::directoryUrl(root);
    // Warm the page cache and the allocator once, and check both sides see the same tree.
    const qint64 found = countFind(root);
    qint64 queued = 0;
    {
        auto model = freshModel(workDir);
        model->addFiles({rootUrl});
        queued = model->jobs().size();
    }
    err << "intake: find lists " << found << " visible files, addFiles queued " << queued << " images\n";
    err.flush();

    QList<double> findMs;
    QList<double> addMs;
    for (int r = 0; r < repetitions; ++r) {
        findMs.append(timeFind(root));
        auto model = freshModel(workDir);
        QElapsedTimer timer;
        timer.start();
        model->addFiles({rootUrl});
        addMs.append(Measure::elapsedMs(timer));
    }
    const double findMedian = Measure::median(findMs);
    const double addMedian = Measure::median(addMs);
    const double ratio = addMedian / findMedian;
    ReportRow{QStringLiteral("Intake of %1 files: addFiles (median of %2)").arg(counts.files).arg(repetitions),
              ReportRow::ms(addMedian),
              QStringLiteral("find ") + ReportRow::ms(findMedian),
              ReportRow::times(ratio),
              QStringLiteral("≤ 1.5×"),
              ratio <= 1.5}
        .print();

    // The same intake with the event loop running: the heartbeat sees the whole walk as one stall.
    QList<double> gaps;
    for (int r = 0; r < 3; ++r) {
        auto model = freshModel(workDir);
        Heartbeat heartbeat;
        heartbeat.start();
        QTimer::singleShot(20, model.get(), [&model, &rootUrl] { model->addFiles({rootUrl}); });
        QTimer::singleShot(200, &app, &QCoreApplication::quit);
        QCoreApplication::exec();
        heartbeat.stop();
        gaps.append(heartbeat.longestGapMs());
    }
    ReportRow{QStringLiteral("Longest UI stall while %1 files are added (median of 3)").arg(counts.files),
              ReportRow::ms(Measure::median(gaps)),
              QStringLiteral("–"),
              QStringLiteral("–"),
              QStringLiteral("reported"),
              std::nullopt}
        .print();
    return 0;
}
