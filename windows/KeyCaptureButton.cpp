#include "windows/KeyCaptureButton.h"

#include <QKeyEvent>

KeyCaptureButton::KeyCaptureButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] {
        capturing_ = true;
        setText(promptText());
    });
}

QString KeyCaptureButton::promptText() {
    return tr("Stiskněte klávesu…");
}

void KeyCaptureButton::showKey(const QString& name) {
    shown_ = name;
    if (!capturing_) setText(name);
}

void KeyCaptureButton::stopCapture() {
    capturing_ = false;
    setText(shown_);
}

bool KeyCaptureButton::event(QEvent* event) {
    // Taken here, before the dialog would move the focus with Tab or close on Return.
    if (capturing_ &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        auto* key = static_cast<QKeyEvent*>(event);
        event->accept();
        if (event->type() == QEvent::ShortcutOverride || key->isAutoRepeat()) return true;
        stopCapture();
        if (key->key() != Qt::Key_Escape && key->key() != Qt::Key_unknown && key->key() != 0) {
            Q_EMIT keyCaptured(static_cast<KeyCode>(key->key()));
        }
        return true;
    }
    return QPushButton::event(event);
}

void KeyCaptureButton::focusOutEvent(QFocusEvent* event) {
    if (capturing_) stopCapture();
    QPushButton::focusOutEvent(event);
}
