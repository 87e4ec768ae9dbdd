#include "ui/FolderPicker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include <utility>

FolderPicker* FolderPicker::instance()
{
    static FolderPicker picker;
    return &picker;
}

std::optional<QString> FolderPicker::pick(QWidget* parent, const QString& start)
{
    ++m_pickCount;
    if (m_hasNextResult) {
        m_hasNextResult = false;
        return std::exchange(m_nextResult, std::nullopt);
    }
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString folder = !start.isEmpty() && QDir(start).exists() ? start
                           : QDir(pictures).exists()                ? pictures
                                                                    : QDir::homePath();
    const QString chosen = QFileDialog::getExistingDirectory(
        parent, QCoreApplication::translate("FolderPicker", "Folder for the Results"), folder);
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return QDir::cleanPath(chosen);
}

void FolderPicker::setNextResult(std::optional<QString> result)
{
    m_hasNextResult = true;
    m_nextResult = std::move(result);
}
