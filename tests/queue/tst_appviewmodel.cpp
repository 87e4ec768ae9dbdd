#include "AppViewModel.h"
#include "TempTree.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <limits>
#include <memory>

namespace {

std::shared_ptr<ApiKeyStore> storeIn(const TempTree& tree)
{
    return std::make_shared<ApiKeyStore>(tree.path(QStringLiteral("config/settings.ini")));
}

QStringList fileNames(const AppViewModel& model)
{
    QStringList names;
    for (const ImageJob& job : model.jobs()) {
        names << job.url.fileName();
    }
    return names;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

void setStatus(AppViewModel& model, int row, JobStatus status, const QString& message = {})
{
    const QUuid id = model.jobs().at(row).id;
    QVERIFY(model.jobModel()->update(id, [&](ImageJob& job) {
        job.status = status;
        if (!message.isNull()) {
            job.message = message;
        }
    }));
}

QList<QUrl> urlsOf(const AppViewModel& model)
{
    QList<QUrl> urls;
    for (const ImageJob& job : model.jobs()) {
        urls << job.url;
    }
    return urls;
}

} // namespace

class TestAppViewModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Settings

    void firstLaunchDefaults()
    {
        TempTree tree;
        AppViewModel model(storeIn(tree));
        QCOMPARE(model.apiKey(), QString());
        QCOMPARE(model.compression(), Compression::lossy);
        QCOMPARE(model.convertToWebP(), true);
        QCOMPARE(model.convertToAVIF(), false);
        QCOMPARE(model.isProcessing(), false);
        QCOMPARE(model.hasOptimizeTask(), false);
        QCOMPARE(model.statusMessage(), QString());
        QCOMPARE(model.resizeMode(), ResizeMode::none);
        QCOMPARE(model.resizeWidth(), QString());
        QCOMPARE(model.resizeHeight(), QString());
        QCOMPARE(model.cmykToRgb(), true);
        QCOMPARE(model.upscale(), UpscaleFactor::none);
        QCOMPARE(model.removeBackground(), false);
        QCOMPARE(model.keepExif(), false);
        QVERIFY(model.jobs().isEmpty());
        QCOMPARE(model.jobModel()->rowCount(), 0);
        QCOMPARE(model.remainingCount(), 0);
        QVERIFY(!model.canOptimize());
    }

    void everyWriteIsPublished()
    {
        TempTree tree;
        AppViewModel model(storeIn(tree));
        // A write publishes even when the value does not change: views refresh on every write.
        const auto countWrites = [&](auto signal, auto write) {
            QSignalSpy spy(&model, signal);
            write();
            write();
            return spy.count();
        };
        QCOMPARE(countWrites(&AppViewModel::apiKeyChanged, [&] { model.setApiKey(QStringLiteral("k")); }), 2);
        QCOMPARE(countWrites(&AppViewModel::compressionChanged, [&] { model.setCompression(Compression::glossy); }), 2);
        QCOMPARE(countWrites(&AppViewModel::convertToWebPChanged, [&] { model.setConvertToWebP(false); }), 2);
        QCOMPARE(countWrites(&AppViewModel::convertToAVIFChanged, [&] { model.setConvertToAVIF(true); }), 2);
        QCOMPARE(countWrites(&AppViewModel::resizeModeChanged, [&] { model.setResizeMode(ResizeMode::contain); }), 2);
        QCOMPARE(countWrites(&AppViewModel::resizeWidthChanged, [&] { model.setResizeWidth(QStringLiteral("1")); }), 2);
        QCOMPARE(countWrites(&AppViewModel::resizeHeightChanged, [&] { model.setResizeHeight(QStringLiteral("2")); }),
                 2);
        QCOMPARE(countWrites(&AppViewModel::cmykToRgbChanged, [&] { model.setCmykToRgb(false); }), 2);
        QCOMPARE(countWrites(&AppViewModel::upscaleChanged, [&] { model.setUpscale(UpscaleFactor::x3); }), 2);
        QCOMPARE(countWrites(&AppViewModel::removeBackgroundChanged, [&] { model.setRemoveBackground(true); }), 2);
        QCOMPARE(countWrites(&AppViewModel::keepExifChanged, [&] { model.setKeepExif(true); }), 2);
    }

    void keyComesBackAfterRestartOtherSettingsDoNot()
    {
        TempTree tree;
        const QString typed = QStringLiteral(" abc123 \n");
        {
            AppViewModel first(storeIn(tree));
            first.setApiKey(typed);
            first.setCompression(Compression::lossless);
            first.setConvertToWebP(false);
            first.setResizeWidth(QStringLiteral("640"));
            first.setKeepExif(true);
        }
        AppViewModel second(storeIn(tree));
        QCOMPARE(second.apiKey(), typed);
        QCOMPARE(second.currentOptions().apiKey, QStringLiteral("abc123"));
        QCOMPARE(second.compression(), Compression::lossy);
        QCOMPARE(second.convertToWebP(), true);
        QCOMPARE(second.resizeWidth(), QString());
        QCOMPARE(second.keepExif(), false);
        // The key reaches the settings file at once, not only when the view model goes away.
        AppViewModel writer(storeIn(tree));
        writer.setApiKey(QStringLiteral("\tnew key\r\n"));
        QCOMPARE(ApiKeyStore(tree.path(QStringLiteral("config/settings.ini"))).apiKey(),
                 QStringLiteral("\tnew key\r\n"));
        QCOMPARE(writer.currentOptions().apiKey, QStringLiteral("new key"));
    }

    void optionsCarryTheSettingsOfTheMoment()
    {
        TempTree tree;
        AppViewModel model(storeIn(tree));
        model.setApiKey(QStringLiteral("key"));
        model.setCompression(Compression::glossy);
        model.setConvertToWebP(false);
        model.setConvertToAVIF(true);
        model.setResizeMode(ResizeMode::none);
        model.setResizeWidth(QStringLiteral(" 800 "));
        model.setResizeHeight(QStringLiteral("8 00"));
        model.setCmykToRgb(false);
        model.setUpscale(UpscaleFactor::x4);
        model.setRemoveBackground(true);
        model.setKeepExif(true);
        const TovalinOptions options = model.currentOptions();
        QCOMPARE(options.apiKey, QStringLiteral("key"));
        QCOMPARE(options.compression, Compression::glossy);
        QCOMPARE(options.convertToWebP, false);
        QCOMPARE(options.convertToAVIF, true);
        QCOMPARE(options.resizeMode, ResizeMode::none);
        // Width and height travel whatever the resize mode; the request decides what is sent.
        QCOMPARE(options.resizeWidth, std::optional<qint64>(800));
        QCOMPARE(options.resizeHeight, std::nullopt);
        QCOMPARE(options.cmykToRgb, false);
        QCOMPARE(options.upscale, UpscaleFactor::x4);
        QCOMPARE(options.removeBackground, true);
        QCOMPARE(options.keepExif, true);
        // Typed text is kept as typed.
        QCOMPARE(model.resizeWidth(), QStringLiteral(" 800 "));
    }

    void dimensionParsing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<qint64>>("expected");
        const auto none = std::optional<qint64>();
        const auto some = [](qint64 v) { return std::optional<qint64>(v); };
        QTest::newRow("plain") << QStringLiteral("800") << some(800);
        QTest::newRow("spaces both ends") << QStringLiteral("  800  ") << some(800);
        QTest::newRow("tabs both ends") << QStringLiteral("\t800\t") << some(800);
        QTest::newRow("mixed spaces and tabs") << QStringLiteral(" \t 800\t ") << some(800);
        QTest::newRow("trailing line break") << QStringLiteral("800\n") << none;
        QTest::newRow("leading line break") << QStringLiteral("\n800") << none;
        QTest::newRow("carriage return") << QStringLiteral("800\r") << none;
        QTest::newRow("inner space") << QStringLiteral("8 00") << none;
        QTest::newRow("unit") << QStringLiteral("800px") << none;
        QTest::newRow("exponent") << QStringLiteral("1e3") << none;
        QTest::newRow("decimal point") << QStringLiteral("12.0") << none;
        QTest::newRow("hex") << QStringLiteral("0x10") << none;
        QTest::newRow("empty") << QString() << none;
        QTest::newRow("blank") << QStringLiteral("   ") << none;
        QTest::newRow("plus sign") << QStringLiteral("+800") << some(800);
        QTest::newRow("minus one") << QStringLiteral("-1") << some(-1);
        QTest::newRow("zero") << QStringLiteral("0") << some(0);
        QTest::newRow("leading zeros") << QStringLiteral("007") << some(7);
        QTest::newRow("sign alone") << QStringLiteral("+") << none;
        QTest::newRow("minus alone") << QStringLiteral("-") << none;
        QTest::newRow("two signs") << QStringLiteral("+-5") << none;
        QTest::newRow("space after sign") << QStringLiteral("- 5") << none;
        QTest::newRow("other script digits") << QStringLiteral("\u0663\u0663") << none;
        QTest::newRow("fullwidth digits") << QStringLiteral("\uFF18\uFF10\uFF10") << none;
        QTest::newRow("largest") << QStringLiteral("9223372036854775807") << some(std::numeric_limits<qint64>::max());
        QTest::newRow("smallest") << QStringLiteral("-9223372036854775808") << some(std::numeric_limits<qint64>::min());
        QTest::newRow("one beyond largest") << QStringLiteral("9223372036854775808") << none;
        QTest::newRow("one beyond smallest") << QStringLiteral("-9223372036854775809") << none;
        QTest::newRow("far beyond") << QStringLiteral("99999999999999999999999") << none;
    }

    void dimensionParsing()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<qint64>, expected);
        QCOMPARE(AppViewModel::parseDimension(text), expected);
        TempTree tree;
        AppViewModel model(storeIn(tree));
        model.setResizeWidth(text);
        model.setResizeHeight(text);
        QCOMPARE(model.currentOptions().resizeWidth, expected);
        QCOMPARE(model.currentOptions().resizeHeight, expected);
    }

    // Intake

    void folderWalkKeepsVisibleImagesOfTheTenKinds()
    {
        TempTree tree;
        tree.writeFile(QStringLiteral("pics/A.JPG"));
        tree.writeFile(QStringLiteral("pics/b.Png"));
        tree.writeFile(QStringLiteral("pics/notes.txt"));
        tree.writeFile(QStringLiteral("pics/.hidden.jpg"));
        tree.writeFile(QStringLiteral("pics/noextension"));
        tree.writeFile(QStringLiteral("pics/x.jpe"));
        tree.writeFile(QStringLiteral("pics/x.avif"));
        tree.writeFile(QStringLiteral("pics/jpg"));
        tree.writeFile(QStringLiteral("pics/sub/photo.webp"));
        tree.writeFile(QStringLiteral("pics/sub/deep/er/z.HEIF"));
        tree.writeFile(QStringLiteral("pics/sub/deep/scan.TiFf"));
        tree.writeFile(QStringLiteral("pics/.hiddenfolder/inside.jpg"));
        tree.writeFile(QStringLiteral("pics/.hiddenfolder/below/visible.png"));
        tree.writeFile(QStringLiteral("pics/all/a.jpeg"));
        tree.writeFile(QStringLiteral("pics/all/b.gif"));
        tree.writeFile(QStringLiteral("pics/all/c.tif"));
        tree.writeFile(QStringLiteral("pics/all/d.bmp"));
        tree.writeFile(QStringLiteral("pics/all/e.heic"));
        // A folder whose name looks like an image is not an image.
        tree.makeFolder(QStringLiteral("pics/folder.jpg"));

        AppViewModel model(storeIn(tree));
        QSignalSpy changed(&model, &AppViewModel::jobsChanged);
        QSignalSpy inserted(model.jobModel(), &QAbstractItemModel::rowsInserted);
        model.addFiles({tree.folderUrl(QStringLiteral("pics"))});

        QCOMPARE(sorted(fileNames(model)), sorted({"A.JPG", "b.Png", "photo.webp", "z.HEIF", "scan.TiFf", "a.jpeg",
                                                   "b.gif", "c.tif", "d.bmp", "e.heic"}));
        // The jobs arrive in the order of the walk, each with the path it was found under.
        QCOMPARE(urlsOf(model), AppViewModel::collectImages(tree.folderUrl(QStringLiteral("pics"))));
        QVERIFY(urlsOf(model).contains(tree.fileUrl(QStringLiteral("pics/sub/deep/er/z.HEIF"))));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), 0);
        QCOMPARE(inserted.at(0).at(2).toInt(), 9);

        QSet<QUuid> ids;
        for (const ImageJob& job : model.jobs()) {
            QCOMPARE(job.status, JobStatus::queued);
            QCOMPARE(job.message, QStringLiteral("Ready to optimize."));
            QVERIFY(job.downloads.isEmpty());
            QVERIFY(!job.id.isNull());
            ids.insert(job.id);
        }
        QCOMPARE(ids.size(), 10);
    }

    void folderWalkDoesNotFollowLinkedFolders()
    {
        TempTree tree;
        tree.writeFile(QStringLiteral("elsewhere/outside.jpg"));
        tree.writeFile(QStringLiteral("scan/inside.jpg"));
        QVERIFY(QFile::link(tree.path(QStringLiteral("elsewhere")), tree.path(QStringLiteral("scan/linked"))));
        // A link back up the tree would loop forever if links were followed.
        QVERIFY(QFile::link(tree.path(QStringLiteral("scan")), tree.path(QStringLiteral("scan/loop"))));
        QVERIFY(QFile::link(tree.path(QStringLiteral("elsewhere")), tree.path(QStringLiteral("scan/looks.jpg"))));

        AppViewModel model(storeIn(tree));
        model.addFiles({tree.folderUrl(QStringLiteral("scan"))});
        QCOMPARE(urlsOf(model), QList<QUrl>{tree.fileUrl(QStringLiteral("scan/inside.jpg"))});
    }

    void filesGivenDirectlyAreTakenAsTheyAre()
    {
        TempTree tree;
        tree.writeFile(QStringLiteral("notes.txt"));
        tree.writeFile(QStringLiteral("noextension"));
        tree.writeFile(QStringLiteral(".hidden.jpg"));
        tree.makeFolder(QStringLiteral("unmarked"));
        const QList<QUrl> given{
            tree.fileUrl(QStringLiteral("notes.txt")),
            tree.fileUrl(QStringLiteral("noextension")),
            tree.fileUrl(QStringLiteral(".hidden.jpg")),
            tree.fileUrl(QStringLiteral("not-there.avif")),
            // Without the folder mark a folder is one more file: the caller marks folders.
            tree.fileUrl(QStringLiteral("unmarked")),
        };
        AppViewModel model(storeIn(tree));
        QSignalSpy changed(&model, &AppViewModel::jobsChanged);
        model.addFiles(given);
        QCOMPARE(urlsOf(model), given);
        QCOMPARE(changed.count(), 1);
    }

    void directoryUrlMarksAFolder()
    {
        TempTree tree;
        tree.writeFile(QStringLiteral("album/one.png"));
        const QUrl marked = AppViewModel::directoryUrl(tree.path(QStringLiteral("album")));
        QVERIFY(marked.path().endsWith(QLatin1Char('/')));
        QCOMPARE(AppViewModel::directoryUrl(tree.path(QStringLiteral("album/"))), marked);
        AppViewModel model(storeIn(tree));
        model.addFiles({marked});
        QCOMPARE(fileNames(model), QStringList{"one.png"});
    }

    void alreadyQueuedFilesAreNotAddedAgainInAnyState()
    {
        TempTree tree;
        const QStringList names{"q.jpg", "r.jpg", "s.jpg", "f.jpg"};
        QList<QUrl> urls;
        for (const QString& name : names) {
            tree.writeFile(QStringLiteral("in/") + name);
            urls << tree.fileUrl(QStringLiteral("in/") + name);
        }
        AppViewModel model(storeIn(tree));
        model.addFiles(urls);
        setStatus(model, 1, JobStatus::running);
        setStatus(model, 2, JobStatus::succeeded);
        setStatus(model, 3, JobStatus::failed, QStringLiteral("Stopped."));
        const QList<ImageJob> before = model.jobs();

        QSignalSpy changed(&model, &AppViewModel::jobsChanged);
        QSignalSpy inserted(model.jobModel(), &QAbstractItemModel::rowsInserted);
        model.addFiles(urls);
        model.addFiles({tree.folderUrl(QStringLiteral("in"))});
        QCOMPARE(changed.count(), 0);
        QCOMPARE(inserted.count(), 0);
        QCOMPARE(model.jobs().size(), 4);
        for (qsizetype i = 0; i < before.size(); ++i) {
            QCOMPARE(model.jobs().at(i).id, before.at(i).id);
            QCOMPARE(model.jobs().at(i).status, before.at(i).status);
        }

        // Once the job is gone the file can come back, as a new job.
        const QUuid oldId = model.jobs().at(2).id;
        model.removeJob(oldId);
        model.addFiles({urls.at(2)});
        QCOMPARE(model.jobs().size(), 4);
        QCOMPARE(model.jobs().last().url, urls.at(2));
        QVERIFY(model.jobs().last().id != oldId);
        QCOMPARE(model.jobs().last().status, JobStatus::queued);
    }

    void sameFileTwiceInOneCallGivesTwoJobs()
    {
        TempTree tree;
        tree.writeFile(QStringLiteral("set/one.jpg"));
        AppViewModel model(storeIn(tree));
        QSignalSpy changed(&model, &AppViewModel::jobsChanged);
        const QUrl file = tree.fileUrl(QStringLiteral("set/one.jpg"));
        model.addFiles({tree.folderUrl(QStringLiteral("set")), file, file});
        QCOMPARE(urlsOf(model), (QList<QUrl>{file, file, file}));
        QCOMPARE(changed.count(), 1);
        QVERIFY(model.jobs().at(0).id != model.jobs().at(1).id);
    }

    void comparisonIsExact()
    {
        TempTree tree;
        tree.writeFile(QStringLiteral("d/one.jpg"));
        AppViewModel model(storeIn(tree));
        model.addFiles({tree.fileUrl(QStringLiteral("d/one.jpg"))});
        // Another spelling of the same file is another location: no normalisation.
        model.addFiles({tree.fileUrl(QStringLiteral("d/../d/one.jpg")), tree.fileUrl(QStringLiteral("d/ONE.jpg"))});
        QCOMPARE(model.jobs().size(), 3);
    }

    void nothingToAddPublishesNothing()
    {
        TempTree tree;
        tree.makeFolder(QStringLiteral("empty"));
        tree.writeFile(QStringLiteral("textonly/readme.txt"));
        AppViewModel model(storeIn(tree));
        model.setApiKey(QStringLiteral("k"));
        QSignalSpy changed(&model, &AppViewModel::jobsChanged);
        QSignalSpy inserted(model.jobModel(), &QAbstractItemModel::rowsInserted);
        QSignalSpy status(&model, &AppViewModel::statusMessageChanged);
        model.addFiles({});
        model.addFiles({tree.folderUrl(QStringLiteral("missing"))});
        model.addFiles({tree.folderUrl(QStringLiteral("empty")), tree.folderUrl(QStringLiteral("textonly"))});
        model.addFiles({QUrl(QStringLiteral("https://example.invalid/folder/"))});
        QVERIFY(model.jobs().isEmpty());
        QCOMPARE(changed.count(), 0);
        QCOMPARE(inserted.count(), 0);
        QCOMPARE(status.count(), 0);
    }

    // Editing and derived state

    void removeJobTakesOutExactlyThatJob()
    {
        TempTree tree;
        AppViewModel model(storeIn(tree));
        model.addFiles({tree.fileUrl(QStringLiteral("a.jpg")), tree.fileUrl(QStringLiteral("b.jpg")),
                        tree.fileUrl(QStringLiteral("c.jpg"))});
        setStatus(model, 1, JobStatus::running);
        const QUuid running = model.jobs().at(1).id;

        QSignalSpy changed(&model, &AppViewModel::jobsChanged);
        QSignalSpy removed(model.jobModel(), &QAbstractItemModel::rowsRemoved);
        model.removeJob(running);
        QCOMPARE(fileNames(model), (QStringList{"a.jpg", "c.jpg"}));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.at(0).at(1).toInt(), 1);
        QCOMPARE(removed.at(0).at(2).toInt(), 1);

        // A job that is gone already: no rows move, yet the one write is still published.
        model.removeJob(running);
        QCOMPARE(model.jobs().size(), 2);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(removed.count(), 1);
    }

    void clearFinishedKeepsFailedQueuedAndRunning()
    {
        TempTree tree;
        AppViewModel model(storeIn(tree));
        model.addFiles({tree.fileUrl(QStringLiteral("s1.jpg")), tree.fileUrl(QStringLiteral("f.jpg")),
                        tree.fileUrl(QStringLiteral("q.jpg")), tree.fileUrl(QStringLiteral("s2.jpg")),
                        tree.fileUrl(QStringLiteral("s3.jpg")), tree.fileUrl(QStringLiteral("r.jpg"))});
        setStatus(model, 0, JobStatus::succeeded);
        setStatus(model, 1, JobStatus::failed, QStringLiteral("Stopped."));
        setStatus(model, 3, JobStatus::succeeded);
        setStatus(model, 4, JobStatus::succeeded);
        setStatus(model, 5, JobStatus::running);
        QCOMPARE(model.remainingCount(), 3);

        QSignalSpy changed(&model, &AppViewModel::jobsChanged);
        model.clearFinished();
        QCOMPARE(fileNames(model), (QStringList{"f.jpg", "q.jpg", "r.jpg"}));
        QCOMPARE(model.jobs().at(0).message, QStringLiteral("Stopped."));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(model.remainingCount(), 3);

        model.clearFinished();
        QCOMPARE(model.jobs().size(), 3);
        QCOMPARE(changed.count(), 2);
    }

    void clearQueueExceptRunningLeavesOnlyTheRunningJob()
    {
        TempTree tree;
        AppViewModel model(storeIn(tree));
        model.addFiles({tree.fileUrl(QStringLiteral("a.jpg")), tree.fileUrl(QStringLiteral("b.jpg")),
                        tree.fileUrl(QStringLiteral("c.jpg")), tree.fileUrl(QStringLiteral("d.jpg"))});
        setStatus(model, 0, JobStatus::succeeded);
        setStatus(model, 2, JobStatus::running);
        setStatus(model, 3, JobStatus::failed);
        QSignalSpy changed(&model, &AppViewModel::jobsChanged);
        model.clearQueueExceptRunning();
        QCOMPARE(fileNames(model), QStringList{"c.jpg"});
        QCOMPARE(changed.count(), 1);

        setStatus(model, 0, JobStatus::succeeded);
        model.clearQueueExceptRunning();
        QVERIFY(model.jobs().isEmpty());
        QCOMPARE(changed.count(), 2);
        model.clearQueueExceptRunning();
        QCOMPARE(changed.count(), 3);
    }

    void remainingCountCountsAllButSucceeded()
    {
        TempTree tree;
        AppViewModel model(storeIn(tree));
        model.addFiles({tree.fileUrl(QStringLiteral("a.jpg")), tree.fileUrl(QStringLiteral("b.jpg")),
                        tree.fileUrl(QStringLiteral("c.jpg"))});
        QCOMPARE(model.remainingCount(), 3);
        setStatus(model, 0, JobStatus::succeeded);
        setStatus(model, 1, JobStatus::succeeded);
        setStatus(model, 2, JobStatus::failed);
        QCOMPARE(model.remainingCount(), 1);
        setStatus(model, 2, JobStatus::running);
        QCOMPARE(model.remainingCount(), 1);
    }

    void canOptimizeNeedsKeyAndJobs()
    {
        TempTree tree;
        AppViewModel model(storeIn(tree));
        model.setApiKey(QStringLiteral("key"));
        QVERIFY(!model.canOptimize());
        model.addFiles({tree.fileUrl(QStringLiteral("a.jpg"))});
        QVERIFY(model.canOptimize());
        for (const QString& blank : {QString(), QStringLiteral("   "), QStringLiteral(" \t\n\r ")}) {
            model.setApiKey(blank);
            QVERIFY2(!model.canOptimize(), qPrintable(blank));
        }
        model.setApiKey(QStringLiteral(" x "));
        // Jobs in any state count, succeeded ones included: they are processed again.
        setStatus(model, 0, JobStatus::succeeded);
        QVERIFY(model.canOptimize());
    }

    // The job list as a model

    void modelStaysConsistentThroughIntakeAndEveryRemoval()
    {
        TempTree tree;
        for (int i = 0; i < 6; ++i) {
            tree.writeFile(QStringLiteral("m/%1.png").arg(i));
        }
        AppViewModel model(storeIn(tree));
        QAbstractItemModelTester tester(model.jobModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.addFiles({tree.folderUrl(QStringLiteral("m"))});
        model.addFiles({tree.fileUrl(QStringLiteral("extra.jpg")), tree.fileUrl(QStringLiteral("more.jpg"))});
        QCOMPARE(model.jobModel()->rowCount(), 8);
        setStatus(model, 0, JobStatus::succeeded);
        setStatus(model, 1, JobStatus::succeeded);
        setStatus(model, 3, JobStatus::succeeded);
        setStatus(model, 4, JobStatus::running);
        setStatus(model, 7, JobStatus::succeeded);

        QSignalSpy removed(model.jobModel(), &QAbstractItemModel::rowsRemoved);
        model.clearFinished();
        // Succeeded rows 0-1, 3 and 7 went, each run of neighbours as one block.
        QCOMPARE(removed.count(), 3);
        QCOMPARE(model.jobModel()->rowCount(), 4);
        model.removeJob(model.jobs().at(0).id);
        QCOMPARE(model.jobModel()->rowCount(), 3);
        model.clearQueueExceptRunning();
        QCOMPARE(model.jobModel()->rowCount(), 1);
        QCOMPARE(model.jobs().at(0).status, JobStatus::running);

        const QModelIndex row = model.jobModel()->index(0);
        QCOMPARE(row.data(JobListModel::IdRole).toUuid(), model.jobs().at(0).id);
        QCOMPARE(row.data(JobListModel::UrlRole).toUrl(), model.jobs().at(0).url);
        QCOMPARE(row.data(JobListModel::FileNameRole).toString(), model.jobs().at(0).url.fileName());
        QCOMPARE(row.data(Qt::DisplayRole).toString(), model.jobs().at(0).url.fileName());
        QCOMPARE(row.data(JobListModel::StatusRole).value<JobStatus>(), JobStatus::running);
        QCOMPARE(row.data(JobListModel::MessageRole).toString(), QStringLiteral("Ready to optimize."));
        QVERIFY(row.data(JobListModel::DownloadsRole).value<QList<DownloadedFile>>().isEmpty());
    }

    void aChangeToOneJobIsAChangeOfItsRowOnly()
    {
        TempTree tree;
        AppViewModel model(storeIn(tree));
        model.addFiles({tree.fileUrl(QStringLiteral("a.jpg")), tree.fileUrl(QStringLiteral("b.jpg")),
                        tree.fileUrl(QStringLiteral("c.jpg")), tree.fileUrl(QStringLiteral("d.jpg"))});
        const QUuid third = model.jobs().at(2).id;
        const QPersistentModelIndex tracked(model.jobModel()->index(2));
        model.removeJob(model.jobs().at(0).id);
        // The row follows its job through the removal above it.
        QCOMPARE(tracked.row(), 1);
        QCOMPARE(tracked.data(JobListModel::IdRole).toUuid(), third);

        QSignalSpy dataChanged(model.jobModel(), &QAbstractItemModel::dataChanged);
        QSignalSpy reset(model.jobModel(), &QAbstractItemModel::modelReset);
        QVERIFY(model.jobModel()->update(third, [](ImageJob& job) { job.message = QStringLiteral("changed"); }));
        QCOMPARE(dataChanged.count(), 1);
        QCOMPARE(dataChanged.at(0).at(0).toModelIndex(), model.jobModel()->index(1));
        QCOMPARE(dataChanged.at(0).at(1).toModelIndex(), model.jobModel()->index(1));
        QCOMPARE(tracked.data(JobListModel::MessageRole).toString(), QStringLiteral("changed"));
        QCOMPARE(reset.count(), 0);
        QCOMPARE(model.jobModel()->rowOf(third), 1);
        QVERIFY(!model.jobModel()->update(QUuid::createUuid(), [](ImageJob&) {}));
        QCOMPARE(dataChanged.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestAppViewModel)
#include "tst_appviewmodel.moc"
