#pragma once

#include <QDialog>

#include "rules/bouts/BracketScreen.h"

class QGridLayout;
class QLabel;
class QPushButton;
class QScrollArea;

// "Pavouk": every round of the bracket side by side, each bout with its archers and their set
// points, the player's path standing out; once the bracket is over, the final places.
class BracketWindow final : public QDialog {
    Q_OBJECT
  public:
    explicit BracketWindow(QWidget* parent = nullptr);

    // Shows the bracket as it stands, modally.
    void showBracket(const BracketView& view);

    QScrollArea* Pavouk = nullptr;
    QLabel* Poradi = nullptr;  // the final places
    QPushButton* OKButton = nullptr;

  private:
    void retranslate();
    void fill(const BracketView& view);

    QWidget* rounds_ = nullptr;
    QGridLayout* grid_ = nullptr;
};
