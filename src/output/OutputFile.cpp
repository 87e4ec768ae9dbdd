#include "output/OutputFile.h"

#include "model/FileNames.h"
#include "output/FolderSync.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// A hidden name beside `path`, so that the intake never takes the file for an image.
QByteArray temporaryName(const QByteArray& folder, const QString& path)
{
    return folder + "/." + FileNames::encode(QFileInfo(path).fileName()) + ".tovalin-" +
           QByteArray::number(QRandomGenerator::global()->generate64(), 36);
}

} // namespace

OutputFile::OutputFile(OutputKind kind, QString path, QString notReplaced, OutputMark mark,
                       std::optional<qint64> modifiedNs)
    : m_kind(kind)
    , m_path(std::move(path))
    , m_notReplaced(std::move(notReplaced))
    , m_mark(std::move(mark))
    , m_modifiedNs(modifiedNs)
{
}

OutputFile::~OutputFile()
{
    discard();
}

bool OutputFile::open()
{
    const QString folderPath = QFileInfo(m_path).absolutePath();
    // A folder of results grows the folders of the tree it mirrors as they are needed.
    if (!QDir().mkpath(folderPath)) {
        return false;
    }
    const QByteArray folder = FileNames::encode(folderPath);
    // A file without a name until it is whole: a stop, a failure or a crash while it is written leaves
    // nothing at all. File systems that cannot do that get a hidden name instead.
    m_fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (m_fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        for (int attempt = 0; attempt < 8 && m_fd < 0; ++attempt) {
            m_temporary = temporaryName(folder, m_path);
            m_fd = ::open(m_temporary.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
            if (m_fd < 0 && errno != EEXIST) {
                break;
            }
        }
    }
    if (m_fd < 0) {
        m_temporary.clear();
        return false;
    }
    return m_device.open(m_fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
}

// Durability at one sync per file. What must hold after a crash is that the name holds the earlier
// file or this one, whole: the content has to be on the disk before the rename that gives it the name
// is, and one fdatasync() before the rename orders exactly that; the mark and the date are metadata
// that the same journal commit carries. The rename itself needs no sync of its own for that promise:
// lost in a crash, it leaves the earlier file, whole, whose mark then tells a rerun to make this one
// again. The folders' entries are brought to the disk once for a whole run (FolderSync), not once per
// file: a second sync per file cost as much again on a slow disk and bought nothing the promise needs.
// A name that nothing holds yet is given by the link itself, one change of the folder instead of two.
bool OutputFile::commit()
{
    if (m_fd < 0 || !m_device.flush()) {
        discard();
        return false;
    }
    // Where the file system keeps no marks the file is saved all the same.
    if (!m_mark.source.reference.isEmpty()) {
        m_mark.writeTo(m_fd);
    }
    if (m_modifiedNs) {
        const timespec times[2] = {{0, UTIME_OMIT}, {*m_modifiedNs / 1'000'000'000, *m_modifiedNs % 1'000'000'000}};
        futimens(m_fd, times);
    }
    if (fdatasync(m_fd) != 0) {
        discard();
        return false;
    }
    const QByteArray destination = FileNames::encode(m_path);
    const QByteArray folder = FileNames::encode(QFileInfo(m_path).absolutePath());
    if (m_temporary.isEmpty()) {
        // Where no file holds the name yet, the whole file takes it at once; a link cannot replace one
        // that does, so then it gets a hidden name first and the rename replaces the old file.
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_fd);
        if (linkat(AT_FDCWD, self.constData(), AT_FDCWD, destination.constData(), AT_SYMLINK_FOLLOW) == 0) {
            m_device.close();
            close(std::exchange(m_fd, -1));
            FolderSync::note(folder);
            return true;
        }
        if (errno != EEXIST) {
            discard();
            return false;
        }
        for (int attempt = 0; attempt < 8 && m_temporary.isEmpty(); ++attempt) {
            const QByteArray candidate = temporaryName(folder, m_path);
            if (linkat(AT_FDCWD, self.constData(), AT_FDCWD, candidate.constData(), AT_SYMLINK_FOLLOW) == 0) {
                m_temporary = candidate;
            } else if (errno != EEXIST) {
                break;
            }
        }
        if (m_temporary.isEmpty()) {
            discard();
            return false;
        }
    }
    if (rename(m_temporary.constData(), destination.constData()) != 0) {
        discard();
        return false;
    }
    m_temporary.clear();
    m_device.close();
    close(std::exchange(m_fd, -1));
    FolderSync::note(folder);
    return true;
}

void OutputFile::discard()
{
    m_device.close();
    if (m_fd >= 0) {
        close(std::exchange(m_fd, -1));
    }
    if (!m_temporary.isEmpty()) {
        unlink(m_temporary.constData());
        m_temporary.clear();
    }
}
