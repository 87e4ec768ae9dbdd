#include "app/LaunchArguments.h"

#include "model/FileNames.h"
#include "model/Version.h"
#include "queue/QueueIntake.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace {

const QString programName = QStringLiteral("tovalin-image-optimizer");

// A name's bytes as they are, percent-encoded, so that a name that is not UTF-8 reaches the window
// whole; QUrl would put a replacement character in its place.
QString fileUri(const QString& path)
{
    return QStringLiteral("file://") + QString::fromLatin1(FileNames::encode(path).toPercentEncoding("/"));
}

// The path of a file: URI on this computer; empty for any other. Read from the URI's text itself: QUrl
// turns percent-encoded bytes that are not UTF-8 into replacement characters.
QString localPath(const QString& uri)
{
    const QString scheme = QStringLiteral("file://");
    if (!uri.startsWith(scheme, Qt::CaseInsensitive)) {
        return QString();
    }
    const qsizetype pathStart = uri.indexOf(QLatin1Char('/'), scheme.size());
    const QStringView host = QStringView(uri).sliced(scheme.size(), pathStart < 0 ? 0 : pathStart - scheme.size());
    if (pathStart < 0 || !(host.isEmpty() || host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)) {
        return QString();
    }
    QStringView path = QStringView(uri).sliced(pathStart);
    if (const qsizetype end = path.indexOf(QLatin1Char('#')); end >= 0) {
        path.truncate(end);
    }
    if (const qsizetype end = path.indexOf(QLatin1Char('?')); end >= 0) {
        path.truncate(end);
    }
    return FileNames::decode(QByteArray::fromPercentEncoding(path.toUtf8()));
}

struct Parser
{
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            LaunchArguments::tr("Show this help and exit.")};
    QCommandLineOption version{QStringLiteral("version"), LaunchArguments::tr("Show the version and exit.")};

    Parser()
    {
        parser.setApplicationDescription(
            LaunchArguments::tr("Opens the Tovalin Image Optimizer window with the given images queued; folders are\n"
                                "searched for images. When the window is already open, they join its queue and the\n"
                                "window is brought to the front."));
        parser.addOptions({help, version});
        parser.addPositionalArgument(LaunchArguments::tr("PATH"),
                                     LaunchArguments::tr("Image files and folders, as paths or file: URIs."),
                                     LaunchArguments::tr("[PATH...]", "the arguments in the help's first line"));
    }
};

} // namespace

LaunchArguments LaunchArguments::parse(const QStringList& arguments, const QString& workingFolder)
{
    LaunchArguments result;
    Parser p;
    if (!p.parser.parse(arguments)) {
        result.action = Action::usageError;
        result.error = p.parser.errorText();
        return result;
    }
    if (p.parser.isSet(p.help)) {
        result.action = Action::help;
        return result;
    }
    if (p.parser.isSet(p.version)) {
        result.action = Action::version;
        return result;
    }
    const QDir base(workingFolder);
    for (const QString& argument : p.parser.positionalArguments()) {
        // A URI names its scheme before ":/"; a path that merely holds a colon is still a path.
        const QUrl url(argument, QUrl::StrictMode);
        const bool uri =
            url.isValid() && url.scheme().size() > 1 && argument.startsWith(url.scheme() + QStringLiteral(":/"));
        const QString path = uri ? localPath(argument) : argument;
        if (path.isEmpty()) {
            result.foreign.append(argument);
            continue;
        }
        result.uris.append(fileUri(QDir::cleanPath(base.absoluteFilePath(path))));
    }
    return result;
}

bool LaunchArguments::asksTerminalOnly(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--")) {
            break;
        }
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help") ||
            argument == QLatin1String("--version")) {
            return true;
        }
    }
    return false;
}

QString LaunchArguments::helpText()
{
    Parser p;
    QString text = p.parser.helpText();
    // Qt names the program by the path it was started with; the help names the command.
    const qsizetype firstLineEnd = text.indexOf(QLatin1Char('\n'));
    text.replace(0, firstLineEnd, tr("Usage: %1 [options] [PATH...]").arg(programName));
    return text;
}

QString LaunchArguments::versionText()
{
    return QStringLiteral("%1 (Tovalin Image Optimizer) %2\n").arg(programName, QString::fromLatin1(Version::text));
}

QList<QUrl> LaunchArguments::queueItems(const QStringList& uris)
{
    QList<QUrl> items;
    items.reserve(uris.size());
    for (const QString& uri : uris) {
        const QString path = QDir::cleanPath(localPath(uri));
        if (path.isEmpty() || !QDir::isAbsolutePath(path)) {
            continue;
        }
        items.append(QFileInfo(path).isDir() ? QueueIntake::directoryUrl(path) : QUrl::fromLocalFile(path));
    }
    return items;
}
