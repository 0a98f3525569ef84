#include "windows/Board.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "platform/QtBuiltin.h"
#include "platform/QtPictureLoader.h"
#include "platform/QtText.h"
#include "platform/WindowScale.h"
#include "rules/match/Geometry.h"
#include "session/GameSession.h"
#include "windows/BackdropImage.h"
#include "windows/ClickableImage.h"
#include "windows/FollowLanguage.h"
#include "windows/NextArrowCaption.h"
#include "windows/PixelImage.h"
#include "windows/WindText.h"

namespace {

constexpr int kLabelLeft = 528;
// The wind flag stands on the grass of the range beside the boss, its foot level with the
// boss's; the label sits in the corner under it.
constexpr QPoint kFlag(0, 150);
constexpr QRect kWindLabel(2, 229, 96, 19);
constexpr int kFlagFixture = 1;
constexpr int kWindLabelFixture = 2;
constexpr std::size_t kKeptWindLabels = 64;

// The sight and the drawn arrow move over the target and the clicker every tick; where such a
// picture covers its label with opaque pixels, the window need not paint what lies beneath it.
void showBackdrop(PixelImage* label, const QPixmap& picture, const QString& name) {
    label->showGamePicture(picture, name);
    const QSizeF size = label->pixmap().deviceIndependentSize();
    label->setAttribute(Qt::WA_OpaquePaintEvent, !picture.hasAlphaChannel() &&
                                                     size.width() >= label->width() &&
                                                     size.height() >= label->height());
}

PixelImage* image(QWidget* parent, QRect geometry, const QString& builtin = {}) {
    auto* label = new PixelImage(parent);
    label->setGeometry(geometry);
    if (!builtin.isEmpty()) label->showGamePicture(BuiltinPicture(builtin), builtin);
    return label;
}

}  // namespace

Board::Board(GameSession& session, WindowsOverBoard& windows, QWidget* parent)
    : QWidget(parent), windows_(windows), nextarrowPrompt_(kPicturePrompt.toString()) {
    clock_.start();
    connect(&session, &GameSession::aboutToTick, this, &Board::tickStarted);
    connect(&session, &GameSession::ticked, this, &Board::tickEnded);
    setFixedSize(kBoardWidth, kBoardHeight);
    buildPictures(session);
    buildLabels();
    buildEndClock();
    buildBoutPieces();
    FollowLanguage(this, [this] {
        if (!nextarrowPicture_.isNull()) showNextarrow(nextarrowPicture_, nextarrowFile_);
        if (windShown_) {
            windText_ = WindText(shownWind_);
            showWindOnTarget();
        }
        showSetLineText();
    });
}

void Board::buildPictures(GameSession& session) {
    Tercov = new BackdropImage(this);
    Tercov->setGeometry(0, 0, kTargetSize, kTargetSize);
    Zamer = image(this, {kSightStart.x, kSightStart.y, kSightSize, kSightSize},
                  QStringLiteral("sight1.png"));
    Dalekohled = image(this, {kScopeOrigin.x, kScopeOrigin.y, kScopeSize, kScopeSize});
    const QString scope = QStringLiteral("scope.bmp");
    Dalekohled->showGamePicture(BuiltinPicture(scope), scope);
    for (std::size_t i = 0; i < Arrows.size(); ++i) {
        Arrows[i] = image(this, {kMarkerRest[i].x, kMarkerRest[i].y, kMarkerSize, kMarkerSize},
                          QStringLiteral("marker.png"));
    }
    Klapacka = new BackdropImage(this);
    Klapacka->setGeometry(0, 251, 125, 100);
    const QString clicker = QStringLiteral("clicker.bmp");
    showBackdrop(Klapacka, BuiltinPicture(clicker), clicker);
    Arrow = image(this, {kArrowNocked, kDrawnArrowTop, 125, 2}, QStringLiteral("arrow.bmp"));

    Nextarrow = new ClickableImage(this);
    Nextarrow->setGeometry(125, 250, 125, 100);
    showNextarrow(BuiltinPicture(QStringLiteral("nextarrow0.bmp")),
                  QStringLiteral("nextarrow0.bmp"));
    Nextarrow->setEnabled(false);
    connect(Nextarrow, &ClickableImage::clicked, &session, &GameSession::NextarrowClick);

    auto styleButton = [&](QRect geometry, const QString& picture, void (GameSession::*click)()) {
        auto* button = new ClickableImage(this);
        button->setGeometry(geometry);
        button->setScaledContents(true);
        button->setPixmap(BuiltinPicture(picture));
        connect(button, &ClickableImage::clicked, &session, click);
        return button;
    };
    Downbut =
        styleButton({384, 256, 41, 40}, QStringLiteral("downbut.bmp"), &GameSession::DownbutClick);
    Rightbut = styleButton({344, 296, 41, 40}, QStringLiteral("rightbut.bmp"),
                           &GameSession::RightbutClick);
    Upbut = styleButton({384, 296, 41, 40}, QStringLiteral("upbut.bmp"), &GameSession::UpbutClick);
    Leftbut =
        styleButton({424, 296, 41, 40}, QStringLiteral("leftbut.bmp"), &GameSession::LeftbutClick);

    Panel1 = new QWidget(this);
    Panel1->setGeometry(0, 352, 777, 129);
    Panel1->setAutoFillBackground(true);
    QPalette black = Panel1->palette();
    black.setColor(QPalette::Window, Qt::black);
    Panel1->setPalette(black);
    Lukostrelec = image(Panel1, {0, 0, 116, 126}, QStringLiteral("archer.bmp"));
    Image3 = image(Panel1, {744, 16, 37, 100});

    // The sight pointer everywhere but over the target and the sight, where the player aims
    // with the keys and the ordinary arrow stays out of the way of the picture.
    const QString cursor = QStringLiteral("cursor.png");
    setCursor(QCursor(PictureForScreen(BuiltinPicture(cursor), cursor, devicePixelRatioF()), 0, 0));
    Tercov->setCursor(Qt::ArrowCursor);
    Zamer->setCursor(Qt::ArrowCursor);
}

void Board::buildLabels() {
    QFont font;
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
    font.setPixelSize(19);
    QPalette red;
    red.setColor(QPalette::WindowText, Qt::red);
    int top = 16;
    for (QLabel** l : {&PlName, &Club, &Vzdalenost, &Celkem, &SoucetSada, &Sipylabel, &SadaCount}) {
        *l = new QLabel(this);
        (*l)->setFont(font);
        (*l)->setPalette(red);
        (*l)->move(kLabelLeft, top);
        (*l)->resize(0, 0);
        top += 40;
    }
}

void Board::buildEndClock() {
    constexpr int kTop = 296;
    constexpr int kLight = 32;
    Svetlo = new QLabel(this);
    Svetlo->setGeometry(kLabelLeft, kTop, kLight, kLight);
    Hodiny = new QLabel(this);
    Hodiny->setGeometry(kLabelLeft + kLight + 8, kTop - 4, 120, kLight + 8);
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans Mono")});
    font.setPixelSize(28);
    font.setBold(true);
    Hodiny->setFont(font);
    Svetlo->hide();
    Hodiny->hide();
}

const QPixmap& Board::flagPicture(const FlagPose& pose) {
    const std::string name = FlagPictureName(pose);
    auto shown = flagPictures_.find(name);
    if (shown == flagPictures_.end()) {
        const QString file = QString::fromStdString(name);
        const QPixmap picture = BuiltinPicture(file);
        shown =
            flagPictures_
                .emplace(name, PictureForScreen(picture, file, devicePixelRatioF() * shownScale_))
                .first;
    }
    return shown->second;
}

const QPixmap& Board::windLabelPicture() {
    const auto kept = windLabels_.find(windText_);
    if (kept != windLabels_.end()) return kept->second;
    // A gusty end reads a few dozen values; a long game is not let gather them all.
    if (windLabels_.size() >= kKeptWindLabels) windLabels_.clear();
    const qreal ratio = devicePixelRatioF() * shownScale_;
    const QRect area(QPoint(0, 0), kWindLabel.size());
    QPixmap picture(kWindLabel.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // Legible on the grass and the boss's legs alike.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 120));
    painter.drawRoundedRect(area, 4, 4);
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans")});
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    // One line, centred by hand: a text laid out in a rectangle costs twice as much to draw.
    const QFontMetricsF metrics(font, &picture);
    const QPointF baseline((area.width() - metrics.horizontalAdvance(windText_)) / 2,
                           (area.height() + metrics.ascent() - metrics.descent()) / 2);
    painter.drawText(baseline, windText_);
    return windLabels_.emplace(windText_, picture).first->second;
}

void Board::showWindOnTarget() {
    if (!windShown_) return;
    // Every pose at once when the wind first shows at this size, so that no gust waits in the
    // middle of the aim for its picture to be drawn.
    if (flagPictures_.empty()) {
        for (int32_t pose = 0; pose < kFlagPoseCount; ++pose) flagPicture(FlagPoseAt(pose));
    }
    Tercov->setFixture(kFlagFixture, flagPicture(shownFlag_), kFlag);
    Tercov->setFixture(kWindLabelFixture, windLabelPicture(), kWindLabel.topLeft());
}

namespace {

// The opponent's arrows are of another colour than the player's markers, so that the two
// groups can be told apart at a glance.
constexpr int kOpponentMarker = 11;
constexpr int kRevealMs = 450;
const QColor kOpponentColour(0, 96, 255);

QPixmap OpponentMarker(qreal ratio) {
    QPixmap picture(QSize(kOpponentMarker, kOpponentMarker) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(kOpponentColour);
    painter.drawEllipse(QRectF(1, 1, kOpponentMarker - 2, kOpponentMarker - 2));
    return picture;
}

}  // namespace

void Board::buildBoutPieces() {
    for (QLabel*& marker : SouperoviSipy) {
        marker = new QLabel(this);
        marker->resize(kOpponentMarker, kOpponentMarker);
        marker->setPixmap(OpponentMarker(devicePixelRatioF()));
        marker->hide();
    }
    Souboj = new QLabel(Panel1);
    Souboj->setGeometry(130, 8, 600, 30);
    QFont font;
    font.setPixelSize(20);
    font.setBold(true);
    Souboj->setFont(font);
    QPalette yellow = Souboj->palette();
    yellow.setColor(QPalette::WindowText, QColor(255, 220, 0));
    Souboj->setPalette(yellow);
    opponentReveal_ = new QTimer(this);
    opponentReveal_->setInterval(kRevealMs);
    connect(opponentReveal_, &QTimer::timeout, this, &Board::revealOpponentArrow);
}

void Board::showOpponentArrows(const std::vector<Point>& scopePoints) {
    opponentReveal_->stop();
    for (QLabel* marker : SouperoviSipy) marker->hide();
    opponentArrows_.assign(scopePoints.begin(),
                           scopePoints.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                     scopePoints.size(), SouperoviSipy.size())));
    opponentShown_ = 0;
    if (opponentArrows_.empty()) return;
    revealOpponentArrow();
    opponentReveal_->start();
}

void Board::revealOpponentArrow() {
    if (opponentShown_ >= opponentArrows_.size()) {
        opponentReveal_->stop();
        return;
    }
    const Point at = opponentArrows_[opponentShown_];
    QLabel* marker = SouperoviSipy[opponentShown_++];
    marker->move(at.x - kOpponentMarker / 2, at.y - kOpponentMarker / 2);
    marker->show();
    marker->raise();
}

void Board::showSetLine(const std::optional<SetLine>& line) {
    setLine_ = line;
    showSetLineText();
}

void Board::showSetLineText() {
    if (!setLine_) {
        Souboj->clear();
        return;
    }
    const SetLine& l = *setLine_;
    Souboj->setText(l.set == 0 ? QCoreApplication::translate(kGameTextContext, kShootOffLineText)
                                     .arg(l.totals.first)
                                     .arg(l.totals.second)
                                     .arg(l.points.first)
                                     .arg(l.points.second)
                               : QCoreApplication::translate(kGameTextContext, kSetLineText)
                                     .arg(l.set)
                                     .arg(l.totals.first)
                                     .arg(l.totals.second)
                                     .arg(l.points.first)
                                     .arg(l.points.second));
}

QLabel* Board::label(MatchLabel which) const {
    switch (which) {
        case MatchLabel::PlName:
            return PlName;
        case MatchLabel::Club:
            return Club;
        case MatchLabel::Vzdalenost:
            return Vzdalenost;
        case MatchLabel::Celkem:
            return Celkem;
        case MatchLabel::SoucetSada:
            return SoucetSada;
        case MatchLabel::Sipylabel:
            return Sipylabel;
        case MatchLabel::SadaCount:
            return SadaCount;
    }
    return PlName;
}

void Board::setLabel(MatchLabel which, const std::string& text) {
    QLabel* l = label(which);
    l->setText(fromCp1250(text));
    l->adjustSize();
}

void Board::loadPicture(PictureSlot slot, const std::string& fileName) {
    const QString name = QString::fromStdString(fileName);
    QPixmap picture = LoadPictureFile(name);
    if (slot == PictureSlot::Tercov) {
        showBackdrop(Tercov, picture, name);
    } else {
        showNextarrow(picture, name);
    }
}

void Board::showNextarrow(const QPixmap& picture, const QString& fileName) {
    nextarrowPicture_ = picture;
    nextarrowFile_ = fileName;
    Nextarrow->setPixmap(WithTranslatedCaption(picture, fileName, nextarrowPrompt_));
}

void Board::showNextarrowPrompt(const QString& prompt) {
    if (prompt == nextarrowPrompt_) return;
    nextarrowPrompt_ = prompt;
    showNextarrow(nextarrowPicture_, nextarrowFile_);
}

void Board::loadMarkerIcons(const std::string& fileName) {
    const QString name = QString::fromStdString(fileName);
    const QPixmap icon = LoadPictureFile(name);
    for (PixelImage* marker : Arrows) marker->showGamePicture(icon, QFileInfo(name).fileName());
}

void Board::moveSight(Point topLeft) {
    sightTo_ = topLeft;
    if (!inTick_) showMoves();
}

void Board::moveDrawnArrow(int32_t left) {
    arrowTo_ = left;
    if (!inTick_) showMoves();
}

void Board::tickStarted() {
    inTick_ = true;
}

void Board::tickEnded() {
    inTick_ = false;
    if (pacer_.paintAt(clock_.nsecsElapsed() / 1000)) showMoves();
}

void Board::setTimerRunning(bool running) {
    if (!running) showMoves();
}

void Board::showMoves() {
    if (sightTo_) Tercov->placeRider(*Zamer, {sightTo_->x, sightTo_->y});
    if (arrowTo_) Klapacka->placeRider(*Arrow, {*arrowTo_, kDrawnArrowTop});
    sightTo_.reset();
    arrowTo_.reset();
    if (flagTo_) Tercov->setFixture(kFlagFixture, flagPicture(*flagTo_), kFlag);
    if (windTextChanged_) {
        Tercov->setFixture(kWindLabelFixture, windLabelPicture(), kWindLabel.topLeft());
    }
    flagTo_.reset();
    windTextChanged_ = false;
}

void Board::moveMarker(int32_t number, Point topLeft) {
    if (number >= 1 && number <= static_cast<int32_t>(Arrows.size()))
        Arrows[static_cast<std::size_t>(number - 1)]->move(topLeft.x, topLeft.y);
}

void Board::setNextarrowEnabled(bool enabled) {
    Nextarrow->setEnabled(enabled);
}

void Board::setShownScale(qreal scale) {
    shownScale_ = scale;
    flagPictures_.clear();
    windLabels_.clear();
    for (PixelImage* picture : findChildren<PixelImage*>()) picture->setShownScale(scale);
    Tercov->riderChanged(*Zamer);
    Klapacka->riderChanged(*Arrow);
    showWindOnTarget();
}

void Board::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (const QScreen* s = screen()) pacer_.setRefreshRate(s->refreshRate());
}

void Board::sightChanged() {
    Tercov->riderChanged(*Zamer);
}

void Board::showEndClock(int32_t secondsLeft, ClockLight light) {
    static constexpr const char* kColours[] = {"#10b010", "#f0d000", "#e01010"};
    Svetlo->setStyleSheet(QStringLiteral("background: %1; border: 2px solid #303030; "
                                         "border-radius: %2px;")
                              .arg(QLatin1String(kColours[static_cast<int>(light)]))
                              .arg(Svetlo->width() / 2));
    Hodiny->setText(QStringLiteral("%1 s").arg(secondsLeft));
    Svetlo->show();
    Hodiny->show();
}

void Board::showWind(const Wind& wind, const FlagPose& flag) {
    const QString text = WindText(wind);
    shownWind_ = wind;
    if (!windShown_) {
        windShown_ = true;
        shownFlag_ = flag;
        windText_ = text;
        showWindOnTarget();
        return;
    }
    // Painted with the sight's next move, as the screen shows its next picture.
    if (flag != shownFlag_) flagTo_ = shownFlag_ = flag;
    if (text != windText_) {
        windText_ = text;
        windTextChanged_ = true;
    }
    if (!inTick_) showMoves();
}

void Board::hideWind() {
    windShown_ = false;
    flagTo_.reset();
    windTextChanged_ = false;
    Tercov->setFixture(kFlagFixture, {}, {});
    Tercov->setFixture(kWindLabelFixture, {}, {});
}

void Board::hideEndClock() {
    Svetlo->hide();
    Hodiny->hide();
}
