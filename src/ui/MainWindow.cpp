#include "ui/MainWindow.h"

#include "ui/AppIcon.h"
#include "ui/ContentView.h"
#include "ui/DesktopNotifier.h"
#include "ui/RunNotifier.h"

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
