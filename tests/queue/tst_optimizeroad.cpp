#include "AppViewModel.h"
#include "Error.h"
#include "TempTree.h"
#include "TestHttpsServer.h"
#include "TovalinClient.h"

#include <QFile>
#include <QScopeGuard>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

QStringList* capturedMessages = nullptr;

void captureMessage(QtMsgType, const QMessageLogContext&, const QString& message)
{
    capturedMessages->append(message);
}

const QByteArray upload = "/v2/post-reducer.php";

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A view model with its settings file in the tree and a usable key.
std::unique_ptr<AppViewModel> viewModel(const TempTree& tree, AppViewModel::Optimizer optimizer)
{
    auto model = std::make_unique<AppViewModel>(
        std::make_shared<ApiKeyStore>(tree.path(QStringLiteral("settings.ini"))), std::move(optimizer));
    model->setApiKey(QStringLiteral("road-key\n"));
    return model;
}

// The service client with the test server's address and trust.
TovalinClient clientOf(const TestHttpsServer& server)
{
    return TovalinClient(server.baseUrl(), TestHttpsServer::makeTransport());
}

// How the calls of a watched client ended.
struct CallEnds
{
    int ended = 0;
    int cancelled = 0;
};

QCoro::Task<QList<DownloadedFile>> watchedCall(TovalinClient client, std::shared_ptr<CallEnds> ends, QUrl file,
                                               TovalinOptions options, CancelToken token)
{
    try {
        QList<DownloadedFile> files = co_await client.optimize(std::move(file), std::move(options), token);
        ++ends->ended;
        co_return files;
    } catch (const Error& error) {
        ++ends->ended;
        ends->cancelled += error.isCancellation() ? 1 : 0;
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
        tree.writeFile(QStringLiteral("photos/a.jpg"), "photos/a.jpg");
        tree.writeFile(QStringLiteral("photos/sub/b.png"), "photos/sub/b.png");
        TestHttpsServer server;
        QVERIFY(server.isListening());
        // Results ready at once, named after the upload's file.
        server.route(upload, [&server](const RecordedRequest& request) {
            const QString stem =
                request.body.contains("filename=\"a.jpg\"") ? QStringLiteral("a.jpg") : QStringLiteral("b.png");
            return ScriptedReply::json(
                QStringLiteral(R"([{"Status":{"Code":"2","Message":"OK"},"LossyURL":"%1","WebPLossyURL":"%2"}])")
                    .arg(server.url(QStringLiteral("/results/") + stem).toString(),
                         server.url(QStringLiteral("/results/") + stem.chopped(4) + QStringLiteral(".webp")).toString())
                    .toUtf8());
        });
        for (const char* result : {"a.jpg", "a.webp", "b.png", "b.webp"}) {
            server.route("/results/" + QByteArray(result), ScriptedReply::file("result " + QByteArray(result)));
        }

        // Whatever Qt or the program prints on the way must not give the key away.
        QStringList messages;
        capturedMessages = &messages;
        const QtMessageHandler previousHandler = qInstallMessageHandler(captureMessage);
        const auto restoreHandler = qScopeGuard([previousHandler] { qInstallMessageHandler(previousHandler); });

        QStringList statusLog;
        const auto model =
            viewModel(tree, [client = clientOf(server)](QUrl file, TovalinOptions options, CancelToken token) {
                return client.optimize(std::move(file), std::move(options), std::move(token));
            });
        connect(model.get(), &AppViewModel::statusMessageChanged, this, [&] { statusLog << model->statusMessage(); });
        model->addFiles({tree.folderUrl(QStringLiteral("photos"))});
        model->optimizeAll();
        QTRY_COMPARE_WITH_TIMEOUT(model->statusMessage(), QStringLiteral("Done."), 30000);
        QCOMPARE(statusLog, (QStringList{"Optimizing 2 image(s)…", "Done."}));
        QCOMPARE(model->isProcessing(), false);
        QCOMPARE(model->hasOptimizeTask(), false);
        QCOMPARE(server.requestCount(upload), 2);

        // Per source: the optimized file and the WebP beside it, holding what the service sent.
        const QList<QStringList> expected{
            {"photos/a.jpg", "photos/a-optimized.jpg", "a.jpg", "photos/a.webp", "a.webp"},
            {"photos/sub/b.png", "photos/sub/b-optimized.png", "b.png", "photos/sub/b.webp", "b.webp"}};
        QCOMPARE(model->jobs().size(), expected.size());
        for (const QStringList& e : expected) {
            const auto job = std::find_if(model->jobs().begin(), model->jobs().end(),
                                          [&](const ImageJob& j) { return j.url == tree.fileUrl(e[0]); });
            QVERIFY(job != model->jobs().end());
            QCOMPARE(job->status, JobStatus::succeeded);
            QCOMPARE(job->message, QStringLiteral("Optimized and saved locally."));
            QCOMPARE(job->downloads.size(), 2);
            for (int i : {0, 1}) {
                QCOMPARE(job->downloads.at(i).format, i == 0 ? QStringLiteral("Optimized") : QStringLiteral("WebP"));
                QCOMPARE(job->downloads.at(i).path, tree.fileUrl(e[1 + 2 * i]));
                QCOMPARE(readAll(tree.path(e[1 + 2 * i])), "result " + e[2 + 2 * i].toLatin1());
            }
            // The source is left as it was.
            QCOMPARE(readAll(tree.path(e[0])), e[0].toLatin1());
        }
        QVERIFY(server.requests(upload).first().body.contains("road-key"));
        for (const QString& message : std::as_const(messages)) {
            QVERIFY2(!message.contains(QStringLiteral("road-key")), qPrintable(message));
        }
    }

    void stopAndAViewModelGoingAwayAbortTheUpload()
    {
        TempTree tree;
        tree.writeFile(QStringLiteral("held.jpg"));
        tree.writeFile(QStringLiteral("after.jpg"));
        TestHttpsServer server;
        QVERIFY(server.isListening());
        // The service never answers: an upload is in flight until it is aborted.
        server.route(upload, ScriptedReply::stalled());
        const auto ends = std::make_shared<CallEnds>();
        auto model =
            viewModel(tree, [client = clientOf(server), ends](QUrl file, TovalinOptions options, CancelToken token) {
                return watchedCall(client, ends, std::move(file), std::move(options), std::move(token));
            });
        model->addFiles({tree.fileUrl(QStringLiteral("gone.jpg")), tree.fileUrl(QStringLiteral("held.jpg")),
                         tree.fileUrl(QStringLiteral("after.jpg"))});
        model->optimizeAll();
        // The missing file fails on its own, with the file system's description, before any request.
        QTRY_COMPARE_WITH_TIMEOUT(server.requestCount(upload), 1, 30000);
        QCOMPARE(model->jobs().at(0).status, JobStatus::failed);
        QVERIFY2(model->jobs().at(0).message.contains(QStringLiteral("gone.jpg")),
                 qPrintable(model->jobs().at(0).message));

        model->stopAll();
        QTRY_COMPARE_WITH_TIMEOUT(model->statusMessage(), QStringLiteral("Done."), 30000);
        QCOMPARE(ends->ended, 2);
        QCOMPARE(ends->cancelled, 1);
        for (int row : {1, 2}) {
            QCOMPARE(model->jobs().at(row).status, JobStatus::failed);
            QCOMPARE(model->jobs().at(row).message, QStringLiteral("Stopped."));
        }
        QCOMPARE(server.requestCount(upload), 1);

        // Nobody is left to show the result: the upload ends as cancelled instead of running on.
        model->optimizeAll();
        QTRY_COMPARE_WITH_TIMEOUT(server.requestCount(upload), 2, 30000);
        model.reset();
        QTRY_COMPARE_WITH_TIMEOUT(ends->ended, 4, 30000);
        QCOMPARE(ends->cancelled, 2);
    }

    void withoutAnInjectedOptimizerTheServiceClientRuns()
    {
        TempTree tree;
        // A file that is not there fails in the client before any request goes out.
        const auto model = viewModel(tree, {});
        model->addFiles({tree.fileUrl(QStringLiteral("not-there.jpg"))});
        model->optimizeAll();
        QTRY_COMPARE_WITH_TIMEOUT(model->statusMessage(), QStringLiteral("Done."), 30000);
        QVERIFY2(model->jobs().at(0).message.contains(QStringLiteral("not-there.jpg")),
                 qPrintable(model->jobs().at(0).message));
    }
};

QTEST_GUILESS_MAIN(TestOptimizeRoad)
#include "tst_optimizeroad.moc"
