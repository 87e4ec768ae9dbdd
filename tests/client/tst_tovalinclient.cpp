#include "CancelToken.h"
#include "ClientTestSupport.h"
#include "FileError.h"
#include "HttpTransport.h"
#include "SystemProxyFactory.h"
#include "TempTree.h"
#include "TestHttpsServer.h"
#include "TovalinClient.h"
#include "TovalinError.h"
#include "TransportError.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkProxy>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSslConfiguration>
#include <QTest>

#include <memory>

using namespace std::chrono_literals;

namespace {

const QByteArray uploadPath = "/v2/post-reducer.php";
const QByteArray pollPath = "/v2/reducer.php";

TovalinOptions plainOptions()
{
    TovalinOptions options;
    options.apiKey = QStringLiteral("test-key");
    options.compression = Compression::lossy;
    options.convertToWebP = false;
    options.convertToAVIF = false;
    options.cmykToRgb = false;
    return options;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

QStringList fieldList(const QList<FormPart>& parts, qsizetype count)
{
    QStringList fields;
    for (qsizetype i = 0; i < count && i < parts.size(); ++i) {
        fields << QString::fromUtf8(parts[i].name + '=' + parts[i].content);
    }
    return fields;
}

} // namespace

// The client against a real HTTPS server on loopback: what goes on the wire, what the replies lead to,
// what lands on disk, and how failures and stops end a call. After every test the source image is
// byte for byte what it was.
class TestTovalinClient : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHttpsServer> m_server;
    std::unique_ptr<TempTree> m_tree;
    QString m_source;
    QByteArray m_sourceBytes;

    QUrl addSource(const QString& name, const QByteArray& bytes = encodedImage("JPEG"))
    {
        m_source = m_tree->writeFile(name, bytes);
        m_sourceBytes = bytes;
        return QUrl::fromLocalFile(m_source);
    }

    TovalinClient client(std::chrono::milliseconds idleTimeout = 60s) const
    {
        return TovalinClient(m_server->baseUrl(), TestHttpsServer::makeTransport(idleTimeout));
    }

    // "@" stands for the server's base address, "#" for its port.
    QByteArray expand(QByteArray text) const
    {
        return text.replace('@', m_server->baseUrl().toString().toUtf8())
            .replace('#', QByteArray::number(m_server->port()));
    }

    QStringList folderEntries() const
    {
        return QDir(m_tree->root())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }

    QStringList fetchedPaths() const
    {
        QStringList paths;
        for (const RecordedRequest& request : m_server->requests()) {
            if (request.method == "GET") {
                paths << QString::fromUtf8(request.path);
            }
        }
        return paths;
    }

    // Every result address answers with a body naming the address, so a test can tell which address
    // went into which file.
    void serveResultsByName()
    {
        m_server->setDefaultRoute([](const RecordedRequest& request) {
            return ScriptedReply::file("result of " + request.target, "image/jpeg");
        });
    }

private Q_SLOTS:
    void init()
    {
        m_server = std::make_unique<TestHttpsServer>();
        QVERIFY(m_server->isListening());
        m_tree = std::make_unique<TempTree>();
        QVERIFY(m_tree->isValid());
        m_source.clear();
    }

    void cleanup()
    {
        if (!m_source.isEmpty()) {
            QVERIFY2(readFile(m_source) == m_sourceBytes, "the source image changed");
        }
        m_server.reset();
        m_tree.reset();
    }

    void constants()
    {
        const TovalinClient c(QUrl(QStringLiteral("https://example.test:8443/base/")), nullptr);
        QCOMPARE(c.postReducerURL(), QUrl(QStringLiteral("https://example.test:8443/base/v2/post-reducer.php")));
        QCOMPARE(c.reducerURL(), QUrl(QStringLiteral("https://example.test:8443/base/v2/reducer.php")));
        QCOMPARE(c.pluginCode(), QStringLiteral("MAC01"));
        const TovalinClient plain(QUrl(QStringLiteral("https://localhost:47800")), nullptr);
        QCOMPARE(plain.postReducerURL().toString(), QStringLiteral("https://localhost:47800/v2/post-reducer.php"));
    }

    void defaultClientUsesTheBuiltInService()
    {
        const TovalinClient c;
        const QUrl base(QStringLiteral(TOVALIN_SERVICE_URL_UNDER_TEST));
        QCOMPARE(c.postReducerURL().host(), base.host());
        QCOMPARE(c.postReducerURL().port(), base.port());
        QVERIFY(c.postReducerURL().path().endsWith(QLatin1String("/v2/post-reducer.php")));
        // One transport for the whole process.
        QCOMPARE(c.transport(), TovalinClient().transport());
        QCOMPARE(c.transport(), HttpTransport::shared());
        QCOMPARE(c.transport()->idleTimeout(), std::chrono::milliseconds(60s));
    }

    void trustedCertificates()
    {
        const QList<QSslCertificate> testCa = TestHttpsServer::caCertificates();
        QCOMPARE(testCa.size(), 1);
        // An extra certificate comes on top of the system's, never instead of them.
        const HttpTransport withSystem(testCa);
        const QList<QSslCertificate> trusted = withSystem.sslConfiguration().caCertificates();
        QVERIFY(trusted.contains(testCa.first()));
        QCOMPARE(trusted.size(), QSslConfiguration::systemCaCertificates().size() + 1);
        const HttpTransport testOnly(testCa, 60s, HttpTransport::SystemCertificates::ignored);
        QCOMPARE(testOnly.sslConfiguration().caCertificates(), testCa);
        // Nothing is added to what the rest of the process trusts.
        QVERIFY(!QSslConfiguration::defaultConfiguration().caCertificates().contains(testCa.first()));
    }

    void loopbackBypassesProxies_data()
    {
        QTest::addColumn<QString>("host");
        QTest::newRow("localhost") << "localhost";
        QTest::newRow("LOCALHOST") << "LOCALHOST";
        QTest::newRow("IPv4") << "127.0.0.1";
        QTest::newRow("IPv4 other loopback") << "127.8.9.10";
        QTest::newRow("IPv6") << "::1";
    }

    void loopbackBypassesProxies()
    {
        QFETCH(QString, host);
        SystemProxyFactory factory;
        QUrl url;
        url.setScheme(QStringLiteral("https"));
        url.setHost(host);
        const QList<QNetworkProxy> proxies = factory.queryProxy(QNetworkProxyQuery(url));
        QCOMPARE(proxies.size(), 1);
        QCOMPARE(proxies.first().type(), QNetworkProxy::NoProxy);
    }

    void convertString_data()
    {
        QTest::addColumn<bool>("webp");
        QTest::addColumn<bool>("avif");
        QTest::addColumn<QString>("expected"); // null: no format list
        QTest::newRow("none") << false << false << QString();
        QTest::newRow("webp") << true << false << "+webp";
        QTest::newRow("avif") << false << true << "+avif";
        QTest::newRow("both, webp first") << true << true << "+webp|+avif";
    }

    void convertString()
    {
        QFETCH(bool, webp);
        QFETCH(bool, avif);
        QFETCH(QString, expected);
        TovalinOptions options = plainOptions();
        options.convertToWebP = webp;
        options.convertToAVIF = avif;
        const std::optional<QString> list = TovalinClient::buildConvertString(options);
        QCOMPARE(list.has_value(), !expected.isNull());
        if (list) {
            QCOMPARE(*list, expected);
        }
    }

    void jsonString_data()
    {
        QTest::addColumn<QJsonObject>("value");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("path with space") << QJsonObject{{QStringLiteral("file1"), QStringLiteral("/tmp/a b.jpg")}}
                                         << QByteArray("{\"file1\":\"\\/tmp\\/a b.jpg\"}");
        QTest::newRow("quote then slash")
            << QJsonObject{{QStringLiteral("k"), QStringLiteral("a\"/b")}} << QByteArray("{\"k\":\"a\\\"\\/b\"}");
        QTest::newRow("backslash then slash")
            << QJsonObject{{QStringLiteral("k"), QStringLiteral("a\\/b")}} << QByteArray("{\"k\":\"a\\\\\\/b\"}");
        QTest::newRow("slash in a key") << QJsonObject{{QStringLiteral("a/b"), 1}} << QByteArray("{\"a\\/b\":1}");
        QTest::newRow("array and numbers")
            << QJsonObject{{QStringLiteral("u"), QJsonArray{QStringLiteral("x/y")}}, {QStringLiteral("n"), 25}}
            << QByteArray("{\"n\":25,\"u\":[\"x\\/y\"]}");
        QTest::newRow("non-ascii raw") << QJsonObject{{QStringLiteral("k"), QStringLiteral("é/×")}}
                                       << QByteArray("{\"k\":\"\xc3\xa9\\/\xc3\x97\"}");
    }

    void jsonString()
    {
        QFETCH(QJsonObject, value);
        QFETCH(QByteArray, expected);
        const QString text = TovalinClient::jsonString(value);
        QCOMPARE(text.toUtf8(), expected);
        // Still the same JSON.
        QCOMPARE(QJsonDocument::fromJson(text.toUtf8()).object(), value);
    }

    void mimeTypes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        const QString octet = QStringLiteral("application/octet-stream");
        QTest::newRow("jpg") << "photo.jpg"
                             << "image/jpeg";
        QTest::newRow("upper-case JPEG") << "photo.JPEG"
                                         << "image/jpeg";
        QTest::newRow("png") << "a.png"
                             << "image/png";
        QTest::newRow("webp") << "a.webp"
                              << "image/webp";
        QTest::newRow("gif") << "a.gif"
                             << "image/gif";
        QTest::newRow("tiff") << "a.tiff"
                              << "image/tiff";
        QTest::newRow("unregistered") << "a.zzqq" << octet;
        QTest::newRow("no extension") << "README" << octet;
        QTest::newRow("trailing dot") << "photo." << octet;
        QTest::newRow("dot in folder only") << "dir.jpg/photo" << octet;
    }

    void mimeTypes()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(TovalinClient::mimeType(QUrl::fromLocalFile(QStringLiteral("/tmp/") + name)), expected);
    }

    void secureURL_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // null: rejected
        QTest::newRow("https kept") << "https://h.test/a/b.jpg?x=1"
                                    << "https://h.test/a/b.jpg?x=1";
        QTest::newRow("http upgraded") << "http://h.test:8080/b.jpg"
                                       << "https://h.test:8080/b.jpg";
        QTest::newRow("HTTP in capitals") << "HTTP://h.test/b.jpg" << QString();
        QTest::newRow("Https mixed case") << "Https://h.test/b.jpg" << QString();
        QTest::newRow("ftp") << "ftp://h.test/b.jpg" << QString();
        QTest::newRow("file") << "file:///etc/passwd" << QString();
        QTest::newRow("data") << "data:image/png;base64,iVBORw0KGgo=" << QString();
        QTest::newRow("qrc") << "qrc:/b.jpg" << QString();
        QTest::newRow("no scheme") << "//h.test/b.jpg" << QString();
        QTest::newRow("relative") << "b.jpg" << QString();
        QTest::newRow("empty") << "" << QString();
        QTest::newRow("no host") << "https:///b.jpg" << QString();
        QTest::newRow("unparseable") << "https://[::1/b.jpg" << QString();
        QTest::newRow("space") << "https://h.test/a b.jpg" << QString();
    }

    void secureURL()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const std::optional<QUrl> url = TovalinClient::secureURL(text);
        QCOMPARE(url.has_value(), !expected.isNull());
        if (url) {
            QCOMPARE(url->toString(), expected);
        }
    }

    void uploadFields_data()
    {
        QTest::addColumn<TovalinOptions>("options");
        QTest::addColumn<QStringList>("fields"); // before file_paths

        const QStringList head{QStringLiteral("key=test-key"), QStringLiteral("plugin_version=MAC01")};
        TovalinOptions o = plainOptions();
        QTest::newRow("lossy, everything off") << o << head + QStringList{"lossy=1", "wait=30"};

        o = plainOptions();
        o.compression = Compression::glossy;
        o.convertToWebP = true;
        o.convertToAVIF = true;
        o.resizeMode = ResizeMode::cover;
        o.resizeWidth = 800;
        o.resizeHeight = 600;
        o.cmykToRgb = true;
        o.upscale = UpscaleFactor::x3;
        o.removeBackground = true;
        o.keepExif = true;
        QTest::newRow("everything on") << o
                                       << head + QStringList{"lossy=2",    "wait=30",          "convertto=+webp|+avif",
                                                             "resize=1",   "resize_width=800", "resize_height=600",
                                                             "cmyk2rgb=1", "upscale=3",        "bg_remove=1",
                                                             "keep_exif=1"};

        o = plainOptions();
        o.resizeWidth = 800;
        o.resizeHeight = 600;
        QTest::newRow("no resize, width given") << o << head + QStringList{"lossy=1", "wait=30"};

        o = plainOptions();
        o.resizeMode = ResizeMode::cover;
        QTest::newRow("cover without size") << o << head + QStringList{"lossy=1", "wait=30", "resize=1"};

        o = plainOptions();
        o.compression = Compression::lossless;
        o.convertToAVIF = true;
        o.resizeMode = ResizeMode::contain;
        o.resizeHeight = 500;
        o.upscale = UpscaleFactor::x4;
        QTest::newRow("contain with height, avif")
            << o << head + QStringList{"lossy=0",  "wait=30",           "convertto=+avif",
                                       "resize=3", "resize_height=500", "upscale=4"};

        o = plainOptions();
        o.convertToWebP = true;
        o.resizeMode = ResizeMode::contain;
        o.resizeWidth = -5;
        QTest::newRow("webp, negative width passed on")
            << o << head + QStringList{"lossy=1", "wait=30", "convertto=+webp", "resize=3", "resize_width=-5"};

        o = plainOptions();
        o.apiKey.clear();
        QTest::newRow("empty key still sent") << o << QStringList{"key=", "plugin_version=MAC01", "lossy=1", "wait=30"};
    }

    void uploadFields()
    {
        QFETCH(TovalinOptions, options);
        QFETCH(QStringList, fields);
        const QUrl source = addSource(QStringLiteral("photo.jpg"));
        m_server->route(uploadPath, ScriptedReply::json(expand(R"({"Status":{"Code":2,"Message":"Done"},)"
                                                               R"("LossyURL":"@/r/out.jpg"})")));
        serveResultsByName();

        RunningTask run(client().optimize(source, options, CancellationSource().token()));
        QVERIFY(run.wait());
        QVERIFY2(run.succeeded(), qPrintable(run.errorText()));

        const QList<RecordedRequest> uploads = m_server->requests(uploadPath);
        QCOMPARE(uploads.size(), 1);
        QCOMPARE(uploads[0].method, QByteArray("POST"));
        QVERIFY(uploads[0].header("Content-Type").startsWith("multipart/form-data; boundary=Boundary-"));
        const std::optional<QList<FormPart>> parts = parseMultipart(uploads[0]);
        QVERIFY(parts);
        QCOMPARE(parts->size(), fields.size() + 2);
        QCOMPARE(fieldList(*parts, fields.size()), fields);
        for (qsizetype i = 0; i <= fields.size(); ++i) {
            QVERIFY(!parts->at(i).filename && parts->at(i).contentType.isEmpty());
        }
        const FormPart& map = parts->at(fields.size());
        QCOMPARE(map.name, QByteArray("file_paths"));
        QCOMPARE(map.content, "{\"file1\":\"" + m_source.toUtf8().replace("/", "\\/") + "\"}");
        const FormPart& file = parts->at(fields.size() + 1);
        QCOMPARE(file.name, QByteArray("file1"));
        QCOMPARE(file.filename, std::optional<QByteArray>("photo.jpg"));
        QCOMPARE(file.contentType, QByteArray("image/jpeg"));
        QCOMPARE(file.content, m_sourceBytes);
        QCOMPARE(m_server->requestCount(pollPath), 0);
    }

    void uploadOfPathWithSpaceAndUnknownType_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("type");
        QTest::newRow("space in name") << "a b.jpg" << QByteArray("image/jpeg");
        QTest::newRow("png") << "shot.png" << QByteArray("image/png");
        QTest::newRow("unregistered extension") << "raw.zzqq" << QByteArray("application/octet-stream");
        QTest::newRow("no extension") << "noext" << QByteArray("application/octet-stream");
        QTest::newRow("non-ascii") << QStringLiteral("café ×.jpg") << QByteArray("image/jpeg");
    }

    void uploadOfPathWithSpaceAndUnknownType()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, type);
        const QUrl source = addSource(QStringLiteral("sub folder/") + name);
        m_server->route(uploadPath, ScriptedReply::json(expand(R"({"LossyURL":"@/r/x.jpg"})")));
        serveResultsByName();

        RunningTask run(client().optimize(source, plainOptions(), CancellationSource().token()));
        QVERIFY(run.wait());
        QVERIFY2(run.succeeded(), qPrintable(run.errorText()));
        const std::optional<QList<FormPart>> parts = parseMultipart(m_server->requests(uploadPath).value(0));
        QVERIFY(parts && parts->size() == 6);
        QVERIFY(m_source.contains(QLatin1Char(' ')));
        QCOMPARE(parts->at(4).content, "{\"file1\":\"" + m_source.toUtf8().replace("/", "\\/") + "\"}");
        QCOMPARE(parts->at(5).filename, std::optional<QByteArray>(name.toUtf8()));
        QCOMPARE(parts->at(5).contentType, type);
    }

    void pollDecision_data()
    {
        QTest::addColumn<QByteArray>("upload");
        QTest::addColumn<QByteArray>("poll");
        QTest::addColumn<int>("polls");
        QTest::addColumn<QStringList>("fetched");
        QTest::addColumn<QString>("error");

        const QByteArray pollReply = R"({"Status":{"Code":2,"Message":"Done"},"LossyURL":"@/r/poll.png"})";
        QTest::newRow("code 1 with addresses polls")
            << QByteArray(
                   R"({"Status":{"Code":1,"Message":"p"},"OriginalURL":"@/o/photo.jpg","LossyURL":"@/r/up.jpg"})")
            << pollReply << 1 << QStringList{"/r/poll.png"} << QString();
        QTest::newRow("code 2 with an address goes straight on")
            << QByteArray(
                   R"({"Status":{"Code":2,"Message":"d"},"OriginalURL":"@/o/photo.jpg","LossyURL":"@/r/up.jpg"})")
            << pollReply << 0 << QStringList{"/r/up.jpg"} << QString();
        QTest::newRow("code 2 with only a WebP address goes straight on")
            << QByteArray(
                   R"({"Status":{"Code":2,"Message":"d"},"OriginalURL":"@/o/photo.jpg","WebPLossyURL":"@/r/w.webp"})")
            << pollReply << 0 << QStringList{"/o/photo.jpg"} << QString();
        QTest::newRow("code 2 without addresses polls")
            << QByteArray(R"({"Status":{"Code":2,"Message":"d"},"OriginalURL":"@/o/photo.jpg"})") << pollReply << 1
            << QStringList{"/r/poll.png"} << QString();
        QTest::newRow("code 2 with an empty address goes straight on")
            << QByteArray(R"({"Status":{"Code":2,"Message":"d"},"OriginalURL":"@/o/photo.jpg","LossyURL":""})")
            << pollReply << 0 << QStringList{"/o/photo.jpg"} << QString();
        QTest::newRow("code 1 without OriginalURL uses the upload reply")
            << QByteArray(R"({"Status":{"Code":1,"Message":"p"},"LossyURL":"@/r/up.jpg"})") << pollReply << 0
            << QStringList{"/r/up.jpg"} << QString();
        QTest::newRow("code 2 with nothing at all")
            << QByteArray(R"({"Status":{"Code":2,"Message":"d"}})") << pollReply << 0 << QStringList{}
            << "No download URL returned for this configuration.";
        QTest::newRow("no Status counts as 0") << QByteArray(R"({"OriginalURL":"@/o/photo.jpg"})") << pollReply << 0
                                               << QStringList{"/o/photo.jpg"} << QString();
        QTest::newRow("code 1 as text polls")
            << QByteArray(R"({"Status":{"Code":"1","Message":"p"},"OriginalURL":"@/o/photo.jpg"})") << pollReply << 1
            << QStringList{"/r/poll.png"} << QString();
        QTest::newRow("code 2 as text polls")
            << QByteArray(R"({"Status":{"Code":"2","Message":"p"},"OriginalURL":"@/o/photo.jpg"})") << pollReply << 1
            << QStringList{"/r/poll.png"} << QString();
        QTest::newRow("code not a number counts as 0")
            << QByteArray(R"({"Status":{"Code":"one","Message":"p"},"OriginalURL":"@/o/photo.jpg"})") << pollReply << 0
            << QStringList{"/o/photo.jpg"} << QString();
        QTest::newRow("code 3 does not poll")
            << QByteArray(R"({"Status":{"Code":3,"Message":"p"},"OriginalURL":"@/o/photo.jpg"})") << pollReply << 0
            << QStringList{"/o/photo.jpg"} << QString();
        QTest::newRow("a pending poll reply is final")
            << QByteArray(R"({"Status":{"Code":1,"Message":"p"},"OriginalURL":"@/o/photo.jpg"})")
            << QByteArray(R"({"Status":{"Code":1,"Message":"still"},"OriginalURL":"@/o/again.jpg"})") << 1
            << QStringList{"/o/again.jpg"} << QString();
        QTest::newRow("poll reply replaces the upload reply")
            << QByteArray(
                   R"({"Status":{"Code":1,"Message":"p"},"OriginalURL":"@/o/photo.jpg","LossyURL":"@/r/up.jpg"})")
            << QByteArray(R"({"Status":{"Code":1,"Message":"still"}})") << 1 << QStringList{}
            << "No download URL returned for this configuration.";
        QTest::newRow("poll reply with a service error")
            << QByteArray(R"({"Status":{"Code":1,"Message":"p"},"OriginalURL":"@/o/photo.jpg"})")
            << QByteArray(R"([{"Status":{"Code":"403","Message":"Quota exceeded"}}])") << 1 << QStringList{}
            << "Quota exceeded";
        QTest::newRow("empty poll reply")
            << QByteArray(R"({"Status":{"Code":1,"Message":"p"},"OriginalURL":"@/o/photo.jpg"})") << QByteArray() << 1
            << QStringList{} << "Tovalin did not return any data.";
        QTest::newRow("unreadable poll reply")
            << QByteArray(R"({"Status":{"Code":1,"Message":"p"},"OriginalURL":"@/o/photo.jpg"})")
            << QByteArray("Gateway timeout") << 1 << QStringList{} << "Unexpected API response: Gateway timeout";
        QTest::newRow("upload reply with a service error")
            << QByteArray(R"({"Status":{"Code":401,"Message":"Invalid API key"}})") << pollReply << 0 << QStringList{}
            << "Invalid API key";
    }

    void pollDecision()
    {
        QFETCH(QByteArray, upload);
        QFETCH(QByteArray, poll);
        QFETCH(int, polls);
        QFETCH(QStringList, fetched);
        QFETCH(QString, error);
        const QUrl source = addSource(QStringLiteral("photo.jpg"));
        m_server->route(uploadPath, ScriptedReply::json(expand(upload)));
        m_server->route(pollPath, ScriptedReply::json(expand(poll)));
        serveResultsByName();

        RunningTask run(client().optimize(source, plainOptions(), CancellationSource().token()));
        QVERIFY(run.wait());
        QCOMPARE(run.errorText(), error.isNull() ? QStringLiteral("(no error)") : error);
        QCOMPARE(m_server->requestCount(uploadPath), 1);
        QCOMPARE(m_server->requestCount(pollPath), polls);
        QCOMPARE(fetchedPaths(), fetched);
        if (!error.isNull()) {
            QCOMPARE(folderEntries(), QStringList{QStringLiteral("photo.jpg")});
        }
    }

    void pollBody_data()
    {
        QTest::addColumn<TovalinOptions>("options");
        QTest::addColumn<QByteArray>("originalURL");
        QTest::addColumn<QJsonObject>("expected");

        TovalinOptions o = plainOptions();
        o.compression = Compression::lossless;
        o.resizeWidth = 100;
        o.resizeHeight = 200;
        QTest::newRow("minimal, size without resize") << o << QByteArray("@/o/photo.jpg")
                                                      << QJsonObject{{"key", "test-key"},
                                                                     {"plugin_version", "MAC01"},
                                                                     {"lossy", 0},
                                                                     {"wait", 25},
                                                                     {"urllist", QJsonArray{"@/o/photo.jpg"}}};

        o = plainOptions();
        o.apiKey = QStringLiteral("k/é y");
        o.compression = Compression::glossy;
        o.convertToWebP = true;
        o.convertToAVIF = true;
        o.resizeMode = ResizeMode::cover;
        o.resizeWidth = 800;
        o.resizeHeight = 600;
        o.cmykToRgb = true;
        o.upscale = UpscaleFactor::x2;
        o.removeBackground = true;
        o.keepExif = true;
        QTest::newRow("everything on") << o << QByteArray("@/o/photo.jpg")
                                       << QJsonObject{{"key", "k/é y"},
                                                      {"plugin_version", "MAC01"},
                                                      {"lossy", 2},
                                                      {"wait", 25},
                                                      {"urllist", QJsonArray{"@/o/photo.jpg"}},
                                                      {"convertto", "+webp|+avif"},
                                                      {"resize", 1},
                                                      {"resize_width", 800},
                                                      {"resize_height", 600},
                                                      {"cmyk2rgb", 1},
                                                      {"upscale", 2},
                                                      {"bg_remove", 1},
                                                      {"keep_exif", 1}};

        o = plainOptions();
        o.resizeMode = ResizeMode::contain;
        o.resizeHeight = 300;
        QTest::newRow("contain with height, http original unchanged")
            << o << QByteArray("http://127.0.0.1:#/o/photo.jpg")
            << QJsonObject{{"key", "test-key"},
                           {"plugin_version", "MAC01"},
                           {"lossy", 1},
                           {"wait", 25},
                           {"urllist", QJsonArray{"http://127.0.0.1:#/o/photo.jpg"}},
                           {"resize", 3},
                           {"resize_height", 300}};
    }

    void pollBody()
    {
        QFETCH(TovalinOptions, options);
        QFETCH(QByteArray, originalURL);
        QFETCH(QJsonObject, expected);
        const QString original = QString::fromUtf8(expand(originalURL));
        expected.insert(QStringLiteral("urllist"), QJsonArray{original});
        const QUrl source = addSource(QStringLiteral("photo.jpg"));
        m_server->route(uploadPath,
                        ScriptedReply::json(expand("{\"Status\":{\"Code\":1,\"Message\":\"wait\"},\"OriginalURL\":\"" +
                                                   originalURL + "\"}")));
        m_server->route(pollPath, ScriptedReply::json(expand(R"({"LossyURL":"@/r/x.jpg"})")));
        serveResultsByName();

        RunningTask run(client().optimize(source, options, CancellationSource().token()));
        QVERIFY(run.wait());
        QVERIFY2(run.succeeded(), qPrintable(run.errorText()));
        const QList<RecordedRequest> polls = m_server->requests(pollPath);
        QCOMPARE(polls.size(), 1);
        QCOMPARE(polls[0].method, QByteArray("POST"));
        QCOMPARE(polls[0].header("Content-Type"), QByteArray("application/json"));
        const QByteArray raw = polls[0].body;
        QCOMPARE(QJsonDocument::fromJson(raw).object(), expected);
        // Numbers go out as integers, every solidus escaped, nothing but compact JSON.
        for (auto it = expected.constBegin(); it != expected.constEnd(); ++it) {
            if (it->isDouble()) {
                QVERIFY2(raw.contains('"' + it.key().toUtf8() + "\":" + QByteArray::number(it->toInteger())),
                         raw.constData());
            }
        }
        QVERIFY2(!QRegularExpression(QStringLiteral("[^\\\\]/")).match(QString::fromUtf8(raw)).hasMatch(),
                 raw.constData());
        QVERIFY(raw.contains("\"urllist\":[\"" + original.toUtf8().replace("/", "\\/") + "\"]"));
        QVERIFY(!raw.contains(' ') || options.apiKey.contains(QLatin1Char(' ')));
        QVERIFY(!raw.contains('\n'));
    }

    void downloads_data()
    {
        QTest::addColumn<QString>("sourceName");
        QTest::addColumn<Compression>("compression");
        QTest::addColumn<bool>("webp");
        QTest::addColumn<bool>("avif");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("fetched");
        QTest::addColumn<QStringList>("saved"); // "label:file name", in order
        QTest::addColumn<QString>("error");

        const QString missing = QStringLiteral("No download URL returned for this configuration.");
        const QString photo = QStringLiteral("photo.jpg");
        const QByteArray both = R"({"LossyURL":"@/r/lossy.jpg","LosslessURL":"@/r/lossless.jpg"})";

        QTest::newRow("lossless prefers lossless")
            << photo << Compression::lossless << false << false << both << QStringList{"/r/lossless.jpg"}
            << QStringList{"Optimized:photo-optimized.jpg"} << QString();
        QTest::newRow("lossless falls back to lossy")
            << photo << Compression::lossless << false << false << QByteArray(R"({"LossyURL":"@/r/lossy.jpg"})")
            << QStringList{"/r/lossy.jpg"} << QStringList{"Optimized:photo-optimized.jpg"} << QString();
        QTest::newRow("lossy prefers lossy")
            << photo << Compression::lossy << false << false << both << QStringList{"/r/lossy.jpg"}
            << QStringList{"Optimized:photo-optimized.jpg"} << QString();
        QTest::newRow("glossy prefers lossy")
            << photo << Compression::glossy << false << false << both << QStringList{"/r/lossy.jpg"}
            << QStringList{"Optimized:photo-optimized.jpg"} << QString();
        QTest::newRow("lossy falls back to lossless")
            << photo << Compression::lossy << false << false << QByteArray(R"({"LosslessURL":"@/r/lossless.jpg"})")
            << QStringList{"/r/lossless.jpg"} << QStringList{"Optimized:photo-optimized.jpg"} << QString();
        QTest::newRow("unusable lossy address is not replaced by lossless")
            << photo << Compression::lossy << false << false
            << QByteArray("{\"LossyURL\":\"https:\\/\\/[::1\\/x\",\"LosslessURL\":\"@/r/lossless.jpg\"}")
            << QStringList{} << QStringList{} << missing;
        QTest::newRow("webp lossless for lossless")
            << photo << Compression::lossless << true << false
            << QByteArray(
                   R"({"LosslessURL":"@/r/l.png","WebPLossyURL":"@/r/wl.webp","WebPLosslessURL":"@/r/wll.webp"})")
            << QStringList{"/r/l.png", "/r/wll.webp"} << QStringList{"Optimized:photo-optimized.png", "WebP:photo.webp"}
            << QString();
        QTest::newRow("avif lossy for glossy")
            << photo << Compression::glossy << false << true
            << QByteArray(R"({"AVIFLossyURL":"@/r/al.avif","AVIFLosslessURL":"@/r/all.avif"})")
            << QStringList{"/r/al.avif"} << QStringList{"AVIF:photo.avif"} << QString();
        QTest::newRow("all three for my.photo.jpg")
            << "my.photo.jpg" << Compression::lossy << true << true
            << QByteArray(R"({"AVIFLossyURL":"@/r/a.avif","WebPLossyURL":"@/r/w.webp","LossyURL":"@/r/o.jpg"})")
            << QStringList{"/r/o.jpg", "/r/w.webp", "/r/a.avif"}
            << QStringList{"Optimized:my.photo-optimized.jpg", "WebP:my.photo.webp", "AVIF:my.photo.avif"} << QString();
        QTest::newRow("webp off ignores webp addresses")
            << photo << Compression::lossy << false << false
            << QByteArray(R"({"LossyURL":"@/r/o.jpg","WebPLossyURL":"@/r/w.webp"})") << QStringList{"/r/o.jpg"}
            << QStringList{"Optimized:photo-optimized.jpg"} << QString();
        QTest::newRow("webp asked but not given")
            << photo << Compression::lossy << true << false << QByteArray(R"({"LossyURL":"@/r/o.jpg"})")
            << QStringList{"/r/o.jpg"} << QStringList{"Optimized:photo-optimized.jpg"} << QString();
        QTest::newRow("only webp: no fallback")
            << photo << Compression::lossy << true << false
            << QByteArray(R"({"WebPLossyURL":"@/r/w.webp","OriginalURL":"@/o/photo.jpg"})") << QStringList{"/r/w.webp"}
            << QStringList{"WebP:photo.webp"} << QString();
        QTest::newRow("OriginalURL fallback keeps the source extension")
            << photo << Compression::lossy << false << false << QByteArray(R"({"OriginalURL":"@/o/photo.png"})")
            << QStringList{"/o/photo.png"} << QStringList{"Optimized:photo-optimized.jpg"} << QString();
        QTest::newRow("nothing to download")
            << photo << Compression::lossy << true << true << QByteArray(R"({"Status":{"Code":0,"Message":"x"}})")
            << QStringList{} << QStringList{} << missing;
        QTest::newRow("another format keeps its extension")
            << photo << Compression::lossy << false << false << QByteArray(R"({"LossyURL":"@/r/photo.png"})")
            << QStringList{"/r/photo.png"} << QStringList{"Optimized:photo-optimized.png"} << QString();
        QTest::newRow("address without extension")
            << photo << Compression::lossy << false << false << QByteArray(R"({"LossyURL":"@/r/result"})")
            << QStringList{"/r/result"} << QStringList{"Optimized:photo-optimized.jpg"} << QString();
        QTest::newRow("query is not the extension")
            << photo << Compression::lossy << false << false << QByteArray(R"({"LossyURL":"@/r/x.png?sig=a.b/c.exe"})")
            << QStringList{"/r/x.png"} << QStringList{"Optimized:photo-optimized.png"} << QString();
        QTest::newRow("hostile extension: encoded separators")
            << photo << Compression::lossy << false << false
            << QByteArray(R"({"LossyURL":"@/r/x.jpg%2F..%2F..%2Fevil"})") << QStringList{"/r/x.jpg%2F..%2F..%2Fevil"}
            << QStringList{"Optimized:photo-optimized.jpg"} << QString();
        QTest::newRow("hostile extension: backslash")
            << photo << Compression::lossy << false << false << QByteArray(R"({"LossyURL":"@/r/x.a%5C..%5Cb"})")
            << QStringList{"/r/x.a%5C..%5Cb"} << QStringList{"Optimized:photo-optimized.jpg"} << QString();
        QTest::newRow("hostile extension: NUL")
            << photo << Compression::lossy << false << false << QByteArray(R"({"LossyURL":"@/r/x.jp%00g"})")
            << QStringList{"/r/x.jp%00g"} << QStringList{"Optimized:photo-optimized.jpg"} << QString();
        QTest::newRow("hostile extension: too long")
            << photo << Compression::lossy << false << false << QByteArray(R"({"LossyURL":"@/r/x.abcdefghi"})")
            << QStringList{"/r/x.abcdefghi"} << QStringList{"Optimized:photo-optimized.jpg"} << QString();
        QTest::newRow("hostile extension: drive letter")
            << photo << Compression::lossy << false << false << QByteArray(R"({"LossyURL":"@/r/x.C:evil"})")
            << QStringList{"/r/x.C:evil"} << QStringList{"Optimized:photo-optimized.jpg"} << QString();
        QTest::newRow("traversal in the last component stays a name")
            << photo << Compression::lossy << false << false << QByteArray(R"({"LossyURL":"@/r/..%2F..%2Fescape.png"})")
            << QStringList{"/r/..%2F..%2Fescape.png"} << QStringList{"Optimized:photo-optimized.png"} << QString();
        QTest::newRow("http fetched over https")
            << photo << Compression::lossy << false << false
            << QByteArray("{\"LossyURL\":\"http:\\/\\/127.0.0.1:#/r/plain.jpg\"}") << QStringList{"/r/plain.jpg"}
            << QStringList{"Optimized:photo-optimized.jpg"} << QString();
        for (const char* address : {"HTTP://127.0.0.1:#/r/caps.jpg", "ftp://127.0.0.1:#/r/f.jpg",
                                    "file:///etc/hostname", "data:image/jpeg;base64,AAAA", "qrc:/r/q.jpg",
                                    "//127.0.0.1:#/r/n.jpg", "r/rel.jpg", "", "https:///r/nohost.jpg"}) {
            QTest::addRow("rejected address '%s' skipped", address)
                << photo << Compression::lossy << true << false
                << QByteArray("{\"LossyURL\":\"") + address + "\",\"WebPLossyURL\":\"" + address +
                       "\",\"OriginalURL\":\"@/o/photo.jpg\"}"
                << QStringList{"/o/photo.jpg"} << QStringList{"Optimized:photo-optimized.jpg"} << QString();
        }
        QTest::newRow("rejected OriginalURL") << photo << Compression::lossy << false << false
                                              << QByteArray("{\"OriginalURL\":\"ftp:\\/\\/127.0.0.1:#/o/photo.jpg\"}")
                                              << QStringList{} << QStringList{} << missing;
        QTest::newRow("webp source is never its own companion")
            << "photo.webp" << Compression::lossy << true << false
            << QByteArray(R"({"LossyURL":"@/r/x.webp","WebPLossyURL":"@/r/w.webp"})") << QStringList{"/r/x.webp"}
            << QStringList{"Optimized:photo-optimized.webp"} << QString();
        QTest::newRow("companion equal ignoring case is skipped")
            << "Photo.WEBP" << Compression::lossy << true << false
            << QByteArray(R"({"LossyURL":"@/r/x.webp","WebPLossyURL":"@/r/w.webp"})") << QStringList{"/r/x.webp"}
            << QStringList{"Optimized:Photo-optimized.webp"} << QString();
        QTest::newRow("skipped companion leads to the fallback")
            << "photo.avif" << Compression::lossy << false << true
            << QByteArray(R"({"AVIFLossyURL":"@/r/a.avif","OriginalURL":"@/o/photo.avif"})")
            << QStringList{"/o/photo.avif"} << QStringList{"Optimized:photo-optimized.avif"} << QString();
    }

    void downloads()
    {
        QFETCH(QString, sourceName);
        QFETCH(Compression, compression);
        QFETCH(bool, webp);
        QFETCH(bool, avif);
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, fetched);
        QFETCH(QStringList, saved);
        QFETCH(QString, error);
        const QUrl source = addSource(sourceName);
        m_server->route(uploadPath, ScriptedReply::json(expand(reply)));
        serveResultsByName();
        TovalinOptions options = plainOptions();
        options.compression = compression;
        options.convertToWebP = webp;
        options.convertToAVIF = avif;

        RunningTask run(client().optimize(source, options, CancellationSource().token()));
        QVERIFY(run.wait());
        QCOMPARE(run.errorText(), error.isNull() ? QStringLiteral("(no error)") : error);
        QCOMPARE(m_server->requestCount(pollPath), 0);
        QCOMPARE(fetchedPaths(), fetched);

        QStringList expectedEntries{sourceName};
        QList<RecordedRequest> gets = m_server->requests();
        gets.removeIf([](const RecordedRequest& request) { return request.method != "GET"; });
        if (run.succeeded()) {
            QStringList written;
            for (qsizetype i = 0; i < run.value().size(); ++i) {
                const DownloadedFile& file = run.value()[i];
                const QFileInfo info(file.path.toLocalFile());
                QVERIFY(file.path.isLocalFile());
                QCOMPARE(info.absolutePath(), m_tree->root());
                written << file.format + QLatin1Char(':') + info.fileName();
                expectedEntries << info.fileName();
                // Each file holds what its own address served.
                QCOMPARE(readFile(info.filePath()), "result of " + gets.value(i).target);
            }
            QCOMPARE(written, saved);
        }
        expectedEntries.sort();
        QCOMPARE(folderEntries(), expectedEntries);
    }

    void failingSecondDownloadKeepsTheFirst()
    {
        const QUrl source = addSource(QStringLiteral("photo.jpg"));
        m_server->route(uploadPath,
                        ScriptedReply::json(expand(
                            R"({"LossyURL":"@/r/o.jpg","WebPLossyURL":"@/r/w.webp","AVIFLossyURL":"@/r/a.avif"})")));
        serveResultsByName();
        m_server->route("/r/w.webp", ScriptedReply::dropped());
        TovalinOptions options = plainOptions();
        options.convertToWebP = true;
        options.convertToAVIF = true;

        RunningTask run(client().optimize(source, options, CancellationSource().token()));
        QVERIFY(run.wait());
        const std::optional<TransportError> error = run.errorAs<TransportError>();
        QVERIFY2(error, qPrintable(run.errorText()));
        QCOMPARE(error->reason(), TransportError::Reason::network);
        QVERIFY(!error->description().isEmpty());
        QVERIFY(!run.isCancellation());
        // Qt's HTTP layer repeats a plain GET by itself when the connection closes before the answer
        // (harmless: it fetches, nothing more); the AVIF companion is never attempted.
        QStringList fetched = fetchedPaths();
        fetched.removeDuplicates();
        QCOMPARE(fetched, (QStringList{"/r/o.jpg", "/r/w.webp"}));
        QCOMPARE(m_server->requestCount("/r/o.jpg"), 1);
        QCOMPARE(folderEntries(), (QStringList{"photo-optimized.jpg", "photo.jpg"}));
        QCOMPARE(readFile(m_tree->path(QStringLiteral("photo-optimized.jpg"))), QByteArray("result of /r/o.jpg"));
    }

    void downloadAnsweredWithoutAFile_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("error");
        QTest::newRow("404 page") << 404 << QByteArray("<html>Not Found</html>")
                                  << "Could not download the optimized file (HTTP status 404).";
        QTest::newRow("500 page") << 500 << QByteArray("oops")
                                  << "Could not download the optimized file (HTTP status 500).";
        QTest::newRow("403 empty") << 403 << QByteArray() << "Could not download the optimized file (HTTP status 403).";
        QTest::newRow("200 empty") << 200 << QByteArray() << "Could not download the optimized file (empty response).";
        QTest::newRow("204") << 204 << QByteArray() << "Could not download the optimized file (empty response).";
    }

    void downloadAnsweredWithoutAFile()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, error);
        const QUrl source = addSource(QStringLiteral("photo.jpg"));
        // A result from an earlier run stays as it was.
        m_tree->writeFile(QStringLiteral("photo.webp"), "earlier");
        m_server->route(uploadPath,
                        ScriptedReply::json(expand(R"({"LossyURL":"@/r/o.jpg","WebPLossyURL":"@/r/w.webp"})")));
        serveResultsByName();
        m_server->route("/r/w.webp", ScriptedReply::file(body, "text/html", status));
        TovalinOptions options = plainOptions();
        options.convertToWebP = true;

        RunningTask run(client().optimize(source, options, CancellationSource().token()));
        QVERIFY(run.wait());
        QCOMPARE(run.errorText(), error);
        QCOMPARE(run.errorAs<TovalinError>()->kind(), TovalinError::Kind::downloadFailed);
        QCOMPARE(folderEntries(), (QStringList{"photo-optimized.jpg", "photo.jpg", "photo.webp"}));
        QCOMPARE(readFile(m_tree->path(QStringLiteral("photo.webp"))), QByteArray("earlier"));
    }

    void replyStatusDoesNotMatterForJson_data()
    {
        QTest::addColumn<int>("uploadStatus");
        QTest::addColumn<QByteArray>("upload");
        QTest::addColumn<int>("pollStatus");
        QTest::addColumn<QByteArray>("poll");
        QTest::addColumn<QString>("error");
        QTest::newRow("403 upload with a result")
            << 403 << QByteArray(R"({"Status":{"Code":2,"Message":"ok"},"LossyURL":"@/r/o.jpg"})") << 200
            << QByteArray() << QString();
        QTest::newRow("500 upload with a service error")
            << 500 << QByteArray(R"({"Status":{"Code":500,"Message":"Server busy"}})") << 200 << QByteArray()
            << "Server busy";
        QTest::newRow("503 poll with a result")
            << 200 << QByteArray(R"({"Status":{"Code":1,"Message":"p"},"OriginalURL":"@/o/photo.jpg"})") << 503
            << QByteArray(R"({"Status":{"Code":2,"Message":"ok"},"LossyURL":"@/r/o.jpg"})") << QString();
        QTest::newRow("404 poll with a service error")
            << 200 << QByteArray(R"({"Status":{"Code":1,"Message":"p"},"OriginalURL":"@/o/photo.jpg"})") << 404
            << QByteArray(R"({"Status":{"Code":"404","Message":"Unknown image"}})") << "Unknown image";
        QTest::newRow("502 upload with a page") << 502 << QByteArray("<html>Bad Gateway</html>") << 200 << QByteArray()
                                                << "Unexpected API response: <html>Bad Gateway</html>";
    }

    void replyStatusDoesNotMatterForJson()
    {
        QFETCH(int, uploadStatus);
        QFETCH(QByteArray, upload);
        QFETCH(int, pollStatus);
        QFETCH(QByteArray, poll);
        QFETCH(QString, error);
        const QUrl source = addSource(QStringLiteral("photo.jpg"));
        m_server->route(uploadPath, ScriptedReply::json(expand(upload), uploadStatus));
        m_server->route(pollPath, ScriptedReply::json(expand(poll), pollStatus));
        serveResultsByName();

        RunningTask run(client().optimize(source, plainOptions(), CancellationSource().token()));
        QVERIFY(run.wait());
        QCOMPARE(run.errorText(), error.isNull() ? QStringLiteral("(no error)") : error);
        if (error.isNull()) {
            QCOMPARE(readFile(m_tree->path(QStringLiteral("photo-optimized.jpg"))), QByteArray("result of /r/o.jpg"));
        }
    }

    void sameSourceTwiceReplacesTheOutputs()
    {
        const QUrl source = addSource(QStringLiteral("photo.jpg"));
        int round = 0;
        m_server->route(uploadPath,
                        ScriptedReply::json(expand(R"({"LossyURL":"@/r/o.jpg","WebPLossyURL":"@/r/w.webp"})")));
        m_server->setDefaultRoute([&round](const RecordedRequest& request) {
            return ScriptedReply::file("round " + QByteArray::number(round) + ' ' + request.path);
        });
        TovalinOptions options = plainOptions();
        options.convertToWebP = true;
        const TovalinClient c = client();
        for (round = 1; round <= 2; ++round) {
            RunningTask run(c.optimize(source, options, CancellationSource().token()));
            QVERIFY(run.wait());
            QVERIFY2(run.succeeded(), qPrintable(run.errorText()));
            QCOMPARE(run.value().size(), 2);
        }
        QCOMPARE(folderEntries(), (QStringList{"photo-optimized.jpg", "photo.jpg", "photo.webp"}));
        QCOMPARE(readFile(m_tree->path(QStringLiteral("photo-optimized.jpg"))), QByteArray("round 2 /r/o.jpg"));
        QCOMPARE(readFile(m_tree->path(QStringLiteral("photo.webp"))), QByteArray("round 2 /r/w.webp"));
    }

    void unwritableDestination()
    {
        const QUrl source = addSource(QStringLiteral("photo.jpg"));
        // A folder stands where the optimized image would go.
        m_tree->makeFolder(QStringLiteral("photo-optimized.jpg"));
        m_server->route(uploadPath,
                        ScriptedReply::json(expand(R"({"LossyURL":"@/r/o.jpg","WebPLossyURL":"@/r/w.webp"})")));
        serveResultsByName();
        TovalinOptions options = plainOptions();
        options.convertToWebP = true;

        RunningTask run(client().optimize(source, options, CancellationSource().token()));
        QVERIFY(run.wait());
        QCOMPARE(run.errorText(), QStringLiteral("Could not save the optimized file."));
        QCOMPARE(run.errorAs<TovalinError>()->kind(), TovalinError::Kind::writeFailed);
        // The WebP companion is not attempted, and no temporary file stays behind.
        QCOMPARE(fetchedPaths(), QStringList{"/r/o.jpg"});
        QCOMPARE(folderEntries(), (QStringList{"photo-optimized.jpg", "photo.jpg"}));
    }

    void readOnlyFolder()
    {
        const QUrl source = addSource(QStringLiteral("locked/photo.jpg"));
        const QString folder = m_tree->path(QStringLiteral("locked"));
        const auto canWrite = [&folder] {
            QFile probe(folder + QStringLiteral("/probe"));
            const bool writable = probe.open(QIODevice::WriteOnly);
            if (writable) {
                probe.remove();
            }
            return writable;
        };
        bool immutable = false;
        const auto restore = qScopeGuard([&] {
            if (immutable) {
                QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
            }
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        if (canWrite()) {
            // Permissions do not bind root; an immutable folder does.
            immutable = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder}) == 0;
            if (!immutable || canWrite()) {
                QSKIP("no way to make a folder read-only for this user; unwritableDestination covers the failure");
            }
        }
        m_server->route(uploadPath, ScriptedReply::json(expand(R"({"LossyURL":"@/r/o.jpg"})")));
        serveResultsByName();

        RunningTask run(client().optimize(source, plainOptions(), CancellationSource().token()));
        QVERIFY(run.wait());
        QCOMPARE(run.errorText(), QStringLiteral("Could not save the optimized file."));
        QCOMPARE(fetchedPaths(), QStringList{"/r/o.jpg"});
        // No temporary file either.
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 QStringList{"photo.jpg"});
    }

    void unreadableSourceSendsNothing()
    {
        const QString missing = m_tree->path(QStringLiteral("gone.jpg"));
        RunningTask run(client().optimize(QUrl::fromLocalFile(missing), plainOptions(), CancellationSource().token()));
        QVERIFY(run.wait());
        const std::optional<FileError> error = run.errorAs<FileError>();
        QVERIFY2(error, qPrintable(run.errorText()));
        QVERIFY2(error->description().contains(missing), qPrintable(error->description()));
        QVERIFY2(error->description().contains(QStringLiteral("No such file")), qPrintable(error->description()));
        QCOMPARE(m_server->connectionCount(), 0);
    }

    void serverDropsTheConnectionMidUpload()
    {
        const QUrl source = addSource(QStringLiteral("big.jpg"), QByteArray(4 * 1024 * 1024, '\x5a'));
        m_server->dropUploadAfter(uploadPath, 128 * 1024);

        RunningTask run(client().optimize(source, plainOptions(), CancellationSource().token()));
        QVERIFY(run.wait());
        const std::optional<TransportError> error = run.errorAs<TransportError>();
        QVERIFY2(error, qPrintable(run.errorText()));
        QVERIFY(!error->description().isEmpty());
        QVERIFY(!run.isCancellation());
        // Sent once: Qt is not allowed to send the upload again on a new connection.
        QCOMPARE(error->description(), QStringLiteral("The connection to the service was closed before it answered."));
        const QList<RecordedRequest> uploads = m_server->requests(uploadPath);
        QCOMPARE(uploads.size(), 1);
        QVERIFY(!uploads[0].complete);
        QCOMPARE(folderEntries(), QStringList{"big.jpg"});
    }

    void uploadAndPollAreSentOnceWhenTheAnswerNeverComes_data()
    {
        QTest::addColumn<QByteArray>("droppedPath");
        QTest::newRow("upload") << uploadPath;
        QTest::newRow("poll") << pollPath;
    }

    void uploadAndPollAreSentOnceWhenTheAnswerNeverComes()
    {
        QFETCH(QByteArray, droppedPath);
        const QUrl source = addSource(QStringLiteral("photo.jpg"));
        m_server->route(uploadPath, ScriptedReply::json(
                                        expand(R"({"Status":{"Code":1,"Message":"p"},"OriginalURL":"@/o/p.jpg"})")));
        // The whole request arrives, then the connection closes without an answer.
        m_server->route(droppedPath, ScriptedReply::dropped());

        RunningTask run(client().optimize(source, plainOptions(), CancellationSource().token()));
        QVERIFY(run.wait());
        QCOMPARE(run.errorText(), QStringLiteral("The connection to the service was closed before it answered."));
        QCOMPARE(m_server->requestCount(droppedPath), 1);
        QVERIFY(m_server->requests(droppedPath).value(0).complete);
        QCOMPARE(folderEntries(), QStringList{"photo.jpg"});
    }

    void untrustedCertificateSendsNothing()
    {
        TestHttpsServer untrusted(TestHttpsServer::Identity::untrusted);
        QVERIFY(untrusted.isListening());
        const QUrl source = addSource(QStringLiteral("photo.jpg"));
        const TovalinClient c(untrusted.baseUrl(), TestHttpsServer::makeTransport());

        RunningTask run(c.optimize(source, plainOptions(), CancellationSource().token()));
        QVERIFY(run.wait());
        const std::optional<TransportError> error = run.errorAs<TransportError>();
        QVERIFY2(error, qPrintable(run.errorText()));
        QVERIFY2(error->description().contains(QStringLiteral("SSL"), Qt::CaseInsensitive),
                 qPrintable(error->description()));
        QCOMPARE(untrusted.bytesReceived(), 0);
        QVERIFY(untrusted.requests().isEmpty());
    }

    void stalledServerEndsByTheIdleTimeout()
    {
        const QUrl source = addSource(QStringLiteral("photo.jpg"));
        m_server->route(uploadPath, ScriptedReply::stalled());
        QElapsedTimer clock;
        clock.start();

        RunningTask run(client(300ms).optimize(source, plainOptions(), CancellationSource().token()));
        QVERIFY(run.wait(15000));
        const std::optional<TransportError> error = run.errorAs<TransportError>();
        QVERIFY2(error, qPrintable(run.errorText()));
        QCOMPARE(error->reason(), TransportError::Reason::timeout);
        QCOMPARE(error->description(), QStringLiteral("The connection timed out: no data moved for 0.3 seconds."));
        QVERIFY(clock.elapsed() >= 300);
        QCOMPARE(m_server->requests(uploadPath).value(0).complete, true);
    }

    void slowButMovingTransferDoesNotTimeOut()
    {
        const QUrl source = addSource(QStringLiteral("photo.jpg"));
        // Each answer takes longer than half the idle timeout, the whole call much longer than it.
        ScriptedReply upload =
            ScriptedReply::json(expand(R"({"Status":{"Code":1,"Message":"p"},"OriginalURL":"@/o/p.jpg"})"));
        upload.delay = 250ms;
        ScriptedReply poll = ScriptedReply::json(expand(R"({"LossyURL":"@/r/o.jpg"})"));
        poll.delay = 250ms;
        m_server->route(uploadPath, upload);
        m_server->route(pollPath, poll);
        serveResultsByName();

        RunningTask run(client(400ms).optimize(source, plainOptions(), CancellationSource().token()));
        QVERIFY(run.wait());
        QVERIFY2(run.succeeded(), qPrintable(run.errorText()));
    }

    void cancelDuringUpload()
    {
        const QUrl source = addSource(QStringLiteral("big.jpg"), QByteArray(8 * 1024 * 1024, '\x33'));
        m_server->holdUploadAfter(uploadPath, 256 * 1024);
        CancellationSource stop;

        RunningTask run(client().optimize(source, plainOptions(), stop.token()));
        QTRY_VERIFY_WITH_TIMEOUT(m_server->bodyBytesReceived(uploadPath) >= 256 * 1024, 20000);
        QVERIFY(!run.isDone());
        QElapsedTimer clock;
        clock.start();
        stop.cancel();
        QVERIFY(run.wait(1000));
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(run.isCancellation(), qPrintable(run.errorText()));
        QVERIFY(m_server->requests(uploadPath).value(0).body.size() < m_sourceBytes.size());
        QCOMPARE(folderEntries(), QStringList{"big.jpg"});
    }

    void cancelDuringDownload()
    {
        const QUrl source = addSource(QStringLiteral("photo.jpg"));
        m_server->route(uploadPath,
                        ScriptedReply::json(expand(R"({"LossyURL":"@/r/o.jpg","WebPLossyURL":"@/r/w.webp"})")));
        serveResultsByName();
        m_server->route("/r/w.webp", ScriptedReply::partial(QByteArray(1024 * 1024, 'w'), 64 * 1024));
        TovalinOptions options = plainOptions();
        options.convertToWebP = true;
        CancellationSource stop;

        RunningTask run(client().optimize(source, options, stop.token()));
        QTRY_COMPARE_WITH_TIMEOUT(m_server->requestCount("/r/w.webp"), 1, 20000);
        QTest::qWait(100); // let part of the body arrive
        QVERIFY(!run.isDone());
        QElapsedTimer clock;
        clock.start();
        stop.cancel();
        QVERIFY(run.wait(1000));
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(run.isCancellation(), qPrintable(run.errorText()));
        // The optimized image written before stays; nothing of the companion, not even a temporary file.
        QCOMPARE(folderEntries(), (QStringList{"photo-optimized.jpg", "photo.jpg"}));
    }

    void cancelledBeforeTheCallTouchesNothing()
    {
        const QUrl source = addSource(QStringLiteral("photo.jpg"));
        CancellationSource stop;
        stop.cancel();
        RunningTask run(client().optimize(source, plainOptions(), stop.token()));
        QVERIFY(run.wait(1000));
        QVERIFY(run.isCancellation());
        QTest::qWait(50);
        QCOMPARE(m_server->connectionCount(), 0);
    }

    void redirects()
    {
        TestHttpsServer elsewhere;
        QVERIFY(elsewhere.isListening());
        elsewhere.setDefaultRoute(
            [](const RecordedRequest& request) { return ScriptedReply::file("elsewhere " + request.path); });
        const QUrl source = addSource(QStringLiteral("photo.jpg"));

        // The upload carries the API key: never to another origin.
        m_server->route(uploadPath,
                        ScriptedReply::redirect(elsewhere.url(QStringLiteral("/v2/post-reducer.php")), 307));
        RunningTask refused(client().optimize(source, plainOptions(), CancellationSource().token()));
        QVERIFY(refused.wait());
        const std::optional<TransportError> error = refused.errorAs<TransportError>();
        QVERIFY2(error, qPrintable(refused.errorText()));
        QVERIFY2(error->reason() == TransportError::Reason::insecureAddress, qPrintable(refused.errorText()));
        QVERIFY(elsewhere.requests().isEmpty());

        // Within the same origin it is followed.
        m_server->route(uploadPath, ScriptedReply::redirect(m_server->url(QStringLiteral("/v2/moved.php")), 307));
        m_server->route("/v2/moved.php", ScriptedReply::json(expand(R"({"LossyURL":"@/r/o.jpg"})")));
        m_server->route("/r/o.jpg", ScriptedReply::redirect(elsewhere.url(QStringLiteral("/cdn/o.jpg"))));
        RunningTask followed(client().optimize(source, plainOptions(), CancellationSource().token()));
        QVERIFY(followed.wait());
        QVERIFY2(followed.succeeded(), qPrintable(followed.errorText()));
        QCOMPARE(m_server->requests("/v2/moved.php").value(0).body, m_server->requests(uploadPath).value(1).body);
        // A download may move to another https origin.
        QCOMPARE(readFile(m_tree->path(QStringLiteral("photo-optimized.jpg"))), QByteArray("elsewhere /cdn/o.jpg"));
    }

    void oversizedJsonReplyIsRefused()
    {
        const QUrl source = addSource(QStringLiteral("photo.jpg"));
        m_server->route(uploadPath, ScriptedReply::partial(QByteArray(HttpTransport::maxReplySize + 1, ' '), 1024,
                                                           "application/json"));
        RunningTask run(client().optimize(source, plainOptions(), CancellationSource().token()));
        QVERIFY(run.wait());
        const std::optional<TransportError> error = run.errorAs<TransportError>();
        QVERIFY2(error, qPrintable(run.errorText()));
        QCOMPARE(error->reason(), TransportError::Reason::tooLarge);
        QCOMPARE(error->description(),
                 QStringLiteral("The reply is larger than 16 MiB, the most this program accepts."));
    }

    void transportLimitsAndSchemes()
    {
        const std::shared_ptr<HttpTransport> transport = TestHttpsServer::makeTransport();
        m_server->route("/big", ScriptedReply::file(QByteArray(5000, 'b')));
        m_server->route("/fits", ScriptedReply::file(QByteArray(4096, 'f'), "image/png", 404));

        RunningTask tooBig(transport->dataFrom(m_server->url(QStringLiteral("/big")), CancelToken(), 4096));
        QVERIFY(tooBig.wait());
        QCOMPARE(tooBig.errorAs<TransportError>()->reason(), TransportError::Reason::tooLarge);

        // A status is an answer: the body comes back with it.
        RunningTask fits(transport->dataFrom(m_server->url(QStringLiteral("/fits")), CancelToken(), 4096));
        QVERIFY(fits.wait());
        QVERIFY2(fits.succeeded(), qPrintable(fits.errorText()));
        QCOMPARE(fits.value().statusCode, 404);
        QCOMPARE(fits.value().body, QByteArray(4096, 'f'));

        const int connections = m_server->connectionCount();
        QUrl plain = m_server->url(QStringLiteral("/fits"));
        plain.setScheme(QStringLiteral("http"));
        RunningTask refused(transport->dataFor(plain, "application/json", "{\"key\":\"secret\"}", CancelToken()));
        QVERIFY(refused.wait());
        QCOMPARE(refused.errorAs<TransportError>()->reason(), TransportError::Reason::insecureAddress);
        RunningTask refusedGet(transport->dataFrom(QUrl(QStringLiteral("ftp://127.0.0.1/x")), CancelToken()));
        QVERIFY(refusedGet.wait());
        QCOMPARE(refusedGet.errorAs<TransportError>()->reason(), TransportError::Reason::insecureAddress);
        QTest::qWait(50);
        QCOMPARE(m_server->connectionCount(), connections);
    }
};

QTEST_GUILESS_MAIN(TestTovalinClient)
#include "tst_tovalinclient.moc"
