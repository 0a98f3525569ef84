#pragma once

#include <QDialog>

#include "rules/history/PracticeSummary.h"

class QLabel;
class QPushButton;

// "Výsledek tréninku": each end's score, the total, the average per arrow, tens, nines, misses
// and where the session's arrows grouped. "Znovu" asks for a new session with the same settings.
class PracticeSummaryWindow final : public QDialog {
    Q_OBJECT
  public:
    explicit PracticeSummaryWindow(QWidget* parent = nullptr);

    // Shows `summary` modally; true when the player chose "Znovu".
    bool showSummary(const PracticeSummary& summary);

    QLabel* Vysledek;
    QPushButton* ZnovuButton;
    QPushButton* ZavritButton;  // the default

  private:
    void retranslate();
    static QString text(const PracticeSummary& summary);

    PracticeSummary summary_;
};
