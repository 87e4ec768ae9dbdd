#include "ApiKeyStore.h"
#include "AppViewModel.h"
#include "Error.h"
#include "HttpTransport.h"
#include "LocalServiceProcess.h"
#include "TempTree.h"
#include "TestImages.h"
#include "TovalinClient.h"

#include <QFile>
#include <QFileInfo>
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
    o.cmykToRgb = true;
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
        const TovalinClient client = clientFor(m_service);
        return std::make_unique<AppViewModel>(
            std::make_shared<ApiKeyStore>(m_tree->path(QStringLiteral("settings.ini"))),
            [client](QUrl file, TovalinOptions o, CancelToken token, OutputNames::Naming naming) {
                return client.optimize(std::move(file), std::move(o), std::move(token), naming);
            });
    }

    QList<DownloadedFile> optimize(LocalServiceProcess& service, const QString& name, const TovalinOptions& o)
    {
        return QCoro::waitFor(orNothing(clientFor(service).optimize(m_tree->fileUrl(name), o, CancelToken())));
    }

private Q_SLOTS:
    void initTestCase()
    {
        TestImages::initVips();
        QString error = m_service.start(kKey);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        // Processing takes 2.5 s longer than a request may wait: the upload answers code 1 after 2 s and
        // the poll, waiting up to 2 s more, gets the result.
        error = m_slowService.start(kKey, {QStringLiteral("--delay-ms"), QStringLiteral("2500"),
                                           QStringLiteral("--max-wait"), QStringLiteral("2")});
        QVERIFY2(error.isEmpty(), qPrintable(error));
        m_sources = {{QStringLiteral("photo.jpg"), TestImages::photoJpeg(800, 600)},
                     {QStringLiteral("clear.png"), TestImages::transparentPng(320, 240)},
                     {QStringLiteral("print.jpg"), TestImages::cmykJpeg(320, 240)},
                     {QStringLiteral("notes.jpg"), TestImages::notAnImage()}};
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
        QTest::addColumn<QString>("source");
        QTest::addColumn<TovalinOptions>("options");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("lossy JPEG with companions") << false << "photo.jpg" << options(Compression::lossy, true, true)
                                                    << QStringList{"photo-optimized.jpg", "photo.webp", "photo.avif"};
        QTest::newRow("lossless JPEG") << false << "photo.jpg" << options(Compression::lossless)
                                       << QStringList{"photo-optimized.jpg"};
        QTest::newRow("transparent PNG") << false << "clear.png" << options(Compression::glossy, true)
                                         << QStringList{"clear-optimized.png", "clear.webp"};
        QTest::newRow("CMYK JPEG") << false << "print.jpg" << options(Compression::lossy)
                                   << QStringList{"print-optimized.jpg"};
        QTest::newRow("pending, then polled once") << true << "photo.jpg" << options(Compression::lossy, true)
                                                   << QStringList{"photo-optimized.jpg", "photo.webp"};
    }

    // Each output decodes as the format its name says, at the source's size, with its transparency,
    // in RGB; the optimized file is smaller, without metadata, and pixel-exact when lossless.
    void outputs()
    {
        QFETCH(bool, slow);
        QFETCH(QString, source);
        QFETCH(TovalinOptions, options);
        QFETCH(QStringList, names);
        const auto files = optimize(slow ? m_slowService : m_service, source, options);
        QCOMPARE(files.size(), names.size());
        const QByteArray original = m_sources.value(source);
        const auto before = TestImages::inspect(original);
        for (qsizetype i = 0; i < files.size(); ++i) {
            QCOMPARE(files[i].path, m_tree->fileUrl(names[i]));
            const QByteArray data = readAll(files[i].path);
            QCOMPARE(files[i].size, data.size());
            const auto info = TestImages::inspect(data);
            const QString suffix = QFileInfo(names[i]).suffix();
            QCOMPARE(info.loader, TestImages::loaderFor(suffix));
            if (suffix == QLatin1String("avif"))
                QCOMPARE(data.mid(4, 8), QByteArray("ftypavif"));
            QCOMPARE(QSize(info.width, info.height), QSize(before.width, before.height));
            QCOMPARE(info.hasAlpha, before.hasAlpha);
            QCOMPARE(info.bands, before.hasAlpha ? 4 : 3);
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

    // Sources of one folder that share a base name each keep their own files; a source without such
    // a partner keeps the short names. Each output holds its own source's picture (sizes differ).
    void sharedBaseNamesKeepEveryJobsFiles()
    {
        const QMap<QString, QByteArray> sources{{QStringLiteral("noise.png"), TestImages::photoAs("png", 160, 120)},
                                                {QStringLiteral("noise.jpg"), TestImages::photoJpeg(200, 150)},
                                                {QStringLiteral("noise.bmp"), TestImages::photoAs("bmp", 240, 180)},
                                                {QStringLiteral("solo.jpg"), TestImages::photoJpeg(280, 210)}};
        QList<QUrl> urls;
        for (auto it = sources.cbegin(); it != sources.cend(); ++it) {
            urls.append(QUrl::fromLocalFile(m_tree->writeFile(QStringLiteral("set/") + it.key(), it.value())));
        }
        const auto run = viewModel();
        AppViewModel& model = *run;
        model.setApiKey(kKey);
        model.addFiles(urls);
        model.optimizeAll();
        QTRY_VERIFY_WITH_TIMEOUT(!model.isProcessing(), 60'000);
        QStringList listed;
        for (const ImageJob& job : model.jobs()) {
            QCOMPARE(job.status, JobStatus::succeeded);
            const auto source = TestImages::inspect(sources.value(job.url.fileName()));
            for (const DownloadedFile& file : job.downloads) {
                const QByteArray data = readAll(file.path);
                QCOMPARE(file.size, data.size());
                QCOMPARE(TestImages::inspect(data).width, source.width);
                listed << file.path.fileName();
            }
            QCOMPARE(readAll(job.url), sources.value(job.url.fileName()));
        }
        QCOMPARE(listed,
                 QStringList({"noise.bmp-optimized.png", "noise.bmp.webp", "noise-optimized.jpg", "noise.jpg.webp",
                              "noise-optimized.png", "noise.png.webp", "solo-optimized.jpg", "solo.webp"}));
    }

    void runShowsServiceMessages()
    {
        // The whole road through the view model's run: a wrong key, a good image, a non-image.
        const auto run = viewModel();
        AppViewModel& model = *run;
        model.setApiKey(QStringLiteral("not-a-key"));
        model.addFiles({m_tree->fileUrl(QStringLiteral("photo.jpg"))});
        model.optimizeAll();
        QTRY_VERIFY_WITH_TIMEOUT(!model.isProcessing(), 60'000);
        QCOMPARE(model.jobs().first().message, QStringLiteral("Invalid API key."));

        model.setApiKey(kKey + QStringLiteral(" \n"));
        model.addFiles({m_tree->fileUrl(QStringLiteral("notes.jpg"))});
        model.optimizeAll();
        QTRY_VERIFY_WITH_TIMEOUT(!model.isProcessing(), 60'000);
        QCOMPARE(model.jobs().size(), 2);
        QCOMPARE(model.jobs()[0].message, QStringLiteral("Optimized and saved locally."));
        QCOMPARE(model.jobs()[0].downloads.size(), 2); // WebP companions are on by default
        QCOMPARE(model.jobs()[0].originalSize, m_sources.value(QStringLiteral("photo.jpg")).size());
        QCOMPARE(model.jobs()[1].message, QStringLiteral("The file is not an image this service can read. Supported "
                                                         "are JPEG, PNG, GIF, TIFF, BMP, WebP and HEIC/HEIF."));
        QVERIFY(!QFile::exists(m_tree->path(QStringLiteral("notes-optimized.jpg"))));
        QCOMPARE(model.statusMessage(), QStringLiteral("Done."));
    }
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
