#pragma once

#include <QDialog>
#include <cstdint>

class QGroupBox;
class QPushButton;
class QRadioButton;

// "Typ závodů": the round and the gender of a new match. Created once; the radio buttons keep
// the last choice from one showing to the next.
class RoundTypeDialog : public QDialog {
    Q_OBJECT
  public:
    explicit RoundTypeDialog(QWidget* parent = nullptr);

    // 0 before the first OK, then 1 short round men, 2 short women, 3 full men, 4 full women.
    // Only OK changes it.
    int32_t RoundType = 0;

    QGroupBox* GroupBox1;
    QRadioButton* VEXAKr;
    QRadioButton* VEXA;
    QGroupBox* GroupBox2;
    QRadioButton* Muzi;
    QRadioButton* Zeny;
    QPushButton* BitOuKey;
    QPushButton* BitStorno;
    QPushButton* BitBtn1;

  public Q_SLOTS:
    void BitOuKeyClick();
    void BitBtn1Click();

  private:
    void retranslate();
};
