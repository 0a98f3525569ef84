#pragma once

#include <QPushButton>

#include "rules/settings/KeyBindings.h"

// A button that shows a key; clicked, it takes the next key pressed, whatever it is (Tab and
// arrows included). Esc or leaving the button gives up.
class KeyCaptureButton final : public QPushButton {
    Q_OBJECT
  public:
    explicit KeyCaptureButton(QWidget* parent = nullptr);

    // What the button shows while it is not taking a key.
    void showKey(const QString& name);
    bool capturing() const { return capturing_; }
    // What it shows while it waits for the key.
    static QString promptText();

  Q_SIGNALS:
    void keyCaptured(KeyCode key);

  protected:
    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void stopCapture();

    QString shown_;
    bool capturing_ = false;
};
