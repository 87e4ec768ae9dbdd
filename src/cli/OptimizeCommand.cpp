#include "cli/OptimizeCommand.h"

#include "cli/ApiKeySource.h"
#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ProgressReporter.h"
#include "cli/RunReport.h"
#include "cli/SignalWatcher.h"
#include "cli/WatchRun.h"
#include "client/HttpTransport.h"
#include "client/RequestParameters.h"
#include "client/TovalinClient.h"
#include "engine/LocalEngine.h"
#include "model/SettingsStore.h"
#include "output/FolderSync.h"
#include "output/MarkedOutputs.h"
#include "output/ParallelFor.h"
#include "queue/JobListModel.h"
#include "queue/JobPipeline.h"
#include "queue/QueueIntake.h"
#include "queue/QueueRunner.h"
#include "queue/UpToDateJobs.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QSslCertificate>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

const QString programName = QStringLiteral("tovalin-optimize");
const QString programPrefix = programName + QStringLiteral(": ");

// The service named on the command line, through a transport of its own that also trusts the given
// certificates; else the one the program was built for, through the process-wide transport.
TovalinClient::JobHost serviceHost(const CliOptions& options, QList<QSslCertificate> certificates)
{
    if (!options.serviceUrl) {
        return TovalinClient().host();
    }
    return TovalinClient(*options.serviceUrl, std::make_shared<HttpTransport>(std::move(certificates))).host();
}

// Each path is one addition to the queue, as one pick in the window's open panel: a file or folder
// named twice is queued once. Only the images of this process's share are queued.
void queuePaths(const QueueIntake& intake, MarkedOutputs* outputs, const QStringList& paths, const Shard& shard)
{
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (!info.isDir()) {
            if (shard.takes(QDir::cleanPath(path))) {
                intake.addFiles({QUrl::fromLocalFile(QDir::cleanPath(info.absoluteFilePath()))});
            }
            continue;
        }
        const QUrl folder = QueueIntake::directoryUrl(path);
        const QDir root(folder.toLocalFile());
        QList<QUrl> images = QueueIntake::collectImages(folder, outputs);
        if (shard.count > 1) {
            images.removeIf(
                [&](const QUrl& image) { return !shard.takes(root.relativeFilePath(image.toLocalFile())); });
        }
        intake.addImages(images, folder);
    }
}

QList<QUuid> allJobs(const JobListModel& queue)
{
    QList<QUuid> ids;
    for (const ImageJob& job : queue.jobs()) {
        ids.append(job.id);
    }
    return ids;
}

} // namespace

// Marks the jobs whose outputs are up to date as skipped, with those outputs, and returns the others:
// the ones to send.
QList<QUuid> OptimizeCommand::skipUpToDate(JobListModel& queue, MarkedOutputs& outputs, const TovalinOptions& request,
                                           const QString& resultsFolder)
{
    UpToDateJobs check(&outputs, request, resultsFolder);
    const QList<QUuid> due = check.due(queue);
    if (!check.unmarkedFolder().isEmpty()) {
        m_console->err(programPrefix +
                       tr("the file system of %1 keeps no marks on files, so images there are sent even when their "
                          "results are up to date.")
                           .arg(Console::visible(check.unmarkedFolder())) +
                       QLatin1Char('\n'));
    }
    return due;
}

OptimizeCommand::OptimizeCommand(Console* console)
    : m_console(console)
{
}

int OptimizeCommand::failUsage(const QString& error)
{
    m_console->err(programPrefix + error + QLatin1Char('\n') +
                   tr("Try '%1 --help' for more information.").arg(programName) + QLatin1Char('\n'));
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

    // The engine on this computer brings a key of its own: the user's is not even looked for.
    ApiKeySource::Result key;
    if (options.engine == Engine::local && !options.apiKeyFile.isEmpty()) {
        m_console->err(programPrefix +
                       tr("warning: the key file is only for the Tovalin service; these images are optimized on "
                          "this computer (--engine service sends them to the service).") +
                       QLatin1Char('\n'));
    }
    if (options.engine == Engine::service) {
        const QString environmentKey =
            qEnvironmentVariableIsSet("TOVALIN_API_KEY") ? qEnvironmentVariable("TOVALIN_API_KEY") : QString();
        key = ApiKeySource::find(options.apiKeyFile, environmentKey, SettingsStore::defaultFilePath(),
                                 options.serviceUrl.has_value());
        m_console->setSecret(key.key);
        for (const QString& warning : key.warnings) {
            m_console->err(programPrefix + warning + QLatin1Char('\n'));
        }
        if (!key.error.isEmpty()) {
            return failUsage(key.error);
        }
    }

    QList<QSslCertificate> certificates;
    if (!options.caFile.isEmpty()) {
        certificates = QSslCertificate::fromPath(options.caFile, QSsl::Pem);
        if (certificates.isEmpty()) {
            return failUsage(tr("no PEM certificate could be read from %1.").arg(Console::visible(options.caFile)));
        }
    }
    TovalinOptions request = options.request;
    request.apiKey = key.key.trimmed();

    // Started by the first job that needs it, ended when the command ends; declared before the runner,
    // whose jobs it must outlive.
    LocalEngine engine;
    const TovalinClient::JobHost host =
        options.engine == Engine::local ? engine.host() : serviceHost(options, std::move(certificates));
    JobListModel queue;
    MarkedOutputs outputs;
    const QueueIntake intake(&queue, &outputs);
    const OutputOptions output = options.output;
    QueueRunner runner(
        &queue, JobPipeline::optimizer(host), [request] { return request; }, [output] { return output; });
    runner.setMaxInFlight(options.jobs);

    // Watching starts before the intake: a long folder walk can be interrupted as well.
    SignalWatcher signalWatcher;
    if (options.watch) {
        for (const QString& path : options.paths) {
            if (!QFileInfo(path).isDir()) {
                return failUsage(tr("--watch takes folders; %1 is not one.").arg(Console::visible(path)));
            }
        }
        WatchRun watch(&queue, &runner,
                       [&](MarkedOutputs& found) {
                           return options.force ? allJobs(queue) : skipUpToDate(queue, found, request, output.folder);
                       },
                       m_console, {QDir::current(), options.json, options.quiet});
        return watch.exec(options.paths, &signalWatcher);
    }
    QEventLoop loop;
    int interruption = 0;
    ProgressReporter reporter(&queue, m_console, QDir::current());
    QObject::connect(&signalWatcher, &SignalWatcher::received, &loop, [&](int signalNumber) {
        if (interruption != 0) {
            // Asked twice: leave now. Files being written are finished or dropped whole on the way out.
            loop.exit();
            return;
        }
        interruption = signalNumber;
        reporter.note(programPrefix + tr("stopping; interrupt again to quit at once.") + QLatin1Char('\n'));
        runner.stop();
    });
    // Also after a stop: the stopped run marks the rest of its batch and then ends the same way.
    QObject::connect(&runner, &QueueRunner::finished, &loop, [&loop] { loop.exit(); });

    queuePaths(intake, &outputs, options.paths, options.shard);
    if (queue.jobs().isEmpty()) {
        m_console->err(programPrefix + tr("no images found in the given folders.") + QLatin1Char('\n'));
        return allSucceeded;
    }

    const QList<QUuid> batch = options.force ? allJobs(queue) : skipUpToDate(queue, outputs, request, output.folder);
    // What the walk read of the outputs has served; its memory serves the run and the report instead.
    outputs = MarkedOutputs();
    if (!options.dryRun && !batch.isEmpty()) {
        if (!options.quiet) {
            reporter.start(int(batch.size()));
        }
        runner.start(batch);
        loop.exec();
        reporter.finish();
        // The names the run gave its results are on the disk before the command says it is done.
        FolderSync::syncAll();
    }

    const QList<ImageJob> jobs = queue.jobs();
    const RunReport report(jobs, QDir::current(), options.dryRun);
    if (options.json) {
        // A few hundred lines at a time, the pieces of a batch made on every core and written in their
        // order: the text of 10,000 images would take 4 MB made for it alone.
        constexpr qsizetype linesAtOnce = 256;
        constexpr qsizetype piecesAtOnce = 8;
        QList<QByteArray> pieces(piecesAtOnce);
        for (qsizetype batchStart = 0; batchStart < report.size(); batchStart += linesAtOnce * piecesAtOnce) {
            const qsizetype count =
                std::min(piecesAtOnce, (report.size() - batchStart + linesAtOnce - 1) / linesAtOnce);
            ParallelFor::each(
                count,
                [&](qsizetype piece) {
                    const qsizetype from = batchStart + piece * linesAtOnce;
                    pieces[piece] = report.jsonLines(from, std::min(from + linesAtOnce, report.size()));
                },
                1);
            for (qsizetype piece = 0; piece < count; ++piece) {
                m_console->outUtf8(std::move(pieces[piece]));
                pieces[piece] = QByteArray();
            }
        }
    } else {
        m_console->out(report.table());
    }

    if (interruption != 0) {
        return interruptedBase + interruption;
    }
    const bool allDone = options.dryRun || std::all_of(jobs.cbegin(), jobs.cend(), [](const ImageJob& job) {
                             return job.outcome == JobOutcome::optimized || job.outcome == JobOutcome::skipped;
                         });
    return allDone ? allSucceeded : someFailed;
}
