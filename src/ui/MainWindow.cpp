#include "ui/MainWindow.h"

#include "ui/AppIcon.h"
#include "ui/ContentView.h"
#include "ui/DesktopNotifier.h"
#include "ui/RunNotifier.h"

#include <QAction>
#include <QApplication>

namespace {

// The key named here, and whatever else the platform binds to the same standard action: a platform
// without a desktop of its own (offscreen, a bare X server) binds Quit to nothing.
QList<QKeySequence> keys(QKeyCombination key, QKeySequence::StandardKey standard)
{
    QList<QKeySequence> result{QKeySequence(key)};
    for (const QKeySequence& bound : QKeySequence::keyBindings(standard)) {
        if (!result.contains(bound)) {
            result.append(bound);
        }
    }
    return result;
}

} // namespace

MainWindow::MainWindow(AppViewModel* model, QWidget* parent)
    : QMainWindow(parent)
    , m_content(new ContentView(model, this))
{
    setWindowTitle(QStringLiteral("Tovalin Image Optimizer"));
    setWindowIcon(AppIcon::icon());
    setCentralWidget(m_content);
    m_runNotifier = new RunNotifier(
        model, std::make_unique<DesktopNotifier>(), [this] { return isActiveWindow(); }, RunNotifier::steadyClock,
        this);

    // The desktop's usual keys, without a menu to show them: Ctrl+Q quits, Ctrl+W closes the window.
    auto* quit = new QAction(tr("Quit"), this);
    quit->setObjectName(QStringLiteral("quitAction"));
    quit->setShortcuts(keys(Qt::CTRL | Qt::Key_Q, QKeySequence::Quit));
    quit->setShortcutContext(Qt::ApplicationShortcut);
    connect(quit, &QAction::triggered, this, [] { QApplication::closeAllWindows(); });
    addAction(quit);
    auto* close = new QAction(tr("Close Window"), this);
    close->setObjectName(QStringLiteral("closeAction"));
    close->setShortcuts(keys(Qt::CTRL | Qt::Key_W, QKeySequence::Close));
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
}

QSize MainWindow::sizeHint() const
{
    return QMainWindow::sizeHint().expandedTo(QSize(1180, 790));
}
