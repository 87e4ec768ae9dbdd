// The service client's own cost, on the road a run takes: JobPipeline composing TovalinClient with the
// output writer (placement, the durable write, marks and dates, the folders' sync at the end of the
// run), against one curl(1) process doing the same transfers for every image (the upload with the same
// form fields and file, then the optimized image) over the connections it keeps across all of them
// (`curl -K CONFIG` with `next` between transfers). Both against the local service in passthrough mode
// over HTTPS on loopback, one image at a time on the disk and on tmpfs, and four at once on the disk
// (`curl --parallel --parallel-max 4`).
//
//   tovalin-bench-client --url https://localhost:PORT --ca CA.pem --api-key KEY WORKDIR
//
// The disk's images are generated under WORKDIR, tmpfs's in a folder of their own under /tmp when that
// is tmpfs, else under /dev/shm, removed at the end; results are written beside them.

#include "bench/Measure.h"
#include "bench/ReportRow.h"
#include "bench/ServiceOptions.h"
#include "bench/SyntheticImage.h"
#include "client/APIMeta.h"
#include "client/RequestParameters.h"
#include "client/TovalinClient.h"
#include "output/FolderSync.h"
#include "queue/JobPipeline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <qcoro/qcorotask.h>

#include <exception>
#include <memory>
#include <optional>
#include <sys/resource.h>
#include <sys/vfs.h>

namespace {

constexpr long tmpfsMagic = 0x01021994;

// A side's wall-clock and processor time for one pass over the set.
struct Pass
{
    double ms = 0;
    double processorMs = 0;
};

double processorMs(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1000.0 + double(t.tv_usec) / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

bool onTmpfs(const QString& path)
{
    struct statfs info
    {
    };
    return statfs(QFile::encodeName(path).constData(), &info) == 0 && long(info.f_type) == tmpfsMagic;
}

struct ImageSet
{
    QString folder;
    QList<QString> files;
    // The address of each file's optimized result, as a first upload left it on the service.
    QList<QString> results;
};

ImageSet makeSet(const QString& folder, int count, qint64 bytes, quint32 seed)
{
    ImageSet set;
    set.folder = folder;
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        const QString path = QStringLiteral("%1/IMG_%2.jpg").arg(folder).arg(i, 4, 10, QLatin1Char('0'));
        if (!SyntheticImage::writeJpeg(path, bytes, seed + quint32(i))) {
            qFatal("cannot write %s", qPrintable(path));
        }
        set.files.append(path);
    }
    return set;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QCoro::Task<std::pair<APIMeta, QString>> uploadOnce(TovalinClient client, QUrl file, QByteArray data,
                                                    TovalinOptions options)
{
    try {
        co_return {co_await client.callPostReducer(file, data, std::nullopt, options, CancelToken()), QString()};
    } catch (const std::exception& error) {
        co_return {APIMeta(), QString::fromUtf8(error.what())};
    }
}

// One upload per image, untimed, so that curl can fetch the same results the client fetches.
void prepareResults(const TovalinClient& client, const TovalinOptions& options, ImageSet& set)
{
    for (const QString& path : std::as_const(set.files)) {
        const auto [meta, failure] =
            QCoro::waitFor(uploadOnce(client, QUrl::fromLocalFile(path), readAll(path), options));
        if (!failure.isEmpty()) {
            qFatal("the upload of %s failed: %s", qPrintable(path), qPrintable(failure));
        }
        const std::optional<QString> optimized = TovalinClient::preferredOriginalURL(meta, options.compression);
        if (!optimized) {
            qFatal("the service gave no result address for %s", qPrintable(path));
        }
        set.results.append(*optimized);
    }
}

// A run's jobs as a run keeps them: up to `atOnce` in their transfers, the next one starting as soon as
// one's transfers are over while its files still go to the disk; the folders synced once it is all done.
class PipelineRun
{
public:
    PipelineRun(TovalinClient client, TovalinOptions options, const ImageSet& set, int atOnce)
        : m_client(std::move(client))
        , m_options(std::move(options))
        , m_set(set)
        , m_atOnce(atOnce)
    {
    }

    Pass time()
    {
        const double processorBefore = processorMs(RUSAGE_SELF);
        QElapsedTimer timer;
        timer.start();
        startMore();
        if (m_unfinished > 0) {
            m_loop.exec();
        }
        FolderSync::syncAll();
        const Pass pass{Measure::elapsedMs(timer), processorMs(RUSAGE_SELF) - processorBefore};
        if (!m_failure.isEmpty()) {
            qFatal("the client failed: %s", qPrintable(m_failure));
        }
        return pass;
    }

private:
    void startMore()
    {
        while (m_inTransfer < m_atOnce && m_next < m_set.files.size()) {
            ++m_inTransfer;
            ++m_unfinished;
            job(this, QUrl::fromLocalFile(m_set.files.at(m_next++)));
        }
    }

    void transferred(const std::shared_ptr<bool>& released)
    {
        if (!*released) {
            *released = true;
            --m_inTransfer;
            startMore();
        }
    }

    static QCoro::Task<> job(PipelineRun* run, QUrl file)
    {
        auto released = std::make_shared<bool>(false);
        JobRequest request = JobRequest::forFile(std::move(file), run->m_options);
        request.transferred = [run, released] { run->transferred(released); };
        try {
            const QList<DownloadedFile> saved = co_await JobPipeline::run(run->m_client, request, CancelToken());
            if (saved.size() != 1) {
                run->m_failure = QStringLiteral("%1 files saved").arg(saved.size());
            }
        } catch (const std::exception& error) {
            run->m_failure = QString::fromUtf8(error.what());
        }
        run->transferred(released);
        if (--run->m_unfinished == 0) {
            run->m_loop.quit();
        }
    }

    TovalinClient m_client;
    TovalinOptions m_options;
    const ImageSet& m_set;
    int m_atOnce;
    qsizetype m_next = 0;
    int m_inTransfer = 0;
    int m_unfinished = 0;
    QString m_failure;
    QEventLoop m_loop;
};

// A value of curl's configuration file: in double quotes, with its backslashes and quotes escaped.
QByteArray quoted(const QString& value)
{
    QByteArray text = value.toUtf8();
    text.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + text + '"';
}

// Every transfer of the set, one after another in one curl process: the upload, then the result.
QString writeCurlConfig(const QString& configPath, const QString& baseUrl, const QString& ca,
                        const TovalinOptions& options, const ImageSet& set)
{
    QByteArray config;
    const QByteArray common = "silent\nshow-error\nfail\ncacert = " + quoted(ca) + '\n';
    const QList<std::pair<QString, QString>> fields =
        RequestParameters(options, std::nullopt, QStringLiteral("MAC01")).formFields();
    for (qsizetype i = 0; i < set.files.size(); ++i) {
        const QString& path = set.files.at(i);
        const QString out =
            QFileInfo(path).absolutePath() + QStringLiteral("/curl-") + QFileInfo(path).completeBaseName();
        config += common;
        // The client sends no "Expect: 100-continue".
        config += "header = \"Expect:\"\noutput = " + quoted(out + QStringLiteral(".json")) + '\n';
        for (const auto& [name, value] : fields) {
            config += "form-string = " + quoted(name + QLatin1Char('=') + value) + '\n';
        }
        config += "form-string = " +
                  quoted(QStringLiteral("file_paths=") +
                         TovalinClient::jsonString(QJsonObject{{QStringLiteral("file1"), path}})) +
                  '\n';
        config += "form = " + quoted(QStringLiteral("file1=@%1;type=image/jpeg").arg(path)) + '\n';
        config += "url = " + quoted(baseUrl + QStringLiteral("/v2/post-reducer.php")) + "\nnext\n";
        config += common + "output = " + quoted(out + QStringLiteral("-optimized.jpg")) + '\n';
        config += "url = " + quoted(set.results.at(i)) + '\n';
        if (i + 1 < set.files.size()) {
            config += "next\n";
        }
    }
    QFile file(configPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(config) != config.size()) {
        qFatal("cannot write %s", qPrintable(configPath));
    }
    return configPath;
}

Pass timeCurl(const QString& config, int atOnce)
{
    QStringList args;
    if (atOnce > 1) {
        // (Each transfer's "silent" leaves the meter of the parallel transfers on.)
        args << QStringLiteral("--no-progress-meter") << QStringLiteral("--parallel")
             << QStringLiteral("--parallel-max") << QString::number(atOnce);
    }
    args << QStringLiteral("-K") << config;
    const double processorBefore = processorMs(RUSAGE_CHILDREN);
    QElapsedTimer timer;
    timer.start();
    QProcess curl;
    curl.setProcessChannelMode(QProcess::ForwardedChannels);
    curl.start(QStringLiteral("curl"), args);
    if (!curl.waitForFinished(-1) || curl.exitStatus() != QProcess::NormalExit || curl.exitCode() != 0) {
        qFatal("curl failed: curl %s", qPrintable(args.join(QLatin1Char(' '))));
    }
    const double ms = Measure::elapsedMs(timer);
    return {ms, processorMs(RUSAGE_CHILDREN) - processorBefore};
}

struct Row
{
    QString label;
    const ImageSet* set;
    int atOnce;
    double target;
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("workdir"),
                                 QStringLiteral("Folder on the disk for images and results."));
    const ServiceOptions service(parser);
    const QCommandLineOption repsOption(QStringLiteral("repetitions"), QStringLiteral("Timed repetitions."),
                                        QStringLiteral("n"), QStringLiteral("5"));
    const QCommandLineOption countOption(QStringLiteral("images"), QStringLiteral("Number of 45 KiB images."),
                                         QStringLiteral("n"), QStringLiteral("200"));
    const QCommandLineOption onlyOption(QStringLiteral("only"),
                                        QStringLiteral("Only the rows named: disk, tmpfs, four."),
                                        QStringLiteral("rows"), QStringLiteral("disk,tmpfs,four"));
    parser.addOptions({repsOption, countOption, onlyOption});
    parser.addHelpOption();
    parser.process(app);
    if (parser.positionalArguments().size() != 1 || !service.isComplete(parser)) {
        parser.showHelp(2);
    }
    const QString workDir = QDir(parser.positionalArguments().constFirst()).absolutePath();
    const QString baseUrl = service.url(parser);
    const QString ca = service.caFile(parser);
    const int repetitions = std::max(1, parser.value(repsOption).toInt());
    const int count = std::max(1, parser.value(countOption).toInt());
    const QStringList only = parser.value(onlyOption).split(QLatin1Char(','));
    QTextStream err(stderr);
    if (onTmpfs(workDir)) {
        err << "client: " << workDir << " is on tmpfs, not on a disk\n";
    }
    QTemporaryDir tmpfs((onTmpfs(QStringLiteral("/tmp")) ? QStringLiteral("/tmp") : QStringLiteral("/dev/shm")) +
                        QStringLiteral("/tovalin-bench-client-XXXXXX"));
    if (!tmpfs.isValid() || !onTmpfs(tmpfs.path())) {
        qFatal("no folder on tmpfs");
    }

    const TovalinClient client = service.client(parser);
    TovalinOptions options;
    options.apiKey = service.apiKey(parser);
    options.convertToWebP = false;

    ImageSet disk = makeSet(workDir + QStringLiteral("/disk"), count, 45 * 1024, 1000);
    ImageSet memory = makeSet(tmpfs.path() + QStringLiteral("/images"), count, 45 * 1024, 1000);
    prepareResults(client, options, disk);
    prepareResults(client, options, memory);
    const QString diskConfig = writeCurlConfig(workDir + QStringLiteral("/disk.curl"), baseUrl, ca, options, disk);
    const QString memoryConfig =
        writeCurlConfig(tmpfs.path() + QStringLiteral("/images.curl"), baseUrl, ca, options, memory);
    err << "client: images made and uploaded once for curl's results\n";
    err.flush();

    const QString images = QStringLiteral("%1 × 45 KiB images").arg(count);
    const QList<Row> rows{
        {QStringLiteral("disk"), &disk, 1, 1.5},
        {QStringLiteral("tmpfs"), &memory, 1, 1.0},
        {QStringLiteral("four"), &disk, 4, 1.0},
    };
    for (const Row& row : rows) {
        if (!only.contains(row.label)) {
            continue;
        }
        const QString& config = row.set == &disk ? diskConfig : memoryConfig;
        const auto timeClient = [&] { return PipelineRun(client, options, *row.set, row.atOnce).time(); };
        QList<Pass> clientPasses;
        QList<Pass> curlPasses;
        // Warm both sides once, then alternate which goes first so that drift of the machine cancels.
        timeClient();
        timeCurl(config, row.atOnce);
        for (int r = 0; r < repetitions; ++r) {
            if (r % 2 == 0) {
                clientPasses.append(timeClient());
                curlPasses.append(timeCurl(config, row.atOnce));
            } else {
                curlPasses.append(timeCurl(config, row.atOnce));
                clientPasses.append(timeClient());
            }
            err << "client: " << row.label << " client " << clientPasses.constLast().ms << " ms (processor "
                << clientPasses.constLast().processorMs << " ms), curl " << curlPasses.constLast().ms
                << " ms (processor " << curlPasses.constLast().processorMs << " ms)\n";
            err.flush();
        }
        const auto median = [](const QList<Pass>& passes, double Pass::*figure) {
            QList<double> values;
            for (const Pass& pass : passes) {
                values.append(pass.*figure);
            }
            return Measure::median(values);
        };
        const double ours = median(clientPasses, &Pass::ms);
        const double theirs = median(curlPasses, &Pass::ms);
        const auto perImage = [count](double ms) { return ms / double(count); };
        const QString how =
            row.atOnce == 1 ? QStringLiteral("one at a time") : QStringLiteral("%1 at once").arg(row.atOnce);
        const QString where = row.set == &disk ? QStringLiteral("disk") : QStringLiteral("tmpfs");
        ReportRow{QStringLiteral("Client against one curl process, %1, %2, on %3 (median of %4)")
                      .arg(images, how, where)
                      .arg(repetitions),
                  QStringLiteral("%1 ms/image (processor %2 ms)")
                      .arg(perImage(ours), 0, 'f', 2)
                      .arg(perImage(median(clientPasses, &Pass::processorMs)), 0, 'f', 2),
                  QStringLiteral("curl %1 ms/image (processor %2 ms)")
                      .arg(perImage(theirs), 0, 'f', 2)
                      .arg(perImage(median(curlPasses, &Pass::processorMs)), 0, 'f', 2),
                  ReportRow::times(ours / theirs),
                  QStringLiteral("≤ %1×").arg(row.target, 0, 'f', 1),
                  ours / theirs <= row.target}
            .print();
    }
    return 0;
}
