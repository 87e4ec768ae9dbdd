#include "OptimizerService.h"
#include "TestImages.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTest>
#include <QUuid>

#include <memory>

namespace {

const QString kKey = QStringLiteral("test-key-5f1e");

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

struct Answer
{
    int http = 0;
    QByteArray body;
    QJsonObject record;
    QNetworkReply::NetworkError error = QNetworkReply::NoError;

    int code() const { return record.value(QStringLiteral("Status")).toObject().value(QStringLiteral("Code")).toInt(); }
    QString message() const
    {
        return record.value(QStringLiteral("Status")).toObject().value(QStringLiteral("Message")).toString();
    }
    QString url(const char* member) const { return record.value(QLatin1String(member)).toString(); }
};

// The upload body as the desktop client writes it.
struct Form
{
    QByteArray boundary = "Boundary-" + QUuid::createUuid().toByteArray(QUuid::WithoutBraces).toUpper();
    QByteArray data;

    Form& field(const QByteArray& name, const QByteArray& value)
    {
        data += "--" + boundary + "\r\nContent-Disposition: form-data; name=\"" + name + "\"\r\n\r\n" + value + "\r\n";
        return *this;
    }
    Form& file(const QByteArray& bytes, const QByteArray& name = "photo.jpg")
    {
        data += "--" + boundary + "\r\nContent-Disposition: form-data; name=\"file1\"; filename=\"" + name +
                "\"\r\nContent-Type: image/jpeg\r\n\r\n" + bytes + "\r\n";
        return *this;
    }
    QByteArray close() const { return data + "--" + boundary + "--\r\n"; }
    QByteArray contentType() const { return "multipart/form-data; boundary=" + boundary; }
};

Form clientForm(const QByteArray& key = kKey.toUtf8(), const QByteArray& wait = "30")
{
    Form form;
    form.field("key", key).field("plugin_version", "MAC01").field("lossy", "1").field("wait", wait);
    return form;
}

} // namespace

class TestServiceServer : public QObject
{
    Q_OBJECT

    std::unique_ptr<OptimizerService> m_service;
    QNetworkAccessManager m_nam;
    QSslConfiguration m_serverSsl;
    QSslConfiguration m_clientSsl;
    QStringList m_log;
    QByteArray m_photo;

    void start(ServiceConfig config = {})
    {
        m_service.reset();
        m_log.clear();
        if (config.apiKeys.isEmpty())
            config.apiKeys = {kKey, QStringLiteral("other-key")};
        m_service = std::make_unique<OptimizerService>(config);
        connect(m_service.get(), &OptimizerService::logLine, this, [this](const QString& line) { m_log << line; });
        QVERIFY(m_service->listen(QHostAddress::LocalHost, 0, m_serverSsl));
        m_nam.clearConnectionCache();
    }

    QUrl url(const QString& path) const
    {
        return QUrl(QStringLiteral("https://127.0.0.1:%1%2").arg(m_service->port()).arg(path));
    }

    Answer finish(QNetworkReply* reply)
    {
        QSignalSpy finished(reply, &QNetworkReply::finished);
        if (!reply->isFinished())
            finished.wait(60'000);
        Answer answer;
        answer.http = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        answer.body = reply->readAll();
        answer.error = reply->error();
        const QJsonDocument document = QJsonDocument::fromJson(answer.body);
        if (document.isArray())
            answer.record = document.array().first().toObject();
        reply->deleteLater();
        return answer;
    }

    QNetworkRequest request(const QUrl& address, const QByteArray& contentType = {}) const
    {
        QNetworkRequest r(address);
        r.setSslConfiguration(m_clientSsl);
        if (!contentType.isEmpty())
            r.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
        return r;
    }

    QNetworkReply* startUpload(const Form& form)
    {
        return m_nam.post(request(url(QLatin1String(OptimizerService::kUploadPath)), form.contentType()), form.close());
    }
    Answer upload(const Form& form) { return finish(startUpload(form)); }

    Answer poll(const QJsonObject& body)
    {
        return finish(m_nam.post(request(url(QLatin1String(OptimizerService::kPollPath)), "application/json"),
                                 QJsonDocument(body).toJson(QJsonDocument::Compact)));
    }
    Answer pollFor(const QString& originalUrl, int wait, const QString& key = kKey)
    {
        return poll(QJsonObject{{QStringLiteral("key"), key},
                                {QStringLiteral("plugin_version"), QStringLiteral("MAC01")},
                                {QStringLiteral("lossy"), 1},
                                {QStringLiteral("wait"), wait},
                                {QStringLiteral("urllist"), QJsonArray{originalUrl}}});
    }
    Answer get(const QString& address) { return finish(m_nam.get(request(QUrl(address)))); }

    // Writes raw bytes on a fresh TLS connection and returns whatever comes back before it closes.
    // Waits by spinning the event loop: the service runs on this same thread.
    QByteArray raw(const QByteArray& bytes, bool waitForClose = false)
    {
        QSslSocket socket;
        socket.setSslConfiguration(m_clientSsl);
        QByteArray received;
        bool closed = false;
        connect(&socket, &QSslSocket::readyRead, this, [&] { received += socket.readAll(); });
        connect(&socket, &QSslSocket::disconnected, this, [&] { closed = true; });
        connect(&socket, &QSslSocket::encrypted, this, [&] { socket.write(bytes); });
        socket.connectToHostEncrypted(QStringLiteral("127.0.0.1"), m_service->port());
        [[maybe_unused]] const bool done =
            QTest::qWaitFor([&] { return closed || (!waitForClose && !received.isEmpty()); }, 15'000);
        if (!waitForClose)
            socket.abort();
        return received;
    }

private Q_SLOTS:
    void initTestCase()
    {
        TestImages::initVips();
        const QString certs = QStringLiteral(TOVALIN_SERVICE_TEST_CERTS);
        m_serverSsl = QSslConfiguration::defaultConfiguration();
        m_serverSsl.setLocalCertificateChain(QSslCertificate::fromData(readFile(certs + "/server.pem")));
        m_serverSsl.setPrivateKey(QSslKey(readFile(certs + "/server.key"), QSsl::Ec));
        m_serverSsl.setPeerVerifyMode(QSslSocket::VerifyNone);
        QVERIFY(!m_serverSsl.privateKey().isNull());
        m_clientSsl = QSslConfiguration::defaultConfiguration();
        m_clientSsl.setCaCertificates(QSslCertificate::fromData(readFile(certs + "/ca.pem")));
        m_photo = TestImages::photoJpeg(320, 240);
    }

    void cleanup() { m_service.reset(); }

    void uploadAnswersWithDownloadableResults()
    {
        start();
        Form form = clientForm();
        form.field("convertto", "+webp|+avif").field("file_paths", R"({"file1":"\/tmp\/photo.jpg"})").file(m_photo);
        const Answer answer = upload(form);
        QCOMPARE(answer.http, 200);
        QCOMPARE(answer.code(), 2);
        QCOMPARE(answer.message(), QStringLiteral("Optimized."));
        const QRegularExpression address(
            QStringLiteral("^https://127\\.0\\.0\\.1:%1/files/[0-9a-f]{32}\\.[a-z]+$").arg(m_service->port()));
        QStringList seen;
        for (const char* member : {"OriginalURL", "LossyURL", "LosslessURL", "WebPLossyURL", "AVIFLossyURL"}) {
            QVERIFY2(address.match(answer.url(member)).hasMatch(), member);
            seen << answer.url(member);
        }
        seen.removeDuplicates();
        QCOMPARE(seen.size(), 5);
        QVERIFY(!answer.record.contains(QStringLiteral("WebPLosslessURL")));
        QCOMPARE(answer.record.value(QStringLiteral("OriginalSize")).toInteger(), m_photo.size());

        QCOMPARE(get(answer.url("OriginalURL")).body, m_photo);
        const Answer lossy = get(answer.url("LossyURL"));
        QCOMPARE(lossy.http, 200);
        QCOMPARE(lossy.body.size(), answer.record.value(QStringLiteral("LossySize")).toInteger());
        QCOMPARE(TestImages::inspect(lossy.body).loader, QByteArray("jpegload_buffer"));
        QCOMPARE(TestImages::maxPixelDifference(get(answer.url("LosslessURL")).body, m_photo), 0.0);
        QCOMPARE(TestImages::inspect(get(answer.url("WebPLossyURL")).body).loader, QByteArray("webpload_buffer"));
        QCOMPARE(TestImages::inspect(get(answer.url("AVIFLossyURL")).body).loader, QByteArray("heifload_buffer"));
    }

    void pendingUploadIsAnsweredByThePoll()
    {
        ServiceConfig config;
        config.delayMs = 1500;
        start(config);
        Form form = clientForm(kKey.toUtf8(), "0");
        const Answer first = upload(form.file(m_photo));
        QCOMPARE(first.http, 200);
        QCOMPARE(first.code(), 1);
        QVERIFY(!first.url("OriginalURL").isEmpty());
        for (const char* member : {"LossyURL", "LosslessURL", "WebPLossyURL", "AVIFLossyURL"})
            QVERIFY(!first.record.contains(QLatin1String(member)));

        const Answer stillPending = pollFor(first.url("OriginalURL"), 0);
        QCOMPARE(stillPending.code(), 1);
        QCOMPARE(stillPending.url("OriginalURL"), first.url("OriginalURL"));

        // Another key cannot ask about this upload.
        QCOMPARE(pollFor(first.url("OriginalURL"), 0, QStringLiteral("other-key")).http, 404);

        const Answer done = pollFor(first.url("OriginalURL"), 25);
        QCOMPARE(done.code(), 2);
        QVERIFY(!done.url("LossyURL").isEmpty());
        QCOMPARE(TestImages::inspect(get(done.url("LossyURL")).body).loader, QByteArray("jpegload_buffer"));
    }

    void uploadWaitsForAShortDelay()
    {
        ServiceConfig config;
        config.delayMs = 300;
        start(config);
        const Answer answer = upload(clientForm().file(m_photo));
        QCOMPARE(answer.code(), 2);
        QVERIFY(!answer.url("LossyURL").isEmpty());
    }

    void invalidKey()
    {
        start();
        const Answer answer = upload(clientForm("wrong").file(m_photo));
        QCOMPARE(answer.http, 401);
        QCOMPARE(answer.code(), 401);
        QCOMPARE(answer.message(), QStringLiteral("Invalid API key."));
        const Answer polled = pollFor(QStringLiteral("https://127.0.0.1/files/x"), 0, QStringLiteral("wrong"));
        QCOMPARE(polled.code(), 401);
        QCOMPARE(polled.message(), QStringLiteral("Invalid API key."));
        for (const QString& line : std::as_const(m_log))
            QVERIFY2(!line.contains(QLatin1String("wrong")), qPrintable(line));
    }

    void badRequests_data()
    {
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QByteArray image = TestImages::photoJpeg(64, 48);
        const Form good = clientForm().file(image);
        QTest::newRow("not multipart") << QByteArray("text/plain") << good.close() << 400
                                       << "The upload must be sent as multipart/form-data.";
        QTest::newRow("truncated") << good.contentType() << good.close().chopped(30) << 400
                                   << "The upload is incomplete: the multipart form ends too early.";
        const Form noFile = clientForm();
        QTest::newRow("missing file") << noFile.contentType() << noFile.close() << 400
                                      << "The request is missing the image file \"file1\".";
        Form unknown = clientForm();
        unknown.field("colour", "red").file(image);
        QTest::newRow("unknown field") << unknown.contentType() << unknown.close() << 400
                                       << "The request has an unknown field \"colour\".";
        Form text = clientForm();
        text.file(TestImages::notAnImage(), "notes.jpg");
        QTest::newRow("not an image")
            << text.contentType() << text.close() << 415
            << "The file is not an image this service can read. Supported are JPEG, PNG, GIF, TIFF, BMP, WebP and "
               "HEIC/HEIF.";
        Form background = clientForm();
        background.field("bg_remove", "1").file(image);
        QTest::newRow("background removal") << background.contentType() << background.close() << 501
                                            << "Background removal is not available on this server.";
    }

    void badRequests()
    {
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, body);
        QFETCH(int, code);
        QFETCH(QString, message);
        start();
        const Answer answer =
            finish(m_nam.post(request(url(QLatin1String(OptimizerService::kUploadPath)), contentType), body));
        QCOMPARE(answer.http, code);
        QCOMPARE(answer.code(), code);
        QCOMPARE(answer.message(), message);
    }

    void badPollsAndAddresses()
    {
        start();
        Answer answer = finish(m_nam.post(request(url(QLatin1String(OptimizerService::kPollPath)), "application/json"),
                                          QByteArray("{\"key\":")));
        QCOMPARE(answer.code(), 400);
        QCOMPARE(answer.message(), QStringLiteral("The poll body must be a JSON object."));
        answer = pollFor(url(QStringLiteral("/files/0123456789abcdef0123456789abcdef.jpg")).toString(), 0);
        QCOMPARE(answer.http, 404);
        QCOMPARE(answer.message(), QStringLiteral("This image is not known here or has expired. Upload it again."));
        answer = pollFor(QStringLiteral("not a url at all"), 0);
        QCOMPARE(answer.http, 404);
        QCOMPARE(get(url(QStringLiteral("/files/0123456789abcdef0123456789abcdef.jpg")).toString()).http, 404);
        QCOMPARE(get(url(QStringLiteral("/files/../../etc/passwd")).toString()).http, 404);
        QCOMPARE(get(url(QStringLiteral("/elsewhere")).toString()).http, 404);
        QCOMPARE(get(url(QLatin1String(OptimizerService::kUploadPath)).toString()).http, 405);
    }

    void oversizedUploads()
    {
        ServiceConfig config;
        config.maxUploadBytes = 64 * 1024;
        start(config);
        // Over the file limit but within the request limit: refused by the form parser.
        Answer answer = upload(clientForm().file(QByteArray(100 * 1024, 'x')));
        QCOMPARE(answer.http, 413);
        QCOMPARE(answer.message(), QStringLiteral("The file is larger than the limit of 0.0625 MB."));
        // Far over: refused from the Content-Length alone, before the body is read.
        answer = upload(clientForm().file(QByteArray(3 * 1024 * 1024, 'x')));
        QCOMPARE(answer.http, 413);
        QCOMPARE(answer.message(), QStringLiteral("The file is larger than the limit of 0.0625 MB."));
        // And the service goes on serving.
        QCOMPARE(upload(clientForm().file(TestImages::photoJpeg(64, 48))).code(), 2);
    }

    void malformedHttp()
    {
        start();
        QVERIFY(raw("GARBAGE\r\n\r\n").startsWith("HTTP/1.1 400 "));
        const QByteArray hugeHeader = "GET / HTTP/1.1\r\nHost: x\r\nX-Pad: " + QByteArray(20'000, 'p') + "\r\n\r\n";
        QVERIFY(raw(hugeHeader).startsWith("HTTP/1.1 431 "));
        QVERIFY(raw("POST /v2/reducer.php HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n").startsWith("HTTP/1.1 411 "));
        QVERIFY(raw("GET / HTTP/2.0\r\n\r\n").startsWith("HTTP/1.1 505 "));
        // A request cut off in its body: the client gives up, the service stays up.
        {
            QSslSocket cut;
            cut.setSslConfiguration(m_clientSsl);
            connect(&cut, &QSslSocket::encrypted, this,
                    [&cut] { cut.write("POST /v2/reducer.php HTTP/1.1\r\nContent-Length: 100\r\n\r\n{\"key\""); });
            cut.connectToHostEncrypted(QStringLiteral("127.0.0.1"), m_service->port());
            QTRY_VERIFY(cut.isEncrypted());
            QTest::qWait(100);
        }
        // Two requests on one connection are answered in order.
        const QByteArray two = raw("GET /a HTTP/1.1\r\nHost: x\r\n\r\nGET /b HTTP/1.1\r\nHost: x\r\nConnection: "
                                   "close\r\n\r\n",
                                   true);
        QCOMPARE(two.count("HTTP/1.1 404 "), 2);
        QCOMPARE(upload(clientForm().file(m_photo)).code(), 2);
    }

    void concurrentUploads()
    {
        start();
        const QByteArray png = TestImages::transparentPng(200, 150);
        Form a = clientForm();
        a.field("convertto", "+avif").file(m_photo);
        Form b = clientForm();
        b.file(png, "a.png");
        QNetworkReply* first = startUpload(a);
        QNetworkReply* second = startUpload(b);
        const Answer answerB = finish(second);
        const Answer answerA = finish(first);
        QCOMPARE(answerA.code(), 2);
        QCOMPARE(answerB.code(), 2);
        QVERIFY(answerB.url("LossyURL").endsWith(QLatin1String(".png")));
    }

    void resultsExpireAndTheStoreGoesAtExit()
    {
        ServiceConfig config;
        config.ttlSeconds = 1;
        start(config);
        const QString folder = m_service->storeFolder();
        QVERIFY(QDir(folder).exists());
        const Answer answer = upload(clientForm().file(m_photo));
        QCOMPARE(answer.code(), 2);
        QVERIFY(!QDir(folder).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(get(answer.url("LossyURL")).http, 404, 10'000);
        QCOMPARE(get(answer.url("OriginalURL")).http, 404);
        QCOMPARE(pollFor(answer.url("OriginalURL"), 0).http, 404);
        QTRY_VERIFY_WITH_TIMEOUT(QDir(folder).isEmpty(), 10'000);

        QCOMPARE(upload(clientForm().file(m_photo)).code(), 2);
        m_service.reset();
        QVERIFY(!QDir(folder).exists());
    }

    void oneLogLinePerRequestWithoutTheKey()
    {
        start();
        const Answer answer = upload(clientForm().file(m_photo));
        get(answer.url("LossyURL"));
        pollFor(answer.url("OriginalURL"), 0);
        QCOMPARE(m_log.size(), 3);
        QVERIFY(m_log[0].contains(QLatin1String("POST /v2/post-reducer.php 200 code=2")));
        QVERIFY(m_log[1].contains(QLatin1String("GET /files/")));
        QVERIFY(m_log[2].contains(QLatin1String("POST /v2/reducer.php 200 code=2")));
        for (const QString& line : std::as_const(m_log)) {
            QVERIFY2(!line.contains(kKey), qPrintable(line));
            // Result tokens are capabilities; the log shows only their start.
            QVERIFY2(!QRegularExpression(QStringLiteral("[0-9a-f]{32}")).match(line).hasMatch(), qPrintable(line));
        }
    }
};

QTEST_GUILESS_MAIN(TestServiceServer)
#include "tst_service_server.moc"
