#pragma once

#include <QDialog>
#include <vector>

#include "rules/history/History.h"
#include "rules/settings/PlayerSettings.h"
#include "windows/ArcherNameBox.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// "Souboje...": who shoots the bracket, in which division's list, how large it is, how strong
// the field and whether against the clock. The fields come from the last values the player
// confirmed; OK keeps the new ones.
class BoutsDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit BoutsDialog(QWidget* parent = nullptr);

    // Fills the fields from `last` (already in range) and offers the archers of the history.
    void prepare(const BoutSettings& last, const std::vector<KnownArcher>& known);
    BoutSettings chosen() const;
    // The club the history gives the archer chosen; empty for a new name.
    QString club() const;

    ArcherNameBox* Lukostrelec;
    QComboBox* Kategorie;    // "Muži", "Ženy"
    QComboBox* Pavouk;       // 8, 16, 32 archers
    QComboBox* Souperi;      // from the list's values, or at the player's level
    QCheckBox* CasovyLimit;  // two minutes a set
    QPushButton* OKButton;   // the default
    QPushButton* StornoButton;

  public Q_SLOTS:
    void OKClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void retranslate();

    QLabel* archerLabel_ = nullptr;
    QLabel* divisionLabel_ = nullptr;
    QLabel* bracketLabel_ = nullptr;
    QLabel* fieldLabel_ = nullptr;
    QLabel* limitHint_ = nullptr;
};
