#include "Console.h"
#include "OptimizeCommand.h"
#include "Version.h"

#include <QCoreApplication>

#include <csignal>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The window's names, so that the key the window stored is found where the window keeps it.
    QCoreApplication::setApplicationName(QStringLiteral("Tovalin Image Optimizer"));
    QCoreApplication::setOrganizationName(QStringLiteral("Tovalin"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(Version::text));
    // A reader that goes away (`| head`) makes writes fail instead of ending the run half way.
    std::signal(SIGPIPE, SIG_IGN);

    Console console;
    OptimizeCommand command(&console);
    return command.run(QCoreApplication::arguments());
}
