#include "tests/e2e/LocalServiceProcess.h"
#include "tests/service/TestImages.h"
#include "tests/support/TempTree.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

const QString kKey = QStringLiteral("watch-test-key-0123");

} // namespace

// tovalin-optimize --watch, the real executable against the real local service.
class TestWatch : public QObject
{
    Q_OBJECT

    LocalServiceProcess m_service;

    void prepare(QProcess& process, const TempTree& tree, const QStringList& arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), tree.path(QStringLiteral("config")));
        env.insert(QStringLiteral("TOVALIN_API_KEY"), kKey);
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(tree.root());
        process.setProgram(QStringLiteral(TOVALIN_OPTIMIZE_PATH));
        process.setArguments(QStringList{QStringLiteral("--service-url"), m_service.baseUrl().toString(),
                                         QStringLiteral("--ca-file"),
                                         QStringLiteral(TOVALIN_SERVICE_TEST_CERTS "/ca.pem")} +
                             arguments);
    }

    // The JSON objects printed so far, one per line; `out` keeps what was read.
    static QList<QJsonObject> jsonLines(QProcess& process, QByteArray& out)
    {
        out += process.readAllStandardOutput();
        QList<QJsonObject> objects;
        for (const QByteArray& line : out.split('\n')) {
            if (!line.isEmpty()) {
                objects.append(QJsonDocument::fromJson(line).object());
            }
        }
        return objects;
    }

    static QStringList files(const TempTree& tree)
    {
        QStringList found;
        const QDir photos(tree.path(QStringLiteral("photos")));
        QDirIterator it(photos.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            found.append(photos.relativeFilePath(it.next()));
        }
        found.sort();
        return found;
    }

private Q_SLOTS:
    void initTestCase()
    {
        TestImages::initVips();
        const QString error = m_service.start(kKey);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    // What is due at the start is optimized, then each image that appears or changes, in a folder made
    // later too; the results themselves are never taken for images, what is up to date is not sent
    // again, and SIGTERM ends the watch with status 0.
    void optimizesWhatComesAndNothingTwice()
    {
        TempTree tree;
        const QByteArray photo = TestImages::photoJpeg(320, 240);
        tree.writeFile(QStringLiteral("photos/old.jpg"), photo);
        tree.writeFile(QStringLiteral("photos/.hidden/skip.jpg"), photo);
        QProcess process;
        prepare(process, tree, {QStringLiteral("--json"), QStringLiteral("--watch"), QStringLiteral("photos")});
        process.start();
        QVERIFY(process.waitForStarted());
        QByteArray out;
        QTRY_COMPARE_WITH_TIMEOUT(jsonLines(process, out).size(), 1, 60'000);
        QCOMPARE(jsonLines(process, out).at(0)["state"].toString(), QStringLiteral("done"));
        const QByteArray png = TestImages::transparentPng(120, 90);
        tree.writeFile(QStringLiteral("photos/trip/day 2/new.png"), png);
        QTRY_COMPARE_WITH_TIMEOUT(jsonLines(process, out).size(), 2, 60'000);
        QCOMPARE(jsonLines(process, out).at(1)["file"].toString(),
                 tree.path(QStringLiteral("photos/trip/day 2/new.png")));
        QCOMPARE(jsonLines(process, out).at(1)["state"].toString(), QStringLiteral("done"));

        // Copied over again as rsync or cp -p copy, its time kept: the results are up to date and
        // nothing is sent; other bytes make the image due.
        const QString newPng = tree.path(QStringLiteral("photos/trip/day 2/new.png"));
        struct stat written
        {
        };
        QVERIFY(::stat(QFile::encodeName(newPng).constData(), &written) == 0);
        tree.writeFile(QStringLiteral("photos/trip/day 2/new.png"), png);
        const timespec times[2] = {written.st_atim, written.st_mtim};
        QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(newPng).constData(), times, 0) == 0);
        QTRY_COMPARE_WITH_TIMEOUT(jsonLines(process, out).size(), 3, 60'000);
        QCOMPARE(jsonLines(process, out).at(2)["state"].toString(), QStringLiteral("skipped"));
        tree.writeFile(QStringLiteral("photos/old.jpg"), TestImages::photoJpeg(300, 200));
        QTRY_COMPARE_WITH_TIMEOUT(jsonLines(process, out).size(), 4, 60'000);
        const QList<QJsonObject> jobs = jsonLines(process, out);
        QCOMPARE(jobs.at(3)["file"].toString(), tree.path(QStringLiteral("photos/old.jpg")));
        QCOMPARE(jobs.at(3)["state"].toString(), QStringLiteral("done"));
        // Nothing more: neither the results written meanwhile nor the hidden folder are images to optimize.
        QTest::qWait(1500);
        QCOMPARE(jsonLines(process, out).size(), 4);

        ::kill(pid_t(process.processId()), SIGTERM);
        QVERIFY(process.waitForFinished(30'000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(files(tree),
                 (QStringList{".hidden/skip.jpg", "old-optimized.jpg", "old.jpg", "old.webp",
                              "trip/day 2/new-optimized.png", "trip/day 2/new.png", "trip/day 2/new.webp"}));
    }

    void usage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("a file") << QStringList{QStringLiteral("--watch"), QStringLiteral("photos/a.jpg")};
        QTest::newRow("dry run") << QStringList{QStringLiteral("--watch"), QStringLiteral("--dry-run"),
                                                QStringLiteral("photos")};
        QTest::newRow("shard") << QStringList{QStringLiteral("--watch"), QStringLiteral("--shard"),
                                              QStringLiteral("1/2"), QStringLiteral("photos")};
    }

    void usage()
    {
        QFETCH(QStringList, arguments);
        TempTree tree;
        tree.writeFile(QStringLiteral("photos/a.jpg"));
        QProcess process;
        prepare(process, tree, arguments);
        process.start();
        QVERIFY(process.waitForFinished(30'000));
        QCOMPARE(process.exitCode(), 2);
        QVERIFY(process.readAllStandardError().contains("--watch"));
    }
};

QTEST_GUILESS_MAIN(TestWatch)
#include "tst_watch.moc"
