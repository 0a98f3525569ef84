#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "O hře...": the title, the credits and the maker; "Zavřít" closes it.
class AboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label4;
    QPushButton* BitBtn1;

  private:
    void retranslate();
};
