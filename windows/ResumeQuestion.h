#pragma once

#include <QMessageBox>

class QPushButton;
struct ResumableOffer;

// "Rozehraný zápas": whether to go on with the match the history holds unfinished, named by its
// round, the distance and end shot next and when it began.
class ResumeQuestion final : public QMessageBox {
    Q_OBJECT
  public:
    explicit ResumeQuestion(const ResumableOffer& offer, QWidget* parent = nullptr);

    // True for "Pokračovat", the default; false for "Později" or the close box.
    bool ask();

    QPushButton* Pokracovat;
    QPushButton* Pozdeji;
};
