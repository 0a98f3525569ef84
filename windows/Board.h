#pragma once

#include <QElapsedTimer>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <map>
#include <optional>
#include <string>

#include "rules/bouts/BracketScreen.h"
#include "rules/match/MatchScreen.h"
#include "windows/FramePacer.h"

class BackdropImage;
class PixelImage;
class ClickableImage;
class GameSession;
class QLabel;
class QTimer;

// The windows a match opens over the board, each modally: the main window's business.
class WindowsOverBoard {
  public:
    virtual ~WindowsOverBoard() = default;
    virtual void showResults() = 0;
    virtual void showMessage(const Utf8Text& caption, const Utf8Text& text) = 0;
    virtual bool showPracticeSummary(const PracticeSession& session) = 0;
    virtual void showBracket(const BracketView& view) = 0;
};

// The range as the player sees it: target and sight, scope and markers, clicker and drawn arrow,
// the next-arrow control, the labels and the end clock. It carries out what the match shows and
// passes the clicks on its controls to the session.
class Board final : public QWidget, public MatchScreen, public BracketScreen {
    Q_OBJECT
  public:
    Board(GameSession& session, WindowsOverBoard& windows, QWidget* parent = nullptr);

    // MatchScreen
    void setLabel(MatchLabel label, const std::string& text) override;
    void loadPicture(PictureSlot slot, const std::string& fileName) override;
    void loadMarkerIcons(const std::string& fileName) override;
    void moveSight(Point topLeft) override;
    void moveDrawnArrow(int32_t left) override;
    void moveMarker(int32_t number, Point topLeft) override;
    void setNextarrowEnabled(bool enabled) override;
    // The session runs the tick; when it stops, the board shows where it left everything.
    void setTimerRunning(bool running) override;
    void showResults() override { windows_.showResults(); }
    void showMessage(const Utf8Text& caption, const Utf8Text& text) override {
        windows_.showMessage(caption, text);
    }
    void showEndClock(int32_t secondsLeft, ClockLight light) override;
    void hideEndClock() override;
    void showWind(const Wind& wind, const FlagPose& flag) override;
    void hideWind() override;
    bool showPracticeSummary(const PracticeSession& session) override {
        return windows_.showPracticeSummary(session);
    }

    // BracketScreen
    void showOpponentArrows(const std::vector<Point>& scopePoints) override;
    void showSetLine(const std::optional<SetLine>& line) override;
    void showBracket(const BracketView& view) override { windows_.showBracket(view); }

    // A new sight picture was put into Zamer.
    void sightChanged();
    // The board is shown `scale` times as large as in its window, 1 back in it: every picture
    // of the game is chosen anew for the size (PixelImage::setShownScale).
    void setShownScale(qreal scale);
    // What the next-arrow picture names as playing it: "klávesa D", "tlačítko B".
    void showNextarrowPrompt(const QString& prompt);

    // The aiming tick's moves of the sight and the drawn arrow are painted when the screen
    // shows its next picture (see FramePacer); between ticks every move shows at once.
    void tickStarted();
    void tickEnded();

    // The controls, named as the game knows them.
    BackdropImage* Tercov = nullptr;
    PixelImage* Zamer = nullptr;
    PixelImage* Dalekohled = nullptr;
    BackdropImage* Klapacka = nullptr;
    PixelImage* Arrow = nullptr;
    std::array<PixelImage*, 6> Arrows{};  // Arrow1 .. Arrow6
    ClickableImage* Nextarrow = nullptr;
    QLabel* PlName = nullptr;
    QLabel* Club = nullptr;
    QLabel* Vzdalenost = nullptr;
    QLabel* Celkem = nullptr;
    QLabel* SoucetSada = nullptr;
    QLabel* Sipylabel = nullptr;
    QLabel* SadaCount = nullptr;
    ClickableImage* Downbut = nullptr;
    ClickableImage* Rightbut = nullptr;
    ClickableImage* Upbut = nullptr;
    ClickableImage* Leftbut = nullptr;
    QWidget* Panel1 = nullptr;
    PixelImage* Lukostrelec = nullptr;
    PixelImage* Image3 = nullptr;
    // The end clock of a timed practice: its light and its seconds.
    QLabel* Svetlo = nullptr;
    QLabel* Hodiny = nullptr;
    // Whether the wind flag beside the target and the label of the wind's speed and direction
    // under it are shown. The target draws them, beneath the sight (BackdropImage::setFixture).
    bool windShown() const { return windShown_; }
    // A bout: the opponent's arrows in the scope, and the set line below the board.
    std::array<QLabel*, kArrowsPerSet> SouperoviSipy{};
    QLabel* Souboj = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildPictures(GameSession& session);
    void buildLabels();
    void buildEndClock();
    void showWindOnTarget();
    // The flag's picture of a pose, and "3,2 m/s ←" on a dark ground, at the size the board is
    // shown.
    const QPixmap& flagPicture(const FlagPose& pose);
    const QPixmap& windLabelPicture();
    void buildBoutPieces();
    // The next of the opponent's arrows waiting to be shown.
    void revealOpponentArrow();
    void showSetLineText();
    QLabel* label(MatchLabel which) const;
    // The next-arrow picture as loaded, shown with its captions in the interface's language.
    void showNextarrow(const QPixmap& picture, const QString& fileName);

    void showMoves();

    WindowsOverBoard& windows_;
    FramePacer pacer_;
    QElapsedTimer clock_;
    bool inTick_ = false;
    std::optional<Point> sightTo_;
    std::optional<int32_t> arrowTo_;
    QPixmap nextarrowPicture_;
    QString nextarrowFile_;
    QString nextarrowPrompt_;
    Wind shownWind_;
    FlagPose shownFlag_;
    bool windShown_ = false;
    std::optional<FlagPose> flagTo_;
    bool windTextChanged_ = false;
    QString windText_;
    qreal shownScale_ = 1;
    std::map<std::string, QPixmap> flagPictures_;  // by name, at the size shown
    std::map<QString, QPixmap> windLabels_;        // by text, at the size shown
    QTimer* opponentReveal_ = nullptr;
    std::vector<Point> opponentArrows_;
    std::size_t opponentShown_ = 0;
    std::optional<SetLine> setLine_;
};
