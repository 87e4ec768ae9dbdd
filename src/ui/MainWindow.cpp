#include "MainWindow.h"

#include "ContentView.h"

MainWindow::MainWindow(AppViewModel* model, QWidget* parent)
    : QMainWindow(parent)
    , m_content(new ContentView(model, this))
{
    setWindowTitle(QStringLiteral("Tovalin Image Optimizer for Mac"));
    setCentralWidget(m_content);
    setMinimumSize(ContentView::minimumWidth, ContentView::minimumHeight);
}
