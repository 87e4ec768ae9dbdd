#include "tests/support/TempTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempTree::TempTree() = default;

QString TempTree::path(const QString& relative) const
{
    return relative.isEmpty() ? m_dir.path() : m_dir.filePath(relative);
}

QUrl TempTree::fileUrl(const QString& relative) const
{
    return QUrl::fromLocalFile(path(relative));
}

QUrl TempTree::folderUrl(const QString& relative) const
{
    QString p = path(relative);
    if (!p.endsWith(QLatin1Char('/'))) {
        p += QLatin1Char('/');
    }
    return QUrl::fromLocalFile(p);
}

QString TempTree::writeFile(const QString& relative, const QByteArray& content)
{
    const QString p = path(relative);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile file(p);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        qFatal("cannot write test file %s", qPrintable(p));
    }
    return p;
}

QString TempTree::makeFolder(const QString& relative)
{
    const QString p = path(relative);
    QDir().mkpath(p);
    return p;
}
