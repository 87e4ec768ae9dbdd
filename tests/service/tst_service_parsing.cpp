#include "HttpRequestParser.h"
#include "MultipartParser.h"
#include "RequestValidator.h"

#include <QTest>

#include <string>
#include <utility>
#include <vector>

namespace {

const std::string kBoundary = "Boundary-0F6C3F43-3C3A-4D43-9C7B-6E9F1A2B3C4D";
const std::string kContentType = "multipart/form-data; boundary=" + kBoundary;

// Builds a body the way the desktop client does: field parts, then file parts, then the close line.
std::string formBody(const std::vector<std::pair<std::string, std::string>>& fields,
                     const std::string& fileName = "photo.jpg", const std::string& fileData = "\xff\xd8jpeg")
{
    std::string body;
    for (const auto& [name, value] : fields) {
        body += "--" + kBoundary + "\r\n";
        body += "Content-Disposition: form-data; name=\"" + name + "\"\r\n\r\n";
        body += value + "\r\n";
    }
    if (!fileName.empty()) {
        body += "--" + kBoundary + "\r\n";
        body += "Content-Disposition: form-data; name=\"file1\"; filename=\"" + fileName + "\"\r\n";
        body += "Content-Type: image/jpeg\r\n\r\n";
        body += fileData + "\r\n";
    }
    body += "--" + kBoundary + "--\r\n";
    return body;
}

std::vector<std::pair<std::string, std::string>> clientFields()
{
    return {{"key", "demo"},
            {"plugin_version", "MAC01"},
            {"lossy", "1"},
            {"wait", "30"},
            {"file_paths", "{\"file1\":\"\\/tmp\\/photo.jpg\"}"}};
}

RequestValidator::Result validateForm(const std::string& body)
{
    MultipartParser parser;
    if (!parser.parse(kContentType, body))
        qFatal("the form did not parse: %s", parser.errorMessage().c_str());
    return RequestValidator::fromForm(parser.parts());
}

} // namespace

Q_DECLARE_METATYPE(MultipartParser::Error)

namespace {

HttpRequestParser::BodyLimit uploadLimit(const HttpRequest& request)
{
    HttpRequestParser::BodyLimit limit;
    if (request.method == "POST") {
        limit.bytes = 100;
        limit.tooLargeMessage = QStringLiteral("too large");
    }
    return limit;
}

} // namespace

class TestServiceParsing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clientBodyParsesIntoItsParts()
    {
        const std::string file("\x00\r\n--Boundary-\r\nbinary", 22);
        const std::string body = formBody(clientFields(), "a b.jpg", file);
        MultipartParser parser;
        QVERIFY(parser.parse(kContentType, body));
        QCOMPARE(parser.parts().size(), 6u);
        QCOMPARE(parser.parts()[0].name, std::string("key"));
        QCOMPARE(parser.parts()[0].data, std::string_view("demo"));
        QVERIFY(!parser.parts()[0].filename);
        QCOMPARE(parser.parts()[5].name, std::string("file1"));
        QCOMPARE(parser.parts()[5].filename.value(), std::string("a b.jpg"));
        QCOMPARE(parser.parts()[5].contentType, std::string("image/jpeg"));
        // Bytes that look like a delimiter but are not one stay in the content unchanged.
        QCOMPARE(parser.parts()[5].data, std::string_view(file));
    }

    void emptyValuesAndEmptyForms()
    {
        MultipartParser parser;
        QVERIFY(parser.parse(kContentType, formBody({{"key", ""}}, "")));
        QCOMPARE(parser.parts().size(), 1u);
        QVERIFY(parser.parts()[0].data.empty());
        QVERIFY(parser.parse(kContentType, "--" + kBoundary + "--"));
        QCOMPARE(parser.parts().size(), 0u);
    }

    void contentTypeHeader_data()
    {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("boundary");
        QTest::newRow("client form") << QString::fromStdString(kContentType) << QString::fromStdString(kBoundary);
        QTest::newRow("quoted, other case") << "Multipart/Form-Data; charset=utf-8; BOUNDARY=\"a b'c\""
                                            << "a b'c";
        QTest::newRow("not multipart") << "application/json" << QString();
        QTest::newRow("no boundary") << "multipart/form-data" << QString();
        QTest::newRow("empty boundary") << "multipart/form-data; boundary=" << QString();
        QTest::newRow("two boundaries") << "multipart/form-data; boundary=a; boundary=b" << QString();
        QTest::newRow("boundary too long")
            << "multipart/form-data; boundary=" + QString(71, QLatin1Char('x')) << QString();
        QTest::newRow("forbidden character") << "multipart/form-data; boundary=\"a\\b\"" << QString();
        QTest::newRow("ends in space") << "multipart/form-data; boundary=\"ab \"" << QString();
        QTest::newRow("unterminated quote") << "multipart/form-data; boundary=\"abc" << QString();
    }

    void contentTypeHeader()
    {
        QFETCH(QString, header);
        QFETCH(QString, boundary);
        const auto parsed = MultipartParser::boundaryFromContentType(header.toStdString());
        QCOMPARE(parsed ? QString::fromStdString(*parsed) : QString(), boundary);
    }

    void malformedBodies_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<MultipartParser::Error>("error");
        const std::string good = formBody(clientFields());
        const std::string delim = "--" + kBoundary;
        auto row = [](const char* name, const std::string& body, MultipartParser::Error error) {
            QTest::newRow(name) << QByteArray::fromStdString(body) << error;
        };
        using E = MultipartParser::Error;
        row("empty", "", E::Truncated);
        row("preamble", "hello\r\n" + good, E::MissingFirstDelimiter);
        row("wrong boundary", "--Other\r\n" + good.substr(delim.size() + 2), E::MissingFirstDelimiter);
        row("cut in the first delimiter", delim.substr(0, 10), E::Truncated);
        row("cut in headers", good.substr(0, delim.size() + 20), E::Truncated);
        row("cut in content", good.substr(0, good.size() - 30), E::Truncated);
        row("no closing delimiter", good.substr(0, good.size() - delim.size() - 4), E::Truncated);
        row("closing delimiter without dashes", good.substr(0, good.size() - 4) + "\r\n", E::Truncated);
        row("data after the close", good + "more", E::TrailingData);
        row("junk after a delimiter",
            delim + "\r\nContent-Disposition: form-data; name=\"a\"\r\n\r\nx\r\n" + delim + "xx\r\n", E::BadBoundary);
        row("part without headers", delim + "\r\n\r\nvalue\r\n" + delim + "--\r\n", E::BadDisposition);
        row("part without disposition", delim + "\r\nContent-Type: text/plain\r\n\r\nv\r\n" + delim + "--",
            E::BadDisposition);
        row("disposition not form-data",
            delim + "\r\nContent-Disposition: attachment; name=\"a\"\r\n\r\nv\r\n" + delim + "--", E::BadDisposition);
        row("disposition without name",
            delim + "\r\nContent-Disposition: form-data; filename=\"a\"\r\n\r\nv\r\n" + delim + "--",
            E::BadDisposition);
        row("empty name", delim + "\r\nContent-Disposition: form-data; name=\"\"\r\n\r\nv\r\n" + delim + "--",
            E::BadDisposition);
        row("two names", delim + "\r\nContent-Disposition: form-data; name=a; name=b\r\n\r\nv\r\n" + delim + "--",
            E::BadDisposition);
        row("two dispositions",
            delim +
                "\r\nContent-Disposition: form-data; name=a\r\nContent-Disposition: "
                "form-data; name=b\r\n\r\nv\r\n" +
                delim + "--",
            E::BadDisposition);
        row("folded header",
            delim + "\r\nContent-Disposition: form-data; name=a\r\nX-Note: a\r\n b\r\n\r\nv\r\n" + delim + "--",
            E::BadHeader);
        row("header without colon", delim + "\r\nContent-Disposition form-data\r\n\r\nv\r\n" + delim + "--",
            E::BadHeader);
        row("bare LF in header", delim + "\r\nContent-Disposition: form-data; name=a\nX: y\r\n\r\nv\r\n" + delim + "--",
            E::BadHeader);
        row("NUL in header",
            delim + "\r\nContent-Disposition: form-data; name=a" + std::string(1, '\0') + "\r\n\r\nv\r\n" + delim +
                "--",
            E::BadHeader);
        row("oversized header",
            delim + "\r\nContent-Disposition: form-data; name=a\r\nX-Pad: " + std::string(9000, 'p') + "\r\n\r\nv\r\n" +
                delim + "--",
            E::HeaderTooLarge);
    }

    void malformedBodies()
    {
        QFETCH(QByteArray, body);
        QFETCH(MultipartParser::Error, error);
        MultipartParser parser;
        QVERIFY(!parser.parse(kContentType, body.toStdString()));
        QCOMPARE(parser.error(), error);
        QVERIFY(!parser.errorMessage().empty());
        QVERIFY(parser.parts().empty());
    }

    void limitsAreEnforced()
    {
        MultipartParser::Limits limits;
        limits.maxParts = 3;
        limits.maxFieldBytes = 8;
        limits.maxFileBytes = 16;
        limits.maxBodyBytes = 1000;

        MultipartParser parser(limits);
        QVERIFY(!parser.parse(kContentType, formBody({{"a", "1"}, {"b", "2"}, {"c", "3"}})));
        QCOMPARE(parser.error(), MultipartParser::Error::TooManyParts);
        QVERIFY(!parser.parse(kContentType, formBody({{"a", "123456789"}}, "")));
        QCOMPARE(parser.error(), MultipartParser::Error::FieldTooLarge);
        QVERIFY(parser.parse(kContentType, formBody({{"a", "12345678"}}, "f", std::string(16, 'x'))));
        QVERIFY(!parser.parse(kContentType, formBody({{"a", "1"}}, "f", std::string(17, 'x'))));
        QCOMPARE(parser.error(), MultipartParser::Error::FileTooLarge);
        QVERIFY(!parser.parse(kContentType, formBody({}, "f", std::string(1001, 'x'))));
        QCOMPARE(parser.error(), MultipartParser::Error::BodyTooLarge);
    }

    void clientFormValidates()
    {
        const RequestValidator::Result result = validateForm(formBody(clientFields()));
        QVERIFY2(result.request, qPrintable(result.message));
        const OptimizeRequest& r = *result.request;
        QCOMPARE(r.apiKey, QStringLiteral("demo"));
        QCOMPARE(r.level, OptimizeRequest::Level::Lossy);
        QCOMPARE(r.waitSeconds, 30);
        QVERIFY(!r.webp && !r.avif && !r.cmykToRgb && !r.keepExif && !r.removeBackground);
        QCOMPARE(r.resize, OptimizeRequest::Resize::None);
        QCOMPARE(r.upscale, 1);
        QCOMPARE(r.fileName, QStringLiteral("photo.jpg"));
        QCOMPARE(r.fileData, QByteArray("\xff\xd8jpeg"));
    }

    void allOptionsValidate()
    {
        auto fields = clientFields();
        fields[2].second = "0";
        fields.insert(fields.begin() + 4, {{"convertto", "+webp|+avif"},
                                           {"resize", "3"},
                                           {"resize_height", "600"},
                                           {"cmyk2rgb", "1"},
                                           {"upscale", "4"},
                                           {"keep_exif", "1"}});
        const RequestValidator::Result result = validateForm(formBody(fields));
        QVERIFY2(result.request, qPrintable(result.message));
        const OptimizeRequest& r = *result.request;
        QCOMPARE(r.level, OptimizeRequest::Level::Lossless);
        QVERIFY(r.webp && r.avif && r.cmykToRgb && r.keepExif);
        QCOMPARE(r.resize, OptimizeRequest::Resize::Contain);
        QCOMPARE(r.width, std::nullopt);
        QCOMPARE(r.height, 600);
        QCOMPARE(r.upscale, 4);
    }

    void waitIsClamped_data()
    {
        QTest::addColumn<QString>("wait");
        QTest::addColumn<int>("seconds");
        QTest::newRow("inside") << "7" << 7;
        QTest::newRow("negative") << "-5" << 0;
        QTest::newRow("too long") << "3600" << 30;
    }

    void waitIsClamped()
    {
        QFETCH(QString, wait);
        QFETCH(int, seconds);
        auto fields = clientFields();
        fields[3].second = wait.toStdString();
        QCOMPARE(validateForm(formBody(fields)).request->waitSeconds, seconds);
    }

    void badForms_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("message");
        auto with = [](std::vector<std::pair<std::string, std::string>> extra) {
            auto fields = clientFields();
            for (auto& f : extra) {
                bool replaced = false;
                for (auto& existing : fields) {
                    if (existing.first == f.first) {
                        existing.second = f.second;
                        replaced = true;
                    }
                }
                if (!replaced)
                    fields.push_back(f);
            }
            return QByteArray::fromStdString(formBody(fields));
        };
        QTest::newRow("no key") << QByteArray::fromStdString(formBody({{"lossy", "1"}}))
                                << "The request is missing the \"key\" field.";
        QTest::newRow("no file") << QByteArray::fromStdString(formBody(clientFields(), ""))
                                 << "The request is missing the image file \"file1\".";
        QTest::newRow("empty file") << QByteArray::fromStdString(formBody(clientFields(), "a.jpg", ""))
                                    << "The uploaded file is empty.";
        QTest::newRow("unknown field") << with({{"colour", "red"}}) << "The request has an unknown field \"colour\".";
        QTest::newRow("duplicate field") << QByteArray::fromStdString(formBody({{"key", "a"}, {"key", "b"}}))
                                         << "The field \"key\" is given more than once.";
        QTest::newRow("lossy 3") << with({{"lossy", "3"}})
                                 << "\"lossy\" must be 0 (lossless), 1 (lossy) or 2 (glossy).";
        QTest::newRow("lossy with space")
            << with({{"lossy", " 1"}}) << "\"lossy\" must be 0 (lossless), 1 (lossy) or 2 (glossy).";
        QTest::newRow("wait not a number") << with({{"wait", "soon"}}) << "\"wait\" must be a whole number of seconds.";
        QTest::newRow("convertto jpeg") << with({{"convertto", "+jpeg"}})
                                        << "\"convertto\" must be \"+webp\", \"+avif\" or \"+webp|+avif\".";
        QTest::newRow("resize 2") << with({{"resize", "2"}}) << "\"resize\" must be 1 (cover) or 3 (contain).";
        QTest::newRow("width without resize")
            << with({{"resize_width", "10"}}) << "\"resize_width\" is only allowed together with \"resize\".";
        QTest::newRow("width zero") << with({{"resize", "1"}, {"resize_width", "0"}})
                                    << "\"resize_width\" must be a whole number from 1 to 65535.";
        QTest::newRow("height huge") << with({{"resize", "1"}, {"resize_height", "99999999"}})
                                     << "\"resize_height\" must be a whole number from 1 to 65535.";
        QTest::newRow("upscale 1") << with({{"upscale", "1"}}) << "\"upscale\" must be 2, 3 or 4.";
        QTest::newRow("flag yes") << with({{"keep_exif", "yes"}}) << "\"keep_exif\" must be 0 or 1.";
        QTest::newRow("invalid UTF-8") << with({{"key", "\xff\xfe"}}) << "The field \"key\" is not valid UTF-8 text.";
    }

    void badForms()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, message);
        const RequestValidator::Result result = validateForm(body.toStdString());
        QVERIFY(!result.request);
        QCOMPARE(result.code, 400);
        QCOMPARE(result.message, message);
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
        QCOMPARE(request.header("host"), QByteArray("localhost:47800"));
        QCOMPARE(request.body, QByteArray("{\"key\":\"k\"}"));
        QVERIFY(request.keepAlive);

        // The pipelined second request was kept and completes from what is buffered.
        state = parser.feed(wire.mid(fed));
        QCOMPARE(state, HttpRequestParser::State::Complete);
        request = parser.takeRequest();
        QCOMPARE(request.method, QByteArray("GET"));
        QCOMPARE(request.target, QByteArray("/files/abc"));
        QVERIFY(!request.keepAlive);
        QVERIFY(request.body.isEmpty());
    }

    void badHttpRequests_data()
    {
        QTest::addColumn<QByteArray>("wire");
        QTest::addColumn<int>("status");
        QTest::newRow("garbage") << QByteArray("GARBAGE\r\n\r\n") << 400;
        QTest::newRow("absolute target") << QByteArray("GET http://x/ HTTP/1.1\r\n\r\n") << 400;
        QTest::newRow("space in target") << QByteArray("GET /a b HTTP/1.1\r\n\r\n") << 400;
        QTest::newRow("HTTP/2") << QByteArray("GET / HTTP/2.0\r\n\r\n") << 505;
        QTest::newRow("long target") << "GET /" + QByteArray(5000, 'a') + " HTTP/1.1\r\n\r\n" << 414;
        QTest::newRow("huge headers") << "GET / HTTP/1.1\r\nX: " + QByteArray(17 * 1024, 'a') << 431;
        QTest::newRow("bare LF") << QByteArray("GET / HTTP/1.1\nHost: x\r\n\r\n") << 400;
        QTest::newRow("folded header") << QByteArray("GET / HTTP/1.1\r\nA: b\r\n c\r\n\r\n") << 400;
        QTest::newRow("chunked") << QByteArray("POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n") << 411;
        QTest::newRow("negative length") << QByteArray("POST / HTTP/1.1\r\nContent-Length: -1\r\n\r\n") << 400;
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

    void clientPollValidates()
    {
        const QByteArray body = R"({"key":"demo","plugin_version":"MAC01","lossy":2,"wait":25,)"
                                R"("urllist":["https:\/\/localhost:47800\/o\/abc.jpg"],"convertto":"+avif",)"
                                R"("resize":1,"resize_width":800,"cmyk2rgb":1})";
        const RequestValidator::Result result = RequestValidator::fromPollJson(body);
        QVERIFY2(result.request, qPrintable(result.message));
        QCOMPARE(result.request->originalUrl, QStringLiteral("https://localhost:47800/o/abc.jpg"));
        QCOMPARE(result.request->level, OptimizeRequest::Level::Glossy);
        QCOMPARE(result.request->waitSeconds, 25);
        QVERIFY(result.request->avif && !result.request->webp && result.request->cmykToRgb);
        QCOMPARE(result.request->width, 800);
    }

    void badPolls_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QByteArray() << "The poll body must be a JSON object.";
        QTest::newRow("array") << QByteArray("[]") << "The poll body must be a JSON object.";
        QTest::newRow("truncated") << QByteArray(R"({"key":"demo")") << "The poll body must be a JSON object.";
        QTest::newRow("no urllist") << QByteArray(R"({"key":"demo"})") << "The poll request is missing \"urllist\".";
        QTest::newRow("no key") << QByteArray(R"({"urllist":["x"]})") << "The request is missing the \"key\" field.";
        QTest::newRow("two urls") << QByteArray(R"({"key":"k","urllist":["a","b"]})")
                                  << "\"urllist\" must be an array with exactly one address.";
        QTest::newRow("url not text") << QByteArray(R"({"key":"k","urllist":[1]})")
                                      << "\"urllist\" must be an array with exactly one address.";
        QTest::newRow("fraction") << QByteArray(R"({"key":"k","urllist":["a"],"lossy":1.5})")
                                  << "\"lossy\" must be a whole number.";
        QTest::newRow("bool") << QByteArray(R"({"key":"k","urllist":["a"],"cmyk2rgb":true})")
                              << "\"cmyk2rgb\" has the wrong type.";
        QTest::newRow("unknown member") << QByteArray(R"({"key":"k","urllist":["a"],"file1":"x"})")
                                        << "The request has an unknown member \"file1\".";
        QTest::newRow("too large") << QByteArray(70 * 1024, ' ') << "The poll request is too large.";
    }

    void badPolls()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, message);
        const RequestValidator::Result result = RequestValidator::fromPollJson(body);
        QVERIFY(!result.request);
        QCOMPARE(result.code, 400);
        QCOMPARE(result.message, message);
    }
};

QTEST_GUILESS_MAIN(TestServiceParsing)
#include "tst_service_parsing.moc"
