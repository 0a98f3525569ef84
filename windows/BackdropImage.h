#pragma once

#include <QPixmap>
#include <map>

#include "windows/PixelImage.h"

// A picture with a small picture moving over it every tick (the target with the sight, the
// clicker with the drawn arrow). While the visible part of the moving picture lies wholly on
// this one, its label is hidden and this picture draws it: the window then has a single widget
// to repaint per tick instead of moving, clipping and painting a second one, and the pixels
// come out as if the label had painted itself above. The label must come directly above this
// picture among its siblings, so that nothing between them could show through differently.
class BackdropImage final : public PixelImage {
    Q_OBJECT
  public:
    explicit BackdropImage(QWidget* parent = nullptr);

    // Moves the label to its place in the parent, drawing it here or letting it show itself.
    void placeRider(QLabel& rider, QPoint topLeft);
    // The label's picture changed.
    void riderChanged(const QLabel& rider);
    // A small picture standing still on this one, under the rider (the wind flag beside the
    // target): drawn here too, so that the rider passing over it still repaints one widget. A
    // null picture takes fixture `id` away.
    void setFixture(int id, const QPixmap& picture, QPoint topLeft);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const QLabel* drawnRider_ = nullptr;  // the label while it is drawn here
    struct Fixture {
        QPixmap picture;
        QRect area;
    };
    std::map<int, Fixture> fixtures_;
};
