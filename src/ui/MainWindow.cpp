#include "MainWindow.h"

#include "AppIcon.h"
#include "ContentView.h"

MainWindow::MainWindow(AppViewModel* model, QWidget* parent)
    : QMainWindow(parent)
    , m_content(new ContentView(model, this))
{
    setWindowTitle(QStringLiteral("Tovalin Image Optimizer"));
    setWindowIcon(AppIcon::icon());
    setCentralWidget(m_content);
}
