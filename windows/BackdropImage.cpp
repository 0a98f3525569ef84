#include "windows/BackdropImage.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cstring>

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
        update((before | after).translated(-pos()));
    } else {
        if (drawnHere) update(before.translated(-pos()));
        drawnRider_ = nullptr;
        rider.show();
    }
}

void BackdropImage::riderChanged(const QLabel& rider) {
    if (drawnRider_ == &rider) update(rider.geometry().translated(-pos()));
}

namespace {

// Where two pictures of one size and format differ, in the pictures' own pixels; empty where
// they agree. Rows that agree are skipped whole: a flutter or a new label changes few of them.
QRect differences(const QImage& a, const QImage& b) {
    QRect changed;
    const int width = a.width();
    const int height = a.height();
    const auto rowBytes = static_cast<std::size_t>(width) * sizeof(QRgb);
    for (int y = 0; y < height; ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        if (std::memcmp(rowA, rowB, rowBytes) == 0) continue;
        int first = 0;
        while (rowA[first] == rowB[first]) ++first;
        int last = width - 1;
        while (rowA[last] == rowB[last]) --last;
        changed |= QRect(first, y, last - first + 1, 1);
    }
    return changed;
}

// The picture's pixels as 32-bit words, converted only if the pixmap keeps them otherwise.
QImage wordPixels(const QPixmap& picture) {
    QImage image = picture.toImage();
    if (image.depth() != 32) image.convertTo(QImage::Format_ARGB32_Premultiplied);
    return image;
}

}  // namespace

void BackdropImage::setFixture(int id, const QPixmap& picture, QPoint topLeft) {
    const QRect area(topLeft, picture.deviceIndependentSize().toSize());
    const auto old = fixtures_.find(id);
    // On X11 every pixel painted travels to the display: a flag that flutters repaints only
    // the cloth.
    if (old != fixtures_.end() && !picture.isNull() && old->second.area == area &&
        old->second.picture.size() == picture.size() &&
        old->second.picture.devicePixelRatio() == picture.devicePixelRatio()) {
        QImage before = wordPixels(old->second.picture);
        QImage after = wordPixels(picture);
        if (before.format() != after.format()) {
            before.convertTo(QImage::Format_ARGB32_Premultiplied);
            after.convertTo(QImage::Format_ARGB32_Premultiplied);
        }
        const qreal ratio = picture.devicePixelRatio();
        const QRect changed = differences(before, after);
        old->second.picture = picture;
        if (changed.isEmpty()) return;
        const QRectF shown(changed.x() / ratio, changed.y() / ratio, changed.width() / ratio,
                           changed.height() / ratio);
        update(shown.toAlignedRect().translated(topLeft));
        return;
    }
    if (old != fixtures_.end()) {
        update(old->second.area);
        fixtures_.erase(old);
    }
    if (picture.isNull()) return;
    fixtures_[id] = {picture, area};
    update(area);
}

void BackdropImage::paintEvent(QPaintEvent* event) {
    const QRect area =
        drawnRider_ != nullptr ? drawnRider_->geometry().translated(-pos()) : QRect();
    const bool riderShows = event->rect().intersects(area);
    const bool hasPicture = !pixmap().isNull();
    const bool fixtureShows = std::any_of(fixtures_.begin(), fixtures_.end(), [&](const auto& f) {
        return event->rect().intersects(f.second.area);
    });
    if (!hasPicture) QLabel::paintEvent(event);
    if (!hasPicture && !riderShows && !fixtureShows) return;
    // One painter for all: opening a painter costs more than drawing these small pictures.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (hasPicture) drawPicture(painter);
    for (const auto& [id, fixture] : fixtures_) {
        if (event->rect().intersects(fixture.area))
            painter.drawPixmap(fixture.area.topLeft(), fixture.picture);
    }
    if (riderShows) {
        // From the top-left corner, clipped to the label, as the label draws itself.
        painter.setClipRect(area);
        painter.drawPixmap(area.topLeft(), drawnRider_->pixmap());
    }
}
