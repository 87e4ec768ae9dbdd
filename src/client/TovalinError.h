#pragma once

// The service client's own failures, with the texts users see as a job's message: a failure the
// service reports, an unreadable or empty reply, a reply that names nothing to download, a result that
// could not be saved, and a result download that did not deliver a file.

#include "client/Error.h"

#include <QCoreApplication>

#include <optional>

class TovalinError : public Error
{
    Q_DECLARE_TR_FUNCTIONS(TovalinError)

public:
    enum class Kind
    {
        api,
        emptyResponse,
        missingDownloadURL,
        writeFailed,
        downloadFailed,
    };

    // The service's own message, or one of ours about its reply; shown unchanged.
    static TovalinError api(QString message);
    static TovalinError emptyResponse();
    static TovalinError missingDownloadURL();
    static TovalinError writeFailed();
    // A result download answered with an HTTP status outside 200-299 (`httpStatus`), or with an empty
    // body (no status given).
    static TovalinError downloadFailed(std::optional<int> httpStatus);

    Kind kind() const { return m_kind; }
    std::optional<int> httpStatus() const { return m_httpStatus; }

private:
    TovalinError(Kind kind, QString description, std::optional<int> httpStatus = std::nullopt);

    Kind m_kind;
    std::optional<int> m_httpStatus;
};
