#include "app/LaunchArguments.h"
#include "model/FileNames.h"
#include "tests/support/TempTree.h"

#include <QTest>

class TestLaunch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // What a launcher, a file manager or a user at a terminal may hand the window.
    void argumentsBecomeAbsoluteFileUris()
    {
        const QString folder = QStringLiteral("/home/ana/Pictures");
        const LaunchArguments launch =
            LaunchArguments::parse({QStringLiteral("tovalin-image-optimizer"), QStringLiteral("beach.jpg"),
                                    QStringLiteral("../Desktop/a b.png"), QStringLiteral("file:///tmp/x%20y/map.png"),
                                    QStringLiteral("file://localhost/tmp/z.gif"),
                                    QStringLiteral("sftp://host/photo.jpg"), QStringLiteral("trash:/old.jpg"),
                                    QStringLiteral("10:30.jpg"), QStringLiteral("--"), QStringLiteral("-dash.jpg")},
                                   folder);
        QCOMPARE(launch.action, LaunchArguments::Action::open);
        QCOMPARE(launch.uris,
                 QStringList({QStringLiteral("file:///home/ana/Pictures/beach.jpg"),
                              QStringLiteral("file:///home/ana/Desktop/a%20b.png"),
                              QStringLiteral("file:///tmp/x%20y/map.png"), QStringLiteral("file:///tmp/z.gif"),
                              QStringLiteral("file:///home/ana/Pictures/10%3A30.jpg"),
                              QStringLiteral("file:///home/ana/Pictures/-dash.jpg")}));
        QCOMPARE(launch.foreign,
                 QStringList({QStringLiteral("sftp://host/photo.jpg"), QStringLiteral("trash:/old.jpg")}));
    }

    void helpVersionAndMistakes()
    {
        const QString program = QStringLiteral("tovalin-image-optimizer");
        QCOMPARE(LaunchArguments::parse({program, QStringLiteral("--help")}, QString()).action,
                 LaunchArguments::Action::help);
        QCOMPARE(LaunchArguments::parse({program, QStringLiteral("--version")}, QString()).action,
                 LaunchArguments::Action::version);
        const LaunchArguments wrong = LaunchArguments::parse({program, QStringLiteral("--frobnicate")}, QString());
        QCOMPARE(wrong.action, LaunchArguments::Action::usageError);
        QVERIFY(wrong.error.contains(QStringLiteral("frobnicate")));
        QVERIFY(LaunchArguments::asksTerminalOnly({program, QStringLiteral("a.jpg"), QStringLiteral("-h")}));
        // After "--" it is a file's name.
        QVERIFY(!LaunchArguments::asksTerminalOnly({program, QStringLiteral("--"), QStringLiteral("--help")}));
        QVERIFY(LaunchArguments::versionText().contains(QStringLiteral("0.")));
    }

    // Handed-over URIs become the queue's items as the disk has them now; a name that is not UTF-8
    // keeps its bytes all the way.
    void urisBecomeQueueItems()
    {
        TempTree tree;
        const QString image = tree.writeFile(QStringLiteral("album/cover.png"));
        const QString oddUri = QStringLiteral("file://") + tree.root() + QStringLiteral("/caf%E9.jpg");
        const LaunchArguments launch =
            LaunchArguments::parse({QString(), tree.path(QStringLiteral("album")), image, oddUri}, QString());
        QCOMPARE(launch.uris.last(), oddUri);
        const QList<QUrl> items =
            LaunchArguments::queueItems(launch.uris + QStringList{QStringLiteral("https://example.org/a.jpg")});
        QCOMPARE(items, QList<QUrl>(
                            {QUrl::fromLocalFile(tree.path(QStringLiteral("album")) + QLatin1Char('/')),
                             QUrl::fromLocalFile(image),
                             QUrl::fromLocalFile(FileNames::decode(FileNames::encode(tree.root()) + "/caf\xe9.jpg"))}));
    }
};

QTEST_GUILESS_MAIN(TestLaunch)
#include "tst_launch.moc"
