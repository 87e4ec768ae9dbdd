#include "cli/Console.h"
#include "cli/OptimizeCommand.h"
#include "i18n/Translations.h"
#include "model/FileNames.h"
#include "model/Version.h"

#include <QCoreApplication>
#include <QStringList>

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
    // The user's language for every text the command prints, Qt's own (the parser's errors) included.
    const Translations translations;

    Console console;
    OptimizeCommand command(&console);
    // Paths as the file system spells them, also where that is not UTF-8.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(FileNames::decode(QByteArray(argv[i])));
    }
    return command.run(arguments);
}
