#pragma once

// Builds the body of a "multipart/form-data" request in memory: text fields, file parts and the closing
// delimiter, byte for byte as the service expects. Names and values go in verbatim (no quoting, no
// escaping), and the content is never searched for the boundary, which is random per builder.

#include <QByteArray>
#include <QString>

class MultipartFormData
{
public:
    // A fresh random boundary and an empty body.
    MultipartFormData();

    QString boundary() const { return m_boundary; }
    const QByteArray& data() const { return m_data; }
    // Hands the body over without a copy; the builder is empty afterwards.
    QByteArray takeData();
    QString contentType() const;

    // Room for `size` more bytes, so that a large file part is copied into the body only once.
    void reserve(qsizetype size);

    void addField(const QString& name, const QString& value);
    void addFile(const QString& name, const QString& filename, const QString& mimeType, const QByteArray& fileData);
    void close();

private:
    void append(const QString& text);
    void appendDelimiter();

    QString m_boundary;
    QByteArray m_data;
};
