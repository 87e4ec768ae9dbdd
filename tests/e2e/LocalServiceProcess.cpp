#include "tests/e2e/LocalServiceProcess.h"

#include <QTcpServer>
#include <QTest>

namespace {

QString certificateFile(const char* name)
{
    return QStringLiteral(TOVALIN_SERVICE_TEST_CERTS "/") + QLatin1String(name);
}

} // namespace

LocalServiceProcess::~LocalServiceProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate(); // SIGTERM: the service removes its temporary store
        if (!m_process.waitForFinished(15'000))
            m_process.kill();
        m_process.waitForFinished(5'000);
    }
}

QSslCertificate LocalServiceProcess::authority()
{
    const QList<QSslCertificate> certificates = QSslCertificate::fromPath(certificateFile("ca.pem"));
    return certificates.isEmpty() ? QSslCertificate() : certificates.first();
}

QString LocalServiceProcess::start(const QString& apiKey, const QStringList& extraArguments)
{
    if (authority().isNull())
        return QStringLiteral("the test certificate authority cannot be read");
    {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0))
            return QStringLiteral("no free port");
        m_port = probe.serverPort();
    }
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(QStringLiteral(TOVALIN_LOCAL_SERVICE_PATH),
                    QStringList{QStringLiteral("--cert"), certificateFile("server.pem"), QStringLiteral("--key"),
                                certificateFile("server.key"), QStringLiteral("--port"), QString::number(m_port),
                                QStringLiteral("--api-key"), apiKey} +
                        extraArguments);
    if (!m_process.waitForStarted(10'000))
        return QStringLiteral("the service did not start: ") + m_process.errorString();
    const bool listening = QTest::qWaitFor(
        [this] { return log().contains(QLatin1String("listening on")) || m_process.state() == QProcess::NotRunning; },
        30'000);
    if (!listening || m_process.state() == QProcess::NotRunning)
        return QStringLiteral("the service is not listening: ") + log();
    return {};
}

QUrl LocalServiceProcess::baseUrl() const
{
    return QUrl(QStringLiteral("https://localhost:%1").arg(m_port));
}

QString LocalServiceProcess::log()
{
    m_log += QString::fromUtf8(m_process.readAll());
    return m_log;
}
