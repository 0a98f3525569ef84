#pragma once

#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "rules/history/HitGroup.h"

// One arrow on the plot: where it hit, the legend entry that colours it, and the number the
// plot reports when it is chosen.
struct PlotMark {
    Point hit;  // target-picture pixels, as recorded
    int32_t legendEntry = 0;
    int32_t arrow = 0;
};

struct PlotLegendEntry {
    QString caption;
    QColor colour;
};

// The target face of one distance with a mark on every arrow of a selection, the group's centre
// and its spread as a circle, and a legend of the colours. The view zooms to the marks: never
// closer than the scoring face with a ring to spare, never wider than the whole picture with a
// strip around it. A mark beyond that strip (a damaged record) is drawn on the edge nearest to
// it. Marks of a later legend entry lie over those of an earlier one. Hovering a mark shows
// what `describe` says of its arrow; clicking it reports the arrow.
class HitPlotView : public QWidget {
    Q_OBJECT
  public:
    explicit HitPlotView(QWidget* parent = nullptr);

    // The face comes from the game folder's picture of `metres`; when it cannot be read the
    // plot says why on a plain background and still shows the marks.
    void setDistance(int32_t metres);
    void setMarks(std::vector<PlotMark> marks, std::vector<PlotLegendEntry> legend);
    // The group's centre and spread; nothing hides them.
    void setGroup(std::optional<HitGroup> group);
    // The arrow drawn ringed; nothing for none.
    void setChosen(std::optional<int32_t> arrow);

    std::function<QString(int32_t arrow)> describe;

    // Where a target-picture point is drawn, in widget coordinates.
    QPointF toWidget(Point hit) const;
    // The arrow whose mark lies under `position`, the topmost one.
    std::optional<int32_t> arrowAt(QPointF position) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  Q_SIGNALS:
    void arrowChosen(int32_t arrow);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void relayout();
    void zoomToMarks();
    void placeMarks();
    void drawFace();
    void drawMarkSprites();
    void paintGroup(QPainter& painter) const;
    void paintLegend(QPainter& painter) const;

    int32_t distance_ = 0;
    int32_t ringWidth_ = 0;
    QPixmap picture_;
    QString pictureProblem_;
    std::vector<PlotMark> marks_;  // ordered by legend entry, so later entries draw on top
    std::vector<PlotLegendEntry> legend_;
    std::optional<HitGroup> group_;
    std::optional<int32_t> chosen_;

    // Square of target-picture pixels shown: left/top edge and side, in picture units.
    double viewLeft_ = 0;
    double viewSide_ = 1;
    QRectF plotRect_;
    double markDiameter_ = 7;
    QRectF legendRect_;
    QPixmap faceCache_;             // the face as shown, at the screen's pixel ratio
    std::vector<QPixmap> sprites_;  // one mark per legend entry
    std::vector<QPainter::PixmapFragment> fragments_;  // one per mark, in marks_ order
    std::vector<std::size_t> entryEnds_;               // end of each legend entry's run in marks_
};
