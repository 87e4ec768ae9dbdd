#include "output/MarkedOutputs.h"

#include "output/OutputNames.h"

#include <dirent.h>

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

MarkedOutputs::Folder MarkedOutputs::scan(const QByteArray& path)
{
    Folder folder;
    DIR* dir = opendir(path.constData());
    if (dir == nullptr) {
        return folder;
    }
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.' || !OutputNames::mayBeOutput(entry->d_name)) {
            continue;
        }
        const QByteArray name(entry->d_name);
        const OutputMarkReading reading = OutputMark::read(path + '/' + name);
        folder.marksKept = reading.found != OutputMark::Found::unsupported;
        if (!*folder.marksKept) {
            break;
        }
        if (reading.mark) {
            folder.add(name, *reading.mark);
        }
    }
    closedir(dir);
    return folder;
}
