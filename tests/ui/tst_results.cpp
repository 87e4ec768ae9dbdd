// Seeing results in the real window (offscreen), with real images made by libvips: every kind of output
// decoded, the similarity measure, the comparison of a done job (zoom and pan in step, the measure off
// the main thread, AVIF shown), the rows' thumbnails (asked for the rows on screen only, kept within a
// budget), and each saved file opened or shown in its folder from the row's menu.

#include "imaging/ImageDecoder.h"
#include "imaging/Similarity.h"
#include "imaging/ThumbnailCache.h"
#include "queue/AppViewModel.h"
#include "queue/JobListModel.h"
#include "queue/SizeText.h"
#include "tests/support/ScriptedOptimizer.h"
#include "tests/support/TempTree.h"
#include "ui/CompareCanvas.h"
#include "ui/CompareWindow.h"
#include "ui/ContentView.h"
#include "ui/FileManager.h"
#include "ui/JobListView.h"
#include "ui/JobRowDelegate.h"
#include "ui/MainWindow.h"
#include "ui/PathText.h"
#include "ui/SegmentedControl.h"
#include "ui/Theme.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDBusConnection>
#include <QLabel>
#include <QMenu>
#include <QMutex>
#include <QProcess>
#include <QScrollBar>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QToolButton>
#include <QWheelEvent>

#include <memory>
#include <vips/vips8>

using vips::VImage;

namespace {

// A photo-like picture: gradients in three directions, waves and grain, as codecs meet in photos.
VImage photo(int width, int height)
{
    const VImage xy = VImage::xyz(width, height);
    const VImage x = xy[0];
    const VImage y = xy[1];
    const VImage r = x * (200.0 / width) + (x * 0.07).sin() * 20 + 20;
    const VImage g = y * (180.0 / height) + (y * 0.05).cos() * 25 + 30;
    const VImage b = (x + y) * (160.0 / (width + height)) + ((x + y) * 0.03).sin() * 30 + 40;
    const VImage noise = VImage::gaussnoise(width, height, VImage::option()->set("sigma", 6.0));
    const VImage image = VImage::bandjoin({r + noise, g + noise * 0.8, b + noise * 1.2});
    return image.cast(VIPS_FORMAT_UCHAR).copy(VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
}

// Saves `image` as the file's extension says, with the saver's options.
QString save(const VImage& image, const QString& path, vips::VOption* options = nullptr)
{
    image.write_to_file(path.toLocal8Bit().constData(), options);
    return path;
}

QList<DownloadedFile> savedFiles(const QList<std::pair<OutputKind, QString>>& kindsAndPaths)
{
    QList<DownloadedFile> files;
    for (const auto& [kind, path] : kindsAndPaths) {
        files.append(DownloadedFile(kind, QUrl::fromLocalFile(path), QFileInfo(path).size()));
    }
    return files;
}

// Decoding, measuring and making thumbnails happen on other threads, which on a busy machine and under
// the sanitizers take seconds; a wait gives them this long, and costs nothing when they come sooner.
constexpr int slowWork = 30000;

// The largest difference of any channel between two colors.
int difference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

} // namespace

// A file manager on a private session bus: remembers what it was asked to show.
class FileManagerService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QStringList shown;

public Q_SLOTS:
    void ShowItems(const QStringList& uris, const QString& startupId)
    {
        Q_UNUSED(startupId);
        shown += uris;
    }
};

class TestResults : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempTree> m_tree;
    std::unique_ptr<ScriptedOptimizer> m_service;
    std::unique_ptr<AppViewModel> m_model;
    std::unique_ptr<MainWindow> m_window;

    JobListView* list() const { return m_window->findChild<JobListView*>(QStringLiteral("jobsList")); }
    QRect rowRect(int row) const { return list()->visualRect(list()->model()->index(row, 0)); }

    // A done job for `source` with these saved files.
    void queueDone(const QString& source, const QList<DownloadedFile>& files)
    {
        m_model->addFiles({QUrl::fromLocalFile(source)});
        const QUuid id = m_model->jobs().constLast().id;
        m_model->jobModel()->update(id, [&](ImageJob& job) {
            job.status = JobStatus::succeeded;
            job.downloads = files;
            job.originalSize = QFileInfo(source).size();
        });
    }

    // The comparison of the photo with its JPEG and AVIF, opened as the user opens it.
    CompareWindow* openCompare()
    {
        const QString source = save(photo(640, 480), m_tree->path(QStringLiteral("harbour.png")));
        const QString jpeg = save(photo(640, 480), m_tree->path(QStringLiteral("harbour-optimized.jpg")),
                                  VImage::option()->set("Q", 60));
        const QString avif =
            save(photo(640, 480), m_tree->path(QStringLiteral("harbour.avif")),
                 VImage::option()->set("Q", 40)->set("compression", VIPS_FOREIGN_HEIF_COMPRESSION_AV1));
        queueDone(source, savedFiles({{OutputKind::optimized, jpeg}, {OutputKind::avif, avif}}));
        // As the desktop delivers a double-click: a click, then a press that is the second click.
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rowRect(0).center());
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, rowRect(0).center());
        CompareWindow* compare = m_window->contentView()->compareWindow();
        return compare != nullptr && QTest::qWaitForWindowExposed(compare, slowWork) ? compare : nullptr;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (VIPS_INIT("tst_results") != 0) {
            QFAIL("libvips could not start");
        }
    }

    void init()
    {
        m_tree = std::make_unique<TempTree>();
        m_service = std::make_unique<ScriptedOptimizer>();
        m_model = std::make_unique<AppViewModel>(
            std::make_shared<SettingsStore>(m_tree->path(QStringLiteral("settings.ini"))), m_service->optimizer());
        m_window = std::make_unique<MainWindow>(m_model.get());
        m_window->resize(1100, 720);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get(), slowWork));
    }

    void cleanup()
    {
        m_window.reset();
        m_model.reset();
        m_service.reset();
        m_tree.reset();
    }

    // Every kind of file the program reads or writes comes out upright, in sRGB, in the colors it holds;
    // a screen-sized preview fits its box; transparency is kept, premultiplied.
    void everyKindIsDecoded_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("JPEG") << "photo.jpg";
        QTest::newRow("PNG") << "photo.png";
        QTest::newRow("WebP") << "photo.webp";
        QTest::newRow("AVIF") << "photo.avif";
        QTest::newRow("HEIC") << "photo.heic";
        QTest::newRow("TIFF") << "photo.tif";
    }

    void everyKindIsDecoded()
    {
        QFETCH(QString, name);
        const VImage picture = photo(300, 200);
        const bool avif = name.endsWith(QLatin1String(".avif"));
        const QString path =
            save(picture, m_tree->path(name),
                 avif ? VImage::option()->set("compression", VIPS_FOREIGN_HEIF_COMPRESSION_AV1) : nullptr);
        QString error;
        const QList<QImage> levels = ImageDecoder::levels(path, QSize(100, 100), &error);
        QVERIFY2(!levels.isEmpty(), qPrintable(error));
        QCOMPARE(levels.at(0).size(), QSize(300, 200));
        QCOMPARE(levels.constLast().size(), QSize(75, 50));
        QCOMPARE(levels.at(0).format(), QImage::Format_RGB32);
        QCOMPARE(ImageDecoder::sizeOf(path), QSize(300, 200));
        // The middle pixel as it was made (lossy formats stay near it).
        std::size_t length = 0;
        const auto* made = static_cast<const unsigned char*>(picture.crop(150, 100, 1, 1).write_to_memory(&length));
        const QRgb expected = qRgb(made[0], made[1], made[2]);
        g_free(const_cast<unsigned char*>(made));
        QVERIFY2(
            difference(levels.at(0).pixel(150, 100), expected) <= 40,
            qPrintable(QColor(levels.at(0).pixel(150, 100)).name() + QStringLiteral(" vs ") + QColor(expected).name()));
        const QImage preview = ImageDecoder::scaled(path, QSize(90, 90));
        QCOMPARE(preview.size(), QSize(90, 60));
    }

    void orientationTransparencyAndDamage()
    {
        // A camera's portrait: stored sideways, tagged to be turned a quarter.
        VImage sideways = photo(120, 80).copy();
        sideways.set(VIPS_META_ORIENTATION, 6);
        const QString portrait = save(sideways, m_tree->path(QStringLiteral("portrait.jpg")));
        QCOMPARE(ImageDecoder::sizeOf(portrait), QSize(80, 120));
        QCOMPARE(ImageDecoder::levels(portrait, QSize(1000, 1000)).at(0).size(), QSize(80, 120));
        QCOMPARE(ImageDecoder::scaled(portrait, QSize(40, 40)).size(), QSize(27, 40));

        // Half transparent red stays red at half strength, premultiplied.
        const VImage red = VImage::black(64, 64)
                               .new_from_image({255, 0, 0, 128})
                               .copy(VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
        const QString png = save(red, m_tree->path(QStringLiteral("glass.png")));
        const QImage glass = ImageDecoder::levels(png, QSize(64, 64)).at(0);
        QCOMPARE(glass.format(), QImage::Format_ARGB32_Premultiplied);
        QVERIFY(difference(glass.pixel(10, 10), qRgb(128, 0, 0)) <= 1);
        QCOMPARE(qAlpha(glass.pixel(10, 10)), 128);

        QString error;
        const QString broken = m_tree->writeFile(QStringLiteral("broken.jpg"), "\xFF\xD8not a picture");
        QVERIFY(ImageDecoder::levels(broken, QSize(10, 10), &error).isEmpty());
        QCOMPARE(error, QStringLiteral("The image could not be read."));
        QVERIFY(ImageDecoder::scaled(m_tree->path(QStringLiteral("missing.png")), QSize(10, 10)).isNull());
        QVERIFY(!ImageDecoder::sizeOf(broken).isValid());
    }

    // The measure: 1 for the same picture, lower the more is lost, also for a color that turns while its
    // brightness stays, and for a result of another size against its source at that size.
    void similarityFollowsWhatIsLost()
    {
        const VImage picture = photo(320, 240);
        const auto decoded = [this, &picture](const QString& name, vips::VOption* options = nullptr) {
            return ImageDecoder::levels(save(picture, m_tree->path(name), options), QSize(1, 1)).at(0);
        };
        const QImage original = decoded(QStringLiteral("o.png"));
        const double same = *Similarity::ssim(original, original);
        const double fine =
            *Similarity::ssim(original, decoded(QStringLiteral("q90.jpg"), VImage::option()->set("Q", 90)));
        const double coarse =
            *Similarity::ssim(original, decoded(QStringLiteral("q10.jpg"), VImage::option()->set("Q", 10)));
        QCOMPARE(same, 1.0);
        QVERIFY2(1.0 > fine && fine > coarse && coarse > 0.2,
                 qPrintable(QStringLiteral("%1 %2").arg(fine).arg(coarse)));
        const double half =
            *Similarity::ssim(original, original.scaled(160, 120, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        QVERIFY2(half > 0.95, qPrintable(QString::number(half)));

        // A red glow gone olive: the same brightness, another color.
        QImage glow(200, 200, QImage::Format_RGB32);
        QImage olive(200, 200, QImage::Format_RGB32);
        for (int y = 0; y < 200; ++y) {
            for (int x = 0; x < 200; ++x) {
                const int v = 60 + (x + y) / 4;
                glow.setPixel(x, y, qRgb(std::min(255, v + 120), v / 3, v / 3));
                // Luma 0.299 r + 0.587 g + 0.114 b kept, red traded for green.
                const double luma =
                    0.299 * qRed(glow.pixel(x, y)) + 0.587 * qGreen(glow.pixel(x, y)) + 0.114 * qBlue(glow.pixel(x, y));
                olive.setPixel(x, y, qRgb(int(luma * 0.9), int(luma * 1.12), int(luma * 0.55)));
            }
        }
        const double turned = *Similarity::ssim(glow, olive);
        QVERIFY2(turned < coarse, qPrintable(QString::number(turned)));
        QVERIFY(!Similarity::ssim(QImage(), original));
        // Smaller than the window of the measure.
        QImage dot(4, 3, QImage::Format_RGB32);
        dot.fill(Qt::blue);
        QCOMPARE(*Similarity::ssim(dot, dot), 1.0);
    }

    // Opened on the row by double-click: the optimized image against the source, split; each side's
    // size and the change; both sides at one zoom and place whatever the user does; AVIF shown.
    void compareShowsBothSidesInStep()
    {
        CompareWindow* compare = openCompare();
        QVERIFY(compare != nullptr);
        CompareCanvas* canvas = compare->canvas();
        QTRY_VERIFY_WITH_TIMEOUT(canvas->hasPicture(CompareCanvas::Side::original) &&
                                     canvas->hasPicture(CompareCanvas::Side::result),
                                 slowWork);
        QTRY_VERIFY_WITH_TIMEOUT(compare->isMeasured(), slowWork);
        QCOMPARE(compare->windowTitle(), QStringLiteral("Compare “harbour.png”"));
        const auto info = [compare](const char* name) {
            return compare->findChild<QLabel*>(QLatin1String(name))->text();
        };
        const qint64 sourceBytes = QFileInfo(m_tree->path(QStringLiteral("harbour.png"))).size();
        const qint64 jpegBytes = QFileInfo(m_tree->path(QStringLiteral("harbour-optimized.jpg"))).size();
        QCOMPARE(info("originalInfo"), QStringLiteral("Original · 640 × 480 px · ") + SizeText::size(sourceBytes));
        QCOMPARE(info("resultInfo"), QStringLiteral("Optimized · 640 × 480 px · %1 (%2)")
                                         .arg(SizeText::size(jpegBytes), SizeText::change(jpegBytes, sourceBytes)));
        QVERIFY2(info("similarityLabel").startsWith(QStringLiteral("Similarity 0.")),
                 qPrintable(info("similarityLabel")));
        QCOMPARE(canvas->mode(), CompareCanvas::Mode::split);
        QCOMPARE(canvas->pictureSize(CompareCanvas::Side::original), QSize(640, 480));
        // For the keyboard and assistive tools: Tab reaches the pictures after the zoom, which read by name.
        QCOMPARE(compare->findChild<QWidget*>(QStringLiteral("zoom200Button"))->nextInFocusChain(), canvas);
        QCOMPARE(canvas->accessibleName(), QStringLiteral("The original and the Optimized image"));
        QCOMPARE(compare->findChild<QWidget*>(QStringLiteral("zoomInButton"))->accessibleName(),
                 QStringLiteral("Zoom in"));

        const auto inStep = [canvas] {
            const QRectF a = canvas->shownRect(CompareCanvas::Side::original);
            const QRectF b = canvas->shownRect(CompareCanvas::Side::result);
            return !a.isEmpty() && std::abs(a.left() - b.left()) < 0.5 && std::abs(a.top() - b.top()) < 0.5 &&
                   std::abs(a.width() - b.width()) < 0.5 && std::abs(a.height() - b.height()) < 0.5;
        };
        const auto click = [compare](const char* name) {
            QTest::mouseClick(compare->findChild<QAbstractButton*>(QLatin1String(name)), Qt::LeftButton);
        };
        const auto zoomText = [compare] { return compare->findChild<QLabel*>(QStringLiteral("zoomLabel"))->text(); };
        for (const CompareCanvas::Mode mode : {CompareCanvas::Mode::split, CompareCanvas::Mode::sideBySide}) {
            QTest::mouseClick(
                compare->findChild<SegmentedControl*>(QStringLiteral("compareModePicker"))->segment(int(mode)),
                Qt::LeftButton);
            QCOMPARE(canvas->mode(), mode);
            QVERIFY(canvas->isFit());
            QVERIFY(inStep());
            click("zoom200Button");
            QCOMPARE(canvas->zoom(), 2.0);
            QCOMPARE(zoomText(), QStringLiteral("200 %"));
            QVERIFY(inStep());
            // At 200 % the whole picture is drawn from, not a preview.
            QCOMPARE(canvas->pictureShown(CompareCanvas::Side::result).size(), QSize(640, 480));
            QTest::mouseClick(canvas, Qt::LeftButton, {}, canvas->rect().center());
            canvas->setFocus();
            const QPointF before = canvas->center();
            QTest::keyClick(canvas, Qt::Key_Right);
            QVERIFY(canvas->center().x() > before.x());
            QVERIFY(inStep());
            QTest::keyClick(canvas, Qt::Key_Minus);
            QCOMPARE(canvas->zoom(), 2.0 / CompareCanvas::zoomStep);
            QVERIFY(inStep());
            // The wheel zooms about the pointer: what is under it stays there.
            const QPointF at(canvas->width() * 0.3, canvas->height() * 0.4);
            const QRectF area = canvas->shownRect(CompareCanvas::Side::original);
            const QRect view = canvas->viewport(CompareCanvas::Side::original);
            const QPointF under(area.left() + (at.x() - view.left()) / view.width() * area.width(),
                                area.top() + (at.y() - view.top()) / view.height() * area.height());
            QWheelEvent wheel(at, canvas->mapToGlobal(at), {}, QPoint(0, 120), Qt::NoButton, {}, Qt::NoScrollPhase,
                              false);
            QApplication::sendEvent(canvas, &wheel);
            QCOMPARE(canvas->zoom(), 2.0);
            const QRectF after = canvas->shownRect(CompareCanvas::Side::original);
            const QPointF stays(after.left() + (at.x() - view.left()) / view.width() * after.width(),
                                after.top() + (at.y() - view.top()) / view.height() * after.height());
            QVERIFY2(QLineF(under, stays).length() < 1.5,
                     qPrintable(
                         QStringLiteral("%1,%2 -> %3,%4").arg(under.x()).arg(under.y()).arg(stays.x()).arg(stays.y())));
            QVERIFY(inStep());
            // Dragged: both move.
            QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(canvas->width() / 4, 200));
            QTest::mouseMove(canvas, QPoint(canvas->width() / 4 + 60, 230));
            QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(canvas->width() / 4 + 60, 230));
            QVERIFY(inStep());
            click("zoomFitButton");
            QVERIFY(canvas->isFit());
        }

        // The divider follows a drag and Shift with the arrow keys.
        QTest::mouseClick(compare->findChild<SegmentedControl*>(QStringLiteral("compareModePicker"))
                              ->segment(int(CompareCanvas::Mode::split)),
                          Qt::LeftButton);
        const int x = int(canvas->divider() * canvas->width());
        QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(x, 100));
        QTest::mouseMove(canvas, QPoint(canvas->width() / 4, 100));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(canvas->width() / 4, 100));
        QVERIFY(std::abs(canvas->divider() - 0.25) < 0.01);
        QTest::keyClick(canvas, Qt::Key_Right, Qt::ShiftModifier);
        QVERIFY(std::abs(canvas->divider() - 0.30) < 0.01);
        QVERIFY(canvas->accessibleDescription().contains(QStringLiteral("Split view")));

        // The AVIF companion, decoded although Qt has no reader for it, and near the source's colors.
        auto* picker = compare->findChild<SegmentedControl*>(QStringLiteral("compareResultPicker"));
        QCOMPARE(picker->segment(1)->text(), QStringLiteral("AVIF"));
        QTest::mouseClick(picker->segment(1), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(canvas->pictureShown(CompareCanvas::Side::result).size(), QSize(640, 480), slowWork);
        QTRY_VERIFY_WITH_TIMEOUT(compare->isMeasured(), slowWork);
        QVERIFY(info("resultInfo").startsWith(QStringLiteral("AVIF · 640 × 480 px")));
        const QImage avif = canvas->pictureShown(CompareCanvas::Side::result);
        const QImage source = ImageDecoder::levels(m_tree->path(QStringLiteral("harbour.png")), QSize(1, 1)).at(0);
        QVERIFY(difference(avif.pixel(320, 240), source.pixel(320, 240)) <= 40);
        QVERIFY(info("similarityLabel").startsWith(QStringLiteral("Similarity 0.")));
        // Painted: the split shows the source on the left and the AVIF on the right.
        canvas->zoomToFit();
        const QImage painted = canvas->grab().toImage();
        QVERIFY(painted.pixel(canvas->width() / 2, canvas->height() / 2) !=
                canvas->palette().color(QPalette::Window).rgb());
        // The same window given a job of one file, the AVIF of the last one still chosen: that file shows.
        compare->setJob(QUrl::fromLocalFile(m_tree->path(QStringLiteral("harbour.png"))),
                        savedFiles({{OutputKind::optimized, m_tree->path(QStringLiteral("harbour-optimized.jpg"))}}));
        QTRY_VERIFY_WITH_TIMEOUT(compare->isMeasured(), slowWork);
        QVERIFY(info("resultInfo").startsWith(QStringLiteral("Optimized · 640 × 480 px")));

        // Enter on the row opens it again; Ctrl+W closes it, the queue stays.
        QPointer<CompareWindow> closing(compare);
        QTest::keyClick(compare, Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY(closing.isNull());
        list()->setFocus();
        list()->setCurrentIndex(list()->model()->index(0, 0));
        QTest::keyClick(list(), Qt::Key_Return);
        QVERIFY(m_window->contentView()->compareWindow() != nullptr);
        QCOMPARE(m_model->jobs().size(), 1);
    }

    // The similarity is measured on another thread: the window answers meanwhile and says it is measuring.
    void similarityIsMeasuredOffTheMainThread()
    {
        const QString source = save(photo(200, 150), m_tree->path(QStringLiteral("a.png")));
        const QString result = save(photo(200, 150), m_tree->path(QStringLiteral("a.webp")));
        QSemaphore release;
        QThread* measuredOn = nullptr;
        CompareWindow compare(nullptr, [&](const QImage& a, const QImage& b) -> std::optional<double> {
            measuredOn = QThread::currentThread();
            release.acquire();
            return a.size() == b.size() ? std::optional<double>(0.5) : std::nullopt;
        });
        compare.setJob(QUrl::fromLocalFile(source), savedFiles({{OutputKind::webp, result}}));
        compare.show();
        QTRY_VERIFY_WITH_TIMEOUT(measuredOn != nullptr, slowWork);
        QVERIFY(measuredOn != QThread::currentThread());
        const auto label = [&compare] { return compare.findChild<QLabel*>(QStringLiteral("similarityLabel"))->text(); };
        QCOMPARE(label(), QStringLiteral("Measuring similarity…"));
        // The window keeps answering.
        compare.canvas()->setZoom(2);
        QCOMPARE(compare.findChild<QLabel*>(QStringLiteral("zoomLabel"))->text(), QStringLiteral("200 %"));
        QVERIFY(!compare.isMeasured());
        release.release();
        QTRY_VERIFY_WITH_TIMEOUT(compare.isMeasured(), slowWork);
        QCOMPARE(label(), QStringLiteral("Similarity 0.5000 (SSIM)"));

        // A result that cannot be read says so, and nothing is measured.
        const QString broken = m_tree->writeFile(QStringLiteral("b.webp"), "RIFF....WEBPnothing");
        CompareWindow unreadable(nullptr, [&](const QImage&, const QImage&) -> std::optional<double> {
            qFatal("measured an unreadable picture");
        });
        unreadable.setJob(QUrl::fromLocalFile(source), savedFiles({{OutputKind::webp, broken}}));
        unreadable.show();
        QTRY_VERIFY_WITH_TIMEOUT(unreadable.isMeasured(), slowWork);
        QCOMPARE(unreadable.similarityText(), QStringLiteral("This file could not be read."));
    }

    // Thumbnails are made for the rows on screen only, off the main thread; scrolling asks for the new
    // rows and drops what scrolled away; what is kept stays within the budget.
    void thumbnailsForTheRowsOnScreen()
    {
        const QString made = save(photo(160, 120), m_tree->path(QStringLiteral("seed.jpg")));
        QList<QUrl> files;
        for (int i = 0; i < 200; ++i) {
            const QString path = m_tree->path(QStringLiteral("shots/%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
            QDir().mkpath(QFileInfo(path).absolutePath());
            QVERIFY(QFile::copy(made, path));
            files.append(QUrl::fromLocalFile(path));
        }
        QMutex mutex;
        QStringList asked;
        QSet<QThread*> threads;
        const int pixels = JobRowDelegate::thumbnailSize;
        auto* cache = new ThumbnailCache(
            pixels,
            [&](const QString& path, int size) {
                {
                    const QMutexLocker lock(&mutex);
                    asked.append(path);
                    threads.insert(QThread::currentThread());
                }
                return ImageDecoder::scaled(path, QSize(size, size));
            },
            200 * 1024);
        list()->setThumbnails(cache);
        m_model->addFiles(files);
        const QStringList firstScreen = list()->visibleSources();
        QVERIFY(firstScreen.size() >= 5 && firstScreen.size() < 20);
        QTRY_COMPARE_WITH_TIMEOUT(cache->count(), firstScreen.size(), slowWork);
        {
            const QMutexLocker lock(&mutex);
            QCOMPARE(QSet<QString>(asked.cbegin(), asked.cend()),
                     QSet<QString>(firstScreen.cbegin(), firstScreen.cend()));
            QVERIFY(!threads.contains(QThread::currentThread()));
        }
        QCOMPARE(cache->find(firstScreen.at(0)).size(), QSize(40, 30));
        // Painted in its row: the thumbnail's own middle pixel where the row's thumbnail stands. The row is
        // looked up each time, since the list lays its rows out again as it settles.
        const QRgb middle = cache->find(firstScreen.at(0)).pixel(19, 14);
        const auto paintedMiddle = [this] {
            return list()->viewport()->grab().toImage().pixel(
                list()->rowDelegate()->thumbnailRect(rowRect(0)).center());
        };
        QVERIFY2(QTest::qWaitFor([&] { return difference(paintedMiddle(), middle) <= 8; }, slowWork),
                 qPrintable(QColor(paintedMiddle()).name() + QStringLiteral(" painted, not ") + QColor(middle).name()));

        // Scrolled to the end, then to the middle: the rows shown there are made, the rows passed over not.
        const auto askedSoFar = [&] {
            const QMutexLocker lock(&mutex);
            return asked;
        };
        list()->scrollToBottom();
        QApplication::processEvents();
        const QStringList lastScreen = list()->visibleSources();
        QVERIFY(lastScreen.contains(files.constLast().toLocalFile()));
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(lastScreen.cbegin(), lastScreen.cend(),
                                             [cache](const QString& path) { return !cache->find(path).isNull(); }),
                                 slowWork);
        {
            QSet<QString> expected(firstScreen.cbegin(), firstScreen.cend());
            expected.unite(QSet<QString>(lastScreen.cbegin(), lastScreen.cend()));
            const QStringList all = askedSoFar();
            QCOMPARE(QSet<QString>(all.cbegin(), all.cend()), expected);
            QCOMPARE(all.size(), expected.size());
        }
        // Within its budget, the least recently shown going first.
        for (int value = 0; value <= list()->verticalScrollBar()->maximum(); value += list()->viewport()->height()) {
            list()->verticalScrollBar()->setValue(value);
            QApplication::processEvents();
            QTRY_VERIFY_WITH_TIMEOUT(cache->made() == askedSoFar().size() &&
                                         !cache->find(list()->visibleSources().constLast()).isNull(),
                                     slowWork);
        }
        QVERIFY(cache->bytes() <= cache->budgetBytes());
        QVERIFY(cache->count() < 200);

        // A file that is no picture gets the tile, and is read once.
        const int before = cache->made();
        m_model->clearQueueExceptRunning();
        m_model->addFiles({QUrl::fromLocalFile(m_tree->writeFile(QStringLiteral("not.jpg"), "no"))});
        QTRY_VERIFY_WITH_TIMEOUT(cache->isUnreadable(m_tree->path(QStringLiteral("not.jpg"))), slowWork);
        list()->viewport()->repaint();
        QApplication::processEvents();
        QCOMPARE(cache->made(), before + 1);
    }

    // The row of a done job: its menu compares, opens each file and shows it in its folder (the file manager
    // over the session bus, else the folder); the file names of saved files are always seen whole; a
    // companion larger than the optimized image is marked.
    void rowsOpenAndShowSavedFiles()
    {
        m_tree->makeFolder(QStringLiteral("trip"));
        const QString source = save(photo(64, 48), m_tree->path(QStringLiteral("trip/a.png")));
        const QString optimized = m_tree->writeFile(QStringLiteral("trip/a-optimized.png"), QByteArray(1000, 'x'));
        const QString webp = m_tree->writeFile(QStringLiteral("trip/a.webp"), QByteArray(3000, 'x'));
        queueDone(source, savedFiles({{OutputKind::optimized, optimized}, {OutputKind::webp, webp}}));
        QList<QUrl> opened;
        FileManager* files = m_window->contentView()->fileManager();
        files->setOpener([&opened](const QUrl& url) {
            opened.append(url);
            return true;
        });

        const QModelIndex index = list()->model()->index(0, 0);
        QMenu* menu = list()->rowMenu(index);
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        QCOMPARE(texts.join(QLatin1Char('|')),
                 QStringLiteral("Compare|-|Open Original|Open Optimized|Open WebP|-|Show "
                                "Original in Folder|Show Optimized in Folder|Show WebP in "
                                "Folder|-|Optimize Again|Remove from Queue"));
        menu->findChild<QAction*>(QStringLiteral("openAction2"))->trigger();
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(webp)});

        // A private session bus: without a file manager on it, the folder is opened.
        QProcess bus;
        bus.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--nopidfile", "--print-address"});
        if (!bus.waitForStarted()) {
            QSKIP("dbus-daemon is not installed");
        }
        QVERIFY(bus.waitForReadyRead());
        const QString address = QString::fromUtf8(bus.readLine()).trimmed();
        {
            files->setBus(QDBusConnection::connectToBus(address, QStringLiteral("tovalin-window")));
            QSignalSpy fellBack(files, &FileManager::fellBack);
            list()->rowMenu(index)->findChild<QAction*>(QStringLiteral("showAction1"))->trigger();
            QVERIFY(fellBack.wait(slowWork));
            QCOMPARE(opened.constLast(), QUrl::fromLocalFile(m_tree->path(QStringLiteral("trip"))));

            QDBusConnection server = QDBusConnection::connectToBus(address, QStringLiteral("tovalin-files"));
            FileManagerService service;
            QVERIFY(server.registerObject(FileManager::path, &service, QDBusConnection::ExportAllSlots));
            QVERIFY(server.registerService(FileManager::service));
            QSignalSpy shown(files, &FileManager::shown);
            list()->rowMenu(index)->findChild<QAction*>(QStringLiteral("showAction1"))->trigger();
            QVERIFY(shown.wait(slowWork));
            QCOMPARE(service.shown, QStringList{QUrl::fromLocalFile(optimized).toString()});
            QCOMPARE(fellBack.size(), 1);
        }
        files->setBus(QDBusConnection::sessionBus());
        QDBusConnection::disconnectFromBus(QStringLiteral("tovalin-window"));
        QDBusConnection::disconnectFromBus(QStringLiteral("tovalin-files"));
        bus.kill();
        bus.waitForFinished();

        // The WebP came out three times the optimized image: marked on the row and for assistive tools.
        const auto items = list()->rowDelegate()->downloadItems(rowRect(0), index);
        QCOMPARE(items.at(0).mark, QString());
        QCOMPARE(items.at(1).mark, QStringLiteral("larger than Optimized"));
        QVERIFY(index.data(Qt::AccessibleDescriptionRole).toString().contains(QStringLiteral("larger than Optimized")));

        // A saved file's name stays whole; its folder gives way.
        const QFontMetrics metrics(Theme::font(Theme::TextStyle::caption2));
        const QString path = QStringLiteral("/home/sam/Pictures/2024/Summer in the mountains/IMG_2041-optimized.jpg");
        const int width = metrics.horizontalAdvance(QStringLiteral("…/IMG_2041-optimized.jpg")) + 30;
        const QString shown = PathText::elided(path, metrics, width);
        QVERIFY2(shown.startsWith(QChar(0x2026)) && shown.endsWith(QStringLiteral("/IMG_2041-optimized.jpg")),
                 qPrintable(shown));
        QVERIFY(metrics.horizontalAdvance(shown) <= width);
        QCOMPARE(PathText::elided(path, metrics, 10000), path);
        // Too narrow even for the name: the name is shortened in its middle, its end kept.
        QVERIFY(PathText::elided(path, metrics, 60).endsWith(QStringLiteral(".jpg")));

        // Delete removes the current row; the menu's compare is off for a job with nothing saved.
        m_model->addFiles({QUrl::fromLocalFile(m_tree->writeFile(QStringLiteral("trip/b.png")))});
        QVERIFY(!list()
                     ->rowMenu(list()->model()->index(1, 0))
                     ->findChild<QAction*>(QStringLiteral("compareAction"))
                     ->isEnabled());
        list()->setFocus();
        list()->setCurrentIndex(list()->model()->index(1, 0));
        QTest::keyClick(list(), Qt::Key_Return);
        QVERIFY(m_window->contentView()->compareWindow() == nullptr);
        QTest::keyClick(list(), Qt::Key_Delete);
        QCOMPARE(m_model->jobs().size(), 1);
    }
};

QTEST_MAIN(TestResults)
#include "tst_results.moc"
