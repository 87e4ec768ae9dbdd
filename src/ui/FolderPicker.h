#pragma once

// Asks the user for the folder that results go to. The one place the window opens that dialog, and
// the seam tests use: with a next result set, pick() returns it at once instead of showing a modal
// dialog, so a test never waits on a window no one will close.

#include <QString>

#include <optional>

class QWidget;

class FolderPicker
{
public:
    static FolderPicker* instance();

    // The folder chosen, or nothing when cancelled; the dialog opens in `start` while it exists.
    std::optional<QString> pick(QWidget* parent, const QString& start);

    // Tests: the answer of the next pick(), given without a dialog. Nothing stands for Cancel.
    void setNextResult(std::optional<QString> result);
    int pickCount() const { return m_pickCount; }

private:
    FolderPicker() = default;

    bool m_hasNextResult = false;
    std::optional<QString> m_nextResult;
    int m_pickCount = 0;
};
