#include "LocalServiceProcess.h"

#include <QFile>
#include <QTcpServer>
#include <QTest>

namespace {

QString runOpenssl(const QString& folder, const QStringList& arguments)
{
    QProcess openssl;
    openssl.setWorkingDirectory(folder);
    openssl.start(QStringLiteral("openssl"), arguments);
    if (!openssl.waitForFinished(30'000) || openssl.exitStatus() != QProcess::NormalExit || openssl.exitCode() != 0)
        return QStringLiteral("openssl %1 failed: %2")
            .arg(arguments.first(), QString::fromLocal8Bit(openssl.readAllStandardError()));
    return {};
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

QString LocalServiceProcess::makeCertificates()
{
    QFile ext(m_dir.filePath(QStringLiteral("server.ext")));
    if (!ext.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write server.ext");
    ext.write("basicConstraints=CA:FALSE\nextendedKeyUsage=serverAuth\nsubjectAltName=DNS:localhost,IP:127.0.0.1\n");
    ext.close();
    for (const char* step :
         {"ecparam -name prime256v1 -genkey -noout -out ca.key",
          "req -x509 -new -key ca.key -days 2 -subj /CN=End-to-end-test-CA -addext "
          "basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign -out ca.pem",
          "ecparam -name prime256v1 -genkey -noout -out server.key",
          "req -new -key server.key -subj /CN=localhost -out server.csr",
          "x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 -extfile server.ext -out "
          "server.pem"}) {
        const QString error = runOpenssl(m_dir.path(), QString::fromLatin1(step).split(QLatin1Char(' ')));
        if (!error.isEmpty())
            return error;
    }
    QFile ca(m_dir.filePath(QStringLiteral("ca.pem")));
    if (!ca.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read ca.pem");
    m_authority = QSslCertificate(ca.readAll(), QSsl::Pem);
    return m_authority.isNull() ? QStringLiteral("ca.pem is not a certificate") : QString();
}

QString LocalServiceProcess::start(const QString& apiKey, const QStringList& extraArguments)
{
    if (!m_dir.isValid())
        return QStringLiteral("no temporary folder");
    if (const QString error = makeCertificates(); !error.isEmpty())
        return error;
    {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0))
            return QStringLiteral("no free port");
        m_port = probe.serverPort();
    }
    QStringList arguments{QStringLiteral("--cert"),    m_dir.filePath(QStringLiteral("server.pem")),
                          QStringLiteral("--key"),     m_dir.filePath(QStringLiteral("server.key")),
                          QStringLiteral("--port"),    QString::number(m_port),
                          QStringLiteral("--api-key"), apiKey};
    arguments += extraArguments;
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(QStringLiteral(TOVALIN_LOCAL_SERVICE_PATH), arguments);
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
