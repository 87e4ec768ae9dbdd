#include "client/Error.h"
#include "client/HttpTransport.h"
#include "client/TovalinClient.h"
#include "model/SettingsStore.h"
#include "queue/AppViewModel.h"
#include "tests/e2e/LocalServiceProcess.h"
#include "tests/service/TestImages.h"
#include "tests/support/TempTree.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTest>
#include <qcoro/qcorotask.h>

#include <memory>

namespace {

const QString kKey = QStringLiteral("e2e-demo-key");

QByteArray readAll(const QUrl& file)
{
    QFile f(file.toLocalFile());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TovalinOptions options(Compression compression, bool webp = false, bool avif = false)
{
    TovalinOptions o;
    o.apiKey = kKey;
    o.compression = compression;
    o.convertToWebP = webp;
    o.convertToAVIF = avif;
    return o;
}

// QCoro's waitFor() never returns when the awaited task throws; here a failure becomes an empty list.
QCoro::Task<QList<DownloadedFile>> orNothing(QCoro::Task<QList<DownloadedFile>> task)
{
    try {
        co_return co_await task;
    } catch (const Error& error) {
        qWarning("optimize failed: %s", qPrintable(error.description()));
    }
    co_return {};
}

QStringList* capturedMessages = nullptr;

void captureMessage(QtMsgType, const QMessageLogContext&, const QString& message)
{
    capturedMessages->append(message);
}

} // namespace

Q_DECLARE_METATYPE(TovalinOptions)

class TestEndToEnd : public QObject
{
    Q_OBJECT

    LocalServiceProcess m_service;
    LocalServiceProcess m_slowService; // answers "still pending" first
    QMap<QString, QByteArray> m_sources;
    std::unique_ptr<TempTree> m_tree;

    TovalinClient clientFor(LocalServiceProcess& service)
    {
        return TovalinClient(service.baseUrl(),
                             std::make_shared<HttpTransport>(QList<QSslCertificate>{service.authority()}));
    }

    // The view model's run with the real client against the local service.
    std::unique_ptr<AppViewModel> viewModel()
    {
        return std::make_unique<AppViewModel>(
            std::make_shared<SettingsStore>(m_tree->path(QStringLiteral("settings.ini"))),
            JobPipeline::optimizer(clientFor(m_service).host()));
    }

    QList<DownloadedFile> optimize(LocalServiceProcess& service, const TovalinOptions& o)
    {
        const QUrl photo = m_tree->fileUrl(QStringLiteral("photo.jpg"));
        return QCoro::waitFor(
            orNothing(JobPipeline::run(clientFor(service), JobRequest::forFile(photo, o), CancelToken())));
    }

private Q_SLOTS:
    void initTestCase()
    {
        TestImages::initVips();
        QString error = m_service.start(kKey);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        // The service adds 16 s to its processing: the upload answers code 1 after 15 s, however fast the
        // codecs are, and the poll, waiting up to 15 s more, gets the result, with 14 s left for the
        // codecs' own work on a loaded machine or under the sanitizers.
        error = m_slowService.start(kKey, {QStringLiteral("--delay-ms"), QStringLiteral("16000"),
                                           QStringLiteral("--max-wait"), QStringLiteral("15")});
        QVERIFY2(error.isEmpty(), qPrintable(error));
        m_sources = {{QStringLiteral("photo.jpg"), TestImages::photoJpeg(400, 300)},
                     {QStringLiteral("notes.jpg"), TestImages::notAnImage()},
                     {QStringLiteral("set/noise.png"), TestImages::photoAs("png", 160, 120)},
                     {QStringLiteral("set/noise.jpg"), TestImages::photoJpeg(200, 150)},
                     {QStringLiteral("set/noise.bmp"), TestImages::photoAs("bmp", 240, 180)},
                     {QStringLiteral("set/solo.jpg"), TestImages::photoJpeg(280, 210)}};
    }

    void init()
    {
        m_tree = std::make_unique<TempTree>();
        QVERIFY(m_tree->isValid());
        for (auto it = m_sources.cbegin(); it != m_sources.cend(); ++it)
            m_tree->writeFile(it.key(), it.value());
    }

    // Whatever happened, the sources are byte-identical afterwards.
    void cleanup()
    {
        for (auto it = m_sources.cbegin(); it != m_sources.cend(); ++it)
            QVERIFY2(readAll(m_tree->fileUrl(it.key())) == it.value(), qPrintable(it.key()));
    }

    void outputs_data()
    {
        QTest::addColumn<bool>("slow");
        QTest::addColumn<TovalinOptions>("options");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("lossy JPEG with companions") << false << options(Compression::lossy, true, true)
                                                    << QStringList{"photo-optimized.jpg", "photo.webp", "photo.avif"};
        QTest::newRow("lossless JPEG") << false << options(Compression::lossless) << QStringList{"photo-optimized.jpg"};
        QTest::newRow("pending, then polled once")
            << true << options(Compression::lossy, true) << QStringList{"photo-optimized.jpg", "photo.webp"};
    }

    // Each output arrives whole: it decodes as the format its name says, at the source's size; the
    // optimized file is smaller, without metadata, and pixel-exact when lossless. (What the service makes
    // of each kind of image is pinned by its own tests.)
    void outputs()
    {
        QFETCH(bool, slow);
        QFETCH(TovalinOptions, options);
        QFETCH(QStringList, names);
        const auto files = optimize(slow ? m_slowService : m_service, options);
        QCOMPARE(files.size(), names.size());
        const QByteArray original = m_sources.value(QStringLiteral("photo.jpg"));
        const auto before = TestImages::inspect(original);
        for (qsizetype i = 0; i < files.size(); ++i) {
            QCOMPARE(files[i].path, m_tree->fileUrl(names[i]));
            const QByteArray data = readAll(files[i].path);
            QCOMPARE(files[i].size, data.size());
            const auto info = TestImages::inspect(data);
            QCOMPARE(info.loader, TestImages::loaderFor(QFileInfo(names[i]).suffix()));
            QCOMPARE(QSize(info.width, info.height), QSize(before.width, before.height));
        }
        const QByteArray optimized = readAll(files[0].path);
        QVERIFY(optimized.size() < original.size());
        QVERIFY(!TestImages::inspect(optimized).hasExif);
        if (options.compression == Compression::lossless)
            QCOMPARE(TestImages::maxPixelDifference(optimized, original), 0.0);
        if (slow) {
            const QString log = m_slowService.log();
            QVERIFY2(log.contains(QLatin1String("POST /v2/post-reducer.php 200 code=1")), qPrintable(log));
            QCOMPARE(log.count(QLatin1String("POST /v2/reducer.php 200 code=2")), 1);
        }
    }

    // The whole road through the view model's run: a wrong key, then images and a non-image, four at
    // once. Sources of
    // one folder that share a base name each keep their own files; a source without such a partner keeps
    // the short names; each output holds its own source's picture (sizes differ). Whatever Qt or the
    // program prints on the way does not give the key away.
    void runThroughTheViewModel()
    {
        QStringList messages;
        capturedMessages = &messages;
        const QtMessageHandler previousHandler = qInstallMessageHandler(captureMessage);
        const auto restoreHandler = qScopeGuard([previousHandler] { qInstallMessageHandler(previousHandler); });
        const auto run = viewModel();
        AppViewModel& model = *run;
        const auto runAll = [&model] {
            model.optimizeAll();
            QTRY_VERIFY_WITH_TIMEOUT(!model.isProcessing(), 60'000);
        };
        model.setApiKey(QStringLiteral("not-a-key"));
        model.addFiles({m_tree->fileUrl(QStringLiteral("photo.jpg"))});
        runAll();
        QCOMPARE(model.jobs().first().message, QStringLiteral("Invalid API key."));

        // Four images at once from here on.
        model.setImagesAtOnce(4);
        model.setApiKey(kKey + QStringLiteral(" \n"));
        model.addFiles({m_tree->folderUrl(QStringLiteral("set")), m_tree->fileUrl(QStringLiteral("notes.jpg"))});
        runAll();
        QCOMPARE(model.statusMessage(), QStringLiteral("Done."));
        QStringList outcome;
        for (const ImageJob& job : model.jobs()) {
            QString line = job.url.fileName() + QStringLiteral(": ") + job.message;
            for (const DownloadedFile& file : job.downloads) {
                const QByteArray data = readAll(file.path);
                QCOMPARE(file.size, data.size());
                QCOMPARE(TestImages::inspect(data).width, TestImages::inspect(readAll(job.url)).width);
                line += QLatin1Char(' ') + file.path.fileName();
            }
            outcome << line;
        }
        outcome.sort();
        const QString saved = QStringLiteral(": Optimized and saved locally. ");
        QCOMPARE(outcome, (QStringList{"noise.bmp" + saved + "noise.bmp-optimized.png noise.bmp.webp",
                                       "noise.jpg" + saved + "noise-optimized.jpg noise.jpg.webp",
                                       "noise.png" + saved + "noise-optimized.png noise.png.webp",
                                       "notes.jpg: The file is not an image this service can read. Supported are "
                                       "JPEG, PNG, GIF, TIFF, BMP, WebP and HEIC/HEIF.",
                                       "photo.jpg" + saved + "photo-optimized.jpg photo.webp",
                                       "solo.jpg" + saved + "solo-optimized.jpg solo.webp"}));
        QCOMPARE(model.jobs().first().originalSize, m_sources.value(QStringLiteral("photo.jpg")).size());
        QVERIFY(!QFile::exists(m_tree->path(QStringLiteral("notes-optimized.jpg"))));
        for (const QString& message : std::as_const(messages)) {
            QVERIFY2(!message.contains(kKey) && !message.contains(QLatin1String("not-a-key")), qPrintable(message));
        }
    }
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
