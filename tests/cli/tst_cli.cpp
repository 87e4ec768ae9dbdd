#include "cli/ApiKeySource.h"
#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/RunReport.h"
#include "model/SettingsStore.h"
#include "tests/e2e/LocalServiceProcess.h"
#include "tests/service/TestImages.h"
#include "tests/support/TempTree.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kKey = QStringLiteral("cli-test-key-0123");

QString describe(const CliOptions& o)
{
    const TovalinOptions& r = o.request;
    return QStringLiteral("level=%1 webp=%2 avif=%3 resize=%4 %5x%6 upscale=%7 bg=%8 exif=%9 cmyk=%10 json=%11")
               .arg(rawValue(r.compression))
               .arg(r.convertToWebP)
               .arg(r.convertToAVIF)
               .arg(rawValue(r.resizeMode))
               .arg(r.resizeWidth.value_or(0))
               .arg(r.resizeHeight.value_or(0))
               .arg(rawValue(r.upscale))
               .arg(r.removeBackground)
               .arg(r.keepExif)
               .arg(r.cmykToRgb)
               .arg(o.json) +
           QStringLiteral(" jobs=%1 shard=%2/%3").arg(o.jobs).arg(o.shard.index).arg(o.shard.count);
}

QStringList command(const QString& line)
{
    return QStringList{QStringLiteral("tovalin-optimize")} + line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

struct Outcome
{
    int status = -1;
    QString out;
    QString err;
};

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

    LocalServiceProcess m_service;
    LocalServiceProcess m_slowService;
    std::unique_ptr<TempTree> m_tree;
    QMap<QString, QByteArray> m_sources;

    // The executable, its settings folder in the test's tree, talking to `service` when one is given;
    // in the language of `lang` when one is given, as a desktop sets it.
    void prepare(QProcess& process, const QStringList& arguments, LocalServiceProcess* service,
                 const QString& environmentKey = kKey, const QString& lang = QString())
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_tree->path(QStringLiteral("config")));
        env.remove(QStringLiteral("TOVALIN_API_KEY"));
        if (!environmentKey.isEmpty())
            env.insert(QStringLiteral("TOVALIN_API_KEY"), environmentKey);
        if (!lang.isEmpty()) {
            for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
                env.remove(QString::fromLatin1(name));
            env.insert(QStringLiteral("LANG"), lang);
        }
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(m_tree->root());
        QStringList all = arguments;
        if (service)
            all = QStringList{QStringLiteral("--service-url"), service->baseUrl().toString(),
                              QStringLiteral("--ca-file"), QStringLiteral(TOVALIN_SERVICE_TEST_CERTS "/ca.pem")} +
                  all;
        process.setProgram(QStringLiteral(TOVALIN_OPTIMIZE_PATH));
        process.setArguments(all);
    }

    Outcome run(const QStringList& arguments, LocalServiceProcess* service, const QString& environmentKey = kKey,
                const QString& lang = QString())
    {
        QProcess process;
        prepare(process, arguments, service, environmentKey, lang);
        process.start();
        Outcome outcome;
        if (!process.waitForFinished(120'000) || process.exitStatus() != QProcess::NormalExit)
            return outcome;
        outcome.status = process.exitCode();
        outcome.out = QString::fromUtf8(process.readAllStandardOutput());
        outcome.err = QString::fromUtf8(process.readAllStandardError());
        return outcome;
    }

    static QList<QJsonObject> jsonLines(const QString& text)
    {
        QList<QJsonObject> objects;
        for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            objects.append(QJsonDocument::fromJson(line.toUtf8()).object());
        return objects;
    }

    QStringList filesInTree() const
    {
        QStringList files;
        QDirIterator it(m_tree->path(QStringLiteral("photos")), QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(QDir(m_tree->path(QStringLiteral("photos"))).relativeFilePath(it.next()));
        files.sort();
        return files;
    }

private Q_SLOTS:
    void initTestCase()
    {
        TestImages::initVips();
        QString error = m_service.start(kKey);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        // Long enough that an interrupt lands while an upload waits for its answer.
        error = m_slowService.start(kKey, {QStringLiteral("--delay-ms"), QStringLiteral("2500")});
        QVERIFY2(error.isEmpty(), qPrintable(error));
        m_sources = {{QStringLiteral("photos/photo.jpg"), TestImages::photoJpeg(400, 300)},
                     {QStringLiteral("photos/clear.png"), TestImages::transparentPng(200, 150)},
                     {QStringLiteral("photos/trip/print.jpg"), TestImages::cmykJpeg(200, 150)},
                     {QStringLiteral("photos/.hidden.jpg"), TestImages::photoJpeg(64, 48)}};
    }

    void init()
    {
        m_tree = std::make_unique<TempTree>();
        QVERIFY(m_tree->isValid());
        for (auto it = m_sources.cbegin(); it != m_sources.cend(); ++it)
            m_tree->writeFile(it.key(), it.value());
    }

    // Whatever a test did, the sources are byte-identical afterwards.
    void cleanup()
    {
        for (auto it = m_sources.cbegin(); it != m_sources.cend(); ++it) {
            QFile file(m_tree->path(it.key()));
            QVERIFY2(file.open(QIODevice::ReadOnly) && file.readAll() == it.value(), qPrintable(it.key()));
        }
    }

    // Each line gives the settings it leads to, or its one-sentence usage error.
    void parsing_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* line, const char* expected) {
            QTest::newRow(name) << line << expected;
        };
        row("the window's defaults", "a.jpg",
            "level=1 webp=1 avif=0 resize=0 0x0 upscale=0 bg=0 exif=0 cmyk=1 json=0 jobs=4 shard=1/1");
        row("every setting",
            "--level Lossless --no-webp --avif --resize contain --width 800 --height 600 --upscale 3x "
            "--remove-background --keep-exif --no-cmyk-to-rgb --json --jobs 16 --shard 3/7 a",
            "level=0 webp=0 avif=1 resize=3 800x600 upscale=3 bg=1 exif=1 cmyk=0 json=1 jobs=16 shard=3/7");
        row("the last of two opposites wins",
            "--no-webp --avif --webp --no-avif --level glossy --resize cover --height 10 --jobs 1 a",
            "level=2 webp=1 avif=0 resize=1 0x10 upscale=0 bg=0 exif=0 cmyk=1 json=0 jobs=1 shard=1/1");
        row("jobs", "--jobs 17 a", "--jobs must be a whole number from 1 to 16, not \"17\".");
        row("shard beyond its count", "--shard 5/4 a",
            "--shard must be K/N with K from 1 to N, such as 2/4, not \"5/4\".");
        row("shard from zero", "--shard 0/4 a", "--shard must be K/N with K from 1 to N, such as 2/4, not \"0/4\".");
        row("unknown option", "--fast a", "Unknown option 'fast'.");
        row("missing value", "a --level", "Missing value after '--level'.");
        row("level", "--level best a", "--level must be lossy, glossy or lossless, not \"best\".");
        row("resize", "--resize fill --width 5 a", "--resize must be cover or contain, not \"fill\".");
        row("zero width", "--resize cover --width 0 a",
            "--width must be a whole number of pixels, 1 or more, not \"0\".");
        row("signed height", "--resize cover --height +5 a",
            "--height must be a whole number of pixels, 1 or more, not \"+5\".");
        row("width without resize", "--width 5 a", "--width and --height need --resize cover or --resize contain.");
        row("resize without size", "--resize cover a", "--resize needs --width, --height or both.");
        row("upscale", "--upscale 1 a", "--upscale must be 2, 3 or 4, not \"1\".");
        row("plain http", "--service-url http://localhost:1 a",
            "--service-url must be an https address such as https://host:port, not \"http://localhost:1\".");
        row("ca file alone", "--ca-file ca.pem a", "--ca-file is only for the service given with --service-url.");
        row("engine", "--engine remote a", "--engine must be local or service, not \"remote\".");
        row("a service address on this computer", "--engine local --service-url https://localhost:1 a",
            "--service-url is for --engine service.");
        row("no paths", "--avif", "no images or folders given.");
    }

    void parsing()
    {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        const CommandLine::Result result = CommandLine::parse(command(line));
        QCOMPARE(result.action == CommandLine::Action::usageError, !result.error.isEmpty());
        QCOMPARE(result.error.isEmpty() ? describe(result.options) : result.error, expected);
    }

    void keySources_data()
    {
        QTest::addColumn<QByteArray>("fileContent"); // null: no --api-key-file
        QTest::addColumn<bool>("othersMayRead");
        QTest::addColumn<QString>("environment"); // null: not set
        QTest::addColumn<bool>("otherService");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("error"); // start of it
        QTest::addColumn<bool>("warned");
        const auto row = [](const char* name, const QByteArray& file, bool othersMayRead, const QString& environment,
                            bool otherService, const char* key, const char* error, bool warned) {
            QTest::newRow(name) << file << othersMayRead << environment << otherService << key << error << warned;
        };
        const QString none;
        row("file first, trimmed", " from-file\n", false, "from-env", true, "from-file", nullptr, false);
        row("file readable by others", "from-file", true, none, false, "from-file", nullptr, true);
        row("empty file", "\n", false, "from-env", false, "", "the key file", false);
        row("environment next", {}, false, " from-env ", true, "from-env", nullptr, false);
        row("the window's key last", {}, false, "  ", false, "stored", nullptr, false);
        row("the window's key stays home", {}, false, none, true, "", "the key stored by the window is sent only",
            false);
    }

    void keySources()
    {
        QFETCH(QByteArray, fileContent);
        QFETCH(bool, othersMayRead);
        QFETCH(QString, environment);
        QFETCH(bool, otherService);
        QFETCH(QString, key);
        QFETCH(QString, error);
        QFETCH(bool, warned);
        const QString stored = m_tree->path(QStringLiteral("config/settings.ini"));
        SettingsStore(stored).setApiKey(QStringLiteral(" stored\n"));
        QFile storedFile(stored);
        QVERIFY(storedFile.open(QIODevice::ReadOnly));
        const QByteArray storedBefore = storedFile.readAll();
        QString keyFile;
        if (!fileContent.isNull()) {
            keyFile = m_tree->writeFile(QStringLiteral("key"), fileContent);
            QFile::setPermissions(keyFile, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               (othersMayRead ? QFileDevice::ReadOther : QFileDevice::Permissions()));
        }

        const ApiKeySource::Result result = ApiKeySource::find(keyFile, environment, stored, otherService);
        QCOMPARE(result.key, key);
        QVERIFY2(result.error.startsWith(error) && result.error.isEmpty() == error.isEmpty(), qPrintable(result.error));
        QCOMPARE(!result.warnings.isEmpty(), warned);
        storedFile.seek(0);
        QCOMPARE(storedFile.readAll(), storedBefore);
        QVERIFY(!result.warnings.join(QString()).contains(QLatin1String("from-file")));
    }

    // The manual page is well-formed roff and documents every option the help lists.
    void manPage()
    {
        const QString page = QStringLiteral(TOVALIN_MAN_PAGE);
        QProcess groff;
        groff.start(QStringLiteral("groff"), {QStringLiteral("-man"), QStringLiteral("-Tutf8"), QStringLiteral("-ww"),
                                              QStringLiteral("-z"), page});
        QVERIFY2(groff.waitForFinished(30'000), "groff (package groff-base) is needed");
        QCOMPARE(QString::fromUtf8(groff.readAllStandardError()), QString());
        QCOMPARE(groff.exitCode(), 0);
        QFile file(page);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString roff = QString::fromUtf8(file.readAll());
        const QString help = CommandLine::helpText();
        static const QRegularExpression longOption(QStringLiteral("--[a-z][a-z-]*"));
        for (auto it = longOption.globalMatch(help); it.hasNext();) {
            const QString option = it.next().captured();
            QVERIFY2(roff.contains(QString(option).replace(QLatin1Char('-'), QLatin1String("\\-"))),
                     qPrintable(option));
        }
    }

    // The real executable: usage errors end with status 2 and one clear message; a key on the command
    // line is refused without being echoed, and no key at all names the three ways to give one.
    void usageStatus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("environmentKey");
        QTest::addColumn<QString>("message");
        QTest::newRow("key as an argument") << QStringList{"--api-key", kKey, "photos"} << QString()
                                            << "the API key is never taken from the command line";
        QTest::newRow("no key for the service")
            << QStringList{"--engine", "service", "photos"} << QString() << "no API key: give it with --api-key-file";
        QTest::newRow("bad option") << QStringList{"--level", "max", "photos"} << kKey << "--level must be";
    }

    void usageStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, environmentKey);
        QFETCH(QString, message);
        const Outcome outcome = run(arguments, nullptr, environmentKey);
        QCOMPARE(outcome.status, 2);
        QCOMPARE(outcome.out, QString());
        QVERIFY2(outcome.err.startsWith(QStringLiteral("tovalin-optimize: ") + message), qPrintable(outcome.err));
        QVERIFY(outcome.err.endsWith(QLatin1String("Try 'tovalin-optimize --help' for more information.\n")));
        QVERIFY(!outcome.err.contains(kKey));
    }

    // The command speaks the language of its environment from its first line on: German, Japanese or
    // Russian under their LANG, the English it is written in under C. Either way the help stays within 100
    // columns of a terminal and names the same options.
    void speaksTheUsersLanguage_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("lines"); // lines of the output, in this order
        QTest::newRow("help, German") << "de_DE.UTF-8" << QStringList{"--help"} << 0
                                      << QStringList{"Aufruf: tovalin-optimize [Optionen] PFAD...",
                                                     "  -h, --help              Diese Hilfe anzeigen und beenden.",
                                                     "API-Schlüssel:", "Exit-Status:"};
        QTest::newRow("help, C") << "C" << QStringList{"--help"} << 0
                                 << QStringList{"Usage: tovalin-optimize [options] PATH...",
                                                "  -h, --help             Show this help and exit.",
                                                "API key:", "Exit status:"};
        QTest::newRow("help, Japanese") << "ja_JP.UTF-8" << QStringList{"--help"} << 0
                                        << QStringList{"使い方: tovalin-optimize [オプション] PATH...",
                                                       "  -h, --help             このヘルプを表示して終了します。",
                                                       "API キー:", "終了ステータス:"};
        QTest::newRow("usage error, Russian")
            << "ru_RU.UTF-8" << QStringList{"--upscale", "5", "photos"} << 2
            << QStringList{"tovalin-optimize: --upscale должен быть 2, 3 или 4, а не \"5\".",
                           "Подробности: «tovalin-optimize --help»."};
        QTest::newRow("usage error, German")
            << "de_DE.UTF-8" << QStringList{"--level", "max", "photos"} << 2
            << QStringList{"tovalin-optimize: --level muss lossy, glossy oder lossless sein, nicht \"max\".",
                           "„tovalin-optimize --help“ liefert weitere Informationen."};
    }

    void speaksTheUsersLanguage()
    {
        QFETCH(QString, lang);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QStringList, lines);
        const Outcome outcome = run(arguments, nullptr, kKey, lang);
        QCOMPARE(outcome.status, status);
        const QStringList printed = (outcome.out + outcome.err).split(QLatin1Char('\n'));
        qsizetype at = 0;
        for (const QString& line : std::as_const(lines)) {
            at = printed.indexOf(line, at);
            QVERIFY2(at >= 0, qPrintable(line + QStringLiteral("\n-- not in --\n") + printed.join('\n')));
        }
        if (status != 0)
            return;
        for (const QString& line : printed)
            QVERIFY2(Console::columns(line) <= 100, qPrintable(line));
        static const QRegularExpression longOption(QStringLiteral("--[a-z][a-z-]*"));
        const auto options = [](const QString& text) {
            QStringList names;
            for (auto it = longOption.globalMatch(text); it.hasNext();)
                names << it.next().captured();
            names.removeDuplicates();
            names.sort();
            return names;
        };
        QCOMPARE(options(outcome.out), options(CommandLine::helpText()));
    }

    // Columns of a terminal: a wide character takes two, a combining mark none, and a cut never splits a
    // character, not even one of two UTF-16 units.
    void terminalColumns_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("first5"); // the longest start within 5 columns
        QTest::addColumn<QString>("last5");  // the longest end within 5 columns
        QTest::newRow("ASCII") << "photo.jpg" << 9 << "photo"
                               << "o.jpg";
        QTest::newRow("Japanese") << "写真/海辺.png" << 13 << "写真/"
                                  << ".png";
        QTest::newRow("combining accents") << "e\u0301te\u0301.jpg" << 7 << "e\u0301te\u0301.j"
                                           << "e\u0301.jpg";
        QTest::newRow("emoji") << "ab\U0001F642\U0001F642" << 6 << "ab\U0001F642"
                               << "b\U0001F642\U0001F642";
    }

    void terminalColumns()
    {
        QFETCH(QString, text);
        QFETCH(int, columns);
        QFETCH(QString, first5);
        QFETCH(QString, last5);
        QCOMPARE(Console::columns(text), columns);
        QCOMPARE(Console::firstColumns(text, 5), first5);
        QCOMPARE(Console::lastColumns(text, 5), last5);
    }

    // The table's columns line up on a terminal when a file name is written in wide characters.
    void tableColumnsLineUp()
    {
        const QDir base(QStringLiteral("/pictures"));
        const RunReport report({ImageJob(QUrl::fromLocalFile(QStringLiteral("/pictures/海辺の夕焼け.png"))),
                                ImageJob(QUrl::fromLocalFile(QStringLiteral("/pictures/harbour.png")))},
                               base);
        const QStringList lines = report.table().split(QLatin1Char('\n'));
        const auto stateColumn = [&lines](int row) {
            return Console::columns(lines[row].left(lines[row].indexOf(RunReport::label(RunReport::State::stopped))));
        };
        QCOMPARE(stateColumn(1), stateColumn(2));
        QCOMPARE(stateColumn(1), Console::columns(QStringLiteral("海辺の夕焼け.png  ")));
    }

    // The whole road: a folder searched as the window searches it, real images through the local
    // service, the outcome of every image as JSON, the sizes as written, and the key nowhere.
    void road()
    {
        m_tree->writeFile(QStringLiteral("photos/notes.jpg"), TestImages::notAnImage());
        const Outcome outcome = run({QStringLiteral("--json"), QStringLiteral("--quiet"), QStringLiteral("--avif"),
                                     QStringLiteral("photos"), QStringLiteral("photos/photo.jpg")},
                                    &m_service);
        QCOMPARE(outcome.status, 1); // the text file fails, the rest succeed
        QCOMPARE(outcome.err, QString());
        QVERIFY(!outcome.out.contains(kKey));
        const QList<QJsonObject> jobs = jsonLines(outcome.out);
        QCOMPARE(jobs.size(), 4); // the hidden file is left out, the photo named twice is queued once
        QMap<QString, QJsonObject> byName;
        for (const QJsonObject& job : jobs)
            byName.insert(QDir(m_tree->path(QStringLiteral("photos"))).relativeFilePath(job["file"].toString()), job);
        QCOMPARE(byName.keys(), (QStringList{"clear.png", "notes.jpg", "photo.jpg", "trip/print.jpg"}));
        QCOMPARE(byName["notes.jpg"]["state"].toString(), QStringLiteral("failed"));
        QVERIFY(byName["notes.jpg"]["message"].toString().startsWith(QLatin1String("The file is not an image")));
        for (const QString name : {"clear.png", "photo.jpg", "trip/print.jpg"}) {
            const QJsonObject job = byName[name];
            QCOMPARE(job["state"].toString(), QStringLiteral("done"));
            QCOMPARE(job["bytesBefore"].toInteger(), m_sources.value(QStringLiteral("photos/") + name).size());
            const QJsonArray outputs = job["outputs"].toArray();
            QCOMPARE(outputs.size(), 3);
            for (const QJsonValue& output : outputs)
                QCOMPARE(QFileInfo(output["file"].toString()).size(), output["bytes"].toInteger());
            QCOMPARE(job["bytesAfter"].toInteger(), outputs[0]["bytes"].toInteger());
            QVERIFY(job["changePercent"].toDouble() < 0);
        }
        QCOMPARE(filesInTree(),
                 (QStringList{".hidden.jpg", "clear-optimized.png", "clear.avif", "clear.png", "clear.webp",
                              "notes.jpg", "photo-optimized.jpg", "photo.avif", "photo.jpg", "photo.webp",
                              "trip/print-optimized.jpg", "trip/print.avif", "trip/print.jpg", "trip/print.webp"}));

        // The table, the key from a file, status 0 when every image succeeded.
        const QString keyFile = m_tree->writeFile(QStringLiteral("key"), kKey.toUtf8() + '\n');
        QFile::setPermissions(keyFile, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const Outcome table = run({QStringLiteral("--api-key-file"), keyFile, QStringLiteral("--no-webp"),
                                   QStringLiteral("--force"), QStringLiteral("photos/photo.jpg")},
                                  &m_service, QString());
        QCOMPARE(table.status, 0);
        const QStringList lines = table.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[0].startsWith(QLatin1String("FILE ")) && lines[0].endsWith(QLatin1String("MESSAGE")),
                 qPrintable(lines[0]));
        QVERIFY2(lines[1].startsWith(QLatin1String("photos/photo.jpg  Done ")) &&
                     lines[1].endsWith(QLatin1String("Optimized and saved locally.")),
                 qPrintable(lines[1]));
        QVERIFY2(lines[2].startsWith(QLatin1String("Total ")) && lines[2].endsWith(QLatin1String(": 1 done")),
                 qPrintable(lines[2]));
        QCOMPARE(table.err, QStringLiteral("[1/1] Done photos/photo.jpg: Optimized and saved locally.\n"));
    }

    // Without a service or a key the command starts its own engine, which leaves nothing behind.
    void onThisComputerWithoutAKey()
    {
        QProcess process;
        prepare(process, {QStringLiteral("--engine"), QStringLiteral("local"), QStringLiteral("photos/photo.jpg")},
                nullptr, QString());
        QProcessEnvironment env = process.processEnvironment();
        env.insert(QStringLiteral("TMPDIR"), m_tree->makeFolder(QStringLiteral("tmp")));
        process.setProcessEnvironment(env);
        process.start();
        QVERIFY(process.waitForFinished(60'000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(process.readAllStandardError(),
                 QByteArray("[1/1] Done photos/photo.jpg: Optimized and saved locally.\n"));
        QCOMPARE(filesInTree().filter(QStringLiteral("photo")),
                 (QStringList{"photo-optimized.jpg", "photo.jpg", "photo.webp"}));
        QCOMPARE(QDir(m_tree->path(QStringLiteral("tmp"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
    }

    // Each image's state in a --json outcome, by its path under photos/, as one line.
    QString statesOf(const Outcome& outcome) const
    {
        QStringList states;
        for (const QJsonObject& job : jsonLines(outcome.out))
            states << QDir(m_tree->path(QStringLiteral("photos"))).relativeFilePath(job["file"].toString()) +
                          QLatin1Char('=') + job["state"].toString();
        states.sort();
        return states.join(QLatin1Char(' '));
    }

    // A rerun sends only what is not up to date: every result is marked with its source and settings,
    // results are never taken for sources, and an image whose results all stand there unchanged is
    // skipped. A touched source, other settings or a deleted companion make an image due again.
    void rerunsSendOnlyWhatIsDue()
    {
        // A WebP of the user's own, with no source beside it, is an image like any other.
        m_tree->writeFile(QStringLiteral("photos/trip/own.webp"), TestImages::photoAs("webp", 120, 90));
        const QStringList args{QStringLiteral("--json"), QStringLiteral("--quiet"), QStringLiteral("--avif"),
                               QStringLiteral("photos")};
        const auto uploads = [this] { return m_service.log().count(QLatin1String("POST /v2/post-reducer.php")); };
        const QString all = QStringLiteral("clear.png=%1 photo.jpg=%1 trip/own.webp=%1 trip/print.jpg=%1");
        Outcome first = run(args, &m_service);
        QCOMPARE(statesOf(first), all.arg("done"));
        const QStringList written = filesInTree();

        const int before = uploads();
        Outcome second = run(args, &m_service);
        QCOMPARE(second.status, 0);
        QCOMPARE(statesOf(second), all.arg("skipped"));
        QCOMPARE(uploads(), before);
        QCOMPARE(filesInTree(), written);
        QCOMPARE(jsonLines(second.out).at(0)["outputs"].toArray().size(), 3);
        QVERIFY(jsonLines(second.out).at(0)["bytesAfter"].toInteger() > 0);
        const Outcome table = run({QStringLiteral("--avif"), QStringLiteral("photos")}, &m_service);
        QVERIFY2(table.out.trimmed().endsWith(QLatin1String("4 images: 4 skipped")), qPrintable(table.out));

        const auto dryRun = [&](const QStringList& more) {
            return statesOf(run(QStringList{QStringLiteral("--dry-run")} + args + more, &m_service));
        };
        QCOMPARE(dryRun({QStringLiteral("--level"), QStringLiteral("glossy")}), all.arg("due"));
        // Asking for fewer companions keeps images up to date; for more, makes them due.
        QCOMPARE(dryRun({QStringLiteral("--no-avif")}), all.arg("skipped"));
        QCOMPARE(dryRun({QStringLiteral("--no-webp")}), all.arg("skipped"));
        QFile::remove(m_tree->path(QStringLiteral("photos/trip/print.avif")));
        QFile photo(m_tree->path(QStringLiteral("photos/photo.jpg")));
        QVERIFY(photo.open(QIODevice::ReadWrite) &&
                photo.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
        photo.close();
        QCOMPARE(dryRun({}), QStringLiteral("clear.png=skipped photo.jpg=due trip/own.webp=skipped "
                                            "trip/print.jpg=due"));
        QCOMPARE(uploads(), before);

        // The due ones are sent; --force sends everything, and the marks are there after each run.
        QCOMPARE(statesOf(run(args, &m_service)),
                 QStringLiteral("clear.png=skipped photo.jpg=done trip/own.webp=skipped trip/print.jpg=done"));
        QCOMPARE(statesOf(run(QStringList{QStringLiteral("--force")} + args, &m_service)), all.arg("done"));
        QCOMPARE(statesOf(run(args, &m_service)), all.arg("skipped"));
        QCOMPARE(filesInTree(), written);
    }

    // On a file system that keeps no marks (ramfs, in a mount namespace of its own) nothing is skipped,
    // the command says so once, and results are still not taken for sources: by their names.
    void withoutMarksNothingIsSkipped()
    {
        if (::geteuid() != 0 || QStandardPaths::findExecutable(QStringLiteral("unshare")).isEmpty())
            QSKIP("mounting a file system without marks needs root and unshare(1)");
        QProcess process;
        prepare(process, {QStringLiteral("--json"), QStringLiteral("--quiet"), QStringLiteral("photos")}, &m_service);
        const QString script = QStringLiteral(
            "dir=$1; shift; mount -t ramfs none \"$dir\" || exit 77; cp -r photos \"$dir\"/ && cd \"$dir\" || exit 1; "
            "\"$@\" >/dev/null 2>first.err; \"$@\" 2>second.err; cat first.err second.err >&2");
        process.setArguments(QStringList{QStringLiteral("--mount"), QStringLiteral("sh"), QStringLiteral("-c"), script,
                                         QStringLiteral("sh"), m_tree->makeFolder(QStringLiteral("ramfs")),
                                         process.program()} +
                             process.arguments());
        process.setProgram(QStringLiteral("unshare"));
        process.start();
        QVERIFY(process.waitForFinished(120'000));
        if (process.exitCode() == 77)
            QSKIP("ramfs cannot be mounted here");
        QCOMPARE(process.exitCode(), 0);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(err.count(QLatin1String("keeps no marks")), 2);
        const QList<QJsonObject> jobs = jsonLines(QString::fromUtf8(process.readAllStandardOutput()));
        QCOMPARE(jobs.size(), 3);
        for (const QJsonObject& job : jobs)
            QCOMPARE(job["state"].toString(), QStringLiteral("done"));
    }

    // The command killed (SIGKILL) at random points of its run, downloads included: every output is
    // there whole or not at all, never empty or cut short.
    void killedAnywhereLeavesOutputsWholeOrAbsent()
    {
        LocalServiceProcess passthrough;
        const QString error = passthrough.start(kKey, {QStringLiteral("--passthrough")});
        QVERIFY2(error.isEmpty(), qPrintable(error));
        // A real JPEG with a long tail after its end, which decoders pass over: large enough for the
        // transfers to take a while.
        QByteArray source = TestImages::photoJpeg(64, 48);
        const qsizetype image = source.size();
        source.resize(24 * 1024 * 1024);
        for (qsizetype i = image; i < source.size(); ++i)
            source[i] = char((i * 2654435761U) >> 13);
        m_tree->writeFile(QStringLiteral("big/photo.jpg"), source);
        QRandomGenerator random(20261207);
        for (int round = 0; round < 10; ++round) {
            QProcess process;
            prepare(process, {QStringLiteral("--force"), QStringLiteral("--quiet"), QStringLiteral("big")},
                    &passthrough);
            process.start();
            QVERIFY(process.waitForStarted());
            QTest::qWait(int(random.bounded(30, 500))); // the kill lands wherever the run happens to be
            if (process.state() != QProcess::NotRunning) {
                process.kill();
                QVERIFY(process.waitForFinished());
            }
            for (const char* output : {"big/photo-optimized.jpg", "big/photo.webp"}) {
                QFile file(m_tree->path(QString::fromLatin1(output)));
                QVERIFY2(!file.exists() || (file.open(QIODevice::ReadOnly) && file.readAll() == source),
                         qPrintable(QStringLiteral("%1 after round %2").arg(QLatin1String(output)).arg(round)));
            }
        }
    }

    // A folder that cannot be written fails each of its images before anything is sent, in the
    // user's language.
    void readOnlyFolder()
    {
        m_tree->writeFile(QStringLiteral("locked/a.jpg"), TestImages::photoJpeg(64, 48));
        m_tree->writeFile(QStringLiteral("locked/b.png"), TestImages::transparentPng(32, 32));
        const QString folder = m_tree->path(QStringLiteral("locked"));
        // Permissions do not bind root; an immutable folder does.
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        const bool immutable = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder}) == 0;
        const auto restore = qScopeGuard([&] {
            if (immutable)
                QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (::access(QFile::encodeName(folder).constData(), W_OK) == 0)
            QSKIP("no way to make a folder read-only for this user");
        const Outcome english =
            run({QStringLiteral("--json"), QStringLiteral("--quiet"), QStringLiteral("locked")}, &m_service);
        QCOMPARE(english.status, 1);
        const QList<QJsonObject> jobs = jsonLines(english.out);
        QCOMPARE(jobs.size(), 2);
        for (const QJsonObject& job : jobs)
            QCOMPARE(job["message"].toString(), QStringLiteral("Cannot write to “%1”.").arg(folder));
        const Outcome german = run({QStringLiteral("--quiet"), QStringLiteral("locked/a.jpg")}, &m_service, kKey,
                                   QStringLiteral("de_DE.UTF-8"));
        QVERIFY2(german.out.contains(QStringLiteral("„%1“").arg(folder)), qPrintable(german.out));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({QStringLiteral("a.jpg"), QStringLiteral("b.png")}));
    }

    // Names that would break a form, a terminal line or UTF-8, a FIFO given as a source or found in a
    // folder, a link out of a folder, and a file of the user's where a result would go: nothing hangs,
    // nothing is sent that should not be, the terminal shows every name visibly, --json stays exact,
    // and the user's file is left alone.
    void oddFilesAndHostileNames()
    {
        const QByteArray photo = TestImages::photoJpeg(64, 48);
        const QByteArray invalid = QFile::encodeName(m_tree->path(QStringLiteral("odd"))) + "/bad\xff.jpg";
        for (const QByteArray& name :
             {QByteArray("odd/quote\"d.jpg"), QByteArray("odd/line\nbreak.jpg"), QByteArray("odd/\x1b[31mred.jpg")})
            m_tree->writeFile(QString::fromUtf8(name), photo);
        // No QString can name it for the tree's removal.
        const auto removeInvalid = qScopeGuard([&invalid] { ::unlink(invalid.constData()); });
        const int fd = ::open(invalid.constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0 && ::write(fd, photo.constData(), size_t(photo.size())) == photo.size());
        ::close(fd);
        for (const char* fifo : {"pipe.jpg", "odd/pipe.png"})
            QVERIFY(::mkfifo(QFile::encodeName(m_tree->path(QLatin1String(fifo))).constData(), 0644) == 0);
        // A link in a folder that leads out of it is no image of that folder's.
        QVERIFY(
            QFile::link(m_tree->path(QStringLiteral("photos/photo.jpg")), m_tree->path(QStringLiteral("odd/out.jpg"))));
        m_tree->writeFile(QStringLiteral("mine/photo.jpg"), photo);
        m_tree->writeFile(QStringLiteral("mine/photo.webp"), "my own picture");

        const QStringList paths{QStringLiteral("pipe.jpg"), QStringLiteral("odd"), QStringLiteral("mine/photo.jpg")};
        const Outcome table = run(paths, &m_service);
        QCOMPARE(table.status, 1);
        QVERIFY2(!table.out.contains(QChar(0x1B)) && !table.err.contains(QChar(0x1B)), qPrintable(table.out));
        QCOMPARE(table.err.count(QLatin1Char('\n')), 7); // one line per image
        qWarning("%s\n%s", qPrintable(table.out), qPrintable(table.err));
        // Each row by the start of its name: its state and message.
        const auto row = [&table](const QString& start) {
            const QStringList rows = table.out.split(QLatin1Char('\n'));
            const auto found = std::find_if(rows.cbegin(), rows.cend(), [&](const QString& line) {
                return line.startsWith(start + QLatin1Char(' '));
            });
            return found == rows.cend() ? QString() : found->simplified().mid(start.size() + 1);
        };
        QCOMPARE(row(QStringLiteral("pipe.jpg")), QStringLiteral("Failed Not a regular file."));
        QCOMPARE(row(QStringLiteral("odd/pipe.png")), QStringLiteral("Failed Not a regular file."));
        QVERIFY(row(QStringLiteral("odd/out.jpg")).isEmpty());
        QCOMPARE(row(QStringLiteral("odd/bad\\xff.jpg")), QStringLiteral("Failed Failed to encode parameters."));
        QVERIFY(row(QStringLiteral("odd/line\\nbreak.jpg")).startsWith(QLatin1String("Done ")));
        QVERIFY(row(QStringLiteral("odd/quote\"d.jpg")).startsWith(QLatin1String("Done ")));
        // The local service refuses control characters in a part's header, as HTTP does.
        QVERIFY(!row(QStringLiteral("odd/\\e[31mred.jpg")).isEmpty());
        QVERIFY(row(QStringLiteral("mine/photo.jpg"))
                    .endsWith(QStringLiteral("“photo.webp” is not this program's and was kept; this one is "
                                             "“photo.jpg.webp”.")));
        QCOMPARE(QFile(m_tree->path(QStringLiteral("mine/photo.webp"))).size(), qint64(14));
        QVERIFY(QFile::exists(m_tree->path(QStringLiteral("mine/photo.jpg.webp"))));

        QMap<QString, QString> states;
        const Outcome json = run(QStringList{QStringLiteral("--json"), QStringLiteral("--force")} + paths, &m_service);
        for (const QJsonObject& job : jsonLines(json.out))
            states.insert(QFileInfo(job["file"].toString()).fileName(), job["state"].toString());
        // The byte that is not UTF-8 stays exact, as JSON's escape of the text that stands for it.
        QVERIFY2(json.out.contains(QStringLiteral("/odd/bad\\udcff.jpg\"")), qPrintable(json.out));
        QCOMPARE(states.value(QStringLiteral("line\nbreak.jpg")), QStringLiteral("done"));
        QCOMPARE(states.value(QStringLiteral("pipe.jpg")), QStringLiteral("failed"));
        QCOMPARE(states.size(), 7);
    }

    // Four processes given the same tree, each its own share, all at once against one service: every
    // image is optimized exactly once, by one of them.
    void fourShardsShareOneTree()
    {
        QStringList all;
        for (int i = 0; i < 16; ++i) {
            all << QStringLiteral("shared/%1/image%2.jpg").arg(i % 3).arg(i);
            m_tree->writeFile(all.last(), TestImages::photoJpeg(48 + i, 32));
        }
        std::vector<std::unique_ptr<QProcess>> shards;
        for (int k = 1; k <= 4; ++k) {
            shards.push_back(std::make_unique<QProcess>());
            prepare(*shards.back(),
                    {QStringLiteral("--json"), QStringLiteral("--quiet"), QStringLiteral("--no-webp"),
                     QStringLiteral("--shard"), QStringLiteral("%1/4").arg(k), QStringLiteral("shared")},
                    &m_service);
            shards.back()->start();
        }
        QStringList optimized;
        for (const auto& shard : shards) {
            QVERIFY(shard->waitForFinished(120'000));
            QCOMPARE(shard->exitCode(), 0);
            const QList<QJsonObject> jobs = jsonLines(QString::fromUtf8(shard->readAllStandardOutput()));
            for (const QJsonObject& job : jobs) {
                QCOMPARE(job["state"].toString(), QStringLiteral("done"));
                optimized << QDir(m_tree->root()).relativeFilePath(job["file"].toString());
            }
        }
        optimized.sort();
        all.sort();
        QCOMPARE(optimized, all);
        for (const QString& image : std::as_const(all)) {
            QVERIFY(QFile::exists(m_tree->path(image.chopped(4) + QStringLiteral("-optimized.jpg"))));
        }
    }

    // Ctrl-C while an upload waits for its answer: the transfer is aborted, nothing partial or
    // temporary is left, the images not reached are reported stopped, and the status is 130.
    void interruptMidUpload()
    {
        QProcess process;
        prepare(process,
                {QStringLiteral("--json"), QStringLiteral("--jobs"), QStringLiteral("1"),
                 QStringLiteral("photos/photo.jpg"), QStringLiteral("photos/clear.png"), QStringLiteral("photos/trip")},
                &m_slowService);
        process.start();
        QVERIFY(process.waitForStarted());
        // The first image is done; the second is with the service for the next 2.5 seconds.
        QByteArray progress;
        QTRY_VERIFY_WITH_TIMEOUT((progress += process.readAllStandardError()).startsWith("[1/3] Done"), 60'000);
        ::kill(pid_t(process.processId()), SIGINT);
        QVERIFY(process.waitForFinished(60'000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 130);
        const QList<QJsonObject> jobs = jsonLines(QString::fromUtf8(process.readAllStandardOutput()));
        QCOMPARE(jobs.size(), 3);
        QCOMPARE(jobs[0]["state"].toString(), QStringLiteral("done"));
        for (const QJsonObject& job : {jobs[1], jobs[2]}) {
            QCOMPARE(job["state"].toString(), QStringLiteral("stopped"));
            QCOMPARE(job["message"].toString(), QStringLiteral("Stopped."));
        }
        QCOMPARE(filesInTree(), (QStringList{".hidden.jpg", "clear.png", "photo-optimized.jpg", "photo.jpg",
                                             "photo.webp", "trip/print.jpg"}));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_cli.moc"
