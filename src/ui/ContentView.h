#pragma once

// The window's content: the options sidebar on the left, a divider, and the queue pane (header, job
// list, footer) taking the rest. It reads and changes the system only through the shared view model;
// its one state of its own is whether the API key is shown in plain text, false for every new view.
//
// Image files and folders dropped anywhere on it are queued as if chosen in the open dialog; a drag
// that carries nothing of the kind is refused.

#include <QPointer>
#include <QUuid>
#include <QWidget>

class AboutDialog;
class AppViewModel;
class CompareWindow;
class FileManager;
class JobListView;
class QDropEvent;
class QMimeData;
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

    QSize minimumSizeHint() const override;

    AppViewModel* model() const { return m_model; }
    bool apiKeyPreview() const { return m_apiKeyPreview; }
    void setApiKeyPreview(bool value);

    // Shows the open dialog and queues what the user chose; nothing on cancel.
    void pickItems();
    // Shows the About dialog, or raises the one already open.
    void showAbout();
    // Opens the comparison of a done job's source with its results, in the window already open if any.
    void compare(const QUuid& id);
    CompareWindow* compareWindow() const;
    FileManager* fileManager() const { return m_files; }

    // The queue locations that a drag carries: the local images and folders the open dialog would
    // offer, folders marked as folders.
    static QList<QUrl> droppedItems(const QMimeData* mime);

Q_SIGNALS:
    void apiKeyPreviewChanged();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeQueuePane();
    // True when the drag is taken here; `drop` queues what it carries.
    bool takeDrag(QDropEvent* event, bool drop);
    void setDropActive(bool active);

    AppViewModel* m_model;
    bool m_apiKeyPreview = false;
    // Whether the drag over the window, when it came in, carried anything to queue.
    bool m_dragCarriesItems = false;
    Sidebar* m_sidebar = nullptr;
    QueueHeader* m_header = nullptr;
    JobListView* m_jobsList = nullptr;
    Spinner* m_spinner = nullptr;
    QPointer<AboutDialog> m_about;
    QPointer<CompareWindow> m_compare;
    FileManager* m_files;
};
