#pragma once

// The folders that have received outputs whose names may not be on the disk yet. Each output's content
// reaches the disk before its rename (OutputFile); the renames of a whole run are brought to the disk
// together, once per folder, when the run is over. Safe from any thread.

#include <QByteArray>

class FolderSync
{
public:
    static void note(const QByteArray& folder);
    // Blocking: every folder noted so far, each once.
    static void syncAll();
};
