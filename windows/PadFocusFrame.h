#pragma once

#include <QFocusFrame>

// The frame round the control the pad has reached: wide and bright enough to be found at a
// glance from the couch, at any window size (it is drawn in the game's own pixels, which the
// window size scales), and clear of the mouse. It follows the control as it moves.
class PadFocusFrame final : public QFocusFrame {
    Q_OBJECT
  public:
    explicit PadFocusFrame(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
