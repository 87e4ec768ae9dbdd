#pragma once

// One job from source to saved files: the client speaks with the service (upload, poll, the choice of
// results, each download into the file it is given), the output writer decides where each result goes
// and puts it on the disk. The one place the two meet.
//
// A job fails before anything is sent when its results could not be written; a source gone when its
// results arrive gets nothing saved for it. Each result is committed on the writers' pool as soon as
// it has arrived, while the next one downloads; a failure leaves what was committed before it on disk
// and tells of it (Error::written()).

#include "client/CancelToken.h"
#include "client/TovalinClient.h"
#include "model/DownloadedFile.h"
#include "queue/JobRequest.h"

#include <QList>
#include <qcoro/qcorotask.h>

#include <functional>

class JobPipeline
{
public:
    // What a run calls for each job: the pipeline, or a stand-in in tests.
    using Optimizer = std::function<QCoro::Task<QList<DownloadedFile>>(JobRequest request, CancelToken token)>;

    // Each job with the client that `host` lends it (the service's, or the engine's on this computer).
    static Optimizer optimizer(TovalinClient::JobHost host);
    static QCoro::Task<QList<DownloadedFile>> run(TovalinClient client, JobRequest request, CancelToken token);
};
