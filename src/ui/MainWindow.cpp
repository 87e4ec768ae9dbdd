#include "MainWindow.h"

#include "AppViewModel.h"

MainWindow::MainWindow(AppViewModel* model, QWidget* parent)
    : QMainWindow(parent)
    , m_model(model)
{
    setWindowTitle(QStringLiteral("Tovalin Image Optimizer for Mac"));
    setMinimumSize(980, 620);
}
