#pragma once

// Asks the user for image files and folders to queue. The one place the window opens its dialog, and
// the seam tests use: with a next result set, pick() returns it at once instead of showing a modal
// dialog, so a test never waits on a window no one will close.

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

class QWidget;

class ItemPicker
{
public:
    static ItemPicker* instance();

    // The chosen items in the dialog's order (folders marked as folders), or nothing when cancelled.
    // The dialog opens in folder() and leaves there the folder it was in when it closed.
    std::optional<QList<QUrl>> pick(QWidget* parent);
    // Where the dialog opens: the folder given, while it exists, else the Pictures folder, else home.
    QString folder() const { return m_folder; }
    void setFolder(const QString& folder) { m_folder = folder; }

    // Tests: the answer of the next pick(), given without a dialog. Nothing stands for Cancel.
    void setNextResult(std::optional<QList<QUrl>> result);
    int pickCount() const { return m_pickCount; }

private:
    ItemPicker() = default;

    bool m_hasNextResult = false;
    std::optional<QList<QUrl>> m_nextResult;
    int m_pickCount = 0;
    QString m_folder;
};
