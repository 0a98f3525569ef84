#pragma once

#include "windows/PixelImage.h"

// An image that shows its picture from the top-left corner, clipped to its size, and reports
// clicks while it is enabled.
class ClickableImage : public PixelImage {
    Q_OBJECT
  public:
    explicit ClickableImage(QWidget* parent = nullptr);

  Q_SIGNALS:
    void clicked();
    void doubleClicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
