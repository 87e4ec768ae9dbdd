#include "cli/ApiKeySource.h"

#include "model/SettingsStore.h"

#include <QFile>

#include <sys/stat.h>
#include <utility>

namespace {

ApiKeySource::Result failure(QString error)
{
    ApiKeySource::Result result;
    result.error = std::move(error);
    return result;
}

} // namespace

ApiKeySource::Result ApiKeySource::find(const QString& keyFile, const QString& environmentKey,
                                        const QString& storedKeyFile, bool otherService)
{
    Result result;
    if (!keyFile.isEmpty()) {
        QFile file(keyFile);
        if (!file.open(QIODevice::ReadOnly)) {
            return failure(tr("cannot read the key file %1: %2.").arg(keyFile, file.errorString()));
        }
        // Like ssh with a private key: a secret others can read is no longer only yours.
        struct stat info
        {
        };
        if (::fstat(file.handle(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & (S_IRGRP | S_IROTH))) {
            result.warnings.append(
                tr("warning: the key file %1 can be read by other users; make it yours only with: chmod 600 %1")
                    .arg(keyFile));
        }
        // A key is short; a large file was given by mistake and is not read whole.
        QByteArray content;
        // A pipe (/dev/stdin) may hand the key over in pieces.
        while (content.size() <= maxKeyFileSize) {
            const QByteArray piece = file.read(maxKeyFileSize + 1 - content.size());
            if (piece.isEmpty()) {
                break;
            }
            content += piece;
        }
        if (content.size() > maxKeyFileSize) {
            return failure(tr("the key file %1 is too large to hold an API key.").arg(keyFile));
        }
        result.key = QString::fromUtf8(content).trimmed();
        if (result.key.isEmpty()) {
            return failure(tr("the key file %1 holds no API key.").arg(keyFile));
        }
        return result;
    }
    if (!environmentKey.trimmed().isEmpty()) {
        result.key = environmentKey.trimmed();
        return result;
    }
    if (otherService) {
        return failure(tr("the key stored by the window is sent only to the service this program was built for; "
                          "with --service-url give the key with --api-key-file FILE or the environment variable "
                          "TOVALIN_API_KEY."));
    }
    result.key = SettingsStore(storedKeyFile).apiKey().trimmed();
    if (result.key.isEmpty()) {
        return failure(tr("no API key: give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY, "
                          "or enter it in the Tovalin Image Optimizer window."));
    }
    return result;
}
