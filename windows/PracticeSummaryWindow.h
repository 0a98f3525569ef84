#pragma once

#include <QDialog>

#include <vector>

#include "rules/classification/Classification.h"
#include "rules/history/PracticeSummary.h"

class QLabel;
class QPushButton;

// "Výsledek tréninku": each end's score, the total, the average per arrow, tens, nines, misses
// and where the session's arrows grouped. "Znovu" asks for a new session with the same settings.
class PracticeSummaryWindow final : public QDialog {
    Q_OBJECT
  public:
    explicit PracticeSummaryWindow(QWidget* parent = nullptr);

    // Shows `summary`, and the class the session earned, modally; true when the player chose
    // "Znovu".
    bool showSummary(const PracticeSummary& summary, std::vector<EarnedClass> earned = {});

    QLabel* Vysledek;
    QPushButton* ZnovuButton;
    QPushButton* ZavritButton;  // the default

  private:
    void retranslate();
    QString text() const;

    PracticeSummary summary_;
    std::vector<EarnedClass> earned_;
};
