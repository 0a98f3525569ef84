#pragma once

#include <QObject>
#include <cstdint>
#include <functional>

class Board;
class QGraphicsProxyWidget;
class QGraphicsView;
class QMainWindow;
class QShortcut;

// The board on the whole screen, below the menu, centred on black at the largest window size
// that fits (FullScreenScale), from the moment it is asked for. The window's size of the start
// stays Qt's scale factor; on the whole screen the board goes into a graphics view that shows it
// enlarged by what the chosen size adds to it. The view paints the board through a scaled
// painter, so the board comes out as sharp as at that window size: every picture pixel a block
// of whole screen pixels (PixelImage), the text drawn anew at its size, and at 150 % the pictures
// drawn for it (Board::setShownScale). Esc leaves the whole screen too.
class FullScreenBoard final : public QObject {
    Q_OBJECT
  public:
    // `appliedScale` is the window size Qt was started with, in per cent.
    FullScreenBoard(QMainWindow& window, Board& board, int32_t appliedScale);

    bool isOn() const { return view_ != nullptr; }
    void setOn(bool on);
    // The size the board is shown at, in per cent of the desktop's pixels.
    int32_t shownScale() const { return shownScale_; }

    // The board went to the whole screen or came back into the window.
    std::function<void(bool on)> onChanged;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void enter();
    void leave();
    // Sizes the board to the room the screen leaves it.
    void fit();

    QMainWindow& window_;
    Board& board_;
    int32_t appliedScale_;
    int32_t shownScale_;
    QShortcut* escape_ = nullptr;
    QGraphicsView* view_ = nullptr;
    QGraphicsProxyWidget* proxy_ = nullptr;
};
