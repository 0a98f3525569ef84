#pragma once

#include <QObject>
#include <QSet>
#include <cstdint>
#include <string>

#include "rules/settings/Configuration.h"
#include "rules/settings/StoredPosition.h"

class QWidget;

// Where the main window stands: at the place "Brantel2.ini" kept when it is first shown, and
// back there whenever one of the game's own dialogs closes. The file keeps the place as it is at
// 100 %, so that the window comes back to the same spot whichever size the player chose since.
// On the whole screen the window stays where it is, and the file keeps its place in the window.
class WindowPlacement final : public QObject {
    Q_OBJECT
  public:
    // `appliedScale` is the window size Qt was started with, in per cent.
    WindowPlacement(QWidget& window, int32_t appliedScale);

    void setStoredPosition(const Configuration& configuration);
    // Counts `dialog` among the game's own, whose closing brings the window back to its place.
    void own(QWidget* dialog);
    // "Brantel2.ini" as the window stands now, with `difficulty`.
    std::string configuration(int32_t difficulty) const;

    // Moves the window to its stored place, kept within the screens.
    void activatingf();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& window_;
    int32_t appliedScale_;
    WindowPosition storedPosition_;
    QSet<const QObject*> ownDialogs_;
    bool firstActivation_ = true;
    bool returningFromDialog_ = false;
};
