#include "app/LaunchArguments.h"
#include "app/SingleInstance.h"
#include "client/TovalinClient.h"
#include "engine/LocalEngine.h"
#include "i18n/Translations.h"
#include "model/FileNames.h"
#include "model/SettingsStore.h"
#include "model/Version.h"
#include "queue/AppViewModel.h"
#include "ui/ApplicationInfo.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace {

void setNames()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tovalin Image Optimizer"));
    QCoreApplication::setOrganizationName(QStringLiteral("Tovalin"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(Version::text));
}

// Paths as the file system spells them, also where that is not UTF-8.
QStringList decoded(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(FileNames::decode(QByteArray(argv[i])));
    }
    return arguments;
}

void print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

// --help and --version, in the user's language, without reaching for a display.
int answerOnTerminal(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    setNames();
    const Translations translations;
    const LaunchArguments launch = LaunchArguments::parse(decoded(argc, argv), QDir::currentPath());
    switch (launch.action) {
    case LaunchArguments::Action::help:
        print(stdout, LaunchArguments::helpText());
        return 0;
    case LaunchArguments::Action::version:
        print(stdout, LaunchArguments::versionText());
        return 0;
    case LaunchArguments::Action::usageError:
    case LaunchArguments::Action::open:
        break;
    }
    print(stderr, launch.error + QLatin1Char('\n'));
    return 2;
}

void bringToFront(QWidget* window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

int main(int argc, char* argv[])
{
    if (LaunchArguments::asksTerminalOnly(decoded(argc, argv))) {
        return answerOnTerminal(argc, argv);
    }
    // Takes the toolkit's own options (-platform, -style, …) out of argv.
    QApplication app(argc, argv);
    setNames();
    // Ties the window to its launcher entry (the Wayland app id), so the desktop shows its name and icon.
    QApplication::setDesktopFileName(QString::fromLatin1(ApplicationInfo::id));
    // Before any text is made: every widget takes its text once, when it is built.
    const Translations translations;

    const LaunchArguments launch = LaunchArguments::parse(decoded(argc, argv), QDir::currentPath());
    if (launch.action != LaunchArguments::Action::open) {
        print(stderr, launch.error + QLatin1Char('\n'));
        return 2;
    }
    for (const QString& foreign : launch.foreign) {
        print(stderr, LaunchArguments::tr("tovalin-image-optimizer: %1 is not on this computer; only local files "
                                          "and folders can be queued.")
                              .arg(foreign) +
                          QLatin1Char('\n'));
    }
    SingleInstance instance;
    if (instance.start(launch.uris) == SingleInstance::Role::handedOver) {
        return 0;
    }

    // The engine on this computer, started when a job first needs it; it ends with the program. The
    // service the program was built for goes through the process-wide transport.
    LocalEngine engine;
    AppViewModel model(std::make_shared<SettingsStore>(), JobPipeline::optimizer(TovalinClient().host()),
                       JobPipeline::optimizer(engine.host()));
    MainWindow window(&model);
    QObject::connect(instance.service(), &ApplicationService::openRequested, &window, [&](const QStringList& uris) {
        model.addFiles(LaunchArguments::queueItems(uris));
        bringToFront(&window);
    });
    QObject::connect(instance.service(), &ApplicationService::activated, &window, [&] { bringToFront(&window); });
    window.show();
    model.addFiles(LaunchArguments::queueItems(launch.uris));
    return QApplication::exec();
}
