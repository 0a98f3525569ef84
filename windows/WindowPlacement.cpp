#include "windows/WindowPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace {

int32_t toFullSize(int32_t coordinate, int32_t scale) {
    return static_cast<int32_t>(int64_t{coordinate} * scale / 100);
}
int32_t fromFullSize(int32_t coordinate, int32_t scale) {
    return static_cast<int32_t>(int64_t{coordinate} * 100 / scale);
}

}  // namespace

WindowPlacement::WindowPlacement(QWidget& window, int32_t appliedScale)
    : QObject(&window), window_(window), appliedScale_(appliedScale) {
    window_.installEventFilter(this);
}

void WindowPlacement::setStoredPosition(const Configuration& configuration) {
    storedPosition_ = {configuration.StoredLeft, configuration.StoredTop};
}

void WindowPlacement::own(QWidget* dialog) {
    ownDialogs_.insert(dialog);
    dialog->installEventFilter(this);
}

std::string WindowPlacement::configuration(int32_t difficulty) const {
    // On the whole screen the window has no place of its own: it keeps the one it goes back to.
    if (window_.isFullScreen())
        return WriteConfiguration(storedPosition_.left, storedPosition_.top, difficulty);
    const QRect frame = window_.frameGeometry();
    return WriteConfiguration(toFullSize(frame.x(), appliedScale_),
                              toFullSize(frame.y(), appliedScale_), difficulty);
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == &window_) {
        // The window goes to its stored place when it is first shown, so that it gets there
        // even where no window manager hands out the activation, and again at its first
        // activation, when the window system knows its frame and can place the frame exactly.
        if (type == QEvent::Show && firstActivation_) activatingf();
        if (type == QEvent::WindowActivate && (firstActivation_ || returningFromDialog_)) {
            firstActivation_ = false;
            activatingf();
        }
    } else if (type == QEvent::Hide && ownDialogs_.contains(watched)) {
        // Closing one of the game's dialogs brings the window back to its stored place; closing
        // a message box does not.
        returningFromDialog_ = true;
        // Not every window system activates the window again when the dialog goes (some never
        // took the activation away); bring it back once no dialog is left open.
        QTimer::singleShot(0, this, [this] {
            if (returningFromDialog_ && !QApplication::activeModalWidget()) activatingf();
        });
    }
    return QObject::eventFilter(watched, event);
}

void WindowPlacement::activatingf() {
    returningFromDialog_ = false;
    if (window_.isFullScreen()) return;
    std::vector<ScreenRect> screens;
    for (QScreen* s : QGuiApplication::screens()) {
        QRect r = s->availableGeometry();
        screens.push_back({r.x(), r.y(), r.width(), r.height()});
    }
    const int titleBar = window_.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QSize frame = window_.frameGeometry().size();
    const WindowPosition stored = {fromFullSize(storedPosition_.left, appliedScale_),
                                   fromFullSize(storedPosition_.top, appliedScale_)};
    const WindowPosition p = PlaceWindow(stored, frame.width(), frame.height(), titleBar, screens);
    window_.move(p.left, p.top);
}
