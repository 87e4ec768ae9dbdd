#include "client/MultipartFormData.h"

#include <QStringEncoder>
#include <QUuid>

#include <utility>

namespace {

constexpr QByteArrayView crlf("\r\n");

} // namespace

MultipartFormData::MultipartFormData()
    : m_boundary(QStringLiteral("Boundary-") + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper())
{
}

QByteArray MultipartFormData::takeData()
{
    return std::exchange(m_data, QByteArray());
}

QString MultipartFormData::contentType() const
{
    return QStringLiteral("multipart/form-data; boundary=") + m_boundary;
}

void MultipartFormData::addField(const QString& name, const QString& value)
{
    appendDelimiter();
    m_data.append("Content-Disposition: form-data; name=\"");
    append(name);
    m_data.append("\"\r\n\r\n");
    append(value);
    m_data.append(crlf);
}

void MultipartFormData::addFile(const QString& name, const QString& filename, const QString& mimeType,
                                const QByteArray& fileData)
{
    beginFile(name, filename, mimeType);
    m_data.append(fileData);
    endFile();
}

void MultipartFormData::beginFile(const QString& name, const QString& filename, const QString& mimeType)
{
    appendDelimiter();
    m_data.append("Content-Disposition: form-data; name=\"");
    append(name);
    m_data.append("\"; filename=\"");
    // A quote would end the name and a line break the header, letting a crafted name add fields or
    // headers of its own: they are written as browsers write them. Every other character stays.
    QString quoted = filename;
    quoted.replace(QLatin1Char('"'), QLatin1String("%22"))
        .replace(QLatin1Char('\r'), QLatin1String("%0D"))
        .replace(QLatin1Char('\n'), QLatin1String("%0A"));
    append(quoted);
    m_data.append("\"\r\nContent-Type: ");
    append(mimeType);
    m_data.append("\r\n\r\n");
}

void MultipartFormData::endFile()
{
    m_data.append(crlf);
}

void MultipartFormData::close()
{
    m_data.append("--");
    append(m_boundary);
    m_data.append("--\r\n");
}

// A piece that is not valid text (a lone surrogate) is left out rather than written half-converted.
void MultipartFormData::append(const QString& text)
{
    QStringEncoder encoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError()) {
        m_data.append(bytes);
    }
}

void MultipartFormData::appendDelimiter()
{
    m_data.append("--");
    append(m_boundary);
    m_data.append(crlf);
}
