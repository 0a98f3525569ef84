#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "rules/competitors/CompetitorRecord.h"
#include "rules/match/SetupPrompts.h"

class FileStore;
class QListWidget;
class QPushButton;
class QRadioButton;

// The windows ArcherListDialog opens beside itself for loading and saving. The game shows the file
// dialogs and message boxes; tests answer without a screen.
class ArcherFilePrompts {
  public:
    virtual ~ArcherFilePrompts() = default;
    // The file the player chose, or an empty text when the dialog was closed without a choice.
    virtual QString chooseFileToLoad(QWidget* parent, const QString& filter) = 0;
    virtual QString chooseFileToSave(QWidget* parent, const QString& filter) = 0;
    // A modal message with the caption "Chyba !" and an OK button.
    virtual void showError(QWidget* parent, const QString& text) = 0;
};

// "Lukostřelci...": the field of a new match. Loading, saving and the human/computer kind act
// at once on the table it is given; every other button records a Command and closes, and the
// set-up carries the command out. Created once: the list, its selection and the kind buttons
// keep their state between showings.
class ArcherListDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ArcherListDialog(FileStore& files, QWidget* parent = nullptr);
    ~ArcherListDialog() override;

    // The table the dialog works on while it is shown.
    void setTable(CompetitorTable* table) { table_ = table; }
    // Replaces the file dialogs and message boxes; nullptr brings the real ones back.
    void setFilePrompts(ArcherFilePrompts* prompts);

    // The list, sorted in Czech alphabetical order; line texts are cp1250 names.
    void fillList(const CompetitorTable& table);
    void addLine(const std::string& name);
    std::optional<std::string> takeSelectedLine();

    // 0 start, 1 add, 2 remove, 3 edit, 4 remove all, 5 cancel (also Esc and the close box).
    int32_t Command = kListCancel;
    // With Command 3: the first slot named like the selected line, or -1 with none selected.
    int32_t EditIndex = kNoSlot;

    QListWidget* ListBox1;
    QPushButton* Addarch;
    QPushButton* Editarch;
    QPushButton* Removearch;
    QPushButton* Cleararch;
    QRadioButton* Komp;
    QRadioButton* Human;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Okarch;
    QPushButton* BitBtn1;
    QPushButton* Sornoarch;

  public Q_SLOTS:
    void action();
    void klik();
    void dlbklik();
    void KompClick();
    void HumanClick();
    void Button1Click();
    void Button2Click();
    void AddarchClick();
    void EditarchClick();
    void RemovearchClick();
    void CleararchClick();
    void OkarchClick();
    void SornoarchClick();
    void BitBtn1Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void retranslate();
    // The slot of the selected line: the first one bearing its name.
    CompetitorRecord* selectedCompetitor();
    void showKind(const CompetitorRecord& competitor);
    void finish(int32_t command);

    FileStore& files_;
    CompetitorTable* table_ = nullptr;
    std::unique_ptr<ArcherFilePrompts> ownPrompts_;
    ArcherFilePrompts* prompts_;
};
