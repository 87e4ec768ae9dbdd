#pragma once

// Builds the body of a "multipart/form-data" request: text fields, file parts and the closing
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

    void addField(const QString& name, const QString& value);
    void addFile(const QString& name, const QString& filename, const QString& mimeType, const QByteArray& fileData);
    // A file part in two halves, for a file whose content is sent from disk: the part's headers, then,
    // after the content, the end of the part.
    void beginFile(const QString& name, const QString& filename, const QString& mimeType);
    void endFile();
    void close();

private:
    void append(const QString& text);
    void appendDelimiter();

    QString m_boundary;
    QByteArray m_data;
};
