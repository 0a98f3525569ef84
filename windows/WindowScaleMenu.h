#pragma once

#include <QMenu>
#include <cstdint>
#include <functional>
#include <map>

class QAction;

// The "Velikost okna" submenu: one radio item per size the game offers, the chosen one checked,
// and "Celá obrazovka" (F11), checked while the board fills the screen. Each time it opens, a
// size at which `window` would not fit its screen is marked as such; it stays selectable, so
// that a size that no longer fits can always be chosen back.
class WindowScaleMenu final : public QMenu {
    Q_OBJECT
  public:
    WindowScaleMenu(QWidget& window, int32_t appliedScale, int32_t chosenScale,
                    QWidget* parent = nullptr);

    // The player picked `percent` (any item, the checked one too).
    std::function<void(int32_t percent)> onChosen;
    // The player asked for the whole screen, or to leave it.
    std::function<void()> onFullScreenChosen;

    QAction* item(int32_t percent) const { return items_.at(percent); }
    QAction* fullScreenItem() const { return fullScreen_; }
    // Captions and marks as the window now stands on its screen.
    void markSizes();

  private:
    void retranslate();

    QWidget& window_;
    int32_t appliedScale_;
    std::map<int32_t, QAction*> items_;
    QAction* fullScreen_ = nullptr;
};
