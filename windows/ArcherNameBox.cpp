#include "windows/ArcherNameBox.h"

#include <QLineEdit>

#include "platform/QtCp1250Validator.h"
#include "rules/competitors/CompetitorRecord.h"
#include "rules/history/PracticeArchers.h"

ArcherNameBox::ArcherNameBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMinimumContentsLength(static_cast<int>(kNameLength));
    setValidator(new QtCp1250Validator(static_cast<int>(kNameLength), this));
}

void ArcherNameBox::offer(const std::vector<KnownArcher>& known, const std::string& last) {
    clear();
    for (const ArcherKey& a : PracticeArchers(known)) {
        addItem(QString::fromStdString(a.name.bytes()), QString::fromStdString(a.club.bytes()));
    }
    setEditText(QString::fromStdString(last));
}

QString ArcherNameBox::name() const {
    return currentText().trimmed();
}

QString ArcherNameBox::club() const {
    const int known = findText(name());
    return known < 0 ? QString() : itemData(known).toString();
}

void ArcherNameBox::takeFocus() {
    setFocus();
    lineEdit()->selectAll();
}
