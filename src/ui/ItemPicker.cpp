#include "ItemPicker.h"

#include "ItemPickerDialog.h"

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
    ItemPickerDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.chosenItems();
}

void ItemPicker::setNextResult(std::optional<QList<QUrl>> result)
{
    m_hasNextResult = true;
    m_nextResult = std::move(result);
}
