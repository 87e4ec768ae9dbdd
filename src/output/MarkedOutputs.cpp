#include "output/MarkedOutputs.h"

#include "output/OutputNames.h"
#include "output/ParallelFor.h"

#include <QSet>

#include <dirent.h>
#include <utility>

const MarkedOutputs::Folder& MarkedOutputs::folder(const QByteArray& path)
{
    auto found = m_folders.find(path);
    if (found == m_folders.end()) {
        found = m_folders.insert(path, scan(path));
    }
    return *found;
}

bool MarkedOutputs::marksKept(const QByteArray& folderPath)
{
    auto found = m_folders.find(folderPath);
    if (found == m_folders.end()) {
        found = m_folders.insert(folderPath, scan(folderPath));
    }
    if (!found->marksKept) {
        found->marksKept = OutputMark::read(folderPath).found != OutputMark::Found::unsupported;
    }
    return *found->marksKept;
}

void MarkedOutputs::prepare(const QList<QByteArray>& paths)
{
    QList<QByteArray> missing;
    QSet<QByteArray> seen;
    for (const QByteArray& path : paths) {
        const auto known = m_folders.constFind(path);
        if ((known == m_folders.cend() || !known->marksKept) && !seen.contains(path)) {
            seen.insert(path);
            missing.append(path);
        }
    }
    QList<Folder> read(missing.size());
    Folder* const out = read.data();
    ParallelFor::each(
        missing.size(),
        [&](qsizetype i) {
            const auto known = m_folders.constFind(missing.at(i));
            out[i] = known == m_folders.cend() ? scan(missing.at(i)) : *known;
            if (!out[i].marksKept) {
                out[i].marksKept = OutputMark::read(missing.at(i)).found != OutputMark::Found::unsupported;
            }
        },
        4);
    for (qsizetype i = 0; i < missing.size(); ++i) {
        m_folders.insert(missing.at(i), std::move(read[i]));
    }
}

const MarkedOutputs::Folder* MarkedOutputs::found(const QByteArray& path) const
{
    const auto known = m_folders.constFind(path);
    return known == m_folders.cend() ? nullptr : &*known;
}

MarkedOutputs::Folder MarkedOutputs::scan(const QByteArray& path)
{
    Folder folder;
    DIR* dir = opendir(path.constData());
    if (dir == nullptr) {
        return folder;
    }
    BriefMark::Folder marks(path);
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.' || !OutputNames::mayBeOutput(entry->d_name)) {
            continue;
        }
        const QByteArray name(entry->d_name);
        BriefMarkReading reading = marks.read(name);
        folder.marksKept = reading.found != OutputMark::Found::unsupported;
        if (!*folder.marksKept) {
            break;
        }
        if (reading.mark) {
            folder.add(name, std::move(*reading.mark));
        }
    }
    closedir(dir);
    return folder;
}
