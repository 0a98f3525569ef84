#pragma once

#include "competitors/Unit2.h"
#include "competitors/Unit3.h"
#include "competitors/Unit4.h"
#include "match/SetupPrompts.h"

class FileStore;

// The set-up's dialogs on the screen, each shown modally over `parent`. The three dialogs are
// created here once, in the order TForm2, TForm3, TForm4, and keep their state for as long as
// this object lives; it must not outlive `parent` (the main window holds it as a member).
class QtSetupPrompts final : public SetupPrompts {
  public:
    QtSetupPrompts(FileStore& files, QWidget* parent);

    std::optional<int32_t> askRoundType() override;
    void clearList() override;
    void addListLine(const std::string& name) override;
    std::optional<std::string> takeSelectedLine() override;
    ListAnswer askListCommand(CompetitorTable& table) override;
    void fillEditor(const CompetitorRecord& competitor) override;
    bool askCompetitor(CompetitorRecord& spare) override;
    void showMessage(const std::string& caption, const std::string& text) override;

    TForm2 Form2;
    TForm3 Form3;
    TForm4 Form4;

  private:
    QWidget* parent_;
};
