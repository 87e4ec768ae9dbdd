#include "service/ErrorRegions.h"
#include "service/ImageAdmission.h"
#include "service/ImageProcessor.h"
#include "service/LosslessJpeg.h"
#include "service/MultipartParser.h"
#include "service/OptimizerService.h"
#include "service/RequestValidator.h"
#include "service/ResultStore.h"
#include "service/VisualDistance.h"
#include "tests/service/TestImages.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>

#include <boost/asio/io_context.hpp>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>
#include <vips/vips8>

namespace {

using Fields = std::vector<std::pair<std::string, std::string>>;

const std::string kBoundary = "Boundary-0F6C3F43-3C3A-4D43-9C7B-6E9F1A2B3C4D";
const std::string kDelimiter = "--" + kBoundary;
const std::string kContentType = "multipart/form-data; boundary=" + kBoundary;
const std::string kDisposition = "Content-Disposition: form-data; name=a";

// Small enough that each can be crossed by a few bytes; the desktop client's form fits exactly in the part count.
const MultipartParser::Limits kLimits{
    .maxBodyBytes = 12 * 1024, .maxParts = 6, .maxFieldBytes = 64, .maxFileBytes = 32};

const QString kKey = QStringLiteral("test-key-5f1e");
const Fields kClientFields{{"key", kKey.toStdString()},
                           {"plugin_version", "MAC01"},
                           {"lossy", "1"},
                           {"wait", "30"},
                           {"file_paths", "{\"file1\":\"\\/tmp\\/photo.jpg\"}"}};

// Builds a body the way the desktop client does: field parts, then file parts, then the close line.
std::string formBody(const Fields& fields, const std::string& fileName = "photo.jpg",
                     const std::string& fileData = "\xff\xd8jpeg")
{
    std::string body;
    for (const auto& [name, value] : fields)
        body += kDelimiter + "\r\nContent-Disposition: form-data; name=\"" + name + "\"\r\n\r\n" + value + "\r\n";
    if (!fileName.empty())
        body += kDelimiter + "\r\nContent-Disposition: form-data; name=\"file1\"; filename=\"" + fileName +
                "\"\r\nContent-Type: image/jpeg\r\n\r\n" + fileData + "\r\n";
    return body + kDelimiter + "--\r\n";
}

// The client's form with some fields replaced or added, written "name=value&name=value", and its file
// (none when the name is empty).
QByteArray clientForm(const QByteArray& changes = {}, const QByteArray& fileData = "\xff\xd8jpeg",
                      const std::string& fileName = "photo.jpg")
{
    Fields fields = kClientFields;
    for (const QByteArray& change : changes.split('&')) {
        const std::string name = change.left(change.indexOf('=')).toStdString();
        std::erase_if(fields, [&name](const auto& field) { return field.first == name; });
        if (!name.empty())
            fields.emplace_back(name, change.mid(change.indexOf('=') + 1).toStdString());
    }
    return QByteArray::fromStdString(formBody(fields, fileName, fileData.toStdString()));
}

// One part with the given header block, followed by a delimiter and what comes after it.
std::string onePart(const std::string& headers, const std::string& afterDelimiter = "--")
{
    return kDelimiter + "\r\n" + headers + "\r\n\r\nv\r\n" + kDelimiter + afterDelimiter;
}

// What the parser handed over: each part with its value, the pieces of a file joined.
struct Collected : MultipartParser::Receiver
{
    std::vector<std::pair<MultipartPart, std::string>> parts;

    bool field(const MultipartPart& part, std::string_view value) override
    {
        parts.emplace_back(part, value);
        return true;
    }
    bool fileBegin(const MultipartPart& part) override
    {
        parts.emplace_back(part, std::string());
        return true;
    }
    bool fileData(std::string_view piece) override
    {
        parts.back().second += piece;
        return true;
    }
    bool fileEnd() override { return true; }
};

// Feeds a body in pieces of `piece` bytes and ends it; the parser's error, None for a complete form.
MultipartParser::Error parseForm(MultipartParser::Receiver& receiver, std::string_view contentType,
                                 std::string_view body, std::size_t piece, const MultipartParser::Limits& limits)
{
    MultipartParser parser(limits, receiver);
    bool ok = parser.begin(contentType);
    for (std::size_t at = 0; ok && at < body.size(); at += piece)
        ok = parser.feed(body.substr(at, piece));
    if (ok)
        parser.finish();
    return parser.error();
}

// The validator's way with a form: each part checked as it arrives, then the whole.
struct ValidatedForm : MultipartParser::Receiver
{
    RequestValidator::Form form;
    std::optional<RequestValidator::Result> refused;
    qint64 fileBytes = 0;

    bool field(const MultipartPart& part, std::string_view value) override
    {
        refused = RequestValidator::addField(form, part, value);
        return !refused;
    }
    bool fileBegin(const MultipartPart& part) override
    {
        refused = RequestValidator::addFile(form, part);
        return !refused;
    }
    bool fileData(std::string_view piece) override
    {
        fileBytes += qint64(piece.size());
        return true;
    }
    bool fileEnd() override { return true; }
};

RequestValidator::Result validate(const QByteArray& body, bool poll)
{
    if (poll)
        return RequestValidator::fromPollJson(body);
    ValidatedForm form;
    const MultipartParser::Error error = parseForm(form, kContentType, body.toStdString(), 5, {});
    if (form.refused)
        return *form.refused;
    if (error != MultipartParser::Error::None)
        qFatal("the form did not parse: %d", int(error));
    return RequestValidator::fromForm(form.form, form.fileBytes);
}

// Everything a validated request carries, on one line, so that a table row can pin all of it.
QString summary(const OptimizeRequest& r)
{
    const auto side = [](std::optional<int> v) { return v ? QString::number(*v) : QStringLiteral("-"); };
    QStringList flags;
    for (const auto& [on, name] :
         {std::pair{r.webp, "webp"}, std::pair{r.avif, "avif"}, std::pair{r.cmykToRgb, "cmyk2rgb"},
          std::pair{r.removeBackground, "bg"}, std::pair{r.keepExif, "exif"}}) {
        if (on)
            flags << QLatin1String(name);
    }
    const auto number = [](int v) { return QString::number(v); };
    return QStringLiteral("%1 level=%2 wait=%3 resize=%4 %5x%6 up=%7 [%8] %9 %10")
        .arg(r.apiKey, number(int(r.level)), number(r.waitSeconds), number(int(r.resize)), side(r.width),
             side(r.height), number(r.upscale), flags.join(QLatin1Char(' ')), r.fileName)
        .arg(r.originalUrl)
        .trimmed();
}

using Kind = ImageProcessor::Kind;
using Level = OptimizeRequest::Level;
using Resize = OptimizeRequest::Resize;

OptimizeRequest requestFor(Level level, bool companions = false)
{
    OptimizeRequest request;
    request.apiKey = QStringLiteral("k");
    request.level = level;
    request.webp = request.avif = companions;
    return request;
}

// The processor reads uploads from the store's files; here each input gets a file of its own.
ImageProcessor::Result run(const QByteArray& data, const OptimizeRequest& request,
                           const ImageProcessor::Settings& settings = {})
{
    QTemporaryFile file;
    if (!file.open() || file.write(data) != data.size() || !file.flush())
        qFatal("cannot write a temporary file");
    return ImageProcessor::process(file.fileName(), request, settings);
}

const ImageProcessor::Output* find(const ImageProcessor::Result& result, Kind kind)
{
    for (const auto& output : result.outputs) {
        if (output.kind == kind)
            return &output;
    }
    return nullptr;
}

const QString kUploadPath = QLatin1String(OptimizerService::kUploadPath);
const QString kPollPath = QLatin1String(OptimizerService::kPollPath);

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

QByteArray pollBody(const QString& originalUrl, const QString& key = kKey)
{
    return QStringLiteral(R"({"key":"%1","plugin_version":"MAC01","lossy":1,"wait":0,"urllist":["%2"]})")
        .arg(key, originalUrl)
        .toUtf8();
}

// A connection driven by hand: TLS, or plain TCP for a handshake meant to fail; some bytes at once, the
// rest in pieces 300 ms apart; and what came back before the service closed it. From 127.0.0.1 unless
// another loopback address is given.
class RawConnection : public QObject
{
public:
    RawConnection(quint16 port, const QSslConfiguration& tls, bool plain, const QByteArray& atOnce,
                  const QByteArrayList& pieces, const QHostAddress& from = {})
        : m_pieces(pieces)
    {
        m_socket = plain ? new QTcpSocket(this) : new QSslSocket(this);
        if (!from.isNull())
            m_socket->bind(from);
        connect(m_socket, &QAbstractSocket::readyRead, this, [this] { received += m_socket->readAll(); });
        connect(m_socket, &QAbstractSocket::disconnected, this, [this] { closed = true; });
        connect(m_socket, &QAbstractSocket::errorOccurred, this, [this] {
            if (m_socket->state() != QAbstractSocket::ConnectedState)
                closed = true;
        });
        const auto begin = [this, atOnce] {
            started = true;
            m_socket->write(atOnce);
            if (!m_pieces.isEmpty())
                m_timer.start();
        };
        m_timer.setInterval(300);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (closed || m_pieces.isEmpty())
                return m_timer.stop();
            m_socket->write(m_pieces.takeFirst());
        });
        if (auto* ssl = qobject_cast<QSslSocket*>(m_socket)) {
            ssl->setSslConfiguration(tls);
            connect(ssl, &QSslSocket::encrypted, this, begin);
            ssl->connectToHostEncrypted(QStringLiteral("127.0.0.1"), port);
        } else {
            connect(m_socket, &QAbstractSocket::connected, this, begin);
            m_socket->connectToHost(QStringLiteral("127.0.0.1"), port);
        }
    }

    QByteArray received;
    bool started = false; // connected (and encrypted), and the first bytes written
    bool closed = false;

private:
    QAbstractSocket* m_socket;
    QByteArrayList m_pieces;
    QTimer m_timer;
};

QByteArrayList oneByOne(const QByteArray& bytes)
{
    QByteArrayList pieces;
    for (char c : bytes)
        pieces << QByteArray(1, c);
    return pieces;
}

QByteArrayList inPieces(const QByteArray& bytes, qsizetype size)
{
    QByteArrayList pieces;
    for (qsizetype at = 0; at < bytes.size(); at += size)
        pieces << bytes.mid(at, size);
    return pieces;
}

QByteArray uploadHead(qsizetype bodyLength)
{
    return "POST /v2/post-reducer.php HTTP/1.1\r\nHost: x\r\nContent-Type: " + QByteArray::fromStdString(kContentType) +
           "\r\nContent-Length: " + QByteArray::number(bodyLength) + "\r\n\r\n";
}

// Plain TCP connections that never say a word, each opened again as soon as the service lets it go.
class SilentFlood : public QObject
{
public:
    SilentFlood(quint16 port, int connections, const QHostAddress& from)
    {
        for (int i = 0; i < connections; ++i) {
            auto* socket = new QTcpSocket(this);
            const auto open = [socket, port, from] {
                socket->bind(from);
                socket->connectToHost(QHostAddress::LocalHost, port);
            };
            connect(socket, &QAbstractSocket::stateChanged, this, [this, open](QAbstractSocket::SocketState state) {
                if (state != QAbstractSocket::UnconnectedState)
                    return;
                ++reopened;
                QTimer::singleShot(0, this, open);
            });
            open();
        }
    }

    int reopened = 0;
};

} // namespace

Q_DECLARE_METATYPE(MultipartParser::Error)
Q_DECLARE_METATYPE(OptimizeRequest::Level)
Q_DECLARE_METATYPE(OptimizeRequest::Resize)
Q_DECLARE_METATYPE(std::optional<int>)

// The local service in process: how it reads requests, what it makes of images, and its HTTPS server.
class TestService : public QObject
{
    Q_OBJECT

    QByteArray m_photo;
    std::unique_ptr<OptimizerService> m_service;
    QNetworkAccessManager m_nam;
    QByteArray m_certificate;
    QByteArray m_key;
    QSslConfiguration m_clientSsl;
    QStringList m_log;

    void start(ServiceConfig config = {})
    {
        m_service.reset();
        m_log.clear();
        config.apiKeys = {kKey, QStringLiteral("other-key")};
        m_service = std::make_unique<OptimizerService>(config);
        connect(m_service.get(), &OptimizerService::logLine, this, [this](const QString& line) { m_log << line; });
        QVERIFY(m_service->listen(QStringLiteral("127.0.0.1"), 0, m_certificate, m_key));
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

    Answer upload(const QByteArray& form) { return finish(send(url(kUploadPath), kContentType.c_str(), form)); }
    Answer poll(const QString& originalUrl, const QString& key = kKey)
    {
        return finish(send(url(kPollPath), "application/json", pollBody(originalUrl, key)));
    }
    Answer get(const QString& address) { return finish(send(QUrl(address))); }

    // Writes raw bytes on a fresh TLS connection and returns what comes back once `answers` responses
    // have arrived.
    QByteArray raw(const QByteArray& bytes, int answers)
    {
        QSslSocket socket;
        socket.setSslConfiguration(m_clientSsl);
        QByteArray received;
        connect(&socket, &QSslSocket::readyRead, this, [&] { received += socket.readAll(); });
        connect(&socket, &QSslSocket::encrypted, this, [&] { socket.write(bytes); });
        socket.connectToHostEncrypted(QStringLiteral("127.0.0.1"), m_service->port());
        [[maybe_unused]] const bool done =
            QTest::qWaitFor([&] { return received.count("HTTP/1.1 ") >= answers; }, 15'000);
        return received;
    }

private Q_SLOTS:
    void initTestCase()
    {
        TestImages::initVips();
        m_photo = TestImages::photoJpeg();
        QVERIFY(TestImages::inspect(m_photo).hasExif);
        const QString certs = QStringLiteral(TOVALIN_SERVICE_TEST_CERTS);
        QFile certificate(certs + QStringLiteral("/server.pem"));
        QFile key(certs + QStringLiteral("/server.key"));
        QVERIFY(certificate.open(QIODevice::ReadOnly) && key.open(QIODevice::ReadOnly));
        m_certificate = certificate.readAll();
        m_key = key.readAll();
        m_clientSsl = QSslConfiguration::defaultConfiguration();
        m_clientSsl.setCaCertificates(QSslCertificate::fromPath(certs + QStringLiteral("/ca.pem")));
    }

    // Whole, a few bytes at a time or one byte at a time, a body gives the same parts.
    void wellFormedBodies()
    {
        const std::string file("\x00\r\n--Boundary-\r\nbinary", 22);
        const std::string body = formBody(kClientFields, "a b.jpg", file);
        for (const std::size_t piece : {body.size(), std::size_t(5), std::size_t(1)}) {
            Collected form;
            QCOMPARE(parseForm(form, kContentType, body, piece, kLimits), MultipartParser::Error::None);
            QCOMPARE(form.parts.size(), 6u);
            QCOMPARE(form.parts[0].second, kClientFields[0].second);
            QCOMPARE(form.parts[5].first.name, std::string("file1"));
            QCOMPARE(form.parts[5].first.filename.value(), std::string("a b.jpg"));
            QCOMPARE(form.parts[5].first.contentType, std::string("image/jpeg"));
            // Bytes that look like a delimiter but are not one stay in the content unchanged.
            QCOMPARE(form.parts[5].second, file);
        }
        // Values exactly at their limits, empty values and an empty form are accepted.
        const std::string atLimits = formBody({{"a", std::string(64, 'f')}, {"b", ""}}, "f", std::string(32, 'x'));
        Collected form;
        QCOMPARE(parseForm(form, kContentType, atLimits, 3, kLimits), MultipartParser::Error::None);
        QVERIFY(form.parts[1].second.empty());
        QCOMPARE(parseForm(form, kContentType, kDelimiter + "--", 3, kLimits), MultipartParser::Error::None);
        // Header parameters are case-insensitive and the boundary may be quoted.
        QCOMPARE(parseForm(form, "Multipart/Form-Data; charset=utf-8; BOUNDARY=\"a b'c\"", "--a b'c--", 3, kLimits),
                 MultipartParser::Error::None);
        QCOMPARE(form.parts.size(), 3u); // the empty forms added none
    }

    void malformedBodies_data()
    {
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<MultipartParser::Error>("error");
        const std::string good = formBody({{"key", "demo"}, {"lossy", "1"}});
        const auto row = [](const char* name, const std::string& body, MultipartParser::Error error) {
            QTest::newRow(name) << QByteArray::fromStdString(kContentType) << QByteArray::fromStdString(body) << error;
        };
        const auto header = [&good](const char* name, const QByteArray& contentType, MultipartParser::Error error) {
            QTest::newRow(name) << contentType << QByteArray::fromStdString(good) << error;
        };
        using E = MultipartParser::Error;
        header("not multipart", "application/json", E::NotMultipart);
        header("no boundary", "multipart/form-data", E::BadBoundary);
        header("boundary too long", "multipart/form-data; boundary=" + QByteArray(71, 'x'), E::BadBoundary);
        header("unterminated quote", "multipart/form-data; boundary=\"abc", E::BadBoundary);
        row("empty", "", E::Truncated);
        row("preamble", "hello\r\n" + good, E::MissingFirstDelimiter);
        row("cut in content", good.substr(0, good.size() - 30), E::Truncated);
        row("data after the close", good + "more", E::TrailingData);
        row("junk after a delimiter", onePart(kDisposition, "xx\r\n"), E::BadBoundary);
        row("part without disposition", onePart("Content-Type: text/plain"), E::BadDisposition);
        row("two names", onePart(kDisposition + "; name=b"), E::BadDisposition);
        row("folded header", onePart(kDisposition + "\r\nX-Note: a\r\n b"), E::BadHeader);
        row("bare LF in header", onePart(kDisposition + "\nX: y"), E::BadHeader);
        row("oversized header", onePart(kDisposition + "\r\nX-Pad: " + std::string(9000, 'p')), E::HeaderTooLarge);
        row("too many parts", formBody({{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}, {"f", "6"}}),
            E::TooManyParts);
        row("field too large", formBody({{"a", std::string(65, 'f')}}, ""), E::FieldTooLarge);
        row("fields too large together", formBody({{"a", std::string(40, 'f')}, {"b", std::string(40, 'f')}}, ""),
            E::FieldTooLarge);
        row("file too large", formBody({}, "f", std::string(33, 'x')), E::FileTooLarge);
        const std::string padded = onePart(kDisposition + "\r\nX-Pad: " + std::string(7000, 'p'), "\r\n");
        row("body too large", padded + padded.substr(kDelimiter.size() + 2) + "--", E::BodyTooLarge);
    }

    void malformedBodies()
    {
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, body);
        QFETCH(MultipartParser::Error, error);
        for (const std::size_t piece : {std::size_t(body.size() + 1), std::size_t(3)}) {
            Collected form;
            QCOMPARE(parseForm(form, contentType.toStdString(), body.toStdString(), piece, kLimits), error);
        }
    }

    // Each row gives either everything the request asks for, or the refusal's code and message.
    void requests_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("poll");
        QTest::addColumn<QString>("expected");
        const auto form = [](const char* name, const QByteArray& body, const char* expected) {
            QTest::newRow(name) << body << false << QString::fromUtf8(expected);
        };
        const auto poll = [](const char* name, const QByteArray& body, const char* expected) {
            QTest::newRow(name) << body << true << QString::fromUtf8(expected);
        };
        form("client form", clientForm(), "test-key-5f1e level=1 wait=30 resize=0 -x- up=1 [] photo.jpg");
        form("all options",
             clientForm(
                 "lossy=0&wait=-5&convertto=+webp|+avif&resize=3&resize_height=600&cmyk2rgb=1&upscale=4&keep_exif=1&"
                 "bg_remove=1"),
             "test-key-5f1e level=0 wait=0 resize=3 -x600 up=4 [webp avif cmyk2rgb bg exif] photo.jpg");
        form("wait clamped", clientForm("wait=3600"), "test-key-5f1e level=1 wait=30 resize=0 -x- up=1 [] photo.jpg");
        poll(
            "client poll",
            R"({"key":"demo","plugin_version":"MAC01","lossy":2,"wait":25,"urllist":["https:\/\/localhost:47800\/o\/abc.jpg"],)"
            R"("convertto":"+avif","resize":1,"resize_width":800,"cmyk2rgb":1})",
            "demo level=2 wait=25 resize=1 800x- up=1 [avif cmyk2rgb]  https://localhost:47800/o/abc.jpg");

        form("no key", QByteArray::fromStdString(formBody({{"lossy", "1"}}, "")),
             "400 The request is missing the \"key\" field.");
        form("no key before the file", QByteArray::fromStdString(formBody({{"lossy", "1"}})),
             "400 The \"key\" field must come before the file.");
        form("no file", clientForm({}, "\xff\xd8", ""), "400 The request is missing the image file \"file1\".");
        form("empty file", clientForm({}, "", "a.jpg"), "400 The uploaded file is empty.");
        form("unknown field", clientForm("colour=red"), "400 The request has an unknown field \"colour\".");
        form("duplicate field", QByteArray::fromStdString(formBody({{"key", "a"}, {"key", "b"}})),
             "400 The field \"key\" is given more than once.");
        form("lossy 3", clientForm("lossy=3"), "400 \"lossy\" must be 0 (lossless), 1 (lossy) or 2 (glossy).");
        form("wait not a number", clientForm("wait=soon"), "400 \"wait\" must be a whole number of seconds.");
        form("convertto jpeg", clientForm("convertto=+jpeg"),
             "400 \"convertto\" must be \"+webp\", \"+avif\" or \"+webp|+avif\".");
        form("resize 2", clientForm("resize=2"), "400 \"resize\" must be 1 (cover) or 3 (contain).");
        form("width without resize", clientForm("resize_width=10"),
             "400 \"resize_width\" is only allowed together with \"resize\".");
        form("height huge", clientForm("resize=1&resize_height=99999999"),
             "400 \"resize_height\" must be a whole number from 1 to 65535.");
        form("upscale 1", clientForm("upscale=1"), "400 \"upscale\" must be 2, 3 or 4.");
        form("flag yes", clientForm("keep_exif=yes"), "400 \"keep_exif\" must be 0 or 1.");
        form("invalid UTF-8", clientForm("key=\xff\xfe"), "400 The field \"key\" is not valid UTF-8 text.");
        poll("poll truncated", R"({"key":"demo")", "400 The poll body must be a JSON object.");
        poll("poll without urllist", R"({"key":"demo"})", "400 The poll request is missing \"urllist\".");
        poll("poll with two urls", R"({"key":"k","urllist":["a","b"]})",
             "400 \"urllist\" must be an array with exactly one address.");
        poll("poll fraction", R"({"key":"k","urllist":["a"],"lossy":1.5})", "400 \"lossy\" must be a whole number.");
        poll("poll number beyond any integer", R"({"key":"k","urllist":["a"],"wait":1e300})",
             "400 \"wait\" must be a whole number.");
        poll("poll bool", R"({"key":"k","urllist":["a"],"cmyk2rgb":true})", "400 \"cmyk2rgb\" has the wrong type.");
        poll("poll unknown member", R"({"key":"k","urllist":["a"],"file1":"x"})",
             "400 The request has an unknown member \"file1\".");
        poll("poll too large", QByteArray(70 * 1024, ' '), "400 The poll request is too large.");
    }

    void requests()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, poll);
        QFETCH(QString, expected);
        const RequestValidator::Result r = validate(body, poll);
        QCOMPARE(r.request ? summary(*r.request) : QStringLiteral("%1 %2").arg(r.code).arg(r.message), expected);
    }

    // Every level on each kind of image, with both companions; prints the savings of record. Each output
    // is in its format at the source's size, smaller than the source (unless the pixels were changed on
    // request), a companion smaller than the main output or left out with a note; a lossless one is
    // pixel-identical, a lossy one keeps its level's promise to the eye.
    void levels_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<Level>("level");
        QTest::addColumn<bool>("keepExif");
        QTest::addColumn<bool>("cmykToRgb");
        const QByteArray cmyk = TestImages::cmykJpeg();
        const QByteArray photo = TestImages::photoJpeg(320, 240);
        for (const auto& [name, data] :
             {std::pair{"photo.jpg", photo}, std::pair{"transparent.png", TestImages::transparentPng()},
              std::pair{"cmyk.jpg", cmyk}}) {
            for (Level level : {Level::Lossy, Level::Glossy, Level::Lossless})
                QTest::addRow("%s level %d", name, int(level)) << data << level << false << false;
        }
        QTest::newRow("photo.jpg level 1 keep_exif") << photo << Level::Lossy << true << false;
        QTest::newRow("cmyk.jpg level 1 cmyk2rgb") << cmyk << Level::Lossy << false << true;
        QTest::newRow("cmyk.jpg level 0 cmyk2rgb") << cmyk << Level::Lossless << false << true;
    }

    void levels()
    {
        QFETCH(QByteArray, input);
        QFETCH(Level, level);
        QFETCH(bool, keepExif);
        QFETCH(bool, cmykToRgb);
        OptimizeRequest request = requestFor(level, true);
        request.keepExif = keepExif;
        request.cmykToRgb = cmykToRgb;
        const auto result = run(input, request);
        QVERIFY2(result.code() == 2, qPrintable(result.message));
        const bool lossless = level == Level::Lossless;
        const auto* main = find(result, lossless ? Kind::Lossless : Kind::Lossy);
        QVERIFY(main);
        QStringList kinds;
        QString line = QStringLiteral("%1 -> %2").arg(input.size()).arg(main->data.size());
        for (const auto& output : result.outputs) {
            kinds << ImageProcessor::kindName(output.kind);
            if (&output != main)
                line += QStringLiteral(", %1 %2").arg(kinds.last()).arg(output.data.size());
        }
        qInfo().noquote() << line;
        const QString pattern = lossless ? QStringLiteral("^Lossless( WebPLoss(y|less))?( AVIFLoss(y|less))?$")
                                         : QStringLiteral("^Lossy Lossless( WebPLossy)?( AVIFLossy)?$");
        QVERIFY2(QRegularExpression(pattern).match(kinds.join(QLatin1Char(' '))).hasMatch(),
                 qPrintable(kinds.join(' ')));
        for (const char* format : {"WebP", "AVIF"}) {
            if (!kinds.join(' ').contains(QLatin1String(format)))
                QVERIFY2(result.message.contains(QStringLiteral("No %1 version is offered").arg(QLatin1String(format))),
                         qPrintable(result.message));
        }
        const auto source = TestImages::inspect(input);
        const qint64 mainSize = main->isOriginal ? input.size() : main->data.size();
        for (const auto& output : result.outputs) {
            const QByteArray& data = output.isOriginal ? input : output.data;
            const bool companion = output.kind != Kind::Lossy && output.kind != Kind::Lossless;
            QVERIFY(cmykToRgb || data.size() <= input.size());
            QVERIFY(!companion || data.size() < mainSize);
            const auto info = TestImages::inspect(data);
            QCOMPARE(info.loader, TestImages::loaderFor(output.extension));
            QCOMPARE(QSize(info.width, info.height), QSize(source.width, source.height));
            QCOMPARE(info.hasAlpha, source.hasAlpha);
            QVERIFY2(info.hasExif == (source.hasExif && (keepExif || output.isOriginal)),
                     qPrintable(output.extension + QString::number(int(output.kind))));
            if (output.extension == QLatin1String("avif"))
                QCOMPARE(data.mid(4, 8), QByteArray("ftypavif"));
            if (!companion) {
                QCOMPARE(output.extension, result.originalExtension);
                QCOMPARE(info.cmyk, source.cmyk && !cmykToRgb);
                QCOMPARE(info.bands, source.cmyk && cmykToRgb ? 3 : source.bands);
            }
            // CMYK keeps its profile, which its colours mean nothing without.
            QCOMPARE(info.hasIcc, info.cmyk);
            if (source.cmyk)
                continue;
            const bool lossyOutput =
                output.kind == Kind::Lossy || output.kind == Kind::WebPLossy || output.kind == Kind::AvifLossy;
            const double distance = TestImages::visualDistance(input, data);
            if (lossyOutput)
                QVERIFY2(distance <= (level == Level::Lossy ? 2.0 : 1.0), qPrintable(QString::number(distance)));
            else if (output.kind == Kind::AvifLossless) // libvips 8.14 goes through YUV: near, not exact
                QVERIFY2(distance <= 1.0, qPrintable(QString::number(distance)));
            else // where alpha is 0, a lossless WebP may change the colour no one can see
                QVERIFY(distance == 0.0 && (source.hasAlpha || TestImages::maxPixelDifference(data, input) == 0.0));
        }
    }

    // A lossless PNG is written in the narrowest form that holds its pixels (8 bits where 16 repeat them,
    // grey, no alpha, one colour for the transparent, a palette of 1 to 8 bits): each comes back exact.
    void losslessPngIsExact_data()
    {
        QTest::addColumn<QByteArray>("input");
        using vips::VImage;
        const auto png = [](const VImage& image) {
            VipsBlob* blob = image.pngsave_buffer(VImage::option()->set("compression", 0));
            std::size_t length = 0;
            const void* bytes = vips_blob_get(blob, &length);
            QByteArray data(static_cast<const char*>(bytes), qsizetype(length));
            vips_area_unref(reinterpret_cast<VipsArea*>(blob));
            return data;
        };
        const QByteArray jpeg = TestImages::photoJpeg(96, 64);
        const VImage photo = VImage::new_from_buffer(jpeg.constData(), std::size_t(jpeg.size()), "");
        const VImage x = VImage::xyz(96, 64)[0];
        const VImage y = VImage::xyz(96, 64)[1];
        const auto as = [](const VImage& image, VipsInterpretation interpretation) {
            return image.copy(VImage::option()->set("interpretation", interpretation));
        };
        const VImage rgb16 =
            as((photo.cast(VIPS_FORMAT_USHORT) * 257).cast(VIPS_FORMAT_USHORT), VIPS_INTERPRETATION_RGB16);
        const VImage grey = photo.colourspace(VIPS_INTERPRETATION_B_W);
        QTest::newRow("photo") << png(photo);
        QTest::newRow("16 bits") << png(as((rgb16 + x).cast(VIPS_FORMAT_USHORT), VIPS_INTERPRETATION_RGB16));
        QTest::newRow("16 bits of 8") << png(rgb16);
        QTest::newRow("grey in RGB, opaque alpha")
            << png(as(grey.bandjoin(grey).bandjoin(grey).bandjoin(grey * 0 + 255).cast(VIPS_FORMAT_UCHAR),
                      VIPS_INTERPRETATION_sRGB));
        QTest::newRow("one transparent colour")
            << png(as(photo.bandjoin((x > 20).ifthenelse(255, 0)), VIPS_INTERPRETATION_sRGB)
                       .insert(VImage::black(21, 64, VImage::option()->set("bands", 4)), 0, 0));
        const VImage r = ((x * 7 + y * 13) % 8).cast(VIPS_FORMAT_UCHAR);
        const VImage g = ((x + y * 3) % 4).cast(VIPS_FORMAT_UCHAR);
        QTest::newRow("palette with soft alpha") << png(
            as(r.bandjoin(g).bandjoin(r).bandjoin(g * 60 + 10).cast(VIPS_FORMAT_UCHAR), VIPS_INTERPRETATION_sRGB));
        QTest::newRow("four greys") << png(
            as(((x / 24).cast(VIPS_FORMAT_UCHAR) * 85).cast(VIPS_FORMAT_UCHAR), VIPS_INTERPRETATION_B_W));
    }

    void losslessPngIsExact()
    {
        QFETCH(QByteArray, input);
        using vips::VImage;
        const auto result = run(input, requestFor(Level::Lossless));
        const auto* output = find(result, Kind::Lossless);
        QVERIFY(output && !output->isOriginal);
        QVERIFY(output->data.size() < input.size());
        const auto load = [](const QByteArray& data) {
            return VImage::new_from_buffer(data.constData(), std::size_t(data.size()), "");
        };
        const VImage source = load(input);
        VImage back = load(output->data);
        // Back in the source's form: its bands, its alpha, its depth.
        const bool sixteen = source.format() == VIPS_FORMAT_USHORT;
        if (back.format() != source.format())
            back = back.cast(VIPS_FORMAT_USHORT) * 257;
        if (back.bands() - int(back.has_alpha()) < source.bands() - int(source.has_alpha()))
            back = back.colourspace(sixteen ? VIPS_INTERPRETATION_RGB16 : VIPS_INTERPRETATION_sRGB);
        if (source.has_alpha() && !back.has_alpha())
            back = back.bandjoin_const({sixteen ? 65535.0 : 255.0});
        QCOMPARE(back.bands(), source.bands());
        QCOMPARE((back.cast(VIPS_FORMAT_INT) - source.cast(VIPS_FORMAT_INT)).abs().max(), 0.0);
    }

    // What a camera leaves in a photo goes nowhere unless the user keeps it: with Keep EXIF off no output
    // carries EXIF, XMP or a profile the pixels do not need (the lossless JPEG keeps an EXIF block with nothing but the
    // orientation, since its pixels are the source's own and only that tag turns them upright); with it on, the main
    // outputs carry all of it and the companions what their formats hold. Every output stands upright either way.
    void metadataAsChosen()
    {
        const QByteArray input = TestImages::cameraJpeg(6);
        const auto source = TestImages::inspect(input);
        QVERIFY(source.hasExif && source.hasXmp && source.hasIcc);
        for (const Level level : {Level::Lossy, Level::Lossless}) {
            for (const bool keepExif : {false, true}) {
                OptimizeRequest request = requestFor(level, true);
                request.keepExif = keepExif;
                const auto result = run(input, request);
                QVERIFY2(result.code() == 2, qPrintable(result.message));
                QCOMPARE(QSize(result.width, result.height), QSize(240, 320));
                QVERIFY(!result.outputs.isEmpty());
                for (const auto& output : result.outputs) {
                    const auto info = TestImages::inspect(output.isOriginal ? input : output.data);
                    const QString what =
                        QStringLiteral("%1 keep %2").arg(ImageProcessor::kindName(output.kind)).arg(keepExif);
                    const bool untouched = output.kind == Kind::Lossless && output.extension == QLatin1String("jpg");
                    const QSize upright = untouched && info.orientation == 6 ? QSize(info.height, info.width)
                                                                             : QSize(info.width, info.height);
                    QVERIFY2(upright == QSize(240, 320), qPrintable(what));
                    QVERIFY2(info.orientation == (untouched ? 6 : 1), qPrintable(what));
                    if (!keepExif) {
                        // The lossless JPEG's pixels are the source's own, in its colours: its profile stays.
                        QVERIFY2(!info.hasXmp && !info.hasIptc && info.hasIcc == untouched, qPrintable(what));
                        QVERIFY2(untouched ? info.exifBytes == 32 : !info.hasExif, qPrintable(what));
                    } else {
                        QVERIFY2(info.hasExif && info.exifTags > 1, qPrintable(what));
                        if (output.extension == QLatin1String("jpg"))
                            QVERIFY2(info.hasXmp && info.hasIcc, qPrintable(what));
                    }
                }
            }
        }
    }

    // The promise on pictures that are not made for the test: the program's own screenshot (text, flat
    // colour, antialiased edges) and its icon (sharp shapes over soft alpha). Each lossy output, main and
    // companions, is measured whole.
    void promiseOnRealPictures_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<Level>("level");
        const QByteArray shot = TestImages::screenshotPng(TOVALIN_SCREENSHOT_PNG);
        // Large enough that a palette is first measured where its error shows most.
        const QByteArray largeShot = TestImages::screenshotPng(TOVALIN_SCREENSHOT_PNG, 760, 520);
        const QByteArray icon = TestImages::iconPng();
        for (Level level : {Level::Lossy, Level::Glossy}) {
            QTest::addRow("screenshot level %d", int(level)) << shot << level;
            QTest::addRow("large screenshot level %d", int(level)) << largeShot << level;
            QTest::addRow("icon level %d", int(level)) << icon << level;
        }
    }

    // A change confined to one small patch of a picture is where the search looks first, and measures
    // as far there as in the whole picture.
    void errorRegionsFindALocalChange()
    {
        const QByteArray jpeg = TestImages::photoJpeg(512, 384, 95, false);
        using vips::VImage;
        const VImage reference = VImage::new_from_buffer(jpeg.constData(), std::size_t(jpeg.size()), "").copy_memory();
        const VImage patch = reference.extract_area(300, 200, 20, 20) + 40;
        const VImage candidate = reference.insert(patch.cast(VIPS_FORMAT_UCHAR), 300, 200).copy_memory();
        const QList<TileSample::Region> regions = ErrorRegions::of(reference, candidate, 2);
        QCOMPARE(regions.size(), 2);
        const QRect first = regions.first().inner.translated(regions.first().area.topLeft());
        QVERIFY(first.contains(310, 210));
        const double whole = VisualDistance::between(reference, candidate);
        QVERIFY(whole > 2.0);
        QCOMPARE_LE(std::abs(ErrorRegions::distance(reference, candidate, regions, 1e9) - whole), 0.1 * whole);

        // Measured a tile at a time, a change across the tiles' corners counts as it does in the whole.
        const QByteArray larger = TestImages::photoJpeg(1100, 800, 95, false);
        const VImage big = VImage::new_from_buffer(larger.constData(), std::size_t(larger.size()), "").copy_memory();
        const int corner = VisualDistance::kTile - 12;
        const VImage changed =
            big.insert((big.extract_area(corner, corner, 24, 24) + 40).cast(VIPS_FORMAT_UCHAR), corner, corner)
                .copy_memory();
        const double all = VisualDistance::between(big, changed);
        QVERIFY(all > 2.0);
        QCOMPARE_LE(std::abs(VisualDistance::everywhere(big, changed, 1e9) - all), 0.02 * all);
        QCOMPARE(VisualDistance::everywhere(big, big, 1.0), 0.0);
    }

    void promiseOnRealPictures()
    {
        QFETCH(QByteArray, input);
        QFETCH(Level, level);
        const auto result = run(input, requestFor(level, true));
        QVERIFY2(result.code() == 2, qPrintable(result.message));
        QString line = QString::number(input.size());
        const qint64 mainSize =
            find(result, Kind::Lossy)->isOriginal ? input.size() : find(result, Kind::Lossy)->data.size();
        for (const auto& output : result.outputs) {
            const QByteArray& data = output.isOriginal ? input : output.data;
            const double distance = TestImages::visualDistance(input, data);
            line += QStringLiteral(", %1 %2 (%3)")
                        .arg(ImageProcessor::kindName(output.kind))
                        .arg(data.size())
                        .arg(distance, 0, 'f', 2);
            QVERIFY(data.size() <= input.size());
            if (output.kind == Kind::Lossless)
                QCOMPARE(distance, 0.0);
            else
                QVERIFY2(distance <= (level == Level::Lossy ? 2.0 : 1.0), qPrintable(line));
            if (output.kind != Kind::Lossy && output.kind != Kind::Lossless)
                QVERIFY(data.size() < mainSize);
        }
        qInfo().noquote() << line;
    }

    void fittedSizes_data()
    {
        QTest::addColumn<QSize>("input");
        QTest::addColumn<Resize>("mode");
        QTest::addColumn<std::optional<int>>("width");
        QTest::addColumn<std::optional<int>>("height");
        QTest::addColumn<QSize>("expected");
        const std::optional<int> none;
        const auto row = [](const char* name, QSize input, Resize mode, std::optional<int> width,
                            std::optional<int> height,
                            QSize expected) { QTest::newRow(name) << input << mode << width << height << expected; };
        row("width only", {400, 300}, Resize::Contain, 200, none, {200, 150});
        row("height only", {400, 300}, Resize::Cover, none, 30, {40, 30});
        row("no sides", {400, 300}, Resize::Cover, none, none, {400, 300});
        row("cover never enlarges", {400, 300}, Resize::Cover, 800, 800, {400, 300});
        row("contain never enlarges", {400, 300}, Resize::Contain, 500, 1000, {400, 300});
        row("tiny side stays one pixel", {4000, 10}, Resize::Contain, 10, 10, {10, 1});
    }

    void fittedSizes()
    {
        QFETCH(QSize, input);
        QFETCH(Resize, mode);
        QFETCH(std::optional<int>, width);
        QFETCH(std::optional<int>, height);
        QFETCH(QSize, expected);
        QCOMPARE(ImageProcessor::fittedSize(input, mode, width, height), expected);
    }

    void largerResultIsReplacedByTheOriginal()
    {
        // A file already squeezed harder than the service's own quality, in its smallest coding.
        const QByteArray squeezed =
            LosslessJpeg::transcode(TestImages::photoJpeg(320, 240, 20, false), false, 1).value();
        const auto result = run(squeezed, requestFor(Level::Glossy));
        QVERIFY2(result.code() == 2, qPrintable(result.message));
        QVERIFY(find(result, Kind::Lossy)->isOriginal);
        QVERIFY2(result.message.contains(QStringLiteral("original is returned unchanged")), qPrintable(result.message));
    }

    // Every format the service reads, and the geometry changes on real images: frames are kept and then not
    // resized; the lossless variant of a resized JPEG cannot be the original coefficients, so it is resized too.
    void formatsAndGeometry_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<int>("pages");
        QTest::addColumn<Resize>("mode");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("upscale");
        QTest::addColumn<QSize>("expected");
        const auto row = [](const char* name, const char* format, int pages, Resize mode, int side, int upscale,
                            QSize expected) {
            QTest::newRow(name) << QByteArray(format) << pages << mode << side << upscale << expected;
        };
        row("gif", "gif", 1, Resize::Contain, 80, 1, {80, 60});
        row("animated gif", "gif", 3, Resize::Contain, 80, 1, {160, 120});
        row("tiff", "tif", 1, Resize::Contain, 80, 1, {80, 60});
        row("bmp becomes png", "bmp", 1, Resize::Contain, 80, 1, {80, 60});
        row("webp", "webp", 1, Resize::Contain, 80, 1, {80, 60});
        row("heic", "heic", 1, Resize::Contain, 80, 1, {80, 60});
        row("jpeg cover", "jpg", 1, Resize::Cover, 60, 1, {80, 60});
        row("jpeg upscaled", "jpg", 1, Resize::None, 0, 3, {480, 360});
        // Upscaled first, then fitted into the box without growing further.
        row("jpeg upscaled, then contained", "jpg", 1, Resize::Contain, 300, 3, {300, 225});
    }

    void formatsAndGeometry()
    {
        QFETCH(QByteArray, format);
        QFETCH(int, pages);
        QFETCH(Resize, mode);
        QFETCH(int, side);
        QFETCH(int, upscale);
        QFETCH(QSize, expected);
        const QString extension = format == "bmp" ? QStringLiteral("png") : QString::fromLatin1(format);
        const QByteArray input = TestImages::photoAs(format, 160, 120, pages);
        for (Level level : {Level::Lossy, Level::Lossless}) {
            OptimizeRequest request = requestFor(level);
            request.webp = true;
            request.resize = mode;
            if (side)
                request.width = request.height = side;
            request.upscale = upscale;
            const auto result = run(input, request);
            QVERIFY2(result.code() == 2, qPrintable(result.message));
            QCOMPARE(QSize(result.width, result.height), expected);
            QCOMPARE(result.message.contains(QStringLiteral("not resized")), pages > 1);
            // A companion no smaller than the main output is not offered.
            const bool companionDropped = result.message.contains(QStringLiteral("No WebP version is offered"));
            QCOMPARE(result.outputs.size(), (level == Level::Lossy ? 3 : 2) - (companionDropped ? 1 : 0));
            for (const auto& output : result.outputs) {
                if (output.isOriginal)
                    continue; // where optimizing did not make it smaller
                const auto info = TestImages::inspect(output.data);
                const bool companion = output.kind != Kind::Lossy && output.kind != Kind::Lossless;
                QCOMPARE(output.extension, companion ? QStringLiteral("webp") : extension);
                QCOMPARE(info.loader, TestImages::loaderFor(output.extension));
                QCOMPARE(info.pages, pages);
                QCOMPARE(QSize(info.width, info.height), expected);
            }
        }
    }

    void refusedInputs_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("upscale");
        QTest::addColumn<qint64>("maxPixels");
        QTest::addColumn<QString>("refusal");
        const auto row = [](const char* name, const QByteArray& data, int upscale, qint64 maxPixels,
                            const char* refusal) {
            QTest::newRow(name) << data << upscale << maxPixels << QString::fromUtf8(refusal);
        };
        const qint64 limit = ImageProcessor::Settings().maxPixels;
        row("text", TestImages::notAnImage(), 1, limit,
            "415 The file is not an image this service can read. Supported are JPEG, PNG, GIF, TIFF, BMP, WebP and "
            "HEIC/HEIF.");
        row("truncated jpeg", m_photo.left(m_photo.size() / 2), 1, limit,
            "415 The image data is damaged or incomplete and cannot be read.");
        row("over the pixel limit", m_photo, 1, 640 * 480 - 1,
            "413 The image is too large to process: 640×480 pixels, the limit is 0 megapixels.");
        row("upscaled over the pixel limit", m_photo, 4, 1'000'000,
            "413 The resized image would be too large: 2560×1920 pixels, the limit is 1 megapixels.");
    }

    void refusedInputs()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, upscale);
        QFETCH(qint64, maxPixels);
        QFETCH(QString, refusal);
        OptimizeRequest request = requestFor(Level::Lossy);
        request.upscale = upscale;
        const auto result = run(data, request, {maxPixels});
        QCOMPARE(QStringLiteral("%1 %2").arg(result.code()).arg(result.message), refusal);
        QVERIFY(result.outputs.isEmpty());
    }
    void cleanup() { m_service.reset(); }

    // Two uploads at once, both answered with results whose addresses are unguessable, distinct and
    // downloadable by their key only; one log line per request, without the key or a whole result token.
    // (A pending upload and its poll, a wrong key and a file that is no image are met by the end-to-end
    // tests, through the service's executable.)
    void uploadsAnswerWithDownloadableResults()
    {
        start();
        // A picture whose companions both come out far smaller than its optimized JPEG, which keeps its
        // large CMYK profile.
        const QByteArray picture = TestImages::cmykJpeg();
        QNetworkReply* first =
            send(url(kUploadPath), kContentType.c_str(), clientForm("convertto=+webp|+avif", picture, "print.jpg"));
        const Answer second = upload(clientForm({}, m_photo));
        const Answer answer = finish(first);
        QVERIFY(second.url("LossyURL").endsWith(QLatin1String(".jpg")));
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
        QCOMPARE(get(answer.url("OriginalURL")).body, picture);
        // Another key cannot ask about this upload.
        QCOMPARE(poll(answer.url("OriginalURL"), QStringLiteral("other-key")).http, 404);

        QCOMPARE(m_log.size(), 9);
        QCOMPARE(m_log.filter(QStringLiteral("POST /v2/post-reducer.php 200 code=2")).size(), 2);
        for (const QString& line : std::as_const(m_log)) {
            QVERIFY2(!line.contains(kKey), qPrintable(line));
            QVERIFY2(!QRegularExpression(QStringLiteral("[0-9a-f]{32}")).match(line).hasMatch(), qPrintable(line));
        }

        // The addresses name the service as it listens, whatever Host the request names.
        QNetworkRequest forged(url(kUploadPath));
        forged.setSslConfiguration(m_clientSsl);
        forged.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray::fromStdString(kContentType));
        forged.setRawHeader("Host", "attacker.example:443");
        const Answer elsewhere = finish(m_nam.post(forged, clientForm({}, TestImages::photoJpeg(64, 48))));
        QCOMPARE(elsewhere.code(), 2);
        for (const char* member : {"OriginalURL", "LossyURL", "LosslessURL"})
            QVERIFY2(address.match(elsewhere.url(member)).hasMatch(), qPrintable(elsewhere.url(member)));
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
        const auto upload = [&row](const char* name, const QByteArray& form, int code, const char* message) {
            row(name, kUploadPath, kContentType.c_str(), form, code, message);
        };
        const auto poll = [&row](const char* name, const QByteArray& body, int code, const char* message) {
            row(name, kPollPath, "application/json", body, code, message);
        };
        const auto get = [&row](const char* name, const QString& path, int code, const char* message) {
            row(name, path, {}, {}, code, message);
        };
        const QByteArray image = TestImages::photoJpeg(64, 48);
        const QByteArray good = clientForm({}, image);
        row("not multipart", kUploadPath, "text/plain", good, 400, "The upload must be sent as multipart/form-data.");
        row("truncated", kUploadPath, kContentType.c_str(), good.chopped(30), 400,
            "The upload is incomplete: the multipart form ends too early.");
        upload("background removal", clientForm("bg_remove=1", image), 501,
               "Background removal is not available on this server.");
        // Judged on the fields before the file, so the file is never stored.
        upload("wrong key", clientForm("key=wrong-key-3a9f", QByteArray(60 * 1024, 'x')), 401, "Invalid API key.");
        // Refused once it is in the store: its original goes with the refusal.
        upload("not an image", clientForm({}, TestImages::notAnImage()), 415,
               "The file is not an image this service can read. Supported are JPEG, PNG, GIF, TIFF, BMP, WebP and "
               "HEIC/HEIF.");
        // Over the file limit but within the request limit: refused by the form parser.
        upload("file over the limit", clientForm({}, QByteArray(100 * 1024, 'x')), 413,
               "The file is larger than the limit of 0.0625 MB.");
        // Far over: refused from the Content-Length alone, before the body is read.
        upload("request far over the limit", clientForm({}, QByteArray(3 * 1024 * 1024, 'x')), 413,
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
        // A refused request leaves nothing in the store, not even the part of a file that had arrived.
        QVERIFY(QDir(m_service->storeFolder()).isEmpty());
        // And the service goes on serving; one log line each, never a key.
        QCOMPARE(upload(clientForm({}, TestImages::photoJpeg(64, 48))).code(), 2);
        QCOMPARE(m_log.size(), 2);
        QVERIFY2(!m_log.join(QLatin1Char(' ')).contains(QLatin1String("key-")), qPrintable(m_log.join(' ')));
    }

    // Pipelined requests are answered in order, one at a time; a malformed one ends the connection.
    void pipelinedRequests()
    {
        start();
        QByteArray wire;
        QStringList expected;
        for (int i = 0; i < 50; ++i) {
            wire += i % 2 ? "GET /files/0123456789abcdef0123456789abcdef HTTP/1.1\r\n\r\n"
                          : "GET /elsewhere HTTP/1.1\r\nHost: x\r\n\r\n";
            expected << (i % 2 ? QStringLiteral("This file is not known here or has expired.")
                               : QStringLiteral("There is nothing at this address."));
        }
        wire += "GARBAGE\r\n\r\nGET /elsewhere HTTP/1.1\r\n\r\n";
        expected << QStringLiteral("The request line is malformed.");
        const QByteArray answers = raw(wire, 51);
        QStringList messages;
        static const QRegularExpression message(QStringLiteral("\"Message\":\"([^\"]*)\""));
        for (auto it = message.globalMatch(QString::fromUtf8(answers)); it.hasNext();)
            messages << it.next().captured(1);
        QCOMPARE(messages, expected);
    }

    // Requests that break the rules, clients that stall and handshakes that fail: every connection is
    // answered at once or closed at its deadline, and the service serves normal requests meanwhile and
    // afterwards.
    void misbehavingClients_data()
    {
        QTest::addColumn<int>("connections");
        QTest::addColumn<bool>("plain"); // no TLS: a handshake that fails
        QTest::addColumn<QByteArray>("atOnce");
        QTest::addColumn<QByteArrayList>("pieces"); // then 300 ms apart
        QTest::addColumn<QByteArray>("answer");     // the status, or nothing when closed unanswered
        const auto row = [](const char* name, int connections, bool plain, const QByteArray& atOnce,
                            const QByteArrayList& pieces, const QByteArray& answer) {
            QTest::newRow(name) << connections << plain << atOnce << pieces << answer;
        };
        const QByteArray head = "GET /elsewhere HTTP/1.1\r\nHost: x\r\n\r\n";
        const QByteArray poll = "POST /v2/reducer.php HTTP/1.1\r\nContent-Length: ";
        row("oversized headers", 1, false, "GET / HTTP/1.1\r\nX: " + QByteArray(17 * 1024, 'a') + "\r\n\r\n", {},
            "431");
        row("too many headers", 1, false, "GET / HTTP/1.1\r\n" + QByteArray("X: y\r\n").repeated(101) + "\r\n", {},
            "431");
        row("long address", 1, false, "GET /" + QByteArray(5000, 'a') + " HTTP/1.1\r\n\r\n", {}, "414");
        row("HTTP/2", 1, false, "GET / HTTP/2.0\r\n\r\n", {}, "505");
        row("address not a path", 1, false, "GET http://x/ HTTP/1.1\r\n\r\n", {}, "400");
        row("malformed length", 1, false, poll + "1x\r\n\r\n", {}, "400");
        row("conflicting lengths", 1, false, poll + "1\r\nContent-Length: 2\r\n\r\n", {}, "400");
        row("chunked body", 1, false, "POST /v2/reducer.php HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n", {}, "411");
        // Refused from its head; the body that follows is read and dropped before the connection closes.
        row("length over the limit", 1, false, poll + "70000\r\n\r\n" + QByteArray(70000, 'x'), {}, "413");
        row("body on a download", 1, false, "GET /files/x HTTP/1.1\r\nContent-Length: 1\r\n\r\nx", {}, "413");
        row("bare line feeds", 1, false, "GET / HTTP/1.1\nHost: x\n\n", {}, "400");
        row("bare line feeds, in pieces", 1, false, "GET / HTTP/1.1", {"\nHost: x\n\n"}, "400");
        // A head that ends in the next read, with line feeds in the body after it: a poll that is read
        // whole and answered.
        row("head ending in pieces", 1, false,
            "POST /v2/reducer.php HTTP/1.1\r\nConnection: close\r\nContent-Length: 40\r\n\r",
            {"\n{\"key\":\"test-key-5f1e\",\n\"urllist\":[\"x\"]}"}, "404");
        row("truncated body", 1, false, poll + "100\r\n\r\n{\"key\"", {}, {});
        row("slow head", 1, false, {}, oneByOne(head), {});
        row("slow body", 1, false, poll + "30\r\n\r\n", oneByOne(R"({"key":"k","urllist":["a"]}   )"), {});
        row("100 failed handshakes at once", 100, true, "GARBAGE\r\n\r\n", {}, {});
        row("200 slow connections", 200, false, {}, oneByOne(head), {});
    }

    void misbehavingClients()
    {
        QFETCH(int, connections);
        QFETCH(bool, plain);
        QFETCH(QByteArray, atOnce);
        QFETCH(QByteArrayList, pieces);
        QFETCH(QByteArray, answer);
        ServiceConfig config;
        config.headerTimeoutMs = 2000;
        config.idleTimeoutMs = 2000;
        start(config);
        std::vector<std::unique_ptr<RawConnection>> clients;
        for (int i = 0; i < connections; ++i)
            clients.push_back(std::make_unique<RawConnection>(m_service->port(), m_clientSsl, plain, atOnce, pieces));
        QCOMPARE(get(url(QStringLiteral("/elsewhere")).toString()).http, 404);
        const auto allClosed = [&clients] {
            return std::all_of(clients.begin(), clients.end(), [](const auto& client) { return client->closed; });
        };
        QTRY_VERIFY_WITH_TIMEOUT(allClosed(), 15'000);
        for (const auto& client : clients) {
            if (answer.isEmpty())
                QVERIFY2(client->received.isEmpty(), client->received.constData());
            else
                QVERIFY2(client->received.startsWith("HTTP/1.1 " + answer + ' '), client->received.constData());
        }
        QCOMPARE(upload(clientForm({}, TestImages::photoJpeg(64, 48))).code(), 2);
    }

    // Past the requests served at once from one address, or from all, a request is answered 503 rather
    // than left waiting or closed, while another address still has its share; once a place is free it
    // is served again.
    void busyServerAnswers503()
    {
        ServiceConfig config;
        config.maxConnections = 3;
        config.maxConnectionsPerPeer = 2;
        // The slow polls below keep their places for as long as the test needs, on a busy machine too:
        // a byte every 300 ms of a thousand, within a deadline of five minutes.
        config.headerTimeoutMs = 300'000;
        start(config);
        const QHostAddress other(QStringLiteral("127.0.0.2"));
        const auto holder = [this](const QHostAddress& from) {
            return std::make_unique<RawConnection>(m_service->port(), m_clientSsl, false,
                                                   "POST /v2/reducer.php HTTP/1.1\r\nContent-Length: 1000\r\n\r\n{",
                                                   oneByOne(QByteArray(999, ' ')), from);
        };
        const auto allHold = [](const std::vector<std::unique_ptr<RawConnection>>& holders) {
            return std::all_of(holders.cbegin(), holders.cend(),
                               [](const auto& holder) { return holder->started || holder->closed; });
        };
        std::vector<std::unique_ptr<RawConnection>> holders;
        for (int i = 0; i < 2; ++i)
            holders.push_back(holder(other));
        // Both hold their places before the next request is made.
        QTRY_VERIFY_WITH_TIMEOUT(allHold(holders), 20'000);
        RawConnection third(m_service->port(), m_clientSsl, false, "GET /elsewhere HTTP/1.1\r\nHost: x\r\n\r\n", {},
                            other);
        QTRY_VERIFY_WITH_TIMEOUT(third.received.startsWith("HTTP/1.1 503 "), 20'000);
        QCOMPARE(get(url(QStringLiteral("/elsewhere")).toString()).http, 404);
        holders.push_back(holder({}));
        QTRY_VERIFY_WITH_TIMEOUT(allHold(holders), 20'000);
        for (const auto& held : holders)
            QVERIFY2(!held->closed, held->received.constData());
        QTRY_COMPARE_WITH_TIMEOUT(get(url(QStringLiteral("/elsewhere")).toString()).http, 503, 20'000);
        holders.clear();
        QTRY_COMPARE_WITH_TIMEOUT(get(url(QStringLiteral("/elsewhere")).toString()).http, 404, 20'000);
    }

    // Connections that never start TLS, reopened as they are cut, from this address or another: each
    // new connection takes the place of the oldest of them, and keyed uploads, each on a new
    // connection, are served.
    void silentConnectionsCrowdNobodyOut_data()
    {
        QTest::addColumn<QString>("from");
        QTest::newRow("same address") << QStringLiteral("127.0.0.1");
        QTest::newRow("another address") << QStringLiteral("127.0.0.2");
    }

    void silentConnectionsCrowdNobodyOut()
    {
        QFETCH(QString, from);
        ServiceConfig config;
        config.maxConnections = 8; // 32 connections open, 16 in their handshake
        config.maxConnectionsPerPeer = 4;
        start(config);
        SilentFlood flood(m_service->port(), 64, QHostAddress(from));
        QTRY_VERIFY_WITH_TIMEOUT(flood.reopened > 64, 20'000);
        const QByteArray form = clientForm({}, TestImages::photoJpeg(64, 48));
        for (int i = 0; i < 5; ++i) {
            m_nam.clearConnectionCache();
            QCOMPARE(upload(form).code(), 2);
        }
    }

    // An upload takes room in the store only once its key has passed, and only for as long as its body
    // may take: uploads without a key before their file are refused as the file begins, with nothing
    // kept; a keyed one that trickles loses its room at the body's deadline, and others are served.
    void storeRoomGoesOnlyToKeyedUploadsForALimitedTime()
    {
        const QByteArray file(120 * 1024, 'x');
        const QByteArray keyed = clientForm({}, TestImages::photoJpeg(64, 48));
        const QByteArray trickled = clientForm({}, file);
        const QByteArray keyless = QByteArray::fromStdString(
            kDelimiter + "\r\nContent-Disposition: form-data; name=\"file1\"; filename=\"a.jpg\"\r\n\r\n" +
            file.toStdString() + "\r\n" + kDelimiter + "\r\nContent-Disposition: form-data; name=\"key\"\r\n\r\n" +
            kKey.toStdString() + "\r\n" + kDelimiter + "--\r\n");
        ServiceConfig config;
        config.maxUploadBytes = 2 * file.size();
        config.storeQuotaBytes = trickled.size() + keyed.size() / 2; // no room for another while it holds some
        config.bodyTimeoutMs = 3000;
        start(config);
        const QString store = m_service->storeFolder();
        // At a good pace (more than the 4 KiB a second asked for), which would keep a body going for
        // as long as it has bytes.
        const auto trickle = [this](const QByteArray& body) {
            return std::make_unique<RawConnection>(m_service->port(), m_clientSsl, false,
                                                   uploadHead(body.size()) + body.left(1024),
                                                   inPieces(body.mid(1024), 2048));
        };

        std::vector<std::unique_ptr<RawConnection>> refused;
        for (int i = 0; i < 3; ++i)
            refused.push_back(trickle(keyless));
        QTRY_VERIFY_WITH_TIMEOUT(
            std::all_of(refused.cbegin(), refused.cend(),
                        [](const auto& client) { return client->received.startsWith("HTTP/1.1 400 "); }),
            10'000);
        QVERIFY(refused.front()->received.contains("The \\\"key\\\" field must come before the file."));
        QVERIFY(QDir(store).isEmpty());

        const std::unique_ptr<RawConnection> holder = trickle(trickled);
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(store).isEmpty(), 10'000); // its file has begun
        QCOMPARE(upload(keyed).message(), QStringLiteral("The server's store is full. Try again later."));
        QTRY_VERIFY_WITH_TIMEOUT(holder->closed, 10'000);
        QVERIFY(holder->received.isEmpty());
        QCOMPARE(upload(keyed).code(), 2);
    }

    // Work within the budget, in two lanes by size; each waits its turn in its lane, for a limited time.
    void admissionKeepsToTheBudget()
    {
        boost::asio::io_context context;
        // Small images cost up to 250, one large up to 750; two of the three workers for large ones.
        ImageAdmission admission(context, {1000, 3, std::chrono::milliseconds(100)});
        QStringList log;
        std::map<QString, ImageAdmission::Ticket> started;
        const auto submit = [&](const QString& name, qint64 cost) {
            return admission.submit(
                cost,
                [&started, &log, name](ImageAdmission::Ticket ticket) {
                    started[name] = ticket;
                    log << name;
                },
                [&log, name] { log << QStringLiteral("expired ") + name; });
        };
        QVERIFY(!submit(QStringLiteral("too large"), 751));
        submit(QStringLiteral("L1"), 300);
        submit(QStringLiteral("L2"), 300);
        submit(QStringLiteral("L3"), 300); // large ones have both their workers
        submit(QStringLiteral("S1"), 200); // the third worker is the small ones'
        submit(QStringLiteral("S2"), 200); // no worker left
        QCOMPARE(log.join(' '), QStringLiteral("L1 L2 S1"));
        admission.finished(started[QStringLiteral("L1")]);
        QCOMPARE(log.join(' '), QStringLiteral("L1 L2 S1 S2")); // small ones first
        admission.finished(started[QStringLiteral("S1")]);
        QCOMPARE(log.join(' '), QStringLiteral("L1 L2 S1 S2 L3"));
        const std::optional<ImageAdmission::Ticket> withdrawn = submit(QStringLiteral("L4"), 300);
        submit(QStringLiteral("L5"), 300);
        admission.withdraw(*withdrawn);
        context.run_for(std::chrono::milliseconds(500));
        QCOMPARE(log.join(' '), QStringLiteral("L1 L2 S1 S2 L3 expired L5"));
        QCOMPARE(admission.waiting(), 0);
        QCOMPARE(admission.running(), 3);
    }

    // Within the engine's memory budget large images are processed one after another, while a small
    // one is done at once; one that could never fit is refused, its original removed and its answer
    // kept for the poll.
    void imagesAreProcessedWithinTheMemoryBudget()
    {
        ServiceConfig config;
        config.memoryBudgetBytes = 96 * 1024 * 1024; // one 1200 × 1200 image at a time
        start(config);
        const QByteArray large = TestImages::photoAs("png", 1200, 1200);
        QStringList pending;
        for (int i = 0; i < 3; ++i) {
            const Answer answer = upload(clientForm("wait=0&convertto=+webp", large, "large.png"));
            QCOMPARE(answer.code(), 1);
            pending << answer.url("OriginalURL");
        }
        QCOMPARE(upload(clientForm({}, TestImages::photoJpeg(64, 48))).code(), 2);
        for (const QString& original : std::as_const(pending))
            QCOMPARE(poll(original).code(), 1);
        for (const QString& original : std::as_const(pending))
            QTRY_COMPARE_WITH_TIMEOUT(poll(original).code(), 2, 60'000);

        const Answer refused =
            upload(clientForm("wait=0&convertto=+webp", TestImages::photoAs("png", 2000, 1500), "huge.png"));
        QTRY_COMPARE_WITH_TIMEOUT(poll(refused.url("OriginalURL")).code(), 413, 10'000);
        QCOMPARE(poll(refused.url("OriginalURL")).message(),
                 QStringLiteral("The image is too large to process: 2000×1500 pixels need about 76.47 MB of memory, "
                                "the limit is 72 MB."));
        QCOMPARE(get(refused.url("OriginalURL")).http, 404);
    }

    // Addresses may share a file, which goes with the last of them. The quota counts each file once, and
    // room reserved for an upload is room no result can take.
    void storeSharesFilesWithinItsQuota()
    {
        ResultStore store(std::chrono::seconds(60), 1000);
        const auto write = [&store](qint64 size) {
            const QString path = store.newFilePath();
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(size, 'x')) != size)
                qFatal("cannot write into the store's folder");
            return path;
        };
        const QString original = store.adopt(write(600), "application/octet-stream");
        QVERIFY(!original.isEmpty());
        QStringList shared;
        for (int i = 0; i < 200; ++i) // enough addresses for the store's tables to grow under them
            shared << store.share(original, "image/jpeg");
        QCOMPARE(store.usedBytes(), 600);
        QCOMPARE(store.get(shared.last())->mimeType, QByteArray("image/jpeg"));
        QVERIFY(!store.reserve(500));
        QVERIFY(store.reserve(400));
        QVERIFY(store.adopt(write(1), "image/png").isEmpty());
        QCOMPARE(store.fileCount(), 1); // the refused file is gone
        store.release(400);
        store.remove(original);
        for (const QString& token : shared.mid(1))
            store.remove(token);
        QVERIFY(QFile::exists(store.get(shared.first())->path));
        store.remove(shared.first());
        QCOMPARE(store.usedBytes(), 0);
        QVERIFY(QDir(store.folder()).isEmpty());
    }

    // The store holds an upload and its results until they expire; meanwhile it has no room for another
    // like it, and says so.
    void resultsExpireAndTheStoreGoesAtExit()
    {
        ServiceConfig config;
        config.ttlSeconds = 5; // well past the time the upload takes to process
        config.storeQuotaBytes = 3 * m_photo.size();
        start(config);
        const QString folder = m_service->storeFolder();
        const Answer answer = upload(clientForm({}, m_photo));
        QCOMPARE(answer.code(), 2);
        const Answer full = upload(clientForm({}, m_photo));
        QCOMPARE(full.http, 503);
        QCOMPARE(full.message(), QStringLiteral("The server's store is full. Try again later."));
        QTRY_COMPARE_WITH_TIMEOUT(get(answer.url("LossyURL")).http, 404, 10'000);
        QCOMPARE(poll(answer.url("OriginalURL")).http, 404);
        QTRY_VERIFY_WITH_TIMEOUT(QDir(folder).isEmpty(), 10'000);

        QCOMPARE(upload(clientForm({}, m_photo)).code(), 2);
        m_service.reset();
        QVERIFY(!QDir(folder).exists());
    }
};

QTEST_GUILESS_MAIN(TestService)
#include "tst_service.moc"
