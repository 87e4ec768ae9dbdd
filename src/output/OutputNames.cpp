#include "output/OutputNames.h"

#include "model/FileNames.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cstring>
#include <strings.h>

namespace {

const QString optimizedMarker = QStringLiteral("-optimized");

// The extension of a file name: after the last dot, when the dot does not start the name.
qsizetype extensionDot(QStringView name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? dot : -1;
}

// ".webp" and ".avif", as the names of the companions end.
const std::array<QByteArray, allOutputKinds.size()>& endings()
{
    static const std::array<QByteArray, allOutputKinds.size()> table = [] {
        std::array<QByteArray, allOutputKinds.size()> made;
        for (const OutputKind kind : allOutputKinds) {
            made.at(std::size_t(kind)) =
                kind == OutputKind::optimized ? optimizedMarker.toLatin1() : '.' + key(kind).toLower().toLatin1();
        }
        return made;
    }();
    return table;
}

bool endsWithIgnoringCase(const char* name, std::size_t length, const QByteArray& ending)
{
    return length > std::size_t(ending.size()) &&
           strcasecmp(name + length - std::size_t(ending.size()), ending.constData()) == 0;
}

QByteArray baseNameOf(const QByteArray& name)
{
    const qsizetype dot = name.lastIndexOf('.');
    return dot > 0 ? name.left(dot) : name;
}

// Whether `path` is absolute and already as QDir::cleanPath() writes it, so that QFileInfo and
// cleanPath() would give it back unchanged: every image a folder walk finds is named so, and making its
// names over again cost a rerun more than reading its marks.
bool isCleanAbsolute(QStringView path)
{
    const qsizetype size = path.size();
    if (size == 0 || path.at(0) != u'/') {
        return false;
    }
    // No component is empty, "." or "..": each "/" is followed by something other than "/", "./" or "../".
    const QChar* const units = path.data();
    for (qsizetype i = 0; i < size; ++i) {
        if (units[i] != u'/') {
            continue;
        }
        const qsizetype rest = size - i - 1;
        if (rest == 0) {
            return size == 1;
        }
        const char16_t next = units[i + 1].unicode();
        if (next == u'/') {
            return false;
        }
        if (next == u'.') {
            const char16_t after = rest > 1 ? units[i + 2].unicode() : u'/';
            if (after == u'/' || (after == u'.' && (rest == 2 || units[i + 3] == u'/'))) {
                return false;
            }
        }
    }
    return true;
}

// The folder of `path` when it is clean and absolute: what QFileInfo::absolutePath() and cleanPath()
// would make of it.
QString folderOfCleanAbsolute(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

QString withExtension(const QString& stem, const QString& extension)
{
    // A source without extension gives a name without the trailing dot.
    return extension.isEmpty() ? stem : stem + QLatin1Char('.') + extension;
}

} // namespace

OutputNames::OutputNames(const QString& sourcePath, Naming naming, const QString& folder)
    : m_naming(naming)
{
    QString own;
    if (isCleanAbsolute(sourcePath) && sourcePath.size() > 1) {
        m_sourcePath = sourcePath;
        own = folderOfCleanAbsolute(sourcePath);
        m_fileName = sourcePath.mid(sourcePath.lastIndexOf(QLatin1Char('/')) + 1);
    } else {
        const QFileInfo info(sourcePath);
        m_sourcePath = QDir::cleanPath(info.absoluteFilePath());
        own = QDir::cleanPath(info.absolutePath());
        m_fileName = info.fileName();
    }
    m_folder = folder.isEmpty()          ? own
               : isCleanAbsolute(folder) ? folder
                                         : QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    m_besideSource = m_folder == own;
    const qsizetype dot = extensionDot(m_fileName);
    m_baseName = dot < 0 ? m_fileName : m_fileName.left(dot);
    m_sourceExtension = dot < 0 ? QString() : m_fileName.mid(dot + 1);
}

QString OutputNames::folderFor(const QString& sourcePath, const QString& addedFrom, const QString& resultsFolder)
{
    const QString own = isCleanAbsolute(sourcePath) && sourcePath.size() > 1
                            ? folderOfCleanAbsolute(sourcePath)
                            : QDir::cleanPath(QFileInfo(sourcePath).absolutePath());
    if (resultsFolder.isEmpty()) {
        return own;
    }
    QString below;
    if (!addedFrom.isEmpty()) {
        QString root = QDir::cleanPath(addedFrom);
        if (!root.endsWith(QLatin1Char('/'))) {
            root += QLatin1Char('/');
        }
        if ((own + QLatin1Char('/')).startsWith(root)) {
            below = own.mid(root.size() - 1);
        }
    }
    return QDir::cleanPath(QFileInfo(resultsFolder).absoluteFilePath() + below);
}

QByteArray OutputNames::sourceReference() const
{
    return FileNames::encode(m_besideSource ? m_fileName : m_sourcePath);
}

QString OutputNames::named(OutputKind kind, const QString& extension, bool fromSourceName) const
{
    if (kind != OutputKind::optimized) {
        const bool whole = fromSourceName || m_naming == Naming::sourceName;
        return (whole ? m_fileName : m_baseName) + QString::fromLatin1(endings().at(std::size_t(kind)));
    }
    const QString chosen = isPlainExtension(extension) ? extension : m_sourceExtension;
    // Compared exactly: "noise.PNG" answered as "png" might otherwise meet "noise.png"'s result.
    const bool ownExtension = chosen == m_sourceExtension;
    const bool whole = fromSourceName || (m_naming == Naming::sourceName && !ownExtension);
    return withExtension((whole ? m_fileName : m_baseName) + optimizedMarker, chosen);
}

QString OutputNames::name(OutputKind kind, const QString& extension) const
{
    return named(kind, extension, false);
}

QString OutputNames::longName(OutputKind kind, const QString& extension) const
{
    return named(kind, extension, true);
}

std::optional<QString> OutputNames::destination(const QString& name) const
{
    const bool drivePrefix = name.size() >= 2 && name.at(1) == QLatin1Char(':') && name.at(0).isLetter();
    const bool plainName = !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
                           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
                           !name.contains(QChar(0)) && !drivePrefix;
    if (!plainName || (m_besideSource && name.compare(m_fileName, Qt::CaseInsensitive) == 0)) {
        return std::nullopt;
    }
    const QString path = m_folder + QLatin1Char('/') + name;
    if (QDir::cleanPath(QFileInfo(path).absolutePath()) != m_folder) {
        return std::nullopt;
    }
    return path;
}

QSet<QString> OutputNames::claims() const
{
    // The whole source name too, whatever the naming: an output takes it where another file holds the
    // short name.
    QSet<QString> claims;
    for (const QString& stem : {m_baseName, m_fileName}) {
        const QString path = (m_folder + QLatin1Char('/') + stem).toCaseFolded();
        claims << path << path + optimizedMarker;
    }
    return claims;
}

quint64 OutputNames::stemKey(QStringView folder, QStringView fileName)
{
    // FNV-1a over the case-folded UTF-16 units: no copy of the path is made.
    quint64 hash = 14695981039346656037ULL;
    const auto add = [&hash](QStringView text) {
        for (const QChar c : text) {
            const char16_t unit = c.unicode();
            // ASCII, nearly all of a path, folds to lower case without a look at the tables.
            hash ^=
                unit < 0x80 ? (unit >= u'A' && unit <= u'Z' ? unit + (u'a' - u'A') : unit) : c.toCaseFolded().unicode();
            hash *= 1099511628211ULL;
        }
    };
    add(folder);
    add(u"/");
    const qsizetype dot = extensionDot(fileName);
    add(dot < 0 ? fileName : fileName.left(dot));
    return hash;
}

bool OutputNames::isPlainExtension(const QString& extension)
{
    if (extension.isEmpty() || extension.size() > 8) {
        return false;
    }
    return std::all_of(extension.cbegin(), extension.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9');
    });
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

bool OutputNames::mayBeOutput(const char* name)
{
    const std::size_t length = std::strlen(name);
    for (const OutputKind kind : allOutputKinds) {
        const QByteArray& ending = endings().at(std::size_t(kind));
        if (kind != OutputKind::optimized) {
            if (endsWithIgnoringCase(name, length, ending)) {
                return true;
            }
            continue;
        }
        // "…-optimized" or "…-optimized.EXT"
        const char* marker = std::strstr(name, ending.constData());
        while (marker != nullptr) {
            const char* after = marker + ending.size();
            if (*after == '\0' || (*after == '.' && std::strchr(after + 1, '.') == nullptr)) {
                return true;
            }
            marker = std::strstr(after, ending.constData());
        }
    }
    return false;
}

bool OutputNames::namedLikeOutput(const QByteArray& name, const QList<QByteArray>& images)
{
    QByteArray stem;
    for (const OutputKind kind : allOutputKinds) {
        const QByteArray& ending = endings().at(std::size_t(kind));
        if (kind != OutputKind::optimized && endsWithIgnoringCase(name.constData(), std::size_t(name.size()), ending)) {
            stem = name.chopped(ending.size());
            break;
        }
    }
    if (stem.isEmpty()) {
        const QByteArray& ending = endings().at(std::size_t(OutputKind::optimized));
        const qsizetype marker = name.lastIndexOf(ending);
        const qsizetype after = marker + ending.size();
        if (marker <= 0 || (after < name.size() && (name.at(after) != '.' || name.indexOf('.', after + 1) >= 0))) {
            return false;
        }
        stem = name.left(marker);
    }
    return std::any_of(images.cbegin(), images.cend(), [&](const QByteArray& image) {
        return image != name && (image == stem || baseNameOf(image) == stem);
    });
}
