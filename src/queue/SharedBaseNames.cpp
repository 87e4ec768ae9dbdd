#include "queue/SharedBaseNames.h"

bool SharedBaseNames::isShared(const QUrl& source, const QList<ImageJob>& jobs)
{
    if (!m_valid) {
        m_counts.clear();
        m_counts.reserve(jobs.size());
        for (const ImageJob& job : jobs) {
            ++m_counts[keyOf(job.url)];
        }
        m_valid = true;
    }
    return m_counts.value(keyOf(source)) > 1;
}

quint64 SharedBaseNames::keyOf(const QUrl& source)
{
    const QString path = source.path();
    const qsizetype nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    // The base name ends at the last dot of the file name, unless that dot starts it (as the output
    // names are made).
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype end = dot > nameStart ? dot : path.size();
    // FNV-1a over the case-folded UTF-16 units: no copy of the path is made.
    quint64 hash = 14695981039346656037ULL;
    for (qsizetype i = 0; i < end; ++i) {
        hash ^= path.at(i).toCaseFolded().unicode();
        hash *= 1099511628211ULL;
    }
    return hash;
}
