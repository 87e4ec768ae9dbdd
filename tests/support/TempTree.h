#pragma once

// A temporary folder for one test, with helpers to lay out files and folders in it. Removed with
// everything in it when the object goes.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

class TempTree
{
public:
    TempTree();

    bool isValid() const { return m_dir.isValid(); }
    QString root() const { return m_dir.path(); }
    // Absolute path of `relative` inside the tree.
    QString path(const QString& relative) const;
    QUrl fileUrl(const QString& relative) const;
    // The folder's location marked as a folder (path ending in "/").
    QUrl folderUrl(const QString& relative = {}) const;

    // Writes a file, creating the folders above it. Returns its absolute path.
    QString writeFile(const QString& relative, const QByteArray& content = QByteArrayLiteral("x"));
    QString makeFolder(const QString& relative);

private:
    QTemporaryDir m_dir;
};
