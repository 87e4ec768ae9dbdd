#pragma once

// A row of joined, mutually exclusive segments: the segmented picker of the sidebar. Each segment is a
// checkable tool button in an exclusive group, so, as in a group of radio buttons, Tab reaches the
// chosen segment and the arrow keys choose another.

#include <QButtonGroup>
#include <QString>
#include <QWidget>

class QAbstractButton;
class QHBoxLayout;

class SegmentedControl : public QWidget
{
    Q_OBJECT

public:
    explicit SegmentedControl(QWidget* parent = nullptr);

    void addSegment(const QString& text, int id);
    // Takes every segment away.
    void clear();
    int currentId() const;
    void setCurrentId(int id);
    QAbstractButton* segment(int id) const;
    // The segments from left to right.
    QList<QAbstractButton*> segments() const;
    int count() const;
    // What the choice is about, for assistive tools: the control's name, and each segment's
    // description.
    void setTitle(const QString& title, const QString& description);

Q_SIGNALS:
    // The user chose a segment (also the one already chosen).
    void idClicked(int id);

private:
    void restyle();

    QButtonGroup* m_group;
    QHBoxLayout* m_layout;
};
