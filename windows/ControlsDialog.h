#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "rules/controls/GamepadMapping.h"
#include "rules/settings/KeyBindings.h"

class QLabel;
class QPushButton;
class QToolButton;
class KeyCaptureButton;

// "Ovládání...": the seven actions with one or two keys each, and what plays them on a pad.
// A key is set by clicking its button and pressing the key; a key another action has, or one the
// menu needs, is refused with a message. OK keeps the keys, "Storno" and Esc leave them.
class ControlsDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit ControlsDialog(QWidget* parent = nullptr);

    // Shows `bindings` to be changed, and the pad as the game last read it.
    void load(const KeyBindings& bindings, GamepadFamily family, const QString& padName);
    const KeyBindings& bindings() const { return bindings_; }

    // Tells the player why a key was refused; a message box captioned "Ovládání", which tests
    // replace.
    std::function<void(const QString& why)> tellRefusal;

    std::array<std::array<KeyCaptureButton*, kKeysPerAction>, kControlActionCount> keyButtons{};
    std::array<QToolButton*, kControlActionCount> clearButtons{};
    std::array<QLabel*, kControlActionCount> padLabels{};
    QLabel* notice = nullptr;
    QLabel* padLine = nullptr;
    QPushButton* Vychozi = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Storno = nullptr;

  private:
    void retranslate();
    void captured(ControlAction action, std::size_t place, KeyCode key);
    void showPad();
    void showBindings();

    KeyBindings bindings_;
    GamepadFamily family_ = GamepadFamily::Generic;
    QString padName_;
    std::array<QLabel*, 5> headers_{};
    std::array<QLabel*, kControlActionCount> actionLabels_{};
    QLabel* howTo_ = nullptr;
};
