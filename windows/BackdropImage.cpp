#include "windows/BackdropImage.h"

#include <QPaintEvent>
#include <QPainter>

BackdropImage::BackdropImage(QWidget* parent) : PixelImage(parent) {}

void BackdropImage::placeRider(QLabel& rider, QPoint topLeft) {
    const QRect before = rider.geometry();
    const QRect after(topLeft, before.size());
    const bool drawnHere = drawnRider_ == &rider;
    if (after == before && drawnHere == rider.isHidden()) return;
    // What the parent clips away needs no backdrop; the rest must lie on this picture.
    const QRect seen = after & parentWidget()->rect();
    const bool onBackdrop =
        seen.isEmpty() || (geometry().contains(seen) && !coveredBeneath(rider, seen));
    rider.move(topLeft);
    if (onBackdrop) {
        if (!rider.isHidden()) rider.hide();
        drawnRider_ = &rider;
        update((before | after).translated(-pos()));
    } else {
        if (drawnHere) update(before.translated(-pos()));
        drawnRider_ = nullptr;
        rider.show();
    }
}

bool BackdropImage::coveredBeneath(const QLabel& rider, const QRect& area) const {
    const QObjectList& siblings = parentWidget()->children();  // lowest first
    for (qsizetype i = siblings.indexOf(this) + 1; i < siblings.size(); ++i) {
        if (siblings[i] == &rider) return false;
        const auto* between = qobject_cast<const QWidget*>(siblings[i]);
        if (between && !between->isHidden() && between->geometry().intersects(area)) return true;
    }
    return false;
}

void BackdropImage::riderChanged(const QLabel& rider) {
    if (drawnRider_ == &rider) update(rider.geometry().translated(-pos()));
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
