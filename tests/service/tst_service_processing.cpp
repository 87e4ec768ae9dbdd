#include "ImageProcessor.h"
#include "TestImages.h"

#include <QRegularExpression>
#include <QTest>

namespace {

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

ImageProcessor::Result run(const QByteArray& data, const OptimizeRequest& request)
{
    return ImageProcessor::process(data, request, {});
}

const ImageProcessor::Output* find(const ImageProcessor::Result& result, Kind kind)
{
    for (const auto& output : result.outputs) {
        if (output.kind == kind)
            return &output;
    }
    return nullptr;
}

} // namespace

Q_DECLARE_METATYPE(OptimizeRequest::Level)
Q_DECLARE_METATYPE(OptimizeRequest::Resize)
Q_DECLARE_METATYPE(std::optional<int>)

class TestServiceProcessing : public QObject
{
    Q_OBJECT

    QByteArray m_photo;

private Q_SLOTS:
    void initTestCase()
    {
        TestImages::initVips();
        m_photo = TestImages::photoJpeg();
        QVERIFY(TestImages::inspect(m_photo).hasExif);
    }

    // Every level on each kind of image, with both companions; prints the savings of record.
    void levels_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<Level>("level");
        QTest::addColumn<bool>("keepExif");
        QTest::addColumn<bool>("cmykToRgb");
        const QByteArray cmyk = TestImages::cmykJpeg();
        for (const auto& [name, data] :
             {std::pair{"photo.jpg", m_photo}, std::pair{"transparent.png", TestImages::transparentPng()},
              std::pair{"cmyk.jpg", cmyk}}) {
            for (Level level : {Level::Lossy, Level::Glossy, Level::Lossless})
                QTest::addRow("%s level %d", name, int(level)) << data << level << false << false;
        }
        QTest::newRow("photo.jpg level 1 keep_exif") << m_photo << Level::Lossy << true << false;
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
        QVERIFY2(result.code == 2, qPrintable(result.message));
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
        // A lossless request gets no lossy main variant; companions come at the level asked for, except
        // that a lossless companion that would grow the file gives way to a high-quality lossy one.
        const QString pattern = lossless ? QStringLiteral("^Lossless WebPLoss(y|less) AVIFLoss(y|less)$")
                                         : QStringLiteral("^Lossy Lossless WebPLossy AVIFLossy$");
        QVERIFY2(QRegularExpression(pattern).match(kinds.join(QLatin1Char(' '))).hasMatch(),
                 qPrintable(kinds.join(' ')));
        if (lossless && kinds.filter(QStringLiteral("Lossless")).size() < 3)
            QVERIFY(result.message.contains(QLatin1String("would be larger than the original")));
        const auto source = TestImages::inspect(input);
        for (const auto& output : result.outputs) {
            QVERIFY((cmykToRgb && &output != main) || output.data.size() < input.size());
            const auto info = TestImages::inspect(output.data);
            QCOMPARE(info.loader, TestImages::loaderFor(output.extension));
            QCOMPARE(QSize(info.width, info.height), QSize(source.width, source.height));
            QCOMPARE(info.hasAlpha, source.hasAlpha);
            if (output.extension == QLatin1String("avif"))
                QCOMPARE(output.data.mid(4, 8), QByteArray("ftypavif"));
            if (output.kind == Kind::Lossy || output.kind == Kind::Lossless) {
                QCOMPARE(output.extension, result.originalExtension);
                QCOMPARE(info.hasExif, source.hasExif && keepExif);
                QCOMPARE(info.cmyk, source.cmyk && !cmykToRgb);
                QCOMPARE(info.bands, source.cmyk && cmykToRgb ? 3 : source.bands);
            }
        }
        if (lossless && !cmykToRgb)
            QCOMPARE(TestImages::maxPixelDifference(main->data, input), 0.0);
        if (!lossless)
            QVERIFY(main->data.size() < find(result, Kind::Lossless)->data.size());
        if (level == Level::Glossy && main->extension == QLatin1String("jpg")) {
            // Glossy JPEG spends more bytes than Lossy and stays closer to the original for them.
            const QByteArray lossy = find(run(input, requestFor(Level::Lossy)), Kind::Lossy)->data;
            QVERIFY(main->data.size() > lossy.size());
            QVERIFY(*TestImages::maxPixelDifference(main->data, input) < *TestImages::maxPixelDifference(lossy, input));
        }
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
        row("cover box", {400, 300}, Resize::Cover, 100, 100, {133, 100});
        row("contain box", {400, 300}, Resize::Contain, 100, 100, {100, 75});
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
        // A file already squeezed harder than the service's own quality.
        const QByteArray squeezed = TestImages::photoJpeg(320, 240, 20, false);
        const auto result = run(squeezed, requestFor(Level::Glossy));
        QVERIFY2(result.code == 2, qPrintable(result.message));
        QCOMPARE(find(result, Kind::Lossy)->data, squeezed);
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
            QVERIFY2(result.code == 2, qPrintable(result.message));
            QCOMPARE(QSize(result.width, result.height), expected);
            QCOMPARE(result.message.contains(QStringLiteral("not resized")), pages > 1);
            // A companion that would only grow an image left at its size is not offered.
            const bool companionDropped = result.message.contains(QStringLiteral("No WebP version is offered"));
            QVERIFY(!companionDropped || QSize(result.width, result.height) == QSize(160, 120));
            QCOMPARE(result.outputs.size(), (level == Level::Lossy ? 3 : 2) - (companionDropped ? 1 : 0));
            for (const auto& output : result.outputs) {
                if (output.data == input)
                    continue; // the untouched original, where optimizing did not make it smaller
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
        const auto result = ImageProcessor::process(data, request, {maxPixels});
        QCOMPARE(QStringLiteral("%1 %2").arg(result.code).arg(result.message), refusal);
        QVERIFY(result.outputs.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestServiceProcessing)
#include "tst_service_processing.moc"
