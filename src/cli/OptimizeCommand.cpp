#include "OptimizeCommand.h"

#include "ApiKeySource.h"
#include "ApiKeyStore.h"
#include "AppViewModel.h"
#include "CommandLine.h"
#include "Console.h"
#include "HttpTransport.h"
#include "ProgressReporter.h"
#include "RunReport.h"
#include "SignalWatcher.h"
#include "TovalinClient.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QSslCertificate>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

const QString programPrefix = QStringLiteral("tovalin-optimize: ");

// The service named on the command line, through a transport of its own that also trusts the given
// certificates. The build-time service keeps the process-wide transport.
AppViewModel::Optimizer clientOf(const QUrl& serviceUrl, QList<QSslCertificate> certificates)
{
    return [client = TovalinClient(serviceUrl, std::make_shared<HttpTransport>(std::move(certificates)))](
               QUrl file, TovalinOptions options, CancelToken token, OutputNames::Naming naming) {
        return client.optimize(std::move(file), std::move(options), std::move(token), naming);
    };
}

void applySettings(AppViewModel& model, const CliOptions& o)
{
    model.setCompression(o.compression);
    model.setConvertToWebP(o.convertToWebP);
    model.setConvertToAVIF(o.convertToAVIF);
    model.setResizeMode(o.resizeMode);
    model.setResizeWidth(o.resizeWidth ? QString::number(*o.resizeWidth) : QString());
    model.setResizeHeight(o.resizeHeight ? QString::number(*o.resizeHeight) : QString());
    model.setUpscale(o.upscale);
    model.setRemoveBackground(o.removeBackground);
    model.setKeepExif(o.keepExif);
    model.setCmykToRgb(o.cmykToRgb);
}

// Each path is one addition to the queue, as one pick in the window's open panel: a file or folder
// named twice is queued once.
void queuePaths(AppViewModel& model, const QStringList& paths)
{
    for (const QString& path : paths) {
        const QFileInfo info(path);
        model.addFiles({info.isDir() ? AppViewModel::directoryUrl(path)
                                     : QUrl::fromLocalFile(QDir::cleanPath(info.absoluteFilePath()))});
    }
}

} // namespace

OptimizeCommand::OptimizeCommand(Console* console)
    : m_console(console)
{
}

int OptimizeCommand::failUsage(const QString& error)
{
    m_console->err(programPrefix + error + QStringLiteral("\nTry 'tovalin-optimize --help' for more information.\n"));
    return usageError;
}

int OptimizeCommand::run(const QStringList& arguments)
{
    const CommandLine::Result parsed = CommandLine::parse(arguments);
    switch (parsed.action) {
    case CommandLine::Action::help:
        m_console->out(CommandLine::helpText());
        return allSucceeded;
    case CommandLine::Action::version:
        m_console->out(CommandLine::versionText());
        return allSucceeded;
    case CommandLine::Action::usageError:
        return failUsage(parsed.error);
    case CommandLine::Action::run:
        break;
    }
    const CliOptions& options = parsed.options;

    const QString environmentKey =
        qEnvironmentVariableIsSet("TOVALIN_API_KEY") ? qEnvironmentVariable("TOVALIN_API_KEY") : QString();
    const ApiKeySource::Result key = ApiKeySource::find(options.apiKeyFile, environmentKey,
                                                        ApiKeyStore::defaultFilePath(), options.serviceUrl.has_value());
    m_console->setSecret(key.key);
    for (const QString& warning : key.warnings) {
        m_console->err(programPrefix + warning + QLatin1Char('\n'));
    }
    if (!key.error.isEmpty()) {
        return failUsage(key.error);
    }

    AppViewModel::Optimizer optimizer;
    if (options.serviceUrl) {
        QList<QSslCertificate> certificates;
        if (!options.caFile.isEmpty()) {
            certificates = QSslCertificate::fromPath(options.caFile, QSsl::Pem);
            if (certificates.isEmpty()) {
                return failUsage(QStringLiteral("no PEM certificate could be read from %1.").arg(options.caFile));
            }
        }
        optimizer = clientOf(*options.serviceUrl, std::move(certificates));
    }

    // The key lives in this process only: nothing here can replace the key the window keeps.
    AppViewModel model(ApiKeyStore::inMemory(key.key), std::move(optimizer));
    applySettings(model, options);

    // Watching starts before the intake: a long folder walk can be interrupted as well.
    SignalWatcher signalWatcher;
    QEventLoop loop;
    int interruption = 0;
    ProgressReporter reporter(&model, m_console, QDir::current());
    QObject::connect(&signalWatcher, &SignalWatcher::received, &loop, [&](int signalNumber) {
        if (interruption != 0) {
            // Asked twice: leave now. Files being written are finished or dropped whole on the way out.
            loop.exit();
            return;
        }
        interruption = signalNumber;
        reporter.note(programPrefix + QStringLiteral("stopping; interrupt again to quit at once.\n"));
        model.stopAll();
    });
    QObject::connect(&model, &AppViewModel::statusMessageChanged, &loop, [&] {
        // Also after a stop: the stopped run marks the rest of its batch and then ends the same way.
        if (model.statusMessage() == QLatin1String("Done.") && !model.hasOptimizeTask()) {
            loop.exit();
        }
    });

    queuePaths(model, options.paths);
    if (model.jobs().isEmpty()) {
        m_console->err(programPrefix + QStringLiteral("no images found in the given folders.\n"));
        return allSucceeded;
    }

    if (!options.quiet) {
        reporter.start();
    }
    model.optimizeAll();
    if (model.isProcessing()) {
        loop.exec();
    }
    reporter.finish();

    const QList<ImageJob> jobs = model.jobs();
    const RunReport report(jobs, QDir::current());
    m_console->out(options.json ? report.jsonLines() : report.table());

    if (interruption != 0) {
        return interruptedBase + interruption;
    }
    const bool allDone =
        std::all_of(jobs.cbegin(), jobs.cend(), [](const ImageJob& job) { return job.status == JobStatus::succeeded; });
    return allDone ? allSucceeded : someFailed;
}
