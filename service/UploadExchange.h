// One upload as its body arrives: the multipart form is parsed as a stream, each text field checked as
// it comes, and the file part written straight into a file of the store, within room reserved for the
// whole announced body. The fields that come before the file must already pass, a good key among them,
// before that room is taken and a byte of the file kept: a form without one is refused as its file
// begins. Once the form is complete the file becomes the store's.
#pragma once

#include "service/HttpExchange.h"
#include "service/MultipartParser.h"
#include "service/OptimizeRequest.h"
#include "service/RequestValidator.h"

#include <QFile>
#include <QString>

#include <functional>
#include <optional>

class ResultStore;

class UploadExchange : public HttpExchange, private MultipartParser::Receiver
{
public:
    struct Refusal
    {
        int code;
        QString message;
    };
    struct Hooks
    {
        // The service's own rules for a request (its key, what it offers), asked when the file begins
        // and again when the form is complete.
        std::function<std::optional<Refusal>(const OptimizeRequest&)> admit;
        std::function<void(const Refusal&)> refuse;
        // The form is complete and valid; its file is now the store's under `token`.
        std::function<void(const OptimizeRequest&, const QString& token, qint64 fileBytes)> accept;
    };

    // `tooLarge` is the answer for a file or form over `limits`.
    UploadExchange(ResultStore& store, const MultipartParser::Limits& limits, QString tooLarge, Hooks hooks);
    ~UploadExchange() override;

    // Takes the form's boundary and the body's announced length; false once refused.
    bool begin(std::string_view contentType, qint64 contentLength);
    void receive(std::string_view piece) override;
    void complete() override;

private:
    bool field(const MultipartPart& part, std::string_view value) override;
    bool fileBegin(const MultipartPart& part) override;
    bool fileData(std::string_view piece) override;
    bool fileEnd() override;

    bool stop(const Refusal& refusal);
    void discard();
    void refuse(const Refusal& refusal);
    void refuseForParser();

    ResultStore& m_store;
    MultipartParser m_parser;
    QString m_tooLarge;
    Hooks m_hooks;
    RequestValidator::Form m_form;
    std::optional<Refusal> m_stopped; // why this exchange stopped the parser
    bool m_finished = false;          // refused or accepted: nothing more to do
    qint64 m_announced = 0;
    qint64 m_reserved = 0;
    QFile m_file; // while the store does not own it yet
    qint64 m_fileBytes = 0;
};
