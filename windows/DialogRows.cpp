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

void SetTabChain(std::initializer_list<QWidget*> controls) {
    const auto* const control = controls.begin();
    for (std::size_t i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(control[i - 1], control[i]);
}
