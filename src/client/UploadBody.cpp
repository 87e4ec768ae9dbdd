#include "client/UploadBody.h"

#include "client/FileError.h"
#include "model/FileNames.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

UploadBody::UploadBody(QByteArray head, QByteArray content, QByteArray tail)
    : m_head(std::move(head))
    , m_content(std::move(content))
    , m_tail(std::move(tail))
    , m_contentSize(m_content.size())
{
}

std::shared_ptr<UploadBody> UploadBody::withFile(QByteArray head, const QString& path, QByteArray tail)
{
    std::shared_ptr<UploadBody> body(new UploadBody);
    body->m_head = std::move(head);
    body->m_tail = std::move(tail);
    body->m_path = path;
    // Without waiting: opening a FIFO for reading would block until something writes to it. Reads of
    // a regular file never wait on the flag, so it can stay.
    body->m_fd = open(FileNames::encode(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (body->m_fd < 0) {
        throw FileError(path, QString::fromLocal8Bit(std::strerror(errno)));
    }
    struct stat info
    {
    };
    if (fstat(body->m_fd, &info) != 0) {
        throw FileError(path, QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (!S_ISREG(info.st_mode)) {
        throw FileError::notRegular(path);
    }
    body->m_contentSize = info.st_size;
    body->m_device = info.st_dev;
    body->m_inode = info.st_ino;
    return body;
}

UploadBody::~UploadBody()
{
    if (m_fd >= 0) {
        close(m_fd);
    }
}

qint64 UploadBody::read(char* buffer, qint64 maxSize)
{
    if (m_failure) {
        return -1;
    }
    qint64 copied = 0;
    while (copied < maxSize && m_position < size()) {
        const qint64 contentEnd = m_head.size() + m_contentSize;
        qint64 count = 0;
        if (m_position < m_head.size()) {
            count = std::min(maxSize - copied, m_head.size() - m_position);
            std::memcpy(buffer + copied, m_head.constData() + m_position, size_t(count));
        } else if (m_position < contentEnd) {
            const qint64 offset = m_position - m_head.size();
            const qint64 wanted = std::min(maxSize - copied, m_contentSize - offset);
            if (m_fd >= 0) {
                count = readFile(buffer + copied, offset, wanted);
                if (count < 0) {
                    return -1;
                }
            } else {
                count = wanted;
                std::memcpy(buffer + copied, m_content.constData() + offset, size_t(count));
            }
        } else {
            const qint64 offset = m_position - contentEnd;
            count = std::min(maxSize - copied, m_tail.size() - offset);
            std::memcpy(buffer + copied, m_tail.constData() + offset, size_t(count));
        }
        copied += count;
        m_position += count;
    }
    return copied;
}

qint64 UploadBody::readFile(char* buffer, qint64 offset, qint64 maxSize)
{
    ssize_t count = 0;
    do {
        count = pread(m_fd, buffer, size_t(maxSize), off_t(offset));
    } while (count < 0 && errno == EINTR);
    if (count < 0) {
        fail(std::make_exception_ptr(FileError(m_path, QString::fromLocal8Bit(std::strerror(errno)))));
        return -1;
    }
    // Shorter than it was when the upload began.
    if (count == 0) {
        fail(std::make_exception_ptr(FileError::changedWhileSent(m_path)));
        return -1;
    }
    if (offset + count == m_contentSize && !fileUnchanged()) {
        return -1;
    }
    return count;
}

bool UploadBody::fileUnchanged()
{
    const QString& path = m_path;
    char probe = 0;
    if (pread(m_fd, &probe, 1, off_t(m_contentSize)) > 0) {
        return fail(std::make_exception_ptr(FileError::changedWhileSent(path)));
    }
    struct stat info
    {
    };
    const QByteArray encoded = FileNames::encode(path);
    if (stat(encoded.constData(), &info) != 0) {
        return fail(std::make_exception_ptr(FileError::removedWhileSent(path)));
    }
    if (info.st_dev != m_device || info.st_ino != m_inode) {
        return fail(std::make_exception_ptr(FileError::changedWhileSent(path)));
    }
    return true;
}

bool UploadBody::fail(std::exception_ptr failure)
{
    m_failure = std::move(failure);
    return false;
}
