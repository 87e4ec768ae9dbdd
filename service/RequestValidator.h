// Turns the two request forms of the protocol (the upload's multipart fields and the poll's JSON
// object) into a validated OptimizeRequest, or into the failure code and message the client shows.
// The upload's parts are checked one by one as they arrive, so that a bad form is refused before its
// file is stored; its key must come before its file.
#pragma once

#include "service/OptimizeRequest.h"

#include <QByteArray>
#include <QMap>
#include <QString>

#include <optional>
#include <string_view>

struct MultipartPart;

class RequestValidator
{
public:
    struct Result
    {
        std::optional<OptimizeRequest> request;
        int code = 0; // 400 or above when request is empty
        QString message;
    };

    // The largest resize box side and the largest poll body accepted.
    static constexpr int kMaxSide = 65535;
    static constexpr qsizetype kMaxPollBytes = 64 * 1024;

    // The text fields and the file part of an upload form, gathered as they arrive.
    struct Form
    {
        QMap<QString, QString> fields;
        std::optional<QString> fileName; // once the file part has begun
    };

    // Check one part of the form and add it to `form`; a failure when the part breaks a rule.
    static std::optional<Result> addField(Form& form, const MultipartPart& part, std::string_view value);
    static std::optional<Result> addFile(Form& form, const MultipartPart& part);
    // What the text fields ask for, whether or not the file has arrived.
    static Result fromFields(const Form& form);
    // The whole upload, once its file has arrived with `fileBytes` bytes.
    static Result fromForm(const Form& form, qint64 fileBytes);

    static Result fromPollJson(const QByteArray& body);
};
