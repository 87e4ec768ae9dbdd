#include "client/TovalinClient.h"
#include "engine/LocalEngine.h"
#include "i18n/Translations.h"
#include "model/SettingsStore.h"
#include "model/Version.h"
#include "queue/AppViewModel.h"
#include "ui/ApplicationInfo.h"
#include "ui/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tovalin Image Optimizer"));
    QApplication::setOrganizationName(QStringLiteral("Tovalin"));
    QApplication::setApplicationVersion(QString::fromLatin1(Version::text));
    // Ties the window to its launcher entry (the Wayland app id), so the desktop shows its name and icon.
    QApplication::setDesktopFileName(QString::fromLatin1(ApplicationInfo::id));
    // Before any text is made: every widget takes its text once, when it is built.
    const Translations translations;

    // The engine on this computer, started when a job first needs it; it ends with the program. The
    // service the program was built for goes through the process-wide transport.
    LocalEngine engine;
    AppViewModel model(std::make_shared<SettingsStore>(), TovalinClient().operation(), engine.operation());
    MainWindow window(&model);
    window.show();
    return QApplication::exec();
}
