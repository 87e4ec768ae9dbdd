#include "client/OutputNames.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The extension of a file name: after the last dot, when the dot does not start the name.
qsizetype extensionDot(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? dot : -1;
}

} // namespace

OutputNames::OutputNames(const QString& sourcePath, Naming naming)
    : m_naming(naming)
{
    const QFileInfo info(sourcePath);
    m_folder = QDir::cleanPath(info.absolutePath());
    m_fileName = info.fileName();
    const qsizetype dot = extensionDot(m_fileName);
    m_baseName = dot < 0 ? m_fileName : m_fileName.left(dot);
    m_sourceExtension = dot < 0 ? QString() : m_fileName.mid(dot + 1);
}

bool OutputNames::isPlainExtension(const QString& extension)
{
    if (extension.isEmpty() || extension.size() > 8) {
        return false;
    }
    for (const QChar c : extension) {
        const char16_t u = c.unicode();
        const bool plain = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9');
        if (!plain) {
            return false;
        }
    }
    return true;
}

QString OutputNames::remoteExtension(const QUrl& url)
{
    // Split the path while it is still encoded, so that an encoded "/" cannot pick another component.
    QString path = url.path(QUrl::FullyEncoded);
    while (path.endsWith(QLatin1Char('/'))) {
        path.chop(1);
    }
    const QString last = QUrl::fromPercentEncoding(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1).toUtf8());
    const qsizetype dot = extensionDot(last);
    return dot < 0 ? QString() : last.mid(dot + 1);
}

QString OutputNames::withExtension(const QString& stem, const QString& extension) const
{
    // A source without extension gives a name without the trailing dot.
    return extension.isEmpty() ? stem : stem + QLatin1Char('.') + extension;
}

QString OutputNames::companionStem() const
{
    return m_naming == Naming::sourceName ? m_fileName : m_baseName;
}

QString OutputNames::optimized(const QUrl& remote) const
{
    const QString remoteExt = remoteExtension(remote);
    const QString extension = isPlainExtension(remoteExt) ? remoteExt : m_sourceExtension;
    // Compared exactly: "noise.PNG" answered as "png" might otherwise meet "noise.png"'s result.
    const bool ownExtension = extension == m_sourceExtension;
    const QString stem = m_naming == Naming::sourceName && !ownExtension ? m_fileName : m_baseName;
    return withExtension(stem + QLatin1String("-optimized"), extension);
}

QString OutputNames::optimizedFallback() const
{
    return withExtension(m_baseName + QLatin1String("-optimized"), m_sourceExtension);
}

QString OutputNames::webp() const
{
    return companionStem() + QLatin1String(".webp");
}

QString OutputNames::avif() const
{
    return companionStem() + QLatin1String(".avif");
}

QString OutputNames::optimizedFromSourceName(const QUrl& remote) const
{
    const QString remoteExt = remoteExtension(remote);
    return withExtension(m_fileName + QLatin1String("-optimized"),
                         isPlainExtension(remoteExt) ? remoteExt : m_sourceExtension);
}

QString OutputNames::optimizedFallbackFromSourceName() const
{
    return withExtension(m_fileName + QLatin1String("-optimized"), m_sourceExtension);
}

QString OutputNames::webpFromSourceName() const
{
    return m_fileName + QLatin1String(".webp");
}

QString OutputNames::avifFromSourceName() const
{
    return m_fileName + QLatin1String(".avif");
}

std::optional<QString> OutputNames::destination(const QString& name) const
{
    const bool drivePrefix = name.size() >= 2 && name.at(1) == QLatin1Char(':') && name.at(0).isLetter();
    const bool plainName = !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
                           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
                           !name.contains(QChar(0)) && !drivePrefix;
    if (!plainName || name.compare(m_fileName, Qt::CaseInsensitive) == 0) {
        return std::nullopt;
    }
    const QString path = m_folder + QLatin1Char('/') + name;
    if (QDir::cleanPath(QFileInfo(path).absolutePath()) != m_folder) {
        return std::nullopt;
    }
    return path;
}
