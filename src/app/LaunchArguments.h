#pragma once

// What the window was started with: the images and folders to queue, as a file manager or the
// launcher hands them over (paths or file: URIs, the desktop entry's %U), or a request for the help or
// the version, which are answered on the terminal without a window. Everything is made absolute here,
// in the process that was given it, since a window already open elsewhere has another working folder.

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

class LaunchArguments
{
    Q_DECLARE_TR_FUNCTIONS(LaunchArguments)

public:
    enum class Action
    {
        open,
        help,
        version,
        usageError,
    };

    Action action = Action::open;
    // Absolute file: URIs of the files and folders given, in their order.
    QStringList uris;
    // Arguments that name nothing on this computer (an sftp: URI, say), told to the user, not queued.
    QStringList foreign;
    QString error; // for usageError: one sentence

    // `arguments` as the program received them, its own name first, with the toolkit's own options
    // (-platform, -style, …) already taken out; relative paths are taken from `workingFolder`.
    static LaunchArguments parse(const QStringList& arguments, const QString& workingFolder);
    // Whether the arguments ask only for the help or the version: answered before any window system is
    // reached, so they work on a terminal without a display.
    static bool asksTerminalOnly(const QStringList& arguments);

    static QString helpText();
    static QString versionText();

    // The queue's items for URIs handed over by a launch: a folder (as it is now on the disk) marked to
    // be searched, a file taken as it is; anything but a file: URI is left out.
    static QList<QUrl> queueItems(const QStringList& uris);
};
