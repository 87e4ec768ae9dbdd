#include "ApiKeyStore.h"
#include "AppViewModel.h"
#include "Error.h"
#include "HttpTransport.h"
#include "LocalServiceProcess.h"
#include "TempTree.h"
#include "TestImages.h"
#include "TovalinClient.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSignalSpy>
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

QByteArray sha256(const QByteArray& data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256);
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

struct Outcome
{
    QList<DownloadedFile> files;
    std::optional<QString> error; // the description of what the client threw
};

// QCoro's waitFor() never returns when the awaited task throws; this turns the failure into a value.
QCoro::Task<Outcome> outcomeOf(QCoro::Task<QList<DownloadedFile>> task)
{
    Outcome outcome;
    try {
        outcome.files = co_await task;
    } catch (const Error& error) {
        outcome.error = error.description();
    }
    co_return outcome;
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

    LocalServiceProcess m_service;
    LocalServiceProcess m_slowService; // answers "still pending" first
    std::unique_ptr<TempTree> m_tree;

    TovalinClient clientFor(LocalServiceProcess& service)
    {
        return TovalinClient(service.baseUrl(),
                             std::make_shared<HttpTransport>(QList<QSslCertificate>{service.authority()}));
    }

    Outcome run(LocalServiceProcess& service, const QString& name, const TovalinOptions& o)
    {
        return QCoro::waitFor(outcomeOf(clientFor(service).optimize(m_tree->fileUrl(name), o, CancelToken())));
    }
    QList<DownloadedFile> optimize(LocalServiceProcess& service, const QString& name, const TovalinOptions& o)
    {
        const Outcome outcome = run(service, name, o);
        if (outcome.error)
            qWarning("optimize failed: %s", qPrintable(*outcome.error));
        return outcome.files;
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
    }

    void init()
    {
        m_tree = std::make_unique<TempTree>();
        QVERIFY(m_tree->isValid());
        m_tree->writeFile(QStringLiteral("photo.jpg"), TestImages::photoJpeg(800, 600));
        m_tree->writeFile(QStringLiteral("clear.png"), TestImages::transparentPng(320, 240));
        m_tree->writeFile(QStringLiteral("print.jpg"), TestImages::cmykJpeg(320, 240));
        m_tree->writeFile(QStringLiteral("notes.jpg"), TestImages::notAnImage());
    }

    void lossyJpegWithCompanions()
    {
        const QByteArray source = readAll(m_tree->fileUrl(QStringLiteral("photo.jpg")));
        const auto files = optimize(m_service, QStringLiteral("photo.jpg"), options(Compression::lossy, true, true));
        QCOMPARE(files.size(), 3);
        QCOMPARE(files[0].format, QStringLiteral("Optimized"));
        QCOMPARE(files[0].path, m_tree->fileUrl(QStringLiteral("photo-optimized.jpg")));
        QCOMPARE(files[1].path, m_tree->fileUrl(QStringLiteral("photo.webp")));
        QCOMPARE(files[2].path, m_tree->fileUrl(QStringLiteral("photo.avif")));

        const QByteArray optimized = readAll(files[0].path);
        QCOMPARE(TestImages::inspect(optimized).loader, QByteArray("jpegload_buffer"));
        QVERIFY(optimized.size() < source.size());
        QVERIFY(!TestImages::inspect(optimized).hasExif);
        QCOMPARE(TestImages::inspect(readAll(files[1].path)).loader, QByteArray("webpload_buffer"));
        const QByteArray avif = readAll(files[2].path);
        QCOMPARE(avif.mid(4, 8), QByteArray("ftypavif"));
        QCOMPARE(TestImages::inspect(avif).width, 800);
        // The source is untouched.
        QCOMPARE(sha256(readAll(m_tree->fileUrl(QStringLiteral("photo.jpg")))), sha256(source));
    }

    void losslessJpegKeepsEveryPixel()
    {
        const QByteArray source = readAll(m_tree->fileUrl(QStringLiteral("photo.jpg")));
        const auto files = optimize(m_service, QStringLiteral("photo.jpg"), options(Compression::lossless));
        QCOMPARE(files.size(), 1);
        const QByteArray optimized = readAll(files[0].path);
        QCOMPARE(TestImages::maxPixelDifference(optimized, source), 0.0);
        QVERIFY(optimized.size() < source.size());
        QCOMPARE(readAll(m_tree->fileUrl(QStringLiteral("photo.jpg"))), source);
    }

    void transparentPngAndCmykJpeg()
    {
        auto files = optimize(m_service, QStringLiteral("clear.png"), options(Compression::glossy, true));
        QCOMPARE(files.size(), 2);
        QCOMPARE(files[0].path, m_tree->fileUrl(QStringLiteral("clear-optimized.png")));
        auto info = TestImages::inspect(readAll(files[0].path));
        QCOMPARE(info.loader, QByteArray("pngload_buffer"));
        QVERIFY(info.hasAlpha);
        QVERIFY(TestImages::inspect(readAll(files[1].path)).hasAlpha);

        files = optimize(m_service, QStringLiteral("print.jpg"), options(Compression::lossy));
        info = TestImages::inspect(readAll(files[0].path));
        QCOMPARE(info.loader, QByteArray("jpegload_buffer"));
        QVERIFY(!info.cmyk);
        QCOMPARE(info.bands, 3);
    }

    void notAnImageFails()
    {
        const QByteArray source = readAll(m_tree->fileUrl(QStringLiteral("notes.jpg")));
        const Outcome outcome = run(m_service, QStringLiteral("notes.jpg"), options(Compression::lossy));
        QVERIFY(outcome.files.isEmpty());
        QCOMPARE(outcome.error, QStringLiteral("The file is not an image this service can read. Supported are JPEG, "
                                               "PNG, GIF, TIFF, BMP, WebP and HEIC/HEIF."));
        QVERIFY(!QFile::exists(m_tree->path(QStringLiteral("notes-optimized.jpg"))));
        QCOMPARE(readAll(m_tree->fileUrl(QStringLiteral("notes.jpg"))), source);
    }

    void pendingResultIsPolledOnce()
    {
        const auto files = optimize(m_slowService, QStringLiteral("photo.jpg"), options(Compression::lossy, true));
        QCOMPARE(files.size(), 2);
        QCOMPARE(TestImages::inspect(readAll(files[0].path)).loader, QByteArray("jpegload_buffer"));
        QVERIFY(readAll(files[0].path) != readAll(m_tree->fileUrl(QStringLiteral("photo.jpg"))));
        const QString log = m_slowService.log();
        QVERIFY2(log.contains(QLatin1String("POST /v2/post-reducer.php 200 code=1")), qPrintable(log));
        QCOMPARE(log.count(QLatin1String("POST /v2/reducer.php 200 code=2")), 1);
    }

    void runShowsServiceMessages()
    {
        // The whole road through the view model's run: a good image, a wrong key, a non-image.
        auto store = std::make_shared<ApiKeyStore>(m_tree->path(QStringLiteral("settings.ini")));
        const TovalinClient client = clientFor(m_service);
        AppViewModel model(store, [client](QUrl file, TovalinOptions o, CancelToken token) {
            return client.optimize(std::move(file), std::move(o), std::move(token));
        });
        model.setApiKey(QStringLiteral("not-a-key"));
        model.addFiles({m_tree->fileUrl(QStringLiteral("photo.jpg"))});
        model.optimizeAll();
        QTRY_VERIFY_WITH_TIMEOUT(!model.isProcessing(), 60'000);
        QCOMPARE(model.jobs().first().status, JobStatus::failed);
        QCOMPARE(model.jobs().first().message, QStringLiteral("Invalid API key."));

        model.setApiKey(kKey + QStringLiteral(" \n"));
        model.addFiles({m_tree->fileUrl(QStringLiteral("notes.jpg"))});
        model.optimizeAll();
        QTRY_VERIFY_WITH_TIMEOUT(!model.isProcessing(), 60'000);
        QCOMPARE(model.jobs().size(), 2);
        QCOMPARE(model.jobs()[0].status, JobStatus::succeeded);
        QCOMPARE(model.jobs()[0].message, QStringLiteral("Optimized and saved locally."));
        QCOMPARE(model.jobs()[0].downloads.size(), 2); // WebP companions are on by default
        QCOMPARE(model.jobs()[1].status, JobStatus::failed);
        QVERIFY(model.jobs()[1].message.startsWith(QStringLiteral("The file is not an image")));
        QCOMPARE(model.statusMessage(), QStringLiteral("Done."));
    }
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
