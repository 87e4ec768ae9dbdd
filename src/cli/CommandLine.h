#pragma once

// Reads the command line of tovalin-optimize into CliOptions. Every mistake becomes one clear
// sentence for a usage error; nothing is read from the file system here.

#include "cli/CliOptions.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Action
    {
        run,
        help,
        version,
        usageError,
    };

    struct Result
    {
        Action action = Action::run;
        CliOptions options;
        QString error; // for usageError: one sentence, without the program's name
    };

    // `arguments` as the program received them, its own name first.
    static Result parse(const QStringList& arguments);
    static QString helpText();
    static QString versionText();
};
