#pragma once

// The window's content: the options sidebar on the left, a divider, and the queue pane (header, job
// list, footer) taking the rest. It reads and changes the system only through the shared view model;
// its one state of its own is whether the API key is shown in plain text, false for every new view.

#include <QWidget>

class AppViewModel;
class JobListView;
class QueueHeader;
class Sidebar;
class Spinner;

class ContentView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool apiKeyPreview READ apiKeyPreview WRITE setApiKeyPreview NOTIFY apiKeyPreviewChanged)

public:
    static constexpr int minimumWidth = 980;
    static constexpr int minimumHeight = 620;

    explicit ContentView(AppViewModel* model, QWidget* parent = nullptr);

    AppViewModel* model() const { return m_model; }
    bool apiKeyPreview() const { return m_apiKeyPreview; }
    void setApiKeyPreview(bool value);

    // Shows the open dialog and queues what the user chose; nothing on cancel.
    void pickItems();

Q_SIGNALS:
    void apiKeyPreviewChanged();

private:
    QWidget* makeQueuePane();

    AppViewModel* m_model;
    bool m_apiKeyPreview = false;
    Sidebar* m_sidebar = nullptr;
    JobListView* m_jobsList = nullptr;
    Spinner* m_spinner = nullptr;
};
