#include "APIMeta.h"
#include "MultipartFormData.h"
#include "OutputNames.h"
#include "TovalinError.h"

#include <QRegularExpression>
#include <QTest>

namespace {

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

// The bytes and texts the service sees or sends: the multipart body and the decoding of its replies;
// and the names its results are saved under.
class TestClientFormats : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void multipartBoundaryAndSize()
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
        QCOMPARE(a.data().size(), 51);
        MultipartFormData lossy;
        lossy.addField(QStringLiteral("lossy"), QStringLiteral("1"));
        QCOMPARE(lossy.data().size(), 100);
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

    void multipartWholeBody()
    {
        MultipartFormData form;
        form.addField(QStringLiteral("key"), QStringLiteral("k"));
        // A lone surrogate cannot be written as UTF-8: that piece is left out, the rest still goes in.
        form.addField(QStringLiteral("n"), QString(QChar(0xD800)));
        form.addFile(QStringLiteral("file1"), QStringLiteral("p.png"), QStringLiteral("image/png"), "PNG");
        form.close();
        const QByteArray expected = "--B\r\nContent-Disposition: form-data; name=\"key\"\r\n\r\nk\r\n"
                                    "--B\r\nContent-Disposition: form-data; name=\"n\"\r\n\r\n\r\n"
                                    "--B\r\nContent-Disposition: form-data; name=\"file1\"; filename=\"p.png\"\r\n"
                                    "Content-Type: image/png\r\n\r\nPNG\r\n--B--\r\n";
        QCOMPARE(form.takeData().replace(form.boundary().toUtf8(), "B"), expected);
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
        QCOMPARE(upper.optimized(QUrl(QStringLiteral("https://h/r/x.png"))) + QLatin1Char(' ') + upper.webp(),
                 QStringLiteral("noise.PNG-optimized.png noise.PNG.webp"));
        const OutputNames jpeg(QStringLiteral("/p/noise.jpg"), OutputNames::Naming::sourceName);
        QCOMPARE(
            QStringList({jpeg.optimized(QUrl(QStringLiteral("https://h/r/x"))), jpeg.avif(), jpeg.optimizedFallback()})
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
};

QTEST_GUILESS_MAIN(TestClientFormats)
#include "tst_clientformats.moc"
