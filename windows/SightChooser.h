#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>

class QFileDialog;
class QPushButton;
class ClickableImage;
class PixelImage;

// "Zaměřovač...": replaces the picture of the main window's sight Zamer with one of the three
// sight icons beside the game ("z1.ico" .. "z3.ico") or with any icon file the player picks.
// A picture that cannot be loaded leaves the sight as it was and is shown in the error box.
class SightChooser : public QDialog {
    Q_OBJECT
  public:
    explicit SightChooser(PixelImage& zamer, QWidget* parent = nullptr);

    ClickableImage* Image1;
    ClickableImage* Image2;
    ClickableImage* Image3;
    QPushButton* proch;    // "Procházet..."
    QPushButton* BitBtn1;  // "Nápověda"
    QFileDialog* OpenD;
    // Told which sight the player took: 1..3 the game's, 4 a picture of his own.
    std::function<void(int32_t sight)> onSightChosen;
    // Shows one of the game's sights (1..3) as if the player had taken it; a picture of his own
    // is not kept by the game, and the built-in one cannot come back once replaced.
    void showSight(int32_t sight);

  public Q_SLOTS:
    void zam1();
    void zam2();
    void zam3();
    // Closes the chooser in every case: after a pick, a cancel and a failure alike.
    void prochClick();
    void BitBtn1Click();

  protected:
    // The icon file the player picks in OpenD, or an empty name when he cancels.
    virtual QString chooseIconFile();
    // The general error box.
    virtual void showError(const QString& text);

  private:
    void retranslate();
    void chooseSight(const QString& fileName, int32_t sight);
    // True when the picture has replaced the sight.
    bool loadSight(const QString& fileName, int32_t sight);

    PixelImage& zamer_;
};
