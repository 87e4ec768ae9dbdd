#include "queue/JobPipeline.h"

#include "client/Error.h"
#include "client/FileError.h"
#include "client/RequestParameters.h"
#include "client/TovalinError.h"
#include "model/FileNames.h"
#include "output/OutputMark.h"
#include "output/OutputWriter.h"

#include <QFuture>
#include <QtConcurrent/QtConcurrentRun>
#include <qcoro/qcorofuture.h>

#include <cerrno>
#include <exception>
#include <memory>
#include <sys/stat.h>
#include <utility>

namespace {

bool exists(const QString& path)
{
    struct stat info
    {
    };
    return stat(FileNames::encode(path).constData(), &info) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

// A result that has arrived, on its way to the disk.
struct Pending
{
    std::shared_ptr<OutputFile> file;
    qint64 bytes = -1;
    QFuture<bool> committed;
};

QFuture<bool> commitLater(const std::shared_ptr<OutputFile>& file)
{
    return QtConcurrent::run(OutputWriter::pool(), [file] { return file->commit(); });
}

DownloadedFile recordOf(const Pending& pending)
{
    DownloadedFile saved(pending.file->kind(), QUrl::fromLocalFile(pending.file->path()), pending.bytes);
    if (!pending.file->notReplaced().isEmpty()) {
        saved.notReplaced = QUrl::fromLocalFile(pending.file->notReplaced());
    }
    return saved;
}

struct Settled
{
    QList<DownloadedFile> saved;
    QList<const OutputFile*> files;
    bool allSaved = true;
};

// Waits for every commit begun, failed job or not: what it saved is on disk and is told.
QCoro::Task<Settled> settle(QList<Pending> pending)
{
    Settled settled;
    for (Pending& result : pending) {
        // (The future is named: GCC 12 may destroy a temporary of a co_await expression twice.)
        QFuture<bool> committed = result.committed;
        if (co_await committed) {
            settled.saved.append(recordOf(result));
            settled.files.append(result.file.get());
        } else {
            settled.allSaved = false;
        }
    }
    co_return settled;
}

QCoro::Task<QList<DownloadedFile>> runJob(TovalinClient client, JobRequest request, CancelToken token)
{
    const QString path = request.file.toLocalFile();
    const OutputNames& names = request.names;
    // The source as it is sent is what the marks say the outputs were made from: taken before it is
    // opened, so that a source replaced meanwhile can only make its outputs look older than they are.
    const OutputWriter writer(names, OutputMark::sourceAt(FileNames::encode(path), names.sourceReference()),
                              RequestParameters::settingsKey(request.options),
                              OutputMark::companionsAskedFor(request.options), request.keepDates);
    // An image whose results could not be saved is not sent at all.
    if (request.file.isLocalFile()) {
        if (const QString blocked = writer.unwritableFolder(); !blocked.isEmpty()) {
            throw FileError::cannotWrite(blocked);
        }
    }
    const APIMeta meta = co_await client.finalReply(request.file, request.options, token);
    const TovalinClient::Choice choice = TovalinClient::chooseResults(meta, request.options);

    QList<Pending> pending;
    std::exception_ptr failure;
    try {
        for (qsizetype i = 0; i <= choice.results.size(); ++i) {
            std::optional<TovalinClient::Result> result;
            const bool fallback = i == choice.results.size();
            if (!fallback) {
                result = choice.results.at(i);
            } else if (pending.isEmpty() && choice.fallback) {
                // Nothing of the answer could be saved: the uploaded image itself, under the optimized
                // image's name with the source's extension.
                result = choice.fallback;
            } else {
                break;
            }
            // Results belong with their source: once it has gone, nothing more is saved for it.
            if (!exists(path)) {
                throw FileError::removedWhileOptimized(path);
            }
            const QString extension = fallback ? QString() : OutputNames::remoteExtension(result->remote);
            const std::optional<OutputWriter::Placement> placement = writer.place(result->kind, extension);
            if (!placement) {
                continue;
            }
            std::shared_ptr<OutputFile> file = writer.open(result->kind, *placement);
            if (!file) {
                throw TovalinError::writeFailed();
            }
            const qint64 bytes = co_await client.download(result->remote, file->device(), token);
            // A job's only result, the usual case, is marked as all it saved from its commit on: its mark
            // is written once. (With several, each mark waits until all of them are on the disk.)
            if (pending.isEmpty() && (fallback || i + 1 == choice.results.size())) {
                file->setSaved({file->kind()});
            }
            // Committed while the next result downloads.
            pending.append({file, bytes, commitLater(file)});
        }
        if (pending.isEmpty()) {
            if (choice.results.isEmpty() && !choice.fallback) {
                throw TovalinError::missingDownloadURL();
            }
            // Every name it could take is held by a file that is not one of its results.
            throw FileError::noFreeName(names.folder());
        }
    } catch (...) {
        failure = std::current_exception();
    }
    if (!failure && request.transferred) {
        request.transferred();
    }
    // `pending` keeps the files until their marks are done.
    const Settled settled = co_await settle(pending);
    if (!failure && !settled.allSaved) {
        failure = std::make_exception_ptr(TovalinError::writeFailed());
    }
    if (failure) {
        try {
            std::rethrow_exception(failure);
        } catch (Error& error) {
            error.setWritten(settled.saved);
            throw;
        }
    }
    // Everything is saved: each output's mark now says so.
    if (!OutputWriter::marksSaved(settled.files)) {
        QFuture<void> marked =
            QtConcurrent::run(OutputWriter::pool(), [files = settled.files] { OutputWriter::markSaved(files); });
        co_await marked;
    }
    co_return settled.saved;
}

} // namespace

JobPipeline::Optimizer JobPipeline::optimizer(TovalinClient::JobHost host)
{
    return [host = std::move(host)](JobRequest request, CancelToken token) {
        TovalinClient::ClientJob job = [request = std::move(request), token](TovalinClient client,
                                                                             std::optional<QString> apiKey) {
            JobRequest mine = request;
            if (apiKey) {
                mine.options.apiKey = *apiKey;
            }
            return run(std::move(client), std::move(mine), token);
        };
        return host(std::move(job), std::move(token));
    };
}

QCoro::Task<QList<DownloadedFile>> JobPipeline::run(TovalinClient client, JobRequest request, CancelToken token)
{
    return runJob(std::move(client), std::move(request), std::move(token));
}
