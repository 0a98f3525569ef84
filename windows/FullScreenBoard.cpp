#include "windows/FullScreenBoard.h"

#include <QEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLayout>
#include <QMainWindow>
#include <QShortcut>

#include "rules/match/Geometry.h"
#include "rules/settings/FullScreenScale.h"
#include "windows/Board.h"

FullScreenBoard::FullScreenBoard(QMainWindow& window, Board& board, int32_t appliedScale)
    : QObject(&window),
      window_(window),
      board_(board),
      appliedScale_(appliedScale),
      shownScale_(appliedScale) {
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), &window_);
    escape_->setEnabled(false);
    connect(escape_, &QShortcut::activated, this, [this] { setOn(false); });
}

void FullScreenBoard::setOn(bool on) {
    if (on == isOn()) return;
    if (on) {
        enter();
    } else {
        leave();
    }
    escape_->setEnabled(on);
    if (onChanged) onChanged(on);
}

void FullScreenBoard::enter() {
    // The window's fixed size would keep it from filling the screen.
    window_.layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    window_.setMinimumSize(0, 0);
    window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window_.takeCentralWidget()->setParent(nullptr);  // the board, which a scene takes whole

    view_ = new QGraphicsView;
    auto* scene = new QGraphicsScene(0, 0, kBoardWidth, kBoardHeight, view_);
    view_->setScene(scene);
    view_->setBackgroundBrush(Qt::black);
    view_->setFrameShape(QFrame::NoFrame);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    proxy_ = scene->addWidget(&board_);
    view_->viewport()->installEventFilter(this);
    window_.setCentralWidget(view_);
    window_.showFullScreen();
    fit();
}

void FullScreenBoard::leave() {
    proxy_->setWidget(nullptr);  // gives the board back, whole, without a parent
    proxy_ = nullptr;
    QWidget* view = window_.takeCentralWidget();
    view_ = nullptr;
    view->deleteLater();
    window_.setCentralWidget(&board_);
    shownScale_ = appliedScale_;
    board_.setShownScale(1);
    window_.showNormal();
    window_.layout()->setSizeConstraint(QLayout::SetFixedSize);
}

bool FullScreenBoard::eventFilter(QObject* watched, QEvent* event) {
    if (view_ && watched == view_->viewport() && event->type() == QEvent::Resize) fit();
    return QObject::eventFilter(watched, event);
}

void FullScreenBoard::fit() {
    // The room in the desktop's pixels, which the window sizes are counted in.
    const QSize room = view_->viewport()->size() * appliedScale_ / 100;
    shownScale_ = FullScreenScale(room.width(), room.height());
    const qreal factor = shownScale_ / static_cast<qreal>(appliedScale_);
    view_->setTransform(QTransform::fromScale(factor, factor));
    board_.setShownScale(factor);
}
