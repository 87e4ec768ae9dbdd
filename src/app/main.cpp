#include "AppViewModel.h"
#include "MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tovalin Image Optimizer"));
    QApplication::setOrganizationName(QStringLiteral("Tovalin"));

    AppViewModel model;
    MainWindow window(&model);
    window.show();
    return QApplication::exec();
}
