#pragma once

// The queue's list: one painted row per job, no drag gesture. A job leaves the list only through its
// remove button (mouse, or Space or Delete on the current row), its menu, or the clear buttons of the
// header. A done job opens its comparison with a double-click or Enter; its menu (right click, the
// Menu key) compares, opens each file and shows it in its folder. Rows can be chosen (click, Shift and
// Ctrl) to be optimized again, from the menu or with Ctrl+R, whatever their results. Thumbnails of the sources
// are asked for the rows on screen only. While the queue is empty it says that images can be dropped on
// it, and while a drag that the window takes is over the window it shows itself as the drop target.

#include <QKeySequence>
#include <QListView>
#include <QUrl>
#include <QUuid>

class JobRowDelegate;
class QMenu;
class ThumbnailCache;

class JobListView : public QListView
{
    Q_OBJECT

public:
    explicit JobListView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    JobRowDelegate* rowDelegate() const { return m_delegate; }
    ThumbnailCache* thumbnails() const { return m_thumbnails; }
    // Takes the cache the rows' thumbnails come from; the list keeps it.
    void setThumbnails(ThumbnailCache* thumbnails);
    // The source files of the rows on screen, top to bottom.
    QStringList visibleSources() const;
    // What can be done with a row's job, as its menu offers it; the menu is the list's until the next.
    QMenu* rowMenu(const QModelIndex& index);
    // The jobs "Optimize again" is for: the chosen rows, or the current one when none is chosen.
    QList<QUuid> chosenJobs() const;

    static QKeySequence optimizeAgainKey();
    static QString emptyHint();
    bool isShowingEmptyHint() const;
    bool dropHighlighted() const { return m_dropHighlighted; }
    void setDropHighlighted(bool highlighted);

Q_SIGNALS:
    void removeRequested(const QUuid& id);
    void compareRequested(const QUuid& id);
    void optimizeAgainRequested(const QList<QUuid>& ids);
    void openRequested(const QUrl& file);
    void showInFolderRequested(const QList<QUrl>& files);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    int rowHeightOf(const QModelIndex& index);
    int laidOutHeight(int row) const;

    void thumbnailReady(const QString& path);

    JobRowDelegate* m_delegate;
    ThumbnailCache* m_thumbnails = nullptr;
    QMenu* m_menu = nullptr;
    bool m_dropHighlighted = false;
};
