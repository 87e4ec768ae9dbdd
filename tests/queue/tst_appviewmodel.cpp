#include "AppViewModel.h"
#include "SizeText.h"
#include "TempTree.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QLocale>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <functional>
#include <limits>
#include <memory>

namespace {

std::shared_ptr<ApiKeyStore> storeIn(const TempTree& tree)
{
    return std::make_shared<ApiKeyStore>(tree.path(QStringLiteral("config/settings.ini")));
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
            job.downloads = done ? QList<DownloadedFile>{DownloadedFile(QStringLiteral("Optimized"), job.url, 400)}
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

} // namespace

class TestAppViewModel : public QObject
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
    }

    void settings()
    {
        QFETCH(QVariant, initial);
        QFETCH(QVariant, written);
        QFETCH(QVariant, sent);
        const char* name = QTest::currentDataTag();
        TempTree tree;
        AppViewModel model(storeIn(tree));
        QCOMPARE(model.property(name), initial);
        const QMetaObject* meta = model.metaObject();
        QSignalSpy changed(&model, meta->property(meta->indexOfProperty(name)).notifySignal());
        // A write publishes even when the value does not change: views refresh on every write.
        QVERIFY(model.setProperty(name, written));
        QVERIFY(model.setProperty(name, written));
        QCOMPARE(changed.count(), 2);
        // The setting reaches its own option and no other.
        QVariantMap expected = sentOptions(TovalinOptions());
        expected[QString::fromLatin1(name)] = sent;
        QCOMPARE(sentOptions(model.currentOptions()), expected);
        // Only the key outlives the view model, and it reaches the settings file at once.
        const AppViewModel next(storeIn(tree));
        QCOMPARE(next.property(name), qstrcmp(name, "apiKey") == 0 ? written : initial);
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

        AppViewModel model(storeIn(tree));
        QAbstractItemModelTester tester(model.jobModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(model.jobModel(), &QAbstractItemModel::rowsInserted);
        const QUrl folder = AppViewModel::directoryUrl(tree.path(QStringLiteral("pics")));
        QCOMPARE(AppViewModel::directoryUrl(tree.path(QStringLiteral("pics/"))), folder);
        model.addFiles({folder});
        QCOMPARE(sorted(urlsOf(model)), sorted(urlsIn(tree, images)));
        // The jobs arrive in the order of the walk, as one block of rows.
        QCOMPARE(urlsOf(model), AppViewModel::collectImages(folder));
        QCOMPARE(inserted.count(), 1);
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
        AppViewModel model(storeIn(tree));
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
        AppViewModel model(storeIn(tree));
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
        const QString texts = SizeText::fileDetail(DownloadedFile(format, QUrl(), size), original) +
                              QStringLiteral(" | ") + SizeText::saved(original, size);
        QLocale::setDefault(before);
        QCOMPARE(texts, expected);
    }

    // After a removal a job is still found by its id and its row shows it; the removed file can come
    // back, as a new job.
    void rowsFollowTheirJobs()
    {
        TempTree tree;
        AppViewModel model(storeIn(tree));
        queue(model, tree, QStringLiteral("qqq"));
        const QUrl firstUrl = model.jobs().at(0).url;
        model.removeJob(model.jobs().at(0).id);
        const QUuid id = model.jobs().at(1).id;
        QVERIFY(model.jobModel()->update(id, [&](ImageJob& job) {
            job.status = JobStatus::running;
            job.message = QStringLiteral("changed");
            job.downloads = {DownloadedFile(QStringLiteral("WebP"), firstUrl)};
        }));
        const QModelIndex row = model.jobModel()->index(1);
        QCOMPARE(row.data(JobListModel::IdRole).toUuid(), id);
        QCOMPARE(
            QStringList({row.data(JobListModel::UrlRole).toUrl().fileName(),
                         row.data(JobListModel::FileNameRole).toString(), row.data(Qt::DisplayRole).toString(),
                         label(row.data(JobListModel::StatusRole).value<JobStatus>()),
                         row.data(JobListModel::MessageRole).toString(),
                         row.data(JobListModel::DownloadsRole).value<QList<DownloadedFile>>().at(0).path.fileName()}),
            QStringList({"2.jpg", "2.jpg", "2.jpg", "Processing", "changed", "0.jpg"}));
        model.addFiles({firstUrl});
        QCOMPARE(urlsOf(model), urlsIn(tree, words("1.jpg 2.jpg 0.jpg")));
    }
};

QTEST_GUILESS_MAIN(TestAppViewModel)
#include "tst_appviewmodel.moc"
