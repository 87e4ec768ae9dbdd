#include "AppViewModel.h"
#include "MainWindow.h"
#include "Version.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tovalin Image Optimizer"));
    QApplication::setOrganizationName(QStringLiteral("Tovalin"));
    QApplication::setApplicationVersion(QString::fromLatin1(Version::text));

    AppViewModel model;
    MainWindow window(&model);
    window.show();
    return QApplication::exec();
}
