#include "client/APIMeta.h"
#include "client/CancelToken.h"
#include "client/HttpTransport.h"
#include "client/MultipartFormData.h"
#include "client/RequestParameters.h"
#include "client/SystemProxyFactory.h"
#include "client/TovalinClient.h"
#include "client/TovalinError.h"
#include "tests/client/ClientTestSupport.h"
#include "tests/support/ReplyFixtures.h"
#include "tests/support/TempTree.h"
#include "tests/support/TestHttpsServer.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QNetworkProxy>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSslConfiguration>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <memory>

using namespace std::chrono_literals;
using Run = RunningTask<QStringList>;

namespace {

const QByteArray uploadPath = "/v2/post-reducer.php";
const QByteArray pollPath = "/v2/reducer.php";
const QString closedEarly = QStringLiteral("The connection to the service was closed before it answered.");

TovalinOptions options(Compression compression = Compression::lossy, bool webp = false, bool avif = false)
{
    TovalinOptions options;
    options.apiKey = QStringLiteral("test-key");
    options.compression = compression;
    options.convertToWebP = webp;
    options.convertToAVIF = avif;
    options.cmykToRgb = false;
    return options;
}

// Bytes of a literal that may hold NUL, without its terminator.
template <qsizetype N>
QByteArray bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

// The form's bytes with its boundary written as "B", so that expected bodies can be spelled out.
QByteArray withB(const MultipartFormData& form)
{
    return QByteArray(form.data()).replace(form.boundary().toUtf8(), "B");
}

// Every decoded member in one line: "Code <text>=<codeInt>" or "no Status", then each member present.
QString summary(const APIMeta& meta)
{
    QStringList parts{meta.Status ? QStringLiteral("Code %1=%2").arg(meta.Status->Code).arg(meta.Status->codeInt())
                                  : QStringLiteral("no Status")};
    const std::pair<const char*, const std::optional<QString>*> members[] = {
        {"Message", &meta.Message},           {"OriginalURL", &meta.OriginalURL},
        {"LossyURL", &meta.LossyURL},         {"LosslessURL", &meta.LosslessURL},
        {"WebPLossyURL", &meta.WebPLossyURL}, {"WebPLosslessURL", &meta.WebPLosslessURL},
        {"AVIFLossyURL", &meta.AVIFLossyURL}, {"AVIFLosslessURL", &meta.AVIFLosslessURL}};
    for (const auto& [name, value] : members) {
        if (value->has_value()) {
            parts << QLatin1String(name) + QLatin1Char('=') + **value;
        }
    }
    return parts.join(QLatin1String(", "));
}

// The choice of a reply, in one line: "Optimized:/r/o.jpg WebP:/r/w.webp", the fallback in brackets.
QString choiceOf(const TovalinClient::Choice& choice)
{
    QStringList parts;
    for (const TovalinClient::Result& result : choice.results) {
        parts << key(result.kind) + QLatin1Char(':') +
                     result.remote.toString(QUrl::RemoveScheme | QUrl::RemoveAuthority);
    }
    if (choice.fallback) {
        parts << QStringLiteral("[%1]").arg(
            choice.fallback->remote.toString(QUrl::RemoveScheme | QUrl::RemoveAuthority));
    }
    return parts.join(QLatin1Char(' '));
}

// The client's whole part of one image: its last answer, then each result chosen (the fallback when
// there is no other) downloaded into memory, as "Kind:address", with "=content" when the bytes are
// not what that address served.
QCoro::Task<QStringList> fetch(TovalinClient client, QUrl file, TovalinOptions options, CancelToken token)
{
    const APIMeta meta = co_await client.finalReply(file, options, token);
    const TovalinClient::Choice choice = TovalinClient::chooseResults(meta, options);
    QList<TovalinClient::Result> results = choice.results;
    if (results.isEmpty() && choice.fallback) {
        results << *choice.fallback;
    }
    QStringList fetched;
    for (const TovalinClient::Result& result : std::as_const(results)) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        const qint64 size = co_await client.download(result.remote, &buffer, token);
        const QString target = result.remote.toString(QUrl::RemoveScheme | QUrl::RemoveAuthority);
        QString entry = key(result.kind) + QLatin1Char(':') + target;
        if (buffer.data() != "result of " + target.toUtf8() || size != buffer.size()) {
            entry += QLatin1Char('=') + QString::fromUtf8(buffer.data());
        }
        fetched << entry;
    }
    co_return fetched;
}

} // namespace

// What the service sees and sends: the multipart body, the decoding of its replies, the choice of
// results; then the client against a real HTTPS server on loopback: what goes on the wire, whether it
// polls, what each download brings, and how failures, limits and stops end a call. Replies come from
// the fixture files. After every test the source image is byte for byte what it was, and nothing was
// written beside it.
class TestProtocol : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHttpsServer> m_server;
    std::unique_ptr<TempTree> m_tree;
    QString m_source;
    QByteArray m_sourceBytes;

    QUrl addSource(const QString& name, const QByteArray& bytes = encodedJpeg())
    {
        m_source = m_tree->writeFile(name, bytes);
        m_sourceBytes = bytes;
        return QUrl::fromLocalFile(m_source);
    }

    TovalinClient client(std::chrono::milliseconds idleTimeout = 60s) const
    {
        return TovalinClient(m_server->baseUrl(), TestHttpsServer::makeTransport(idleTimeout));
    }

    ScriptedReply reply(const char* fixture, int status = 200) const
    {
        return ReplyFixtures::reply(QString::fromLatin1(fixture), *m_server, status);
    }

    // Every result address answers with a body naming the address.
    void serveResultsByName()
    {
        m_server->setDefaultRoute([](const RecordedRequest& request) {
            return ScriptedReply::file("result of " + request.target, "image/jpeg");
        });
    }

    // What a call did, in one line: "poll" for each poll, "->", then what fetch() brought, or the error
    // (marked "(cancelled)" when it is a stop).
    QString outcome(const Run& run) const
    {
        QStringList line;
        for (const RecordedRequest& request : m_server->requests()) {
            if (request.path == pollPath) {
                line << QStringLiteral("poll");
            }
        }
        if (m_server->requestCount(uploadPath) != 1) {
            line << QStringLiteral("uploads: %1").arg(m_server->requestCount(uploadPath));
        }
        line << QStringLiteral("->");
        if (run.succeeded()) {
            line << run.value();
        } else {
            // A failure must never pass for a stop.
            line << (!run.isDone()          ? QStringLiteral("(still running)")
                     : run.isCancellation() ? QStringLiteral("(cancelled) ") + run.errorText()
                                            : run.errorText());
        }
        return line.join(QLatin1Char(' '));
    }

    QString optimize(const TovalinOptions& options = ::options()) const { return optimizeWith(client(), options); }
    QString optimizeWith(const TovalinClient& client, const TovalinOptions& options = ::options()) const
    {
        Run run(fetch(client, QUrl::fromLocalFile(m_source), options, CancelToken()));
        run.wait();
        return outcome(run);
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
            QFile file(m_source);
            QVERIFY2(file.open(QIODevice::ReadOnly) && file.readAll() == m_sourceBytes, "the source image changed");
            const QFileInfo source(m_source);
            QCOMPARE(source.dir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                     QStringList{source.fileName()});
        }
        m_server.reset();
        m_tree.reset();
    }

    void multipartBoundary()
    {
        MultipartFormData a;
        const MultipartFormData b;
        static const QRegularExpression shape(
            QStringLiteral("^Boundary-[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$"));
        QVERIFY2(shape.match(a.boundary()).hasMatch(), qPrintable(a.boundary()));
        QVERIFY(a.boundary() != b.boundary());
        QCOMPARE(b.contentType(), QStringLiteral("multipart/form-data; boundary=") + b.boundary());
        QVERIFY(a.data().isEmpty());
        a.close();
        QCOMPARE(withB(a), QByteArray("--B--\r\n"));
        // A lone surrogate cannot be written as UTF-8: that piece is left out, the part still goes in.
        MultipartFormData lone;
        lone.addField(QStringLiteral("n"), QString(QChar(0xD800)));
        QCOMPARE(withB(lone), QByteArray("--B\r\nContent-Disposition: form-data; name=\"n\"\r\n\r\n\r\n"));
    }

    void multipartParts_data()
    {
        QTest::addColumn<QString>("name"); // a file part when filename is not null
        QTest::addColumn<QString>("filename");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("expected");

        const QString field;
        const QByteArray disposition = "--B\r\nContent-Disposition: form-data; name=";
        QTest::newRow("empty value") << "key" << field << QByteArray() << disposition + "\"key\"\r\n\r\n\r\n";
        QTest::newRow("crlf and quote verbatim")
            << "a\"b" << field << QByteArray("x\r\ny\"z") << disposition + "\"a\"b\"\r\n\r\nx\r\ny\"z\r\n";
        QTest::newRow("zero-byte file") << "file1"
                                        << "a.jpg" << QByteArray()
                                        << disposition +
                                               "\"file1\"; filename=\"a.jpg\"\r\nContent-Type: image/jpeg\r\n\r\n\r\n";
        // A file name can end neither its quotes nor its header line: a quote, CR and LF are written as
        // browsers write them, everything else as it is.
        QTest::newRow("hostile file name")
            << "file1"
            << "x\"; name=\"keep_exif\"; z=\"\r\nX-Injected: 1\n é.jpg" << QByteArray()
            << disposition + "\"file1\"; filename=\"x%22; name=%22keep_exif%22; z=%22%0D%0AX-Injected: 1%0A "
                             "\xc3\xa9.jpg\"\r\nContent-Type: image/jpeg\r\n\r\n\r\n";
        // Content is written as is, even when it looks like the boundary.
        QTest::newRow("binary file") << "file1"
                                     << "a b.jpg" << bytes("\xff\xd8\x00\r\n--B--\r\n")
                                     << disposition + bytes("\"file1\"; filename=\"a b.jpg\"\r\nContent-Type: "
                                                            "image/jpeg\r\n\r\n\xff\xd8\x00\r\n--B--\r\n\r\n");
    }

    void multipartParts()
    {
        QFETCH(QString, name);
        QFETCH(QString, filename);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, expected);
        MultipartFormData form;
        if (filename.isNull()) {
            form.addField(name, QString::fromUtf8(value));
        } else {
            form.addFile(name, filename, QStringLiteral("image/jpeg"), value);
        }
        QCOMPARE(withB(form), expected);
    }

    void decoding_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("expected"); // summary(), or "error: " and the error's text

        const QString unexpected = QStringLiteral("error: Unexpected API response: ");
        const auto row = [](const char* name, const QByteArray& body, const QString& expected) {
            QTest::newRow(name) << body << expected;
        };
        row("zero bytes", QByteArray(), "error: Tovalin did not return any data.");
        row("one space", " ", unexpected + " ");
        row("empty array", "[]", unexpected + "[]");
        row("empty object", "{}", "no Status");
        row("every member",
            R"({"Message":"m","OriginalURL":"o","LossyURL":"a","LosslessURL":"b","WebPLossyURL":"c",)"
            R"("WebPLosslessURL":"d","AVIFLossyURL":"e","AVIFLosslessURL":"f","Other":[1]})",
            "no Status, Message=m, OriginalURL=o, LossyURL=a, LosslessURL=b, WebPLossyURL=c, WebPLosslessURL=d, "
            "AVIFLossyURL=e, AVIFLosslessURL=f");
        row("code as number", R"({"Status":{"Code":2,"Message":"ok"}})", "Code 2=2");
        row("code as text", R"({"Status":{"Code":"2","Message":"ok"}})", "Code 2=2");
        row("negative number", R"({"Status":{"Code":-102,"Message":"m"}})", "Code -102=-102");
        row("non-integral number", R"({"Status":{"Code":2.5,"Message":"m"}})",
            unexpected + R"({"Status":{"Code":2.5,"Message":"m"}})");
        row("399 passes", R"({"Status":{"Code":399,"Message":"m"}})", "Code 399=399");
        row("400 fails", R"({"Status":{"Code":400,"Message":"Bad key"}})", "error: Bad key");
        row("abc passes", R"({"Status":{"Code":"abc","Message":"m"}})", "Code abc=0");
        row("status without message", R"({"Status":{"Code":2}})", unexpected + R"({"Status":{"Code":2}})");
        row("status null", "{\"Status\":null,\"LossyURL\":\"https:\\/\\/h\\/a.jpg\"}",
            "no Status, LossyURL=https://h/a.jpg");
        row("url null", R"({"LossyURL":null})", "no Status");
        row("url number", R"({"LossyURL":3})", unexpected + R"({"LossyURL":3})");
        row("only first element",
            R"([{"Status":{"Code":1,"Message":"a"},"LossyURL":"first"},{"Status":{"Code":500,"Message":"b"}}])",
            "Code 1=1, LossyURL=first");
        row("unreadable element", R"([{"LossyURL":"u"},3])", unexpected + R"([{"LossyURL":"u"},3])");
        // The sample is the first 180 bytes, or "(binary)" when they are not whole UTF-8 text.
        row("longer than 180", QByteArray(200, 'a'), unexpected + QString(180, QLatin1Char('a')));
        row("cut inside a character", QByteArray(179, 'c') + "\xc3\xa9 and more", unexpected + "(binary)");
    }

    void decoding()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, expected);
        try {
            const APIMeta meta = decodeMeta(body);
            QCOMPARE(summary(meta), expected);
            QCOMPARE(statusCode(meta), meta.Status ? meta.Status->codeInt() : 0);
        } catch (const TovalinError& e) {
            QCOMPARE(QStringLiteral("error: ") + e.description(), expected);
            QCOMPARE(e.kind(), body.isEmpty() ? TovalinError::Kind::emptyResponse : TovalinError::Kind::api);
        }
    }
    void serviceAddressAndTransport()
    {
        const TovalinClient c(QUrl(QStringLiteral("https://example.test:8443/base/")), nullptr);
        QCOMPARE(c.postReducerURL(), QUrl(QStringLiteral("https://example.test:8443/base/v2/post-reducer.php")));
        QCOMPARE(c.reducerURL(), QUrl(QStringLiteral("https://example.test:8443/base/v2/reducer.php")));
        // The default client talks to the address fixed at build time, through one transport per process.
        const TovalinClient builtIn;
        QCOMPARE(builtIn.postReducerURL(),
                 TovalinClient(QUrl(QStringLiteral(TOVALIN_SERVICE_URL_UNDER_TEST)), nullptr).postReducerURL());
        QCOMPARE(builtIn.transport(), HttpTransport::shared());
        QCOMPARE(builtIn.transport()->idleTimeout(), std::chrono::milliseconds(60s));
        QCOMPARE(HttpTransport::defaultCaBundle().isEmpty(), false);

        // An extra certificate comes on top of the system's, never instead of them: with the test CA
        // standing in for the system's bundle, an unrelated extra one leaves the server trusted.
        const QString bundle =
            m_tree->writeFile(QStringLiteral("system-bundle.pem"), TestHttpsServer::caCertificates().value(0).toPem());
        addSource(QStringLiteral("in/photo.jpg"));
        m_server->route(uploadPath, reply("optimized"));
        serveResultsByName();
        const auto transport =
            std::make_shared<HttpTransport>(QSslConfiguration::systemCaCertificates().mid(0, 1), 60s, bundle);
        QCOMPARE(optimizeWith(TovalinClient(m_server->baseUrl(), transport)), QStringLiteral("-> Optimized:/r/o.jpg"));
    }

    // Requests in flight together each get a connection, and later requests take those connections up
    // again rather than opening new ones: also with as many images at once as a run allows, whose
    // requests end together and leave few transfers behind.
    void connectionsAreShared()
    {
        m_server->setKeepAlive(true);
        m_server->route(uploadPath, reply("optimized"));
        serveResultsByName();
        const TovalinClient shared = client();
        constexpr int atOnce = 16;
        for (int round = 0; round < 3; ++round) {
            std::vector<std::unique_ptr<Run>> runs;
            for (int i = 0; i < atOnce; ++i) {
                const QUrl source = addSource(QStringLiteral("%1/photo.jpg").arg(round * atOnce + i));
                runs.push_back(std::make_unique<Run>(fetch(shared, source, options(), CancelToken())));
            }
            for (const auto& run : runs) {
                QVERIFY(run->wait());
                QVERIFY2(run->succeeded(), qPrintable(run->errorText()));
            }
        }
        QCOMPARE(m_server->requests().size(), 3 * 2 * atOnce);
        QVERIFY2(m_server->connectionCount() <= atOnce, qPrintable(QString::number(m_server->connectionCount())));
    }

    // The authorities' bundle is read once in a process, whatever the number of connections and
    // transports: a bundle gone from the disk after the first connection is still trusted by the next.
    void certificateBundleReadOnce()
    {
        const QString bundle = m_tree->path(QStringLiteral("authorities.pem"));
        QFile file(bundle);
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (const QSslCertificate& certificate : TestHttpsServer::caCertificates()) {
            file.write(certificate.toPem());
        }
        file.close();
        m_server->route(uploadPath, reply("optimized"));
        serveResultsByName();
        const QUrl source = addSource(QStringLiteral("in/photo.jpg"));
        const auto fetchedThrough = [&](const std::shared_ptr<HttpTransport>& transport) {
            Run run(fetch(TovalinClient(m_server->baseUrl(), transport), source, options(), CancelToken()));
            return run.wait() && run.succeeded() ? QStringLiteral("fetched") : run.errorText();
        };
        const auto transport = std::make_shared<HttpTransport>(QList<QSslCertificate>(), 60s, bundle);
        QCOMPARE(fetchedThrough(transport), QStringLiteral("fetched"));
        QVERIFY(file.remove());
        // Each answer closes its connection, so every request is a new TLS connection.
        QCOMPARE(fetchedThrough(transport), QStringLiteral("fetched"));
        QCOMPARE(fetchedThrough(std::make_shared<HttpTransport>(QList<QSslCertificate>(), 60s, bundle)),
                 QStringLiteral("fetched"));
        QCOMPARE(m_server->connectionCount(), 6);
    }

    // The system's proxy carries every request but those to loopback, which no proxy can reach for us.
    void proxies()
    {
        for (const char* host : {"LOCALHOST", "127.8.9.10", "[::1]"}) {
            const QUrl url(QStringLiteral("https://%1/").arg(QLatin1String(host)));
            const QList<QNetworkProxy> proxies = SystemProxyFactory().queryProxy(QNetworkProxyQuery(url));
            QVERIFY2(proxies.size() == 1 && proxies.first().type() == QNetworkProxy::NoProxy, host);
        }
        QTcpServer proxy;
        QVERIFY(proxy.listen(QHostAddress::LocalHost));
        QByteArray asked;
        connect(&proxy, &QTcpServer::newConnection, this, [&] {
            QTcpSocket* socket = proxy.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [&asked, socket] {
                asked += socket->readAll();
                socket->close();
            });
        });
        const QByteArray address = "http://127.0.0.1:" + QByteArray::number(proxy.serverPort());
        qputenv("https_proxy", address);
        const auto unset = qScopeGuard([] { qunsetenv("https_proxy"); });

        addSource(QStringLiteral("photo.jpg"));
        m_server->route(uploadPath, ScriptedReply::json(R"({"LossyURL":"https:\/\/images.example.test\/r\/o.jpg"})"));
        QCOMPARE(optimize(), "-> " + closedEarly);
        QVERIFY2(asked.startsWith("CONNECT images.example.test:443 HTTP/1.1\r\n"), asked.constData());
        QCOMPARE(m_server->requestCount(uploadPath), 1);
    }

    // What goes on the wire, for several option sets: the upload's fields in order and its file part; the
    // poll's bytes, compact, with the same options as JSON numbers but for the texts, a shorter wait, and
    // every solidus escaped. The source names cover the media-type lookup.
    void uploadAndPoll_data()
    {
        QTest::addColumn<QString>("sourceName");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<TovalinOptions>("options");
        QTest::addColumn<QStringList>("fields"); // before file_paths
        QTest::addColumn<QByteArray>("poll");    // "…" for the address polled and the wait

        TovalinOptions o = options();
        o.resizeWidth = 800;
        o.resizeHeight = 600;
        QTest::newRow("everything off, size without resize, space in the path")
            << "sub folder/a b.JPEG" << QByteArray("image/jpeg") << o
            << QStringList{"key=test-key", "plugin_version=MAC01", "lossy=1", "wait=30"}
            << QByteArray(R"({"key":"test-key","lossy":1,"plugin_version":"MAC01",…})");

        o = options(Compression::glossy, true, true);
        o.apiKey = QStringLiteral("k/é y");
        o.resizeMode = ResizeMode::cover;
        o.resizeWidth = 800;
        o.resizeHeight = 600;
        o.cmykToRgb = true;
        o.upscale = UpscaleFactor::x3;
        o.removeBackground = true;
        o.keepExif = true;
        QTest::newRow("everything on, png")
            << "shot.png" << QByteArray("image/png") << o
            << QStringList{"key=k/é y",        "plugin_version=MAC01",  "lossy=2",
                           "wait=30",          "convertto=+webp|+avif", "resize=1",
                           "resize_width=800", "resize_height=600",     "cmyk2rgb=1",
                           "upscale=3",        "bg_remove=1",           "keep_exif=1"}
            << QByteArray(R"({"bg_remove":1,"cmyk2rgb":1,"convertto":"+webp|+avif","keep_exif":1,"key":"k\/é y",)"
                          R"("lossy":2,"plugin_version":"MAC01","resize":1,"resize_height":600,"resize_width":800,)"
                          R"("upscale":3,…})");

        o = options(Compression::lossless, true);
        o.apiKey.clear();
        o.resizeMode = ResizeMode::contain;
        o.resizeHeight = 500;
        QTest::newRow("contain with height, empty key still sent, non-ascii name, unknown type")
            << QStringLiteral("café ×.") << QByteArray("application/octet-stream") << o
            << QStringList{"key=",     "plugin_version=MAC01", "lossy=0", "wait=30", "convertto=+webp",
                           "resize=3", "resize_height=500"}
            << QByteArray(R"({"convertto":"+webp","key":"","lossy":0,"plugin_version":"MAC01","resize":3,)"
                          R"("resize_height":500,…})");
    }

    void uploadAndPoll()
    {
        QFETCH(QString, sourceName);
        QFETCH(QByteArray, type);
        QFETCH(TovalinOptions, options);
        QFETCH(QStringList, fields);
        QFETCH(QByteArray, poll);
        addSource(sourceName);
        // The poll sends OriginalURL as it came, even when it is http.
        m_server->route(uploadPath, reply("pending-http-original"));
        m_server->route(pollPath, reply("optimized"));
        serveResultsByName();
        const QString result = optimize(options);
        QVERIFY2(result.startsWith(QLatin1String("poll -> Optimized:/r/o.jpg")), qPrintable(result));

        // The whole upload body, with "B" for the boundary.
        fields << QStringLiteral("file_paths={\"file1\":\"") + QString(m_source).replace(u'/', QLatin1String("\\/")) +
                      QStringLiteral("\"}");
        QByteArray expected;
        for (const QString& field : fields) {
            expected += "--B\r\nContent-Disposition: form-data; name=\"" + field.section(u'=', 0, 0).toUtf8() +
                        "\"\r\n\r\n" + field.section(u'=', 1).toUtf8() + "\r\n";
        }
        expected += "--B\r\nContent-Disposition: form-data; name=\"file1\"; filename=\"" +
                    QFileInfo(m_source).fileName().toUtf8() + "\"\r\nContent-Type: " + type + "\r\n\r\n" +
                    m_sourceBytes + "\r\n--B--\r\n";
        const RecordedRequest upload = m_server->requests(uploadPath).value(0);
        QCOMPARE(upload.method, QByteArray("POST"));
        const QByteArray contentType = upload.header("Content-Type");
        QVERIFY2(contentType.startsWith("multipart/form-data; boundary=Boundary-"), contentType.constData());
        QCOMPARE(QByteArray(upload.body).replace(contentType.mid(30), "B"), expected);

        const RecordedRequest sent = m_server->requests(pollPath).value(0);
        QCOMPARE(sent.method + ' ' + sent.header("Content-Type"), QByteArray("POST application/json"));
        const QByteArray polled = "http:\\/\\/127.0.0.1:" + QByteArray::number(m_server->port()) + "\\/o\\/photo.jpg";
        QCOMPARE(sent.body, poll.replace("…", "\"urllist\":[\"" + polled + "\"],\"wait\":25"));
        // The settings key is made of the same parameters: those that decide what the results hold.
        QVERIFY(!RequestParameters::settingsKey(options).contains("key="));
    }

    // Whether a call polls, and which answer its results come from: the upload's, or the poll's.
    void pollOrNot_data()
    {
        QTest::addColumn<QString>("upload");
        QTest::addColumn<QString>("poll");
        QTest::addColumn<int>("uploadStatus");
        QTest::addColumn<int>("pollStatus");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* upload, const char* poll, const char* expected,
                            int uploadStatus = 200, int pollStatus = 200) {
            QTest::newRow(name) << upload << poll << uploadStatus << pollStatus << expected;
        };
        const char* polled = "poll -> Optimized:/r/poll.png";
        const char* uploaded = "-> Optimized:/r/up.jpg";
        row("code 1 with addresses polls", "pending-with-result", "done-polled", polled);
        row("code 2 with an address goes on", "done", "done-polled", uploaded);
        row("code 2 with only a WebP address goes on", "done-webp-only", "done-polled", "-> Optimized:/o/photo.jpg");
        row("code 2 without addresses polls", "done-without-results", "done-polled", polled);
        row("code 1 as text polls", "pending-code-as-text", "done-polled", polled);
        row("code 1 without OriginalURL uses the upload reply", "pending-without-original", "done-polled", uploaded);
        row("code 2 with nothing at all", "done-bare", "done-polled", "->");
        row("no Status counts as 0", "no-status", "done-polled", "-> Optimized:/o/photo.jpg");
        row("a pending poll reply is final", "pending", "pending-again", "poll -> Optimized:/o/again.jpg");
        row("poll reply replaces the upload reply", "pending-with-result", "pending-bare", "poll ->");
        row("poll reply with a service error", "pending", "quota-exceeded", "poll -> Quota exceeded");
        row("upload reply with a service error", "refused", "done-polled", "-> The API key is not valid.");
        // Upload and poll replies are judged by their JSON, whatever the HTTP status.
        row("403 upload with a result", "done", "done-polled", uploaded, 403);
        row("503 poll with a result", "pending", "done-polled", polled, 200, 503);
    }

    void pollOrNot()
    {
        QFETCH(QString, upload);
        QFETCH(QString, poll);
        QFETCH(int, uploadStatus);
        QFETCH(int, pollStatus);
        QFETCH(QString, expected);
        addSource(QStringLiteral("photo.jpg"));
        m_server->route(uploadPath, ReplyFixtures::reply(upload, *m_server, uploadStatus));
        m_server->route(pollPath, ReplyFixtures::reply(poll, *m_server, pollStatus));
        serveResultsByName();
        QCOMPARE(optimize(), expected);
    }

    // One address per kind asked for: the level's own variant first, the other only when the first is
    // absent; a present but unusable address skips its kind. "http" is fetched over https, nothing but
    // http and https is fetched at all.
    void choiceOfResults_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<TovalinOptions>("options");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* fixture, const TovalinOptions& options,
                            const char* expected) { QTest::newRow(name) << fixture << options << expected; };
        row("lossless prefers lossless", "lossy-and-lossless", options(Compression::lossless),
            "Optimized:/r/lossless.jpg");
        row("lossless falls back to lossy", "lossy-only", options(Compression::lossless), "Optimized:/r/lossy.jpg");
        row("glossy prefers lossy", "lossy-and-lossless", options(Compression::glossy), "Optimized:/r/lossy.jpg");
        row("lossy falls back to lossless", "lossless-only", options(), "Optimized:/r/lossless.jpg");
        row("unusable lossy address is not replaced by lossless", "unusable-lossy", options(), "");
        row("webp lossless for lossless", "webp-both-lossless", options(Compression::lossless, true),
            "Optimized:/r/l.png WebP:/r/wll.webp");
        row("avif lossy for glossy", "avif-both", options(Compression::glossy, false, true), "AVIF:/r/al.avif");
        row("all three in order", "all-three", options(Compression::lossy, true, true),
            "Optimized:/r/o.jpg WebP:/r/w.webp AVIF:/r/a.avif");
        row("webp off ignores webp addresses", "optimized-and-webp", options(), "Optimized:/r/o.jpg");
        row("webp with the original beside", "webp-and-original", options(Compression::lossy, true),
            "WebP:/r/w.webp [/o/photo.jpg]");
        row("http fetched over https", "optimized-http", options(), "Optimized:/r/plain.jpg");
        row("rejected OriginalURL", "original-ftp", options(), "");
    }

    void choiceOfResults()
    {
        QFETCH(QString, fixture);
        QFETCH(TovalinOptions, options);
        QFETCH(QString, expected);
        const TovalinClient::Choice choice =
            TovalinClient::chooseResults(decodeMeta(ReplyFixtures::body(fixture, *m_server)), options);
        QCOMPARE(choiceOf(choice), expected);
        for (const TovalinClient::Result& result : choice.results) {
            QCOMPARE(result.remote.scheme(), QStringLiteral("https"));
        }
    }

    // Addresses that are not http or https, or whose scheme is written in capitals, are never fetched.
    void rejectedAddresses()
    {
        for (const char* address : {"HTTP://127.0.0.1/r/caps.jpg", "ftp://127.0.0.1/r/f.jpg", "file:///etc/hostname",
                                    "data:image/jpeg;base64,AAAA", "qrc:/r/q.jpg", "r/rel.jpg", ""}) {
            APIMeta meta;
            meta.LossyURL = meta.WebPLossyURL = meta.OriginalURL = QString::fromLatin1(address);
            QVERIFY2(TovalinClient::chooseResults(meta, options(Compression::lossy, true)).results.isEmpty(), address);
            QVERIFY2(!TovalinClient::secureURL(QString::fromLatin1(address)), address);
        }
        QCOMPARE(TovalinClient::secureURL(QStringLiteral("https://h/a.jpg")), QUrl(QStringLiteral("https://h/a.jpg")));
    }

    // A result that is an error page, empty, or cut off is no result; what came of it is the caller's.
    void downloads_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("expected");
        const QString failed = QStringLiteral("-> Could not download the optimized file (%1).");
        QTest::newRow("404 page") << QByteArray("/missing") << failed.arg("HTTP status 404");
        QTest::newRow("200 empty") << QByteArray("/empty") << failed.arg("empty response");
        QTest::newRow("connection dropped") << QByteArray("/dropped") << closedEarly;
    }

    void downloads()
    {
        QFETCH(QByteArray, path);
        QFETCH(QString, expected);
        addSource(QStringLiteral("photo.jpg"));
        m_server->route(uploadPath, ScriptedReply::json("{\"LossyURL\":\"" +
                                                        m_server->url(QString::fromLatin1(path)).toEncoded() + "\"}"));
        m_server->route("/missing", ScriptedReply::file("<html>Not Found</html>", "text/html", 404));
        m_server->route("/empty", ScriptedReply::file(QByteArray()));
        m_server->route("/dropped", ScriptedReply{.drop = true});
        QCOMPARE(optimize(), expected.startsWith(QLatin1String("->")) ? expected : "-> " + expected);
    }

    // A source that cannot be read, or a server that cannot be trusted, gets nothing of the request.
    void failuresThatSendNothing()
    {
        const QString missing = m_tree->path(QStringLiteral("gone.jpg"));
        Run unreadable(fetch(client(), QUrl::fromLocalFile(missing), options(), CancelToken()));
        QVERIFY(unreadable.wait());
        QVERIFY2(unreadable.errorText().contains(missing) &&
                     unreadable.errorText().contains(QStringLiteral("No such file")),
                 qPrintable(unreadable.errorText()));
        QCOMPARE(m_server->bytesReceived(), 0);

        TestHttpsServer untrusted(TestHttpsServer::Identity::untrusted);
        QVERIFY(untrusted.isListening());
        const QUrl source = addSource(QStringLiteral("photo.jpg"));
        Run refused(fetch(TovalinClient(untrusted.baseUrl(), TestHttpsServer::makeTransport()), source, options(),
                          CancelToken()));
        QVERIFY(refused.wait());
        QVERIFY2(refused.errorText().contains(QStringLiteral("SSL"), Qt::CaseInsensitive),
                 qPrintable(refused.errorText()));
        QCOMPARE(untrusted.bytesReceived(), 0);
    }

    // Uploads and polls are sent once: they may not go again on a new connection.
    void connectionClosedBeforeTheAnswer_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<bool>("midUpload");
        QTest::newRow("mid-upload") << uploadPath << true;
        QTest::newRow("after the upload") << uploadPath << false;
        QTest::newRow("after the poll") << pollPath << false;
    }

    void connectionClosedBeforeTheAnswer()
    {
        QFETCH(QByteArray, path);
        QFETCH(bool, midUpload);
        addSource(QStringLiteral("big.jpg"), midUpload ? QByteArray(4 * 1024 * 1024, '\x5a') : encodedJpeg());
        m_server->route(uploadPath, reply("pending"));
        if (midUpload) {
            m_server->cutUploadAfter(uploadPath, 128 * 1024, TestHttpsServer::Cut::drop);
        } else {
            m_server->route(path, ScriptedReply{.drop = true});
        }
        QCOMPARE(optimize(), (path == pollPath ? "poll -> " : "-> ") + closedEarly);
        QCOMPARE(m_server->requests(path).value(0).complete, !midUpload);
    }

    // The file is read as it is sent; if it changes meanwhile, the upload is aborted.
    void sourceChangedWhileSent_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("error");
        const QString changed = QStringLiteral("“%1” changed while it was being sent; nothing was saved for it.");
        QTest::newRow("grown") << "grow" << changed;
        QTest::newRow("truncated") << "truncate" << changed;
        QTest::newRow("replaced") << "replace" << changed;
        QTest::newRow("removed") << "remove"
                                 << "“%1” was removed while it was being sent; nothing was saved for it.";
    }

    void sourceChangedWhileSent()
    {
        QFETCH(QString, change);
        QFETCH(QString, error);
        const QUrl source = addSource(QStringLiteral("photo.jpg"), QByteArray(600 * 1024, 'p'));
        m_server->route(uploadPath, reply("optimized"));
        serveResultsByName();
        // The call has opened the file and is waiting for the connection; nothing has been read yet.
        Run run(fetch(client(), source, options(), CancelToken()));
        QFile file(m_source);
        if (change == QLatin1String("grow")) {
            QVERIFY(file.open(QIODevice::Append) && file.write("more") == 4);
        } else if (change == QLatin1String("truncate")) {
            QVERIFY(file.resize(1024));
        } else {
            QVERIFY(file.remove());
            if (change == QLatin1String("replace")) {
                m_tree->writeFile(QStringLiteral("photo.jpg"), m_sourceBytes);
            }
        }
        file.close();
        QVERIFY(run.wait());
        m_source = file.fileName();
        QCOMPARE(outcome(run), QStringLiteral("-> ") + error.arg(m_source));
        QVERIFY(!m_server->requests(uploadPath).value(0).complete);
        m_source.clear();
    }

    // The timeout is for a transfer standing still, not for a slow call.
    void idleTimeout()
    {
        const QUrl source = addSource(QStringLiteral("photo.jpg"));
        // Each answer takes longer than half the idle timeout, the whole call much longer than it.
        ScriptedReply upload = reply("pending");
        ScriptedReply poll = reply("optimized");
        upload.delay = poll.delay = 250ms;
        m_server->route(uploadPath, upload);
        m_server->route(pollPath, poll);
        serveResultsByName();
        QCOMPARE(optimizeWith(client(400ms)), QStringLiteral("poll -> Optimized:/r/o.jpg"));

        m_server->route(uploadPath, ScriptedReply{.stall = true});
        QElapsedTimer clock;
        clock.start();
        Run run(fetch(client(300ms), source, options(), CancelToken()));
        QVERIFY(run.wait(15000));
        QCOMPARE(run.errorText(), QStringLiteral("The connection timed out: no data moved for 0.3 seconds."));
        QVERIFY(clock.elapsed() >= 300);
    }

    // A stop aborts the transfer in flight: an upload is not sent to its end, a download ends with the
    // cancellation, whatever had arrived of it.
    void cancel_data()
    {
        QTest::addColumn<bool>("inDownload");
        QTest::newRow("during the upload") << false;
        QTest::newRow("during a download") << true;
    }

    void cancel()
    {
        QFETCH(bool, inDownload);
        const QUrl source =
            addSource(QStringLiteral("photo.jpg"), inDownload ? encodedJpeg() : QByteArray(8 << 20, 'p'));
        m_server->route(uploadPath, reply("optimized-and-webp"));
        serveResultsByName();
        m_server->route("/r/w.webp", ScriptedReply::partial(QByteArray(1 << 20, 'w'), 64 * 1024));
        if (!inDownload) {
            m_server->cutUploadAfter(uploadPath, 256 * 1024, TestHttpsServer::Cut::hold);
        }
        CancellationSource stop;
        Run run(fetch(client(), source, options(Compression::lossy, true), stop.token()));
        if (inDownload) {
            QTRY_COMPARE_WITH_TIMEOUT(m_server->requestCount("/r/w.webp"), 1, 20000);
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(m_server->requests(uploadPath).value(0).body.size() >= 256 * 1024, 20000);
        }
        QVERIFY(!run.isDone());
        stop.cancel();
        QVERIFY(run.wait(1000));
        QVERIFY2(run.isCancellation(), qPrintable(run.errorText()));
        QCOMPARE(m_server->requests(uploadPath).value(0).complete, inDownload);
    }

    void redirects()
    {
        TestHttpsServer elsewhere;
        QVERIFY(elsewhere.isListening());
        elsewhere.setDefaultRoute(
            [](const RecordedRequest& request) { return ScriptedReply::file("elsewhere " + request.path); });
        addSource(QStringLiteral("photo.jpg"));

        // The upload carries the API key: never to another origin.
        m_server->route(uploadPath,
                        ScriptedReply::redirect(elsewhere.url(QStringLiteral("/v2/post-reducer.php")), 307));
        QCOMPARE(optimize(), QStringLiteral("-> The service redirected the request to an address it may not go to."));
        QVERIFY(elsewhere.requests().isEmpty());

        // Within the same origin it is followed; a download may move to another https origin.
        m_server->route(uploadPath, ScriptedReply::redirect(m_server->url(QStringLiteral("/v2/moved.php")), 307));
        m_server->route("/v2/moved.php", reply("optimized"));
        m_server->route("/r/o.jpg", ScriptedReply::redirect(elsewhere.url(QStringLiteral("/cdn/o.jpg"))));
        QCOMPARE(optimize(), QStringLiteral("uploads: 2 -> Optimized:/r/o.jpg=elsewhere /cdn/o.jpg"));
        QCOMPARE(m_server->requests("/v2/moved.php").value(0).body, m_server->requests(uploadPath).value(1).body);
    }

    void oversizedJsonReplyIsRefused()
    {
        addSource(QStringLiteral("photo.jpg"));
        m_server->route(uploadPath, ScriptedReply::partial(QByteArray(HttpTransport::maxReplySize + 1, ' '), 1024,
                                                           "application/json"));
        QCOMPARE(optimize(), QStringLiteral("-> The reply is larger than 16 MiB, the most this program accepts."));
    }

    void transportLimitsAndSchemes()
    {
        const std::shared_ptr<HttpTransport> transport = TestHttpsServer::makeTransport();
        m_server->route("/big", ScriptedReply::file(QByteArray(5000, 'b')));
        QBuffer sink;
        sink.open(QIODevice::WriteOnly);
        RunningTask tooBig(transport->download(m_server->url(QStringLiteral("/big")), &sink, CancelToken(), 4096));
        QVERIFY(tooBig.wait());
        QVERIFY2(tooBig.errorText().startsWith(QLatin1String("The reply is larger than")),
                 qPrintable(tooBig.errorText()));
        QCOMPARE(sink.data(), QByteArray());

        // Nothing but https goes on the wire.
        const qint64 received = m_server->bytesReceived();
        QUrl plain = m_server->url(QStringLiteral("/big"));
        plain.setScheme(QStringLiteral("http"));
        RunningTask refused(transport->dataFor(plain, "application/json", "{\"key\":\"secret\"}", CancelToken()));
        RunningTask refusedGet(transport->download(QUrl(QStringLiteral("ftp://127.0.0.1/x")), &sink, CancelToken()));
        QVERIFY(refused.wait() && refusedGet.wait());
        QVERIFY2(refused.errorText().endsWith(QLatin1String("only secure (https) addresses are allowed.")),
                 qPrintable(refused.errorText()));
        QCOMPARE(
            refusedGet.errorText(),
            QStringLiteral("Refused to connect to “ftp://127.0.0.1/x”: only secure (https) addresses are allowed."));
        QTest::qWait(50);
        QCOMPARE(m_server->bytesReceived(), received);
    }
};

QTEST_GUILESS_MAIN(TestProtocol)
#include "tst_protocol.moc"
