#include "windows/FollowLanguage.h"

#include <QEvent>
#include <QWidget>
#include <utility>

namespace {

// Owned by the window it watches, so it goes with it.
class LanguageFollower final : public QObject {
  public:
    LanguageFollower(QWidget* window, std::function<void()> retranslate)
        : QObject(window), retranslate_(std::move(retranslate)) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::LanguageChange) retranslate_();
        return false;
    }

  private:
    std::function<void()> retranslate_;
};

}  // namespace

void FollowLanguage(QWidget* window, std::function<void()> retranslate) {
    retranslate();
    new LanguageFollower(window, std::move(retranslate));
}
