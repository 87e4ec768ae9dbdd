#pragma once

// The queue's list: one painted row per job, no selection, no context menu, no drag or delete gesture.
// A job leaves the list only through its remove button (mouse, or Space/Return on the current row)
// or the clear buttons of the header. While the queue is empty it says that images can be dropped on
// it, and while a drag that the window takes is over the window it shows itself as the drop target.

#include <QListView>
#include <QUuid>

class JobRowDelegate;

class JobListView : public QListView
{
    Q_OBJECT

public:
    explicit JobListView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    JobRowDelegate* rowDelegate() const { return m_delegate; }

    static QString emptyHint();
    bool isShowingEmptyHint() const;
    bool dropHighlighted() const { return m_dropHighlighted; }
    void setDropHighlighted(bool highlighted);

Q_SIGNALS:
    void removeRequested(const QUuid& id);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int rowHeightOf(const QModelIndex& index);
    int laidOutHeight(int row) const;

    JobRowDelegate* m_delegate;
    bool m_dropHighlighted = false;
};
