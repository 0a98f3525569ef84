#pragma once

#include "rules/match/SetupPrompts.h"
#include "windows/ArcherEditor.h"
#include "windows/ArcherListDialog.h"
#include "windows/RoundTypeDialog.h"

class FileStore;

// The set-up's dialogs on the screen, each shown modally over `parent`. The three dialogs are
// created here once, in the order RoundTypeDialog, ArcherListDialog, ArcherEditor, and keep their
// state for as long as this object lives; it must not outlive `parent` (the main window holds it as
// a member).
class DialogSetupPrompts final : public SetupPrompts {
  public:
    DialogSetupPrompts(FileStore& files, QWidget* parent);

    std::optional<int32_t> askRoundType() override;
    void clearList() override;
    void addListLine(const std::string& name) override;
    std::optional<std::string> takeSelectedLine() override;
    ListAnswer askListCommand(CompetitorTable& table) override;
    void fillEditor(const CompetitorRecord& competitor) override;
    bool askCompetitor(CompetitorRecord& spare) override;
    void showMessage(const Utf8Text& caption, const Utf8Text& text) override;

    RoundTypeDialog Form2;
    ArcherListDialog Form3;
    ArcherEditor Form4;

  private:
    QWidget* parent_;
};
