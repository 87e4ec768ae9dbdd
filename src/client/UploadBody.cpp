#include "UploadBody.h"

#include "FileError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
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
    // Unbuffered: chunks go from the kernel straight into the transfer's buffer.
    body->m_file.setFileName(path);
    if (!body->m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        throw FileError(path, body->m_file.errorString());
    }
    struct stat info
    {
    };
    if (fstat(body->m_file.handle(), &info) != 0) {
        throw FileError(path, QString::fromLocal8Bit(std::strerror(errno)));
    }
    body->m_contentSize = info.st_size;
    body->m_device = info.st_dev;
    body->m_inode = info.st_ino;
    return body;
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
            if (m_file.isOpen()) {
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
        count = pread(m_file.handle(), buffer, size_t(maxSize), off_t(offset));
    } while (count < 0 && errno == EINTR);
    if (count < 0) {
        fail(std::make_exception_ptr(FileError(m_file.fileName(), QString::fromLocal8Bit(std::strerror(errno)))));
        return -1;
    }
    // Shorter than it was when the upload began.
    if (count == 0) {
        fail(std::make_exception_ptr(FileError::changedWhileSent(m_file.fileName())));
        return -1;
    }
    if (offset + count == m_contentSize && !fileUnchanged()) {
        return -1;
    }
    return count;
}

bool UploadBody::fileUnchanged()
{
    const QString path = m_file.fileName();
    char probe = 0;
    if (pread(m_file.handle(), &probe, 1, off_t(m_contentSize)) > 0) {
        return fail(std::make_exception_ptr(FileError::changedWhileSent(path)));
    }
    struct stat info
    {
    };
    const QByteArray encoded = QFile::encodeName(path);
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
