#include "output/SharedBaseNames.h"

OutputNames SharedBaseNames::names(const ImageJob& job, const QList<ImageJob>& jobs, const QString& resultsFolder)
{
    if (!m_valid || m_resultsFolder != resultsFolder) {
        count(jobs, {}, resultsFolder);
    }
    const QString path = job.url.toLocalFile();
    // Without a folder of results they go beside the source, which OutputNames finds by itself.
    const QString folder =
        resultsFolder.isEmpty() ? QString() : OutputNames::folderFor(path, job.addedFrom, resultsFolder);
    const bool shared = m_counts.value(keyOf(path, job.addedFrom, resultsFolder)) > 1;
    return OutputNames(path, shared ? OutputNames::Naming::sourceName : OutputNames::Naming::baseName, folder);
}

quint64 SharedBaseNames::keyOf(const QString& path, const QString& addedFrom, const QString& resultsFolder)
{
    const qsizetype nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const QStringView fileName = QStringView(path).mid(nameStart);
    if (resultsFolder.isEmpty()) {
        // Beside the source: its own path is all there is to hash, with no copy made.
        return OutputNames::stemKey(QStringView(path).left(std::max<qsizetype>(nameStart - 1, 0)), fileName);
    }
    return OutputNames::stemKey(OutputNames::folderFor(path, addedFrom, resultsFolder), fileName);
}

void SharedBaseNames::count(const QList<ImageJob>& jobs, const QList<ImageJob>& joining, const QString& resultsFolder)
{
    m_counts.clear();
    m_counts.reserve(jobs.size() + joining.size());
    for (const QList<ImageJob>* list : {&jobs, &joining}) {
        for (const ImageJob& queued : *list) {
            ++m_counts[keyOf(queued.url.toLocalFile(), queued.addedFrom, resultsFolder)];
        }
    }
    m_resultsFolder = resultsFolder;
    m_valid = true;
}
