#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "windows/Board.h"

struct ControlsInUse;

class AboutBox;
class BoardInput;
class BoutsDialog;
class BracketWindow;
class ControlsDialog;
class DialogSetupPrompts;
class DifficultyDialog;
class FieldLevelDialog;
class WindDialog;
class FileStore;
class FullScreenBoard;
class GameSession;
class Gamepad;
class LanguageMenu;
class PracticeDialog;
class PracticeSummaryWindow;
class QAction;
class QMenu;
class ResultsWindow;
class SightChooser;
class SoundDialog;
class StatisticsWindow;
class WindowPlacement;
class WindowScaleMenu;

// The main window: the board, the menu and the game's dialogs over it. The session plays the
// match; this window opens what the player asks for from the menu.
class MainWindow final : public QMainWindow, private WindowsOverBoard {
    Q_OBJECT
  public:
    MainWindow(GameSession& session, FileStore& files, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence: the welcome notice, the defaults and the configuration file. False
    // when the player declined the notice: the game then ends without showing the window or
    // writing the configuration.
    bool FormCreate();
    // Shows the window as the player last left it: in its place, or on the whole screen.
    void showAsKept();

    // Answers the welcome notice; tests replace it.
    std::function<bool()> askWelcome;

    GameSession& session() { return session_; }
    // Plays the game from `pad` too.
    void useGamepad(Gamepad& pad);
    BoardInput& input() { return *input_; }
    FullScreenBoard& fullScreen() { return *fullScreen_; }

    Board* board = nullptr;

    QMenu* Hra = nullptr;
    QMenu* Nastaveni = nullptr;
    QMenu* Npovda1 = nullptr;
    QAction* Novhra1 = nullptr;
    QAction* Statistika1 = nullptr;
    QAction* Trenink1 = nullptr;
    QAction* Souboje1 = nullptr;
    QAction* Pokracovat1 = nullptr;
    QAction* K1 = nullptr;
    QAction* Obtnost1 = nullptr;
    QAction* Vybzamer = nullptr;
    QAction* Ovladani1 = nullptr;
    QAction* Souperi = nullptr;
    QAction* Vitr = nullptr;
    QAction* Zvuk1 = nullptr;
    LanguageMenu* Jazyk = nullptr;
    WindowScaleMenu* Velikostokna = nullptr;
    QAction* Index1 = nullptr;
    QAction* Ohe1 = nullptr;

    // The dialogs, each made the first time it is shown and kept until the game ends.
    ResultsWindow* Form5 = nullptr;
    DifficultyDialog* ObtForm = nullptr;
    AboutBox* Form7 = nullptr;
    SightChooser* Form8 = nullptr;
    StatisticsWindow* Form9 = nullptr;
    ControlsDialog* OvlForm = nullptr;
    PracticeDialog* TreninkForm = nullptr;
    PracticeSummaryWindow* VysledekTreninku = nullptr;
    FieldLevelDialog* SouperiForm = nullptr;
    WindDialog* VitrForm = nullptr;
    SoundDialog* ZvukForm = nullptr;
    BoutsDialog* SoubojeForm = nullptr;
    BracketWindow* PavoukForm = nullptr;

    // WindowsOverBoard
    void showResults() override;
    void showMessage(const Utf8Text& caption, const Utf8Text& text) override;
    bool showPracticeSummary(const PracticeSession& session) override;
    void showBracket(const BracketView& view) override;

  public Q_SLOTS:
    void Novhra1Click();
    void Statistika1Click();
    void Trenink1Click();
    void Souboje1Click();
    void Pokracovat1Click();
    void K1Click();
    void Obtnost1Click();
    void VybzamerClick();
    void Ovladani1Click();
    void SouperiClick();
    void VitrClick();
    void ZvukClick();
    void VelikostoknaClick(int32_t percent);
    // The board to the whole screen or back into the window; the choice is kept.
    void CelaobrazovkaClick();
    // However the board came to the whole screen or left it (Esc too): marked and kept.
    void fullScreenChanged(bool on);
    void Index1Click();
    void Ohe1Click();
    // Keeps the choice in the settings ("" for the desktop's) and speaks it at once.
    void JazykClick(const std::string& language);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenu();
    void retranslate();
    ControlsInUse controlsInUse() const;
    void showControlHints();
    SightChooser& sightChooser();
    // Asks whether to go on with the match the history holds unfinished, when there is one.
    void offerToResume();
    // Counts `dialog` among the game's own, whose closing brings the window back to its place.
    void own(QWidget* dialog);
    void closingf();

    GameSession& session_;
    FileStore& files_;
    BoardInput* input_ = nullptr;
    WindowPlacement* placement_ = nullptr;
    FullScreenBoard* fullScreen_ = nullptr;
    std::unique_ptr<DialogSetupPrompts> setupPrompts_;
    // The window size Qt was started with.
    int32_t appliedScale_;
};
