#include "windows/PadNavigation.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>

#include "windows/OnScreenKeyboard.h"
#include "windows/PadFocusFrame.h"

namespace {

void pressKey(QWidget* to, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(to, &release);
}

// The control a focused part belongs to: the field of a number field or a chooser is the
// control's own.
QWidget* control(QWidget* focus) {
    QWidget* parent = focus != nullptr ? focus->parentWidget() : nullptr;
    if (qobject_cast<QLineEdit*>(focus) &&
        (qobject_cast<QAbstractSpinBox*>(parent) || qobject_cast<QComboBox*>(parent))) {
        return parent;
    }
    return focus;
}

// A field a name or a club is typed into (a number field's text is not one).
QLineEdit* textField(QWidget* focus) {
    auto* field = qobject_cast<QLineEdit*>(focus);
    if (field == nullptr || field->isReadOnly() || control(focus) != focus) {
        auto* chooser = qobject_cast<QComboBox*>(control(focus));
        return chooser != nullptr ? chooser->lineEdit() : nullptr;
    }
    return field;
}

// Controls that move through their own values or lines with ↑ and ↓.
bool takesUpAndDown(QWidget* c) {
    return qobject_cast<QAbstractScrollArea*>(c) || qobject_cast<QAbstractSpinBox*>(c) ||
           qobject_cast<QAbstractSlider*>(c) || qobject_cast<QComboBox*>(c);
}

// In tab order, or an option of a group: Qt keeps Tab to the group's checked option.
bool reachable(QWidget* w, QWidget& window) {
    const auto* option = qobject_cast<QAbstractButton*>(w);
    return w->window() == &window && w->isVisible() && w->isEnabled() &&
           ((w->focusPolicy() & Qt::TabFocus) || (option && option->autoExclusive())) &&
           w->focusProxy() == nullptr;
}

}  // namespace

PadNavigation::PadNavigation(QWidget& board, QObject* parent) : QObject(parent), board_(board) {
    clock_.start();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { frame(now); });
}

PadNavigation::~PadNavigation() {
    delete frame_;
}

void PadNavigation::read(const GamepadReading& reading) {
    family_ = reading.family;
    const NavigationCommands commands = navigator_.read(reading, clock_.elapsed());
    for (unsigned bit = 0; bit < 32; ++bit) {
        if ((commands & (NavigationCommands{1} << bit)) == 0) continue;
        const auto command = static_cast<NavigationCommand>(bit);
        // Looked up for every step: a step may open or close a window.
        if (QWidget* popup = QApplication::activePopupWidget()) {
            inPopup(*popup, command);
        } else if (QWidget* window = QApplication::activeWindow(); window && window != &board_) {
            inWindow(*window, command);
        }
    }
}

void PadNavigation::inPopup(QWidget& popup, NavigationCommand command) {
    QWidget* to = popup.focusWidget() != nullptr ? popup.focusWidget() : &popup;
    switch (command) {
        case NavigationCommand::Up:
            return pressKey(to, Qt::Key_Up);
        case NavigationCommand::Down:
            return pressKey(to, Qt::Key_Down);
        case NavigationCommand::Left:
            return pressKey(to, Qt::Key_Left);
        case NavigationCommand::Right:
            return pressKey(to, Qt::Key_Right);
        case NavigationCommand::Choose:
            return pressKey(to, Qt::Key_Return);
        case NavigationCommand::Back:
            pressKey(to, Qt::Key_Escape);
            // A menu of the menu bar leaves the bar waiting for keys; the pad is done with it.
            if (auto* bar = qobject_cast<QMenuBar*>(QApplication::focusWidget());
                bar != nullptr && QApplication::activePopupWidget() == nullptr) {
                pressKey(bar, Qt::Key_Escape);
            }
            return;
        default:
            return;
    }
}

void PadNavigation::inWindow(QWidget& window, NavigationCommand command) {
    if (auto* keyboard = qobject_cast<OnScreenKeyboard*>(&window)) {
        return keyboard->carryOut(command);
    }
    QWidget* focus = window.focusWidget() != nullptr ? window.focusWidget() : &window;
    switch (command) {
        case NavigationCommand::Up:
        case NavigationCommand::Down:
            if (takesUpAndDown(control(focus))) {
                return pressKey(focus,
                                command == NavigationCommand::Up ? Qt::Key_Up : Qt::Key_Down);
            }
            return moveFocus(window, command == NavigationCommand::Down);
        case NavigationCommand::Left:
        case NavigationCommand::Right:
            return moveFocus(window, command == NavigationCommand::Right);
        case NavigationCommand::Choose:
            if (QLineEdit* field = textField(focus)) return openKeyboard(*field);
            return pressKey(focus, Qt::Key_Space);
        case NavigationCommand::Back:
            return pressKey(focus, Qt::Key_Escape);
        case NavigationCommand::PreviousPage:
            return turnPage(window, -1);
        case NavigationCommand::NextPage:
            return turnPage(window, 1);
        case NavigationCommand::Confirm:
            return;
    }
}

// Tab order, but every control: Tab itself passes over the unchecked options of a group.
void PadNavigation::moveFocus(QWidget& window, bool forward) {
    QWidget* from = window.focusWidget() != nullptr ? window.focusWidget() : &window;
    QWidget* to = from;
    do {
        to = forward ? to->nextInFocusChain() : to->previousInFocusChain();
    } while (to != from && !reachable(to, window));
    if (to == from) return;
    to->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    if (QLineEdit* field = textField(to)) openKeyboard(*field);
}

// The pages of the tab control the focus is on, or else of the window's first.
void PadNavigation::turnPage(QWidget& window, int by) {
    QWidget* w = window.focusWidget();
    while (w != nullptr && !qobject_cast<QTabWidget*>(w)) w = w->parentWidget();
    auto* tabs = w != nullptr ? static_cast<QTabWidget*>(w) : window.findChild<QTabWidget*>();
    if (tabs == nullptr || tabs->count() == 0) return;
    tabs->setCurrentIndex((tabs->currentIndex() + by + tabs->count()) % tabs->count());
    // The page's name where the player sees it; ↓ goes on into the page.
    tabs->tabBar()->setFocus(Qt::TabFocusReason);
}

void PadNavigation::openKeyboard(QLineEdit& field) {
    auto* keyboard = new OnScreenKeyboard(field, family_, field.window());
    keyboard->open();
}

void PadNavigation::showFocus(bool shown) {
    framed_ = shown;
    frame(QApplication::focusWidget());
}

void PadNavigation::frame(QWidget* focus) {
    QWidget* framed = framed_ && focus != nullptr && focus->window() != &board_ &&
                              !(focus->window()->windowType() == Qt::Popup)
                          ? control(focus)
                          : nullptr;
    if (framed == nullptr) {
        if (frame_) frame_->setWidget(nullptr);
        return;
    }
    if (!frame_) frame_ = new PadFocusFrame;
    frame_->setWidget(framed);
}
