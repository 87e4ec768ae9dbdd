#pragma once

// One output on its way to the disk: its bytes go into a file of its own in the destination folder,
// which nobody sees under the output's name until commit() has put the mark and the date on it,
// brought its content to the disk and given it the name in one rename. Going without commit() leaves
// nothing behind; after a crash at any moment the name holds the earlier file or this one, whole.
//
// Filled on the thread that receives the bytes, committed on a worker thread: never both at once.

#include "model/OutputKind.h"
#include "output/OutputMark.h"

#include <QFile>
#include <QIODevice>
#include <QString>

#include <optional>
#include <utility>

class OutputFile
{
public:
    // `mark` is what the file will carry; with `modifiedNs`, it also takes that modification time.
    OutputFile(OutputKind kind, QString path, QString notReplaced, OutputMark mark, std::optional<qint64> modifiedNs);

    // Without a commit, nothing of it stays.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // False when the file could not be made (its folder included).
    bool open();
    QIODevice* device() { return &m_device; }

    OutputKind kind() const { return m_kind; }
    QString path() const { return m_path; }
    // The file that held the output's own name and was left alone; empty when there was none.
    QString notReplaced() const { return m_notReplaced; }
    // What the mark says, once committed: the output's size among it.
    const OutputMark& mark() const { return m_mark; }
    // Before commit(), for the only output of a job: the outputs the job has saved once this one is,
    // which the mark then lists from the start instead of being written again (OutputWriter::markSaved).
    void setSaved(QList<OutputKind> kinds) { m_mark.saved = std::move(kinds); }

    // Blocking: the mark and the date, the content on the disk, then the name. False when it could not
    // be saved; nothing of it is left then.
    bool commit();

private:
    void discard();

    OutputKind m_kind;
    QString m_path;
    QString m_notReplaced;
    OutputMark m_mark;
    std::optional<qint64> m_modifiedNs;
    int m_fd = -1;
    // Where the file is while it is written, on a file system that cannot keep a file without a name
    // (empty on one that can).
    QByteArray m_temporary;
    QFile m_device;
};
