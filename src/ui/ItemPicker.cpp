#include "ui/ItemPicker.h"

#include "ui/ItemPickerDialog.h"

#include <QDir>
#include <QStandardPaths>

#include <utility>

ItemPicker* ItemPicker::instance()
{
    static ItemPicker picker;
    return &picker;
}

std::optional<QList<QUrl>> ItemPicker::pick(QWidget* parent)
{
    ++m_pickCount;
    if (m_hasNextResult) {
        m_hasNextResult = false;
        return std::exchange(m_nextResult, std::nullopt);
    }
    if (m_folder.isEmpty() || !QDir(m_folder).exists()) {
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        m_folder = QDir(pictures).exists() ? pictures : QDir::homePath();
    }
    ItemPickerDialog dialog(parent);
    dialog.setDirectory(m_folder);
    const int answer = dialog.exec();
    m_folder = dialog.directory().absolutePath();
    if (answer != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.chosenItems();
}

void ItemPicker::setNextResult(std::optional<QList<QUrl>> result)
{
    m_hasNextResult = true;
    m_nextResult = std::move(result);
}
