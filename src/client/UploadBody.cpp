#include "UploadBody.h"

#include <algorithm>
#include <cstring>
#include <utility>

UploadBody::UploadBody(QByteArray data, QObject* parent)
    : QIODevice(parent)
    , m_data(std::move(data))
    , m_size(m_data.size())
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 UploadBody::bytesAvailable() const
{
    return m_size - m_position + QIODevice::bytesAvailable();
}

qint64 UploadBody::readData(char* data, qint64 maxSize)
{
    const qint64 count = std::min<qint64>(maxSize, m_size - m_position);
    if (count <= 0) {
        return m_position >= m_size ? -1 : 0;
    }
    std::memcpy(data, m_data.constData() + m_position, static_cast<size_t>(count));
    m_position += count;
    return count;
}

bool UploadBody::reset()
{
    return m_position == 0 && QIODevice::reset();
}

qint64 UploadBody::writeData(const char*, qint64)
{
    return -1;
}
