// tovalin-local-service: a local HTTPS stand-in for the image-optimization service, with real codecs.
// Run by hand it serves with the certificate, key and port it is given. Run with --managed it is the
// engine of the program that started it: the key comes as the first line of standard input, the
// certificate is made in memory for this start, the port is one the system picks, and both are told on
// one line of standard output; it ends when standard input closes, that is when the program ends.
#include "service/EphemeralCertificate.h"
#include "service/ImageAdmission.h"
#include "service/OptimizerService.h"
#include "service/ServiceConfig.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QTextStream>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <optional>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vips/vips8>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

// SIGINT and SIGTERM end the event loop normally, so the store's temporary folder is removed.
void quitOnSignals(QCoreApplication& app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] { QCoreApplication::quit(); });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "tovalin-local-service: %s\n", qPrintable(message));
    std::exit(2);
}

qint64 positiveNumber(const QCommandLineParser& parser, const QString& name, qint64 min, qint64 max)
{
    bool ok = false;
    const qint64 value = parser.value(name).toLongLong(&ok);
    if (!ok || value < min || value > max)
        fail(QStringLiteral("--%1 must be a whole number from %2 to %3.").arg(name).arg(min).arg(max));
    return value;
}

// Every connection is a descriptor, and so is every file being written or sent: take what the system
// allows rather than the customary 1,024.
void raiseDescriptorLimit()
{
    struct rlimit limit = {};
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
}

// The managed mode's key: the first line of standard input, read before anything else is set up.
std::optional<QString> readKeyLine()
{
    constexpr qsizetype maxLine = 4096;
    QByteArray line;
    char byte = 0;
    while (line.size() < maxLine) {
        const ssize_t got = ::read(STDIN_FILENO, &byte, 1);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return std::nullopt;
        }
        if (byte == '\n') {
            const QString key = QString::fromUtf8(line).trimmed();
            return key.isEmpty() ? std::nullopt : std::optional<QString>(key);
        }
        line.append(byte);
    }
    return std::nullopt;
}

// Standard input stays open for as long as the program that started this engine lives: when it closes,
// whichever way the program ended, the engine ends too.
void quitWhenInputCloses(QCoreApplication& app)
{
    auto* notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [notifier] {
        char buffer[256];
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got == 0 || (got < 0 && errno != EINTR && errno != EAGAIN)) {
            notifier->setEnabled(false);
            QCoreApplication::quit();
        }
    });
}

} // namespace

int main(int argc, char* argv[])
{
    if (VIPS_INIT(argv[0]) != 0)
        fail(QStringLiteral("libvips could not start."));
    // Two uploads at once on a small machine: one vips thread each keeps the box responsive.
    vips_concurrency_set(1);
    // Operation caching helps interactive use, not a server that sees every image once.
    vips_cache_set_max(0);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tovalin-local-service"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Local HTTPS image-optimization service."));
    parser.addHelpOption();
    const QCommandLineOption cert(QStringLiteral("cert"), QStringLiteral("PEM certificate (chain) of the server."),
                                  QStringLiteral("file"));
    const QCommandLineOption key(QStringLiteral("key"), QStringLiteral("PEM private key of the server."),
                                 QStringLiteral("file"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Port on 127.0.0.1 (default 47800)."),
                                  QStringLiteral("number"), QStringLiteral("47800"));
    const QCommandLineOption apiKey(QStringLiteral("api-key"), QStringLiteral("An accepted API key (repeatable)."),
                                    QStringLiteral("key"));
    const QCommandLineOption maxUpload(QStringLiteral("max-upload-mb"),
                                       QStringLiteral("Largest accepted file in MB (default 100)."),
                                       QStringLiteral("MB"), QStringLiteral("100"));
    const QCommandLineOption ttl(QStringLiteral("ttl"),
                                 QStringLiteral("Seconds results and originals are kept (default 3600)."),
                                 QStringLiteral("seconds"), QStringLiteral("3600"));
    const QCommandLineOption delay(QStringLiteral("delay-ms"),
                                   QStringLiteral("Milliseconds added to every processing (default 0)."),
                                   QStringLiteral("ms"), QStringLiteral("0"));
    const QCommandLineOption managed(QStringLiteral("managed"),
                                     QStringLiteral("Run as the engine of the program that starts it: the key is "
                                                    "the first line of standard input, the certificate is made for "
                                                    "this start, the port is picked by the system; prints \"ready "
                                                    "PORT CERTIFICATE\" (DER, base64) and ends when standard "
                                                    "input closes."));
    const QCommandLineOption passthrough(QStringLiteral("passthrough"),
                                         QStringLiteral("Return the uploaded bytes as every result (benchmarks)."));
    const QCommandLineOption maxPixels(QStringLiteral("max-megapixels"),
                                       QStringLiteral("Largest image in megapixels, input or output (default 100)."),
                                       QStringLiteral("MP"), QStringLiteral("100"));
    const QCommandLineOption maxWait(QStringLiteral("max-wait"),
                                     QStringLiteral("Longest a request may wait for its result, in seconds "
                                                    "(default 30; shorter reaches the pending path sooner)."),
                                     QStringLiteral("seconds"), QStringLiteral("30"));
    const QCommandLineOption quota(QStringLiteral("store-quota-mb"),
                                   QStringLiteral("Disk space for originals and results together, in MB (default "
                                                  "2048); a full store answers 503."),
                                   QStringLiteral("MB"), QStringLiteral("2048"));
    const QCommandLineOption connections(QStringLiteral("max-connections"),
                                         QStringLiteral("Connections served at once (default 128); past it a "
                                                        "request is answered 503. Four times as many may be open; "
                                                        "past that a new one takes the place of the longest idle or "
                                                        "still handshaking, or is closed at once."),
                                         QStringLiteral("number"), QStringLiteral("128"));
    const QCommandLineOption connectionsPerPeer(QStringLiteral("max-connections-per-peer"),
                                                QStringLiteral("Of them, from one address (default 64; four times "
                                                               "as many open)."),
                                                QStringLiteral("number"), QStringLiteral("64"));
    const QCommandLineOption headerTimeout(QStringLiteral("header-timeout"),
                                           QStringLiteral("Seconds for the TLS handshake (2 while many handshake at "
                                                          "once), and again for a request's headers, each counted "
                                                          "from its start; a body gets as long again plus a second "
                                                          "per 4 KiB, up to --body-timeout (default 10)."),
                                           QStringLiteral("seconds"), QStringLiteral("10"));
    const QCommandLineOption bodyTimeout(QStringLiteral("body-timeout"),
                                         QStringLiteral("Longest a request's body may take, in seconds (default "
                                                        "300)."),
                                         QStringLiteral("seconds"), QStringLiteral("300"));
    const QCommandLineOption idleTimeout(QStringLiteral("idle-timeout"),
                                         QStringLiteral("Seconds an open connection may wait for its next "
                                                        "request (default 30)."),
                                         QStringLiteral("seconds"), QStringLiteral("30"));
    const qint64 defaultBudgetMb = ImageAdmission::defaultBudget() / (1024 * 1024);
    const QCommandLineOption memoryBudget(
        QStringLiteral("memory-budget-mb"),
        QStringLiteral("Memory for decoding and encoding images at once, in MB (default a quarter of this machine's, "
                       "%1). Images wait until their estimate fits; a quarter of it and one worker are kept for "
                       "small images, and an image needing more than the rest is answered 413.")
            .arg(defaultBudgetMb),
        QStringLiteral("MB"), QString::number(defaultBudgetMb));
    const QCommandLineOption queueTimeout(QStringLiteral("queue-timeout"),
                                          QStringLiteral("Longest an image waits for its share of memory, in "
                                                         "seconds (default 300); then it is answered 503."),
                                          QStringLiteral("seconds"), QStringLiteral("300"));
    parser.addOptions({cert, key, port, apiKey, managed, maxUpload, ttl, delay, passthrough, maxPixels, maxWait, quota,
                       connections, connectionsPerPeer, headerTimeout, bodyTimeout, idleTimeout, memoryBudget,
                       queueTimeout});
    parser.process(app);

    const bool isManaged = parser.isSet(managed);
    ServiceConfig config;
    if (isManaged) {
        if (parser.isSet(cert) || parser.isSet(key) || parser.isSet(apiKey) || parser.isSet(port))
            fail(QStringLiteral("--managed makes its own certificate, key and port: leave out --cert, --key, "
                                "--api-key and --port."));
        // Before the key is awaited: an end asked for meanwhile still ends the event loop cleanly.
        quitOnSignals(app);
        const std::optional<QString> key = readKeyLine();
        if (!key)
            fail(QStringLiteral("--managed needs the API key as the first line of standard input."));
        config.apiKeys = QStringList{*key};
    } else {
        if (!parser.isSet(cert) || !parser.isSet(key))
            fail(QStringLiteral("--cert and --key are required."));
        config.apiKeys = parser.values(apiKey);
        if (config.apiKeys.isEmpty())
            fail(QStringLiteral("give at least one --api-key."));
    }
    config.maxUploadBytes = positiveNumber(parser, maxUpload.names().first(), 1, 4096) * 1024 * 1024;
    config.ttlSeconds = positiveNumber(parser, ttl.names().first(), 1, 7 * 24 * 3600);
    config.delayMs = int(positiveNumber(parser, delay.names().first(), 0, 600'000));
    config.passthrough = parser.isSet(passthrough);
    config.maxWaitSeconds = int(positiveNumber(parser, maxWait.names().first(), 0, 30));
    config.maxPixels = positiveNumber(parser, maxPixels.names().first(), 1, 1000) * 1'000'000;
    config.storeQuotaBytes = positiveNumber(parser, quota.names().first(), 1, 1024 * 1024) * 1024 * 1024;
    config.maxConnections = int(positiveNumber(parser, connections.names().first(), 1, 10'000));
    config.maxConnectionsPerPeer = int(positiveNumber(parser, connectionsPerPeer.names().first(), 1, 10'000));
    config.headerTimeoutMs = int(positiveNumber(parser, headerTimeout.names().first(), 1, 3600)) * 1000;
    config.bodyTimeoutMs = int(positiveNumber(parser, bodyTimeout.names().first(), 1, 24 * 3600)) * 1000;
    config.idleTimeoutMs = int(positiveNumber(parser, idleTimeout.names().first(), 1, 3600)) * 1000;
    config.memoryBudgetBytes = positiveNumber(parser, memoryBudget.names().first(), 64, 1024 * 1024) * 1024 * 1024;
    config.queueTimeoutMs = int(positiveNumber(parser, queueTimeout.names().first(), 1, 24 * 3600)) * 1000;
    const auto portNumber = isManaged ? quint16(0) : quint16(positiveNumber(parser, port.names().first(), 1, 65535));

    QByteArray chainPem;
    QByteArray keyPem;
    QByteArray certificateDer;
    if (isManaged) {
        std::optional<EphemeralCertificate> made = EphemeralCertificate::make();
        if (!made)
            fail(QStringLiteral("could not make a certificate."));
        chainPem = made->certificatePem;
        keyPem = made->privateKeyPem;
        certificateDer = made->certificateDer;
    } else {
        QFile certFile(parser.value(cert));
        QFile keyFile(parser.value(key));
        if (!certFile.open(QIODevice::ReadOnly))
            fail(QStringLiteral("cannot read %1").arg(certFile.fileName()));
        if (!keyFile.open(QIODevice::ReadOnly))
            fail(QStringLiteral("cannot read %1").arg(keyFile.fileName()));
        chainPem = certFile.readAll();
        keyPem = keyFile.readAll();
    }
    raiseDescriptorLimit();

    int status = 0;
    {
        OptimizerService service(config);
        QTextStream out(stdout);
        // The program that manages the engine reads one line and no log.
        if (!isManaged)
            QObject::connect(&service, &OptimizerService::logLine, &app,
                             [&out](const QString& line) { out << line << Qt::endl; });
        if (service.listen(QStringLiteral("127.0.0.1"), portNumber, chainPem, keyPem)) {
            if (isManaged) {
                out << "ready " << service.port() << ' ' << certificateDer.toBase64() << Qt::endl;
                quitWhenInputCloses(app);
            } else {
                out << "tovalin-local-service listening on https://127.0.0.1:" << service.port() << Qt::endl;
                quitOnSignals(app);
            }
            status = QCoreApplication::exec();
        } else {
            // Not fail(): the service must be destroyed so that its temporary folder goes.
            std::fprintf(stderr, "tovalin-local-service: cannot listen on 127.0.0.1:%u: %s\n", unsigned(portNumber),
                         qPrintable(service.errorString()));
            status = 2;
        }
    }
    // A managed engine is given a temporary folder of its own, which its store has just left empty.
    if (isManaged && qEnvironmentVariableIsSet("TMPDIR"))
        ::rmdir(QFile::encodeName(QDir::tempPath()).constData());
    // The service has waited for its workers; only now may libvips go.
    vips_shutdown();
    return status;
}
