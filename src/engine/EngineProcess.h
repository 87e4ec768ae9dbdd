#pragma once

// One start of the engine on this computer: the tovalin-local-service child process in its managed
// mode, the private temporary folder it keeps its files in, and what it told on its ready line (the
// port it picked and the certificate it made). The API key for this start is drawn here and handed
// over on the child's standard input, never on its command line; that input stays open as the child's
// lifeline. The child also gets SIGTERM from the kernel when this process dies, however it dies.
//
// Main thread only: the kernel ties that signal to the thread that started the child.

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QSslCertificate>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

class EngineProcess : public QObject
{
    Q_OBJECT

public:
    enum class State
    {
        starting,
        ready,
        ended,
    };

    // Longest a start may take before it is given up.
    static constexpr int startTimeoutMs = 30'000;

    EngineProcess(const QString& program, const QStringList& arguments, QObject* parent = nullptr);
    // Closes the child's input and waits a moment for it to end and clear its folder; a child that
    // does not is killed. The folder goes in any case.
    ~EngineProcess() override;

    // Starts the child and returns at once; ready() or ended() follows.
    void start();

    State state() const { return m_state; }
    quint16 port() const { return m_port; }
    QSslCertificate certificate() const { return m_certificate; }
    QString apiKey() const { return m_apiKey; }
    qint64 processId() const;
    QString folder() const { return m_folder.path(); }
    // Why the start failed or the child ended, in a few words: the child's last message or the system's.
    QString failure() const { return m_failure; }

Q_SIGNALS:
    void ready();
    // The child has ended, before or after it was ready.
    void ended();

private:
    void readOutput();
    void readErrors();
    void end(const QString& failure);
    bool takeReadyLine(const QByteArray& line);

    QTemporaryDir m_folder;
    QProcess m_process;
    QTimer m_startTimeout;
    QString m_program;
    QStringList m_arguments;
    QString m_apiKey;
    QByteArray m_output;
    QByteArray m_errors; // the end of what the child said on standard error
    State m_state = State::starting;
    quint16 m_port = 0;
    QSslCertificate m_certificate;
    QString m_failure;
};
