#pragma once

// The program's one window.

#include <QMainWindow>

class AppViewModel;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(AppViewModel* model, QWidget* parent = nullptr);

private:
    AppViewModel* m_model;
};
