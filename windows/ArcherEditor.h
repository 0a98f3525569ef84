#pragma once

#include <QDialog>
#include <QSpinBox>
#include <cstdint>

#include "rules/competitors/CompetitorRecord.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// A performance value, 5 .. 94. Only a sign and digits can be typed; whatever is left in the
// field when it is left or confirmed becomes a value in range: no number reads as the lowest
// value, a number outside as the nearer bound.
class TCSpinEdit final : public QSpinBox {
    Q_OBJECT
  public:
    explicit TCSpinEdit(QWidget* parent = nullptr);

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};

// "Údaje o lukostřelci...": name, club and the four performance values of one competitor, never
// its kind. Created once; the fields keep what they held when the dialog was last closed.
class ArcherEditor : public QDialog {
    Q_OBJECT
  public:
    explicit ArcherEditor(QWidget* parent = nullptr);

    // Where OK writes name, club and values; the caller sets it before showing the dialog.
    CompetitorRecord* SpareCompetitor = nullptr;
    // 0 at every showing, 1 after OK.
    int32_t Confirmed = 0;

    // Puts a competitor into the fields; values outside 5 .. 94 show as the nearer bound.
    void fill(const CompetitorRecord& competitor);

    QLabel* Label1;
    QLineEdit* Edit1;
    QLabel* Label6;
    QComboBox* ComboBox1;
    QGroupBox* GroupBox1;
    QLabel* Label2;
    TCSpinEdit* CSpinEdit1;
    QLabel* Label3;
    TCSpinEdit* CSpinEdit2;
    QLabel* Label4;
    TCSpinEdit* CSpinEdit3;
    QLabel* Label5;
    TCSpinEdit* CSpinEdit4;
    QPushButton* BitBtn1;
    QPushButton* BitBtn3;
    QPushButton* BitBtn2;

  public Q_SLOTS:
    void act();
    void BitBtn1Click();
    void BitBtn3Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void retranslate();
    TCSpinEdit* spinEdit(int left, int top, int value);
};
