#pragma once

#include <QPixmap>
#include <QPolygonF>
#include <QWidget>
#include <cstdint>

#include "rules/history/ShotReplay.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;

// Shows one recorded arrow again at the game's own pace, one recorded tick per 10 ms (20 ms at
// half speed): the sight moving over the face along its path, the drawn arrow at the clicker,
// a mark where the clicker fell, and at the end the hit with its score. It draws from the
// record alone and never touches a match.
class ShotReplayView : public QWidget {
    Q_OBJECT
  public:
    explicit ShotReplayView(QWidget* parent = nullptr);

    // Replays `arrow` from its first tick, shot at its distance's face.
    void setArrow(const ArrowRecord& arrow);
    // Nothing to replay; the face of `metres` waits for an arrow.
    void clear(int32_t metres = 0);

    const ShotReplay& replay() const { return replay_; }
    int32_t shownTick() const { return tick_; }
    bool isPlaying() const;

    QPushButton* pauseButton;
    QPushButton* stepBackButton;
    QPushButton* stepButton;
    QPushButton* replayButton;
    QCheckBox* halfSpeedBox;
    QLabel* statusLabel;

    // The replay drawn with `painter` into `area`, as the view shows it at the current tick.
    void paintReplay(QPainter& painter, const QRectF& area);

  public Q_SLOTS:
    void pauseClick();
    void stepClick();
    void stepBackClick();
    void replayClick();
    void halfSpeedToggled(bool half);
    void timerTick();

  private:
    class Picture;

    void retranslate();
    void showTick(int32_t tick);
    void play();
    void stop();
    void showStatus();
    void showFace(int32_t metres);
    void prepareBackground(const QRectF& area, qreal ratio);
    QPointF onArea(QPointF scene) const;  // a point of the game's board where it is drawn

    bool hasArrow_ = false;
    ShotReplay replay_;
    int32_t distance_ = 0;
    int32_t tick_ = 0;
    QPolygonF aimPath_;  // in game pixels, one point per tick
    QTimer* timer_;
    Picture* picture_;
    QPixmap face_;
    QPixmap sight_;
    QPixmap bow_;
    QPixmap arrow_;
    QString faceProblem_;
    // The face and the bow scaled for the area last painted, at the screen's pixel ratio.
    QPixmap background_;
    QRectF backgroundArea_;
    double scale_ = 1;  // board pixels to area pixels
    QPixmap shownSight_;
    QPixmap shownArrow_;
    QPolygonF shownPath_;  // aimPath_ on the area
};
