#include "AppViewModel.h"
#include "Error.h"
#include "TempTree.h"
#include "TestHttpsServer.h"
#include "TovalinClient.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The service's answer for one uploaded image whose results are ready at once.
QByteArray readyReply(const TestHttpsServer& server, const QString& name, const QString& extension)
{
    const QJsonObject record{
        {QStringLiteral("Status"),
         QJsonObject{{QStringLiteral("Code"), QStringLiteral("2")}, {QStringLiteral("Message"), QStringLiteral("OK")}}},
        {QStringLiteral("OriginalURL"), server.url(QStringLiteral("/originals/") + name + extension).toString()},
        {QStringLiteral("LossyURL"), server.url(QStringLiteral("/results/") + name + extension).toString()},
        {QStringLiteral("WebPLossyURL"),
         server.url(QStringLiteral("/results/") + name + QStringLiteral(".webp")).toString()},
    };
    return QJsonDocument(QJsonArray{record}).toJson(QJsonDocument::Compact);
}

// The view model's optimizer: the service client with the test server's address and trust.
AppViewModel::Optimizer clientOf(const TestHttpsServer& server)
{
    return [client = TovalinClient(server.baseUrl(), TestHttpsServer::makeTransport())](
               QUrl file, TovalinOptions options, CancelToken token) {
        return client.optimize(std::move(file), std::move(options), std::move(token));
    };
}

// How the last call of a watched client ended.
struct CallEnd
{
    bool ended = false;
    bool cancelled = false;
};

QCoro::Task<QList<DownloadedFile>> watchedCall(TovalinClient client, std::shared_ptr<CallEnd> end, QUrl file,
                                               TovalinOptions options, CancelToken token)
{
    try {
        QList<DownloadedFile> files = co_await client.optimize(std::move(file), std::move(options), token);
        end->ended = true;
        co_return files;
    } catch (const Error& error) {
        end->ended = true;
        end->cancelled = error.isCancellation();
        throw;
    }
}

} // namespace

class TestOptimizeRoad : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void twoImagesAllTheWay()
    {
        TempTree tree;
        const QString a = tree.writeFile(QStringLiteral("photos/a.jpg"), QByteArrayLiteral("\xFF\xD8 source A"));
        const QString b = tree.writeFile(QStringLiteral("photos/sub/b.png"), QByteArrayLiteral("\x89PNG source B"));
        TestHttpsServer server;
        QVERIFY(server.isListening());
        server.route("/v2/post-reducer.php", [&server](const RecordedRequest& request) {
            return request.body.contains("filename=\"a.jpg\"")
                       ? ScriptedReply::json(readyReply(server, QStringLiteral("a"), QStringLiteral(".jpg")))
                       : ScriptedReply::json(readyReply(server, QStringLiteral("b"), QStringLiteral(".png")));
        });
        server.route("/results/a.jpg", ScriptedReply::file("optimized A", "image/jpeg"));
        server.route("/results/a.webp", ScriptedReply::file("webp A", "image/webp"));
        server.route("/results/b.png", ScriptedReply::file("optimized B", "image/png"));
        server.route("/results/b.webp", ScriptedReply::file("webp B", "image/webp"));

        AppViewModel model(std::make_shared<ApiKeyStore>(tree.path(QStringLiteral("settings.ini"))), clientOf(server));
        model.setApiKey(QStringLiteral("road-key\n"));
        model.addFiles({tree.folderUrl(QStringLiteral("photos"))});
        QCOMPARE(model.jobs().size(), 2);
        QStringList statusLog;
        connect(&model, &AppViewModel::statusMessageChanged, this, [&] { statusLog << model.statusMessage(); });

        model.optimizeAll();
        QTRY_COMPARE_WITH_TIMEOUT(model.statusMessage(), QStringLiteral("Done."), 30000);
        QCOMPARE(statusLog, (QStringList{"Optimizing 2 image(s)…", "Done."}));
        QCOMPARE(model.isProcessing(), false);
        QCOMPARE(model.hasOptimizeTask(), false);

        for (const ImageJob& job : model.jobs()) {
            QCOMPARE(job.status, JobStatus::succeeded);
            QCOMPARE(job.message, QStringLiteral("Optimized and saved locally."));
            QCOMPARE(job.downloads.size(), 2);
            QCOMPARE(job.downloads.at(0).format, QStringLiteral("Optimized"));
            QCOMPARE(job.downloads.at(1).format, QStringLiteral("WebP"));
        }
        const auto jobFor = [&](const QString& path) {
            for (const ImageJob& job : model.jobs()) {
                if (job.url == QUrl::fromLocalFile(path)) {
                    return job;
                }
            }
            return ImageJob(QUrl());
        };
        const ImageJob jobA = jobFor(a);
        QCOMPARE(jobA.downloads.at(0).path, tree.fileUrl(QStringLiteral("photos/a-optimized.jpg")));
        QCOMPARE(jobA.downloads.at(1).path, tree.fileUrl(QStringLiteral("photos/a.webp")));
        const ImageJob jobB = jobFor(b);
        QCOMPARE(jobB.downloads.at(0).path, tree.fileUrl(QStringLiteral("photos/sub/b-optimized.png")));
        QCOMPARE(jobB.downloads.at(1).path, tree.fileUrl(QStringLiteral("photos/sub/b.webp")));

        QCOMPARE(readAll(tree.path(QStringLiteral("photos/a-optimized.jpg"))), QByteArray("optimized A"));
        QCOMPARE(readAll(tree.path(QStringLiteral("photos/a.webp"))), QByteArray("webp A"));
        QCOMPARE(readAll(tree.path(QStringLiteral("photos/sub/b-optimized.png"))), QByteArray("optimized B"));
        QCOMPARE(readAll(tree.path(QStringLiteral("photos/sub/b.webp"))), QByteArray("webp B"));
        // The sources are left as they were.
        QCOMPARE(readAll(a), QByteArray("\xFF\xD8 source A"));
        QCOMPARE(readAll(b), QByteArray("\x89PNG source B"));

        // One upload per image, carrying the key trimmed, and no poll for ready results.
        const QList<RecordedRequest> uploads = server.requests("/v2/post-reducer.php");
        QCOMPARE(uploads.size(), 2);
        for (const RecordedRequest& upload : uploads) {
            QVERIFY(upload.body.contains("road-key\r\n"));
            QVERIFY(!upload.body.contains("road-key\n\r\n"));
        }
        QCOMPARE(server.requestCount("/v2/reducer.php"), 0);
    }

    void aMissingFileFailsAloneAndStopAbortsTheUpload()
    {
        TempTree tree;
        tree.writeFile(QStringLiteral("held.jpg"), QByteArrayLiteral("held source"));
        tree.writeFile(QStringLiteral("after.jpg"), QByteArrayLiteral("after source"));
        TestHttpsServer server;
        QVERIFY(server.isListening());
        // The service never answers: the upload is in flight until Stop aborts it.
        server.route("/v2/post-reducer.php", ScriptedReply::stalled());

        AppViewModel model(std::make_shared<ApiKeyStore>(tree.path(QStringLiteral("settings.ini"))), clientOf(server));
        model.setApiKey(QStringLiteral("key"));
        model.addFiles({tree.fileUrl(QStringLiteral("gone.jpg")), tree.fileUrl(QStringLiteral("held.jpg")),
                        tree.fileUrl(QStringLiteral("after.jpg"))});
        model.optimizeAll();

        // The missing file fails on its own, with the file system's description, before any request.
        QTRY_COMPARE_WITH_TIMEOUT(server.requestCount("/v2/post-reducer.php"), 1, 30000);
        QCOMPARE(model.jobs().at(0).status, JobStatus::failed);
        QVERIFY(!model.jobs().at(0).message.isEmpty());
        QVERIFY(model.jobs().at(0).message != QStringLiteral("Stopped."));
        QCOMPARE(model.jobs().at(1).status, JobStatus::running);

        model.stopAll();
        QCOMPARE(model.jobs().at(1).message, QStringLiteral("Stopped."));
        QCOMPARE(model.statusMessage(), QStringLiteral("Stopped by user."));
        QTRY_COMPARE_WITH_TIMEOUT(model.statusMessage(), QStringLiteral("Done."), 30000);
        QCOMPARE(model.jobs().at(1).status, JobStatus::failed);
        QCOMPARE(model.jobs().at(1).message, QStringLiteral("Stopped."));
        QCOMPARE(model.jobs().at(2).status, JobStatus::failed);
        QCOMPARE(model.jobs().at(2).message, QStringLiteral("Stopped."));
        QCOMPARE(server.requestCount("/v2/post-reducer.php"), 1);
        QCOMPARE(model.isProcessing(), false);
        QCOMPARE(model.hasOptimizeTask(), false);
        QVERIFY(!QFile::exists(tree.path(QStringLiteral("held-optimized.jpg"))));
    }

    void aViewModelGoingAwayAbortsItsTransfer()
    {
        TempTree tree;
        tree.writeFile(QStringLiteral("a.jpg"), QByteArrayLiteral("source"));
        TestHttpsServer server;
        QVERIFY(server.isListening());
        server.route("/v2/post-reducer.php", ScriptedReply::stalled());
        const auto end = std::make_shared<CallEnd>();
        const TovalinClient client(server.baseUrl(), TestHttpsServer::makeTransport());
        auto model = std::make_unique<AppViewModel>(
            std::make_shared<ApiKeyStore>(tree.path(QStringLiteral("settings.ini"))),
            [client, end](QUrl file, TovalinOptions options, CancelToken token) {
                return watchedCall(client, end, std::move(file), std::move(options), std::move(token));
            });
        model->setApiKey(QStringLiteral("key"));
        model->addFiles({tree.fileUrl(QStringLiteral("a.jpg"))});
        model->optimizeAll();
        QTRY_COMPARE_WITH_TIMEOUT(server.requestCount("/v2/post-reducer.php"), 1, 30000);

        model.reset();
        // Nobody is left to show the result: the upload ends as cancelled instead of running on.
        QTRY_VERIFY_WITH_TIMEOUT(end->ended, 30000);
        QVERIFY(end->cancelled);
    }

    void withoutAnInjectedOptimizerTheServiceClientRuns()
    {
        TempTree tree;
        AppViewModel model(std::make_shared<ApiKeyStore>(tree.path(QStringLiteral("settings.ini"))));
        model.setApiKey(QStringLiteral("key"));
        // A file that is not there fails in the client before any request goes out.
        model.addFiles({tree.fileUrl(QStringLiteral("not-there.jpg"))});
        model.optimizeAll();
        QTRY_COMPARE_WITH_TIMEOUT(model.statusMessage(), QStringLiteral("Done."), 30000);
        QCOMPARE(model.jobs().at(0).status, JobStatus::failed);
        QVERIFY2(model.jobs().at(0).message.contains(QStringLiteral("not-there.jpg")),
                 qPrintable(model.jobs().at(0).message));
    }
};

QTEST_GUILESS_MAIN(TestOptimizeRoad)
#include "tst_optimizeroad.moc"
