#pragma once

#include <QLabel>

// A label that shows its picture pixel for pixel. On a scaled screen (150 %, 200 %) every
// picture pixel becomes a block of whole device pixels, as the game's hard-edged pictures need;
// Qt would otherwise smooth them and blur every edge.
class PixelImage : public QLabel {
    Q_OBJECT
  public:
    explicit PixelImage(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Draws the label's picture, which must not be null, with a painter opened on the label.
    void drawPicture(QPainter& painter) const;
};
