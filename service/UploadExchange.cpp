#include "service/UploadExchange.h"

#include "service/ResultStore.h"

namespace {

UploadExchange::Refusal storeFailure()
{
    return {503, QStringLiteral("The server could not store the upload. Try again later.")};
}

} // namespace

UploadExchange::UploadExchange(ResultStore& store, const MultipartParser::Limits& limits, QString tooLarge, Hooks hooks)
    : m_store(store)
    , m_parser(limits, *this)
    , m_tooLarge(std::move(tooLarge))
    , m_hooks(std::move(hooks))
{
}

UploadExchange::~UploadExchange()
{
    discard();
}

// Whatever of the file has arrived goes, and the room reserved for it with it.
void UploadExchange::discard()
{
    if (!m_file.fileName().isEmpty()) {
        m_file.close();
        QFile::remove(m_file.fileName());
        m_file.setFileName(QString());
    }
    m_store.release(m_reserved);
    m_reserved = 0;
}

bool UploadExchange::begin(std::string_view contentType, qint64 contentLength)
{
    m_announced = contentLength;
    if (!m_parser.begin(contentType))
        refuseForParser();
    return !m_finished;
}

void UploadExchange::receive(std::string_view piece)
{
    if (!m_finished && !m_parser.feed(piece))
        refuseForParser();
}

void UploadExchange::complete()
{
    if (m_finished)
        return;
    if (!m_parser.finish())
        return refuseForParser();
    const RequestValidator::Result validated = RequestValidator::fromForm(m_form, m_fileBytes);
    if (!validated.request)
        return refuse({validated.code, validated.message});
    if (std::optional<Refusal> refusal = m_hooks.admit(*validated.request))
        return refuse(*refusal);
    const QString token = m_store.adopt(m_file.fileName(), "application/octet-stream", m_reserved);
    m_reserved = 0;
    m_file.setFileName(QString()); // the store has it now, or has removed it
    if (token.isEmpty())
        return refuse(storeFailure());
    m_finished = true;
    m_hooks.accept(*validated.request, token, m_fileBytes);
}

bool UploadExchange::field(const MultipartPart& part, std::string_view value)
{
    if (std::optional<RequestValidator::Result> refused = RequestValidator::addField(m_form, part, value))
        return stop({refused->code, refused->message});
    return true;
}

bool UploadExchange::fileBegin(const MultipartPart& part)
{
    if (std::optional<RequestValidator::Result> refused = RequestValidator::addFile(m_form, part))
        return stop({refused->code, refused->message});
    // The form is judged, key included, before a byte of the file is kept.
    const RequestValidator::Result fields = RequestValidator::fromFields(m_form);
    if (!fields.request)
        return stop({fields.code, fields.message});
    if (std::optional<Refusal> refusal = m_hooks.admit(*fields.request))
        return stop(*refusal);
    // Room on disk for the whole body, the most the file can take, and only once the fields have passed.
    if (!m_store.reserve(m_announced))
        return stop({503, QStringLiteral("The server's store is full. Try again later.")});
    m_reserved = m_announced;
    m_file.setFileName(m_store.newFilePath());
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return stop(storeFailure());
    return true;
}

bool UploadExchange::fileData(std::string_view piece)
{
    if (m_file.write(piece.data(), qint64(piece.size())) != qint64(piece.size()))
        return stop(storeFailure());
    m_fileBytes += qint64(piece.size());
    return true;
}

bool UploadExchange::fileEnd()
{
    m_file.close();
    return m_file.error() == QFileDevice::NoError || stop(storeFailure());
}

bool UploadExchange::stop(const Refusal& refusal)
{
    m_stopped = refusal;
    return false;
}

void UploadExchange::refuse(const Refusal& refusal)
{
    m_finished = true;
    discard();
    m_hooks.refuse(refusal);
}

void UploadExchange::refuseForParser()
{
    if (m_stopped)
        return refuse(*m_stopped);
    const MultipartParser::Error error = m_parser.error();
    if (error == MultipartParser::Error::FileTooLarge || error == MultipartParser::Error::BodyTooLarge)
        return refuse({413, m_tooLarge});
    refuse({400, QString::fromStdString(m_parser.errorMessage())});
}
