// The service client's own cost: TovalinClient::optimize() against curl(1) doing the same three
// transfers per image (the upload with the same form fields and file, then the optimized image and the
// WebP companion), both against the local service in passthrough mode over HTTPS on loopback.
// One curl process per image, reusing its connection within the image; the client keeps its own.
//
//   tovalin-bench-client --url https://localhost:PORT --ca CA.pem --api-key KEY WORKDIR
//
// The images are generated under WORKDIR, the results written beside them; the caller removes it.

#include "bench/Measure.h"
#include "bench/ReportRow.h"
#include "bench/ServiceOptions.h"
#include "bench/SyntheticImage.h"
#include "client/APIMeta.h"
#include "client/RequestParameters.h"
#include "client/TovalinClient.h"
#include "queue/JobPipeline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QProcess>
#include <QSslCertificate>
#include <QTextStream>
#include <qcoro/qcorotask.h>

#include <exception>
#include <optional>

namespace {

struct ImageSet
{
    QString label;
    QList<QString> files;
    qint64 bytes = 0;
    // The addresses of each file's two results, as a first upload left them on the service.
    QList<std::pair<QString, QString>> results;
};

QString sizeText(qint64 bytes)
{
    return bytes >= (1 << 20) ? QStringLiteral("%1 MiB").arg(bytes >> 20) : QStringLiteral("%1 KiB").arg(bytes >> 10);
}

ImageSet makeSet(const QString& folder, int count, qint64 bytes, quint32 seed)
{
    ImageSet set;
    set.label = QStringLiteral("%1 × %2").arg(count).arg(sizeText(bytes));
    set.bytes = bytes;
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

// QCoro's waitFor() never returns when the awaited task throws, so every call is wrapped in a task
// that turns a failure into its text.
QCoro::Task<QString> optimizeOnce(TovalinClient client, QUrl file, TovalinOptions options)
{
    try {
        const QList<DownloadedFile> saved =
            co_await JobPipeline::run(client, JobRequest::forFile(file, options), CancelToken());
        if (saved.size() != 2) {
            co_return QStringLiteral("the client saved %1 files").arg(saved.size());
        }
        co_return QString();
    } catch (const std::exception& error) {
        co_return QString::fromUtf8(error.what());
    }
}

QCoro::Task<std::pair<APIMeta, QString>> uploadOnce(TovalinClient client, QUrl file, QByteArray data,
                                                    std::optional<QString> convertTo, TovalinOptions options)
{
    try {
        co_return {co_await client.callPostReducer(file, data, convertTo, options, CancelToken()), QString()};
    } catch (const std::exception& error) {
        co_return {APIMeta(), QString::fromUtf8(error.what())};
    }
}

// Through the client, one image after another, as a run does.
double timeClient(const TovalinClient& client, const TovalinOptions& options, const ImageSet& set)
{
    QElapsedTimer timer;
    timer.start();
    for (const QString& path : set.files) {
        const QString failure = QCoro::waitFor(optimizeOnce(client, QUrl::fromLocalFile(path), options));
        if (!failure.isEmpty()) {
            qFatal("the client failed on %s: %s", qPrintable(path), qPrintable(failure));
        }
    }
    return Measure::elapsedMs(timer);
}

QStringList curlArguments(const QString& baseUrl, const QString& ca, const TovalinOptions& options, const QString& path,
                          const std::pair<QString, QString>& results)
{
    const QStringList common{QStringLiteral("-sS"), QStringLiteral("--fail"), QStringLiteral("--cacert"), ca};
    const QString out = QFileInfo(path).absolutePath() + QStringLiteral("/curl-") + QFileInfo(path).completeBaseName();
    QStringList args = common;
    // The client sends no "Expect: 100-continue"; curl would wait for an answer to it before large bodies.
    args << QStringLiteral("-H") << QStringLiteral("Expect:") << QStringLiteral("-o") << out + QStringLiteral(".json");
    const std::optional<QString> convertTo = TovalinClient::buildConvertString(options);
    for (const auto& [name, value] : RequestParameters(options, convertTo, QStringLiteral("MAC01")).formFields()) {
        args << QStringLiteral("--form-string") << name + QLatin1Char('=') + value;
    }
    args << QStringLiteral("--form-string")
         << QStringLiteral("file_paths=") + TovalinClient::jsonString(QJsonObject{{QStringLiteral("file1"), path}});
    args << QStringLiteral("-F") << QStringLiteral("file1=@%1;type=image/jpeg").arg(path);
    args << baseUrl + QStringLiteral("/v2/post-reducer.php");
    args << QStringLiteral("--next") << common << QStringLiteral("-o") << out + QStringLiteral("-optimized.jpg")
         << results.first;
    args << QStringLiteral("--next") << common << QStringLiteral("-o") << out + QStringLiteral(".webp")
         << results.second;
    return args;
}

double timeCurl(const QString& baseUrl, const QString& ca, const TovalinOptions& options, const ImageSet& set)
{
    QList<QStringList> commands;
    for (qsizetype i = 0; i < set.files.size(); ++i) {
        commands.append(curlArguments(baseUrl, ca, options, set.files.at(i), set.results.at(i)));
    }
    QElapsedTimer timer;
    timer.start();
    for (const QStringList& args : std::as_const(commands)) {
        QProcess curl;
        curl.setProcessChannelMode(QProcess::ForwardedChannels);
        curl.start(QStringLiteral("curl"), args);
        if (!curl.waitForFinished(-1) || curl.exitStatus() != QProcess::NormalExit || curl.exitCode() != 0) {
            qFatal("curl failed: curl %s", qPrintable(args.join(QLatin1Char(' '))));
        }
    }
    return Measure::elapsedMs(timer);
}

// One upload per image, untimed, so that curl can fetch the same results the client fetches.
void prepareResults(const TovalinClient& client, const TovalinOptions& options, ImageSet& set)
{
    const std::optional<QString> convertTo = TovalinClient::buildConvertString(options);
    for (const QString& path : std::as_const(set.files)) {
        const auto [meta, failure] =
            QCoro::waitFor(uploadOnce(client, QUrl::fromLocalFile(path), readAll(path), convertTo, options));
        if (!failure.isEmpty()) {
            qFatal("the upload of %s failed: %s", qPrintable(path), qPrintable(failure));
        }
        const std::optional<QString> optimized = TovalinClient::preferredOriginalURL(meta, options.compression);
        const std::optional<QString> webp = TovalinClient::preferredWebPURL(meta, options.compression);
        if (!optimized || !webp) {
            qFatal("the service gave no result addresses for %s", qPrintable(path));
        }
        set.results.append({*optimized, *webp});
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("workdir"), QStringLiteral("Folder for images and results."));
    const ServiceOptions service(parser);
    const QCommandLineOption repsOption(QStringLiteral("repetitions"), QStringLiteral("Timed repetitions."),
                                        QStringLiteral("n"), QStringLiteral("3"));
    const QCommandLineOption smallOption(QStringLiteral("small"), QStringLiteral("Number of 50 KiB images."),
                                         QStringLiteral("n"), QStringLiteral("200"));
    const QCommandLineOption largeOption(QStringLiteral("large"), QStringLiteral("Number of 20 MiB images."),
                                         QStringLiteral("n"), QStringLiteral("20"));
    parser.addOptions({repsOption, smallOption, largeOption});
    parser.addHelpOption();
    parser.process(app);
    if (parser.positionalArguments().size() != 1 || !service.isComplete(parser)) {
        parser.showHelp(2);
    }
    const QString workDir = QDir(parser.positionalArguments().constFirst()).absolutePath();
    const QString baseUrl = service.url(parser);
    const QString ca = service.caFile(parser);
    const int repetitions = std::max(1, parser.value(repsOption).toInt());

    const TovalinClient client = service.client(parser);
    TovalinOptions options;
    options.apiKey = service.apiKey(parser);
    options.convertToWebP = true;

    QTextStream err(stderr);
    QList<ImageSet> sets{
        makeSet(workDir + QStringLiteral("/small"), parser.value(smallOption).toInt(), 50 * 1024, 1000),
        makeSet(workDir + QStringLiteral("/large"), parser.value(largeOption).toInt(), 20 * 1024 * 1024, 2000),
    };
    for (ImageSet& set : sets) {
        prepareResults(client, options, set);
    }
    err << "client: images made and uploaded once for curl's results\n";
    err.flush();

    double clientTotal = 0;
    double curlTotal = 0;
    int jobs = 0;
    for (const ImageSet& set : std::as_const(sets)) {
        QList<double> clientMs;
        QList<double> curlMs;
        // Warm both sides once, then alternate which goes first so that drift of the machine cancels.
        timeClient(client, options, set);
        timeCurl(baseUrl, ca, options, set);
        for (int r = 0; r < repetitions; ++r) {
            if (r % 2 == 0) {
                clientMs.append(timeClient(client, options, set));
                curlMs.append(timeCurl(baseUrl, ca, options, set));
            } else {
                curlMs.append(timeCurl(baseUrl, ca, options, set));
                clientMs.append(timeClient(client, options, set));
            }
            err << "client: " << set.label << " client " << clientMs.constLast() << " ms, curl " << curlMs.constLast()
                << " ms\n";
            err.flush();
        }
        const double ours = Measure::median(clientMs);
        const double theirs = Measure::median(curlMs);
        const auto perJob = [&set](double ms) { return ms / double(set.files.size()); };
        ReportRow{QStringLiteral("Client, %1 images, WebP on (median of %2)").arg(set.label).arg(repetitions),
                  QStringLiteral("%1 ms/job").arg(perJob(ours), 0, 'f', 1),
                  QStringLiteral("curl %1 ms/job").arg(perJob(theirs), 0, 'f', 1),
                  ReportRow::times(ours / theirs),
                  QStringLiteral("≤ 1.10×"),
                  ours / theirs <= 1.10}
            .print();
        clientTotal += ours;
        curlTotal += theirs;
        jobs += int(set.files.size());
    }
    ReportRow{
        QStringLiteral("Client, all %1 images").arg(jobs),
        QStringLiteral("%1 (%2 jobs/s)").arg(ReportRow::ms(clientTotal)).arg(jobs * 1000.0 / clientTotal, 0, 'f', 1),
        QStringLiteral("curl %1 (%2 jobs/s)").arg(ReportRow::ms(curlTotal)).arg(jobs * 1000.0 / curlTotal, 0, 'f', 1),
        ReportRow::times(clientTotal / curlTotal),
        QStringLiteral("≤ 1.10×"),
        clientTotal / curlTotal <= 1.10}
        .print();
    return 0;
}
