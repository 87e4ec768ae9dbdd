#pragma once

// Finds the API key of one command: the key file given with --api-key-file, else the environment
// variable TOVALIN_API_KEY, else the key the window stored. The key is trimmed as the run trims it.
// The window's store is only read, never written. Its key goes only to the service the program was
// built for: a script that points the command elsewhere must hand over a key of its own.

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class ApiKeySource
{
    Q_DECLARE_TR_FUNCTIONS(ApiKeySource)

public:
    struct Result
    {
        QString key;          // empty when `error` says why there is none
        QString error;        // a usage error, one sentence
        QStringList warnings; // sentences to show, the key never among them
    };

    // `environmentKey` is null when the variable is not set. `otherService` is true when the command
    // talks to another service than the built-in one.
    static Result find(const QString& keyFile, const QString& environmentKey, const QString& storedKeyFile,
                       bool otherService);

    static constexpr qint64 maxKeyFileSize = 64 * 1024;
};
