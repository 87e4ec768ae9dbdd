#pragma once

// Drives client coroutines from QtTest: runs a task to its end in the test's event loop and keeps
// its outcome for the test to look at.

#include "client/Error.h"

#include <QBuffer>
#include <QEventLoop>
#include <QImage>
#include <QTimer>
#include <qcoro/qcorotask.h>

#include <optional>

// Starts a task at once and keeps its outcome; wait() spins the event loop until it ends.
template <typename T>
class RunningTask
{
public:
    explicit RunningTask(QCoro::Task<T> task)
        : m_runner(capture(std::move(task), this))
    {
    }
    RunningTask(const RunningTask&) = delete;
    RunningTask& operator=(const RunningTask&) = delete;

    // Event-driven: QTest::qWaitFor would sleep between rounds, and every TLS round trip between the
    // client and the server in this same thread would pay for it.
    bool wait(int milliseconds = 30000)
    {
        if (!m_done) {
            QEventLoop loop;
            QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
            m_waiting = &loop;
            loop.exec();
            m_waiting = nullptr;
        }
        return m_done;
    }
    bool isDone() const { return m_done; }
    bool succeeded() const { return m_value.has_value(); }
    const T& value() const { return *m_value; }

    // The description of the Error the task ended with; a marker text for anything else.
    QString errorText() const { return m_errorText; }
    bool isCancellation() const { return m_cancelled; }
    // What the task had saved before it failed.
    const QList<DownloadedFile>& written() const { return m_written; }

private:
    static QCoro::Task<> capture(QCoro::Task<T> task, RunningTask* self)
    {
        try {
            self->m_value = co_await std::move(task);
        } catch (const Error& e) {
            self->m_errorText = e.description();
            self->m_cancelled = e.isCancellation();
            self->m_written = e.written();
        } catch (...) {
            self->m_errorText = QStringLiteral("(not an Error)");
        }
        self->m_done = true;
        if (self->m_waiting) {
            self->m_waiting->quit();
        }
    }

    bool m_done = false;
    std::optional<T> m_value;
    QString m_errorText = QStringLiteral("(no error)");
    bool m_cancelled = false;
    QList<DownloadedFile> m_written;
    QEventLoop* m_waiting = nullptr;
    QCoro::Task<> m_runner; // last: the task starts at once and writes the members above
};

// A real JPEG image, encoded by Qt's own codec.
inline QByteArray encodedJpeg()
{
    QImage image(48, 32, QImage::Format_RGB32);
    image.fill(0xff3366cc);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPEG")) {
        qFatal("cannot encode a test image");
    }
    return bytes;
}
