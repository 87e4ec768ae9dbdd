// A Qt plugin that drives the installed window the way a user would, for the package check: loaded into
// the unchanged program with
//   QT_PLUGIN_PATH=<folder of generic/> QT_QPA_GENERIC_PLUGINS=tovalinwindowdriver:IMAGE
// it drops IMAGE on the window, presses Optimize once the button allows it, and quits when the run has
// ended: with status 0 when the image's optimized result stands beside it, 1 otherwise (also after two
// minutes). What it saw goes to standard error.
#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDropEvent>
#include <QFileInfo>
#include <QGenericPlugin>
#include <QLabel>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

template <typename T = QWidget>
T* find(const char* name)
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* found = top->findChild<T*>(QString::fromLatin1(name))) {
            return found;
        }
    }
    return nullptr;
}

class WindowDriver : public QObject
{
public:
    explicit WindowDriver(QString image)
        : m_image(std::move(image))
        , m_deadline(std::chrono::minutes(2))
    {
        connect(&m_tick, &QTimer::timeout, this, &WindowDriver::step);
        m_tick.start(100);
    }

private:
    void step()
    {
        if (m_deadline.hasExpired()) {
            end(1, "the run did not end within two minutes");
            return;
        }
        auto* view = find("contentView");
        auto* optimize = find<QAbstractButton>("optimizeButton");
        if (view == nullptr || optimize == nullptr || !view->isVisible()) {
            return;
        }
        if (!m_dropped) {
            QMimeData mime;
            mime.setUrls({QUrl::fromLocalFile(m_image)});
            const QPoint over = view->rect().center();
            QDragEnterEvent enter(over, Qt::CopyAction, &mime, Qt::LeftButton, {});
            QApplication::sendEvent(view, &enter);
            QDropEvent drop(over, Qt::CopyAction, &mime, Qt::LeftButton, {});
            QApplication::sendEvent(view, &drop);
            m_dropped = true;
            return;
        }
        if (!m_pressed) {
            if (optimize->isVisible() && optimize->isEnabled()) {
                optimize->click();
                m_pressed = true;
            }
            return;
        }
        // The run has ended when Optimize is back in Stop's place.
        if (!optimize->isVisible()) {
            return;
        }
        const QFileInfo source(m_image);
        const QString result =
            source.absolutePath() + QLatin1Char('/') + source.completeBaseName() + QStringLiteral("-optimized.") +
            source.suffix();
        auto* status = find<QLabel>("statusLabel");
        std::fprintf(stderr, "window: %s\n", status != nullptr ? qPrintable(status->text()) : "(no status line)");
        if (QFileInfo(result).size() > 0) {
            end(0, "optimized through its own engine");
        } else {
            end(1, "the run ended without the optimized image");
        }
    }

    void end(int status, const char* what)
    {
        m_tick.stop();
        std::fprintf(stderr, "window: %s\n", what);
        QCoreApplication::exit(status);
    }

    QString m_image;
    QDeadlineTimer m_deadline;
    QTimer m_tick;
    bool m_dropped = false;
    bool m_pressed = false;
};

} // namespace

class WindowDriverPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "WindowDriver.json")

public:
    QObject* create(const QString& name, const QString& argument) override
    {
        if (name.compare(QLatin1String("tovalinwindowdriver"), Qt::CaseInsensitive) != 0) {
            return nullptr;
        }
        return new WindowDriver(argument);
    }
};

#include "WindowDriver.moc"
