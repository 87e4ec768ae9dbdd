#pragma once

// The program's one window: titled, with the program's icon, at least 980 × 620, showing a ContentView
// over the shared view model. No menus, toolbars or status bar; Ctrl+Q quits and Ctrl+W closes. The end
// of a long run while the user is elsewhere is announced on the desktop.

#include <QMainWindow>

class AppViewModel;
class ContentView;
class RunNotifier;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(AppViewModel* model, QWidget* parent = nullptr);

    // Where the window starts: room for a queue beside the sidebar, and for the sidebar to show the resize
    // fields without the window having to grow.
    QSize sizeHint() const override;

    ContentView* contentView() const { return m_content; }
    RunNotifier* runNotifier() const { return m_runNotifier; }

private:
    ContentView* m_content;
    RunNotifier* m_runNotifier;
};
