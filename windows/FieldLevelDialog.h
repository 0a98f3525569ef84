#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;
class QShowEvent;
class SessionSettings;

// "Soupeři...": whether the computer archers of a match are those of the archer list or a field
// at the level of the player's handicap. OK keeps the choice in the player's settings when it
// changed; "Storno" and the close box leave everything as it was.
class FieldLevelDialog : public QDialog {
    Q_OBJECT
  public:
    explicit FieldLevelDialog(SessionSettings& settings, QWidget* parent = nullptr);

    QRadioButton* PodleDatabaze = nullptr;  // "Podle databáze střelců"
    QRadioButton* PodleUrovne = nullptr;    // "Podle mé úrovně"
    QLabel* Vysvetleni = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Storno = nullptr;

  public Q_SLOTS:
    void OKClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void retranslate();
    SessionSettings& settings_;
};
