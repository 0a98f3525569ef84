#include "windows/BoardInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

#include "platform/Gamepad.h"
#include "session/GameSession.h"
#include "windows/PadNavigation.h"

namespace {

// How often the pad is looked at between arrows while none is connected, in milliseconds.
constexpr int kPadIdleInterval = 250;

// The player did something with the pad, not just left it lying.
bool padUsed(const GamepadReading& r) {
    return r.pressed != 0 || std::abs(r.stickX) > kStickDeadZone ||
           std::abs(r.stickY) > kStickDeadZone || r.rightTrigger > kTriggerThreshold;
}

}  // namespace

BoardInput::BoardInput(QWidget& window, GameSession& session, QObject* parent)
    : QObject(parent), window_(window), session_(session) {
    connect(&session_, &GameSession::aboutToTick, this, [this] {
        if (pad_.connected) readPad();
    });
    connect(&session_, &GameSession::aimingChanged, this, &BoardInput::schedulePad);
    qApp->installEventFilter(this);
}

BoardInput::~BoardInput() {
    qApp->removeEventFilter(this);
}

bool BoardInput::boardInFront() const {
    return !QApplication::activeModalWidget() && !QApplication::activePopupWidget();
}

bool BoardInput::eventFilter(QObject* watched, QEvent* event) {
    // The player's own keys and clicks, not those the pad sends through the windows.
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress) &&
        event->spontaneous()) {
        usePadLast(false);
    }
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == &window_ &&
                boardInFront()) {
                return handleKey(event);
            }
            break;
        case QEvent::WindowBlocked:
            // A modal window or message box opened over the board.
            if (watched == &window_) {
                session_.letGoOfKeys();
                session_.setWindowOverBoard(true);
            }
            break;
        case QEvent::WindowUnblocked:
            if (watched == &window_) {
                session_.setWindowOverBoard(false);
                // Back at the board: it takes the keys and the pad again, whether or not the
                // desktop gives it the focus.
                window_.activateWindow();
            }
            break;
        case QEvent::WindowDeactivate:
            if (watched == &window_) session_.letGoOfKeys();
            break;
        case QEvent::Show:
            // A menu or another popup opened: it takes the keys until it closes.
            if (watched->isWidgetType() &&
                static_cast<QWidget*>(watched)->windowType() == Qt::Popup) {
                session_.letGoOfKeys();
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

bool BoardInput::handleKey(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    if (!session_.keyBindings().actionOf(key->key())) return false;
    // A held key repeats as release/press pairs; only the real press and release count.
    if (key->isAutoRepeat()) return true;
    if (event->type() == QEvent::KeyPress) {
        session_.keyPressed(key->key());
    } else {
        session_.keyReleased(key->key());
    }
    return true;
}

void BoardInput::usePad(Gamepad& pad) {
    gamepad_ = &pad;
    navigation_ = new PadNavigation(window_, this);
    padTimer_ = new QTimer(this);
    connect(padTimer_, &QTimer::timeout, this, &BoardInput::readPad);
    schedulePad();
}

std::string BoardInput::padName() const {
    return gamepad_ ? gamepad_->name() : std::string();
}

void BoardInput::schedulePad() {
    if (padTimer_ == nullptr) return;
    // A connected pad is read by the aiming tick while an arrow is aimed, and as often between
    // arrows; without one, SDL is only asked now and then whether one has been plugged in, so
    // that it costs the aiming nothing.
    const bool aiming = session_.Timer1->isActive();
    if (pad_.connected && aiming) {
        padTimer_->stop();
        return;
    }
    const int interval = pad_.connected ? session_.Timer1->interval() : kPadIdleInterval;
    if (!padTimer_->isActive() || padTimer_->interval() != interval) padTimer_->start(interval);
}

void BoardInput::readPad() {
    if (gamepad_ == nullptr) return;
    const GamepadReading reading = gamepad_->read();
    const bool plugged = reading.connected != pad_.connected || reading.family != pad_.family;
    pad_ = reading;
    if (plugged) {
        schedulePad();
        if (onHintsChanged) onHintsChanged();
    }
    if (padUsed(reading)) {
        usePadLast(true);
    } else if (!reading.connected) {
        usePadLast(false);
    }
    // The pad plays the match only while the player is at the board, as the keys do; over it,
    // it steps through the window or menu in front.
    const GamepadCommands commands = ReadGamepadCommands(reading);
    const bool playable = window_.isActiveWindow() && boardInFront();
    if (!playable) {
        session_.padRead(commands, false);
        navigation_->read(reading);
        return;
    }
    // Before the match plays: what it plays may open a window that reads the pad meanwhile.
    navigation_->boardHadPad(reading);
    session_.padRead(commands, true);
    if (commands.openMenu && onMenuAsked) onMenuAsked();
    if (commands.toggleFullScreen && onFullScreenAsked) onFullScreenAsked();
}

void BoardInput::usePadLast(bool pad) {
    if (pad == padInUse_) return;
    padInUse_ = pad;
    if (navigation_ != nullptr) navigation_->showFocus(pad);
    if (onHintsChanged) onHintsChanged();
}
