#include "cli/CommandLine.h"

#include "client/ServiceConfig.h"
#include "model/Version.h"
#include "queue/QueueRunner.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

const QString programName = QStringLiteral("tovalin-optimize");

// The parser with every option of the command. Built the same way for parsing and for --help.
struct Parser
{
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, CommandLine::tr("Show this help and exit.")};
    QCommandLineOption version{QStringLiteral("version"), CommandLine::tr("Show the version and exit.")};
    QCommandLineOption level{QStringLiteral("level"),
                             CommandLine::tr("Compression: lossy (the default), glossy or lossless."),
                             CommandLine::tr("level", "an option's value, as in <file>")};
    QCommandLineOption webp{QStringLiteral("webp"), CommandLine::tr("Also save a WebP version (the default).")};
    QCommandLineOption noWebp{QStringLiteral("no-webp"), CommandLine::tr("Save no WebP version.")};
    QCommandLineOption avif{QStringLiteral("avif"), CommandLine::tr("Also save an AVIF version.")};
    QCommandLineOption noAvif{QStringLiteral("no-avif"), CommandLine::tr("Save no AVIF version (the default).")};
    QCommandLineOption resize{QStringLiteral("resize"),
                              CommandLine::tr("Fit each image to --width and --height: cover or contain."),
                              CommandLine::tr("mode", "an option's value, as in <file>")};
    QCommandLineOption width{QStringLiteral("width"), CommandLine::tr("Width to resize to, in pixels."),
                             QStringLiteral("N")};
    QCommandLineOption height{QStringLiteral("height"), CommandLine::tr("Height to resize to, in pixels."),
                              QStringLiteral("N")};
    QCommandLineOption upscale{QStringLiteral("upscale"), CommandLine::tr("Upscale by 2, 3 or 4."),
                               CommandLine::tr("factor", "an option's value, as in <file>")};
    QCommandLineOption removeBackground{QStringLiteral("remove-background"), CommandLine::tr("Remove the background.")};
    QCommandLineOption keepExif{QStringLiteral("keep-exif"), CommandLine::tr("Keep the EXIF data.")};
    QCommandLineOption noCmykToRgb{
        QStringLiteral("no-cmyk-to-rgb"),
        CommandLine::tr("Leave CMYK images in CMYK (they are converted to RGB by default).")};
    QCommandLineOption outputDir{QStringLiteral("output-dir"),
                                 CommandLine::tr("Save the results in <folder> instead of beside the images (see "
                                                 "\"Output\" below)."),
                                 CommandLine::tr("folder", "an option's value, as in <file>")};
    QCommandLineOption keepDates{QStringLiteral("keep-dates"),
                                 CommandLine::tr("Give every result the modification time of its image (the "
                                                 "default).")};
    QCommandLineOption noKeepDates{QStringLiteral("no-keep-dates"),
                                   CommandLine::tr("Leave every result dated by when it was saved.")};
    QCommandLineOption engine{QStringLiteral("engine"),
                              CommandLine::tr("Optimize on this computer (local, no key needed) or through the "
                                              "Tovalin service (service, with your API key); %1 by default.")
                                  .arg(name(ServiceConfig::defaultEngine)),
                              CommandLine::tr("engine", "an option's value, as in <file>")};
    QCommandLineOption apiKeyFile{QStringLiteral("api-key-file"),
                                  CommandLine::tr("Read the API key from <file> (see \"API key\" below)."),
                                  CommandLine::tr("file", "an option's value, as in <file>")};
    QCommandLineOption serviceUrl{QStringLiteral("service-url"),
                                  CommandLine::tr("Talk to the service at <url> (https only) instead of the one this "
                                                  "program was built for; implies --engine service. The key must then "
                                                  "come from --api-key-file or TOVALIN_API_KEY."),
                                  CommandLine::tr("url", "an option's value, as in <file>")};
    QCommandLineOption caFile{QStringLiteral("ca-file"),
                              CommandLine::tr("Also trust the PEM certificates in <file> for --service-url."),
                              CommandLine::tr("file", "an option's value, as in <file>")};
    QCommandLineOption jobs{QStringLiteral("jobs"),
                            CommandLine::tr("Keep up to <N> images with the service at once, 1 to %1 (4 by default).")
                                .arg(QueueRunner::maxInFlightLimit),
                            QStringLiteral("N")};
    QCommandLineOption shard{QStringLiteral("shard"),
                             CommandLine::tr("Take only share <K/N> of the images, for N processes that together "
                                             "handle every image once (see \"Sharing the work\" below)."),
                             QStringLiteral("K/N")};
    QCommandLineOption force{QStringLiteral("force"),
                             CommandLine::tr("Send every image, also those whose results are up to date.")};
    QCommandLineOption dryRun{QStringLiteral("dry-run"),
                              CommandLine::tr("List what would be sent and what would be skipped; send nothing.")};
    QCommandLineOption watch{QStringLiteral("watch"),
                             CommandLine::tr("Stay, and optimize each image that appears or changes in the folders "
                                             "given once it has been written (see \"Watching\" below).")};
    QCommandLineOption json{QStringLiteral("json"),
                            CommandLine::tr("Print one JSON object per image instead of the table.")};
    QCommandLineOption quiet{{QStringLiteral("q"), QStringLiteral("quiet")}, CommandLine::tr("Print no progress.")};
    // Recognised only to refuse them: a key on the command line shows in the process list.
    QCommandLineOption apiKey{{QStringLiteral("api-key"), QStringLiteral("key")}, QString(), QStringLiteral("key")};

    Parser()
    {
        parser.setApplicationDescription(
            CommandLine::tr("Optimizes images on this computer or through the Tovalin service and saves the results\n"
                            "beside them: photo.jpg gives photo-optimized.jpg, and photo.webp or photo.avif when\n"
                            "asked for. Folders are searched for images. The source images are never changed."));
        apiKey.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOptions({help,       version,     level,     webp,      noWebp,      avif,
                           noAvif,     resize,      width,     height,    upscale,     removeBackground,
                           keepExif,   noCmykToRgb, outputDir, keepDates, noKeepDates, engine,
                           apiKeyFile, serviceUrl,  caFile,    jobs,      shard,       force,
                           dryRun,     watch,       json,      quiet,     apiKey});
        parser.addPositionalArgument(CommandLine::tr("PATH"), CommandLine::tr("Image files, and folders to search."),
                                     CommandLine::tr("PATH...", "the arguments in the help's first line"));
    }

    // Of two options that undo each other, the one given last.
    bool lastOf(const QCommandLineOption& on, const QCommandLineOption& off, bool fallback) const
    {
        bool value = fallback;
        const QStringList given = parser.optionNames();
        for (const QString& name : given) {
            if (on.names().contains(name)) {
                value = true;
            } else if (off.names().contains(name)) {
                value = false;
            }
        }
        return value;
    }
};

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// A side of the resize box: a whole number of pixels, 1 or more.
std::optional<qint64> pixels(const QString& text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    const bool digitsOnly = !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (!ok || !digitsOnly || value < 1) {
        return std::nullopt;
    }
    return value;
}

CommandLine::Result usageError(QString error)
{
    CommandLine::Result result;
    result.action = CommandLine::Action::usageError;
    result.error = std::move(error);
    return result;
}

} // namespace

CommandLine::Result CommandLine::parse(const QStringList& arguments)
{
    Parser p;
    QCommandLineParser& parser = p.parser;
    if (!parser.parse(arguments)) {
        return usageError(parser.errorText());
    }
    Result result;
    if (parser.isSet(p.help)) {
        result.action = Action::help;
        return result;
    }
    if (parser.isSet(p.version)) {
        result.action = Action::version;
        return result;
    }
    if (parser.isSet(p.apiKey)) {
        return usageError(tr("the API key is never taken from the command line, where other users could see it in "
                             "the process list; give it with --api-key-file FILE or the environment variable "
                             "TOVALIN_API_KEY."));
    }

    CliOptions& o = result.options;
    TovalinOptions& r = o.request;
    if (parser.isSet(p.level)) {
        const QString level = parser.value(p.level).toLower();
        if (level == QLatin1String("lossy")) {
            r.compression = Compression::lossy;
        } else if (level == QLatin1String("glossy")) {
            r.compression = Compression::glossy;
        } else if (level == QLatin1String("lossless")) {
            r.compression = Compression::lossless;
        } else {
            return usageError(
                tr("--level must be lossy, glossy or lossless, not %1.").arg(quoted(parser.value(p.level))));
        }
    }
    r.convertToWebP = p.lastOf(p.webp, p.noWebp, r.convertToWebP);
    r.convertToAVIF = p.lastOf(p.avif, p.noAvif, r.convertToAVIF);

    if (parser.isSet(p.resize)) {
        const QString mode = parser.value(p.resize).toLower();
        if (mode == QLatin1String("cover")) {
            r.resizeMode = ResizeMode::cover;
        } else if (mode == QLatin1String("contain")) {
            r.resizeMode = ResizeMode::contain;
        } else {
            return usageError(tr("--resize must be cover or contain, not %1.").arg(quoted(parser.value(p.resize))));
        }
    }
    for (const auto& [option, side] : {std::pair{&p.width, &r.resizeWidth}, std::pair{&p.height, &r.resizeHeight}}) {
        if (!parser.isSet(*option)) {
            continue;
        }
        *side = pixels(parser.value(*option));
        if (!*side) {
            return usageError(tr("--%1 must be a whole number of pixels, 1 or more, not %2.")
                                  .arg(option->names().constFirst(), quoted(parser.value(*option))));
        }
    }
    if (r.resizeMode == ResizeMode::none && (r.resizeWidth || r.resizeHeight)) {
        return usageError(tr("--width and --height need --resize cover or --resize contain."));
    }
    if (r.resizeMode != ResizeMode::none && !r.resizeWidth && !r.resizeHeight) {
        return usageError(tr("--resize needs --width, --height or both."));
    }

    if (parser.isSet(p.upscale)) {
        QString factor = parser.value(p.upscale).toLower();
        if (factor.endsWith(QLatin1Char('x'))) {
            factor.chop(1);
        }
        const std::optional<UpscaleFactor> value =
            factor.size() == 1 ? fromRawValue<UpscaleFactor>(factor.toInt()) : std::nullopt;
        if (!value || *value == UpscaleFactor::none) {
            return usageError(tr("--upscale must be 2, 3 or 4, not %1.").arg(quoted(parser.value(p.upscale))));
        }
        r.upscale = *value;
    }
    r.removeBackground = parser.isSet(p.removeBackground);
    r.keepExif = parser.isSet(p.keepExif);
    r.cmykToRgb = !parser.isSet(p.noCmykToRgb);

    if (parser.isSet(p.outputDir)) {
        const QString folder = parser.value(p.outputDir);
        const QFileInfo info(folder);
        if (folder.isEmpty()) {
            return usageError(tr("--output-dir needs the name of a folder."));
        }
        // A folder that is not there yet is made when the first result is saved.
        if (info.exists() && !info.isDir()) {
            return usageError(tr("--output-dir must be a folder, not %1.").arg(quoted(folder)));
        }
        o.output.folder = QDir::cleanPath(info.absoluteFilePath());
    }
    o.output.keepDates = p.lastOf(p.keepDates, p.noKeepDates, o.output.keepDates);

    o.apiKeyFile = parser.value(p.apiKeyFile);
    if (parser.isSet(p.apiKeyFile) && o.apiKeyFile.isEmpty()) {
        return usageError(tr("--api-key-file needs the name of a file."));
    }
    if (parser.isSet(p.serviceUrl)) {
        const QUrl url(parser.value(p.serviceUrl), QUrl::StrictMode);
        // The key goes wherever this points: nothing but a plain https address is taken.
        if (!url.isValid() || url.scheme() != QLatin1String("https") || url.host().isEmpty() ||
            !url.userInfo().isEmpty() || url.hasQuery() || url.hasFragment()) {
            return usageError(tr("--service-url must be an https address such as https://host:port, not %1.")
                                  .arg(quoted(parser.value(p.serviceUrl))));
        }
        o.serviceUrl = url;
    }
    o.caFile = parser.value(p.caFile);
    if (parser.isSet(p.caFile) && !o.serviceUrl) {
        return usageError(tr("--ca-file is only for the service given with --service-url."));
    }
    o.engine = o.serviceUrl ? Engine::service : ServiceConfig::defaultEngine;
    if (parser.isSet(p.engine)) {
        const std::optional<Engine> engine = engineNamed(parser.value(p.engine));
        if (!engine) {
            return usageError(tr("--engine must be local or service, not %1.").arg(quoted(parser.value(p.engine))));
        }
        if (o.serviceUrl && *engine == Engine::local) {
            return usageError(tr("--service-url is for --engine service."));
        }
        o.engine = *engine;
    }
    if (parser.isSet(p.jobs)) {
        const QString text = parser.value(p.jobs);
        bool ok = false;
        o.jobs = text.toInt(&ok);
        if (!ok || o.jobs < 1 || o.jobs > QueueRunner::maxInFlightLimit || text.startsWith(QLatin1Char('+'))) {
            return usageError(tr("--jobs must be a whole number from 1 to %1, not %2.")
                                  .arg(QueueRunner::maxInFlightLimit)
                                  .arg(quoted(text)));
        }
    }
    if (parser.isSet(p.shard)) {
        const std::optional<Shard> shard = Shard::parse(parser.value(p.shard));
        if (!shard) {
            return usageError(
                tr("--shard must be K/N with K from 1 to N, such as 2/4, not %1.").arg(quoted(parser.value(p.shard))));
        }
        o.shard = *shard;
    }
    o.force = parser.isSet(p.force);
    o.dryRun = parser.isSet(p.dryRun);
    o.watch = parser.isSet(p.watch);
    for (const auto* other : {&p.dryRun, &p.shard}) {
        if (o.watch && parser.isSet(*other)) {
            return usageError(tr("--watch cannot be combined with --%1.").arg(other->names().constFirst()));
        }
    }
    o.json = parser.isSet(p.json);
    o.quiet = parser.isSet(p.quiet);

    o.paths = parser.positionalArguments();
    if (o.paths.isEmpty()) {
        return usageError(tr("no images or folders given."));
    }
    return result;
}

QString CommandLine::helpText()
{
    Parser p;
    QString text = p.parser.helpText();
    // Qt names the program by the path it was started with; the help names the command.
    const qsizetype firstLineEnd = text.indexOf(QLatin1Char('\n'));
    text.replace(0, firstLineEnd, tr("Usage: %1 [options] PATH...").arg(programName));
    // One message a section, each laid out by hand within 100 columns, as a translation must keep it.
    const QStringList sections{
        tr("Engines:\n"
           "  local    the engine on this computer: started by this command for its run and ended with it,\n"
           "           offline, no account or key; the images never leave this computer.\n"
           "  service  the Tovalin service, with the API key of your account.\n"
           "  Without --engine: %1, or service with --service-url.\n")
            .arg(name(ServiceConfig::defaultEngine)),
        tr("API key:\n"
           "  Only the Tovalin service needs one. Taken from --api-key-file FILE, else from the environment\n"
           "  variable TOVALIN_API_KEY, else the key stored by the Tovalin Image Optimizer window. It is never\n"
           "  taken from the command line and never printed. A key file should be readable by you only\n"
           "  (chmod 600 FILE).\n"),
        tr("Output:\n"
           "  Results go beside their images, or with --output-dir DIR into DIR: the tree under each folder\n"
           "  given is mirrored there, and an image given by itself goes to its top. Each result has the\n"
           "  modification time of its image (--no-keep-dates: the time it was saved).\n"
           "  Progress goes to standard error: one redrawn line on a terminal, otherwise one line per image.\n"
           "  The table of results, or with --json one JSON object per image, goes to standard output.\n"),
        tr("Reruns:\n"
           "  Every result carries a mark naming its source and the settings it was made with. Results\n"
           "  found in a folder are never taken for images to optimize, and an image whose results are\n"
           "  all there, made from the image as it is now with the same settings, is skipped (\"Already\n"
           "  optimized.\"). --force sends it anyway. Where the file system keeps no marks, nothing is\n"
           "  skipped. --dry-run lists what would be sent and what skipped.\n"),
        tr("Several at once:\n"
           "  Up to --jobs images are with the service at once. Two images whose results would share a\n"
           "  file name are never sent together.\n"),
        tr("Sharing the work:\n"
           "  --shard K/N takes the K-th of N shares of the images found, picked by a hash of each image's\n"
           "  path relative to the folder given (a file given by itself: its path as given). N processes\n"
           "  given the same paths and --shard 1/N to N/N handle every image exactly once, on one machine\n"
           "  or on many, for example with GNU parallel:\n"
           "    parallel %1 --shard {}/4 ~/site/images ::: 1 2 3 4\n")
            .arg(programName),
        tr("Watching:\n"
           "  --watch FOLDER... first optimizes what is due in the folders, then stays: an image that\n"
           "  appears or changes in them, or in a folder made there later, is optimized once nothing has\n"
           "  been written to it for half a second. What is up to date is skipped as in a rerun, and this\n"
           "  program's results are never taken for images. Each image's outcome is printed as it ends\n"
           "  (with --json, one JSON object per image on standard output). Ctrl-C or SIGTERM stops the\n"
           "  run in flight as an interrupt does and ends the watch with status 0.\n"),
        tr("Exit status:\n"
           "  0    every image was optimized or up to date\n"
           "  1    at least one image failed\n"
           "  2    usage error: a bad option, or no API key for the service\n"
           "  130  interrupted (Ctrl-C); 129 and 143 after SIGHUP and SIGTERM\n"
           "\n"
           "  An interrupt stops the run as the window's Stop button does: the transfers in flight are\n"
           "  aborted, nothing is left half written, and the images not reached are reported as stopped.\n"
           "  A second interrupt quits at once.\n"),
        tr("Examples:\n"
           "  %1 --level glossy --avif ~/Pictures/holiday\n"
           "  TOVALIN_API_KEY=... %1 --engine service ~/Pictures/holiday\n")
            .arg(programName),
    };
    for (const QString& section : sections) {
        text += QLatin1Char('\n') + section;
    }
    return text;
}

QString CommandLine::versionText()
{
    return QStringLiteral("%1 (Tovalin Image Optimizer) %2\n").arg(programName, QString::fromLatin1(Version::text));
}
