#include "HttpRequestParser.h"
#include "MultipartParser.h"
#include "RequestValidator.h"

#include <QTest>

#include <string>
#include <utility>
#include <vector>

namespace {

using Fields = std::vector<std::pair<std::string, std::string>>;

const std::string kBoundary = "Boundary-0F6C3F43-3C3A-4D43-9C7B-6E9F1A2B3C4D";
const std::string kDelimiter = "--" + kBoundary;
const std::string kContentType = "multipart/form-data; boundary=" + kBoundary;
const std::string kDisposition = "Content-Disposition: form-data; name=a";

// Small enough that each can be crossed by a few bytes; the desktop client's form fits exactly in the part count.
const MultipartParser::Limits kLimits{
    .maxBodyBytes = 12 * 1024, .maxParts = 6, .maxFieldBytes = 32, .maxFileBytes = 32};

const Fields kClientFields{{"key", "demo"},
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

// The client's form with some fields replaced or added, written "name=value&name=value".
QByteArray clientForm(const QByteArray& changes = {}, const std::string& fileName = "photo.jpg",
                      const std::string& fileData = "\xff\xd8jpeg")
{
    Fields fields = kClientFields;
    for (const QByteArray& change : changes.split('&')) {
        const std::string name = change.left(change.indexOf('=')).toStdString();
        std::erase_if(fields, [&name](const auto& field) { return field.first == name; });
        if (!name.empty())
            fields.emplace_back(name, change.mid(change.indexOf('=') + 1).toStdString());
    }
    return QByteArray::fromStdString(formBody(fields, fileName, fileData));
}

// One part with the given header block, followed by a delimiter and what comes after it.
std::string onePart(const std::string& headers, const std::string& afterDelimiter = "--")
{
    return kDelimiter + "\r\n" + headers + "\r\n\r\nv\r\n" + kDelimiter + afterDelimiter;
}

RequestValidator::Result validate(const QByteArray& body, bool poll)
{
    if (poll)
        return RequestValidator::fromPollJson(body);
    const std::string bytes = body.toStdString(); // parts point into it
    MultipartParser parser;
    if (!parser.parse(kContentType, bytes))
        qFatal("the form did not parse: %s", parser.errorMessage().c_str());
    return RequestValidator::fromForm(parser.parts());
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
    return QStringLiteral("%1 level=%2 wait=%3 resize=%4 %5x%6 up=%7 [%8] %9 %10 %11")
        .arg(r.apiKey, number(int(r.level)), number(r.waitSeconds), number(int(r.resize)), side(r.width),
             side(r.height), number(r.upscale), flags.join(QLatin1Char(' ')), r.fileName)
        .arg(QString::fromLatin1(r.fileData.toHex()), r.originalUrl)
        .trimmed();
}

HttpRequestParser::BodyLimit uploadLimit(const HttpRequest& request)
{
    return request.method == "POST" ? HttpRequestParser::BodyLimit{100, QStringLiteral("too large")}
                                    : HttpRequestParser::BodyLimit{};
}

} // namespace

Q_DECLARE_METATYPE(MultipartParser::Error)

class TestServiceParsing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wellFormedBodies()
    {
        const std::string file("\x00\r\n--Boundary-\r\nbinary", 22);
        const std::string body = formBody(kClientFields, "a b.jpg", file); // parts point into it
        MultipartParser parser(kLimits);
        QVERIFY(parser.parse(kContentType, body));
        const auto& parts = parser.parts();
        QCOMPARE(parts.size(), 6u);
        QCOMPARE(parts[0].data, std::string_view("demo"));
        QCOMPARE(parts[5].name, std::string("file1"));
        QCOMPARE(parts[5].filename.value(), std::string("a b.jpg"));
        QCOMPARE(parts[5].contentType, std::string("image/jpeg"));
        // Bytes that look like a delimiter but are not one stay in the content unchanged.
        QCOMPARE(parts[5].data, std::string_view(file));
        // Values exactly at their limits, empty values and an empty form are accepted.
        const std::string atLimits = formBody({{"a", std::string(32, 'f')}, {"b", ""}}, "f", std::string(32, 'x'));
        QVERIFY(parser.parse(kContentType, atLimits));
        QVERIFY(parser.parts()[1].data.empty());
        QVERIFY(parser.parse(kContentType, kDelimiter + "--"));
        QVERIFY(parser.parts().empty());
        // Header parameters are case-insensitive and the boundary may be quoted.
        QVERIFY(parser.parse("Multipart/Form-Data; charset=utf-8; BOUNDARY=\"a b'c\"", "--a b'c--"));
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
        row("field too large", formBody({{"a", std::string(33, 'f')}}, ""), E::FieldTooLarge);
        row("file too large", formBody({}, "f", std::string(33, 'x')), E::FileTooLarge);
        row("body too large", formBody({}, "f", std::string(12 * 1024, 'x')), E::BodyTooLarge);
    }

    void malformedBodies()
    {
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, body);
        QFETCH(MultipartParser::Error, error);
        MultipartParser parser(kLimits);
        QVERIFY(!parser.parse(contentType.toStdString(), body.toStdString()));
        QCOMPARE(parser.error(), error);
        QVERIFY(!parser.errorMessage().empty());
        QVERIFY(parser.parts().empty());
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
        form("client form", clientForm(), "demo level=1 wait=30 resize=0 -x- up=1 [] photo.jpg ffd86a706567");
        form("all options",
             clientForm(
                 "lossy=0&wait=-5&convertto=+webp|+avif&resize=3&resize_height=600&cmyk2rgb=1&upscale=4&keep_exif=1&"
                 "bg_remove=1"),
             "demo level=0 wait=0 resize=3 -x600 up=4 [webp avif cmyk2rgb bg exif] photo.jpg ffd86a706567");
        form("wait clamped", clientForm("wait=3600"),
             "demo level=1 wait=30 resize=0 -x- up=1 [] photo.jpg ffd86a706567");
        poll(
            "client poll",
            R"({"key":"demo","plugin_version":"MAC01","lossy":2,"wait":25,"urllist":["https:\/\/localhost:47800\/o\/abc.jpg"],)"
            R"("convertto":"+avif","resize":1,"resize_width":800,"cmyk2rgb":1})",
            "demo level=2 wait=25 resize=1 800x- up=1 [avif cmyk2rgb]   https://localhost:47800/o/abc.jpg");

        form("no key", QByteArray::fromStdString(formBody({{"lossy", "1"}})),
             "400 The request is missing the \"key\" field.");
        form("no file", clientForm({}, ""), "400 The request is missing the image file \"file1\".");
        form("empty file", clientForm({}, "a.jpg", ""), "400 The uploaded file is empty.");
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

    void httpRequestArrivingByteByByte()
    {
        HttpRequestParser parser(uploadLimit);
        const QByteArray wire = "POST /v2/reducer.php?x=1 HTTP/1.1\r\nHost: localhost:47800\r\nContent-Type: "
                                "application/json\r\nContent-Length: 11\r\n\r\n{\"key\":\"k\"}"
                                "GET /files/abc HTTP/1.1\r\nConnection: close\r\n\r\n";
        HttpRequestParser::State state = HttpRequestParser::State::NeedMore;
        qsizetype fed = 0;
        while (state == HttpRequestParser::State::NeedMore && fed < wire.size())
            state = parser.feed(wire.mid(fed++, 1));
        QCOMPARE(state, HttpRequestParser::State::Complete);
        HttpRequest request = parser.takeRequest();
        QCOMPARE(request.method, QByteArray("POST"));
        QCOMPARE(request.path(), QByteArray("/v2/reducer.php"));
        QCOMPARE(request.header("content-type"), QByteArray("application/json"));
        QCOMPARE(request.body, QByteArray("{\"key\":\"k\"}"));
        QVERIFY(request.keepAlive);
        // The pipelined second request was kept and completes from what is buffered.
        QCOMPARE(parser.feed(wire.mid(fed)), HttpRequestParser::State::Complete);
        request = parser.takeRequest();
        QCOMPARE(request.method, QByteArray("GET"));
        QCOMPARE(request.target, QByteArray("/files/abc"));
        QVERIFY(!request.keepAlive);
    }

    void badHttpRequests_data()
    {
        QTest::addColumn<QByteArray>("wire");
        QTest::addColumn<int>("status");
        QTest::newRow("garbage") << QByteArray("GARBAGE\r\n\r\n") << 400;
        QTest::newRow("HTTP/2") << QByteArray("GET / HTTP/2.0\r\n\r\n") << 505;
        QTest::newRow("long target") << "GET /" + QByteArray(5000, 'a') + " HTTP/1.1\r\n\r\n" << 414;
        QTest::newRow("huge headers") << "GET / HTTP/1.1\r\nX: " + QByteArray(17 * 1024, 'a') << 431;
        QTest::newRow("bare LF") << QByteArray("GET / HTTP/1.1\nHost: x\r\n\r\n") << 400;
        QTest::newRow("chunked") << QByteArray("POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n") << 411;
        QTest::newRow("conflicting lengths")
            << QByteArray("POST / HTTP/1.1\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\n") << 400;
        QTest::newRow("over the body limit") << QByteArray("POST / HTTP/1.1\r\nContent-Length: 101\r\n\r\n") << 413;
        QTest::newRow("body on GET") << QByteArray("GET / HTTP/1.1\r\nContent-Length: 1\r\n\r\nx") << 413;
    }

    void badHttpRequests()
    {
        QFETCH(QByteArray, wire);
        QFETCH(int, status);
        HttpRequestParser parser(uploadLimit);
        QCOMPARE(parser.feed(wire), HttpRequestParser::State::Error);
        QCOMPARE(parser.errorStatus(), status);
        QVERIFY(!parser.errorMessage().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestServiceParsing)
#include "tst_service_parsing.moc"
