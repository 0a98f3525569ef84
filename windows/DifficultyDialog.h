#pragma once

#include <QDialog>

class QGroupBox;
class QKeyEvent;
class QPushButton;
class QRadioButton;
class QShowEvent;
struct MatchState;

// "Obtížnost...": the four difficulty levels. OK makes the selected level the match's Difficulty
// at once (the aiming reads it at its next tick); the close box leaves it as it was, and Esc does
// nothing, since the dialog has no Cancel.
class DifficultyDialog : public QDialog {
    Q_OBJECT
  public:
    explicit DifficultyDialog(MatchState& state, QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    QRadioButton* RB0;     // "Začátečník", Difficulty 3
    QRadioButton* RB1;     // "Amatér", 0
    QRadioButton* RB2;     // "Profesionál", 1
    QRadioButton* RB3;     // "Světová třída", 2
    QPushButton* BitBtn2;  // "Nápověda"
    QPushButton* BitBtn1;  // OK

  public Q_SLOTS:
    void BitBtn1Click();
    void BitBtn2Click();
    // Marks the current level; a level outside 0..3 leaves the last selection.
    void activ();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void retranslate();
    MatchState& state_;
};
