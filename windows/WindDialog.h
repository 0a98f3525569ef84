#pragma once

#include <QDialog>
#include <array>

class GameSession;
class QLabel;
class QPushButton;
class QRadioButton;
class QShowEvent;

// "Vítr": how the wind blows on the range, from the next arrow on. OK keeps the choice in the
// player's settings; "Storno" and the close box leave everything as it was.
class WindDialog : public QDialog {
    Q_OBJECT
  public:
    explicit WindDialog(GameSession& session, QWidget* parent = nullptr);

    QRadioButton* Bezvetri = nullptr;    // "Bezvětří"
    QRadioButton* Slaby = nullptr;       // "Slabý vítr"
    QRadioButton* Promenlivy = nullptr;  // "Proměnlivý vítr"
    QRadioButton* Silny = nullptr;       // "Silný vítr"
    QLabel* Vysvetleni = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Storno = nullptr;

  public Q_SLOTS:
    void OKClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void retranslate();
    // By WindLevel.
    std::array<QRadioButton*, 4> levels() const { return {Bezvetri, Slaby, Promenlivy, Silny}; }
    GameSession& session_;
};
