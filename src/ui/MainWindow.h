#pragma once

// The program's one window: titled, with the program's icon, at least 980 × 620, showing a ContentView
// over the shared view model. No menus, toolbars or status bar.

#include <QMainWindow>

class AppViewModel;
class ContentView;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(AppViewModel* model, QWidget* parent = nullptr);

    ContentView* contentView() const { return m_content; }

private:
    ContentView* m_content;
};
