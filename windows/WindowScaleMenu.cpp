#include "windows/WindowScaleMenu.h"

#include <QActionGroup>
#include <QScreen>

#include "rules/settings/PlayerSettings.h"
#include "rules/settings/StoredPosition.h"
#include "windows/FollowLanguage.h"

WindowScaleMenu::WindowScaleMenu(QWidget& window, int32_t appliedScale, int32_t chosenScale,
                                 QWidget* parent)
    : QMenu(parent), window_(window), appliedScale_(appliedScale) {
    auto* group = new QActionGroup(this);
    for (const int32_t percent : kWindowScales) {
        QAction* action = addAction(QString());
        action->setCheckable(true);
        action->setChecked(percent == chosenScale);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, percent] {
            if (onChosen) onChosen(percent);
        });
        items_[percent] = action;
    }
    addSeparator();
    fullScreen_ = addAction(QString());
    fullScreen_->setCheckable(true);
    fullScreen_->setShortcut(Qt::Key_F11);
    connect(fullScreen_, &QAction::triggered, this, [this] {
        if (onFullScreenChosen) onFullScreenChosen();
    });
    FollowLanguage(this, [this] { retranslate(); });
    connect(this, &QMenu::aboutToShow, this, &WindowScaleMenu::markSizes);
}

void WindowScaleMenu::retranslate() {
    setTitle(tr("&Velikost okna"));
    fullScreen_->setText(tr("&Celá obrazovka"));
    markSizes();
}

void WindowScaleMenu::markSizes() {
    const QScreen* screen = window_.screen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    const QSize frame = window_.frameGeometry().size();
    for (const auto& [percent, action] : items_) {
        const bool fits =
            !screen || ScaledWindowFits(frame.width(), frame.height(), appliedScale_, percent,
                                        {0, 0, available.width(), available.height()});
        action->setText(fits ? tr("%1 %").arg(percent) : tr("%1 % (nevejde se)").arg(percent));
    }
}
