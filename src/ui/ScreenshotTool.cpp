// Renders the real window in prepared states and writes each to a PNG file:
//   tovalin-screenshot <output folder>
// writes screenshot-empty.png (nothing queued yet, as on a first launch), screenshot-queue.png (a job of
// each state, one with its saved files, on the service), screenshot-queue-dark.png (the same on a dark
// palette), screenshot-drop.png (images dragged over the window) and screenshot-resize.png, in the
// language of the environment. The view model
// gets a settings file of its own and an optimizer that never finishes, so nothing of the user's is
// touched and a run can be shown in progress.

#include "client/CancelledError.h"
#include "i18n/Translations.h"
#include "queue/AppViewModel.h"
#include "queue/JobListModel.h"
#include "ui/ContentView.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QEventLoop>
#include <QFile>
#include <QMimeData>
#include <QPalette>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <qcoro/qcorosignal.h>

#include <cstdio>
#include <memory>

namespace {

// A service that answers only by being stopped.
QCoro::Task<QList<DownloadedFile>> neverFinishes(QUrl, TovalinOptions, CancelToken token, OutputNames::Naming)
{
    if (!token.isCancelled()) {
        co_await qCoro(token.state(), &CancelState::cancelled);
    }
    throw CancelledError();
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
    AppViewModel model(store, neverFinishes);
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
    model.addFiles({picture(QStringLiteral("old-town-panorama.tiff")), picture(QStringLiteral("harbour-at-dawn.jpg")),
                    picture(QStringLiteral("market-street.png")), picture(QStringLiteral("lighthouse.heic")),
                    picture(QStringLiteral("ferry-deck.jpg"))});
    const QList<ImageJob> jobs = model.jobs();
    // The run takes up the first job; a little over a second later it shows the progress note.
    model.optimizeAll();
    QEventLoop wait;
    QTimer::singleShot(1200, &wait, &QEventLoop::quit);
    wait.exec();
    JobListModel* list = model.jobModel();
    list->update(jobs.at(1).id, [](ImageJob& job) {
        job.status = JobStatus::succeeded;
        job.message = QStringLiteral("Optimized and saved locally.");
        job.originalSize = 1'143'296;
        job.downloads = {
            DownloadedFile(QStringLiteral("Optimized"), picture(QStringLiteral("harbour-at-dawn-optimized.jpg")),
                           421'888),
            DownloadedFile(QStringLiteral("WebP"), picture(QStringLiteral("harbour-at-dawn.webp")), 305'152),
        };
    });
    list->update(jobs.at(2).id, [](ImageJob& job) {
        job.status = JobStatus::failed;
        job.message = QStringLiteral("The API key is not valid.");
    });
    {
        MainWindow window(&model);
        window.resize(1180, 760);
        window.show();
        ok = save(window, out.filePath(QStringLiteral("screenshot-queue.png"))) && ok;
    }
    {
        const QPalette light = QApplication::palette();
        QApplication::setPalette(darkPalette());
        MainWindow window(&model);
        window.resize(1180, 760);
        window.show();
        ok = save(window, out.filePath(QStringLiteral("screenshot-queue-dark.png"))) && ok;
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
