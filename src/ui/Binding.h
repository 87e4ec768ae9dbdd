#pragma once

// Two-way bindings between controls and properties of the view model. A user's edit reaches the model
// at once; a change of the model shows in the control at once. Only user actions (textEdited, clicked,
// activated) write to the model, and the control is updated only when it shows something else, so the
// two directions never feed each other and a line edit keeps its cursor while the user types.

#include "model/RawValueEnum.h"
#include "ui/SegmentedControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QString>

namespace Binding {

template <typename Model>
void bindText(QLineEdit* edit, Model* model, QString (Model::*get)() const, void (Model::*set)(const QString&),
              void (Model::*changed)())
{
    edit->setText((model->*get)());
    QObject::connect(edit, &QLineEdit::textEdited, model, [model, set](const QString& text) { (model->*set)(text); });
    QObject::connect(model, changed, edit, [edit, model, get] {
        const QString value = (model->*get)();
        if (edit->text() != value) {
            edit->setText(value);
        }
    });
}

template <typename Model>
void bindChecked(QCheckBox* box, Model* model, bool (Model::*get)() const, void (Model::*set)(bool),
                 void (Model::*changed)())
{
    box->setChecked((model->*get)());
    QObject::connect(box, &QCheckBox::clicked, model, [model, set](bool checked) { (model->*set)(checked); });
    QObject::connect(model, changed, box, [box, model, get] {
        const bool value = (model->*get)();
        if (box->isChecked() != value) {
            box->setChecked(value);
        }
    });
}

// Segments and combo box entries carry the enumeration's raw value as their id.
template <typename Model, typename Enum>
void bindSelection(SegmentedControl* picker, Model* model, Enum (Model::*get)() const, void (Model::*set)(Enum),
                   void (Model::*changed)())
{
    picker->setCurrentId(rawValue((model->*get)()));
    QObject::connect(picker, &SegmentedControl::idClicked, model, [model, set](int id) {
        if (const auto value = fromRawValue<Enum>(id)) {
            (model->*set)(*value);
        }
    });
    QObject::connect(model, changed, picker, [picker, model, get] {
        const int id = rawValue((model->*get)());
        if (picker->currentId() != id) {
            picker->setCurrentId(id);
        }
    });
}

template <typename Model, typename Enum>
void bindSelection(QComboBox* picker, Model* model, Enum (Model::*get)() const, void (Model::*set)(Enum),
                   void (Model::*changed)())
{
    const auto show = [picker, model, get] {
        const int index = picker->findData(rawValue((model->*get)()));
        if (picker->currentIndex() != index) {
            picker->setCurrentIndex(index);
        }
    };
    show();
    QObject::connect(picker, &QComboBox::activated, model, [picker, model, set](int index) {
        if (const auto value = fromRawValue<Enum>(picker->itemData(index).toInt())) {
            (model->*set)(*value);
        }
    });
    QObject::connect(model, changed, picker, show);
}

// A spin box says nothing of who changed it, so the model's own changes are shown with its signals
// blocked.
template <typename Model>
void bindValue(QSpinBox* box, Model* model, int (Model::*get)() const, void (Model::*set)(int),
               void (Model::*changed)())
{
    box->setValue((model->*get)());
    QObject::connect(box, &QSpinBox::valueChanged, model, [model, set](int value) { (model->*set)(value); });
    QObject::connect(model, changed, box, [box, model, get] {
        const int value = (model->*get)();
        if (box->value() != value) {
            const QSignalBlocker quiet(box);
            box->setValue(value);
        }
    });
}

} // namespace Binding
