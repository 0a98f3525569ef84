#include "windows/DialogSetupPrompts.h"

#include <QListWidget>
#include <QMessageBox>

#include "windows/GameTextDisplay.h"

DialogSetupPrompts::DialogSetupPrompts(FileStore& files, QWidget* parent)
    : Form2(parent), Form3(files, parent), Form4(parent), parent_(parent) {}

std::optional<int32_t> DialogSetupPrompts::askRoundType() {
    if (Form2.exec() != QDialog::Accepted) return std::nullopt;
    return Form2.RoundType;
}

void DialogSetupPrompts::clearList() {
    Form3.ListBox1->clear();
}

void DialogSetupPrompts::addListLine(const std::string& name) {
    Form3.addLine(name);
}

std::optional<std::string> DialogSetupPrompts::takeSelectedLine() {
    return Form3.takeSelectedLine();
}

ListAnswer DialogSetupPrompts::askListCommand(CompetitorTable& table) {
    Form3.setTable(&table);
    Form3.exec();
    // The table is the set-up's working copy; the dialog must not keep reaching it.
    Form3.setTable(nullptr);
    return {Form3.Command, Form3.EditIndex};
}

void DialogSetupPrompts::fillEditor(const CompetitorRecord& competitor) {
    Form4.fill(competitor);
}

bool DialogSetupPrompts::askCompetitor(CompetitorRecord& spare) {
    Form4.SpareCompetitor = &spare;
    Form4.exec();
    Form4.SpareCompetitor = nullptr;
    return Form4.Confirmed != 0;
}

void DialogSetupPrompts::showMessage(const Utf8Text& caption, const Utf8Text& text) {
    QMessageBox::warning(parent_, TranslatedGameText(caption), TranslatedGameText(text));
}
