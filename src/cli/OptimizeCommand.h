#pragma once

// The whole of one tovalin-optimize invocation: reads the command line and the key, queues the paths
// through the view model's intake, runs the queue as the window's Optimize button does, stops it as
// Stop does on an interrupt, and prints the outcome. The road of every image is the window's own code.

class Console;
class JobListModel;
class MarkedOutputs;
struct TovalinOptions;

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUuid>

class OptimizeCommand
{
    Q_DECLARE_TR_FUNCTIONS(OptimizeCommand)

public:
    enum ExitStatus
    {
        allSucceeded = 0,
        someFailed = 1,
        usageError = 2,
        // An interrupt ends with 128 + the signal's number, as a shell reports it: 130 for Ctrl-C.
        interruptedBase = 128,
    };

    explicit OptimizeCommand(Console* console);

    // `arguments` as the program received them, its own name first. Returns the exit status.
    int run(const QStringList& arguments);

private:
    int failUsage(const QString& error);
    QList<QUuid> skipUpToDate(JobListModel& queue, MarkedOutputs& outputs, const TovalinOptions& request,
                              const QString& resultsFolder);

    Console* m_console;
};
