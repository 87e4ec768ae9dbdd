// The program at home on the desktop:
//  - a second launch of the window with 20 files, from its spawn until the running window has queued
//    them all, against the same program only printing its version (its start alone);
//  - tovalin-optimize --watch against the local service in passthrough mode: from the close of a new
//    image's last write until its outcome is printed, the half second it must stay unchanged included;
//  - the processor time of a watch over 10,000 idle folders once its first look at them is over, and how
//    long it took to start watching them.
//
//   tovalin-bench-desktop --window PATH --optimize PATH --url https://localhost:PORT --ca CA.pem
//                         --api-key KEY WORKDIR
//
// The running window is this process: the program's own SingleInstance, view model and window,
// offscreen, on a private session bus of its own (dbus-daemon).

#include "app/LaunchArguments.h"
#include "app/SingleInstance.h"
#include "bench/Measure.h"
#include "bench/ReportRow.h"
#include "bench/SyntheticImage.h"
#include "queue/AppViewModel.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDBusConnection>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTimer>

#include <csignal>
#include <unistd.h>

namespace {

constexpr int handOverRuns = 11;
constexpr int watchRuns = 10;
constexpr int idleSeconds = 10;

// Runs the event loop until `done` holds or `timeoutMs` have passed; false on the timeout.
bool waitFor(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) {
            return false;
        }
        QEventLoop loop;
        QTimer::singleShot(1, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

// A private session bus for the hand-over; ended with the object.
class PrivateBus
{
public:
    PrivateBus()
    {
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                        QStringLiteral("--print-address")});
        if (!m_daemon.waitForStarted() || !m_daemon.waitForReadyRead(10'000)) {
            qFatal("dbus-daemon did not start");
        }
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }
    QString address() const { return m_address; }

private:
    QProcess m_daemon;
    QString m_address;
};

void handOver(const QString& window, const QString& work)
{
    PrivateBus bus;
    QDBusConnection connection = QDBusConnection::connectToBus(bus.address(), QStringLiteral("bench"));
    SingleInstance instance(connection);
    if (instance.start({}) != SingleInstance::Role::first) {
        qFatal("the bench could not take the program's name on its bus");
    }
    AppViewModel model(std::make_shared<SettingsStore>(work + QStringLiteral("/settings.ini")), {});
    MainWindow shown(&model);
    QObject::connect(instance.service(), &ApplicationService::openRequested, &model,
                     [&](const QStringList& uris) { model.addFiles(LaunchArguments::queueItems(uris)); });
    shown.show();

    QStringList files;
    for (int i = 0; i < 20; ++i) {
        files.append(QStringLiteral("%1/photo-%2.jpg").arg(work).arg(i, 2, 10, QLatin1Char('0')));
        QFile file(files.last());
        if (!file.open(QIODevice::WriteOnly) || file.write("jpeg") != 4) {
            qFatal("cannot write the files");
        }
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    const auto launch = [&](const QStringList& arguments, const std::function<bool()>& done) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer clock;
        clock.start();
        process.start(window, arguments);
        if (!waitFor([&] { return done ? done() : process.state() == QProcess::NotRunning; }, 30'000)) {
            qFatal("the launch did not end");
        }
        const double ms = Measure::elapsedMs(clock);
        process.waitForFinished();
        return ms;
    };
    QList<double> handOvers;
    QList<double> starts;
    for (int run = 0; run < handOverRuns; ++run) {
        model.clearQueueExceptRunning();
        const double ms = launch(files, [&] { return model.jobs().size() == files.size(); });
        const double start = launch({QStringLiteral("--version")}, {});
        // The first of each warms the page cache.
        if (run > 0) {
            handOvers.append(ms);
            starts.append(start);
        }
    }
    const double handOver = Measure::median(handOvers);
    const double start = Measure::median(starts);
    ReportRow{QStringLiteral("Hand-over to the running window: 20 files, launch to queued (median of %1)")
                  .arg(handOvers.size()),
              ReportRow::ms(handOver),
              QStringLiteral("--version %1").arg(ReportRow::ms(start)),
              ReportRow::times(handOver / start),
              QStringLiteral("≤ 300 ms"),
              handOver <= 300}
        .print();
}

qint64 processorTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray line = stat.readAll();
    // After the command's name in parentheses: state is field 3, utime 14 and stime 15.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.value(11).toLongLong() + fields.value(12).toLongLong();
}

struct Watcher
{
    QProcess process;
    QByteArray err;
    QByteArray out;

    void start(const QString& optimize, const QStringList& service, const QString& apiKey, const QString& folder,
               const QStringList& extra)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TOVALIN_API_KEY"), apiKey);
        process.setProcessEnvironment(environment);
        process.start(optimize, service + extra + QStringList{QStringLiteral("--watch"), folder});
        if (!waitFor(
                [&] {
                    err += process.readAllStandardError();
                    return err.contains("watching") || process.state() == QProcess::NotRunning;
                },
                120'000) ||
            !err.contains("watching")) {
            qFatal("the watch did not start: %s", err.constData());
        }
    }
    void stop()
    {
        ::kill(pid_t(process.processId()), SIGTERM);
        process.waitForFinished(30'000);
    }
};

void watch(const QString& optimize, const QStringList& service, const QString& apiKey, const QString& work)
{
    const QString folder = work + QStringLiteral("/incoming");
    QDir().mkpath(folder);
    Watcher watcher;
    watcher.start(optimize, service, apiKey, folder, {QStringLiteral("--json")});
    QList<double> times;
    for (int i = 0; i < watchRuns; ++i) {
        const QString image = QStringLiteral("%1/new-%2.jpg").arg(folder).arg(i);
        if (!SyntheticImage::writeJpeg(image, 50 * 1024, quint32(i + 1))) {
            qFatal("cannot write an image");
        }
        QElapsedTimer clock;
        clock.start();
        const bool printed = waitFor(
            [&] {
                watcher.out += watcher.process.readAllStandardOutput();
                for (const QByteArray& line : watcher.out.split('\n')) {
                    const QJsonObject job = QJsonDocument::fromJson(line).object();
                    if (job.value(QStringLiteral("file")).toString() == image) {
                        return true;
                    }
                }
                return false;
            },
            60'000);
        if (!printed) {
            qFatal("no outcome for %s", qPrintable(image));
        }
        times.append(Measure::elapsedMs(clock));
    }
    watcher.stop();
    const bool allDone = watcher.out.count("\"state\":\"done\"") == watchRuns;
    const double median = Measure::median(times);
    ReportRow{QStringLiteral("Watch, time to result: last write to outcome, 50 KiB, passthrough (median of %1)")
                  .arg(times.size()),
              ReportRow::ms(median) + (allDone ? QString() : QStringLiteral(" (not all done)")),
              QStringLiteral("settling 500 ms"),
              QStringLiteral("–"),
              QStringLiteral("≤ 2000 ms"),
              allDone && median <= 2000}
        .print();
}

void idle(const QString& optimize, const QStringList& service, const QString& apiKey, const QString& work)
{
    const QString root = work + QStringLiteral("/idle");
    for (int i = 0; i < 10'000; ++i) {
        QDir().mkpath(QStringLiteral("%1/d%2/d%3/d%4").arg(root).arg(i / 1000).arg(i / 100 % 10).arg(i % 100));
    }
    Watcher watcher;
    QElapsedTimer setup;
    setup.start();
    watcher.start(optimize, service, apiKey, root, {});
    const double setupMs = Measure::elapsedMs(setup);
    // Its first look at the folders (nothing there is due) is over well within the first seconds.
    QElapsedTimer first;
    first.start();
    waitFor([&] { return first.elapsed() >= 3000; }, 4000);
    const qint64 before = processorTicks(watcher.process.processId());
    QElapsedTimer clock;
    clock.start();
    waitFor([&] { return clock.elapsed() >= idleSeconds * 1000; }, idleSeconds * 1000 + 1000);
    const qint64 after = processorTicks(watcher.process.processId());
    const double seconds = Measure::elapsedMs(clock) / 1000;
    watcher.stop();
    const double share = double(after - before) / double(sysconf(_SC_CLK_TCK)) / seconds * 100;
    const bool watchedAll = watcher.err.contains("watching 10111 folder");
    ReportRow{QStringLiteral("Idle watch of 10,000 folders: processor time over %1 s").arg(idleSeconds),
              QStringLiteral("%1 % of a core (%2 to start watching%3)")
                  .arg(share, 0, 'f', 2)
                  .arg(ReportRow::ms(setupMs), watchedAll ? QString() : QStringLiteral(", not all watched")),
              QStringLiteral("–"),
              QStringLiteral("–"),
              QStringLiteral("≤ 1 %"),
              watchedAll && share <= 1}
        .print();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption window(QStringLiteral("window"), QStringLiteral("tovalin-image-optimizer"),
                                    QStringLiteral("path"));
    const QCommandLineOption optimize(QStringLiteral("optimize"), QStringLiteral("tovalin-optimize"),
                                      QStringLiteral("path"));
    const QCommandLineOption url(QStringLiteral("url"), QStringLiteral("service"), QStringLiteral("url"));
    const QCommandLineOption ca(QStringLiteral("ca"), QStringLiteral("its CA"), QStringLiteral("file"));
    const QCommandLineOption key(QStringLiteral("api-key"), QStringLiteral("its key"), QStringLiteral("key"));
    parser.addOptions({window, optimize, url, ca, key});
    parser.addPositionalArgument(QStringLiteral("WORKDIR"), QStringLiteral("scratch folder"));
    parser.process(app);
    if (parser.positionalArguments().size() != 1 || !parser.isSet(window) || !parser.isSet(optimize) ||
        !parser.isSet(url) || !parser.isSet(ca) || !parser.isSet(key)) {
        parser.showHelp(2);
    }
    const QString work = QDir(parser.positionalArguments().constFirst()).absolutePath();
    const QStringList service{QStringLiteral("--service-url"), parser.value(url), QStringLiteral("--ca-file"),
                              parser.value(ca)};
    QDir().mkpath(work + QStringLiteral("/window"));
    handOver(parser.value(window), work + QStringLiteral("/window"));
    watch(parser.value(optimize), service, parser.value(key), work);
    idle(parser.value(optimize), service, parser.value(key), work);
    return 0;
}
