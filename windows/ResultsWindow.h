#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "rules/classification/Classification.h"
#include "rules/match/MatchState.h"
#include "rules/results/Rekordy.h"
#include "rules/results/Results.h"

class FileStore;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// "Výsledky...": the ranking after every distance and the records, shown modally; the text
// shown can be saved as a plain-text file.
class ResultsWindow : public QDialog, private ResultsPage {
    Q_OBJECT
  public:
    ResultsWindow(MatchState& state, FileStore& files, QWidget* parent = nullptr);

    // Runs each time the window closes, by OK or by the close box.
    std::function<void()> onClosing;

    // The ten records, kept for the life of the program.
    RecordTable Records{};

    QPlainTextEdit* RichEdit1;
    QPushButton* BitBtn1;
    QRadioButton* RB1;
    QRadioButton* RB2;
    QPushButton* save;
    QPushButton* BitBtn2;

    // The classes the match just finished earned, congratulated once after the records' own
    // congratulations the next time the results are listed.
    void congratulateOnClasses(std::vector<EarnedClass> earned) {
        classesEarned_ = std::move(earned);
    }

    // The lines now shown, as cp1250 text.
    const std::vector<std::string>& shownLines() const { return shown_; }

  public Q_SLOTS:
    void VypisVysl();
    void RB1Click();
    void RB2Click();
    void BitBtn1Click();
    void saveClick();
    void BitBtn2Click();
    void closingform();

  protected:
    void showEvent(QShowEvent* event) override;

    // The file name the player picked in the save dialog; empty when cancelled.
    virtual QString askSaveFileName();
    // A modal message box with an OK button only.
    virtual void showMessage(QMessageBox::Icon icon, const QString& caption, const QString& text);

  private:
    void clear() override;
    void appendLine(const std::string& line) override;
    void congratulate(const std::string& text) override;
    void selectResultsOption();
    void retranslate();

    MatchState& state_;
    FileStore& files_;
    std::vector<std::string> shown_;
    std::vector<EarnedClass> classesEarned_;
};
