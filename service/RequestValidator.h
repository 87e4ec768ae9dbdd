// Turns the two request forms of the protocol (the upload's multipart fields and the poll's JSON
// object) into a validated OptimizeRequest, or into the failure code and message the client shows.
#pragma once

#include "OptimizeRequest.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

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

    static Result fromForm(const std::vector<MultipartPart>& parts);
    static Result fromPollJson(const QByteArray& body);
};
