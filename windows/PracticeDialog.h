#pragma once

#include <QDialog>
#include <QStringList>

#include <vector>

#include "rules/history/History.h"
#include "rules/settings/PlayerSettings.h"
#include "windows/ArcherNameBox.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

// "Trénink...": who shoots, at which distance, how many ends and whether against the clock.
// The fields come from the last values the player confirmed; OK keeps the new ones.
class PracticeDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit PracticeDialog(QWidget* parent = nullptr);

    // Fills the fields from `last` (already in range) and offers the archers of the history.
    void prepare(const PracticeSettings& last, const std::vector<KnownArcher>& known);
    // What the player confirmed; `secondsPerEnd` stays 0 while he has not chosen a limit.
    PracticeSettings chosen() const;
    // The club the history gives the archer chosen; empty for a new name.
    QString club() const;

    ArcherNameBox* Lukostrelec;
    QComboBox* Vzdalenost;   // 90, 70, 60, 50, 30 m
    QSpinBox* PocetSad;      // 1..12
    QCheckBox* CasovyLimit;  // the end clock
    QSpinBox* SekundNaSadu;  // 10..600, with the clock only
    QPushButton* OKButton;   // the default
    QPushButton* StornoButton;

  public Q_SLOTS:
    void OKClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void retranslate();
    int32_t distance() const;
    void distanceChanged();

    QLabel* archerLabel_ = nullptr;
    QLabel* distanceLabel_ = nullptr;
    QLabel* endsLabel_ = nullptr;
    QLabel* secondsLabel_ = nullptr;
    bool secondsChosen_ = false;
    bool proposing_ = false;
};
