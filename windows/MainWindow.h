#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QSet>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "platform/QtSteadyClock.h"
#include "rules/controls/ControlInput.h"
#include "rules/match/MatchEngine.h"
#include "rules/match/MatchState.h"
#include "rules/settings/SettingsFile.h"
#include "rules/settings/StoredPosition.h"
#include "windows/BackdropImage.h"

class FileStore;
class QAction;
class QLabel;
class QMenu;
class QTimer;
class ClickableImage;
class DialogSetupPrompts;
class ResultsWindow;
class AboutBox;
class SightChooser;
class DifficultyDialog;
class FieldLevelDialog;
class StatisticsWindow;
class ControlsDialog;
class Gamepad;
class PracticeDialog;
class PracticeSummaryWindow;
class WindowScaleMenu;

// The main window: target, sight, scope, clicker, labels and menu. It owns the match state,
// shows what the engine asks for and passes the player's keys and clicks on.
class MainWindow final : public QMainWindow, public MatchScreen {
    Q_OBJECT
  public:
    MainWindow(FileStore& files, Random& random, ClickerSound& sound, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence: the welcome notice, the sight pointer, the defaults and the
    // configuration file. False when the player declined the notice: the game then ends
    // without showing the window or writing the configuration.
    bool FormCreate();

    // Answers the welcome notice; tests replace it.
    std::function<bool()> askWelcome;

    MatchState& state() { return state_; }
    MatchEngine& engine() { return engine_; }
    // The player's settings in "nastaveni.ini"; every window that changes one saves it here.
    SettingsFile& settings() { return settings_; }
    // The keys that play the actions, as the settings give them.
    const KeyBindings& keyBindings() const { return bindings_; }
    // Plays the game from `pad` too: a connected pad is read once per aiming tick, and between
    // arrows on a timer of its own.
    void useGamepad(Gamepad& pad);
    // Reads the pad once and plays what it asks; the aiming tick and the pad's timer call it.
    void readGamepad();

    // MatchScreen
    void setLabel(MatchLabel label, const std::string& text) override;
    void loadPicture(PictureSlot slot, const std::string& fileName) override;
    void loadMarkerIcons(const std::string& fileName) override;
    void moveSight(Point topLeft) override;
    void moveDrawnArrow(int32_t left) override;
    void moveMarker(int32_t number, Point topLeft) override;
    void setNextarrowEnabled(bool enabled) override;
    void setTimerRunning(bool running) override;
    void showResults() override;
    void showMessage(const Utf8Text& caption, const Utf8Text& text) override;
    void showEndClock(int32_t secondsLeft, ClockLight light) override;
    void hideEndClock() override;
    bool showPracticeSummary(const PracticeSession& session) override;

    // The controls, named as the game knows them.
    BackdropImage* Tercov = nullptr;
    QLabel* Zamer = nullptr;
    QLabel* Dalekohled = nullptr;
    BackdropImage* Klapacka = nullptr;
    QLabel* Arrow = nullptr;
    std::array<QLabel*, 6> Arrows{};  // Arrow1 .. Arrow6
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
    QLabel* Lukostrelec = nullptr;
    QLabel* Image3 = nullptr;
    QTimer* Timer1 = nullptr;
    // The end clock of a timed practice: its light, its seconds, and the look at it between
    // the aiming ticks.
    QLabel* Svetlo = nullptr;
    QLabel* Hodiny = nullptr;
    QTimer* HodinyTimer = nullptr;

    QMenu* Hra = nullptr;
    QMenu* Nastaveni = nullptr;
    QMenu* Npovda1 = nullptr;
    QAction* Novhra1 = nullptr;
    QAction* Statistika1 = nullptr;
    QAction* Trenink1 = nullptr;
    QAction* K1 = nullptr;
    QAction* Obtnost1 = nullptr;
    QAction* Vybzamer = nullptr;
    QAction* Ovladani1 = nullptr;
    QAction* Souperi = nullptr;
    QMenu* Jazyk = nullptr;  // "Jazyk / Language": the desktop's, then each language spoken
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

  public Q_SLOTS:
    void Timer1Timer();
    void NextarrowClick();
    void LeftbutClick();
    void UpbutClick();
    void RightbutClick();
    void DownbutClick();
    void Novhra1Click();
    void Statistika1Click();
    void Trenink1Click();
    void HodinyTimerTimer();
    void K1Click();
    void Obtnost1Click();
    void VybzamerClick();
    void Ovladani1Click();
    void SouperiClick();
    void VelikostoknaClick(int32_t percent);
    void Index1Click();
    void Ohe1Click();
    // Keeps the choice in the settings ("" for the desktop's) and speaks it at once.
    void JazykClick(const std::string& language);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void buildBoard();
    void buildLabels();
    void buildEndClock();
    void buildMenu();
    void buildLanguageMenu();
    void retranslate();
    void showLanguageChoice();
    // The next-arrow picture as loaded, shown with its captions in the interface's language.
    void showNextarrow(const QPixmap& picture, const QString& fileName);
    void activatingf();
    void closingf();
    bool handleKey(QEvent* event);
    void play(const std::vector<KeyTransition>& keys);
    void schedulePad();
    // The help, the next-arrow picture and the controls dialog name the keys and buttons bound.
    void showControlHints();
    // Runs a player's action; a picture that cannot be loaded ends it with the error box.
    void guarded(const std::function<void()>& action);
    QLabel* label(MatchLabel which) const;
    // Counts `dialog` among the game's own, whose closing brings the window back to its place.
    void own(QDialog* dialog);
    void showOwnDialog(QWidget* dialog);
    // The computer archers' values for a match at the player's level, when the player chose
    // it and an archer of the field has a handicap.
    std::optional<PerformanceTable> levelledField(int32_t roundType,
                                                  const CompetitorTable& competitors) const;

    FileStore& files_;
    SettingsFile settings_;
    KeyBindings bindings_;
    ControlInput input_;
    Gamepad* gamepad_ = nullptr;
    QTimer* padTimer_ = nullptr;
    GamepadReading pad_;
    MatchState state_;
    MatchEngine engine_;
    QtSteadyClock steadyClock_;
    std::unique_ptr<DialogSetupPrompts> setupPrompts_;
    QSet<const QObject*> ownDialogs_;
    WindowPosition storedPosition_;
    bool firstActivation_ = true;
    bool returningFromDialog_ = false;
    QPixmap nextarrowPicture_;
    QString nextarrowFile_;
    // The window size Qt was started with; positions are stored as they would be at 100 %.
    int32_t appliedScale_;
};
