#include "client/CancelledError.h"
#include "client/RequestParameters.h"
#include "client/ServiceConfig.h"
#include "client/TovalinClient.h"
#include "output/MarkedOutputs.h"
#include "output/OutputMark.h"
#include "queue/SizeText.h"
#include "tests/support/ScriptedOptimizer.h"
#include "tests/support/TempTree.h"

#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <limits>
#include <memory>
#include <stdexcept>
#include <sys/stat.h>

namespace {

std::shared_ptr<SettingsStore> storeIn(const TempTree& tree)
{
    return std::make_shared<SettingsStore>(tree.path(QStringLiteral("config/settings.ini")));
}

QList<QUrl> urlsOf(const AppViewModel& model)
{
    QList<QUrl> urls;
    for (const ImageJob& job : model.jobs()) {
        urls << job.url;
    }
    return urls;
}

QList<QUrl> sorted(QList<QUrl> urls)
{
    std::sort(urls.begin(), urls.end());
    return urls;
}

QStringList words(const QString& text)
{
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Locations in the tree; a trailing "/" marks a folder, and a URL with a scheme stands for itself.
QList<QUrl> urlsIn(const TempTree& tree, const QStringList& paths)
{
    QList<QUrl> urls;
    for (const QString& path : paths) {
        urls << (path.contains(QLatin1Char(':'))   ? QUrl(path)
                 : path.endsWith(QLatin1Char('/')) ? tree.folderUrl(path.chopped(1))
                                                   : tree.fileUrl(path));
    }
    return urls;
}

// Puts job i in the state of letter i: q(ueued), r(unning), s(ucceeded, 1000 bytes made 400) or f(ailed).
void setStates(AppViewModel& model, const QString& states)
{
    for (qsizetype i = 0; i < states.size(); ++i) {
        const JobStatus status = allJobStatuses.at(QStringLiteral("qrsf").indexOf(states.at(i)));
        QVERIFY(model.jobModel()->update(model.jobs().at(i).id, [status](ImageJob& job) {
            job.status = status;
            const bool done = status == JobStatus::succeeded;
            job.originalSize = done ? 1000 : -1;
            job.downloads = done ? QList<DownloadedFile>{DownloadedFile(OutputKind::optimized, job.url, 400)}
                                 : QList<DownloadedFile>{};
        }));
    }
}

// Queues one job per letter, its file named by its position, in the state the letter gives.
void queue(AppViewModel& model, const TempTree& tree, const QString& states)
{
    QList<QUrl> urls;
    for (qsizetype i = 0; i < states.size(); ++i) {
        urls << tree.fileUrl(QStringLiteral("%1.jpg").arg(i));
    }
    model.addFiles(urls);
    setStates(model, states);
}

// The positions the queued jobs had when queue() made them.
QString positionsOf(const AppViewModel& model)
{
    QString positions;
    for (const ImageJob& job : model.jobs()) {
        positions += job.url.fileName().chopped(4);
    }
    return positions;
}

// The options a request carries, by the name of the setting they come from.
QVariantMap sentOptions(const TovalinOptions& o)
{
    return {{"apiKey", o.apiKey},
            {"compression", QVariant::fromValue(o.compression)},
            {"convertToWebP", o.convertToWebP},
            {"convertToAVIF", o.convertToAVIF},
            {"resizeMode", QVariant::fromValue(o.resizeMode)},
            {"resizeWidth", QVariant::fromValue(o.resizeWidth)},
            {"resizeHeight", QVariant::fromValue(o.resizeHeight)},
            {"cmykToRgb", o.cmykToRgb},
            {"upscale", QVariant::fromValue(o.upscale)},
            {"removeBackground", o.removeBackground},
            {"keepExif", o.keepExif}};
}

using Edit = std::function<void(AppViewModel&)>;

const QString sending = QStringLiteral("Sending to Tovalin…");
const QString beingOptimized = QStringLiteral("Image is being optimized…");
const QString saved = QStringLiteral("Optimized and saved locally.");
const QString stopped = QStringLiteral("Stopped.");
const QString ready = QStringLiteral("Ready to optimize.");
const QString done = QStringLiteral("Done.");

// How a call in flight ends when its run is stopped: inside cancel() itself, as a transfer does, or
// later, when the test ends it (a call whose last request was already answered runs on).
enum class End
{
    atOnce,
    laterCancelled,
    laterSucceeded,
    laterFailed,
};

// A view model with a queue of `count` jobs and a usable key, whose optimizer records each call for
// the test to settle; or, with `scripted` off, the service client.
struct Fixture : ScriptedOptimizer
{
    explicit Fixture(int count, End end = End::atOnce, bool scripted = true)
    {
        failOnCancel = end == End::atOnce;
        auto store = std::make_shared<SettingsStore>(tree.path(QStringLiteral("settings.ini")));
        model = scripted ? std::make_unique<AppViewModel>(store, optimizer())
                         : std::make_unique<AppViewModel>(store, JobPipeline::optimizer(TovalinClient().host()));
        // The service's road, where the key counts.
        model->setEngine(Engine::service);
        model->setApiKey(QStringLiteral(" key "));
        QObject::connect(model.get(), &AppViewModel::statusMessageChanged,
                         [this] { statusLog << model->statusMessage(); });
        for (int i = 0; i < count; ++i) {
            model->addFiles({tree.fileUrl(QStringLiteral("img%1.jpg").arg(i))});
        }
    }

    // Starts a run and waits for its first call.
    void start()
    {
        model->optimizeAll();
        QTRY_COMPARE(calls.size(), 1);
    }

    const ImageJob& job(qsizetype row) const { return model->jobs().at(row); }
    QString message(qsizetype row) const { return job(row).message; }
    JobStatus status(qsizetype row) const { return job(row).status; }
    // Every job as "status: message", in queue order.
    QStringList states() const
    {
        QStringList out;
        for (const ImageJob& j : model->jobs()) {
            out << label(j.status) + QStringLiteral(": ") + j.message;
        }
        return out;
    }

    // Ends a call after a stop the way `end` says; one that ended at once is settled already.
    void endLate(qsizetype index, End end) const
    {
        if (end == End::laterCancelled) {
            call(index)->settle({}, std::make_exception_ptr(CancelledError()));
        } else if (end == End::laterSucceeded) {
            call(index)->succeed();
        } else if (end == End::laterFailed) {
            call(index)->fail(QStringLiteral("Too late."));
        }
    }
    // Answers every call from `index` on with success, as each comes, until the run is done.
    void succeedTheRest(qsizetype index) const
    {
        for (; model->statusMessage() != done; ++index) {
            QTRY_VERIFY(calls.size() > index || model->statusMessage() == done);
            if (calls.size() > index) {
                call(index)->succeed();
            }
        }
    }

    TempTree tree;
    QStringList statusLog;
    std::unique_ptr<AppViewModel> model; // last: it goes first, so its calls always find the fixture
};

void expectIdle(const AppViewModel& model)
{
    QCOMPARE(model.isProcessing(), false);
    QCOMPARE(model.hasOptimizeTask(), false);
}

} // namespace

// The view model: its settings, the intake and editing of the queue, and the run, against a stand-in
// optimizer whose calls each test answers.
class TestQueue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void settings_data()
    {
        QTest::addColumn<QVariant>("initial");
        QTest::addColumn<QVariant>("written");
        QTest::addColumn<QVariant>("sent");
        const auto row = [](const char* property, const QVariant& initial, const QVariant& written,
                            const QVariant& sent = {}) {
            QTest::newRow(property) << initial << written << (sent.isValid() ? sent : written);
        };
        // The key is stored as typed and sent trimmed of white space and line breaks. Width and height
        // travel whatever the resize mode; the request decides what is sent.
        const Engine otherEngine = ServiceConfig::defaultEngine == Engine::local ? Engine::service : Engine::local;
        row("engine", QVariant::fromValue(ServiceConfig::defaultEngine), QVariant::fromValue(otherEngine));
        row("apiKey", QString(), QStringLiteral(" abc123\t\r\n"), QStringLiteral("abc123"));
        row("compression", QVariant::fromValue(Compression::lossy), QVariant::fromValue(Compression::lossless));
        row("convertToWebP", true, false);
        row("convertToAVIF", false, true);
        row("resizeMode", QVariant::fromValue(ResizeMode::none), QVariant::fromValue(ResizeMode::contain));
        row("resizeWidth", QString(), QStringLiteral("640"), QVariant::fromValue(std::optional<qint64>(640)));
        row("resizeHeight", QString(), QStringLiteral(" 480\t"), QVariant::fromValue(std::optional<qint64>(480)));
        row("cmykToRgb", true, false);
        row("upscale", QVariant::fromValue(UpscaleFactor::none), QVariant::fromValue(UpscaleFactor::x3));
        row("removeBackground", false, true);
        row("keepExif", false, true);
        row("imagesAtOnce", 1, 3);
        row("lastPickFolder", QString(), QStringLiteral("/home/sam/Pictures, 2024"));
    }

    void settings()
    {
        QFETCH(QVariant, initial);
        QFETCH(QVariant, written);
        QFETCH(QVariant, sent);
        const char* name = QTest::currentDataTag();
        TempTree tree;
        AppViewModel model(storeIn(tree), {});
        QCOMPARE(model.property(name), initial);
        const QMetaObject* meta = model.metaObject();
        QSignalSpy changed(&model, meta->property(meta->indexOfProperty(name)).notifySignal());
        // A write publishes even when the value does not change: views refresh on every write.
        QVERIFY(model.setProperty(name, written));
        QVERIFY(model.setProperty(name, written));
        QCOMPARE(changed.count(), 2);
        // The setting reaches its own option and no other.
        QVariantMap expected = sentOptions(TovalinOptions());
        if (expected.contains(QString::fromLatin1(name))) {
            expected[QString::fromLatin1(name)] = sent;
        }
        QCOMPARE(sentOptions(model.currentOptions()), expected);
        // Every setting outlives the view model: it reaches the settings file at once.
        const AppViewModel next(storeIn(tree), {});
        QCOMPARE(next.property(name), written);
    }

    // A settings file holding what this program never writes (edited by hand, from another version)
    // starts every choice at its default.
    void strangeStoredSettingsGiveTheDefaults()
    {
        TempTree tree;
        {
            SettingsStore store(tree.path(QStringLiteral("config/settings.ini")));
            for (const char* name : {"compression", "resizeMode", "upscale"}) {
                store.remember(QStringLiteral("options/") + QLatin1String(name), QStringLiteral("2x"));
            }
            store.remember(QStringLiteral("options/upscale"), 7);
            for (const char* name : {"webp", "avif", "cmykToRgb", "removeBackground", "keepExif"}) {
                store.remember(QStringLiteral("options/") + QLatin1String(name), QStringLiteral("yes"));
            }
            store.remember(QStringLiteral("options/resizeWidth"),
                           QStringList{QStringLiteral("1"), QStringLiteral("2")});
            store.remember(QStringLiteral("engine"), QStringLiteral("remote"));
        }
        const AppViewModel model(storeIn(tree), {});
        QCOMPARE(sentOptions(model.currentOptions()), sentOptions(TovalinOptions()));
        QCOMPARE(model.engine(), ServiceConfig::defaultEngine);
        QCOMPARE(model.resizeWidth(), QString());
    }

    // Cover and Contain need a size, in whole pixels of 1 or more: without one Optimize is refused
    // before anything is sent, and says why.
    void resizeWithoutASizeIsRefused_data()
    {
        QTest::addColumn<ResizeMode>("mode");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<AppViewModel::ResizeProblem>("problem");
        using P = AppViewModel::ResizeProblem;
        QTest::newRow("no resize, no size") << ResizeMode::none << ""
                                            << "" << P::none;
        QTest::newRow("no resize ignores its fields") << ResizeMode::none << "abc"
                                                      << "0" << P::none;
        QTest::newRow("cover without a size") << ResizeMode::cover << ""
                                              << " \t" << P::noSize;
        QTest::newRow("contain without a size") << ResizeMode::contain << ""
                                                << "" << P::noSize;
        QTest::newRow("width alone") << ResizeMode::cover << " 800 "
                                     << "" << P::none;
        QTest::newRow("height alone") << ResizeMode::contain << ""
                                      << "600" << P::none;
        QTest::newRow("zero width") << ResizeMode::cover << "0"
                                    << "600" << P::badWidth;
        QTest::newRow("height with a unit") << ResizeMode::cover << "800"
                                            << "600px" << P::badHeight;
        QTest::newRow("both wrong") << ResizeMode::contain << "-1"
                                    << "x" << P::badWidthAndHeight;
    }

    void resizeWithoutASizeIsRefused()
    {
        QFETCH(ResizeMode, mode);
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(AppViewModel::ResizeProblem, problem);
        Fixture f(1);
        f.model->setResizeMode(mode);
        f.model->setResizeWidth(width);
        f.model->setResizeHeight(height);
        QSignalSpy refused(f.model.get(), &AppViewModel::optimizeRefused);
        f.model->optimizeAll();
        QCOMPARE(f.model->isProcessing(), problem == AppViewModel::ResizeProblem::none);
        QCOMPARE(refused.count(), problem == AppViewModel::ResizeProblem::none ? 0 : 1);
        if (problem != AppViewModel::ResizeProblem::none) {
            QCOMPARE(refused.at(0).at(0).value<AppViewModel::ResizeProblem>(), problem);
            QVERIFY(!Settings::describe(problem, mode).isEmpty());
            QTest::qWait(10);
            QCOMPARE(f.calls.size(), 0);
            QCOMPARE(f.status(0), JobStatus::queued);
        } else {
            QTRY_COMPARE(f.calls.size(), 1);
            f.call(0)->succeed();
        }
        QCOMPARE(Settings::describe(AppViewModel::ResizeProblem::noSize, ResizeMode::cover),
                 QStringLiteral("Cover needs a width, a height or both."));
    }

    void dimensionParsing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<qint64>>("expected");
        const auto none = std::optional<qint64>();
        const auto some = [](qint64 v) { return std::optional<qint64>(v); };
        QTest::newRow("tabs and spaces") << QStringLiteral("\t 800 \t") << some(800);
        QTest::newRow("trailing line break") << QStringLiteral("800\n") << none;
        QTest::newRow("inner space") << QStringLiteral("8 00") << none;
        QTest::newRow("unit") << QStringLiteral("800px") << none;
        QTest::newRow("exponent") << QStringLiteral("1e3") << none;
        QTest::newRow("blank") << QStringLiteral("   ") << none;
        QTest::newRow("plus sign") << QStringLiteral("+800") << some(800);
        QTest::newRow("minus one") << QStringLiteral("-1") << some(-1);
        QTest::newRow("sign alone") << QStringLiteral("+") << none;
        QTest::newRow("other script digits") << QStringLiteral("\u0663\u0663") << none;
        QTest::newRow("largest") << QStringLiteral("9223372036854775807") << some(std::numeric_limits<qint64>::max());
        QTest::newRow("smallest") << QStringLiteral("-9223372036854775808") << some(std::numeric_limits<qint64>::min());
        QTest::newRow("one beyond largest") << QStringLiteral("9223372036854775808") << none;
    }

    void dimensionParsing()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<qint64>, expected);
        QCOMPARE(AppViewModel::parseDimension(text), expected);
    }

    // Intake

    void folderWalkKeepsVisibleImagesOfTheTenKinds()
    {
        TempTree tree;
        const QStringList images =
            words("pics/A.JPG pics/b.Png pics/all/a.jpeg pics/all/b.gif pics/all/c.tif "
                  "pics/sub/x.TiFf pics/all/d.bmp pics/sub/y.webp pics/e.heic pics/sub/deep/z.HEIF");
        const QStringList others = words("pics/notes.txt pics/.hidden.jpg pics/noextension pics/x.jpe pics/x.avif "
                                         "pics/jpg elsewhere/a.jpg pics/.hidden/in.jpg pics/.hidden/below/visible.png");
        for (const QString& file : images + others) {
            tree.writeFile(file);
        }
        // A folder whose name looks like an image is not an image; links to folders are not followed,
        // and one back up the tree would loop forever if they were.
        tree.makeFolder(QStringLiteral("pics/folder.jpg"));
        QVERIFY(QFile::link(tree.path(QStringLiteral("elsewhere")), tree.path(QStringLiteral("pics/linked"))));
        QVERIFY(QFile::link(tree.path(QStringLiteral("elsewhere")), tree.path(QStringLiteral("pics/looks.jpg"))));
        QVERIFY(QFile::link(tree.path(QStringLiteral("pics")), tree.path(QStringLiteral("pics/sub/loop"))));
        // A link to a file is taken while it leads to one inside the folder; a FIFO named like an image
        // is queued, to fail as one given by itself does.
        QVERIFY(QFile::link(tree.path(QStringLiteral("elsewhere/a.jpg")), tree.path(QStringLiteral("pics/out.jpg"))));
        QVERIFY(QFile::link(QStringLiteral("../pics/all/../b.Png"), tree.path(QStringLiteral("pics/in.png"))));
        QVERIFY(QFile::link(QStringLiteral("../A.JPG"), tree.path(QStringLiteral("pics/sub/up.jpg"))));
        QVERIFY(QFile::link(QStringLiteral("/etc/passwd"), tree.path(QStringLiteral("pics/passwd.gif"))));
        QVERIFY(QFile::link(QStringLiteral("gone.jpg"), tree.path(QStringLiteral("pics/dangling.jpg"))));
        for (const char* fifo : {"pics/pipe.jpg", "pics/pipe.txt"}) {
            QVERIFY(mkfifo(QFile::encodeName(tree.path(QLatin1String(fifo))).constData(), 0600) == 0);
        }
        const QStringList taken = words("pics/in.png pics/sub/up.jpg pics/pipe.jpg");

        AppViewModel model(storeIn(tree), {});
        QAbstractItemModelTester tester(model.jobModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(model.jobModel(), &QAbstractItemModel::rowsInserted);
        const QUrl folder = AppViewModel::directoryUrl(tree.path(QStringLiteral("pics")));
        QCOMPARE(AppViewModel::directoryUrl(tree.path(QStringLiteral("pics/"))), folder);
        model.addFiles({folder});
        QCOMPARE(sorted(urlsOf(model)), sorted(urlsIn(tree, images + taken)));
        // The jobs arrive in the order of the walk, as one block of rows.
        QCOMPARE(urlsOf(model), AppViewModel::collectImages(folder));
        QCOMPARE(inserted.count(), 1);
    }

    // Inside folders, the outputs this program wrote are no sources: known by their mark where the file
    // system keeps marks (by their names elsewhere: tst_output).
    void ourOutputsAreNotSources()
    {
        TempTree tree;
        for (const QString& file : words("pics/a.jpg pics/a-optimized.jpg pics/a.webp pics/b.png pics/b.webp")) {
            tree.writeFile(file);
        }
        OutputMark mark{OutputKind::webp, {"a.jpg", 0, 0}, "lossy=1", -1, {}, {}};
        for (const char* output : {"pics/a-optimized.jpg", "pics/a.webp"}) {
            QVERIFY(mark.writeTo(QFile::encodeName(tree.path(QString::fromLatin1(output)))));
        }
        MarkedOutputs found;
        const QUrl folder = QueueIntake::directoryUrl(tree.path(QStringLiteral("pics")));
        QCOMPARE(sorted(QueueIntake::collectImages(folder, &found)),
                 sorted(urlsIn(tree, words("pics/a.jpg pics/b.png pics/b.webp"))));
        QCOMPARE(found.folder(QFile::encodeName(tree.path(QStringLiteral("pics")))).outputs.size(), 2);
        // A file given by itself is taken as given.
        AppViewModel model(storeIn(tree), {});
        model.addFiles(urlsIn(tree, words("pics/a.webp")));
        QCOMPARE(model.jobs().size(), 1);
    }

    // The window remembers what is done: an image whose results are up to date joins the queue done,
    // "Already optimized.", its results listed from their marks, and Optimize passes over it; "Optimize
    // Again" sends it all the same, and a change of the settings makes it due again.
    void upToDateImagesAreDone()
    {
        ScriptedOptimizer optimizer;
        TempTree tree;
        const QString source = tree.writeFile(QStringLiteral("pics/a.jpg"), "a source");
        tree.writeFile(QStringLiteral("pics/b.jpg"), "b source");
        AppViewModel model(storeIn(tree), optimizer.optimizer());
        model.setApiKey(QStringLiteral("key"));
        const TovalinOptions options = model.currentOptions();
        const std::optional<OutputMark::Source> sent = OutputMark::sourceAt(QFile::encodeName(source), "a.jpg");
        QVERIFY(sent);
        for (const auto& [name, kind] :
             {std::pair{"pics/a-optimized.jpg", OutputKind::optimized}, std::pair{"pics/a.webp", OutputKind::webp}}) {
            const OutputMark mark{kind,
                                  *sent,
                                  RequestParameters::settingsKey(options),
                                  5,
                                  OutputMark::companionsAskedFor(options),
                                  {OutputKind::optimized, OutputKind::webp}};
            const QString path = tree.writeFile(QString::fromLatin1(name), "12345");
            if (!mark.writeTo(QFile::encodeName(path))) {
                QSKIP("the file system of the temporary folder keeps no marks");
            }
        }
        model.addFiles(urlsIn(tree, words("pics/")));
        QCOMPARE(model.jobs().size(), 2);
        const qsizetype a = model.jobs().at(0).url.fileName() == QLatin1String("a.jpg") ? 0 : 1;
        const ImageJob found = model.jobs().at(a);
        QCOMPARE(label(found.status) + QStringLiteral(": ") + found.message,
                 QStringLiteral("Done: Already optimized."));
        QCOMPARE(found.downloads.size(), 2);
        QCOMPARE(found.downloads.at(1).path, tree.fileUrl(QStringLiteral("pics/a.webp")));
        QCOMPARE(model.jobs().at(1 - a).status, JobStatus::queued);

        model.optimizeAll();
        // Shown begun at once; which images are due is asked of the disk meanwhile.
        QVERIFY(model.isProcessing());
        QTRY_COMPARE(model.statusMessage(), QStringLiteral("Optimizing 1 image(s)…"));
        QTRY_COMPARE(optimizer.calls.size(), 1);
        QCOMPARE(optimizer.call(0)->file.fileName(), QStringLiteral("b.jpg"));
        optimizer.call(0)->succeed();
        QTRY_VERIFY(!model.isProcessing());
        // b's stand-in results carry no marks, so b is due again; a stays done.
        QCOMPARE(model.jobs().at(a).message, QStringLiteral("Already optimized."));

        model.optimizeAgain({model.jobs().at(a).id});
        QTRY_COMPARE(optimizer.calls.size(), 2);
        QCOMPARE(optimizer.call(1)->file.fileName(), QStringLiteral("a.jpg"));
        optimizer.call(1)->succeed();
        QTRY_VERIFY(!model.isProcessing());

        // With AVIF asked for, its results are no longer all there.
        model.setConvertToAVIF(true);
        model.optimizeAll();
        QTRY_COMPARE(model.statusMessage(), QStringLiteral("Optimizing 2 image(s)…"));
        model.stopAll();
        QTRY_COMPARE(model.statusMessage(), done);

        // Stopped before the disk has told what is due: the run ends as any stopped one, nothing sent.
        QSignalSpy finished(&model, &AppViewModel::runFinished);
        model.optimizeAll();
        QVERIFY(model.isProcessing());
        model.stopAll();
        QCOMPARE(model.statusMessage(), QStringLiteral("Stopped by user."));
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(model.statusMessage(), done);
        QCOMPARE(optimizer.calls.size(), 2);
        QVERIFY(!model.isProcessing());
    }

    // Results written since the images were added (by the command line, say) are found when Optimize
    // is pressed: nothing is sent, and the rows turn done in one change, since each row that gains its
    // files is laid out anew and the queue may hold 10,000 of them.
    void resultsWrittenSinceAddingAreFoundAtThePress()
    {
        ScriptedOptimizer optimizer;
        TempTree tree;
        AppViewModel model(storeIn(tree), optimizer.optimizer());
        model.setApiKey(QStringLiteral("key"));
        const TovalinOptions options = model.currentOptions();
        const QStringList names = words("a b c");
        for (const QString& name : names) {
            tree.writeFile(QStringLiteral("pics/%1.jpg").arg(name), name.toUtf8());
        }
        model.addFiles(urlsIn(tree, words("pics/")));
        QCOMPARE(model.jobs().size(), 3);
        for (const QString& name : names) {
            const QString source = tree.path(QStringLiteral("pics/%1.jpg").arg(name));
            const std::optional<OutputMark::Source> sent =
                OutputMark::sourceAt(QFile::encodeName(source), QFileInfo(source).fileName().toUtf8());
            QVERIFY(sent);
            const OutputMark mark{OutputKind::optimized,
                                  *sent,
                                  RequestParameters::settingsKey(options),
                                  5,
                                  OutputMark::companionsAskedFor(options),
                                  {OutputKind::optimized}};
            const QString path = tree.writeFile(QStringLiteral("pics/%1-optimized.jpg").arg(name), "12345");
            if (!mark.writeTo(QFile::encodeName(path))) {
                QSKIP("the file system of the temporary folder keeps no marks");
            }
        }
        QSignalSpy changed(model.jobModel(), &QAbstractItemModel::dataChanged);
        model.optimizeAll();
        QTRY_COMPARE(model.statusMessage(), QStringLiteral("Every image is already optimized."));
        QCOMPARE(changed.count(), 1);
        for (const ImageJob& job : model.jobs()) {
            QCOMPARE(label(job.status) + QStringLiteral(": ") + job.message,
                     QStringLiteral("Done: Already optimized."));
            QCOMPARE(job.downloads.size(), 1);
            QCOMPARE(job.downloads.at(0).path.fileName(),
                     job.url.fileName().chopped(4) + QStringLiteral("-optimized.jpg"));
        }
        QVERIFY(!model.isProcessing());
        QCOMPARE(optimizer.calls.size(), 0);
    }

    // A tree large enough that its marks are read and its images checked on several threads: every
    // output is left out, the images keep the order of the walk, and exactly those with results are
    // done, each with its own files.
    void aLargeTreeIsSettledAsASmallOneIs()
    {
        TempTree tree;
        AppViewModel model(storeIn(tree), {});
        const TovalinOptions options = model.currentOptions();
        const QList<OutputKind> saved{OutputKind::optimized, OutputKind::webp};
        constexpr int images = 600;
        for (int i = 0; i < images; ++i) {
            const QString base = QStringLiteral("d%1/IMG_%2").arg(i / 20).arg(i, 4, 10, QLatin1Char('0'));
            const QString source = tree.writeFile(base + QStringLiteral(".jpg"), QByteArray::number(i));
            // One image in three has no results; their names stand for a user's own files, unmarked.
            const bool done = i % 3 != 0;
            const std::optional<OutputMark::Source> sent =
                OutputMark::sourceAt(QFile::encodeName(source), QFileInfo(source).fileName().toUtf8());
            QVERIFY(sent);
            for (const auto& [suffix, kind] :
                 {std::pair{"-optimized.jpg", OutputKind::optimized}, std::pair{".webp", OutputKind::webp}}) {
                const QString path = tree.writeFile(base + QLatin1String(suffix), "12345");
                const OutputMark mark{
                    kind, *sent, RequestParameters::settingsKey(options), 5, OutputMark::companionsAskedFor(options),
                    saved};
                if (done && !mark.writeTo(QFile::encodeName(path))) {
                    QSKIP("the file system of the temporary folder keeps no marks");
                }
            }
        }
        model.addFiles({tree.folderUrl()});
        QStringList names;
        int doneCount = 0;
        for (const ImageJob& job : model.jobs()) {
            const QString name = job.url.fileName();
            const bool output = name.contains(QLatin1String("-optimized")) || name.endsWith(QLatin1String(".webp"));
            const int number = QStringView(name).mid(4, 4).toInt();
            if (output) {
                // A user's own file named like an output is a source, and has no results of its own.
                QCOMPARE(number % 3, 0);
                QCOMPARE(job.status, JobStatus::queued);
                continue;
            }
            names.append(name);
            QCOMPARE(job.status == JobStatus::succeeded, number % 3 != 0);
            if (job.status == JobStatus::succeeded) {
                ++doneCount;
                QCOMPARE(job.downloads.size(), 2);
                QCOMPARE(job.downloads.at(0).path.fileName(), name.chopped(4) + QStringLiteral("-optimized.jpg"));
            }
        }
        QCOMPARE(names.size(), images);
        QCOMPARE(doneCount, images - images / 3);
        QCOMPARE(model.jobs().size(), images + 2 * (images / 3));
        QCOMPARE(urlsOf(model), AppViewModel::collectImages(tree.folderUrl()));
    }

    void intake_data()
    {
        QTest::addColumn<QString>("queued");
        QTest::addColumn<QString>("states");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("added");
        const auto row = [](const char* name, const char* queued, const char* states, const char* given,
                            const char* added) { QTest::newRow(name) << queued << states << given << added; };
        // Without the folder mark a folder is one more file: the caller marks folders.
        const char* anyFile = "notes.txt noextension .hidden.jpg not-there.avif unmarked";
        row("files as given", "", "", anyFile, anyFile);
        row("same file twice in one call", "", "", "one/ one/a.jpg one/a.jpg", "one/a.jpg one/a.jpg one/a.jpg");
        row("queued in every state", "one/a.jpg notes.txt noextension .hidden.jpg", "qrsf",
            "notes.txt one/ noextension .hidden.jpg one/a.jpg", "");
        // Another spelling of the same file is another location: no normalisation.
        row("other spellings", "one/a.jpg", "q", "one/../one/a.jpg one/A.jpg", "one/../one/a.jpg one/A.jpg");
        row("empty list", "", "", "", "");
        row("folders without images", "", "", "missing/ empty/ textonly/ https://example.invalid/f/", "");
    }

    void intake()
    {
        QFETCH(QString, queued);
        QFETCH(QString, states);
        QFETCH(QString, given);
        QFETCH(QString, added);
        TempTree tree;
        for (const QString& file : words("one/a.jpg notes.txt noextension .hidden.jpg textonly/readme.txt")) {
            tree.writeFile(file);
        }
        tree.makeFolder(QStringLiteral("unmarked"));
        tree.makeFolder(QStringLiteral("empty"));
        AppViewModel model(storeIn(tree), {});
        QAbstractItemModelTester tester(model.jobModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.addFiles(urlsIn(tree, words(queued)));
        setStates(model, states);
        const QList<ImageJob> before = model.jobs();

        QSignalSpy changed(&model, &AppViewModel::jobsChanged);
        QSignalSpy inserted(model.jobModel(), &QAbstractItemModel::rowsInserted);
        model.addFiles(urlsIn(tree, words(given)));
        QCOMPARE(urlsOf(model).mid(before.size()), urlsIn(tree, words(added)));
        for (qsizetype i = 0; i < before.size(); ++i) {
            QCOMPARE(model.jobs().at(i).id, before.at(i).id);
            QCOMPARE(model.jobs().at(i).status, before.at(i).status);
        }
        // New jobs arrive as one change and one block of rows; nothing added, nothing published.
        QCOMPARE(changed.count(), added.isEmpty() ? 0 : 1);
        QCOMPARE(inserted.count(), added.isEmpty() ? 0 : 1);
    }

    // Editing and derived state

    void editing_data()
    {
        QTest::addColumn<QString>("states");
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("left");
        QTest::addColumn<int>("removedBlocks");
        const Edit clearFinished = [](AppViewModel& model) { model.clearFinished(); };
        const Edit clearExceptRunning = [](AppViewModel& model) { model.clearQueueExceptRunning(); };
        const Edit removeSecond = [](AppViewModel& model) { model.removeJob(model.jobs().at(1).id); };
        const Edit removeGone = [](AppViewModel& model) { model.removeJob(QUuid::createUuid()); };
        // Each run of neighbours goes as one block of rows.
        QTest::newRow("clear finished") << "ssqfsrqs" << clearFinished << "2356" << 3;
        QTest::newRow("clear finished, none finished") << "fqr" << clearFinished << "012" << 0;
        QTest::newRow("clear all but the running job") << "sqrf" << clearExceptRunning << "2" << 2;
        QTest::newRow("clear an empty queue") << "" << clearExceptRunning << "" << 0;
        QTest::newRow("remove the running job") << "qrq" << removeSecond << "02" << 1;
        QTest::newRow("remove a job that is gone") << "qrq" << removeGone << "012" << 0;
    }

    void editing()
    {
        QFETCH(QString, states);
        QFETCH(Edit, edit);
        QFETCH(QString, left);
        QFETCH(int, removedBlocks);
        TempTree tree;
        AppViewModel model(storeIn(tree), {});
        QAbstractItemModelTester tester(model.jobModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        queue(model, tree, states);
        QSignalSpy changed(&model, &AppViewModel::jobsChanged);
        QSignalSpy removed(model.jobModel(), &QAbstractItemModel::rowsRemoved);
        edit(model);
        QCOMPARE(positionsOf(model), left);
        // Each edit is one change of the queue, also when nothing was removed.
        QCOMPARE(changed.count(), 1);
        QCOMPARE(removed.count(), removedBlocks);
        // The counts kept along the way agree with a count over the queue as it now is.
        QueueTally recount;
        for (const ImageJob& job : model.jobs()) {
            recount.count(job, 1);
        }
        const QueueTally kept = model.tally();
        QCOMPARE(
            QList<qint64>({kept.remaining, kept.succeeded, kept.savings.jobs, kept.savings.originalBytes}),
            QList<qint64>({recount.remaining, recount.succeeded, recount.savings.jobs, recount.savings.originalBytes}));
        // Once their jobs are gone, files can come back: as new jobs, after the others.
        QString gone;
        QList<QUrl> all;
        for (qsizetype i = 0; i < states.size(); ++i) {
            all << tree.fileUrl(QStringLiteral("%1.jpg").arg(i));
            gone += left.contains(QString::number(i)) ? QString() : QString::number(i);
        }
        model.addFiles(all);
        QCOMPARE(positionsOf(model), left + gone);
    }

    // Beside a saved file: its size in the locale's units, and the optimized image's change; and the
    // queue's total for a job of these sizes.
    void sizeTexts_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("format");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<qint64>("original");
        QTest::addColumn<QString>("expected"); // detail | total
        const auto row = [](const char* name, const char* locale, const char* format, qint64 size, qint64 original,
                            const char* expected) {
            QTest::newRow(name) << locale << format << size << original << QString::fromUtf8(expected);
        };
        row("smaller", "en_US", "Optimized", 421888, 1143296,
            "422 kB  \u221263 % | Saved 721 kB of 1.1 MB (\u221263 %)");
        row("companion: size only", "en_US", "WebP", 305152, 1143296, "305 kB | Saved 838 kB of 1.1 MB (\u221273 %)");
        row("bytes, no change to speak of", "en_US", "Optimized", 998, 1000,
            "998 bytes  0 % | Saved 2 bytes of 1.0 kB (0 %)");
        row("tenths, larger", "en_US", "Optimized", 41234, 40000, "41.2 kB  +3 % | Nothing saved (+3 %)");
        row("German", "de_DE", "Optimized", 1500000, 3000000,
            "1,5 MB  \u221250 % | Saved 1,5 MB of 3,0 MB (\u221250 %)");
        row("size unknown", "en_US", "Optimized", -1, 1000, " | Nothing saved");
    }

    void sizeTexts()
    {
        QFETCH(QString, locale);
        QFETCH(QString, format);
        QFETCH(qint64, size);
        QFETCH(qint64, original);
        QFETCH(QString, expected);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        const OutputKind kind = format == QLatin1String("WebP") ? OutputKind::webp : OutputKind::optimized;
        const QString texts = SizeText::fileDetail(DownloadedFile(kind, QUrl(), size), original) +
                              QStringLiteral(" | ") + SizeText::saved(original, size);
        QLocale::setDefault(before);
        QCOMPARE(texts, expected);
    }

    // The run

    void twoJobsThenASecondRun()
    {
        Fixture f(2);
        QAbstractItemModelTester tester(f.model->jobModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QStringList changes;
        // Every change of a job is a change of its own row only. The progress note comes when the
        // machine is slow enough; it has its own test.
        connect(f.model->jobModel(), &QAbstractItemModel::dataChanged, this,
                [&](const QModelIndex& from, const QModelIndex& to) {
                    QCOMPARE(from, to);
                    if (f.message(from.row()) != beingOptimized) {
                        changes << f.job(from.row()).url.fileName() + QLatin1Char(' ') + f.states().at(from.row());
                    }
                });
        f.model->optimizeAll();
        QVERIFY(f.model->isProcessing() && f.model->hasOptimizeTask() && !f.model->canOptimize());
        // The run starts on a later turn of the event loop, with its handle already stored.
        QVERIFY(f.calls.isEmpty());
        QTRY_COMPARE(f.calls.size(), 1);
        QCOMPARE(f.call(0)->options.apiKey, QStringLiteral("key"));
        QCOMPARE(f.call(0)->options.compression, Compression::lossy);
        // Settings changed during the run apply to the jobs that have not started; a job added during
        // the run is not part of its batch.
        f.model->setCompression(Compression::glossy);
        f.model->addFiles({f.tree.fileUrl(QStringLiteral("late.png"))});
        f.call(0)->succeed();
        QTRY_COMPARE(f.calls.size(), 2);
        QCOMPARE(f.call(1)->options.compression, Compression::glossy);
        f.call(1)->succeed();
        QTRY_COMPARE(f.model->statusMessage(), done);
        expectIdle(*f.model);
        QCOMPARE(changes, (QStringList{"img0.jpg Processing: " + sending, "img0.jpg Done: " + saved,
                                       "img1.jpg Processing: " + sending, "img1.jpg Done: " + saved}));
        QCOMPARE(f.job(1).downloads.at(0).path, f.tree.fileUrl(QStringLiteral("img1.jpg.webp")));
        QCOMPARE(f.message(2), ready);

        // A second run takes every job again, the succeeded ones included, and counts them. A failure
        // leaves the files of an earlier success listed.
        const QUuid earlierFile = f.job(0).downloads.at(0).id;
        f.model->optimizeAll();
        QTRY_COMPARE(f.calls.size(), 3);
        f.call(2)->fail(QStringLiteral("Boom."));
        QCOMPARE(f.status(0), JobStatus::failed);
        QCOMPARE(f.job(0).downloads.at(0).id, earlierFile);
        f.succeedTheRest(3);
        QCOMPARE(f.calls.size(), 5);
        QCOMPARE(f.statusLog, (QStringList{"Optimizing 2 image(s)…", "Done.", "Optimizing 3 image(s)…", "Done."}));
    }

    void progressNoteAndFailuresInTheMiddle()
    {
        Fixture f(4);
        f.start();
        QElapsedTimer sinceFirstNoteCouldStart;
        sinceFirstNoteCouldStart.start();
        // The first three jobs end well within their second; whatever the client throws ends as the
        // job's message, fails that job only, and nothing escapes the run.
        f.call(0)->succeed();
        QTRY_COMPARE(f.calls.size(), 2);
        f.call(1)->fail(QStringLiteral("Invalid API key."));
        QTRY_COMPARE(f.calls.size(), 3);
        f.call(2)->settle({}, std::make_exception_ptr(std::runtime_error("No space left on device")));
        QTRY_COMPARE(f.calls.size(), 4);
        QCOMPARE(f.message(3), sending);
        // The last stays with the client: after a second it says so. Its note is due last, so once
        // it shows, the notes of the jobs before it have come and gone.
        QTRY_COMPARE_WITH_TIMEOUT(f.message(3), beingOptimized, 10000);
        QVERIFY(sinceFirstNoteCouldStart.elapsed() >= 1000);
        f.call(3)->settle({}, std::make_exception_ptr(42));
        QTRY_COMPARE(f.model->statusMessage(), done);
        QCOMPARE(f.states(),
                 (QStringList{"Done: " + saved, "Failed: Invalid API key.", "Failed: No space left on device",
                              "Failed: The image could not be optimized."}));
    }

    void aJobRemovedWhileProcessedHasItsResultDropped()
    {
        Fixture f(4);
        QAbstractItemModelTester tester(f.model->jobModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        f.start();
        f.model->removeJob(f.job(0).id);
        QSignalSpy dataChanged(f.model->jobModel(), &QAbstractItemModel::dataChanged);
        f.call(0)->succeed();
        QCOMPARE(dataChanged.count(), 0);
        QTRY_COMPARE(f.calls.size(), 2);
        QCOMPARE(f.call(1)->file, f.job(0).url);
        // Clearing during the run keeps the job in progress; the others' turns are skipped.
        f.model->clearQueueExceptRunning();
        f.call(1)->succeed();
        QTRY_COMPARE(f.model->statusMessage(), done);
        QCOMPARE(f.calls.size(), 2);
        QCOMPARE(f.states(), QStringList{"Done: " + saved});
    }

    // Each job is named from the queue of the moment it starts: sources of one folder sharing a base
    // name, letter case aside, are named from their whole names. A row stops listing a file that
    // another job has written over.
    void outputNamingAndReplacedFiles()
    {
        Fixture f(0);
        QList<QUrl> sources;
        for (const char* name :
             {"p/noise.png", "p/Noise.jpg", "p/noise.png.gif", "q/noise.tif", "p/solo.png", "p/solo.bmp"}) {
            sources.append(f.tree.fileUrl(QString::fromLatin1(name)));
        }
        f.model->addFiles(sources);
        f.start();
        f.call(0)->succeed();
        QTRY_COMPARE(f.calls.size(), 2);
        f.call(1)->succeed();
        QTRY_COMPARE(f.calls.size(), 3);
        // "noise.png.gif" has the base name "noise.png": its companion is where the first job's is.
        f.call(2)->succeed(f.tree.fileUrl(QStringLiteral("p/noise.png")));
        QTRY_COMPARE(f.calls.size(), 4);
        // Its partner leaves the queue before "solo.png" starts.
        f.model->removeJob(f.job(5).id);
        f.succeedTheRest(3);
        QString namings;
        for (const auto& call : std::as_const(f.calls)) {
            namings += call->names.naming() == OutputNames::Naming::sourceName ? QLatin1Char('s') : QLatin1Char('b');
        }
        QCOMPARE(namings, QStringLiteral("ssbbb"));
        QVERIFY(f.job(0).downloads.isEmpty());
        QCOMPARE(f.job(2).downloads.at(0).path, f.tree.fileUrl(QStringLiteral("p/noise.png.webp")));
        QCOMPARE(f.job(1).downloads.size(), 1);
    }

    void stopDuringTheFirstOfThree_data()
    {
        QTest::addColumn<End>("end");
        QTest::newRow("transfer fails inside the stop") << End::atOnce;
        QTest::newRow("transfer fails on a later turn") << End::laterCancelled;
        QTest::newRow("call completes after the stop") << End::laterSucceeded;
    }

    void stopDuringTheFirstOfThree()
    {
        QFETCH(End, end);
        Fixture f(3, end);
        // Without a run, Stop only says so.
        f.model->stopAll();
        QCOMPARE(f.statusLog, QStringList{"Stopped by user."});
        // The last job succeeded in an earlier run; a stopped run leaves it as it was.
        f.model->jobModel()->update(f.job(2).id, [](ImageJob& job) {
            job.status = JobStatus::succeeded;
            job.downloads = {DownloadedFile(OutputKind::webp, job.url)};
        });
        const QUuid earlierFile = f.job(2).downloads.at(0).id;
        f.start();
        f.statusLog.clear();
        f.model->stopAll();
        QCOMPARE(f.states().at(0), "Stopped: " + stopped);
        expectIdle(*f.model);
        QVERIFY(f.call(0)->token.isCancelled());
        if (end != End::atOnce) {
            // The run waits for its call: nothing else moves until it ends.
            QTest::qWait(50); // nothing to wait on: the point is that nothing happens meanwhile
            QCOMPARE(f.status(1), JobStatus::queued);
            f.endLate(0, end);
        }
        QTRY_COMPARE(f.model->statusMessage(), done);
        QCOMPARE(f.calls.size(), 1);
        const QString first = end == End::laterSucceeded ? "Done: " + saved : "Stopped: " + stopped;
        QCOMPARE(f.states(), (QStringList{first, "Stopped: " + stopped, "Done: " + ready}));
        QCOMPARE(f.job(2).downloads.at(0).id, earlierFile);
        QCOMPARE(f.statusLog, (QStringList{"Stopped by user.", "Done."}));
        expectIdle(*f.model);
    }

    void stopAndAnImmediateNewRun_data()
    {
        QTest::addColumn<End>("end");
        QTest::newRow("old transfer fails inside the stop") << End::atOnce;
        QTest::newRow("old transfer fails during the new run") << End::laterCancelled;
        QTest::newRow("old call succeeds during the new run") << End::laterSucceeded;
        QTest::newRow("old call fails during the new run") << End::laterFailed;
    }

    void stopAndAnImmediateNewRun()
    {
        QFETCH(End, end);
        Fixture f(3, end);
        f.start();
        f.model->stopAll();
        f.model->optimizeAll();
        if (end != End::atOnce) {
            // The old call may still write the files the new run's first job would write: that job
            // waits for it, and the jobs behind it wait in line.
            QTest::qWait(20); // nothing to wait on: the point is that no new call starts meanwhile
            QCOMPARE(f.calls.size(), 1);
        }
        f.endLate(0, end);
        QTRY_COMPARE(f.calls.size(), 2);
        // Let anything the old run still had queued happen before looking.
        QSignalSpy tick(f.model->jobModel(), &QAbstractItemModel::dataChanged);
        QTest::qWait(20); // nothing is expected to happen: waiting on a signal would wait for a fault

        // The old run has left the new one alone: its job, the rest of the batch, the run state.
        QCOMPARE(tick.count(), 0);
        QCOMPARE(f.states(), (QStringList{"Processing: " + sending, "Queued: " + ready, "Queued: " + ready}));
        QVERIFY(f.job(0).downloads.isEmpty());
        QVERIFY(f.model->isProcessing() && f.model->hasOptimizeTask());
        f.succeedTheRest(1);
        QCOMPARE(f.calls.size(), 4);
        QCOMPARE(f.states(), QStringList(3, "Done: " + saved));
        QCOMPARE(f.statusLog,
                 (QStringList{"Optimizing 3 image(s)…", "Stopped by user.", "Optimizing 3 image(s)…", "Done."}));
        expectIdle(*f.model);
    }

    // Up to imagesAtOnce jobs are with the optimizer together, taken in queue order; everything that
    // holds for one job holds for each of them.
    void severalImagesInFlight()
    {
        Fixture f(6);
        f.model->setImagesAtOnce(3);
        QSignalSpy finished(f.model.get(), &AppViewModel::jobFinished);
        f.model->optimizeAll();
        QTRY_COMPARE(f.calls.size(), 3);
        QCOMPARE(f.statusLog, QStringList{"Optimizing 6 image(s)…"});
        QCOMPARE(f.states().mid(2, 2), (QStringList{"Processing: " + sending, "Queued: " + ready}));
        // A slot that frees takes the next job, with the settings of that moment; the result of a job
        // removed while in flight is dropped.
        f.model->setCompression(Compression::lossless);
        f.model->removeJob(f.job(0).id);
        f.call(0)->succeed();
        // A failure after a file was saved lists that file: it is on disk.
        Error boom(QStringLiteral("Boom."));
        boom.setWritten({DownloadedFile(OutputKind::optimized, f.tree.fileUrl(QStringLiteral("img1-optimized.jpg")))});
        f.call(1)->settle({}, std::make_exception_ptr(boom));
        QCOMPARE(f.job(0).downloads.size(), 1);
        QTRY_COMPARE(f.calls.size(), 5);
        QCOMPARE(f.call(4)->options.compression, Compression::lossless);
        QCOMPARE(f.call(2)->options.compression, Compression::lossy);
        // Fewer at once applies as jobs start.
        f.model->setImagesAtOnce(1);
        f.call(3)->succeed();
        QTest::qWait(20); // nothing to wait on: the point is that no job starts while three are in flight
        QCOMPARE(f.calls.size(), 5);
        // Stop aborts every call in flight; those jobs show "Stopped." at once, the last job never
        // reaches the optimizer.
        f.model->stopAll();
        QVERIFY(f.call(2)->token.isCancelled() && f.call(4)->token.isCancelled());
        QCOMPARE(f.states(), (QStringList{"Failed: Boom.", "Stopped: " + stopped, "Done: " + saved,
                                          "Stopped: " + stopped, "Queued: " + ready}));
        QTRY_COMPARE(f.model->statusMessage(), done);
        QCOMPARE(f.calls.size(), 5);
        QCOMPARE(f.states().last(), "Stopped: " + stopped);
        QCOMPARE(f.statusLog, (QStringList{"Optimizing 6 image(s)…", "Stopped by user.", "Done."}));
        expectIdle(*f.model);
        // How each job ended, typed: the removed job's end is not reported.
        QList<JobOutcome> outcomes;
        for (const QList<QVariant>& signal : std::as_const(finished)) {
            outcomes << signal.at(1).value<JobOutcome>();
        }
        QCOMPARE(outcomes, (QList<JobOutcome>{JobOutcome::failed, JobOutcome::optimized, JobOutcome::stopped,
                                              JobOutcome::stopped, JobOutcome::stopped}));
    }

    // Jobs that could write the same file never run together: the later waits in its place, and the
    // jobs behind it wait with it.
    void jobsThatMayWriteTheSameFilesNeverGoTogether()
    {
        Fixture f(0);
        f.model->setImagesAtOnce(4);
        const QUrl twice = f.tree.fileUrl(QStringLiteral("a.jpg"));
        f.model->addFiles({twice, twice, f.tree.fileUrl(QStringLiteral("b.jpg")),
                           f.tree.fileUrl(QStringLiteral("B-optimized.png")), f.tree.fileUrl(QStringLiteral("c.jpg"))});
        f.start();
        QTest::qWait(20); // nothing to wait on: the point is that the second "a.jpg" does not start
        QCOMPARE(f.calls.size(), 1);
        f.call(0)->succeed();
        // "B-optimized.png" would write "B-optimized.webp" where "b.jpg" may write its optimized WebP.
        QTRY_COMPARE(f.calls.size(), 3);
        QCOMPARE(f.call(1)->file, twice);
        QCOMPARE(f.call(2)->file, f.job(2).url);
        f.call(2)->succeed();
        QTRY_COMPARE(f.calls.size(), 5);
        QCOMPARE(f.call(3)->file, f.job(3).url);
        for (const qsizetype open : {1, 3, 4}) {
            f.call(open)->succeed();
        }
        QTRY_COMPARE(f.model->statusMessage(), done);
        QCOMPARE(f.calls.size(), 5);
    }

    // A job whose transfers are over lets the next one start while its files go to the disk; with one
    // at a time, a third waits until one of them has ended.
    void theNextJobStartsWhileFilesGoToTheDisk()
    {
        Fixture f(3);
        f.start();
        f.call(0)->transferred();
        QTRY_COMPARE(f.calls.size(), 2);
        QCOMPARE(f.status(0), JobStatus::running);
        f.call(1)->transferred();
        QTest::qWait(20); // nothing to wait on: the point is that no third job starts meanwhile
        QCOMPARE(f.calls.size(), 2);
        f.call(0)->succeed();
        QTRY_COMPARE(f.calls.size(), 3);
        f.call(1)->succeed();
        f.call(2)->succeed();
        QTRY_COMPARE(f.model->statusMessage(), done);
        QCOMPARE(f.states(), QStringList(3, "Done: " + saved));
    }

    // Each job goes to the engine chosen when it starts; on this computer no key is asked for.
    void jobsGoToTheEngineChosenWhenTheyStart()
    {
        TempTree tree;
        ScriptedOptimizer service;
        ScriptedOptimizer local;
        AppViewModel model(storeIn(tree), service.optimizer(), local.optimizer());
        model.setEngine(Engine::local);
        model.addFiles({tree.fileUrl(QStringLiteral("a.jpg")), tree.fileUrl(QStringLiteral("b.jpg"))});
        QVERIFY(model.apiKey().isEmpty() && model.canOptimize());
        model.optimizeAll();
        QTRY_COMPARE(local.calls.size(), 1);
        model.setEngine(Engine::service);
        model.setApiKey(QStringLiteral("key"));
        local.call(0)->succeed();
        QTRY_COMPARE(service.calls.size(), 1);
        QCOMPARE(service.call(0)->file.fileName(), QStringLiteral("b.jpg"));
        QCOMPARE(service.call(0)->options.apiKey, QStringLiteral("key"));
        service.call(0)->succeed();
        QTRY_COMPARE(model.statusMessage(), done);
        QCOMPARE(local.calls.size(), 1);
        model.setApiKey(QStringLiteral(" "));
        QVERIFY(!model.canOptimize());
        model.setEngine(Engine::local);
        QVERIFY(model.canOptimize());
    }

    void optimizeAllChangesNothingWhenItCannotRun_data()
    {
        QTest::addColumn<int>("jobs");
        QTest::addColumn<QString>("key");
        QTest::newRow("blank key") << 1 << QStringLiteral(" \t\r\n ");
        QTest::newRow("empty queue") << 0 << QStringLiteral("key");
        QTest::newRow("run in progress") << 2 << QStringLiteral("key");
    }

    void optimizeAllChangesNothingWhenItCannotRun()
    {
        QFETCH(int, jobs);
        QFETCH(QString, key);
        const bool running = jobs > 1;
        Fixture f(jobs);
        f.model->setApiKey(key);
        if (running) {
            f.start();
            f.model->addFiles({f.tree.fileUrl(QStringLiteral("more.jpg"))});
        }
        const QStringList statusBefore = f.statusLog;
        QSignalSpy task(f.model.get(), &AppViewModel::optimizeTaskChanged);
        f.model->optimizeAll();
        QCOMPARE(f.statusLog, statusBefore);
        QCOMPARE(task.count(), 0);
        QCOMPARE(f.model->isProcessing(), running);
        QVERIFY(f.calls.isEmpty() || !f.call(0)->token.isCancelled());
    }

    void theWindowBreathesBetweenJobsThatFailAtOnce()
    {
        Fixture f(20);
        f.failAtOnce = QStringLiteral("The file could not be read.");
        f.model->optimizeAll();
        // The handle is there before any job has failed, and so can be cancelled.
        QVERIFY(f.model->hasOptimizeTask());
        // A timer ticking on every pass of the event loop sees the batch half done only if the run
        // lets the loop run between its jobs.
        bool sawBatchHalfDone = false;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] {
            sawBatchHalfDone =
                sawBatchHalfDone || (f.status(0) == JobStatus::failed && f.status(19) == JobStatus::queued);
        });
        ticker.start(0);
        QTRY_COMPARE(f.model->statusMessage(), done);
        QVERIFY2(sawBatchHalfDone, "the run kept the event loop waiting");
        QCOMPARE(f.message(19), f.failAtOnce);
        expectIdle(*f.model);
    }

    void viewModelGoingAwayMidRun_data()
    {
        QTest::addColumn<End>("end");
        QTest::newRow("transfer aborted") << End::atOnce;
        QTest::newRow("call completes later") << End::laterSucceeded;
    }

    void viewModelGoingAwayMidRun()
    {
        QFETCH(End, end);
        Fixture f(2, end);
        f.start();
        f.model.reset();
        // The transfer in flight is aborted rather than left running for nobody.
        QVERIFY(f.call(0)->token.isCancelled());
        f.endLate(0, end);
        QCOMPARE(f.calls.size(), 1);
    }

    void withoutAnInjectedOptimizerTheServiceClientRuns()
    {
        // A file that is not there fails in the client before any request goes out.
        Fixture f(1, End::atOnce, false);
        f.model->optimizeAll();
        QTRY_COMPARE_WITH_TIMEOUT(f.model->statusMessage(), done, 30000);
        QVERIFY2(f.message(0).contains(QStringLiteral("img0.jpg")), qPrintable(f.message(0)));
    }
};

QTEST_GUILESS_MAIN(TestQueue)
#include "tst_queue.moc"
