#include "APIMeta.h"
#include "MultipartFormData.h"
#include "TovalinError.h"

#include <QRegularExpression>
#include <QTest>

#include <optional>

namespace {

// Bytes of a literal that may hold NUL, without its terminator.
template <qsizetype N>
QByteArray bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

} // namespace

// The bytes and texts the service sees or sends: the multipart body and the decoding of its replies.
class TestClientFormats : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void multipartClosedOnly()
    {
        MultipartFormData form;
        form.close();
        const QByteArray expected = "--" + form.boundary().toUtf8() + "--\r\n";
        QCOMPARE(form.data(), expected);
        QCOMPARE(form.data().size(), 51);
    }

    void multipartBoundaryAndContentType()
    {
        const MultipartFormData a;
        const MultipartFormData b;
        static const QRegularExpression shape(
            QStringLiteral("^Boundary-[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$"));
        QVERIFY2(shape.match(a.boundary()).hasMatch(), qPrintable(a.boundary()));
        QCOMPARE(a.boundary().size(), 45);
        QVERIFY(a.boundary() != b.boundary());
        QCOMPARE(a.contentType(), QStringLiteral("multipart/form-data; boundary=") + a.boundary());
        QCOMPARE(b.contentType(), QStringLiteral("multipart/form-data; boundary=") + b.boundary());
        QVERIFY(a.data().isEmpty());
    }

    void multipartField_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("expected"); // with B for the boundary

        QTest::newRow("lossy") << "lossy"
                               << "1"
                               << QByteArray("--B\r\nContent-Disposition: form-data; name=\"lossy\"\r\n\r\n1\r\n");
        QTest::newRow("empty value") << "key"
                                     << ""
                                     << QByteArray("--B\r\nContent-Disposition: form-data; name=\"key\"\r\n\r\n\r\n");
        QTest::newRow("crlf and quote verbatim")
            << "a\"b"
            << "x\r\ny\"z" << QByteArray("--B\r\nContent-Disposition: form-data; name=\"a\"b\"\r\n\r\nx\r\ny\"z\r\n");
        QTest::newRow("non-ascii as utf-8") << "n" << QStringLiteral("Zürich ×")
                                            << QByteArray("--B\r\nContent-Disposition: form-data; name=\"n\"\r\n\r\n"
                                                          "Z\xc3\xbcrich \xc3\x97\r\n");
        // A lone surrogate cannot be written as UTF-8: that piece is left out, the rest still goes in.
        QTest::newRow("unencodable value left out")
            << "n" << QString(QChar(0xD800))
            << QByteArray("--B\r\nContent-Disposition: form-data; name=\"n\"\r\n\r\n\r\n");
    }

    void multipartField()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QByteArray, expected);
        MultipartFormData form;
        form.addField(name, value);
        QCOMPARE(form.data(), expected.replace("--B\r\n", "--" + form.boundary().toUtf8() + "\r\n"));
    }

    void multipartLossyFieldIsHundredBytes()
    {
        MultipartFormData form;
        form.addField(QStringLiteral("lossy"), QStringLiteral("1"));
        QCOMPARE(form.data().size(), 100);
    }

    void multipartFile_data()
    {
        QTest::addColumn<QString>("filename");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("zero bytes") << "a.jpg" << QByteArray()
                                    << QByteArray("--B\r\nContent-Disposition: form-data; name=\"file1\"; "
                                                  "filename=\"a.jpg\"\r\nContent-Type: image/jpeg\r\n\r\n\r\n");
        QTest::newRow("binary content")
            << "a b.jpg" << bytes("\xff\xd8\x00\r\n--B--\r\n")
            << bytes("--B\r\nContent-Disposition: form-data; name=\"file1\"; filename=\"a b.jpg\"\r\n"
                     "Content-Type: image/jpeg\r\n\r\n\xff\xd8\x00\r\n--B--\r\n\r\n");
        QTest::newRow("quote and crlf in name")
            << "x\"\r\n.jpg" << QByteArray("1")
            << QByteArray("--B\r\nContent-Disposition: form-data; name=\"file1\"; filename=\"x\"\r\n.jpg\"\r\n"
                          "Content-Type: image/jpeg\r\n\r\n1\r\n");
        QTest::newRow("non-ascii file name raw")
            << QStringLiteral("été.jpg") << QByteArray("1")
            << QByteArray(
                   "--B\r\nContent-Disposition: form-data; name=\"file1\"; filename=\"\xc3\xa9t\xc3\xa9.jpg\"\r\n"
                   "Content-Type: image/jpeg\r\n\r\n1\r\n");
    }

    void multipartFile()
    {
        QFETCH(QString, filename);
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, expected);
        MultipartFormData form;
        form.reserve(content.size() + 200);
        form.addFile(QStringLiteral("file1"), filename, QStringLiteral("image/jpeg"), content);
        // Only the delimiter line is the boundary: content is written as is, even when it looks like one.
        const QByteArray delimiter = "--" + form.boundary().toUtf8() + "\r\n";
        QVERIFY(form.data().startsWith(delimiter));
        QCOMPARE(form.data().mid(delimiter.size()), expected.mid(5));
    }

    void multipartWholeBodyOrder()
    {
        MultipartFormData form;
        form.addField(QStringLiteral("key"), QStringLiteral("k"));
        form.addFile(QStringLiteral("file1"), QStringLiteral("p.png"), QStringLiteral("image/png"), "PNG");
        form.close();
        const QByteArray b = form.boundary().toUtf8();
        const QByteArray expected = "--" + b + "\r\nContent-Disposition: form-data; name=\"key\"\r\n\r\nk\r\n" + "--" +
                                    b +
                                    "\r\nContent-Disposition: form-data; name=\"file1\"; filename=\"p.png\"\r\n"
                                    "Content-Type: image/png\r\n\r\nPNG\r\n" +
                                    "--" + b + "--\r\n";
        QCOMPARE(form.data(), expected);
        // Closing is not remembered: a second close writes a second closing line.
        form.close();
        QVERIFY(form.data().endsWith("--" + b + "--\r\n--" + b + "--\r\n"));
        const QByteArray taken = form.takeData();
        QVERIFY(taken.startsWith(expected));
        QVERIFY(form.data().isEmpty());
    }

    void decoding_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("error"); // empty: decodes
        QTest::addColumn<QString>("code");  // Status.Code, or "-" for no Status
        QTest::addColumn<qint64>("codeInt");
        QTest::addColumn<QString>("lossyURL"); // "-" for absent

        const QString noStatus = QStringLiteral("-");
        const QString absent = QStringLiteral("-");
        const QString unexpected = QStringLiteral("Unexpected API response: ");

        QTest::newRow("zero bytes") << QByteArray() << "Tovalin did not return any data." << noStatus << 0LL << absent;
        QTest::newRow("one space") << QByteArray(" ") << unexpected + " " << noStatus << 0LL << absent;
        QTest::newRow("empty array") << QByteArray("[]") << unexpected + "[]" << noStatus << 0LL << absent;
        QTest::newRow("empty object") << QByteArray("{}") << QString() << noStatus << 0LL << absent;
        QTest::newRow("code as number") << QByteArray(R"({"Status":{"Code":2,"Message":"ok"}})") << QString() << "2"
                                        << 2LL << absent;
        QTest::newRow("code as text") << QByteArray(R"({"Status":{"Code":"2","Message":"ok"}})") << QString() << "2"
                                      << 2LL << absent;
        QTest::newRow("negative number") << QByteArray(R"({"Status":{"Code":-102,"Message":"m"}})") << QString()
                                         << "-102" << -102LL << absent;
        QTest::newRow("whole number with fraction")
            << QByteArray(R"({"Status":{"Code":2.0,"Message":"m"}})") << QString() << "2" << 2LL << absent;
        QTest::newRow("non-integral number")
            << QByteArray(R"({"Status":{"Code":2.5,"Message":"m"}})")
            << unexpected + R"({"Status":{"Code":2.5,"Message":"m"}})" << noStatus << 0LL << absent;
        QTest::newRow("399 passes") << QByteArray(R"({"Status":{"Code":399,"Message":"m"}})") << QString() << "399"
                                    << 399LL << absent;
        QTest::newRow("400 fails") << QByteArray(R"({"Status":{"Code":400,"Message":"Bad key"}})") << "Bad key"
                                   << noStatus << 0LL << absent;
        QTest::newRow("400 as text fails")
            << QByteArray(R"({"Status":{"Code":"400","Message":"Bad key"}})") << "Bad key" << noStatus << 0LL << absent;
        QTest::newRow("empty message shown empty")
            << QByteArray(R"({"Status":{"Code":"500","Message":""}})") << "" << noStatus << 0LL << absent;
        QTest::newRow("abc passes") << QByteArray(R"({"Status":{"Code":"abc","Message":"m"}})") << QString() << "abc"
                                    << 0LL << absent;
        QTest::newRow("plus sign") << QByteArray(R"({"Status":{"Code":"+401","Message":"m"}})") << "m" << noStatus
                                   << 0LL << absent;
        QTest::newRow("inner space") << QByteArray(R"({"Status":{"Code":"4 01","Message":"m"}})") << QString() << "4 01"
                                     << 0LL << absent;
        QTest::newRow("beyond 64 bits") << QByteArray(R"({"Status":{"Code":"99999999999999999999","Message":"m"}})")
                                        << QString() << "99999999999999999999" << 0LL << absent;
        QTest::newRow("lowest 64-bit") << QByteArray(R"({"Status":{"Code":"-9223372036854775808","Message":"m"}})")
                                       << QString() << "-9223372036854775808" << std::numeric_limits<qint64>::min()
                                       << absent;
        QTest::newRow("status without message") << QByteArray(R"({"Status":{"Code":2}})")
                                                << unexpected + R"({"Status":{"Code":2}})" << noStatus << 0LL << absent;
        QTest::newRow("code boolean") << QByteArray(R"({"Status":{"Code":true,"Message":"m"}})")
                                      << unexpected + R"({"Status":{"Code":true,"Message":"m"}})" << noStatus << 0LL
                                      << absent;
        QTest::newRow("status null") << QByteArray("{\"Status\":null,\"LossyURL\":\"https:\\/\\/h\\/a.jpg\"}")
                                     << QString() << noStatus << 0LL << "https://h/a.jpg";
        QTest::newRow("status not an object")
            << QByteArray(R"({"Status":"2"})") << unexpected + R"({"Status":"2"})" << noStatus << 0LL << absent;
        QTest::newRow("url null") << QByteArray(R"({"LossyURL":null})") << QString() << noStatus << 0LL << absent;
        QTest::newRow("url number") << QByteArray(R"({"LossyURL":3})") << unexpected + R"({"LossyURL":3})" << noStatus
                                    << 0LL << absent;
        QTest::newRow("url empty text") << QByteArray(R"({"LossyURL":""})") << QString() << noStatus << 0LL << "";
        QTest::newRow("unknown members ignored")
            << QByteArray(R"({"Other":[1,2],"LossyURL":"u"})") << QString() << noStatus << 0LL << "u";
        QTest::newRow("only first element") << QByteArray(R"([{"Status":{"Code":1,"Message":"a"},"LossyURL":"first"},)"
                                                          R"({"Status":{"Code":500,"Message":"b"}}])")
                                            << QString() << "1" << 1LL << "first";
        QTest::newRow("first element fails")
            << QByteArray(R"([{"Status":{"Code":500,"Message":"first fails"}},{"Status":{"Code":1,"Message":"b"}}])")
            << "first fails" << noStatus << 0LL << absent;
        QTest::newRow("unreadable element") << QByteArray(R"([{"LossyURL":"u"},3])")
                                            << unexpected + R"([{"LossyURL":"u"},3])" << noStatus << 0LL << absent;
        QTest::newRow("wrongly typed second element")
            << QByteArray(R"([{"LossyURL":"u"},{"LossyURL":false}])")
            << unexpected + R"([{"LossyURL":"u"},{"LossyURL":false}])" << noStatus << 0LL << absent;
        QTest::newRow("top-level string") << QByteArray(R"("x")") << unexpected + R"("x")" << noStatus << 0LL << absent;
        QTest::newRow("html error page") << QByteArray("<html>502</html>") << unexpected + "<html>502</html>"
                                         << noStatus << 0LL << absent;
    }

    void decoding()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, error);
        QFETCH(QString, code);
        QFETCH(qint64, codeInt);
        QFETCH(QString, lossyURL);
        try {
            const APIMeta meta = decodeMeta(body);
            QVERIFY2(error.isNull(), qPrintable(QStringLiteral("expected failure: ") + error));
            if (code == QLatin1String("-")) {
                QVERIFY(!meta.Status.has_value());
            } else {
                QVERIFY(meta.Status.has_value());
                QCOMPARE(meta.Status->Code, code);
                QCOMPARE(meta.Status->codeInt(), codeInt);
            }
            QCOMPARE(statusCode(meta), codeInt);
            if (lossyURL == QLatin1String("-")) {
                QVERIFY(!meta.LossyURL.has_value());
            } else {
                QCOMPARE(meta.LossyURL, std::optional<QString>(lossyURL));
            }
        } catch (const TovalinError& e) {
            QVERIFY2(!error.isNull(), qPrintable(QStringLiteral("unexpected failure: ") + e.description()));
            QCOMPARE(e.description(), error);
            QCOMPARE(e.kind(), body.isEmpty() ? TovalinError::Kind::emptyResponse : TovalinError::Kind::api);
        }
    }

    void decodingEmptyObjectHasNoFields()
    {
        const APIMeta meta = decodeMeta("{}");
        QVERIFY(!meta.Status && !meta.Message && !meta.OriginalURL && !meta.LossyURL && !meta.LosslessURL &&
                !meta.WebPLossyURL && !meta.WebPLosslessURL && !meta.AVIFLossyURL && !meta.AVIFLosslessURL);
        const APIMeta full = decodeMeta(R"({"Message":"m","OriginalURL":"o","LossyURL":"a","LosslessURL":"b",)"
                                        R"("WebPLossyURL":"c","WebPLosslessURL":"d","AVIFLossyURL":"e",)"
                                        R"("AVIFLosslessURL":"f"})");
        QCOMPARE(full.Message.value_or(QString()), QStringLiteral("m"));
        QCOMPARE(full.OriginalURL.value_or(QString()), QStringLiteral("o"));
        QCOMPARE(full.LosslessURL.value_or(QString()), QStringLiteral("b"));
        QCOMPARE(full.WebPLossyURL.value_or(QString()), QStringLiteral("c"));
        QCOMPARE(full.WebPLosslessURL.value_or(QString()), QStringLiteral("d"));
        QCOMPARE(full.AVIFLossyURL.value_or(QString()), QStringLiteral("e"));
        QCOMPARE(full.AVIFLosslessURL.value_or(QString()), QStringLiteral("f"));
    }

    void decodingSample_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("sample");

        const QByteArray long200 = QByteArray(200, 'a');
        QTest::newRow("longer than 180") << long200 << QString(180, QLatin1Char('a'));
        QTest::newRow("exactly 180") << QByteArray(180, 'b') << QString(180, QLatin1Char('b'));
        // 179 ASCII bytes then "é" (2 bytes): the 180-byte cut lands inside the character.
        QTest::newRow("cut inside a character") << QByteArray(179, 'c') + "\xc3\xa9 and more"
                                                << "(binary)";
        QTest::newRow("character ends at 180")
            << QByteArray(178, 'd') + "\xc3\xa9 more" << QString(178, QLatin1Char('d')) + QStringLiteral("é");
        QTest::newRow("invalid utf-8") << QByteArray("\xff\xfe garbage") << "(binary)";
        QTest::newRow("multi-byte text") << QByteArray("\xe2\x80\xa6 nope") << QStringLiteral("… nope");
    }

    void decodingSample()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, sample);
        try {
            decodeMeta(body);
            QFAIL("decoded");
        } catch (const TovalinError& e) {
            QCOMPARE(e.kind(), TovalinError::Kind::api);
            QCOMPARE(e.description(), QStringLiteral("Unexpected API response: ") + sample);
        }
    }

    void throwIfAPIErrorByCode()
    {
        APIMeta meta;
        throwIfAPIError(meta); // no Status: nothing
        meta.Status = APIMeta::Status::fromJson(
            QJsonObject{{QStringLiteral("Code"), -102}, {QStringLiteral("Message"), QStringLiteral("neg")}});
        QVERIFY(meta.Status);
        throwIfAPIError(meta);
        meta.Status->Code = QStringLiteral("400");
        QVERIFY_THROWS_EXCEPTION(TovalinError, throwIfAPIError(meta));
    }

    void errorTexts()
    {
        QCOMPARE(TovalinError::emptyResponse().description(), QStringLiteral("Tovalin did not return any data."));
        QCOMPARE(TovalinError::missingDownloadURL().description(),
                 QStringLiteral("No download URL returned for this configuration."));
        QCOMPARE(TovalinError::writeFailed().description(), QStringLiteral("Could not save the optimized file."));
        QCOMPARE(TovalinError::api(QStringLiteral("x")).description(), QStringLiteral("x"));
        QCOMPARE(TovalinError::downloadFailed(404).description(),
                 QStringLiteral("Could not download the optimized file (HTTP status 404)."));
        QCOMPARE(TovalinError::downloadFailed(std::nullopt).description(),
                 QStringLiteral("Could not download the optimized file (empty response)."));
        QVERIFY(!TovalinError::writeFailed().isCancellation());
    }
};

QTEST_GUILESS_MAIN(TestClientFormats)
#include "tst_clientformats.moc"
