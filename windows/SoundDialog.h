#pragma once

#include <QDialog>

class GameSession;
class QCheckBox;
class QLabel;
class QPushButton;
class QShowEvent;
class QSlider;

// "Zvuk...": how loud the range's sounds play, 0 to 100 %, and "Ztlumit" to silence them all.
// OK plays them so from now on and keeps the choice in the player's settings; "Storno" and the
// close box leave everything as it was.
class SoundDialog : public QDialog {
    Q_OBJECT
  public:
    explicit SoundDialog(GameSession& session, QWidget* parent = nullptr);

    QLabel* HlasitostLabel = nullptr;  // "Hlasitost:"
    QSlider* Hlasitost = nullptr;
    QLabel* Procenta = nullptr;  // the volume as "%1 %"
    QCheckBox* Ztlumit = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Storno = nullptr;

  public Q_SLOTS:
    void OKClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void retranslate();
    void showVolume();
    GameSession& session_;
};
