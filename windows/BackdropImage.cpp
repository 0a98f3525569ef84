#include "windows/BackdropImage.h"

#include <QPaintEvent>
#include <QPainter>
#include <utility>

BackdropImage::BackdropImage(QWidget* parent) : PixelImage(parent) {}

void BackdropImage::placeRider(QLabel& rider, QPoint topLeft) {
    const QRect before = rider.geometry();
    const QRect after(topLeft, before.size());
    const bool drawnHere = drawnRider_ == &rider;
    if (after == before && drawnHere == rider.isHidden()) return;
    // What the parent clips away needs no backdrop; the rest must lie on this picture.
    const QRect seen = after & parentWidget()->rect();
    const bool onBackdrop = seen.isEmpty() || geometry().contains(seen);
    rider.move(topLeft);
    if (onBackdrop) {
        if (!rider.isHidden()) rider.hide();
        drawnRider_ = &rider;
        changed((before | after).translated(-pos()));
    } else {
        if (drawnHere) changed(before.translated(-pos()));
        drawnRider_ = nullptr;
        rider.show();
    }
}

void BackdropImage::riderChanged(const QLabel& rider) {
    if (drawnRider_ == &rider) changed(rider.geometry().translated(-pos()));
}

void BackdropImage::changed(const QRect& area) {
    if (frame_ == nullptr) {
        update(area);
        return;
    }
    for (auto& [picture, region] : frame_->dirty_) {
        if (picture == this) {
            region += area;
            return;
        }
    }
    frame_->dirty_.emplace_back(this, area);
}

void BackdropImage::paintEvent(QPaintEvent* event) {
    const QRect area =
        drawnRider_ != nullptr ? drawnRider_->geometry().translated(-pos()) : QRect();
    const bool riderShows = event->rect().intersects(area);
    const bool hasPicture = !pixmap().isNull();
    if (!hasPicture) QLabel::paintEvent(event);
    if (!hasPicture && !riderShows) return;
    // One painter for both: opening a painter costs more than drawing these small pictures.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (hasPicture) drawPicture(painter);
    if (riderShows) {
        // From the top-left corner, clipped to the label, as the label draws itself.
        painter.setClipRect(area);
        painter.drawPixmap(area.topLeft(), drawnRider_->pixmap());
    }
}

BackdropImage::Frame::Frame() : outer_(std::exchange(frame_, this)) {}

BackdropImage::Frame::~Frame() {
    frame_ = outer_;
    // Each picture itself: its parent's repaint would skip the opaque pictures over it.
    for (const auto& [picture, region] : dirty_) {
        if (picture) picture->repaint(region);
    }
}
