#pragma once

// Helpers for driving client coroutines from QtTest: run a task to its end in the test's event loop
// and look at its outcome, and read back the multipart body the test server received.

#include "Error.h"
#include "RecordedRequest.h"

#include <QBuffer>
#include <QByteArray>
#include <QEventLoop>
#include <QImage>
#include <QList>
#include <QTest>
#include <QTimer>
#include <qcoro/qcorotask.h>

#include <exception>
#include <optional>
#include <typeinfo>

template <typename T>
struct TaskOutcome
{
    bool done = false;
    std::optional<T> value;
    std::exception_ptr error;
    QEventLoop* waiting = nullptr;
};

template <typename T>
QCoro::Task<> captureOutcome(QCoro::Task<T> task, TaskOutcome<T>* outcome)
{
    try {
        outcome->value = co_await std::move(task);
    } catch (...) {
        outcome->error = std::current_exception();
    }
    outcome->done = true;
    if (outcome->waiting) {
        outcome->waiting->quit();
    }
}

// Starts a task at once and keeps its outcome; wait() spins the event loop until it ends.
template <typename T>
class RunningTask
{
public:
    explicit RunningTask(QCoro::Task<T> task)
        : m_runner(captureOutcome(std::move(task), &m_outcome))
    {
    }
    RunningTask(const RunningTask&) = delete;
    RunningTask& operator=(const RunningTask&) = delete;

    // Event-driven: QTest::qWaitFor would sleep between rounds, and every TLS round trip between the
    // client and the server in this same thread would pay for it.
    bool wait(int milliseconds = 30000)
    {
        if (!m_outcome.done) {
            QEventLoop loop;
            QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
            m_outcome.waiting = &loop;
            loop.exec();
            m_outcome.waiting = nullptr;
        }
        return m_outcome.done;
    }
    bool isDone() const { return m_outcome.done; }
    bool succeeded() const { return m_outcome.done && !m_outcome.error; }
    const T& value() const { return *m_outcome.value; }

    // The description of the Error the task ended with; a marker text for anything else.
    QString errorText() const
    {
        if (!m_outcome.error) {
            return QStringLiteral("(no error)");
        }
        try {
            std::rethrow_exception(m_outcome.error);
        } catch (const Error& e) {
            return e.description();
        } catch (const std::exception& e) {
            return QStringLiteral("(foreign exception) ") + QString::fromUtf8(e.what());
        } catch (...) {
            return QStringLiteral("(unknown exception)");
        }
    }

    template <typename E>
    std::optional<E> errorAs() const
    {
        if (!m_outcome.error) {
            return std::nullopt;
        }
        try {
            std::rethrow_exception(m_outcome.error);
        } catch (const E& e) {
            return e;
        } catch (...) {
            return std::nullopt;
        }
    }

    bool isCancellation() const
    {
        try {
            std::rethrow_exception(m_outcome.error);
        } catch (const Error& e) {
            return e.isCancellation();
        } catch (...) {
            return false;
        }
    }

private:
    TaskOutcome<T> m_outcome;
    QCoro::Task<> m_runner;
};

struct FormPart
{
    QByteArray name;
    std::optional<QByteArray> filename;
    QByteArray contentType;
    QByteArray content;
};

// Splits a multipart/form-data body at the boundary named in its Content-Type header. Nothing is
// returned when the body does not have the exact shape the client must send.
inline std::optional<QList<FormPart>> parseMultipart(const RecordedRequest& request)
{
    const QByteArray type = request.header("Content-Type");
    const QByteArray prefix = "multipart/form-data; boundary=";
    if (!type.startsWith(prefix)) {
        return std::nullopt;
    }
    const QByteArray delimiter = "--" + type.mid(prefix.size());
    const QByteArray& body = request.body;
    if (!body.startsWith(delimiter + "\r\n") || !body.endsWith("\r\n" + delimiter + "--\r\n")) {
        return std::nullopt;
    }
    QList<FormPart> parts;
    qsizetype pos = delimiter.size() + 2;
    while (true) {
        const qsizetype next = body.indexOf("\r\n" + delimiter, pos);
        if (next < 0) {
            return std::nullopt;
        }
        const QByteArray part = body.mid(pos, next - pos);
        const qsizetype headerEnd = part.indexOf("\r\n\r\n");
        if (headerEnd < 0) {
            return std::nullopt;
        }
        FormPart parsed;
        for (const QByteArray& line : part.left(headerEnd).split('\n')) {
            const QByteArray header = line.trimmed();
            if (header.startsWith("Content-Disposition: form-data; name=\"")) {
                QByteArray rest = header.mid(38);
                const qsizetype fileAt = rest.indexOf("\"; filename=\"");
                if (fileAt >= 0) {
                    parsed.filename = rest.mid(fileAt + 13).chopped(1);
                    rest = rest.left(fileAt + 1);
                }
                parsed.name = rest.chopped(1);
            } else if (header.startsWith("Content-Type: ")) {
                parsed.contentType = header.mid(14);
            } else {
                return std::nullopt;
            }
        }
        parsed.content = part.mid(headerEnd + 4);
        parts.append(parsed);
        pos = next + 2 + delimiter.size();
        if (body.mid(pos, 4) == "--\r\n" && pos + 4 == body.size()) {
            return parts;
        }
        if (body.mid(pos, 2) != "\r\n") {
            return std::nullopt;
        }
        pos += 2;
    }
}

// A real image, encoded by Qt's own codec.
inline QByteArray encodedImage(const char* format, int width = 48, int height = 32, QRgb color = 0xff3366cc)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    for (int y = 0; y < height; ++y) {
        image.setPixel(y % width, y, 0xffffffff);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format)) {
        qFatal("cannot encode a %s test image", format);
    }
    return bytes;
}
