#include "MarkedOutputs.h"

#include "QueueIntake.h"

#include <dirent.h>

const MarkedOutputs::Folder& MarkedOutputs::folder(const QByteArray& path)
{
    auto found = m_folders.find(path);
    if (found == m_folders.end()) {
        found = m_folders.insert(path, scan(path));
    }
    return *found;
}

MarkedOutputs::Folder MarkedOutputs::scan(const QByteArray& path)
{
    Folder folder;
    DIR* dir = opendir(path.constData());
    if (dir == nullptr) {
        return folder;
    }
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.' || !QueueIntake::mayBeOutput(entry->d_name)) {
            continue;
        }
        const QByteArray name(entry->d_name);
        const OutputMarkReading reading = OutputMark::read(path + '/' + name);
        if (reading.found == OutputMark::Found::unsupported) {
            folder.marksKept = false;
            break;
        }
        if (reading.mark) {
            folder.outputs.append({name, *reading.mark});
        }
    }
    closedir(dir);
    return folder;
}
