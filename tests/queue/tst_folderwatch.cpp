#include "output/OutputMark.h"
#include "queue/AppViewModel.h"
#include "queue/FolderWatch.h"
#include "tests/support/TempTree.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList settledIn(const QSignalSpy& spy)
{
    QStringList all;
    for (const QList<QVariant>& call : spy) {
        all += call.at(0).toStringList();
    }
    return all;
}

void append(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestFolderWatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // What a watched tree tells: new and changed images, in folders made later too; not hidden ones,
    // not other files, not an image still empty, not this program's outputs.
    void imagesThatAppearOrChange()
    {
        TempTree tree;
        tree.writeFile(QStringLiteral("photos/old.jpg"));
        tree.makeFolder(QStringLiteral("photos/sub"));
        FolderWatch watch;
        watch.setSettleTime(std::chrono::milliseconds(100));
        QVERIFY(watch.watch(tree.path(QStringLiteral("photos"))));
        QVERIFY(!watch.watch(tree.path(QStringLiteral("photos/old.jpg"))));
        QCOMPARE(watch.folderCount(), 2);
        QSignalSpy spy(&watch, &FolderWatch::settled);

        tree.writeFile(QStringLiteral("photos/new.png"));
        append(tree.path(QStringLiteral("photos/old.jpg")), "more");
        tree.writeFile(QStringLiteral("photos/sub/b.webp"));
        tree.writeFile(QStringLiteral("photos/made/later/c.heic"));
        tree.writeFile(QStringLiteral("photos/.hidden.jpg"));
        tree.writeFile(QStringLiteral("photos/.cache/d.jpg"));
        tree.writeFile(QStringLiteral("photos/notes.txt"));
        tree.writeFile(QStringLiteral("photos/empty.gif"), QByteArray());
        const QString output = tree.writeFile(QStringLiteral("photos/new-optimized.png"));
        OutputMark mark;
        mark.source.reference = "new.png";
        if (!mark.writeTo(QFile::encodeName(output))) {
            QFile::remove(output); // no marks here: the name beside its source tells it
            tree.writeFile(QStringLiteral("photos/new-optimized.png"));
        }

        const QStringList expected{
            tree.path(QStringLiteral("photos/made/later/c.heic")), tree.path(QStringLiteral("photos/new.png")),
            tree.path(QStringLiteral("photos/old.jpg")), tree.path(QStringLiteral("photos/sub/b.webp"))};
        QTRY_COMPARE(settledIn(spy).size(), expected.size());
        QStringList settled = settledIn(spy);
        settled.sort();
        QCOMPARE(settled, expected);
        QCOMPARE(watch.folderCount(), 4);

        // A folder moved in is watched with what it holds; one moved out is no longer told of.
        TempTree outside;
        outside.writeFile(QStringLiteral("album/e.jpg"));
        QVERIFY(QDir().rename(outside.path(QStringLiteral("album")), tree.path(QStringLiteral("photos/album"))));
        QVERIFY(QDir().rename(tree.path(QStringLiteral("photos/sub")), outside.path(QStringLiteral("sub"))));
        QTRY_COMPARE(settledIn(spy).size(), expected.size() + 1);
        QCOMPARE(settledIn(spy).last(), tree.path(QStringLiteral("photos/album/e.jpg")));
        outside.writeFile(QStringLiteral("sub/f.jpg"));
        tree.writeFile(QStringLiteral("photos/album/g.jpg"));
        QTRY_COMPARE(settledIn(spy).size(), expected.size() + 2);
        QCOMPARE(settledIn(spy).last(), tree.path(QStringLiteral("photos/album/g.jpg")));

        watch.clear();
        QCOMPARE(watch.folderCount(), 0);
        tree.writeFile(QStringLiteral("photos/after.jpg"));
        QTest::qWait(300);
        QCOMPARE(settledIn(spy).size(), expected.size() + 2);
    }

    // A file still being written is told once, after its last write has settled.
    void writesSettleFirst()
    {
        TempTree tree;
        FolderWatch watch;
        watch.setSettleTime(std::chrono::milliseconds(300));
        QVERIFY(watch.watch(tree.root()));
        QSignalSpy spy(&watch, &FolderWatch::settled);
        QElapsedTimer clock;
        clock.start();
        const QString path = tree.writeFile(QStringLiteral("slow.jpg"));
        for (int i = 0; i < 4; ++i) {
            QTest::qWait(150);
            append(path, "chunk");
        }
        const qint64 lastWrite = clock.elapsed();
        QTRY_COMPARE(spy.size(), 1);
        QVERIFY2(clock.elapsed() >= lastWrite + 300, qPrintable(QString::number(clock.elapsed() - lastWrite)));
        QCOMPARE(spy.at(0).at(0).toStringList(), QStringList{path});
        QTest::qWait(400);
        QCOMPARE(spy.size(), 1);
    }

    // The window's "Watch added folders": new images of the folders added are queued as they appear,
    // while the option is on and until the queue is cleared; images added by themselves bring no watch.
    void windowQueuesWhatAppearsInAddedFolders()
    {
        TempTree tree;
        AppViewModel model(std::make_shared<SettingsStore>(tree.path(QStringLiteral("config/settings.ini"))), {});
        model.folderWatch()->setSettleTime(std::chrono::milliseconds(100));
        tree.makeFolder(QStringLiteral("photos"));
        const QString single = tree.writeFile(QStringLiteral("elsewhere/single.jpg"));
        model.addFiles({tree.folderUrl(QStringLiteral("photos")), QUrl::fromLocalFile(single)});
        QCOMPARE(model.addedFolders(), QStringList{tree.path(QStringLiteral("photos"))});
        QCOMPARE(model.folderWatch()->folderCount(), 0);

        model.setWatchAddedFolders(true);
        QCOMPARE(model.folderWatch()->roots(), QStringList{tree.path(QStringLiteral("photos"))});
        tree.writeFile(QStringLiteral("photos/day/new.jpg"));
        tree.writeFile(QStringLiteral("elsewhere/other.jpg"));
        QTRY_COMPARE(model.jobs().size(), 2);
        QCOMPARE(model.jobs().last().url, tree.fileUrl(QStringLiteral("photos/day/new.jpg")));
        QCOMPARE(model.jobs().last().status, JobStatus::queued);
        // Written again, it is queued once.
        tree.writeFile(QStringLiteral("photos/day/new.jpg"), "changed");
        tree.writeFile(QStringLiteral("photos/second.png"));
        QTRY_COMPARE(model.jobs().size(), 3);

        // Remembered like the other options.
        {
            const AppViewModel again(std::make_shared<SettingsStore>(tree.path(QStringLiteral("config/settings.ini"))),
                                     {});
            QVERIFY(again.watchAddedFolders());
        }

        model.setWatchAddedFolders(false);
        tree.writeFile(QStringLiteral("photos/third.png"));
        QTest::qWait(300);
        QCOMPARE(model.jobs().size(), 3);
        model.setWatchAddedFolders(true);
        model.clearQueueExceptRunning();
        QVERIFY(model.addedFolders().isEmpty());
        QCOMPARE(model.folderWatch()->folderCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestFolderWatch)
#include "tst_folderwatch.moc"
