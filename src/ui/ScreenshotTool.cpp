// Renders the real window in prepared states and writes each to a PNG file:
//   tovalin-screenshot <output folder>
// writes screenshot-empty.png (nothing queued yet, as on a first launch), screenshot-queue.png (a job of
// each state on the service with the sources' thumbnails, done ones with their saved files),
// screenshot-queue-dark.png (the same on a dark palette), screenshot-drop.png (images dragged over the
// window), screenshot-resize.png, and the comparison of a photo with its optimized JPEG:
// screenshot-compare.png (split, the whole picture) and screenshot-compare-dark.png (side by side at
// 200 %, on a dark palette), in the language of the environment. The view model gets a settings file of
// its own and an optimizer that answers for some pictures and keeps the others until stopped, so nothing
// of the user's is touched and a run can be shown in progress. The pictures are painted here: a harbour
// at dawn, different for each file name.

#include "client/CancelledError.h"
#include "client/Error.h"
#include "i18n/Translations.h"
#include "imaging/ThumbnailCache.h"
#include "queue/AppViewModel.h"
#include "queue/JobListModel.h"
#include "ui/CompareCanvas.h"
#include "ui/CompareWindow.h"
#include "ui/ContentView.h"
#include "ui/JobListView.h"
#include "ui/JobRowDelegate.h"
#include "ui/MainWindow.h"
#include "ui/SegmentedControl.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QDragEnterEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLinearGradient>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <qcoro/qcorosignal.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {

// A service that answers only by being stopped.
QCoro::Task<QList<DownloadedFile>> neverFinishes(CancelToken token)
{
    if (!token.isCancelled()) {
        co_await qCoro(token.state(), &CancelState::cancelled);
    }
    throw CancelledError();
}

QUrl picture(const QString& name);

// A service with an answer for some of the pictures: two optimized, one of them with a WebP companion
// larger than the optimized PNG, and a key refused; the others it keeps until stopped.
QCoro::Task<QList<DownloadedFile>> someAnswered(JobRequest request, CancelToken token)
{
    const QString name = request.file.fileName();
    if (name == QLatin1String("harbour-at-dawn.jpg")) {
        co_return QList<DownloadedFile>{
            DownloadedFile(OutputKind::optimized, picture(QStringLiteral("harbour-at-dawn-optimized.jpg")), 421'888),
            DownloadedFile(OutputKind::webp, picture(QStringLiteral("harbour-at-dawn.webp")), 305'152)};
    }
    if (name == QLatin1String("market-street.png")) {
        co_return QList<DownloadedFile>{
            DownloadedFile(OutputKind::optimized, picture(QStringLiteral("market-street-optimized.png")), 114'176),
            DownloadedFile(OutputKind::webp, picture(QStringLiteral("market-street.webp")), 1'698'304)};
    }
    if (name == QLatin1String("lighthouse.heic")) {
        throw Error(QStringLiteral("The API key is not valid."));
    }
    co_return co_await neverFinishes(std::move(token));
}

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
}

bool save(QWidget& window, const QString& path)
{
    settle();
    const bool ok = window.grab().save(path, "PNG");
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

// A dark palette as dark desktop themes give it (the colors of Breeze Dark).
QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x31, 0x36, 0x3B));
    dark.setColor(QPalette::WindowText, QColor(0xEF, 0xF0, 0xF1));
    dark.setColor(QPalette::Base, QColor(0x23, 0x26, 0x29));
    dark.setColor(QPalette::AlternateBase, QColor(0x2C, 0x30, 0x34));
    dark.setColor(QPalette::Text, QColor(0xEF, 0xF0, 0xF1));
    dark.setColor(QPalette::PlaceholderText, QColor(0xA1, 0xA9, 0xB1));
    dark.setColor(QPalette::Button, QColor(0x3B, 0x40, 0x45));
    dark.setColor(QPalette::ButtonText, QColor(0xEF, 0xF0, 0xF1));
    dark.setColor(QPalette::Light, QColor(0x4A, 0x50, 0x57));
    dark.setColor(QPalette::Midlight, QColor(0x3F, 0x44, 0x4A));
    dark.setColor(QPalette::Mid, QColor(0x4D, 0x53, 0x59));
    dark.setColor(QPalette::Dark, QColor(0x1B, 0x1E, 0x20));
    dark.setColor(QPalette::Shadow, QColor(0x10, 0x12, 0x13));
    dark.setColor(QPalette::Highlight, QColor(0x3D, 0xAE, 0xE9));
    dark.setColor(QPalette::HighlightedText, QColor(0xFC, 0xFC, 0xFC));
    dark.setColor(QPalette::Link, QColor(0x29, 0x80, 0xB9));
    dark.setColor(QPalette::ToolTipBase, QColor(0x31, 0x36, 0x3B));
    dark.setColor(QPalette::ToolTipText, QColor(0xEF, 0xF0, 0xF1));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(QPalette::Disabled, role, QColor(0x6E, 0x73, 0x78));
    }
    return dark;
}

QUrl picture(const QString& name)
{
    return QUrl::fromLocalFile(QStringLiteral("/home/sam/Pictures/Trip/") + name);
}

// A harbour at dawn: a sky from violet to the red glow of the sun, hills, a lighthouse, a boat, the water
// with the sun's reflection and fine grain, so that a codec has the smooth gradients and the detail of a
// photo to deal with. `seed` moves the sun, the hills and the boat.
QImage harbour(QSize size, quint32 seed)
{
    QRandomGenerator random(seed);
    const double w = size.width();
    const double h = size.height();
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double horizon = h * (0.55 + random.bounded(0.1));
    // Dawn, a golden hour, the blue hour and a clear morning.
    static const QColor skies[4][3] = {
        {QColor(0x3A, 0x2C, 0x6B), QColor(0xC8, 0x5A, 0x7A), QColor(0xFF, 0xB0, 0x6A)},
        {QColor(0x4A, 0x3A, 0x5A), QColor(0xE0, 0x8A, 0x3A), QColor(0xFF, 0xD8, 0x80)},
        {QColor(0x10, 0x1E, 0x4A), QColor(0x3A, 0x5A, 0x9A), QColor(0xE0, 0x9A, 0x8A)},
        {QColor(0x3A, 0x7A, 0xC0), QColor(0x8A, 0xBA, 0xE0), QColor(0xF0, 0xE0, 0xC0)},
    };
    const auto* colors = skies[seed % 4];
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, colors[0]);
    sky.setColorAt(0.55, colors[1]);
    sky.setColorAt(1, colors[2]);
    painter.fillRect(QRectF(0, 0, w, horizon), sky);
    const QPointF sun(w * (0.25 + random.bounded(0.5)), horizon - h * 0.08);
    QRadialGradient glow(sun, h * 0.45);
    glow.setColorAt(0, QColor(255, 90, 40, 230));
    glow.setColorAt(0.25, QColor(240, 60, 50, 120));
    glow.setColorAt(1, QColor(240, 60, 50, 0));
    painter.fillRect(QRectF(0, 0, w, horizon), glow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xE2, 0xA8));
    painter.drawEllipse(sun, h * 0.05, h * 0.05);
    for (int layer = 0; layer < 2; ++layer) {
        QPainterPath hills;
        hills.moveTo(0, horizon);
        for (int i = 0; i <= 12; ++i) {
            hills.lineTo(w * i / 12.0, horizon - h * (0.05 + 0.1 * random.bounded(1.0)) / (layer + 1));
        }
        hills.lineTo(w, horizon);
        hills.closeSubpath();
        painter.setBrush(layer == 0 ? QColor(0x5B, 0x3A, 0x5E) : QColor(0x2E, 0x24, 0x3C));
        painter.drawPath(hills);
    }
    QLinearGradient sea(0, horizon, 0, h);
    sea.setColorAt(0, QColor(0xD9, 0x7B, 0x6C));
    sea.setColorAt(1, QColor(0x1D, 0x2B, 0x4A));
    painter.fillRect(QRectF(0, horizon, w, h - horizon), sea);
    for (int i = 0; i < 90; ++i) {
        const double y = horizon + (h - horizon) * std::pow(random.bounded(1.0), 1.6);
        const double spread = w * 0.02 + (y - horizon) * 0.25;
        painter.setBrush(QColor(255, 200, 140, 70 + random.bounded(120)));
        painter.drawRect(QRectF(sun.x() - spread * random.bounded(1.0), y, spread * random.bounded(1.2), h * 0.004));
    }
    // The lighthouse on its rock, and a boat.
    const double base = horizon + h * 0.01;
    const double lx = w * 0.8;
    painter.setBrush(QColor(0x24, 0x1C, 0x2A));
    painter.drawEllipse(QPointF(lx, base), w * 0.07, h * 0.03);
    QPainterPath tower;
    tower.moveTo(lx - w * 0.018, base);
    tower.lineTo(lx - w * 0.011, base - h * 0.26);
    tower.lineTo(lx + w * 0.011, base - h * 0.26);
    tower.lineTo(lx + w * 0.018, base);
    painter.setBrush(QColor(0xF2, 0xEB, 0xE4));
    painter.drawPath(tower);
    painter.setBrush(QColor(0xB0, 0x2A, 0x2A));
    for (int band = 0; band < 3; ++band) {
        painter.drawRect(QRectF(lx - w * 0.016 + band * w * 0.0015, base - h * (0.07 + 0.07 * band),
                                w * 0.032 - band * w * 0.003, h * 0.025));
    }
    painter.setBrush(QColor(0xFF, 0xF3, 0xB0));
    painter.drawEllipse(QPointF(lx, base - h * 0.275), w * 0.01, h * 0.014);
    const double bx = w * (0.15 + random.bounded(0.4));
    const double by = horizon + (h - horizon) * 0.45;
    QPainterPath hull;
    hull.moveTo(bx - w * 0.06, by);
    hull.lineTo(bx + w * 0.06, by);
    hull.lineTo(bx + w * 0.045, by + h * 0.03);
    hull.lineTo(bx - w * 0.05, by + h * 0.03);
    hull.closeSubpath();
    painter.setBrush(QColor(0x20, 0x18, 0x22));
    painter.drawPath(hull);
    painter.drawRect(QRectF(bx - w * 0.002, by - h * 0.16, w * 0.004, h * 0.16));
    QPainterPath sail;
    sail.moveTo(bx + w * 0.003, by - h * 0.15);
    sail.lineTo(bx + w * 0.05, by - h * 0.01);
    sail.lineTo(bx + w * 0.003, by - h * 0.01);
    sail.closeSubpath();
    painter.setBrush(QColor(0xF6, 0xD8, 0xC0));
    painter.drawPath(sail);
    painter.end();
    // Sensor grain.
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(random.bounded(13)) - 6;
            line[x] = qRgb(std::clamp(qRed(line[x]) + n, 0, 255), std::clamp(qGreen(line[x]) + n, 0, 255),
                           std::clamp(qBlue(line[x]) + n, 0, 255));
        }
    }
    return image;
}

// Lets the event loop run until `done` holds, for two minutes at most.
template <typename Done>
void waitFor(const Done& done)
{
    const QDeadlineTimer deadline(std::chrono::seconds(120));
    while (!done() && !deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

// The sources' thumbnails, drawn for the names the rows show.
void showThumbnails(MainWindow& window)
{
    auto* list = window.findChild<JobListView*>(QStringLiteral("jobsList"));
    const int pixels = qRound(JobRowDelegate::thumbnailSize * list->devicePixelRatioF());
    list->setThumbnails(new ThumbnailCache(pixels, [](const QString& path, int size) {
        return harbour(QSize(360, 240), qHash(QUrl::fromLocalFile(path).fileName()))
            .scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }));
    list->viewport()->update();
    waitFor([list] { return list->thumbnails()->count() >= list->visibleSources().size(); });
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const Translations translations;
    if (argc < 2) {
        std::fprintf(stderr, "usage: tovalin-screenshot <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir settings;
    if (!settings.isValid() || !QDir().mkpath(out.absolutePath())) {
        return 1;
    }

    auto store = std::make_shared<SettingsStore>(settings.filePath(QStringLiteral("settings.ini")));
    AppViewModel model(store, someAnswered);
    bool ok = true;
    {
        MainWindow window(&model);
        window.resize(1180, 760);
        window.show();
        ok = save(window, out.filePath(QStringLiteral("screenshot-empty.png"))) && ok;
    }

    // The rest on the service's road, with its key, where a job can fail for the service's reasons.
    model.setEngine(Engine::service);
    model.setApiKey(QStringLiteral("k3Q9vT2mX8pL4wZ7rN5b"));
    model.setImagesAtOnce(2);
    model.addFiles({picture(QStringLiteral("old-town-panorama.tiff")), picture(QStringLiteral("harbour-at-dawn.jpg")),
                    picture(QStringLiteral("market-street.png")), picture(QStringLiteral("lighthouse.heic")),
                    picture(QStringLiteral("ferry-deck.jpg"))});
    const QList<ImageJob> jobs = model.jobs();
    // Two at once: the panorama keeps one place, the other goes through three answers to the last image;
    // a little over a second later both show the progress note.
    model.optimizeAll();
    QEventLoop wait;
    QTimer::singleShot(1200, &wait, &QEventLoop::quit);
    wait.exec();
    // The sizes of the sources, as the run would have measured them on disk.
    JobListModel* list = model.jobModel();
    for (const auto& [row, bytes] : {std::pair{1, 1'143'296}, std::pair{2, 1'702'400}}) {
        list->update(jobs.at(row).id, [bytes = bytes](ImageJob& job) { job.originalSize = bytes; });
    }
    {
        MainWindow window(&model);
        window.resize(1180, 760);
        window.show();
        showThumbnails(window);
        ok = save(window, out.filePath(QStringLiteral("screenshot-queue.png"))) && ok;
    }
    {
        const QPalette light = QApplication::palette();
        QApplication::setPalette(darkPalette());
        MainWindow window(&model);
        window.resize(1180, 760);
        window.show();
        showThumbnails(window);
        ok = save(window, out.filePath(QStringLiteral("screenshot-queue-dark.png"))) && ok;
        QApplication::setPalette(light);
    }
    {
        // A photo and the JPEG made of it, as the window compares them.
        const QString folder = settings.filePath(QStringLiteral("Harbour"));
        QDir().mkpath(folder);
        const QImage photo = harbour(QSize(2400, 1600), 7);
        const QString source = folder + QStringLiteral("/harbour-at-dawn.png");
        const QString optimized = folder + QStringLiteral("/harbour-at-dawn-optimized.jpg");
        ok = photo.save(source, "PNG") && photo.save(optimized, "JPEG", 30) && ok;
        const QList<DownloadedFile> results{
            DownloadedFile(OutputKind::optimized, QUrl::fromLocalFile(optimized), QFileInfo(optimized).size())};
        const auto shoot = [&](const QString& name, bool sideBySide) {
            CompareWindow compare;
            compare.resize(1180, 780);
            compare.setJob(QUrl::fromLocalFile(source), results);
            compare.show();
            waitFor([&compare] { return compare.isMeasured(); });
            if (sideBySide) {
                compare.findChild<SegmentedControl*>(QStringLiteral("compareModePicker"))
                    ->segment(int(CompareCanvas::Mode::sideBySide))
                    ->click();
                // The lighthouse's lamp, where the sky's gradient meets the tower's edges.
                compare.canvas()->setZoom(2);
                compare.canvas()->panBy(QPointF(-0.3 * 2400, 0.12 * 1600) * 2 / compare.canvas()->devicePixelRatioF());
            } else {
                compare.canvas()->setDivider(0.55);
            }
            return save(compare, out.filePath(name));
        };
        ok = shoot(QStringLiteral("screenshot-compare.png"), false) && ok;
        const QPalette light = QApplication::palette();
        QApplication::setPalette(darkPalette());
        ok = shoot(QStringLiteral("screenshot-compare-dark.png"), true) && ok;
        QApplication::setPalette(light);
    }
    {
        // Two images on their way in from the file manager, over the queue.
        const QString dropped = settings.filePath(QStringLiteral("Trip"));
        QDir().mkpath(dropped);
        QList<QUrl> urls;
        for (const QString& name : {QStringLiteral("sunset-pier.jpg"), QStringLiteral("old-harbour-crane.png")}) {
            QFile file(dropped + QLatin1Char('/') + name);
            ok = file.open(QIODevice::WriteOnly) && ok;
            urls.append(QUrl::fromLocalFile(file.fileName()));
        }
        MainWindow window(&model);
        window.resize(1180, 760);
        window.show();
        settle();
        QMimeData mime;
        mime.setUrls(urls);
        const QPoint over(window.width() * 2 / 3, window.height() / 2);
        QDragEnterEvent enter(over, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(window.windowHandle(), &enter);
        ok = save(window, out.filePath(QStringLiteral("screenshot-drop.png"))) && ok;
        QDragLeaveEvent leave;
        QApplication::sendEvent(window.windowHandle(), &leave);
    }
    model.stopAll();
    settle();
    model.clearQueueExceptRunning();
    model.addFiles({picture(QStringLiteral("harbour-at-dawn.jpg")), picture(QStringLiteral("market-street.png"))});

    model.setResizeMode(ResizeMode::cover);
    model.setResizeWidth(QStringLiteral("1600"));
    model.setResizeHeight(QStringLiteral("1200"));
    model.setUpscale(UpscaleFactor::x2);
    {
        MainWindow window(&model);
        window.contentView()->setApiKeyPreview(true);
        window.resize(1180, 760);
        window.show();
        ok = save(window, out.filePath(QStringLiteral("screenshot-resize.png"))) && ok;
    }
    return ok ? 0 : 1;
}
