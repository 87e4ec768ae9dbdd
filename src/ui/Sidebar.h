#pragma once

// The options column of the window: where images are optimized (on this computer, or by the service
// with the API key, whose field is shown only then), every option of a request, and the actions that
// add images and start or stop a run. Every control is bound to the view model; the sidebar keeps no copy
// of a setting. Whether the key is shown in plain text is the window's state (ContentView), which the
// sidebar shows and asks to flip.

#include <QWidget>

class AppViewModel;
class FilledButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class SegmentedControl;

class Sidebar : public QWidget
{
    Q_OBJECT

public:
    static constexpr int contentWidth = 320;

    explicit Sidebar(AppViewModel* model, QWidget* parent = nullptr);

    // Masked (false) or plain (true) key field, with the eye button's icon and tooltip to match.
    void setApiKeyShown(bool shown);
    // The sidebar's controls in the order Tab visits them.
    QList<QWidget*> focusChain() const;

Q_SIGNALS:
    void apiKeyVisibilityToggled();
    void addRequested();
    void aboutRequested();

private:
    QWidget* makeTitle();
    QWidget* makeEngineBlock();
    QWidget* makeApiKeyBlock();
    QWidget* makeCompressionBlock();
    QWidget* makeFormatsBlock();
    QWidget* makeResizeBlock();
    QWidget* makeOptionsBlock();
    QWidget* makeResultsBlock();
    // Shows where results go; asks for the folder when "In a folder…" is chosen without one.
    void showResultsPlace();
    void choosePlace(int index);
    QWidget* makeActionBlock();
    void refreshActions();
    // Marks the resize fields at fault and says why, or unmarks them; `shown` keeps the marks up to date
    // while the user mends them.
    void showResizeProblem(int problem);
    void followResizeProblem();

    AppViewModel* m_model;
    QWidget* m_apiKeyBlock = nullptr;
    QLineEdit* m_apiKeyField = nullptr;
    QToolButton* m_visibilityButton = nullptr;
    QWidget* m_resizeFields = nullptr;
    QLineEdit* m_widthField = nullptr;
    QLineEdit* m_heightField = nullptr;
    QLabel* m_resizeMessage = nullptr;
    QComboBox* m_placePicker = nullptr;
    QLabel* m_resultsFolderLabel = nullptr;
    FilledButton* m_optimizeButton = nullptr;
    FilledButton* m_stopButton = nullptr;
};
