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
#include <QSet>
#include <QSignalSpy>
#include <QSslKey>
#include <QSslSocket>
#include <QTest>

#include <memory>

namespace {

const QString kKey = QStringLiteral("test-key-5f1e");
const QString kUploadPath = QLatin1String(OptimizerService::kUploadPath);
const QString kPollPath = QLatin1String(OptimizerService::kPollPath);

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

    QJsonValue status(const char* member) const { return record[QStringLiteral("Status")][QLatin1String(member)]; }
    int code() const { return status("Code").toInt(); }
    QString message() const { return status("Message").toString(); }
    QString url(const char* member) const { return record.value(QLatin1String(member)).toString(); }
};

// The upload body as the desktop client writes it.
struct Form
{
    QByteArray data;

    Form& field(const QByteArray& name, const QByteArray& value, const QByteArray& filename = {})
    {
        data += "--Boundary-7E1F\r\nContent-Disposition: form-data; name=\"" + name + '"' +
                (filename.isEmpty() ? "" : "; filename=\"" + filename + '"') + "\r\n\r\n" + value + "\r\n";
        return *this;
    }
    Form& file(const QByteArray& bytes, const QByteArray& name = "photo.jpg") { return field("file1", bytes, name); }
    QByteArray close() const { return data + "--Boundary-7E1F--\r\n"; }
    static QByteArray contentType() { return "multipart/form-data; boundary=Boundary-7E1F"; }
};

Form clientForm()
{
    return Form().field("key", kKey.toUtf8()).field("plugin_version", "MAC01").field("lossy", "1").field("wait", "30");
}

QByteArray pollBody(const QString& originalUrl, const QString& key = kKey)
{
    return QStringLiteral(R"({"key":"%1","plugin_version":"MAC01","lossy":1,"wait":0,"urllist":["%2"]})")
        .arg(key, originalUrl)
        .toUtf8();
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

    QNetworkReply* send(const QUrl& address, const QByteArray& contentType = {}, const QByteArray& body = {})
    {
        QNetworkRequest request(address);
        request.setSslConfiguration(m_clientSsl);
        if (contentType.isEmpty())
            return m_nam.get(request);
        request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
        return m_nam.post(request, body);
    }

    Answer finish(QNetworkReply* reply)
    {
        QSignalSpy finished(reply, &QNetworkReply::finished);
        if (!reply->isFinished())
            finished.wait(60'000);
        const QByteArray body = reply->readAll();
        reply->deleteLater();
        return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), body,
                QJsonDocument::fromJson(body).array().first().toObject()};
    }

    Answer upload(const Form& form) { return finish(send(url(kUploadPath), form.contentType(), form.close())); }
    Answer poll(const QString& originalUrl, const QString& key = kKey)
    {
        return finish(send(url(kPollPath), "application/json", pollBody(originalUrl, key)));
    }
    Answer get(const QString& address) { return finish(send(QUrl(address))); }

    // Writes raw bytes on a fresh TLS connection and returns what comes back once `answers` responses
    // have arrived; with none expected, as soon as the bytes are on their way. Waits by spinning the
    // event loop: the service runs on this same thread.
    QByteArray raw(const QByteArray& bytes, int answers)
    {
        QSslSocket socket;
        socket.setSslConfiguration(m_clientSsl);
        QByteArray received;
        connect(&socket, &QSslSocket::readyRead, this, [&] { received += socket.readAll(); });
        connect(&socket, &QSslSocket::encrypted, this, [&] { socket.write(bytes); });
        socket.connectToHostEncrypted(QStringLiteral("127.0.0.1"), m_service->port());
        [[maybe_unused]] const bool done = QTest::qWaitFor(
            [&] {
                return answers > 0
                           ? received.count("HTTP/1.1 ") >= answers
                           : socket.isEncrypted() && socket.bytesToWrite() + socket.encryptedBytesToWrite() == 0;
            },
            15'000);
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
        m_clientSsl = QSslConfiguration::defaultConfiguration();
        m_clientSsl.setCaCertificates(QSslCertificate::fromData(readFile(certs + "/ca.pem")));
        m_photo = TestImages::photoJpeg(320, 240);
    }

    void cleanup() { m_service.reset(); }

    // Two uploads at once, both answered with results whose addresses are unguessable, distinct and
    // downloadable by their key only; one log line per request, without the key or a whole result token.
    // (A pending upload and its poll, a wrong key and a file that is no image are met by the end-to-end
    // tests, through the service's executable.)
    void uploadsAnswerWithDownloadableResults()
    {
        start();
        const QByteArray form = clientForm()
                                    .field("convertto", "+webp|+avif")
                                    .field("file_paths", R"({"file1":"\/tmp\/photo.jpg"})")
                                    .file(m_photo)
                                    .close();
        QNetworkReply* first = send(url(kUploadPath), Form::contentType(), form);
        const Answer second = upload(clientForm().file(TestImages::transparentPng(200, 150), "a.png"));
        const Answer answer = finish(first);
        QVERIFY(second.url("LossyURL").endsWith(QLatin1String(".png")));
        QCOMPARE(answer.message(), QStringLiteral("Optimized."));
        QVERIFY(!answer.record.contains(QStringLiteral("WebPLosslessURL")));
        const QRegularExpression address(
            QStringLiteral("^https://127\\.0\\.0\\.1:%1/files/[0-9a-f]{32}\\.[a-z]+$").arg(m_service->port()));
        QSet<QString> seen;
        for (const char* member : {"OriginalURL", "LossyURL", "LosslessURL", "WebPLossyURL", "AVIFLossyURL"}) {
            QVERIFY2(address.match(answer.url(member)).hasMatch(), member);
            seen << answer.url(member);
            const QByteArray name = QByteArray(member).replace("URL", "Size");
            QCOMPARE(get(answer.url(member)).body.size(), answer.record.value(QLatin1String(name)).toInteger());
        }
        QCOMPARE(seen.size(), 5);
        QCOMPARE(get(answer.url("OriginalURL")).body, m_photo);
        // Another key cannot ask about this upload.
        QCOMPARE(poll(answer.url("OriginalURL"), QStringLiteral("other-key")).http, 404);

        QCOMPARE(m_log.size(), 9);
        QCOMPARE(m_log.filter(QStringLiteral("POST /v2/post-reducer.php 200 code=2")).size(), 2);
        for (const QString& line : std::as_const(m_log)) {
            QVERIFY2(!line.contains(kKey), qPrintable(line));
            QVERIFY2(!QRegularExpression(QStringLiteral("[0-9a-f]{32}")).match(line).hasMatch(), qPrintable(line));
        }
    }

    void badRequests_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("contentType"); // empty for a GET
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const QString& path, const QByteArray& type, const QByteArray& body,
                            int code, const char* message) {
            QTest::newRow(name) << path << type << body << code << QString::fromUtf8(message);
        };
        const auto upload = [&row](const char* name, const Form& form, int code, const char* message) {
            row(name, kUploadPath, Form::contentType(), form.close(), code, message);
        };
        const auto poll = [&row](const char* name, const QByteArray& body, int code, const char* message) {
            row(name, kPollPath, "application/json", body, code, message);
        };
        const auto get = [&row](const char* name, const QString& path, int code, const char* message) {
            row(name, path, {}, {}, code, message);
        };
        const QByteArray image = TestImages::photoJpeg(64, 48);
        const QByteArray good = clientForm().file(image).close();
        row("not multipart", kUploadPath, "text/plain", good, 400, "The upload must be sent as multipart/form-data.");
        row("truncated", kUploadPath, Form::contentType(), good.chopped(30), 400,
            "The upload is incomplete: the multipart form ends too early.");
        upload("background removal", clientForm().field("bg_remove", "1").file(image), 501,
               "Background removal is not available on this server.");
        // Over the file limit but within the request limit: refused by the form parser.
        upload("file over the limit", clientForm().file(QByteArray(100 * 1024, 'x')), 413,
               "The file is larger than the limit of 0.0625 MB.");
        // Far over: refused from the Content-Length alone, before the body is read.
        upload("request far over the limit", clientForm().file(QByteArray(3 * 1024 * 1024, 'x')), 413,
               "The file is larger than the limit of 0.0625 MB.");
        poll("poll with a wrong key",
             pollBody(QStringLiteral("https://127.0.0.1/files/x"), QStringLiteral("wrong-key-7c2d")), 401,
             "Invalid API key.");
        poll("poll for an unknown image",
             pollBody(QStringLiteral("https://127.0.0.1/files/0123456789abcdef0123456789abcdef.jpg")), 404,
             "This image is not known here or has expired. Upload it again.");
        get("unknown file", QStringLiteral("/files/0123456789abcdef0123456789abcdef.jpg"), 404,
            "This file is not known here or has expired.");
        get("path traversal", QStringLiteral("/files/../../etc/passwd"), 404, "There is nothing at this address.");
        get("unknown address", QStringLiteral("/elsewhere"), 404, "There is nothing at this address.");
        get("GET of the upload", kUploadPath, 405, "Use POST for this address.");
    }

    void badRequests()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, body);
        QFETCH(int, code);
        QFETCH(QString, message);
        ServiceConfig config;
        config.maxUploadBytes = 64 * 1024;
        start(config);
        const Answer answer = finish(send(url(path), contentType, body));
        QCOMPARE(answer.http, code);
        QCOMPARE(answer.code(), code);
        QCOMPARE(answer.message(), message);
        // And the service goes on serving; one log line each, never a key.
        QCOMPARE(upload(clientForm().file(TestImages::photoJpeg(64, 48))).code(), 2);
        QCOMPARE(m_log.size(), 2);
        QVERIFY2(!m_log.join(QLatin1Char(' ')).contains(QLatin1String("key-")), qPrintable(m_log.join(' ')));
    }

    // Requests on one connection are answered in order, and a malformed one ends it; a request cut off
    // in its body is given up by its client. The service goes on serving.
    void malformedHttp()
    {
        start();
        const QByteArray answers = raw("GET /a HTTP/1.1\r\nHost: x\r\n\r\nGET /b HTTP/1.1\r\n\r\nGARBAGE\r\n\r\n", 3);
        QCOMPARE(answers.count("HTTP/1.1 404 "), 2);
        QVERIFY2(answers.indexOf("HTTP/1.1 400 ") > answers.lastIndexOf("HTTP/1.1 404 "), answers.constData());
        raw("POST /v2/reducer.php HTTP/1.1\r\nContent-Length: 100\r\n\r\n{\"key\"", 0);
        QCOMPARE(upload(clientForm().file(m_photo)).code(), 2);
    }

    void resultsExpireAndTheStoreGoesAtExit()
    {
        ServiceConfig config;
        config.ttlSeconds = 1;
        start(config);
        const QString folder = m_service->storeFolder();
        const Answer answer = upload(clientForm().file(m_photo));
        QCOMPARE(answer.code(), 2);
        QTRY_COMPARE_WITH_TIMEOUT(get(answer.url("LossyURL")).http, 404, 10'000);
        QCOMPARE(poll(answer.url("OriginalURL")).http, 404);
        QTRY_VERIFY_WITH_TIMEOUT(QDir(folder).isEmpty(), 10'000);

        QCOMPARE(upload(clientForm().file(m_photo)).code(), 2);
        m_service.reset();
        QVERIFY(!QDir(folder).exists());
    }
};

QTEST_GUILESS_MAIN(TestServiceServer)
#include "tst_service_server.moc"
