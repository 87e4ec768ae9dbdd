// The local service under load, each figure against a fresh service in passthrough mode that this
// program starts itself, uploads sent with libcurl as the desktop client sends them:
//   - memory: 8 uploads of one 200 MiB image at once; the service's peak resident memory above its
//     idle size, against the size of one upload;
//   - load: 6,400 uploads of 50 KiB images from 64 connections at once, against the same requests sent
//     one at a time over one connection.
//
//   tovalin-bench-service --service BINARY --cert SERVER.pem --key SERVER.key --ca CA.pem WORKDIR

#include "bench/Measure.h"
#include "bench/ReportRow.h"
#include "bench/SyntheticImage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QThread>

#include <curl/curl.h>
#include <memory>

namespace {

constexpr qint64 kMiB = 1024 * 1024;
const char* const kKey = "bench-service-key";

qint64 statusField(qint64 pid, const char* name)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    const QByteArray prefix = QByteArray(name) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return -1;
}

// The service binary on a free port of 127.0.0.1, with its store under the work folder.
class Service
{
public:
    Service(const QString& binary, const QString& cert, const QString& key, const QString& storeFolder)
    {
        {
            QTcpServer probe;
            if (!probe.listen(QHostAddress::LocalHost, 0))
                qFatal("no free port");
            m_port = probe.serverPort();
        }
        QDir().mkpath(storeFolder);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), storeFolder);
        m_process.setProcessEnvironment(environment);
        // One line per request: to a file, so that the log never waits for a reader.
        const QString logFile = storeFolder + QStringLiteral("/service.log");
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.setStandardOutputFile(logFile);
        m_process.start(binary, {QStringLiteral("--cert"), cert, QStringLiteral("--key"), key, QStringLiteral("--port"),
                                 QString::number(m_port), QStringLiteral("--api-key"), QLatin1String(kKey),
                                 QStringLiteral("--passthrough"), QStringLiteral("--max-upload-mb"),
                                 QStringLiteral("300"), QStringLiteral("--store-quota-mb"), QStringLiteral("8192")});
        const QDeadlineTimer deadline(30'000);
        QByteArray log;
        while (!log.contains("listening") && !deadline.hasExpired() && m_process.state() != QProcess::NotRunning) {
            m_process.waitForFinished(100);
            QFile file(logFile);
            log = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }
        if (!log.contains("listening"))
            qFatal("the service did not start: %s", log.constData());
    }
    ~Service()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(30'000))
            m_process.kill();
        m_process.waitForFinished();
    }

    qint64 pid() const { return m_process.processId(); }
    QByteArray uploadUrl() const
    {
        return QStringLiteral("https://localhost:%1/v2/post-reducer.php").arg(m_port).toUtf8();
    }

private:
    QProcess m_process;
    quint16 m_port = 0;
};

// One upload as the desktop client sends it: the form's fields, then the file, streamed from disk.
class Upload
{
public:
    Upload(const QByteArray& url, const QByteArray& ca)
        : m_easy(curl_easy_init())
    {
        curl_easy_setopt(m_easy, CURLOPT_URL, url.constData());
        curl_easy_setopt(m_easy, CURLOPT_CAINFO, ca.constData());
        curl_easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, &Upload::collect);
        curl_easy_setopt(m_easy, CURLOPT_WRITEDATA, this);
        curl_easy_setopt(m_easy, CURLOPT_PRIVATE, this);
        curl_easy_setopt(m_easy, CURLOPT_TIMEOUT, 600L);
    }
    ~Upload()
    {
        curl_mime_free(m_mime);
        curl_easy_cleanup(m_easy);
    }

    CURL* easy() const { return m_easy; }

    void prepare(const QByteArray& file)
    {
        curl_mime_free(m_mime);
        m_mime = curl_mime_init(m_easy);
        for (const auto& [name, value] : {std::pair{"key", kKey}, std::pair{"plugin_version", "MAC01"},
                                          std::pair{"lossy", "1"}, std::pair{"wait", "30"}}) {
            curl_mimepart* part = curl_mime_addpart(m_mime);
            curl_mime_name(part, name);
            curl_mime_data(part, value, CURL_ZERO_TERMINATED);
        }
        curl_mimepart* part = curl_mime_addpart(m_mime);
        curl_mime_name(part, "file1");
        curl_mime_filedata(part, file.constData());
        curl_mime_type(part, "image/jpeg");
        curl_easy_setopt(m_easy, CURLOPT_MIMEPOST, m_mime);
        m_body.clear();
    }

    // Answered 200 with results: the passthrough service's code 2.
    bool succeeded(CURLcode result) const
    {
        long status = 0;
        curl_easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &status);
        return result == CURLE_OK && status == 200 && m_body.contains("\"Code\":2");
    }

private:
    static size_t collect(char* data, size_t size, size_t count, void* self)
    {
        static_cast<Upload*>(self)->m_body.append(data, qsizetype(size * count));
        return size * count;
    }

    CURL* m_easy;
    curl_mime* m_mime = nullptr;
    QByteArray m_body;
};

// Sends `total` uploads of `files`, in turn, with `connections` in flight at once; returns how many
// failed.
int uploadAll(const Service& service, const QByteArray& ca, const QList<QByteArray>& files, int total, int connections)
{
    CURLM* multi = curl_multi_init();
    curl_multi_setopt(multi, CURLMOPT_MAX_HOST_CONNECTIONS, long(connections));
    curl_multi_setopt(multi, CURLMOPT_MAXCONNECTS, long(connections));
    std::vector<std::unique_ptr<Upload>> uploads;
    int started = 0;
    int failed = 0;
    const auto startNext = [&](Upload& upload) {
        upload.prepare(files[started % files.size()]);
        ++started;
        curl_multi_add_handle(multi, upload.easy());
    };
    for (int i = 0; i < std::min(connections, total); ++i) {
        uploads.push_back(std::make_unique<Upload>(service.uploadUrl(), ca));
        startNext(*uploads.back());
    }
    int running = 1;
    while (running > 0) {
        curl_multi_perform(multi, &running);
        int queued = 0;
        while (CURLMsg* message = curl_multi_info_read(multi, &queued)) {
            if (message->msg != CURLMSG_DONE)
                continue;
            Upload* upload = nullptr;
            curl_easy_getinfo(message->easy_handle, CURLINFO_PRIVATE, &upload);
            const CURLcode result = message->data.result;
            curl_multi_remove_handle(multi, upload->easy());
            if (!upload->succeeded(result))
                ++failed;
            if (started < total) {
                startNext(*upload);
                running = 1;
            }
        }
        if (running > 0)
            curl_multi_poll(multi, nullptr, 0, 100, nullptr);
    }
    uploads.clear();
    curl_multi_cleanup(multi);
    return failed;
}

ReportRow memoryRow(const QString& binary, const QString& cert, const QString& key, const QByteArray& ca,
                    const QString& workDir)
{
    constexpr qint64 size = 200 * kMiB;
    constexpr int uploads = 8;
    const QString image = workDir + QStringLiteral("/large.jpg");
    if (!SyntheticImage::writeJpeg(image, size, 7))
        qFatal("cannot write %s", qPrintable(image));
    const QString warmUp = workDir + QStringLiteral("/warm-up.jpg");
    SyntheticImage::writeJpeg(warmUp, 50 * 1024, 8);

    Service service(binary, cert, key, workDir + QStringLiteral("/store-memory"));
    // What a first request sets up for good (TLS, the codec, the worker threads) is the idle service's.
    if (uploadAll(service, ca, {QFile::encodeName(warmUp)}, 4, 4) != 0)
        qFatal("the warm-up upload failed");
    QThread::msleep(500);
    const qint64 idle = statusField(service.pid(), "VmRSS");
    QFile refs(QStringLiteral("/proc/%1/clear_refs").arg(service.pid()));
    if (!refs.open(QIODevice::WriteOnly) || refs.write("5") != 1)
        qFatal("cannot reset the service's peak memory");
    refs.close();
    QElapsedTimer timer;
    timer.start();
    const int failed = uploadAll(service, ca, {QFile::encodeName(image)}, uploads, uploads);
    const double seconds = Measure::elapsedMs(timer) / 1000.0;
    const qint64 above = statusField(service.pid(), "VmHWM") - idle;
    const double ratio = double(above) / double(size);
    return ReportRow{QStringLiteral("Service memory, %1 × 200 MiB uploads at once").arg(uploads),
                     QStringLiteral("%1 MiB above idle (%2 s, %3 failed)")
                         .arg(double(above) / kMiB, 0, 'f', 1)
                         .arg(seconds, 0, 'f', 1)
                         .arg(failed),
                     QStringLiteral("one upload 200 MiB"),
                     ReportRow::times(ratio),
                     QStringLiteral("≤ 128 MiB, ≤ 0.64×"),
                     failed == 0 && above <= 128 * kMiB && ratio <= 0.64};
}

ReportRow loadRow(const QString& binary, const QString& cert, const QString& key, const QByteArray& ca,
                  const QString& workDir)
{
    constexpr int total = 6400;
    constexpr int connections = 64;
    QList<QByteArray> files;
    for (int i = 0; i < connections; ++i) {
        const QString path = QStringLiteral("%1/small-%2.jpg").arg(workDir).arg(i);
        if (!SyntheticImage::writeJpeg(path, 50 * 1024, quint32(100 + i)))
            qFatal("cannot write %s", qPrintable(path));
        files << QFile::encodeName(path);
    }
    const auto run = [&](int inFlight, const char* store, int* failed) {
        Service service(binary, cert, key, workDir + QLatin1Char('/') + QLatin1String(store));
        QElapsedTimer timer;
        timer.start();
        *failed = uploadAll(service, ca, files, total, inFlight);
        return Measure::elapsedMs(timer) / 1000.0;
    };
    int failedAtOnce = 0;
    int failedInTurn = 0;
    const double atOnce = run(connections, "store-load", &failedAtOnce);
    const double inTurn = run(1, "store-one", &failedInTurn);
    return ReportRow{
        QStringLiteral("Service load, %1 connections").arg(connections),
        QStringLiteral("%1 uploads/s, %2 of %3 failed").arg(total / atOnce, 0, 'f', 0).arg(failedAtOnce).arg(total),
        QStringLiteral("one connection %1 uploads/s, %2 failed").arg(total / inTurn, 0, 'f', 0).arg(failedInTurn),
        ReportRow::times(inTurn / atOnce),
        QStringLiteral("0 failed"),
        failedAtOnce == 0 && failedInTurn == 0};
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("workdir"), QStringLiteral("Folder for images and the stores."));
    const QCommandLineOption binary(QStringLiteral("service"), QStringLiteral("tovalin-local-service binary."),
                                    QStringLiteral("file"));
    const QCommandLineOption cert(QStringLiteral("cert"), QStringLiteral("Server certificate (PEM)."),
                                  QStringLiteral("file"));
    const QCommandLineOption key(QStringLiteral("key"), QStringLiteral("Server key (PEM)."), QStringLiteral("file"));
    const QCommandLineOption ca(QStringLiteral("ca"), QStringLiteral("CA certificate of the server (PEM)."),
                                QStringLiteral("file"));
    const QCommandLineOption only(QStringLiteral("only"), QStringLiteral("One figure: memory or load."),
                                  QStringLiteral("name"));
    parser.addOptions({binary, cert, key, ca, only});
    parser.addHelpOption();
    parser.process(app);
    if (parser.positionalArguments().size() != 1 || !parser.isSet(binary) || !parser.isSet(cert) ||
        !parser.isSet(key) || !parser.isSet(ca))
        parser.showHelp(2);
    const QString workDir = QDir(parser.positionalArguments().constFirst()).absolutePath();
    const QByteArray caFile = QFile::encodeName(QDir().absoluteFilePath(parser.value(ca)));
    curl_global_init(CURL_GLOBAL_DEFAULT);
    if (!parser.isSet(only) || parser.value(only) == QLatin1String("memory"))
        memoryRow(parser.value(binary), parser.value(cert), parser.value(key), caFile, workDir).print();
    if (!parser.isSet(only) || parser.value(only) == QLatin1String("load"))
        loadRow(parser.value(binary), parser.value(cert), parser.value(key), caFile, workDir).print();
    curl_global_cleanup();
    return 0;
}
