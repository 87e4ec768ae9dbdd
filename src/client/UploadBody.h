#pragma once

// A request body, handed to the transfer piece by piece as the connection takes it: text held in memory
// around either more bytes in memory or a file read from disk in chunks, so that an upload of any size
// costs no more memory than its text and one chunk.
//
// The file must stay as it was when the body was made. Should it change size, be replaced or be
// removed while it is sent, reading fails with a FileError and the request is aborted: the service
// would otherwise optimize something other than what the user sees on disk.
//
// Once any of it has been read, the body cannot be rewound: the transport must never send an upload,
// which carries the API key and possibly a very large image, a second time on its own. A request that
// is deliberately sent again (a redirect that keeps the body) starts the body over with restart().

#include <QByteArray>
#include <QString>

#include <exception>
#include <memory>
#include <sys/types.h>

class UploadBody
{
public:
    explicit UploadBody(QByteArray head, QByteArray content = {}, QByteArray tail = {});
    // `head`, then the file's content, then `tail`. Throws FileError when the file cannot be opened or
    // is not a regular file; opening never waits (a FIFO given as a source would wait for a writer).
    static std::shared_ptr<UploadBody> withFile(QByteArray head, const QString& path, QByteArray tail);
    ~UploadBody();

    UploadBody(const UploadBody&) = delete;
    UploadBody& operator=(const UploadBody&) = delete;

    qint64 size() const { return m_head.size() + m_contentSize + m_tail.size(); }
    // Copies the next bytes, at most `maxSize`, into `buffer`: how many, 0 at the end, or -1 once the
    // file could not be read as it was (failure() tells why).
    qint64 read(char* buffer, qint64 maxSize);
    // Back to the start, allowed only while nothing has been read.
    bool rewind() { return m_position == 0; }
    // Back to the start for a new request.
    void restart() { m_position = 0; }
    std::exception_ptr failure() const { return m_failure; }
    // The open file the content is read from, or -1 when the content is in memory.
    int fileDescriptor() const { return m_fd; }

private:
    UploadBody() = default;

    qint64 readFile(char* buffer, qint64 offset, qint64 maxSize);
    bool fail(std::exception_ptr failure);
    // After the last byte of the file: it has not grown, and it is still where it was.
    bool fileUnchanged();

    QByteArray m_head;
    QByteArray m_content; // when the content is in memory
    QByteArray m_tail;
    // When the content is read from disk.
    QString m_path;
    int m_fd = -1;
    qint64 m_contentSize = 0;
    dev_t m_device = 0;
    ino_t m_inode = 0;
    qint64 m_position = 0;
    std::exception_ptr m_failure;
};
