#pragma once

// What the program is: its icon, name, version and licence, and the service's pages. Opened from the
// sidebar's link row, since the window has no menus.

#include <QDialog>

class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

    static QString title();
};
