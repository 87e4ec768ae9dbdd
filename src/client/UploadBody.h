#pragma once

// A request body that cannot be rewound once any of it went out. Qt's HTTP layer quietly sends a
// request again (up to three times) when the connection closes before an answer and the body can be
// read a second time; an upload carries the API key and possibly a very large image, and the service
// must see it at most once. Before the first byte is read, a rewind changes nothing and is allowed,
// so a request that never left (a stale kept-alive connection) still goes out on a fresh one. Reads
// hand out slices of one shared buffer, which is never copied as a whole.

#include <QByteArray>
#include <QIODevice>

class UploadBody : public QIODevice
{
    Q_OBJECT

public:
    explicit UploadBody(QByteArray data, QObject* parent = nullptr);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    bool reset() override;
    qint64 size() const override { return m_size; }
    // Lets go of the buffer once the transfer is over.
    void release() { m_data = QByteArray(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    QByteArray m_data;
    qint64 m_size;
    qint64 m_position = 0;
};
