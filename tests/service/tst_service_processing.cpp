#include "ImageProcessor.h"
#include "TestImages.h"

#include <QTest>

namespace {

using Kind = ImageProcessor::Kind;

OptimizeRequest requestFor(OptimizeRequest::Level level)
{
    OptimizeRequest request;
    request.apiKey = QStringLiteral("k");
    request.level = level;
    return request;
}

const ImageProcessor::Output* find(const ImageProcessor::Result& result, Kind kind)
{
    for (const auto& output : result.outputs) {
        if (output.kind == kind)
            return &output;
    }
    return nullptr;
}

ImageProcessor::Result run(const QByteArray& data, const OptimizeRequest& request,
                           const ImageProcessor::Settings& settings = {})
{
    return ImageProcessor::process(data, request, settings);
}

} // namespace

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

    void lossyJpegIsSmallerAndStripped()
    {
        const auto result = run(m_photo, requestFor(OptimizeRequest::Level::Lossy));
        QVERIFY2(result.code == 2, qPrintable(result.message));
        QCOMPARE(result.originalExtension, QStringLiteral("jpg"));
        const auto* lossy = find(result, Kind::Lossy);
        const auto* lossless = find(result, Kind::Lossless);
        QVERIFY(lossy && lossless);
        QCOMPARE(lossy->extension, QStringLiteral("jpg"));
        QVERIFY(lossy->data.size() < m_photo.size());
        QVERIFY(lossy->data.size() < lossless->data.size());
        const auto info = TestImages::inspect(lossy->data);
        QCOMPARE(info.loader, QByteArray("jpegload_buffer"));
        QCOMPARE(QSize(info.width, info.height), QSize(640, 480));
        QVERIFY(!info.hasExif);
        QVERIFY(!TestImages::inspect(lossless->data).hasExif);
    }

    void glossyKeepsMoreThanLossy()
    {
        const auto lossy = run(m_photo, requestFor(OptimizeRequest::Level::Lossy));
        const auto glossy = run(m_photo, requestFor(OptimizeRequest::Level::Glossy));
        const QByteArray glossyData = find(glossy, Kind::Lossy)->data;
        QVERIFY(glossyData.size() > find(lossy, Kind::Lossy)->data.size());
        QVERIFY(*TestImages::maxPixelDifference(glossyData, m_photo) <
                *TestImages::maxPixelDifference(find(lossy, Kind::Lossy)->data, m_photo));
    }

    void losslessJpegKeepsEveryPixel()
    {
        const auto result = run(m_photo, requestFor(OptimizeRequest::Level::Lossless));
        QVERIFY2(result.code == 2, qPrintable(result.message));
        QVERIFY(!find(result, Kind::Lossy));
        const auto* lossless = find(result, Kind::Lossless);
        QVERIFY(lossless);
        QVERIFY(lossless->data.size() < m_photo.size());
        QCOMPARE(TestImages::maxPixelDifference(lossless->data, m_photo), 0.0);
        QVERIFY(!TestImages::inspect(lossless->data).hasExif);
    }

    void keepExifKeepsMetadata()
    {
        OptimizeRequest request = requestFor(OptimizeRequest::Level::Lossy);
        request.keepExif = true;
        const auto result = run(m_photo, request);
        QVERIFY(TestImages::inspect(find(result, Kind::Lossy)->data).hasExif);
        QVERIFY(TestImages::inspect(find(result, Kind::Lossless)->data).hasExif);
    }

    void transparentPng()
    {
        const QByteArray png = TestImages::transparentPng();
        for (auto level : {OptimizeRequest::Level::Lossy, OptimizeRequest::Level::Lossless}) {
            const auto result = run(png, requestFor(level));
            QVERIFY2(result.code == 2, qPrintable(result.message));
            const auto* out = find(result, level == OptimizeRequest::Level::Lossy ? Kind::Lossy : Kind::Lossless);
            QVERIFY(out);
            QCOMPARE(out->extension, QStringLiteral("png"));
            const auto info = TestImages::inspect(out->data);
            QCOMPARE(info.loader, QByteArray("pngload_buffer"));
            QVERIFY(info.hasAlpha);
            QVERIFY(out->data.size() < png.size());
            if (level == OptimizeRequest::Level::Lossless)
                QCOMPARE(TestImages::maxPixelDifference(out->data, png), 0.0);
        }
    }

    void cmykToSrgb()
    {
        const QByteArray cmyk = TestImages::cmykJpeg();
        QVERIFY(TestImages::inspect(cmyk).cmyk);

        OptimizeRequest request = requestFor(OptimizeRequest::Level::Lossy);
        request.cmykToRgb = true;
        const auto converted = run(cmyk, request);
        QCOMPARE(converted.code, 2);
        for (Kind kind : {Kind::Lossy, Kind::Lossless}) {
            const auto info = TestImages::inspect(find(converted, kind)->data);
            QVERIFY(!info.cmyk);
            QCOMPARE(info.bands, 3);
        }

        request.cmykToRgb = false;
        const auto kept = run(cmyk, request);
        QVERIFY(TestImages::inspect(find(kept, Kind::Lossless)->data).cmyk);
    }

    void fittedSizes_data()
    {
        QTest::addColumn<QSize>("input");
        QTest::addColumn<OptimizeRequest::Resize>("mode");
        QTest::addColumn<std::optional<int>>("width");
        QTest::addColumn<std::optional<int>>("height");
        QTest::addColumn<QSize>("expected");
        using R = OptimizeRequest::Resize;
        const std::optional<int> none;
        QTest::newRow("cover box") << QSize(400, 300) << R::Cover << std::optional(100) << std::optional(100)
                                   << QSize(133, 100);
        QTest::newRow("contain box") << QSize(400, 300) << R::Contain << std::optional(100) << std::optional(100)
                                     << QSize(100, 75);
        QTest::newRow("cover portrait") << QSize(300, 400) << R::Cover << std::optional(200) << std::optional(100)
                                        << QSize(200, 267);
        QTest::newRow("width only") << QSize(400, 300) << R::Contain << std::optional(200) << none << QSize(200, 150);
        QTest::newRow("height only") << QSize(400, 300) << R::Cover << none << std::optional(30) << QSize(40, 30);
        QTest::newRow("no sides") << QSize(400, 300) << R::Cover << none << none << QSize(400, 300);
        QTest::newRow("cover never enlarges")
            << QSize(400, 300) << R::Cover << std::optional(800) << std::optional(800) << QSize(400, 300);
        QTest::newRow("contain never enlarges")
            << QSize(400, 300) << R::Contain << std::optional(500) << std::optional(1000) << QSize(400, 300);
        QTest::newRow("tiny side stays one pixel")
            << QSize(4000, 10) << R::Contain << std::optional(10) << std::optional(10) << QSize(10, 1);
        QTest::newRow("no resize") << QSize(400, 300) << R::None << std::optional(10) << std::optional(10)
                                   << QSize(400, 300);
    }

    void fittedSizes()
    {
        QFETCH(QSize, input);
        QFETCH(OptimizeRequest::Resize, mode);
        QFETCH(std::optional<int>, width);
        QFETCH(std::optional<int>, height);
        QFETCH(QSize, expected);
        QCOMPARE(ImageProcessor::fittedSize(input, mode, width, height), expected);
    }

    void resizeAndUpscaleOnRealImages()
    {
        const QByteArray small = TestImages::photoJpeg(120, 80);
        OptimizeRequest request = requestFor(OptimizeRequest::Level::Lossy);
        request.resize = OptimizeRequest::Resize::Cover;
        request.width = 60;
        request.height = 60;
        auto result = run(small, request);
        auto info = TestImages::inspect(find(result, Kind::Lossy)->data);
        QCOMPARE(QSize(info.width, info.height), QSize(90, 60));
        // The lossless variant of a resized JPEG cannot be the original coefficients.
        info = TestImages::inspect(find(result, Kind::Lossless)->data);
        QCOMPARE(QSize(info.width, info.height), QSize(90, 60));

        request = requestFor(OptimizeRequest::Level::Lossless);
        request.upscale = 3;
        request.webp = true;
        result = run(small, request);
        QCOMPARE(QSize(result.width, result.height), QSize(360, 240));
        info = TestImages::inspect(find(result, Kind::Lossless)->data);
        QCOMPARE(QSize(info.width, info.height), QSize(360, 240));
        info = TestImages::inspect(find(result, Kind::WebPLossless)->data);
        QCOMPARE(QSize(info.width, info.height), QSize(360, 240));

        // Upscaled first, then fitted into the box without growing further.
        request.resize = OptimizeRequest::Resize::Contain;
        request.width = 300;
        request.height = 300;
        result = run(small, request);
        QCOMPARE(QSize(result.width, result.height), QSize(300, 200));
    }

    void companionsAreRealWebpAndAvif()
    {
        OptimizeRequest request = requestFor(OptimizeRequest::Level::Lossy);
        request.webp = true;
        request.avif = true;
        const auto result = run(TestImages::transparentPng(160, 120), request);
        QVERIFY2(result.code == 2, qPrintable(result.message));
        const auto* webp = find(result, Kind::WebPLossy);
        const auto* avif = find(result, Kind::AvifLossy);
        QVERIFY(webp && avif);
        QVERIFY(!find(result, Kind::WebPLossless) && !find(result, Kind::AvifLossless));
        QVERIFY(webp->data.startsWith("RIFF") && webp->data.mid(8, 4) == "WEBP");
        QCOMPARE(avif->data.mid(4, 8), QByteArray("ftypavif"));
        QCOMPARE(TestImages::inspect(webp->data).loader, QByteArray("webpload_buffer"));
        const auto avifInfo = TestImages::inspect(avif->data);
        QCOMPARE(avifInfo.loader, QByteArray("heifload_buffer"));
        QCOMPARE(QSize(avifInfo.width, avifInfo.height), QSize(160, 120));
        QVERIFY(avifInfo.hasAlpha);
    }

    void largerResultIsReplacedByTheOriginal()
    {
        // A file already squeezed harder than the service's own quality.
        const QByteArray squeezed = TestImages::photoJpeg(320, 240, 20, false);
        const auto result = run(squeezed, requestFor(OptimizeRequest::Level::Glossy));
        QVERIFY2(result.code == 2, qPrintable(result.message));
        QCOMPARE(find(result, Kind::Lossy)->data, squeezed);
        QVERIFY2(result.message.contains(QStringLiteral("original is returned unchanged")), qPrintable(result.message));
    }

    void otherFormats_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QByteArray>("loader");
        QTest::newRow("gif") << QByteArray("gif") << 1 << "gif" << QByteArray("gifload_buffer");
        QTest::newRow("animated gif") << QByteArray("gif") << 3 << "gif" << QByteArray("gifload_buffer");
        QTest::newRow("tiff") << QByteArray("tif") << 1 << "tif" << QByteArray("tiffload_buffer");
        QTest::newRow("bmp becomes png") << QByteArray("bmp") << 1 << "png" << QByteArray("pngload_buffer");
        QTest::newRow("webp") << QByteArray("webp") << 1 << "webp" << QByteArray("webpload_buffer");
        QTest::newRow("animated webp") << QByteArray("webp") << 3 << "webp" << QByteArray("webpload_buffer");
        QTest::newRow("heic") << QByteArray("heic") << 1 << "heic" << QByteArray("heifload_buffer");
        QTest::newRow("avif") << QByteArray("avif") << 1 << "avif" << QByteArray("heifload_buffer");
    }

    void otherFormats()
    {
        QFETCH(QByteArray, format);
        QFETCH(int, pages);
        QFETCH(QString, extension);
        QFETCH(QByteArray, loader);
        const QByteArray input = TestImages::photoAs(format, 160, 120, pages);
        for (auto level : {OptimizeRequest::Level::Lossy, OptimizeRequest::Level::Lossless}) {
            OptimizeRequest request = requestFor(level);
            request.webp = true;
            request.resize = OptimizeRequest::Resize::Contain;
            request.width = 80;
            const auto result = run(input, request);
            QVERIFY2(result.code == 2, qPrintable(result.message));
            const auto* main = find(result, level == OptimizeRequest::Level::Lossy ? Kind::Lossy : Kind::Lossless);
            QVERIFY(main);
            // Either the optimized file in the expected format, or the untouched original.
            if (main->data != input) {
                QCOMPARE(main->extension, extension);
                QCOMPARE(TestImages::inspect(main->data).loader, loader);
                QCOMPARE(TestImages::inspect(main->data).pages, pages);
            }
            const auto* webp =
                find(result, level == OptimizeRequest::Level::Lossy ? Kind::WebPLossy : Kind::WebPLossless);
            QVERIFY(webp);
            QCOMPARE(TestImages::inspect(webp->data).loader, QByteArray("webpload_buffer"));
            QCOMPARE(TestImages::inspect(webp->data).pages, pages);
            if (pages > 1) {
                // Frames are kept and not resized.
                QVERIFY(result.message.contains(QStringLiteral("not resized")));
                QCOMPARE(result.width, 160);
            } else {
                QCOMPARE(QSize(result.width, result.height), QSize(80, 60));
            }
        }
    }

    void refusedInputs_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QString unreadable = QStringLiteral("The file is not an image this service can read. Supported are "
                                                  "JPEG, PNG, GIF, TIFF, BMP, WebP and HEIC/HEIF.");
        QTest::newRow("text") << TestImages::notAnImage() << 415 << unreadable;
        QTest::newRow("svg") << QByteArray("<svg xmlns=\"urn:x-svg\" width=\"10\" height=\"10\"/>") << 415
                             << unreadable;
        QTest::newRow("jpeg header only") << m_photo.left(200) << 415
                                          << QStringLiteral("The image data is damaged or incomplete and cannot be "
                                                            "read.");
        QTest::newRow("truncated jpeg") << m_photo.left(m_photo.size() / 2) << 415
                                        << QStringLiteral("The image data is damaged or incomplete and cannot be "
                                                          "read.");
    }

    void refusedInputs()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, code);
        QFETCH(QString, message);
        const auto result = run(data, requestFor(OptimizeRequest::Level::Lossy));
        QCOMPARE(result.code, code);
        QCOMPARE(result.message, message);
        QVERIFY(result.outputs.isEmpty());
    }

    void pixelLimitRefusesBeforeDecoding()
    {
        ImageProcessor::Settings settings;
        settings.maxPixels = 640 * 480 - 1;
        auto result = run(m_photo, requestFor(OptimizeRequest::Level::Lossy), settings);
        QCOMPARE(result.code, 413);
        QCOMPARE(result.message,
                 QStringLiteral("The image is too large to process: 640×480 pixels, the limit is 0 megapixels."));

        settings.maxPixels = 1'000'000;
        OptimizeRequest request = requestFor(OptimizeRequest::Level::Lossy);
        request.upscale = 4;
        result = run(m_photo, request, settings);
        QCOMPARE(result.code, 413);
        QVERIFY(result.message.startsWith(QStringLiteral("The resized image would be too large: 2560×1920")));
    }

    void savingsPerLevel()
    {
        // Figures for the record, not a pass/fail threshold beyond "smaller".
        const QList<QPair<const char*, QByteArray>> inputs{{"photo.jpg", m_photo},
                                                           {"transparent.png", TestImages::transparentPng()},
                                                           {"cmyk.jpg", TestImages::cmykJpeg()}};
        for (const auto& [name, data] : inputs) {
            for (auto level :
                 {OptimizeRequest::Level::Lossy, OptimizeRequest::Level::Glossy, OptimizeRequest::Level::Lossless}) {
                OptimizeRequest request = requestFor(level);
                request.webp = true;
                request.avif = true;
                const auto result = run(data, request);
                const auto* main =
                    find(result, level == OptimizeRequest::Level::Lossless ? Kind::Lossless : Kind::Lossy);
                QVERIFY(main);
                QString line = QStringLiteral("%1 level %2: %3 -> %4")
                                   .arg(QLatin1String(name))
                                   .arg(int(level))
                                   .arg(data.size())
                                   .arg(main->data.size());
                for (const auto& output : result.outputs) {
                    if (output.kind != Kind::Lossy && output.kind != Kind::Lossless)
                        line += QStringLiteral(", %1 %2")
                                    .arg(ImageProcessor::kindName(output.kind))
                                    .arg(output.data.size());
                }
                qInfo().noquote() << line;
                QVERIFY(main->data.size() <= data.size());
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestServiceProcessing)
#include "tst_service_processing.moc"
