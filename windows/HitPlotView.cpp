#include "windows/HitPlotView.h"

#include <QEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "rules/match/Rounds.h"
#include "windows/FollowLanguage.h"
#include "windows/TargetFacePicture.h"

namespace {

// Marks grow with the zoom, within these bounds, so that close groups stay apart.
constexpr double kSmallestMark = 7;
constexpr double kLargestMark = 13;
// Picture pixels shown around the whole picture, so that a hit just off it stays in view.
constexpr int32_t kStrip = 20;
constexpr int kLegendGap = 12;
constexpr int kSwatch = 12;
const QColor kBackground(58, 63, 68);
QString centreCaption() {
    return HitPlotView::tr("střed skupiny");
}
QString spreadCaption() {
    return HitPlotView::tr("rozptyl");
}

// Drawn twice, dark and wide under light and narrow, so it shows on every ring colour.
void drawOutlined(QPainter& painter, const auto& draw) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 200), 3.5));
    draw();
    painter.setPen(QPen(Qt::white, 1.5));
    draw();
}

void drawCentreCross(QPainter& painter, QPointF at, double arm) {
    drawOutlined(painter, [&] {
        painter.drawLine(at - QPointF(arm, 0), at + QPointF(arm, 0));
        painter.drawLine(at - QPointF(0, arm), at + QPointF(0, arm));
    });
}

}  // namespace

HitPlotView::HitPlotView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The legend's captions take another width in another language, and why the target is
    // missing is said in it.
    FollowLanguage(this, [this] {
        if (!pictureProblem_.isEmpty()) pictureProblem_ = LoadTargetFace(distance_).problem;
        relayout();
    });
}

void HitPlotView::setDistance(int32_t metres) {
    if (metres == distance_ && (!picture_.isNull() || !pictureProblem_.isEmpty())) return;
    distance_ = metres;
    const std::optional<TargetFace> target = findTargetFace(metres);
    ringWidth_ = target ? target->ringWidth : 0;
    TargetFacePicture face = LoadTargetFace(metres);
    picture_ = face.picture;
    pictureProblem_ = face.problem;
    zoomToMarks();
    relayout();
}

void HitPlotView::setMarks(std::vector<PlotMark> marks, std::vector<PlotLegendEntry> legend) {
    legend_ = std::move(legend);
    const auto entries = static_cast<int32_t>(std::max<std::size_t>(legend_.size(), 1));
    for (PlotMark& mark : marks) mark.legendEntry = std::clamp(mark.legendEntry, 0, entries - 1);
    std::stable_sort(marks.begin(), marks.end(), [](const PlotMark& a, const PlotMark& b) {
        return a.legendEntry < b.legendEntry;
    });
    marks_ = std::move(marks);
    entryEnds_.assign(static_cast<std::size_t>(entries), 0);
    for (const PlotMark& mark : marks_) ++entryEnds_[static_cast<std::size_t>(mark.legendEntry)];
    for (std::size_t i = 1; i < entryEnds_.size(); ++i) entryEnds_[i] += entryEnds_[i - 1];
    zoomToMarks();
    relayout();
}

void HitPlotView::setGroup(std::optional<HitGroup> group) {
    group_ = group;
    update();
}

void HitPlotView::setChosen(std::optional<int32_t> arrow) {
    chosen_ = arrow;
    update();
}

QPointF HitPlotView::toWidget(Point hit) const {
    const double scale = plotRect_.width() / viewSide_;
    const double inset = markDiameter_ / 2;
    const auto along = [&](double picture, double start, double length) {
        const double drawn = start + (picture + 0.5 - viewLeft_) * scale;
        return std::clamp(drawn, start + inset, start + length - inset);
    };
    return {along(hit.x, plotRect_.left(), plotRect_.width()),
            along(hit.y, plotRect_.top(), plotRect_.height())};
}

std::optional<int32_t> HitPlotView::arrowAt(QPointF position) const {
    for (std::size_t i = marks_.size(); i-- > 0;) {
        const QPainter::PixmapFragment& f = fragments_[i];
        const double dx = f.x - position.x();
        const double dy = f.y - position.y();
        const double pick = markDiameter_ / 2 + 2;
        if (dx * dx + dy * dy <= pick * pick) return marks_[i].arrow;
    }
    return std::nullopt;
}

QSize HitPlotView::sizeHint() const {
    return {560, 420};
}

QSize HitPlotView::minimumSizeHint() const {
    return {260, 200};
}

bool HitPlotView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const std::optional<int32_t> arrow = arrowAt(help->pos());
        if (arrow && describe) {
            QToolTip::showText(help->globalPos(), describe(*arrow), this);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

void HitPlotView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void HitPlotView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (const std::optional<int32_t> arrow = arrowAt(event->position())) emit arrowChosen(*arrow);
}

void HitPlotView::zoomToMarks() {
    // The scoring face and one ring beyond, or the whole picture when the distance has none.
    int32_t reach = ringWidth_ > 0 ? ringWidth_ * (kTargetRings + 1) : kTargetSize / 2 + kStrip;
    for (const PlotMark& mark : marks_) {
        if (IsFarOutsidePicture(mark.hit)) continue;
        reach = std::max({reach, std::abs(mark.hit.x - kTargetCentre.x) + 2,
                          std::abs(mark.hit.y - kTargetCentre.y) + 2});
    }
    reach = std::min(reach, kTargetSize / 2 + kStrip);
    viewSide_ = 2.0 * reach + 1;
    viewLeft_ = kTargetCentre.x + 0.5 - viewSide_ / 2;
}

void HitPlotView::relayout() {
    int legendWidth = 0;
    if (!legend_.empty()) {
        const QFontMetrics metrics(font());
        for (const PlotLegendEntry& entry : legend_) {
            legendWidth = std::max(legendWidth, metrics.horizontalAdvance(entry.caption));
        }
        for (const QString& caption : {centreCaption(), spreadCaption()}) {
            legendWidth = std::max(legendWidth, metrics.horizontalAdvance(caption));
        }
        legendWidth = std::min(legendWidth + kSwatch + 8, width() / 3);
    }
    const int side = std::max(1, std::min(width() - legendWidth - kLegendGap, height()));
    plotRect_ = QRectF(0, 0, side, side);
    markDiameter_ = std::clamp(1.5 * side / viewSide_, kSmallestMark, kLargestMark);
    legendRect_ = QRectF(side + kLegendGap, 0, legendWidth, height());
    placeMarks();
    drawFace();
    drawMarkSprites();
    update();
}

void HitPlotView::placeMarks() {
    const qreal ratio = devicePixelRatioF();
    const double spriteSide = std::ceil(markDiameter_ * ratio);
    fragments_.clear();
    fragments_.reserve(marks_.size());
    for (const PlotMark& mark : marks_) {
        const QPointF at = toWidget(mark.hit);
        fragments_.push_back(QPainter::PixmapFragment::create(
            at, QRectF(0, 0, spriteSide, spriteSide), 1 / ratio, 1 / ratio));
    }
}

void HitPlotView::drawFace() {
    const qreal ratio = devicePixelRatioF();
    faceCache_ = QPixmap((plotRect_.size() * ratio).toSize());
    faceCache_.setDevicePixelRatio(ratio);
    faceCache_.fill(kBackground);
    QPainter painter(&faceCache_);
    const double scale = plotRect_.width() / viewSide_;
    const QRectF pictureRect(-viewLeft_ * scale, -viewLeft_ * scale, kTargetSize * scale,
                             kTargetSize * scale);
    if (!picture_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(pictureRect, picture_, QRectF(picture_.rect()));
    } else {
        painter.setPen(Qt::white);
        painter.drawText(plotRect_.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                         pictureProblem_);
    }
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
    painter.drawRect(pictureRect);
}

void HitPlotView::drawMarkSprites() {
    const qreal ratio = devicePixelRatioF();
    const int side = static_cast<int>(std::ceil(markDiameter_ * ratio));
    sprites_.clear();
    for (std::size_t i = 0; i < std::max<std::size_t>(legend_.size(), 1); ++i) {
        QPixmap sprite(side, side);
        sprite.fill(Qt::transparent);
        QPainter painter(&sprite);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0, 0, 0, 220), ratio));
        painter.setBrush(i < legend_.size() ? legend_[i].colour : QColor(Qt::cyan));
        const double inset = ratio / 2;
        painter.drawEllipse(QRectF(inset, inset, side - 2 * inset, side - 2 * inset));
        sprites_.push_back(sprite);
    }
}

void HitPlotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawPixmap(plotRect_.topLeft(), faceCache_);
    std::size_t begin = 0;
    for (std::size_t entry = 0; entry < entryEnds_.size(); ++entry) {
        const std::size_t end = entryEnds_[entry];
        if (end > begin) {
            painter.drawPixmapFragments(fragments_.data() + begin, static_cast<int>(end - begin),
                                        sprites_[entry]);
        }
        begin = end;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    if (chosen_) {
        const auto mark = std::find_if(marks_.begin(), marks_.end(),
                                       [this](const PlotMark& m) { return m.arrow == *chosen_; });
        if (mark != marks_.end()) {
            const QPointF at = toWidget(mark->hit);
            drawOutlined(painter, [&] { painter.drawEllipse(at, markDiameter_, markDiameter_); });
        }
    }
    paintGroup(painter);
    paintLegend(painter);
}

void HitPlotView::paintGroup(QPainter& painter) const {
    if (!group_ || group_->placed == 0) return;
    const double scale = plotRect_.width() / viewSide_;
    const QPointF centre(plotRect_.left() + (group_->centre.x + 0.5 - viewLeft_) * scale,
                         plotRect_.top() + (group_->centre.y + 0.5 - viewLeft_) * scale);
    const double radius = group_->spread * scale;
    painter.save();
    painter.setClipRect(plotRect_);
    drawOutlined(painter, [&] { painter.drawEllipse(centre, radius, radius); });
    drawCentreCross(painter, centre, 7);
    painter.restore();
}

void HitPlotView::paintLegend(QPainter& painter) const {
    if (legend_.empty()) return;
    const QFontMetrics metrics(font());
    const int line = std::max(metrics.height(), kSwatch) + 4;
    double top = legendRect_.top() + 2;
    const auto caption = [&](const QString& text) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRectF(legendRect_.left() + kSwatch + 6, top, legendRect_.width(), line),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(text, Qt::ElideRight,
                                            static_cast<int>(legendRect_.width()) - kSwatch - 6));
    };
    const QPointF swatchCentre(legendRect_.left() + kSwatch / 2.0, 0);
    for (std::size_t i = 0; i < legend_.size() && top + line <= legendRect_.bottom(); ++i) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(legend_[i].colour);
        painter.drawEllipse(swatchCentre + QPointF(0, top + line / 2.0), kSwatch / 2.0 - 1,
                            kSwatch / 2.0 - 1);
        caption(legend_[i].caption);
        top += line;
    }
    if (!group_ || top + 2 * line > legendRect_.bottom()) return;
    top += line / 2.0;
    painter.fillRect(QRectF(legendRect_.left(), top, kSwatch + 2, 2 * line), kBackground);
    drawCentreCross(painter, swatchCentre + QPointF(1, top + line / 2.0), kSwatch / 2.0 - 1);
    caption(centreCaption());
    top += line;
    drawOutlined(painter, [&] {
        painter.drawEllipse(swatchCentre + QPointF(1, top + line / 2.0), kSwatch / 2.0 - 1,
                            kSwatch / 2.0 - 1);
    });
    caption(spreadCaption());
}
