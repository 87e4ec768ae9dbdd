#include "client/APIMeta.h"
#include "client/CancelToken.h"
#include "client/HttpTransport.h"
#include "client/MultipartFormData.h"
#include "client/SystemProxyFactory.h"
#include "client/TovalinClient.h"
#include "client/TovalinError.h"
#include "output/OutputMark.h"
#include "output/OutputNames.h"
#include "queue/JobPipeline.h"
#include "tests/client/ClientTestSupport.h"
#include "tests/support/TempTree.h"
#include "tests/support/TestHttpsServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QNetworkProxy>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSslConfiguration>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <memory>

using namespace std::chrono_literals;
using Run = RunningTask<QList<DownloadedFile>>;

namespace {

const QByteArray uploadPath = "/v2/post-reducer.php";
const QByteArray pollPath = "/v2/reducer.php";
const QString closedEarly = QStringLiteral("The connection to the service was closed before it answered.");
const QString noURL = QStringLiteral("No download URL returned for this configuration.");

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

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
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

} // namespace

// The bytes and texts the service sees or sends: the multipart body, the decoding of its replies and
// the names its results are saved under. Then the client against a real HTTPS server on loopback: what
// goes on the wire, what the replies lead to, what lands on disk, and how failures and stops end a
// call. After every test the source image is byte for byte what it was.
class TestClient : public QObject
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

    // "@" stands for the server's base address, "#" for its port.
    QByteArray expand(QByteArray text) const
    {
        return text.replace('@', m_server->baseUrl().toString().toUtf8())
            .replace('#', QByteArray::number(m_server->port()));
    }

    // A JSON reply written in a table, expanded. A leading "NNN " is its HTTP status. Text that is neither
    // JSON nor a page lists members: "Code=<JSON value>" for a Status with that code and the message "m",
    // any other "Name=text" for a text member.
    ScriptedReply reply(QByteArray text) const
    {
        bool isStatus = false;
        const int status = text.size() >= 4 && text[3] == ' ' ? text.left(3).toInt(&isStatus) : 0;
        if (isStatus) {
            text.remove(0, 4);
        }
        if (text.contains('=') && !text.startsWith('{') && !text.startsWith('[')) {
            QByteArrayList members;
            for (const QByteArray& member : text.split(' ')) {
                const QByteArray name = member.left(member.indexOf('='));
                const QByteArray value = member.mid(name.size() + 1);
                members << (name == "Code" ? "\"Status\":{\"Code\":" + value + ",\"Message\":\"m\"}"
                                           : '"' + name + "\":\"" + value + '"');
            }
            text = '{' + members.join(',') + '}';
        }
        return ScriptedReply::json(expand(text), isStatus ? status : 200);
    }

    // Everything in the source's folder but the source.
    QStringList besideTheSource() const
    {
        const QFileInfo source(m_source);
        QStringList entries =
            source.dir().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        entries.removeOne(source.fileName());
        return entries;
    }

    // Every result address answers with a body naming the address, so that outcome() can tell which
    // address went into which file.
    void serveResultsByName()
    {
        m_server->setDefaultRoute([](const RecordedRequest& request) {
            return ScriptedReply::file("result of " + request.target, "image/jpeg");
        });
    }

    // What a call did, in one line: "poll" for each poll, each address fetched, "->", then the files
    // written as format:name (with "=content" when a file does not hold what its own address served),
    // or the error (marked "(cancelled)" when it is a stop); then "| beside:" and the folder's other
    // entries when they are not just those files.
    QString outcome(const Run& run) const
    {
        QStringList line;
        QStringList fetched;
        for (const RecordedRequest& request : m_server->requests()) {
            if (request.path == pollPath) {
                line << QStringLiteral("poll");
            } else if (request.method == "GET" && !fetched.contains(QString::fromUtf8(request.target))) {
                // Qt repeats a plain GET by itself when a connection closes before the answer.
                fetched << QString::fromUtf8(request.target);
            }
        }
        if (m_server->requestCount(uploadPath) != 1) {
            line << QStringLiteral("uploads: %1").arg(m_server->requestCount(uploadPath));
        }
        line << fetched << QStringLiteral("->");
        QStringList written;
        if (run.succeeded()) {
            for (qsizetype i = 0; i < run.value().size(); ++i) {
                const QFileInfo file(run.value()[i].path.toLocalFile());
                QString entry =
                    key(run.value()[i].kind) + QLatin1Char(':') +
                    (file.absolutePath() == QFileInfo(m_source).absolutePath() ? file.fileName() : file.filePath());
                const QByteArray content = readFile(file.filePath());
                if (content != "result of " + fetched.value(i).toUtf8()) {
                    entry += QLatin1Char('=') + QString::fromUtf8(content);
                }
                if (!run.value()[i].notReplaced.isEmpty()) {
                    entry += QStringLiteral(" (kept %1)").arg(run.value()[i].notReplaced.fileName());
                }
                line << entry;
                written << file.fileName();
            }
        } else {
            // A failure must never pass for a stop.
            line << (!run.isDone()          ? QStringLiteral("(still running)")
                     : run.isCancellation() ? QStringLiteral("(cancelled) ") + run.errorText()
                                            : run.errorText());
            QStringList before;
            for (const DownloadedFile& file : run.written()) {
                before << file.path.fileName();
            }
            if (!before.isEmpty()) {
                line << QStringLiteral("[wrote %1]").arg(before.join(QLatin1Char(' ')));
            }
        }
        written.sort();
        if (besideTheSource() != written) {
            line << QStringLiteral("| beside:") << besideTheSource();
        }
        return line.join(QLatin1Char(' '));
    }

    QString optimize(const TovalinOptions& options = ::options()) const { return optimizeWith(client(), options); }
    QString optimizeWith(const TovalinClient& client, const TovalinOptions& options = ::options()) const
    {
        Run run(JobPipeline::run(client, JobRequest::forFile(QUrl::fromLocalFile(m_source), options), CancelToken()));
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
            QVERIFY2(readFile(m_source) == m_sourceBytes, "the source image changed");
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

    // Named from the whole source name, the optimized image keeps the short name only when its
    // extension is exactly the source's; the fallback always does.
    void outputNamesFromTheWholeSourceName()
    {
        const OutputNames upper(QStringLiteral("/p/noise.PNG"), OutputNames::Naming::sourceName);
        QCOMPARE(upper.name(OutputKind::optimized, QStringLiteral("png")) + QLatin1Char(' ') +
                     upper.name(OutputKind::webp),
                 QStringLiteral("noise.PNG-optimized.png noise.PNG.webp"));
        const OutputNames jpeg(QStringLiteral("/p/noise.jpg"), OutputNames::Naming::sourceName);
        QCOMPARE(QStringList({jpeg.name(OutputKind::optimized, QString()), jpeg.name(OutputKind::avif),
                              jpeg.name(OutputKind::optimized)})
                     .join(QLatin1Char(' ')),
                 QStringLiteral("noise-optimized.jpg noise.jpg.avif noise-optimized.jpg"));
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
        const QUrl source = addSource(QStringLiteral("in/photo.jpg"));
        m_server->route(uploadPath, reply("LossyURL=@/r/o.jpg"));
        serveResultsByName();
        const auto transport =
            std::make_shared<HttpTransport>(QSslConfiguration::systemCaCertificates().mid(0, 1), 60s, bundle);
        QCOMPARE(optimizeWith(TovalinClient(m_server->baseUrl(), transport)),
                 QStringLiteral("/r/o.jpg -> Optimized:photo-optimized.jpg"));
    }

    // Requests in flight together each get a connection, and later requests take those connections up
    // again rather than opening new ones: also with as many images at once as a run allows, whose
    // requests end together and leave few transfers behind.
    void connectionsAreShared()
    {
        m_server->setKeepAlive(true);
        m_server->route(uploadPath, reply("LossyURL=@/r/o.jpg"));
        serveResultsByName();
        const TovalinClient shared = client();
        constexpr int atOnce = 16;
        for (int round = 0; round < 3; ++round) {
            std::vector<std::unique_ptr<Run>> runs;
            for (int i = 0; i < atOnce; ++i) {
                const QUrl source = addSource(QStringLiteral("%1/photo.jpg").arg(round * atOnce + i));
                runs.push_back(std::make_unique<Run>(
                    JobPipeline::run(shared, JobRequest::forFile(source, options()), CancelToken())));
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
        m_server->route(uploadPath, reply("LossyURL=@/r/o.jpg"));
        serveResultsByName();
        const QUrl source = addSource(QStringLiteral("photo.jpg"));
        const auto optimizedThrough = [&](const std::shared_ptr<HttpTransport>& transport) {
            Run run(JobPipeline::run(TovalinClient(m_server->baseUrl(), transport),
                                     JobRequest::forFile(source, options()), CancelToken()));
            return run.wait() && run.succeeded() ? QStringLiteral("optimized") : run.errorText();
        };
        const auto transport = std::make_shared<HttpTransport>(QList<QSslCertificate>(), 60s, bundle);
        QCOMPARE(optimizedThrough(transport), QStringLiteral("optimized"));
        QVERIFY(file.remove());
        // Each answer closes its connection, so every request is a new TLS connection.
        QCOMPARE(optimizedThrough(transport), QStringLiteral("optimized"));
        QCOMPARE(optimizedThrough(std::make_shared<HttpTransport>(QList<QSslCertificate>(), 60s, bundle)),
                 QStringLiteral("optimized"));
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
        m_server->route(uploadPath, reply("LossyURL=https://images.example.test/r/o.jpg"));
        QCOMPARE(optimize(), QStringLiteral("-> The connection to the service was closed before it answered."));
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
        const QByteArray original = expand("http://127.0.0.1:#/o/photo.jpg");
        m_server->route(uploadPath, reply("Code=1 OriginalURL=" + original));
        m_server->route(pollPath, reply("LossyURL=@/r/x.jpg"));
        serveResultsByName();
        const QString result = optimize(options);
        QVERIFY2(result.startsWith(QLatin1String("poll /r/x.jpg -> Optimized:")) && !result.contains(u'|'),
                 qPrintable(result));

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
        const QByteArray polled = QByteArray(original).replace('/', "\\/");
        QCOMPARE(sent.body, poll.replace("…", "\"urllist\":[\"" + polled + "\"],\"wait\":25"));
    }

    // One call from upload to files: whether it polls, which addresses it fetches, the names it gives.
    void replies_data()
    {
        QTest::addColumn<QString>("sourceName");
        QTest::addColumn<TovalinOptions>("options");
        QTest::addColumn<QByteArray>("upload");
        QTest::addColumn<QByteArray>("poll");
        QTest::addColumn<QString>("expected");

        const auto decision = [](const char* name, const QByteArray& upload, const QByteArray& poll,
                                 const QString& expected) {
            QTest::newRow(name) << "photo.jpg" << options() << upload << poll << expected;
        };
        const QByteArray done = "Code=2 LossyURL=@/r/poll.png";
        const QByteArray pending = "Code=1 OriginalURL=@/o/photo.jpg";
        const QString polled = QStringLiteral("poll /r/poll.png -> Optimized:photo-optimized.png");
        const QString original = QStringLiteral("/o/photo.jpg -> Optimized:photo-optimized.jpg");
        const QString uploaded = QStringLiteral("/r/up.jpg -> Optimized:photo-optimized.jpg");
        decision("code 1 with addresses polls", pending + " LossyURL=@/r/up.jpg", done, polled);
        decision("code 2 with an address goes on", "Code=2 OriginalURL=@/o/photo.jpg LossyURL=@/r/up.jpg", done,
                 uploaded);
        decision("code 2 with only a WebP address goes on", "Code=2 OriginalURL=@/o/photo.jpg WebPLossyURL=@/r/w.webp",
                 done, original);
        decision("code 2 without addresses polls", "Code=2 OriginalURL=@/o/photo.jpg", done, polled);
        decision("code 1 as text polls", "Code=\"1\" OriginalURL=@/o/photo.jpg", done, polled);
        decision("code 1 without OriginalURL uses the upload reply", "Code=1 LossyURL=@/r/up.jpg", done, uploaded);
        decision("code 2 with nothing at all", "Code=2", done, "-> " + noURL);
        decision("no Status counts as 0", "OriginalURL=@/o/photo.jpg", done, original);
        decision("a pending poll reply is final", pending, "Code=1 OriginalURL=@/o/again.jpg",
                 "poll /o/again.jpg -> Optimized:photo-optimized.jpg");
        decision("poll reply replaces the upload reply", pending + " LossyURL=@/r/up.jpg", "Code=1",
                 "poll -> " + noURL);
        decision("poll reply with a service error", pending,
                 R"([{"Status":{"Code":"403","Message":"Quota exceeded"}}])", "poll -> Quota exceeded");
        decision("upload reply with a service error", "Code=401", done, "-> m");
        // Upload and poll replies are judged by their JSON, whatever the HTTP status.
        decision("403 upload with a result", "403 Code=2 LossyURL=@/r/up.jpg", done, uploaded);
        decision("503 poll with a result", pending, "503 " + done, polled);

        const auto download = [](const char* name, const char* source, const TovalinOptions& options,
                                 const QByteArray& upload, const QString& expected) {
            QTest::newRow(name) << source << options << upload << QByteArray() << expected;
        };
        const char* photo = "photo.jpg";
        const TovalinOptions lossy = options();
        const TovalinOptions lossless = options(Compression::lossless);
        const TovalinOptions withWebP = options(Compression::lossy, true);
        const QByteArray both = "LossyURL=@/r/lossy.jpg LosslessURL=@/r/lossless.jpg";
        const QString optimized = QStringLiteral(" -> Optimized:photo-optimized.jpg");
        download("lossless prefers lossless", photo, lossless, both, "/r/lossless.jpg" + optimized);
        download("lossless falls back to lossy", photo, lossless, "LossyURL=@/r/lossy.jpg", "/r/lossy.jpg" + optimized);
        download("glossy prefers lossy", photo, options(Compression::glossy), both, "/r/lossy.jpg" + optimized);
        download("lossy falls back to lossless", photo, lossy, "LosslessURL=@/r/lossless.jpg",
                 "/r/lossless.jpg" + optimized);
        download("unusable lossy address is not replaced by lossless", photo, lossy,
                 "LossyURL=https://[::1/x LosslessURL=@/r/lossless.jpg", "-> " + noURL);
        download("webp lossless for lossless", photo, options(Compression::lossless, true),
                 "LosslessURL=@/r/l.png WebPLossyURL=@/r/wl.webp WebPLosslessURL=@/r/wll.webp",
                 "/r/l.png /r/wll.webp -> Optimized:photo-optimized.png WebP:photo.webp");
        download("avif lossy for glossy", photo, options(Compression::glossy, false, true),
                 "AVIFLossyURL=@/r/al.avif AVIFLosslessURL=@/r/all.avif", "/r/al.avif -> AVIF:photo.avif");
        download("all three for my.photo.jpg", "my.photo.jpg", options(Compression::lossy, true, true),
                 "AVIFLossyURL=@/r/a.avif WebPLossyURL=@/r/w.webp LossyURL=@/r/o.jpg",
                 "/r/o.jpg /r/w.webp /r/a.avif -> Optimized:my.photo-optimized.jpg WebP:my.photo.webp "
                 "AVIF:my.photo.avif");
        download("webp off ignores webp addresses", photo, lossy, "LossyURL=@/r/o.jpg WebPLossyURL=@/r/w.webp",
                 "/r/o.jpg" + optimized);
        download("only webp: no fallback", photo, withWebP, "WebPLossyURL=@/r/w.webp OriginalURL=@/o/photo.jpg",
                 "/r/w.webp -> WebP:photo.webp");
        download("OriginalURL fallback keeps the source extension", photo, lossy, "OriginalURL=@/o/photo.png",
                 "/o/photo.png" + optimized);
        download("address without extension", photo, lossy, "LossyURL=@/r/result", "/r/result" + optimized);
        download("query is not the extension", photo, lossy, "LossyURL=@/r/x.png?sig=a.b/c.exe",
                 "/r/x.png?sig=a.b/c.exe -> Optimized:photo-optimized.png");
        // A result address's extension is used only when it is 1 to 8 ASCII letters or digits.
        for (const char* hostile : {"x.jpg%2F..%2F..%2Fevil", "x.jp%00g", "x.abcdefghi"}) {
            QTest::addRow("hostile extension %s", hostile)
                << photo << lossy << "LossyURL=@/r/" + QByteArray(hostile) << QByteArray()
                << "/r/" + QString::fromUtf8(hostile) + optimized;
        }
        download("http fetched over https", photo, lossy, "LossyURL=http://127.0.0.1:#/r/plain.jpg",
                 "/r/plain.jpg" + optimized);
        for (const char* address :
             {"HTTP://127.0.0.1:#/r/caps.jpg", "ftp://127.0.0.1:#/r/f.jpg", "file:///etc/hostname",
              "data:image/jpeg;base64,AAAA", "qrc:/r/q.jpg", "r/rel.jpg"}) {
            QTest::addRow("rejected address '%s' skipped", address)
                << photo << withWebP
                << QByteArray("{\"LossyURL\":\"") + address + "\",\"WebPLossyURL\":\"" + address +
                       "\",\"OriginalURL\":\"@/o/photo.jpg\"}"
                << QByteArray() << "/o/photo.jpg" + optimized;
        }
        download("rejected OriginalURL", photo, lossy, "OriginalURL=ftp://127.0.0.1:#/o/photo.jpg", "-> " + noURL);
        // The source is never replaced by a companion of the same name.
        download("companion equal ignoring case is skipped", "Photo.WEBP", withWebP,
                 "LossyURL=@/r/x.webp WebPLossyURL=@/r/w.webp", "/r/x.webp -> Optimized:Photo-optimized.webp");
        download("skipped companion leads to the fallback", "photo.avif", options(Compression::lossy, false, true),
                 "AVIFLossyURL=@/r/a.avif OriginalURL=@/o/photo.avif",
                 "/o/photo.avif -> Optimized:photo-optimized.avif");
    }

    void replies()
    {
        QFETCH(QString, sourceName);
        QFETCH(TovalinOptions, options);
        QFETCH(QByteArray, upload);
        QFETCH(QByteArray, poll);
        QFETCH(QString, expected);
        addSource(sourceName);
        m_server->route(uploadPath, reply(upload));
        m_server->route(pollPath, reply(poll));
        serveResultsByName();
        QCOMPARE(optimize(options), expected);
    }

    // A companion replaces an earlier file of its name that this program wrote; one of the user's is left
    // alone, and the companion takes the name from the whole source name. A failed download ends the
    // call, with the optimized image written before it told and left there; the AVIF companion is not
    // attempted, and the earlier file is left as it was.
    void companionDownload_data()
    {
        QTest::addColumn<QByteArray>("webpReply"); // empty: served by name
        QTest::addColumn<bool>("earlierIsOurs");
        QTest::addColumn<QString>("expected");
        const QString failed = QStringLiteral("/r/o.jpg /r/w.webp -> Could not download the optimized file (%1). "
                                              "[wrote photo-optimized.jpg] | beside: photo-optimized.jpg photo.webp");
        QTest::newRow("served") << QByteArray() << true
                                << "/r/o.jpg /r/w.webp /r/a.avif -> Optimized:photo-optimized.jpg WebP:photo.webp "
                                   "AVIF:photo.avif";
        QTest::newRow("served, the earlier file the user's")
            << QByteArray() << false
            << "/r/o.jpg /r/w.webp /r/a.avif -> Optimized:photo-optimized.jpg WebP:photo.jpg.webp (kept photo.webp) "
               "AVIF:photo.avif | beside: photo-optimized.jpg photo.avif photo.jpg.webp photo.webp";
        QTest::newRow("404 page") << QByteArray("404 <html>Not Found</html>") << true << failed.arg("HTTP status 404");
        QTest::newRow("200 empty") << QByteArray("200 ") << true << failed.arg("empty response");
        QTest::newRow("connection dropped")
            << QByteArray("drop") << true
            << "/r/o.jpg /r/w.webp -> " + closedEarly +
                   " [wrote photo-optimized.jpg] | beside: photo-optimized.jpg photo.webp";
    }

    void companionDownload()
    {
        QFETCH(QByteArray, webpReply);
        QFETCH(bool, earlierIsOurs);
        QFETCH(QString, expected);
        addSource(QStringLiteral("photo.jpg"));
        const QString earlier = m_tree->writeFile(QStringLiteral("photo.webp"), "earlier");
        if (earlierIsOurs) {
            OutputMark mark{OutputKind::webp, {"photo.jpg", 1, 1}, "", -1, {}, {}};
            QVERIFY(mark.writeTo(QFile::encodeName(earlier)));
        }
        m_server->route(uploadPath, reply("LossyURL=@/r/o.jpg WebPLossyURL=@/r/w.webp AVIFLossyURL=@/r/a.avif"));
        serveResultsByName();
        if (!webpReply.isEmpty()) {
            m_server->route("/r/w.webp", webpReply == "drop" ? ScriptedReply{.drop = true} : reply(webpReply));
        }
        QCOMPARE(optimize(options(Compression::lossy, true, true)), expected);
        QCOMPARE(readFile(m_tree->path(QStringLiteral("photo-optimized.jpg"))), QByteArray("result of /r/o.jpg"));
        QCOMPARE(readFile(earlier),
                 webpReply.isEmpty() && earlierIsOurs ? QByteArray("result of /r/w.webp") : QByteArray("earlier"));
    }

    void readOnlyFolder()
    {
        addSource(QStringLiteral("locked/photo.jpg"));
        const QString folder = m_tree->path(QStringLiteral("locked"));
        // Permissions do not bind root; an immutable folder does.
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        const bool immutable = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder}) == 0;
        const auto restore = qScopeGuard([&] {
            if (immutable) {
                QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
            }
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (QFile probe(folder + QStringLiteral("/probe")); probe.open(QIODevice::WriteOnly) && probe.remove()) {
            QSKIP("no way to make a folder read-only for this user");
        }
        m_server->route(uploadPath, reply("LossyURL=@/r/o.jpg WebPLossyURL=@/r/w.webp"));
        serveResultsByName();
        // Nothing is sent for it, and nothing stays behind.
        QCOMPARE(optimize(options(Compression::lossy, true)),
                 QStringLiteral("uploads: 0 -> Cannot write to “%1”.").arg(folder));
        QCOMPARE(m_server->bytesReceived(), 0);
    }

    // A source removed while the service has it gets nothing saved for it: no result stands beside
    // nothing, and none is even fetched.
    void sourceRemovedBeforeItsResultsArrive()
    {
        addSource(QStringLiteral("photo.jpg"));
        const ScriptedReply answer = reply("LossyURL=@/r/o.jpg WebPLossyURL=@/r/w.webp");
        m_server->route(uploadPath, [this, answer](const RecordedRequest&) {
            QFile::remove(m_source);
            return answer;
        });
        serveResultsByName();
        QCOMPARE(optimize(options(Compression::lossy, true)),
                 QStringLiteral("-> “%1” was removed while it was being optimized; nothing was saved for it.")
                     .arg(m_source));
        QCOMPARE(m_server->requests().size(), 1);
        QCOMPARE(QDir(m_tree->root()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
        m_source.clear();
    }

    // A source that cannot be read, or a server that cannot be trusted, gets nothing of the request.
    void failuresThatSendNothing()
    {
        const QString missing = m_tree->path(QStringLiteral("gone.jpg"));
        Run unreadable(
            JobPipeline::run(client(), JobRequest::forFile(QUrl::fromLocalFile(missing), options()), CancelToken()));
        QVERIFY(unreadable.wait());
        QVERIFY2(unreadable.errorText().contains(missing) &&
                     unreadable.errorText().contains(QStringLiteral("No such file")),
                 qPrintable(unreadable.errorText()));
        QCOMPARE(m_server->bytesReceived(), 0);

        TestHttpsServer untrusted(TestHttpsServer::Identity::untrusted);
        QVERIFY(untrusted.isListening());
        const QUrl source = addSource(QStringLiteral("photo.jpg"));
        Run refused(JobPipeline::run(TovalinClient(untrusted.baseUrl(), TestHttpsServer::makeTransport()),
                                     JobRequest::forFile(source, options()), CancelToken()));
        QVERIFY(refused.wait());
        QVERIFY2(refused.errorText().contains(QStringLiteral("SSL"), Qt::CaseInsensitive),
                 qPrintable(refused.errorText()));
        QCOMPARE(untrusted.bytesReceived(), 0);
    }

    // Uploads and polls are sent once: Qt may not send them again on a new connection.
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
        m_server->route(uploadPath, reply("Code=1 OriginalURL=@/o/p.jpg"));
        if (midUpload) {
            m_server->cutUploadAfter(uploadPath, 128 * 1024, TestHttpsServer::Cut::drop);
        } else {
            m_server->route(path, ScriptedReply{.drop = true});
        }
        QCOMPARE(optimize(), (path == pollPath ? "poll -> " : "-> ") + closedEarly);
        QCOMPARE(m_server->requests(path).value(0).complete, !midUpload);
    }

    // The file is read as it is sent; if it changes meanwhile, the upload is aborted and nothing saved.
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
        m_server->route(uploadPath, reply("LossyURL=@/r/o.jpg"));
        serveResultsByName();
        // The call has opened the file and is waiting for the connection; nothing has been read yet.
        Run run(JobPipeline::run(client(), JobRequest::forFile(source, options()), CancelToken()));
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
        ScriptedReply upload = reply("Code=1 OriginalURL=@/o/p.jpg");
        ScriptedReply poll = reply("LossyURL=@/r/o.jpg");
        upload.delay = poll.delay = 250ms;
        m_server->route(uploadPath, upload);
        m_server->route(pollPath, poll);
        serveResultsByName();
        QCOMPARE(optimizeWith(client(400ms)), QStringLiteral("poll /r/o.jpg -> Optimized:photo-optimized.jpg"));

        m_server->route(uploadPath, ScriptedReply{.stall = true});
        QElapsedTimer clock;
        clock.start();
        Run run(JobPipeline::run(client(300ms), JobRequest::forFile(source, options()), CancelToken()));
        QVERIFY(run.wait(15000));
        QCOMPARE(run.errorText(), QStringLiteral("The connection timed out: no data moved for 0.3 seconds."));
        QVERIFY(clock.elapsed() >= 300);
    }

    // A stop aborts the transfer in flight: an upload is not sent to its end, a download leaves nothing
    // of its file, not even a temporary one, while the optimized image written before stays.
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
        m_server->route(uploadPath, reply("LossyURL=@/r/o.jpg WebPLossyURL=@/r/w.webp"));
        serveResultsByName();
        m_server->route("/r/w.webp", ScriptedReply::partial(QByteArray(1 << 20, 'w'), 64 * 1024));
        if (!inDownload) {
            m_server->cutUploadAfter(uploadPath, 256 * 1024, TestHttpsServer::Cut::hold);
        }
        CancellationSource stop;
        Run run(
            JobPipeline::run(client(), JobRequest::forFile(source, options(Compression::lossy, true)), stop.token()));
        if (inDownload) {
            QTRY_COMPARE_WITH_TIMEOUT(m_server->requestCount("/r/w.webp"), 1, 20000);
            QTest::qWait(100); // let part of the body arrive: nothing outside the transfer shows it
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(m_server->requests(uploadPath).value(0).body.size() >= 256 * 1024, 20000);
        }
        QVERIFY(!run.isDone());
        stop.cancel();
        QVERIFY(run.wait(1000));
        QVERIFY2(run.isCancellation(), qPrintable(run.errorText()));
        QCOMPARE(m_server->requests(uploadPath).value(0).complete, inDownload);
        QCOMPARE(besideTheSource(), inDownload ? QStringList{"photo-optimized.jpg"} : QStringList());
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
        QCOMPARE(optimize(), QStringLiteral("-> The service redirected the request to an address it may not go to."));
        QVERIFY(elsewhere.requests().isEmpty());

        // Within the same origin it is followed; a download may move to another https origin.
        m_server->route(uploadPath, ScriptedReply::redirect(m_server->url(QStringLiteral("/v2/moved.php")), 307));
        m_server->route("/v2/moved.php", reply("LossyURL=@/r/o.jpg"));
        m_server->route("/r/o.jpg", ScriptedReply::redirect(elsewhere.url(QStringLiteral("/cdn/o.jpg"))));
        QCOMPARE(optimize(),
                 QStringLiteral("uploads: 2 /r/o.jpg -> Optimized:photo-optimized.jpg=elsewhere /cdn/o.jpg"));
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
        QBuffer* destination = &sink;
        RunningTask tooBig(
            transport->download(m_server->url(QStringLiteral("/big")), destination, CancelToken(), 4096));
        QVERIFY(tooBig.wait());
        QVERIFY2(tooBig.errorText().startsWith(QLatin1String("The reply is larger than")),
                 qPrintable(tooBig.errorText()));
        QCOMPARE(sink.data(), QByteArray());

        // Nothing but https goes on the wire.
        const qint64 received = m_server->bytesReceived();
        QUrl plain = m_server->url(QStringLiteral("/big"));
        plain.setScheme(QStringLiteral("http"));
        RunningTask refused(transport->dataFor(plain, "application/json", "{\"key\":\"secret\"}", CancelToken()));
        RunningTask refusedGet(
            transport->download(QUrl(QStringLiteral("ftp://127.0.0.1/x")), destination, CancelToken()));
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

QTEST_GUILESS_MAIN(TestClient)
#include "tst_client.moc"
