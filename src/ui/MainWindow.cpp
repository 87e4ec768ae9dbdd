#include "MainWindow.h"

#include "AppIcon.h"
#include "ContentView.h"
#include "DesktopNotifier.h"
#include "RunNotifier.h"

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
}
