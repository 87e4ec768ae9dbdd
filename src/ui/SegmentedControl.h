#pragma once

// A row of joined, mutually exclusive segments: the segmented picker of the sidebar. Each segment is a
// checkable tool button, so every segment is reached with Tab and chosen with Space.

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
    int currentId() const;
    void setCurrentId(int id);
    QAbstractButton* segment(int id) const;
    int count() const;

Q_SIGNALS:
    // The user chose a segment (also the one already chosen).
    void idClicked(int id);

private:
    void restyle();

    QButtonGroup* m_group;
    QHBoxLayout* m_layout;
};
