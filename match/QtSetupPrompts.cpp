#include "match/QtSetupPrompts.h"

#include <QListWidget>
#include <QMessageBox>

#include "shell/QtText.h"

QtSetupPrompts::QtSetupPrompts(FileStore& files, QWidget* parent)
    : Form2(parent), Form3(files, parent), Form4(parent), parent_(parent) {}

std::optional<int32_t> QtSetupPrompts::askRoundType() {
    if (Form2.exec() != QDialog::Accepted) return std::nullopt;
    return Form2.RoundType;
}

void QtSetupPrompts::clearList() {
    Form3.ListBox1->clear();
}

void QtSetupPrompts::addListLine(const std::string& name) {
    Form3.addLine(name);
}

std::optional<std::string> QtSetupPrompts::takeSelectedLine() {
    return Form3.takeSelectedLine();
}

ListAnswer QtSetupPrompts::askListCommand(CompetitorTable& table) {
    Form3.setTable(&table);
    Form3.exec();
    // The table is the set-up's working copy; the dialog must not keep reaching it.
    Form3.setTable(nullptr);
    return {Form3.Command, Form3.EditIndex};
}

void QtSetupPrompts::fillEditor(const CompetitorRecord& competitor) {
    Form4.fill(competitor);
}

bool QtSetupPrompts::askCompetitor(CompetitorRecord& spare) {
    Form4.SpareCompetitor = &spare;
    Form4.exec();
    Form4.SpareCompetitor = nullptr;
    return Form4.Confirmed != 0;
}

void QtSetupPrompts::showMessage(const std::string& caption, const std::string& text) {
    QMessageBox::warning(parent_, fromCp1250(caption), fromCp1250(text));
}
