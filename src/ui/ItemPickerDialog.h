#pragma once

// The open dialog that chooses image files and folders together, several at once. The desktop's own
// dialogs choose either files or folders, so this is Qt's dialog with "Open" accepting whatever is
// selected: folders are taken as they are (double-click still opens them), files only when their
// extension is one of the image types offered.

#include <QFileDialog>
#include <QList>
#include <QStringList>
#include <QUrl>

class ItemPickerDialog : public QFileDialog
{
    Q_OBJECT

public:
    explicit ItemPickerDialog(QWidget* parent = nullptr);

    static QString title();
    // The extensions of the files offered, lower case, without the dot.
    static QStringList imageExtensions();
    static QStringList rawCameraExtensions();
    // The chosen items after acceptance: folders marked as folders, in the dialog's order.
    QList<QUrl> chosenItems() const { return m_chosen; }
    // Turns selected paths into queue locations; paths that are neither a folder nor an offered image
    // are left out.
    static QList<QUrl> toItems(const QStringList& paths);

public Q_SLOTS:
    void accept() override;

private:
    QList<QUrl> m_chosen;
};
