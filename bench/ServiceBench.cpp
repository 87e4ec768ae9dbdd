// The local service under load and under abuse, each figure against a fresh service that this program
// starts itself, uploads sent with libcurl as the desktop client sends them:
//   - memory: 8 uploads of one 200 MiB image at once (passthrough); the service's peak resident memory
//     above its idle size, against the size of one upload;
//   - load: 6,400 uploads of 50 KiB images from 64 connections at once (passthrough), against the same
//     requests sent one at a time over one connection;
//   - decoding: one 100-megapixel PNG optimized for real, with a WebP companion and without, the peak
//     per pixel and against what the service's admission estimates it at; then three at once, the peak
//     against the service's memory budget, and a small image sent meanwhile;
//   - flood: keyed uploads while 512 connections that never start TLS are reopened as they are cut.
//
//   tovalin-bench-service --service BINARY --cert SERVER.pem --key SERVER.key --ca CA.pem WORKDIR

#include "bench/Measure.h"
#include "bench/ReportRow.h"
#include "bench/SyntheticImage.h"
#include "service/ImageAdmission.h"
#include "service/ImageProcessor.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QThread>

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <curl/curl.h>
#include <memory>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <vips/vips8>

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

// The service's resident size once it has settled, from which its peak is counted anew.
qint64 settleAndResetPeak(qint64 pid)
{
    QThread::msleep(500);
    const qint64 idle = statusField(pid, "VmRSS");
    QFile refs(QStringLiteral("/proc/%1/clear_refs").arg(pid));
    if (!refs.open(QIODevice::WriteOnly) || refs.write("5") != 1)
        qFatal("cannot reset the service's peak memory");
    return idle;
}

const QStringList& passthroughOptions()
{
    static const QStringList options{QStringLiteral("--passthrough"), QStringLiteral("--max-upload-mb"),
                                     QStringLiteral("300"), QStringLiteral("--store-quota-mb"), QStringLiteral("8192")};
    return options;
}

// The service binary on a free port of 127.0.0.1, with its store under the work folder.
class Service
{
public:
    // `options` come after the certificate, key, port and API key.
    Service(const QString& binary, const QString& cert, const QString& key, const QString& storeFolder,
            const QStringList& options)
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
        m_process.start(binary, QStringList{QStringLiteral("--cert"), cert, QStringLiteral("--key"), key,
                                            QStringLiteral("--port"), QString::number(m_port),
                                            QStringLiteral("--api-key"), QLatin1String(kKey)} +
                                    options);
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
    quint16 port() const { return m_port; }
    QByteArray uploadUrl() const
    {
        return QStringLiteral("https://localhost:%1/v2/post-reducer.php").arg(m_port).toUtf8();
    }
    QByteArray pollUrl() const { return QStringLiteral("https://localhost:%1/v2/reducer.php").arg(m_port).toUtf8(); }

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

// What every figure needs to start a service and talk to it.
struct Setup
{
    QString binary;
    QString cert;
    QString key;
    QByteArray ca;
    QString workDir;

    std::unique_ptr<Service> start(const char* store, const QStringList& options) const
    {
        return std::make_unique<Service>(binary, cert, key, workDir + QLatin1Char('/') + QLatin1String(store), options);
    }
};

ReportRow memoryRow(const Setup& setup)
{
    const QString& workDir = setup.workDir;
    const QByteArray& ca = setup.ca;
    constexpr qint64 size = 200 * kMiB;
    constexpr int uploads = 8;
    const QString image = workDir + QStringLiteral("/large.jpg");
    if (!SyntheticImage::writeJpeg(image, size, 7))
        qFatal("cannot write %s", qPrintable(image));
    const QString warmUp = workDir + QStringLiteral("/warm-up.jpg");
    SyntheticImage::writeJpeg(warmUp, 50 * 1024, 8);

    const std::unique_ptr<Service> started = setup.start("store-memory", passthroughOptions());
    const Service& service = *started;
    // What a first request sets up for good (TLS, the codec, the worker threads) is the idle service's.
    if (uploadAll(service, ca, {QFile::encodeName(warmUp)}, 4, 4) != 0)
        qFatal("the warm-up upload failed");
    const qint64 idle = settleAndResetPeak(service.pid());
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

ReportRow loadRow(const Setup& setup)
{
    const QString& workDir = setup.workDir;
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
        const std::unique_ptr<Service> service = setup.start(store, passthroughOptions());
        QElapsedTimer timer;
        timer.start();
        *failed = uploadAll(*service, setup.ca, files, total, inFlight);
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

// A picture of smooth gradients, saved as PNG: a few MiB on disk, `side` × `side` pixels to decode.
void writeGradientPng(const QString& path, int side)
{
    QImage image(side, side, QImage::Format_RGB888);
    for (int y = 0; y < side; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < side; ++x) {
            line[3 * x] = uchar(x * 255 / side);
            line[3 * x + 1] = uchar(y * 255 / side);
            line[3 * x + 2] = uchar((x + y) * 127 / side);
        }
    }
    if (!QImageWriter(path, "png").write(image))
        qFatal("cannot write %s", qPrintable(path));
}

// A blocking POST on a connection of its own; the answer's body, empty when the transfer failed.
QByteArray post(const QByteArray& url, const QByteArray& ca, curl_mime* form, const QByteArray& json)
{
    CURL* easy = curl_easy_init();
    QByteArray body;
    curl_easy_setopt(easy, CURLOPT_URL, url.constData());
    curl_easy_setopt(easy, CURLOPT_CAINFO, ca.constData());
    curl_easy_setopt(easy, CURLOPT_TIMEOUT, 120L);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &body);
    curl_easy_setopt(
        easy, CURLOPT_WRITEFUNCTION, +[](char* data, size_t size, size_t count, void* out) {
            static_cast<QByteArray*>(out)->append(data, qsizetype(size * count));
            return size * count;
        });
    curl_slist* headers = nullptr;
    if (form) {
        curl_easy_setopt(easy, CURLOPT_MIMEPOST, form);
    } else {
        headers = curl_slist_append(headers, "Content-Type: application/json");
        curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers);
        curl_easy_setopt(easy, CURLOPT_POSTFIELDS, json.constData());
    }
    const CURLcode result = curl_easy_perform(easy);
    curl_slist_free_all(headers);
    curl_easy_cleanup(easy);
    return result == CURLE_OK ? body : QByteArray();
}

// One image through the service with the desktop client's default options (Lossy, and a WebP
// companion unless `webp` is false), asking again until the answer is final, as a patient client
// would: its last status code (0 when a transfer failed) and how long it took. Blocking; safe on any
// thread.
struct Optimized
{
    int code = 0;
    double seconds = 0;
};

Optimized optimizeOne(const Service& service, const QByteArray& ca, const QByteArray& file, bool webp = true)
{
    QElapsedTimer timer;
    timer.start();
    CURL* mimeOwner = curl_easy_init();
    curl_mime* form = curl_mime_init(mimeOwner);
    for (const auto& [name, value] :
         {std::pair{"key", kKey}, std::pair{"plugin_version", "MAC01"}, std::pair{"lossy", "1"},
          std::pair{"wait", "30"}, std::pair{"convertto", webp ? "+webp" : ""}}) {
        if (!*value)
            continue;
        curl_mimepart* part = curl_mime_addpart(form);
        curl_mime_name(part, name);
        curl_mime_data(part, value, CURL_ZERO_TERMINATED);
    }
    curl_mimepart* part = curl_mime_addpart(form);
    curl_mime_name(part, "file1");
    curl_mime_filedata(part, file.constData());
    QJsonObject record = QJsonDocument::fromJson(post(service.uploadUrl(), ca, form, {})).array().first().toObject();
    curl_mime_free(form);
    curl_easy_cleanup(mimeOwner);
    const auto code = [&record] { return record[QStringLiteral("Status")][QStringLiteral("Code")].toInt(); };
    while (code() == 1) {
        QJsonObject poll{{QStringLiteral("key"), QLatin1String(kKey)},
                         {QStringLiteral("plugin_version"), QStringLiteral("MAC01")},
                         {QStringLiteral("lossy"), 1},
                         {QStringLiteral("wait"), 25},
                         {QStringLiteral("urllist"), QJsonArray{record[QStringLiteral("OriginalURL")]}}};
        if (webp)
            poll[QStringLiteral("convertto")] = QStringLiteral("+webp");
        record = QJsonDocument::fromJson(post(service.pollUrl(), ca, nullptr, QJsonDocument(poll).toJson()))
                     .array()
                     .first()
                     .toObject();
    }
    return {code(), Measure::elapsedMs(timer) / 1000.0};
}

constexpr int kLargeSide = 10'000;
constexpr qint64 kEngineBudgetMiB = 3072;

const QStringList& engineOptions()
{
    // Images wait for their share for as long as a patient client would: on a busy machine three take
    // longer than the default allows.
    static const QStringList options{QStringLiteral("--memory-budget-mb"), QString::number(kEngineBudgetMiB),
                                     QStringLiteral("--queue-timeout"),    QStringLiteral("1800"),
                                     QStringLiteral("--store-quota-mb"),   QStringLiteral("4096")};
    return options;
}

// The service's peak above idle while one 100-megapixel image is optimized, per pixel, against what
// the service's admission estimates it at: an estimate under the peak lets the budget be overrun, one
// far over it keeps images waiting for memory nobody uses.
QList<ReportRow> engineRows(const Setup& setup, const QByteArray& large, const QByteArray& small)
{
    QList<ReportRow> rows;
    for (const bool webp : {true, false}) {
        const std::unique_ptr<Service> service =
            setup.start(webp ? "store-engine" : "store-engine-plain", engineOptions());
        if (optimizeOne(*service, setup.ca, small, webp).code != 2)
            qFatal("the warm-up image failed");
        const qint64 idle = settleAndResetPeak(service->pid());
        const Optimized optimized = optimizeOne(*service, setup.ca, large, webp);
        const qint64 above = statusField(service->pid(), "VmHWM") - idle;
        const double perPixel = double(above) / (double(kLargeSide) * kLargeSide);
        OptimizeRequest request;
        request.webp = webp;
        const qint64 estimate = ImageAdmission::cost(ImageProcessor::readHeader(QFile::decodeName(large)), request, {});
        const double ratio = double(estimate) / double(above);
        rows << ReportRow{webp ? QStringLiteral("Engine memory, one 100-megapixel image")
                               : QStringLiteral("  the same without a WebP companion"),
                          QStringLiteral("%1 bytes per pixel (%2 MiB above idle, %3 s, code %4)")
                              .arg(perPixel, 0, 'f', 2)
                              .arg(double(above) / kMiB, 0, 'f', 0)
                              .arg(optimized.seconds, 0, 'f', 1)
                              .arg(optimized.code),
                          QStringLiteral("admission's estimate %1 MiB").arg(double(estimate) / kMiB, 0, 'f', 0),
                          ReportRow::times(ratio),
                          QStringLiteral("≤ 8 bytes per pixel, estimate 1–1.3×"),
                          optimized.code == 2 && perPixel <= 8 && ratio >= 1 && ratio <= 1.3};
    }
    return rows;
}

// Three 100-megapixel images at once, and a small one sent two seconds after them: the peak against
// the service's budget, and how long the small one took.
QList<ReportRow> engineTogetherRows(const Setup& setup, const QByteArray& large, const QByteArray& small)
{
    const std::unique_ptr<Service> service = setup.start("store-together", engineOptions());
    if (optimizeOne(*service, setup.ca, small).code != 2)
        qFatal("the warm-up image failed");
    const qint64 idle = settleAndResetPeak(service->pid());
    QElapsedTimer timer;
    timer.start();
    std::vector<Optimized> larges(3);
    std::vector<std::thread> threads;
    for (Optimized& optimized : larges)
        threads.emplace_back([&] { optimized = optimizeOne(*service, setup.ca, large); });
    QThread::msleep(2000);
    const Optimized smallOne = optimizeOne(*service, setup.ca, small);
    for (std::thread& thread : threads)
        thread.join();
    const double seconds = Measure::elapsedMs(timer) / 1000.0;
    const qint64 above = statusField(service->pid(), "VmHWM") - idle;
    const auto done = std::count_if(larges.cbegin(), larges.cend(), [](const Optimized& o) { return o.code == 2; });
    const qint64 budget = kEngineBudgetMiB * kMiB;
    return {ReportRow{QStringLiteral("Engine memory, three 100-megapixel images at once"),
                      QStringLiteral("%1 MiB above idle (%2 s, %3 of 3 done)")
                          .arg(double(above) / kMiB, 0, 'f', 0)
                          .arg(seconds, 0, 'f', 1)
                          .arg(done),
                      QStringLiteral("budget %1 MiB").arg(kEngineBudgetMiB),
                      ReportRow::times(double(above) / double(budget)), QStringLiteral("within the budget"),
                      done == 3 && above <= budget},
            ReportRow{QStringLiteral("  a small image sent while they are processed"),
                      QStringLiteral("%1 s (code %2)").arg(smallOne.seconds, 0, 'f', 2).arg(smallOne.code),
                      QStringLiteral("–"), QStringLiteral("–"), QStringLiteral("≤ 2 s"),
                      smallOne.code == 2 && smallOne.seconds <= 2}};
}

// Connections that never say a word, each opened again as soon as the service lets it go.
class Flood
{
public:
    Flood(quint16 port, int connections)
        : m_thread([this, port, connections] { run(port, connections); })
    {
    }
    ~Flood()
    {
        m_stop = true;
        m_thread.join();
    }

    qint64 reopened() const { return m_reopened; }

private:
    void run(quint16 port, int connections)
    {
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const auto open = [&address](pollfd& socket) {
            socket.fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            ::connect(socket.fd, reinterpret_cast<const sockaddr*>(&address), sizeof address); // in progress
            socket.events = POLLIN; // nothing ever comes but the end
        };
        std::vector<pollfd> sockets(std::size_t(connections), pollfd{-1, 0, 0});
        for (pollfd& socket : sockets)
            open(socket);
        while (!m_stop) {
            if (::poll(sockets.data(), sockets.size(), 100) <= 0)
                continue;
            for (pollfd& socket : sockets) {
                if (socket.revents == 0)
                    continue;
                ::close(socket.fd);
                ++m_reopened;
                open(socket);
            }
        }
        for (const pollfd& socket : sockets)
            ::close(socket.fd);
    }

    std::atomic<bool> m_stop{false};
    std::atomic<qint64> m_reopened{0};
    std::thread m_thread;
};

// Keyed uploads, each on a connection of its own and one every two seconds, while 512 connections that
// never start TLS are held open and reopened as they are cut.
ReportRow floodRow(const Setup& setup)
{
    constexpr int idle = 512;
    constexpr int uploads = 15;
    const QString file = setup.workDir + QStringLiteral("/flood.jpg");
    if (!SyntheticImage::writeJpeg(file, 50 * 1024, 9))
        qFatal("cannot write %s", qPrintable(file));
    const std::unique_ptr<Service> service = setup.start("store-flood", passthroughOptions());
    Upload upload(service->uploadUrl(), setup.ca);
    curl_easy_setopt(upload.easy(), CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(upload.easy(), CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(upload.easy(), CURLOPT_TIMEOUT, 10L);
    int served = 0;
    qint64 reopened = 0;
    {
        Flood flood(service->port(), idle);
        QThread::msleep(2000);
        for (int i = 0; i < uploads; ++i) {
            QElapsedTimer timer;
            timer.start();
            upload.prepare(QFile::encodeName(file));
            if (upload.succeeded(curl_easy_perform(upload.easy())))
                ++served;
            QThread::msleep(quint64(std::max<qint64>(0, 2000 - timer.elapsed())));
        }
        reopened = flood.reopened();
    }
    return ReportRow{QStringLiteral("Flood, %1 idle connections").arg(idle),
                     QStringLiteral("%1 of %2 keyed uploads served (%3 connections cut and reopened)")
                         .arg(served)
                         .arg(uploads)
                         .arg(reopened),
                     QStringLiteral("–"),
                     QStringLiteral("–"),
                     QStringLiteral("≥ 14 of %1").arg(uploads),
                     served >= 14};
}

} // namespace

int main(int argc, char* argv[])
{
    if (VIPS_INIT(argv[0]) != 0) // for the headers the admission estimates from
        qFatal("libvips could not start");
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
    const QCommandLineOption only(QStringLiteral("only"),
                                  QStringLiteral("Some figures: memory, load, decoding or flood (repeatable)."),
                                  QStringLiteral("name"));
    parser.addOptions({binary, cert, key, ca, only});
    parser.addHelpOption();
    parser.process(app);
    if (parser.positionalArguments().size() != 1 || !parser.isSet(binary) || !parser.isSet(cert) ||
        !parser.isSet(key) || !parser.isSet(ca))
        parser.showHelp(2);
    const Setup setup{parser.value(binary), parser.value(cert), parser.value(key),
                      QFile::encodeName(QDir().absoluteFilePath(parser.value(ca))),
                      QDir(parser.positionalArguments().constFirst()).absolutePath()};
    const QStringList chosen = parser.values(only);
    const auto wanted = [&chosen](const char* name) {
        return chosen.isEmpty() || chosen.contains(QLatin1String(name));
    };
    curl_global_init(CURL_GLOBAL_DEFAULT);
    if (wanted("memory"))
        memoryRow(setup).print();
    if (wanted("load"))
        loadRow(setup).print();
    if (wanted("decoding")) {
        const QString large = setup.workDir + QStringLiteral("/gradient-100mp.png");
        const QString small = setup.workDir + QStringLiteral("/gradient-small.png");
        writeGradientPng(large, kLargeSide);
        writeGradientPng(small, 24);
        for (const ReportRow& row : engineRows(setup, QFile::encodeName(large), QFile::encodeName(small)))
            row.print();
        for (const ReportRow& row : engineTogetherRows(setup, QFile::encodeName(large), QFile::encodeName(small)))
            row.print();
    }
    if (wanted("flood"))
        floodRow(setup).print();
    curl_global_cleanup();
    return 0;
}
