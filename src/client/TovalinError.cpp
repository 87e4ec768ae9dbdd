#include "client/TovalinError.h"

#include <utility>

TovalinError::TovalinError(Kind kind, QString description, std::optional<int> httpStatus)
    : Error(std::move(description))
    , m_kind(kind)
    , m_httpStatus(httpStatus)
{
}

TovalinError TovalinError::api(QString message)
{
    return TovalinError(Kind::api, std::move(message));
}

TovalinError TovalinError::emptyResponse()
{
    return TovalinError(Kind::emptyResponse, tr("Tovalin did not return any data."));
}

TovalinError TovalinError::missingDownloadURL()
{
    return TovalinError(Kind::missingDownloadURL, tr("No download URL returned for this configuration."));
}

TovalinError TovalinError::writeFailed()
{
    return TovalinError(Kind::writeFailed, tr("Could not save the optimized file."));
}

TovalinError TovalinError::downloadFailed(std::optional<int> httpStatus)
{
    if (httpStatus) {
        return TovalinError(Kind::downloadFailed,
                            tr("Could not download the optimized file (HTTP status %1).").arg(*httpStatus), httpStatus);
    }
    return TovalinError(Kind::downloadFailed, tr("Could not download the optimized file (empty response)."));
}
