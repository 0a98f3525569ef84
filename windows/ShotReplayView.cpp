#include "windows/ShotReplayView.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "platform/QtBuiltin.h"
#include "platform/Translations.h"
#include "rules/history/HitGroup.h"
#include "rules/match/Geometry.h"
#include "windows/FollowLanguage.h"
#include "windows/GameTextDisplay.h"
#include "windows/TargetFacePicture.h"

namespace {

constexpr int kTickMs = 10;  // the aiming clock of a match
// The game's own board: the face, and under it the bow with the drawn arrow at its clicker.
constexpr QRectF kFaceArea(0, 0, kTargetSize, kTargetSize);
constexpr QRectF kBowArea(0, 251, 125, 100);
constexpr QRectF kNoteArea(130, 256, 120, 95);
constexpr QSizeF kScene(kTargetSize, 351);
const QColor kPathColour(0, 230, 255, 170);
const QColor kClickerColour(255, 200, 0);

QPointF centreOf(Point pixel) {
    return {pixel.x + 0.5, pixel.y + 0.5};
}

QString seconds(int32_t ticks) {
    return SpokenLocale().toString(ticks * kTickMs / 1000.0, 'f', 2);
}

}  // namespace

class ShotReplayView::Picture : public QWidget {
  public:
    explicit Picture(ShotReplayView& view) : QWidget(&view), view_(view) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    QSize sizeHint() const override { return (kScene * 1.2).toSize(); }
    QSize minimumSizeHint() const override { return kScene.toSize(); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        view_.paintReplay(painter, rect());
    }

  private:
    ShotReplayView& view_;
};

ShotReplayView::ShotReplayView(QWidget* parent)
    : QWidget(parent),
      pauseButton(new QPushButton(this)),
      stepBackButton(new QPushButton(this)),
      stepButton(new QPushButton(this)),
      replayButton(new QPushButton(this)),
      halfSpeedBox(new QCheckBox(this)),
      statusLabel(new QLabel(this)),
      timer_(new QTimer(this)),
      picture_(new Picture(*this)),
      sight_(BuiltinPicture(QStringLiteral("sight1.png"))),
      bow_(BuiltinPicture(QStringLiteral("clicker.bmp"))),
      arrow_(BuiltinPicture(QStringLiteral("arrow.bmp"))) {
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(kTickMs);
    statusLabel->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    for (QWidget* control :
         {static_cast<QWidget*>(pauseButton), static_cast<QWidget*>(stepBackButton),
          static_cast<QWidget*>(stepButton), static_cast<QWidget*>(replayButton)}) {
        buttons->addWidget(control);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture_, 1);
    layout->addLayout(buttons);
    layout->addWidget(halfSpeedBox);
    layout->addWidget(statusLabel);

    connect(timer_, &QTimer::timeout, this, &ShotReplayView::timerTick);
    connect(pauseButton, &QPushButton::clicked, this, &ShotReplayView::pauseClick);
    connect(stepBackButton, &QPushButton::clicked, this, &ShotReplayView::stepBackClick);
    connect(stepButton, &QPushButton::clicked, this, &ShotReplayView::stepClick);
    connect(replayButton, &QPushButton::clicked, this, &ShotReplayView::replayClick);
    connect(halfSpeedBox, &QCheckBox::toggled, this, &ShotReplayView::halfSpeedToggled);
    clear();
    FollowLanguage(this, [this] { retranslate(); });
}

void ShotReplayView::retranslate() {
    pauseButton->setText(timer_->isActive() ? tr("Pozastavit") : tr("Pokračovat"));
    stepBackButton->setText(tr("◀ Krok zpět"));
    stepButton->setText(tr("Krok ▶"));
    replayButton->setText(tr("Přehrát znovu"));
    halfSpeedBox->setText(tr("Poloviční rychlost"));
    showStatus();
    if (!faceProblem_.isEmpty()) {
        // Why the face is missing, said again in the new language.
        const int32_t metres = distance_;
        distance_ = -1;
        showFace(metres);
    }
}

void ShotReplayView::setArrow(const ArrowRecord& arrow) {
    hasArrow_ = true;
    replay_ = BuildReplay(arrow);
    showFace(arrow.distance);
    aimPath_.clear();
    aimPath_.reserve(replay_.ticks());
    for (int32_t t = 0; t < replay_.ticks(); ++t) aimPath_.append(centreOf(replay_.frameAt(t).aim));
    tick_ = 0;
    for (QWidget* control :
         {static_cast<QWidget*>(pauseButton), static_cast<QWidget*>(stepBackButton),
          static_cast<QWidget*>(stepButton), static_cast<QWidget*>(replayButton)}) {
        control->setEnabled(replay_.playable());
    }
    if (replay_.playable()) {
        play();
    } else {
        stop();
    }
    showTick(0);
}

void ShotReplayView::showFace(int32_t metres) {
    if (metres == distance_ && (!face_.isNull() || !faceProblem_.isEmpty())) return;
    distance_ = metres;
    TargetFacePicture face = LoadTargetFace(metres);
    face_ = face.picture;
    faceProblem_ = face.problem;
    background_ = {};
}

void ShotReplayView::clear(int32_t metres) {
    if (metres != 0) showFace(metres);
    hasArrow_ = false;
    replay_ = {};
    aimPath_.clear();
    tick_ = 0;
    stop();
    for (QWidget* control :
         {static_cast<QWidget*>(pauseButton), static_cast<QWidget*>(stepBackButton),
          static_cast<QWidget*>(stepButton), static_cast<QWidget*>(replayButton)}) {
        control->setEnabled(false);
    }
    showStatus();
    picture_->update();
}

bool ShotReplayView::isPlaying() const {
    return timer_->isActive();
}

void ShotReplayView::pauseClick() {
    if (isPlaying()) {
        stop();
        return;
    }
    if (tick_ >= replay_.ticks() - 1) showTick(0);
    play();
}

void ShotReplayView::stepClick() {
    stop();
    showTick(tick_ + 1);
}

void ShotReplayView::stepBackClick() {
    stop();
    showTick(tick_ - 1);
}

void ShotReplayView::replayClick() {
    showTick(0);
    play();
}

void ShotReplayView::halfSpeedToggled(bool half) {
    timer_->setInterval(half ? 2 * kTickMs : kTickMs);
}

void ShotReplayView::timerTick() {
    showTick(tick_ + 1);
    if (tick_ >= replay_.ticks() - 1) stop();
}

void ShotReplayView::play() {
    if (!replay_.playable()) return;
    timer_->start();
    pauseButton->setText(tr("Pozastavit"));
}

void ShotReplayView::stop() {
    timer_->stop();
    pauseButton->setText(tr("Pokračovat"));
}

void ShotReplayView::showTick(int32_t tick) {
    tick_ = std::clamp(tick, 0, std::max(replay_.ticks() - 1, 0));
    showStatus();
    picture_->update();
}

void ShotReplayView::showStatus() {
    if (!hasArrow_) {
        statusLabel->setText(tr("Vyberte šíp v seznamu nebo na terči."));
        return;
    }
    if (!replay_.playable()) {
        statusLabel->setText(TranslatedGameText(replay_.problem));
        return;
    }
    QString text =
        tr("Krok %1 z %2 (%3 s)").arg(tick_ + 1).arg(replay_.ticks()).arg(seconds(tick_ + 1));
    if (replay_.draw.empty()) text += tr("; natažení luku nebylo zaznamenáno");
    statusLabel->setText(text);
}

void ShotReplayView::prepareBackground(const QRectF& area, qreal ratio) {
    backgroundArea_ = area;
    scale_ = std::min(area.width() / kScene.width(), area.height() / kScene.height());
    background_ = QPixmap((area.size() * ratio).toSize());
    background_.setDevicePixelRatio(ratio);
    background_.fill(palette().color(QPalette::Window));
    QPainter painter(&background_);
    painter.scale(scale_, scale_);
    painter.fillRect(QRectF(QPointF(0, 0), kScene), Qt::black);
    if (!face_.isNull()) {
        painter.drawPixmap(kFaceArea, face_, QRectF(face_.rect()));
    } else {
        painter.setPen(Qt::white);
        painter.drawText(kFaceArea.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                         faceProblem_);
    }
    painter.drawPixmap(kBowArea, bow_, QRectF(bow_.rect()));
    // The moving pictures are scaled here once, so that a frame only copies them.
    const auto scaled = [&](const QPixmap& picture) {
        QPixmap result = picture.scaled((QSizeF(picture.size()) * scale_ * ratio).toSize());
        result.setDevicePixelRatio(ratio);
        return result;
    };
    shownSight_ = scaled(sight_);
    shownArrow_ = scaled(arrow_);
    shownPath_.clear();
}

QPointF ShotReplayView::onArea(QPointF scene) const {
    return backgroundArea_.topLeft() + scene * scale_;
}

void ShotReplayView::paintReplay(QPainter& painter, const QRectF& area) {
    const qreal ratio = painter.device()->devicePixelRatioF();
    if (background_.isNull() || area != backgroundArea_ ||
        !qFuzzyCompare(background_.devicePixelRatio(), ratio)) {
        prepareBackground(area, ratio);
    }
    if (shownPath_.size() != aimPath_.size()) {
        shownPath_.clear();
        for (const QPointF& aim : aimPath_) shownPath_.append(onArea(aim));
    }
    painter.drawPixmap(area.topLeft(), background_);
    painter.save();
    QFont font = painter.font();
    font.setPixelSize(std::max(9, static_cast<int>(11 * scale_)));
    painter.setFont(font);
    const bool playing = hasArrow_ && replay_.playable();
    const bool finished = playing && tick_ >= replay_.ticks() - 1;

    if (playing) {
        const ReplayFrame frame = replay_.frameAt(tick_);
        painter.setRenderHint(QPainter::Antialiasing);
        // A hairline: a wider antialiased line costs a whole frame's budget to stroke.
        QPen path(kPathColour, 1);
        path.setCosmetic(true);
        painter.setPen(path);
        painter.drawPolyline(shownPath_.constData(), tick_ + 1);
        if (replay_.clickerTick && tick_ >= *replay_.clickerTick) {
            const QPointF at = shownPath_[*replay_.clickerTick];
            const double r = 4 * scale_;
            const std::array<QPointF, 4> diamond = {at + QPointF(0, -r), at + QPointF(r, 0),
                                                    at + QPointF(0, r), at + QPointF(-r, 0)};
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(kClickerColour);
            painter.drawPolygon(diamond.data(), static_cast<int>(diamond.size()));
            painter.setPen(kClickerColour);
            painter.drawText(QRectF(onArea(kBowArea.topLeft()), onArea(kBowArea.bottomRight()))
                                 .adjusted(0, 4, -4, 0),
                             Qt::AlignRight | Qt::AlignTop, tr("klapka"));
        }
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.drawPixmap(onArea(QPointF(frame.sight.x, frame.sight.y)), shownSight_);
        if (frame.drawnArrowX) {
            painter.setClipRect(QRectF(onArea(kBowArea.topLeft()), onArea(kBowArea.bottomRight())));
            painter.drawPixmap(onArea(QPointF(*frame.drawnArrowX, kDrawnArrowTop)), shownArrow_);
            painter.setClipping(false);
        }
    }
    // A shot that cannot be replayed still shows where it went, when that is on the board.
    if (hasArrow_ && (finished || !playing) && !IsFarOutsidePicture(replay_.hit)) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::white, 1));
        painter.setBrush(QColor(230, 0, 120));
        painter.drawEllipse(onArea(centreOf(replay_.hit)), 3.5 * scale_, 3.5 * scale_);
    }
    QString note;
    if (finished) {
        note = tr("Zásah: %1\nNatažení: %2 %").arg(replay_.score).arg(replay_.factor);
    } else if (playing) {
        note = tr("%1 s").arg(seconds(tick_ + 1));
    }
    painter.setPen(Qt::white);
    painter.drawText(QRectF(onArea(kNoteArea.topLeft()), onArea(kNoteArea.bottomRight())),
                     Qt::AlignLeft | Qt::AlignTop, note);
    painter.restore();
}
