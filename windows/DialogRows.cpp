#include "windows/DialogRows.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

QHBoxLayout* ButtonsAtRight(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QWidget* button : buttons) row->addWidget(button);
    return row;
}

QLabel* AddLabelledRow(QFormLayout* form, QWidget* field) {
    auto* label = new QLabel(field->parentWidget());
    label->setBuddy(field);
    form->addRow(label, field);
    return label;
}
