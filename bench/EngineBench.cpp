// The engine on this computer: how soon a started engine answers, what starting one costs a one-image
// run of tovalin-optimize, and a bulk run of real photos through it against the same run through a
// tovalin-local-service started by hand.
//
//   tovalin-bench-engine --service PATH --optimize PATH --cert PEM --key PEM --ca PEM --photos JPEG,...
//                        WORKDIR
//
// Engine start: from the spawn until the first request is answered (median of 10). Cold start: the
// command on one small photo from its start to its exit, its own engine against one already running
// (median of 7 each, taken in turns). Bulk: 100 photos, --jobs as many as the machine has cores, each
// way taken twice in turns, the faster of each.

#include "bench/Measure.h"
#include "bench/ReportRow.h"
#include "client/CancelToken.h"
#include "client/HttpTransport.h"
#include "engine/LocalEngine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTcpServer>
#include <QThread>
#include <qcoro/qcorotask.h>

#include <optional>
#include <sys/resource.h>

namespace {

constexpr char kKey[] = "bench-engine-key";

// The milliseconds from the spawn until the engine has answered a request; negative when it did not.
QCoro::Task<double> timeOneStart(QString program)
{
    QElapsedTimer clock;
    clock.start();
    LocalEngine engine(program);
    const LocalEngine::Connection connection = co_await LocalEngine::connection(&engine, CancelToken());
    const HttpResponse answer = co_await connection.client.transport()->dataFor(
        connection.client.reducerURL(), "application/json", QByteArray("{}"), CancelToken());
    co_return answer.statusCode > 0 ? Measure::elapsedMs(clock) : -1.0;
}

// The processor time of the children reaped so far, in milliseconds.
double childrenCpuMs()
{
    struct rusage usage
    {
    };
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1000 + double(t.tv_usec) / 1000; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double timeStart(const QString& program)
{
    std::optional<double> result;
    QCoro::connect(timeOneStart(program), qApp, [&result](double ms) { result = ms; });
    const QDeadlineTimer deadline(30'000);
    while (!result && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return result.value_or(-1);
}

// tovalin-local-service started by hand, with real codecs, on a free port.
class HandStartedService
{
public:
    HandStartedService(const QString& binary, const QString& cert, const QString& key, const QString& folder)
    {
        {
            QTcpServer probe;
            if (!probe.listen(QHostAddress::LocalHost, 0))
                qFatal("no free port");
            m_port = probe.serverPort();
        }
        QDir().mkpath(folder);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), folder);
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.setStandardOutputFile(folder + QStringLiteral("/service.log"));
        m_process.start(binary, {QStringLiteral("--cert"), cert, QStringLiteral("--key"), key, QStringLiteral("--port"),
                                 QString::number(m_port), QStringLiteral("--api-key"), QLatin1String(kKey)});
        const QDeadlineTimer deadline(30'000);
        QByteArray log;
        while (!log.contains("listening") && !deadline.hasExpired() && m_process.state() != QProcess::NotRunning) {
            m_process.waitForFinished(50);
            QFile file(folder + QStringLiteral("/service.log"));
            log = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }
        if (!log.contains("listening"))
            qFatal("the service did not start: %s", log.constData());
    }
    ~HandStartedService()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(30'000))
            m_process.kill();
        m_process.waitForFinished();
    }
    QString url() const { return QStringLiteral("https://localhost:%1").arg(m_port); }

private:
    QProcess m_process;
    quint16 m_port = 0;
};

// One run of tovalin-optimize, start to exit, in milliseconds; negative when it did not succeed.
double timeCommand(const QString& optimize, const QStringList& arguments, const QString& tmp)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TOVALIN_API_KEY"), QLatin1String(kKey));
    environment.insert(QStringLiteral("TMPDIR"), tmp);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(optimize, arguments);
    if (!process.waitForFinished(600'000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning("tovalin-optimize %s failed", qPrintable(arguments.join(QLatin1Char(' '))));
        return -1;
    }
    return Measure::elapsedMs(clock);
}

// `count` photos of 1920 × 1080, each a different crop of one of `sources`, saved as JPEG.
QStringList makePhotos(const QStringList& sources, const QString& folder, int count)
{
    QDir().mkpath(folder);
    QList<QImage> images;
    for (const QString& source : sources) {
        QImage image(source);
        if (!image.isNull())
            images.append(image);
    }
    if (images.isEmpty())
        qFatal("no photos could be read");
    QStringList made;
    for (int i = 0; i < count; ++i) {
        const QImage& image = images.at(i % images.size());
        // Crops of 60 to 90 % of the picture, moving across it.
        const double share = 0.6 + 0.3 * ((i / int(images.size())) % 4) / 3.0;
        const QSize size(int(image.width() * share), int(image.height() * share));
        const int step = (i / int(images.size())) % 7;
        const QPoint at((image.width() - size.width()) * step / 6, (image.height() - size.height()) * (6 - step) / 6);
        const QString path = QStringLiteral("%1/photo%2.jpg").arg(folder).arg(i, 3, 10, QLatin1Char('0'));
        image.copy(QRect(at, size))
            .scaled(1920, 1080, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation)
            .save(path, "JPEG", 90);
        made.append(path);
    }
    return made;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption serviceOption(QStringLiteral("service"), QStringLiteral("tovalin-local-service"),
                                           QStringLiteral("path"));
    const QCommandLineOption optimizeOption(QStringLiteral("optimize"), QStringLiteral("tovalin-optimize"),
                                            QStringLiteral("path"));
    const QCommandLineOption certOption(QStringLiteral("cert"), QStringLiteral("certificate"), QStringLiteral("pem"));
    const QCommandLineOption keyOption(QStringLiteral("key"), QStringLiteral("private key"), QStringLiteral("pem"));
    const QCommandLineOption caOption(QStringLiteral("ca"), QStringLiteral("authority"), QStringLiteral("pem"));
    const QCommandLineOption photosOption(QStringLiteral("photos"), QStringLiteral("JPEG files, comma-separated"),
                                          QStringLiteral("files"));
    parser.addOptions({serviceOption, optimizeOption, certOption, keyOption, caOption, photosOption});
    parser.addPositionalArgument(QStringLiteral("workdir"), QStringLiteral("scratch folder"));
    parser.process(app);
    if (parser.positionalArguments().size() != 1 || !parser.isSet(serviceOption) || !parser.isSet(optimizeOption))
        qFatal("usage: tovalin-bench-engine --service PATH --optimize PATH --cert --key --ca --photos WORKDIR");
    const QString service = parser.value(serviceOption);
    const QString optimize = parser.value(optimizeOption);
    const QDir work(parser.positionalArguments().constFirst());
    const QString tmp = work.filePath(QStringLiteral("tmp"));
    QDir().mkpath(tmp);

    // Engine start.
    timeStart(service); // the binary and its libraries into the page cache
    // The wall clock counts what else the machine does meanwhile; the engine's own processor time for
    // its start, one answer and its end does not.
    QList<double> starts;
    QList<double> cpu;
    for (int i = 0; i < 10; ++i) {
        const double before = childrenCpuMs();
        starts.append(timeStart(service));
        cpu.append(childrenCpuMs() - before);
    }
    const double start = Measure::median(starts);
    ReportRow{QStringLiteral("Engine start: spawn to first answer (median of 10)"),
              QStringLiteral("%1 (engine's CPU %2)").arg(ReportRow::ms(start), ReportRow::ms(Measure::median(cpu))),
              QStringLiteral("–"),
              QStringLiteral("–"),
              QStringLiteral("≤ 150 ms"),
              start > 0 && start <= 150}
        .print();

    const QStringList sources = parser.value(photosOption).split(QLatin1Char(','), Qt::SkipEmptyParts);
    HandStartedService running(service, parser.value(certOption), parser.value(keyOption),
                               work.filePath(QStringLiteral("service")));
    const QStringList throughRunning{QStringLiteral("--service-url"), running.url(), QStringLiteral("--ca-file"),
                                     parser.value(caOption)};

    // Cold start: one small photo.
    const QString small = work.filePath(QStringLiteral("small"));
    QDir().mkpath(small);
    QImage(makePhotos(sources, work.filePath(QStringLiteral("source")), 1).constFirst())
        .scaled(640, 360, Qt::KeepAspectRatio, Qt::SmoothTransformation)
        .save(small + QStringLiteral("/small.jpg"), "JPEG", 90);
    const QStringList once{QStringLiteral("--quiet"), QStringLiteral("--force"), small + QStringLiteral("/small.jpg")};
    QList<double> cold;
    QList<double> warm;
    timeCommand(optimize, once, tmp);
    for (int i = 0; i < 7; ++i) {
        cold.append(timeCommand(optimize, once, tmp));
        warm.append(timeCommand(optimize, throughRunning + once, tmp));
    }
    const double coldMs = Measure::median(cold);
    const double warmMs = Measure::median(warm);
    ReportRow{QStringLiteral("Cold start, local engine: one small photo, start to exit (median of 7)"),
              ReportRow::ms(coldMs),
              QStringLiteral("running engine ") + ReportRow::ms(warmMs),
              ReportRow::times(coldMs / warmMs),
              QStringLiteral("≤ 1.5×"),
              coldMs > 0 && warmMs > 0 && coldMs <= 1.5 * warmMs}
        .print();

    // Bulk: 100 photos with real codecs, as many at once as there are cores.
    const QString bulk = work.filePath(QStringLiteral("bulk"));
    makePhotos(sources, bulk, 100);
    const QStringList all{QStringLiteral("--quiet"), QStringLiteral("--force"), QStringLiteral("--jobs"),
                          QString::number(QThread::idealThreadCount()), bulk};
    double local = -1;
    double byHand = -1;
    for (int round = 0; round < 2; ++round) {
        const double l = timeCommand(optimize, all, tmp);
        const double h = timeCommand(optimize, throughRunning + all, tmp);
        local = round == 0 ? l : std::min(local, l);
        byHand = round == 0 ? h : std::min(byHand, h);
    }
    ReportRow{QStringLiteral("Bulk, local engine, 100 photos of 1920 × 1080, --jobs %1 (faster of 2)")
                  .arg(QThread::idealThreadCount()),
              QStringLiteral("%1 s").arg(local / 1000, 0, 'f', 1),
              QStringLiteral("hand-started service %1 s").arg(byHand / 1000, 0, 'f', 1),
              ReportRow::times(local / byHand),
              QStringLiteral("≤ 1.10×"),
              local > 0 && byHand > 0 && local <= 1.10 * byHand}
        .print();
    return 0;
}
