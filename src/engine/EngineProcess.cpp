#include "engine/EngineProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcessEnvironment>
#include <QRandomGenerator>

#include <array>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

constexpr qsizetype maxReadyLine = 64 * 1024;
constexpr qsizetype keptErrors = 2048;
constexpr int endGraceMs = 3000;

QString randomKey()
{
    std::array<quint32, 8> words{};
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(words.data()), sizeof words).toHex());
}

QString lastLine(const QByteArray& text)
{
    const QList<QByteArray> lines = text.trimmed().split('\n');
    return lines.isEmpty() ? QString() : QString::fromUtf8(lines.constLast()).trimmed();
}

} // namespace

EngineProcess::EngineProcess(const QString& program, const QStringList& arguments, QObject* parent)
    : QObject(parent)
    , m_folder(QDir::tempPath() + QStringLiteral("/tovalin-engine-XXXXXX"))
    , m_program(program)
    , m_arguments(arguments)
    , m_apiKey(randomKey())
{
    m_startTimeout.setSingleShot(true);
    m_startTimeout.setInterval(startTimeoutMs);
    connect(&m_startTimeout, &QTimer::timeout, this, [this] {
        end(tr("no answer within %1 seconds.").arg(startTimeoutMs / 1000));
        m_process.kill();
    });
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &EngineProcess::readOutput);
    connect(&m_process, &QProcess::readyReadStandardError, this, &EngineProcess::readErrors);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            end(m_process.errorString());
        }
    });
    connect(&m_process, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        readErrors();
        const QString said = lastLine(m_errors);
        if (!said.isEmpty()) {
            end(said);
        } else if (status == QProcess::CrashExit) {
            end(tr("it ended unexpectedly."));
        } else {
            end(tr("it ended with status %1.").arg(code));
        }
    });
}

EngineProcess::~EngineProcess()
{
    m_process.disconnect(this);
    if (m_process.state() != QProcess::NotRunning) {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(endGraceMs)) {
            m_process.kill();
            m_process.waitForFinished(endGraceMs);
        }
    }
}

void EngineProcess::start()
{
    if (!m_folder.isValid()) {
        end(m_folder.errorString());
        return;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The engine needs no key of the user's, and keeps its files in the folder made for it.
    environment.remove(QStringLiteral("TOVALIN_API_KEY"));
    environment.insert(QStringLiteral("TMPDIR"), m_folder.path());
    m_process.setProcessEnvironment(environment);
    const pid_t parent = ::getpid();
    // In the child, before the engine runs: it is sent SIGTERM when the thread that started it ends,
    // that is when this process ends, even by SIGKILL. A parent gone already is not waited for. A group
    // of its own keeps the terminal's Ctrl-C for the program, which stops its run and then the engine.
    m_process.setChildProcessModifier([parent] {
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent) {
            ::_exit(1);
        }
    });
    m_process.setProgram(m_program);
    m_process.setArguments(QStringList{QStringLiteral("--managed")} + m_arguments);
    m_startTimeout.start();
    m_process.start(QIODevice::ReadWrite);
    // Written once the child runs; the input stays open after it.
    m_process.write(m_apiKey.toLatin1() + '\n');
}

qint64 EngineProcess::processId() const
{
    return m_state == State::ended ? 0 : m_process.processId();
}

void EngineProcess::readOutput()
{
    const QByteArray more = m_process.readAllStandardOutput();
    if (m_state != State::starting) {
        return;
    }
    m_output += more;
    const qsizetype end = m_output.indexOf('\n');
    if (end < 0) {
        if (m_output.size() > maxReadyLine) {
            this->end(tr("it did not say where it listens."));
            m_process.kill();
        }
        return;
    }
    const QByteArray line = m_output.left(end);
    m_output.clear();
    if (!takeReadyLine(line)) {
        this->end(tr("it did not say where it listens."));
        m_process.kill();
        return;
    }
    m_startTimeout.stop();
    m_state = State::ready;
    Q_EMIT ready();
}

// "ready PORT CERTIFICATE", the certificate in DER, base64.
bool EngineProcess::takeReadyLine(const QByteArray& line)
{
    const QList<QByteArray> words = line.trimmed().split(' ');
    if (words.size() != 3 || words.at(0) != "ready") {
        return false;
    }
    bool ok = false;
    const uint port = words.at(1).toUInt(&ok);
    if (!ok || port == 0 || port > 65535) {
        return false;
    }
    const QByteArray der = QByteArray::fromBase64(words.at(2), QByteArray::AbortOnBase64DecodingErrors);
    const QSslCertificate certificate(der, QSsl::Der);
    if (der.isEmpty() || certificate.isNull()) {
        return false;
    }
    m_port = quint16(port);
    m_certificate = certificate;
    return true;
}

void EngineProcess::readErrors()
{
    m_errors += m_process.readAllStandardError();
    if (m_errors.size() > keptErrors) {
        m_errors = m_errors.right(keptErrors);
    }
}

void EngineProcess::end(const QString& failure)
{
    if (m_state == State::ended) {
        return;
    }
    m_startTimeout.stop();
    m_state = State::ended;
    m_failure = failure;
    Q_EMIT ended();
}
