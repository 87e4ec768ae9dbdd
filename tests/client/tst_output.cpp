#include "client/CancelToken.h"
#include "client/RequestParameters.h"
#include "client/TovalinClient.h"
#include "model/FileNames.h"
#include "output/BriefMark.h"
#include "output/MarkedOutputs.h"
#include "output/OutputMark.h"
#include "output/OutputNames.h"
#include "output/RerunCheck.h"
#include "queue/JobPipeline.h"
#include "tests/client/ClientTestSupport.h"
#include "tests/support/ReplyFixtures.h"
#include "tests/support/TempTree.h"
#include "tests/support/TestHttpsServer.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <memory>
#include <sys/stat.h>
#include <sys/xattr.h>

using namespace std::chrono_literals;
using Run = RunningTask<QList<DownloadedFile>>;

namespace {

const QByteArray uploadPath = "/v2/post-reducer.php";

TovalinOptions options(bool webp = false, bool avif = false)
{
    TovalinOptions options;
    options.apiKey = QStringLiteral("test-key");
    options.convertToWebP = webp;
    options.convertToAVIF = avif;
    options.cmykToRgb = false;
    return options;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Everything in `folder`, hidden entries too, sorted.
QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

qint64 modifiedNs(const QString& path)
{
    struct stat info
    {
    };
    return stat(QFile::encodeName(path).constData(), &info) == 0
               ? qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec
               : -1;
}

} // namespace

// Where a job's results go and how they get there: their names beside the source or in a folder of
// results, what happens to a file that holds a name already, the mark and the date each output takes,
// and what a failure or a stop leaves on disk; then the check that tells a rerun what is up to date.
// The service is a real HTTPS server on loopback, answering with the fixture files.
class TestOutput : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHttpsServer> m_server;
    std::unique_ptr<TempTree> m_tree;
    QString m_source;
    QByteArray m_sourceBytes;

    QUrl addSource(const QString& name, const QByteArray& bytes = encodedJpeg())
    {
        m_source = m_tree->writeFile(name, bytes);
        m_sourceBytes = bytes;
        return QUrl::fromLocalFile(m_source);
    }

    TovalinClient client() const { return TovalinClient(m_server->baseUrl(), TestHttpsServer::makeTransport()); }

    void serve(const char* fixture)
    {
        m_server->route(uploadPath, ReplyFixtures::reply(QString::fromLatin1(fixture), *m_server));
        // Every result address answers with a body naming the address.
        m_server->setDefaultRoute([](const RecordedRequest& request) {
            return ScriptedReply::file("result of " + request.target, "image/jpeg");
        });
    }

    // The job for the source, beside it or, with `resultsFolder`, in the place there that mirrors its
    // place under `addedFrom`.
    JobRequest request(const TovalinOptions& options, const QString& resultsFolder = {},
                       const QString& addedFrom = {}) const
    {
        JobRequest job = JobRequest::forFile(QUrl::fromLocalFile(m_source), options);
        job.names = OutputNames(m_source, OutputNames::Naming::baseName,
                                OutputNames::folderFor(m_source, addedFrom, resultsFolder));
        return job;
    }

    // What a job saved, in one line: each file as Kind:name (a path in the tree when it is not beside
    // the source; "=content" when it does not hold what an address served; "(kept X)" for a file left
    // alone), or the error followed by "[wrote …]" for what it saved before; then "| there:" and what
    // the results' folder holds when that is not just the source and those files.
    QString outcome(const Run& run, const OutputNames& names) const
    {
        const QList<DownloadedFile> files = run.succeeded() ? run.value() : run.written();
        QStringList line = describe(run, files);
        QStringList written;
        for (const DownloadedFile& file : files) {
            written << file.path.fileName();
        }
        written.sort();
        QStringList there = entriesOf(names.folder());
        there.removeOne(QFileInfo(m_source).fileName());
        if (there != written) {
            line << QStringLiteral("| there:") << there;
        }
        return line.join(QLatin1Char(' '));
    }

    QStringList describe(const Run& run, const QList<DownloadedFile>& files) const
    {
        QStringList parts;
        for (const DownloadedFile& file : files) {
            const QFileInfo info(file.path.toLocalFile());
            const bool beside = info.absolutePath() == QFileInfo(m_source).absolutePath();
            QString entry = key(file.kind) + QLatin1Char(':') +
                            (beside ? info.fileName() : QDir(m_tree->root()).relativeFilePath(info.filePath()));
            const QByteArray content = readFile(info.filePath());
            if (!content.startsWith("result of /")) {
                entry += QLatin1Char('=') + QString::fromUtf8(content);
            }
            if (!file.notReplaced.isEmpty()) {
                entry += QStringLiteral(" (kept %1)").arg(file.notReplaced.fileName());
            }
            parts << entry;
        }
        if (!run.succeeded()) {
            const QString error = run.isCancellation() ? QStringLiteral("(cancelled)") : run.errorText();
            if (parts.isEmpty()) {
                return {error};
            }
            return {error, QStringLiteral("[wrote %1]").arg(parts.join(QLatin1Char(' ')))};
        }
        return parts;
    }

    QString optimize(const JobRequest& job)
    {
        Run run(JobPipeline::run(client(), job, CancelToken()));
        run.wait();
        return outcome(run, job.names);
    }

private Q_SLOTS:
    void init()
    {
        m_server = std::make_unique<TestHttpsServer>();
        QVERIFY(m_server->isListening());
        m_tree = std::make_unique<TempTree>();
        QVERIFY(m_tree->isValid());
        m_source.clear();
    }

    void cleanup()
    {
        if (!m_source.isEmpty() && QFileInfo::exists(m_source)) {
            QVERIFY2(readFile(m_source) == m_sourceBytes, "the source image changed");
        }
        m_server.reset();
        m_tree.reset();
    }

    // The names one function gives every kind, in both namings, and from the whole source name; only
    // a plain extension of the result's is taken; no name leaves its folder or is the source itself.
    void names_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("shared");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("expected"); // optimized, WebP, AVIF, fallback | the long names
        const auto row = [](const char* name, const char* source, bool shared, const char* extension,
                            const char* expected) { QTest::newRow(name) << source << shared << extension << expected; };
        row("plain", "/p/photo.jpg", false, "png",
            "photo-optimized.png photo.webp photo.avif photo-optimized.jpg | photo.jpg-optimized.png photo.jpg.webp "
            "photo.jpg.avif photo.jpg-optimized.jpg");
        row("only the last extension", "/p/my.photo.jpg", false, "jpg",
            "my.photo-optimized.jpg my.photo.webp my.photo.avif my.photo-optimized.jpg | my.photo.jpg-optimized.jpg "
            "my.photo.jpg.webp my.photo.jpg.avif my.photo.jpg-optimized.jpg");
        row("shared: another format takes the whole name", "/p/noise.PNG", true, "png",
            "noise.PNG-optimized.png noise.PNG.webp noise.PNG.avif noise-optimized.PNG | noise.PNG-optimized.png "
            "noise.PNG.webp noise.PNG.avif noise.PNG-optimized.PNG");
        row("shared: its own format keeps the short name", "/p/noise.jpg", true, "",
            "noise-optimized.jpg noise.jpg.webp noise.jpg.avif noise-optimized.jpg | noise.jpg-optimized.jpg "
            "noise.jpg.webp noise.jpg.avif noise.jpg-optimized.jpg");
        row("no extension", "/p/scan", false, "",
            "scan-optimized scan.webp scan.avif scan-optimized | scan-optimized scan.webp scan.avif scan-optimized");
        for (const QString& hostile : {QStringLiteral("jpg/../../evil"), QString::fromUtf8("jp\0g", 4),
                                       QStringLiteral("abcdefghi"), QStringLiteral("p g")}) {
            QTest::addRow("hostile extension '%s'", qPrintable(hostile))
                << "/p/a.gif" << false << hostile
                << "a-optimized.gif a.webp a.avif a-optimized.gif | a.gif-optimized.gif a.gif.webp a.gif.avif "
                   "a.gif-optimized.gif";
        }
    }

    void names()
    {
        QFETCH(QString, source);
        QFETCH(bool, shared);
        QFETCH(QString, extension);
        QFETCH(QString, expected);
        const OutputNames names(source, shared ? OutputNames::Naming::sourceName : OutputNames::Naming::baseName);
        QStringList made;
        QStringList long_;
        for (const OutputKind kind : allOutputKinds) {
            made << names.name(kind, extension);
            long_ << names.longName(kind, extension);
        }
        made << names.name(OutputKind::optimized);
        long_ << names.longName(OutputKind::optimized);
        QCOMPARE(made.join(QLatin1Char(' ')) + QStringLiteral(" | ") + long_.join(QLatin1Char(' ')), expected);
        for (const QString& name : made + long_) {
            QVERIFY2(names.destination(name), qPrintable(name));
        }
    }

    // Where results go and how their marks name the source: beside it by its name; in a folder of
    // results at the place that mirrors it under the folder it was found in, or at the top for one
    // added by itself, by its whole path. What no name may be.
    void placesAndReferences()
    {
        const auto folder = [](const char* source, const char* addedFrom, const char* results) {
            return OutputNames::folderFor(QString::fromLatin1(source), QString::fromLatin1(addedFrom),
                                          QString::fromLatin1(results));
        };
        QCOMPARE(folder("/p/trip/day 1/a.jpg", "/p", ""), QStringLiteral("/p/trip/day 1"));
        QCOMPARE(folder("/p/trip/day 1/a.jpg", "/p", "/out"), QStringLiteral("/out/trip/day 1"));
        QCOMPARE(folder("/p/a.jpg", "/p", "/out/"), QStringLiteral("/out"));
        QCOMPARE(folder("/p/a.jpg", "", "/out"), QStringLiteral("/out"));
        QCOMPARE(folder("/pictures/a.jpg", "/p", "/out"), QStringLiteral("/out"));
        QCOMPARE(folder("/p/x/a.jpg", "/", "/out"), QStringLiteral("/out/p/x"));
        // Paths not in their clean form are cleaned; names that only look like "." or ".." are kept.
        QCOMPARE(folder("/p//trip/./x/../a.jpg", "/p", ""), QStringLiteral("/p/trip"));
        QCOMPARE(folder("/a.jpg", "", ""), QStringLiteral("/"));
        const OutputNames unclean(QStringLiteral("/p/./..x/../.y/a.jpg"), OutputNames::Naming::baseName,
                                  QStringLiteral("/out//.../"));
        QCOMPARE(unclean.sourcePath(), QStringLiteral("/p/.y/a.jpg"));
        QCOMPARE(unclean.folder(), QStringLiteral("/out/..."));
        QCOMPARE(OutputNames(QStringLiteral("/..a/b.png")).folder(), QStringLiteral("/..a"));

        const OutputNames beside(QStringLiteral("/p/Photo.webp"));
        QVERIFY(beside.isBesideSource());
        QCOMPARE(beside.sourceReference(), QByteArray("Photo.webp"));
        // The source is never taken for one of its results, letter case aside.
        QCOMPARE(beside.destination(QStringLiteral("photo.WEBP")), std::nullopt);
        for (const char* name : {"", ".", "..", "a/b", "a\\b", "C:x"}) {
            QVERIFY2(!beside.destination(QString::fromLatin1(name)), name);
        }
        const OutputNames elsewhere(QStringLiteral("/p/Photo.webp"), OutputNames::Naming::baseName,
                                    QStringLiteral("/out"));
        QVERIFY(!elsewhere.isBesideSource());
        QCOMPARE(elsewhere.sourceReference(), QByteArray("/p/Photo.webp"));
        QCOMPARE(elsewhere.destination(QStringLiteral("Photo.webp")), QStringLiteral("/out/Photo.webp"));
        // A folder of results that is the source's own folder is beside it.
        QVERIFY(OutputNames(QStringLiteral("/p/a.jpg"), OutputNames::Naming::baseName, QStringLiteral("/p/"))
                    .isBesideSource());

        // Two sources whose results could meet claim a stem in common; others do not.
        const auto meet = [](const char* a, const char* b) {
            return OutputNames(QString::fromLatin1(a))
                .claims()
                .intersects(OutputNames(QString::fromLatin1(b)).claims());
        };
        QVERIFY(meet("/p/a.jpg", "/p/A.png"));
        QVERIFY(meet("/p/a.jpg", "/p/a.jpg.png"));
        QVERIFY(meet("/p/a.jpg", "/p/a-optimized.png"));
        QVERIFY(!meet("/p/a.jpg", "/q/a.jpg"));
        QVERIFY(!meet("/p/a.jpg", "/p/b.jpg"));
        QCOMPARE(OutputNames::remoteExtension(QUrl(QStringLiteral("https://h/r/x.png?sig=a.b/c.exe"))),
                 QStringLiteral("png"));
        // An encoded "/" stays within the last component, whose extension is then no plain one.
        QCOMPARE(OutputNames::remoteExtension(QUrl(QStringLiteral("https://h/r/x.jpg%2F..%2Fevil"))),
                 QStringLiteral("/evil"));
    }

    // Where the file system keeps no marks, results are told from sources by their names beside them.
    void recognisedNames()
    {
        const QList<QByteArray> images{"noise.png", "noise.jpg", "photo.JPG", "solo.webp", "x-optimized.png"};
        QStringList outputs;
        QStringList mayBe;
        for (const char* name : {"noise-optimized.png", "noise.webp", "noise.avif", "noise.png.webp",
                                 "noise.bmp-optimized.png", "noise.png-optimized.gif", "photo-optimized.JPG",
                                 "PHOTO.webp", "photo.webp.webp", "solo.webp", "solo-optimized", "other.webp",
                                 "x-optimized.webp", "x-optimized-optimized.png", "noise-optimized.tar.gz"}) {
            if (OutputNames::namedLikeOutput(name, images)) {
                outputs << QString::fromLatin1(name);
            }
            if (!OutputNames::mayBeOutput(name)) {
                mayBe << QString::fromLatin1(name);
            }
        }
        QCOMPARE(outputs.join(QLatin1Char(' ')),
                 QStringLiteral("noise-optimized.png noise.webp noise.avif noise.png.webp noise.png-optimized.gif "
                                "photo-optimized.JPG solo-optimized x-optimized.webp x-optimized-optimized.png"));
        QCOMPARE(mayBe, QStringList{"noise-optimized.tar.gz"});
    }

    // One job from upload to files: the names the answer leads to, the fallback to the uploaded image
    // when nothing of the answer can be saved, and a companion that would be the source itself.
    void road_data()
    {
        QTest::addColumn<QString>("sourceName");
        QTest::addColumn<TovalinOptions>("options");
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* source, const TovalinOptions& options, const char* fixture,
                            const char* expected) { QTest::newRow(name) << source << options << fixture << expected; };
        row("all three for my.photo.jpg", "my.photo.jpg", options(true, true), "all-three",
            "Optimized:my.photo-optimized.jpg WebP:my.photo.webp AVIF:my.photo.avif");
        row("the result's format", "photo.jpg", options(), "optimized-png", "Optimized:photo-optimized.png");
        row("address without extension", "photo.jpg", options(), "optimized-without-extension",
            "Optimized:photo-optimized.jpg");
        row("query is not the extension", "photo.jpg", options(), "optimized-query", "Optimized:photo-optimized.png");
        row("only webp: no fallback", "photo.jpg", options(true), "webp-and-original", "WebP:photo.webp");
        row("OriginalURL fallback keeps the source extension", "photo.jpg", options(), "original-png",
            "Optimized:photo-optimized.jpg");
        row("companion equal ignoring case is skipped", "Photo.WEBP", options(true), "optimized-webp-named",
            "Optimized:Photo-optimized.webp");
        row("skipped companion leads to the fallback", "photo.avif", options(false, true), "avif-and-original",
            "Optimized:photo-optimized.avif");
        row("nothing to download", "photo.jpg", options(), "original-ftp",
            "No download URL returned for this configuration.");
    }

    void road()
    {
        QFETCH(QString, sourceName);
        QFETCH(TovalinOptions, options);
        QFETCH(QString, fixture);
        QFETCH(QString, expected);
        addSource(sourceName);
        serve(fixture.toLatin1().constData());
        QCOMPARE(optimize(request(options)), expected);
    }

    // An earlier result of this image is replaced; a file of the user's, or a result of another image,
    // is left alone and the result takes the name from the whole source name. A failed download ends
    // the job with what it saved before told and left there; the AVIF companion is not attempted.
    void whatHoldsTheName_data()
    {
        QTest::addColumn<QByteArray>("webpReply");   // empty: served by name
        QTest::addColumn<QByteArray>("earlierFrom"); // the source the earlier photo.webp's mark names; empty: none
        QTest::addColumn<QString>("expected");
        const QString failed = QStringLiteral("Could not download the optimized file (%1). [wrote "
                                              "Optimized:photo-optimized.jpg] | there: photo-optimized.jpg photo.webp");
        QTest::newRow("ours, replaced") << QByteArray() << QByteArray("photo.jpg")
                                        << "Optimized:photo-optimized.jpg WebP:photo.webp AVIF:photo.avif";
        QTest::newRow("the user's, kept")
            << QByteArray() << QByteArray()
            << "Optimized:photo-optimized.jpg WebP:photo.jpg.webp (kept photo.webp) AVIF:photo.avif | there: "
               "photo-optimized.jpg photo.avif photo.jpg.webp photo.webp";
        QTest::newRow("another image's, kept")
            << QByteArray() << QByteArray("photo.png")
            << "Optimized:photo-optimized.jpg WebP:photo.jpg.webp (kept photo.webp) AVIF:photo.avif | there: "
               "photo-optimized.jpg photo.avif photo.jpg.webp photo.webp";
        QTest::newRow("404 page") << QByteArray("404") << QByteArray("photo.jpg") << failed.arg("HTTP status 404");
        QTest::newRow("connection dropped")
            << QByteArray("drop") << QByteArray("photo.jpg")
            << "The connection to the service was closed before it answered. [wrote Optimized:photo-optimized.jpg] "
               "| there: photo-optimized.jpg photo.webp";
    }

    void whatHoldsTheName()
    {
        QFETCH(QByteArray, webpReply);
        QFETCH(QByteArray, earlierFrom);
        QFETCH(QString, expected);
        addSource(QStringLiteral("photo.jpg"));
        const QString earlier = m_tree->writeFile(QStringLiteral("photo.webp"), "earlier");
        if (!earlierFrom.isEmpty()) {
            OutputMark mark{OutputKind::webp, {earlierFrom, 1, 1}, "", -1, {}, {}};
            QVERIFY(mark.writeTo(QFile::encodeName(earlier)));
        }
        serve("all-three");
        if (webpReply == "404") {
            m_server->route("/r/w.webp", ScriptedReply::file("<html>Not Found</html>", "text/html", 404));
        } else if (webpReply == "drop") {
            m_server->route("/r/w.webp", ScriptedReply{.drop = true});
        }
        QCOMPARE(optimize(request(options(true, true))), expected);
        const bool replaced = webpReply.isEmpty() && earlierFrom == "photo.jpg";
        QCOMPARE(readFile(earlier), replaced ? QByteArray("result of /r/w.webp") : QByteArray("earlier"));
    }

    // Each output is marked with its kind, its source as it was sent and the settings, and, once the
    // job has saved them all, with the list of what it saved; it has the source's modification time,
    // or, without kept dates, the time it was written. Nothing else is left in the folder.
    void marksAndDates()
    {
        addSource(QStringLiteral("photo.jpg"));
        const QDateTime taken = QDateTime::fromString(QStringLiteral("2001-02-03T04:05:06.789Z"), Qt::ISODateWithMs);
        QFile source(m_source);
        QVERIFY(source.open(QIODevice::ReadWrite) && source.setFileTime(taken, QFileDevice::FileModificationTime));
        source.close();
        serve("optimized-and-webp");
        const TovalinOptions webp = options(true);
        if (OutputMark::read(QFile::encodeName(m_tree->root())).found == OutputMark::Found::unsupported) {
            QSKIP("the file system of the temporary folder keeps no marks");
        }
        QCOMPARE(optimize(request(webp)), QStringLiteral("Optimized:photo-optimized.jpg WebP:photo.webp"));
        for (const auto& [name, kind] :
             {std::pair{"photo-optimized.jpg", OutputKind::optimized}, std::pair{"photo.webp", OutputKind::webp}}) {
            const QString path = m_tree->path(QString::fromLatin1(name));
            const OutputMarkReading reading = OutputMark::read(QFile::encodeName(path));
            QVERIFY2(reading.mark, name);
            QCOMPARE(reading.mark->kind, kind);
            QCOMPARE(reading.mark->source,
                     (OutputMark::Source{"photo.jpg", m_sourceBytes.size(), modifiedNs(m_source)}));
            QCOMPARE(reading.mark->settings, RequestParameters::settingsKey(webp));
            QCOMPARE(reading.mark->settings, QByteArray("lossy=1"));
            QCOMPARE(reading.mark->asked, QList<OutputKind>{OutputKind::webp});
            QCOMPARE(reading.mark->saved, (QList<OutputKind>{OutputKind::optimized, OutputKind::webp}));
            QCOMPARE(reading.mark->bytes, QFileInfo(path).size());
            QCOMPARE(modifiedNs(path), modifiedNs(m_source));
        }
        JobRequest undated = request(webp);
        undated.keepDates = false;
        const QDateTime before = QDateTime::currentDateTime().addSecs(-5);
        QCOMPARE(optimize(undated), QStringLiteral("Optimized:photo-optimized.jpg WebP:photo.webp"));
        QVERIFY(QFileInfo(m_tree->path(QStringLiteral("photo.webp"))).lastModified() > before);
        // A job's only output is marked as all it saved from the start; the next one replaces it.
        serve("optimized");
        for (int run = 0; run < 2; ++run) {
            QCOMPARE(optimize(request(options())),
                     QStringLiteral("Optimized:photo-optimized.jpg | there: photo-optimized.jpg photo.webp"));
        }
        const OutputMarkReading only =
            OutputMark::read(QFile::encodeName(m_tree->path(QStringLiteral("photo-optimized.jpg"))));
        QVERIFY(only.mark);
        QCOMPARE(only.mark->saved, QList<OutputKind>{OutputKind::optimized});
        QCOMPARE(QDir(m_tree->root()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 (QStringList{"photo-optimized.jpg", "photo.jpg", "photo.webp"}));
    }

    // In a folder of results the tree under the added folder is mirrored, its folders made as needed;
    // marks name the source by its path, so a source of the same name elsewhere is another image: it
    // does not replace those results, and takes neither of their names. The rerun check finds them
    // there, up to date until the source changes.
    void resultsFolder()
    {
        const QString photos = m_tree->makeFolder(QStringLiteral("photos"));
        const QString results = m_tree->path(QStringLiteral("out"));
        addSource(QStringLiteral("photos/trip/photo.jpg"));
        serve("optimized-and-webp");
        const TovalinOptions webp = options(true);
        const JobRequest trip = request(webp, results, photos);
        QCOMPARE(optimize(trip), QStringLiteral("Optimized:out/trip/photo-optimized.jpg WebP:out/trip/photo.webp"));
        QCOMPARE(entriesOf(m_tree->path(QStringLiteral("photos/trip"))), QStringList{"photo.jpg"});
        const bool marksKept = OutputMark::read(QFile::encodeName(results)).found != OutputMark::Found::unsupported;
        if (marksKept) {
            const OutputMarkReading reading =
                OutputMark::read(QFile::encodeName(m_tree->path(QStringLiteral("out/trip/photo.webp"))));
            QCOMPARE(reading.mark->source.reference, QFile::encodeName(m_source));
        }

        MarkedOutputs marked;
        const RerunCheck check(&marked, RequestParameters::settingsKey(webp), OutputMark::companionsAskedFor(webp));
        const RerunCheck::Verdict verdict = check.check(trip.names);
        QCOMPARE(verdict.upToDate, marksKept);
        if (marksKept) {
            QCOMPARE(verdict.outputs.size(), 2);
            QCOMPARE(verdict.outputs.at(1).path,
                     QUrl::fromLocalFile(m_tree->path(QStringLiteral("out/trip/photo.webp"))));
            MarkedOutputs again;
            QVERIFY(!RerunCheck(&again, "lossy=2", {}).check(trip.names).upToDate);

            // Each output carries its mark's short form too, which is read first. Outputs made before
            // there was one are read from their whole marks; a short form left from before the job
            // had saved everything makes the image due, whatever the whole mark says.
            const QByteArray optimized =
                QFile::encodeName(m_tree->path(QStringLiteral("out/trip/photo-optimized.jpg")));
            const QByteArray companion = QFile::encodeName(m_tree->path(QStringLiteral("out/trip/photo.webp")));
            for (const QByteArray& path : {optimized, companion}) {
                QCOMPARE(getxattr(path.constData(), BriefMark::attributeName, nullptr, 0), 52);
                QCOMPARE(removexattr(path.constData(), BriefMark::attributeName), 0);
            }
            MarkedOutputs older;
            QVERIFY(RerunCheck(&older, RequestParameters::settingsKey(webp), {OutputKind::webp})
                        .check(trip.names)
                        .upToDate);
            QVERIFY(BriefMark::writeTo(companion, *OutputMark::read(companion).mark));
            OutputMark unsaved = *OutputMark::read(optimized).mark;
            unsaved.saved.clear();
            QVERIFY(BriefMark::writeTo(optimized, unsaved));
            MarkedOutputs stale;
            QVERIFY(!RerunCheck(&stale, RequestParameters::settingsKey(webp), {OutputKind::webp})
                         .check(trip.names)
                         .upToDate);
        }

        // Two images named photo.jpg added by themselves both go to the top.
        const QString tripSource = m_source;
        addSource(QStringLiteral("a/photo.jpg"));
        QCOMPARE(optimize(request(webp, results)),
                 QStringLiteral("Optimized:out/photo-optimized.jpg WebP:out/photo.webp | there: photo-optimized.jpg "
                                "photo.webp trip"));
        addSource(QStringLiteral("b/photo.jpg"));
        const QString second = optimize(request(webp, results));
        if (marksKept) {
            const QString all = QStringLiteral("| there: photo-optimized.jpg photo.jpg-optimized.jpg photo.jpg.webp "
                                               "photo.webp trip");
            QCOMPARE(second, QStringLiteral("Optimized:out/photo.jpg-optimized.jpg (kept photo-optimized.jpg) "
                                            "WebP:out/photo.jpg.webp (kept photo.webp) ") +
                                 all);
            addSource(QStringLiteral("c/photo.jpg"));
            QCOMPARE(optimize(request(webp, results)),
                     QStringLiteral("No name is free for the results in “%1”. ").arg(results) + all);
        }
        m_source = tripSource;
    }

    // A folder that cannot be written fails the job before anything is sent, beside the source as in a
    // folder of results (or the folder that is to hold it), and nothing stays behind.
    void readOnlyFolder()
    {
        const QString locked = m_tree->makeFolder(QStringLiteral("locked"));
        // Permissions do not bind root; an immutable folder does.
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        const bool immutable = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), locked}) == 0;
        const auto restore = qScopeGuard([&] {
            if (immutable) {
                QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), locked});
            }
            QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (QFile probe(locked + QStringLiteral("/probe")); probe.open(QIODevice::WriteOnly) && probe.remove()) {
            QSKIP("no way to make a folder read-only for this user");
        }
        serve("optimized-and-webp");
        addSource(QStringLiteral("photo.jpg"));
        QCOMPARE(optimize(request(options(true), locked + QStringLiteral("/results"))),
                 QStringLiteral("Cannot write to “%1”.").arg(locked));
        QCOMPARE(m_server->bytesReceived(), 0);
        QCOMPARE(entriesOf(locked), QStringList());
    }

    // A source removed while the service has it gets nothing saved for it: no result stands beside
    // nothing, and none is even fetched.
    void sourceRemovedBeforeItsResultsArrive()
    {
        addSource(QStringLiteral("photo.jpg"));
        serve("optimized-and-webp");
        const ScriptedReply answer = ReplyFixtures::reply(QStringLiteral("optimized-and-webp"), *m_server);
        m_server->route(uploadPath, [this, answer](const RecordedRequest&) {
            QFile::remove(m_source);
            return answer;
        });
        QCOMPARE(
            optimize(request(options(true))),
            QStringLiteral("“%1” was removed while it was being optimized; nothing was saved for it.").arg(m_source));
        QCOMPARE(m_server->requests().size(), 1);
        QCOMPARE(entriesOf(m_tree->root()), QStringList());
    }

    // A stop during a download leaves nothing of that file, not even a temporary one, while the
    // optimized image written before stays.
    void stopDuringADownload()
    {
        addSource(QStringLiteral("photo.jpg"));
        serve("optimized-and-webp");
        m_server->route("/r/w.webp", ScriptedReply::partial(QByteArray(1 << 20, 'w'), 64 * 1024));
        CancellationSource stop;
        const JobRequest job = request(options(true));
        Run run(JobPipeline::run(client(), job, stop.token()));
        QTRY_COMPARE_WITH_TIMEOUT(m_server->requestCount("/r/w.webp"), 1, 20000);
        QTest::qWait(100); // let part of the body arrive: nothing outside the transfer shows it
        QVERIFY(!run.isDone());
        stop.cancel();
        QVERIFY(run.wait(5000));
        QVERIFY(run.isCancellation());
        QCOMPARE(outcome(run, job.names), QStringLiteral("(cancelled) [wrote Optimized:photo-optimized.jpg]"));
    }
};

QTEST_GUILESS_MAIN(TestOutput)
#include "tst_output.moc"
