#include "ui/SegmentedControl.h"

#include <QHBoxLayout>
#include <QToolButton>

SegmentedControl::SegmentedControl(QWidget* parent)
    : QWidget(parent)
    , m_group(new QButtonGroup(this))
    , m_layout(new QHBoxLayout(this))
{
    m_group->setExclusive(true);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(m_group, &QButtonGroup::idClicked, this, &SegmentedControl::idClicked);
}

void SegmentedControl::addSegment(const QString& text, int id)
{
    auto* button = new QToolButton(this);
    button->setText(text);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setMinimumHeight(24);
    m_group->addButton(button, id);
    m_layout->addWidget(button, 1);
    restyle();
}

void SegmentedControl::clear()
{
    for (QAbstractButton* button : m_group->buttons()) {
        m_group->removeButton(button);
        delete button;
    }
}

int SegmentedControl::currentId() const
{
    return m_group->checkedId();
}

void SegmentedControl::setCurrentId(int id)
{
    if (QAbstractButton* button = m_group->button(id)) {
        button->setChecked(true);
    }
}

QAbstractButton* SegmentedControl::segment(int id) const
{
    return m_group->button(id);
}

QList<QAbstractButton*> SegmentedControl::segments() const
{
    // The group keeps its buttons in the order they were added, which is the order they are shown.
    return m_group->buttons();
}

void SegmentedControl::setTitle(const QString& title, const QString& description)
{
    setAccessibleName(title);
    setAccessibleDescription(description);
    for (QAbstractButton* button : m_group->buttons()) {
        button->setAccessibleDescription(title + QStringLiteral(": ") + description);
    }
}

int SegmentedControl::count() const
{
    return static_cast<int>(m_group->buttons().size());
}

void SegmentedControl::restyle()
{
    // Joined segments: outer corners rounded, a shared border between neighbours, the chosen segment
    // filled with the highlight color.
    const QList<QAbstractButton*> buttons = m_group->buttons();
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const bool first = i == 0;
        const bool last = i == buttons.size() - 1;
        const QString radius = QStringLiteral("border-top-left-radius: %1px; border-bottom-left-radius: %1px;"
                                              "border-top-right-radius: %2px; border-bottom-right-radius: %2px;")
                                   .arg(first ? 6 : 0)
                                   .arg(last ? 6 : 0);
        buttons.at(i)->setStyleSheet(
            QStringLiteral("QToolButton { border: 1px solid palette(mid); %1 %2 background: palette(button);"
                           " padding: 3px 8px; color: palette(button-text); }"
                           "QToolButton:checked { background: palette(highlight); color: palette(highlighted-text);"
                           " border-color: palette(highlight); }"
                           "QToolButton:focus { border: 2px solid palette(highlight); }")
                .arg(radius, first ? QString() : QStringLiteral("border-left: none;")));
    }
}
