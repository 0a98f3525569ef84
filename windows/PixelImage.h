#pragma once

#include <QLabel>

// A label that shows its picture pixel for pixel. On a scaled screen (150 %, 200 %) every
// picture pixel becomes a block of whole device pixels, as the game's hard-edged pictures need;
// Qt would otherwise smooth them and blur every edge.
class PixelImage : public QLabel {
    Q_OBJECT
  public:
    explicit PixelImage(QWidget* parent = nullptr);

    // Shows `picture` as the game's picture `name` (PictureForScreen): at 150 % the one drawn
    // for that size while it is still the game's own.
    void showGamePicture(const QPixmap& picture, const QString& name);
    // The label is shown `scale` times as large as its window shows it (the whole board on the
    // whole screen); 1 in the window. The game's picture is chosen anew for the size.
    void setShownScale(qreal scale);

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Draws the label's picture, which must not be null, with a painter opened on the label.
    void drawPicture(QPainter& painter) const;

  private:
    QPixmap gamePicture_;
    QString gameName_;
    qreal shownScale_ = 1;
};
