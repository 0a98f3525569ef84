#include "windows/MainWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/QtBuiltin.h"
#include "platform/QtText.h"
#include "platform/Translations.h"
#include "platform/WindowScale.h"
#include "platform/history/HistoryFile.h"
#include "platform/history/HistoryReader.h"
#include "rules/formats/FileStore.h"
#include "rules/formats/GameText.h"
#include "rules/history/HistoryMessages.h"
#include "rules/history/PracticeSummary.h"
#include "rules/settings/Configuration.h"
#include "rules/settings/InterfaceLanguage.h"
#include "rules/settings/SettingsMessages.h"
#include "session/GameSession.h"
#include "windows/AboutBox.h"
#include "windows/BoardInput.h"
#include "windows/BoutsDialog.h"
#include "windows/BracketWindow.h"
#include "windows/ClickableImage.h"
#include "windows/ControlNames.h"
#include "windows/ControlsDialog.h"
#include "windows/DialogSetupPrompts.h"
#include "windows/DifficultyDialog.h"
#include "windows/ErrorBox.h"
#include "windows/FieldLevelDialog.h"
#include "windows/FollowLanguage.h"
#include "windows/FullScreenBoard.h"
#include "windows/GameTextDisplay.h"
#include "windows/HelpViewer.h"
#include "windows/LanguageMenu.h"
#include "windows/PracticeDialog.h"
#include "windows/PracticeSummaryWindow.h"
#include "windows/ResultsWindow.h"
#include "windows/ResumeQuestion.h"
#include "windows/SightChooser.h"
#include "windows/SoundDialog.h"
#include "windows/StatisticsWindow.h"
#include "windows/WindDialog.h"
#include "windows/WindowPlacement.h"
#include "windows/WindowScaleMenu.h"

namespace {

constexpr QPoint kDesignPosition{291, 233};
const char* const kConfigurationFile = "Brantel2.ini";

QString welcomeText() {
    return MainWindow::tr(
        "VEXA 99 1.2 beta - toto je pracovní verze z 30.6 1999 ! \n"
        " Ve hře se mohou objevovat malé nedostatky ! \n"
        " Připomínky a návrhy posílejte prosím na adresu: pripominky@vexa99.cz");
}

bool showWelcome() {
    QMessageBox box(QMessageBox::NoIcon, MainWindow::tr("Vítejte !"), welcomeText(),
                    QMessageBox::Ok | QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

}  // namespace

MainWindow::MainWindow(GameSession& session, FileStore& files, QWidget* parent)
    : QMainWindow(parent),
      askWelcome(showWelcome),
      session_(session),
      files_(files),
      appliedScale_(AppliedWindowScale()) {
    // The interface speaks the player's language before anything is said.
    SpeakLanguage(InterfaceLanguage(session_.playerSettings().language, ProcessEnvironment(),
                                    SpokenLanguages()));
    setWindowTitle(QStringLiteral("VEXA 99"));
    setWindowIcon(QIcon(BuiltinPicture(QStringLiteral("icon.png"))));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    setFont(font);

    // The window takes the game's keys itself, whichever of its parts has the focus.
    setFocusPolicy(Qt::StrongFocus);
    input_ = new BoardInput(*this, session_, this);
    input_->onMenuAsked = [this] { menuBar()->setActiveAction(Hra->menuAction()); };
    input_->onFullScreenAsked = [this] { CelaobrazovkaClick(); };
    input_->onHintsChanged = [this] { showControlHints(); };
    placement_ = new WindowPlacement(*this, appliedScale_);

    board = new Board(session_, *this, this);
    setCentralWidget(board);
    session_.showOn(*board);
    session_.showBracketsOn(*board);
    fullScreen_ = new FullScreenBoard(*this, *board, appliedScale_);
    buildMenu();
    fullScreen_->onChanged = [this](bool on) { fullScreenChanged(on); };
    FollowLanguage(this, [this] { retranslate(); });
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(&session_, &GameSession::pictureFailed, this,
            [this](const QString& message) { ShowErrorBox(this, message); });
    connect(&session_, &GameSession::historyNotSaving, this, [this] {
        showMessage(GameMessage(kHistoryNotSavedCaption), GameMessage(kHistoryNotSavedText));
    });
    connect(&session_, &GameSession::settingsNotSaved, this, [this] {
        showMessage(GameMessage(kSettingsCaption), GameMessage(kSettingsNotSavedText));
    });
}

MainWindow::~MainWindow() {
    // The session outlives the window: nothing of it may be shown here any more.
    session_.showNowhere();
}

void MainWindow::buildMenu() {
    Hra = menuBar()->addMenu(QString());
    Novhra1 = Hra->addAction(QString(), this, &MainWindow::Novhra1Click);
    Statistika1 = Hra->addAction(QString(), this, &MainWindow::Statistika1Click);
    Trenink1 = Hra->addAction(QString(), this, &MainWindow::Trenink1Click);
    Souboje1 = Hra->addAction(QString(), this, &MainWindow::Souboje1Click);
    Pokracovat1 = Hra->addAction(QString(), this, &MainWindow::Pokracovat1Click);
    Pokracovat1->setEnabled(false);
    connect(&session_, &GameSession::resumableChanged, Pokracovat1,
            [this] { Pokracovat1->setEnabled(session_.resumable().has_value()); });
    Hra->addSeparator();
    K1 = Hra->addAction(QString(), this, &MainWindow::K1Click);
    Nastaveni = menuBar()->addMenu(QString());
    Obtnost1 = Nastaveni->addAction(QString(), this, &MainWindow::Obtnost1Click);
    Vybzamer = Nastaveni->addAction(QString(), this, &MainWindow::VybzamerClick);
    Souperi = Nastaveni->addAction(QString(), this, &MainWindow::SouperiClick);
    Vitr = Nastaveni->addAction(QString(), this, &MainWindow::VitrClick);
    Ovladani1 = Nastaveni->addAction(QString(), this, &MainWindow::Ovladani1Click);
    Zvuk1 = Nastaveni->addAction(QString(), this, &MainWindow::ZvukClick);
    Velikostokna =
        new WindowScaleMenu(*this, appliedScale_, session_.playerSettings().windowScale, this);
    Velikostokna->onChosen = [this](int32_t percent) { VelikostoknaClick(percent); };
    Velikostokna->onFullScreenChosen = [this] { CelaobrazovkaClick(); };
    Nastaveni->addMenu(Velikostokna);
    Jazyk = new LanguageMenu(session_.playerSettings().language, this);
    Jazyk->onChosen = [this](const std::string& language) { JazykClick(language); };
    Nastaveni->addMenu(Jazyk);
    Npovda1 = menuBar()->addMenu(QString());
    Index1 = Npovda1->addAction(QString(), this, &MainWindow::Index1Click);
    Ohe1 = Npovda1->addAction(QString(), this, &MainWindow::Ohe1Click);
}

void MainWindow::retranslate() {
    Hra->setTitle(tr("&Hra"));
    Novhra1->setText(tr("&Nová hra"));
    Statistika1->setText(tr("&Statistika..."));
    Trenink1->setText(tr("&Trénink..."));
    Souboje1->setText(tr("So&uboje..."));
    Pokracovat1->setText(tr("&Pokračovat v zápase"));
    K1->setText(tr("&Konec"));
    Nastaveni->setTitle(tr("&Nastavení"));
    Obtnost1->setText(tr("&Obtížnost"));
    Vybzamer->setText(tr("&Zaměřovač"));
    Souperi->setText(tr("&Soupeři..."));
    Vitr->setText(tr("Ví&tr..."));
    Ovladani1->setText(tr("Ovlá&dání..."));
    Zvuk1->setText(tr("Zv&uk..."));
    Npovda1->setTitle(tr("Nápo&věda"));
    Index1->setText(tr("&Index"));
    Ohe1->setText(tr("&O hře..."));
    showControlHints();
}

ControlsInUse MainWindow::controlsInUse() const {
    return {.bindings = session_.keyBindings(),
            .family = input_->padReading().family,
            .padInUse = input_->padInUse()};
}

void MainWindow::showControlHints() {
    const ControlsInUse controls = controlsInUse();
    ShowControlHints(*board->Nextarrow, controls);
    board->showNextarrowPrompt(NextArrowPrompt(controls));
}

bool MainWindow::FormCreate() {
    const bool welcome = askWelcome();
    const Configuration config = ReadConfiguration(
        files_.read(kConfigurationFile, kConfigurationReadLimit).value_or(std::string()));
    session_.start(config);
    placement_->setStoredPosition(config);
    move(kDesignPosition);
    if (welcome) {
        const bool unreadable = session_.settings().takeUnreadableNotice();
        // Once the window is up, so that the notices do not stand in for the game itself; the
        // question about an unfinished match comes after them.
        QTimer::singleShot(0, this, [this, unreadable] {
            if (unreadable)
                showMessage(GameMessage(kSettingsCaption), GameMessage(kSettingsUnreadableText));
            offerToResume();
        });
    }
    return welcome;
}

void MainWindow::showAsKept() {
    if (session_.playerSettings().fullScreen) {
        fullScreen_->setOn(true);
    } else {
        show();
    }
}

void MainWindow::useGamepad(Gamepad& pad) {
    input_->usePad(pad);
}

void MainWindow::own(QWidget* dialog) {
    placement_->own(dialog);
}

// --- The windows a match opens ---------------------------------------------------------------

void MainWindow::showResults() {
    if (Form5 == nullptr) {
        own(Form5 = new ResultsWindow(session_.state(), files_, this));
        Form5->onClosing = [this] { session_.engine().ResultsClosed(); };
    }
    Form5->congratulateOnClasses(session_.classesEarned());
    Form5->exec();
}

void MainWindow::showMessage(const Utf8Text& caption, const Utf8Text& text) {
    QMessageBox box(QMessageBox::NoIcon, TranslatedGameText(caption),
                    WithNextArrowNamed(TranslatedGameText(text), controlsInUse()), QMessageBox::Ok,
                    this);
    box.exec();
}

bool MainWindow::showPracticeSummary(const PracticeSession& session) {
    if (VysledekTreninku == nullptr) own(VysledekTreninku = new PracticeSummaryWindow(this));
    return VysledekTreninku->showSummary(SummarisePractice(session), session_.classesEarned());
}

void MainWindow::showBracket(const BracketView& view) {
    if (PavoukForm == nullptr) own(PavoukForm = new BracketWindow(this));
    PavoukForm->showBracket(view);
}

// --- The menu --------------------------------------------------------------------------------

// The game's dialogs are made when first needed, not at start-up: most games open few of them,
// and together with what they load (the file dialog, the charts) they would take a good part of
// the game's memory. Each is kept until the game ends, so that it keeps its controls' state
// between showings.

void MainWindow::Novhra1Click() {
    if (!setupPrompts_) {
        setupPrompts_ = std::make_unique<DialogSetupPrompts>(files_, this);
        own(&setupPrompts_->Form2);
        own(&setupPrompts_->Form3);
        own(&setupPrompts_->Form4);
    }
    session_.newMatch(*setupPrompts_);
}

void MainWindow::Statistika1Click() {
    if (Form9 == nullptr) own(Form9 = new StatisticsWindow(kHistoryFile, files_, this));
    session_.whileAimingPaused([this] {
        // Read afresh: it shows the match just finished.
        Form9->loadHistory();
        Form9->exec();
    });
}

void MainWindow::Trenink1Click() {
    if (TreninkForm == nullptr) own(TreninkForm = new PracticeDialog(this));
    const bool accepted = session_.whileAimingPaused([this] {
        std::vector<KnownArcher> archers;
        HistoryReader(kHistoryFile).readArchers(archers);
        TreninkForm->prepare(session_.playerSettings().practice, archers);
        return TreninkForm->exec() == QDialog::Accepted;
    });
    if (accepted) session_.startPractice(TreninkForm->chosen(), toUtf8(TreninkForm->club()));
}

void MainWindow::offerToResume() {
    if (session_.resumable() && ResumeQuestion(*session_.resumable(), this).ask())
        Pokracovat1Click();
}

void MainWindow::Pokracovat1Click() {
    session_.resumeMatch();
    sightChooser().showSight(session_.state().SightPicture);
}

void MainWindow::Souboje1Click() {
    if (SoubojeForm == nullptr) own(SoubojeForm = new BoutsDialog(this));
    const bool accepted = session_.whileAimingPaused([this] {
        std::vector<KnownArcher> archers;
        HistoryReader(kHistoryFile).readArchers(archers);
        SoubojeForm->prepare(session_.playerSettings().bouts, archers);
        return SoubojeForm->exec() == QDialog::Accepted;
    });
    if (accepted) session_.startBracket(SoubojeForm->chosen(), toUtf8(SoubojeForm->club()));
}

void MainWindow::K1Click() {
    // Ends the game at once: the close handling does not run and nothing is written.
    QCoreApplication::exit(0);
}

void MainWindow::Obtnost1Click() {
    if (ObtForm == nullptr) own(ObtForm = new DifficultyDialog(session_.state(), this));
    ObtForm->exec();
}

SightChooser& MainWindow::sightChooser() {
    if (Form8 == nullptr) {
        own(Form8 = new SightChooser(*board->Zamer, this));
        Form8->onSightChosen = [this](int32_t sight) {
            session_.state().SightPicture = sight;
            board->sightChanged();
        };
    }
    return *Form8;
}

void MainWindow::VybzamerClick() {
    sightChooser().exec();
}

void MainWindow::Ovladani1Click() {
    if (OvlForm == nullptr) own(OvlForm = new ControlsDialog(this));
    OvlForm->load(session_.keyBindings(), input_->padReading().family,
                  QString::fromStdString(input_->padName()));
    if (OvlForm->exec() != QDialog::Accepted) return;
    session_.settings().saveKeyBindings(OvlForm->bindings());
    showControlHints();
}

void MainWindow::SouperiClick() {
    if (SouperiForm == nullptr) own(SouperiForm = new FieldLevelDialog(session_.settings(), this));
    SouperiForm->exec();
}

void MainWindow::VitrClick() {
    if (VitrForm == nullptr) own(VitrForm = new WindDialog(session_, this));
    VitrForm->exec();
}

void MainWindow::ZvukClick() {
    if (ZvukForm == nullptr) own(ZvukForm = new SoundDialog(session_, this));
    ZvukForm->exec();
}

void MainWindow::CelaobrazovkaClick() {
    fullScreen_->setOn(!fullScreen_->isOn());
}

void MainWindow::fullScreenChanged(bool on) {
    Velikostokna->fullScreenItem()->setChecked(on);
    PlayerSettings changed = session_.playerSettings();
    changed.fullScreen = on;
    session_.settings().save(changed);
}

void MainWindow::VelikostoknaClick(int32_t percent) {
    PlayerSettings changed = session_.playerSettings();
    changed.windowScale = percent;
    // The note below says it when the size could not be kept.
    const bool saved = session_.settings().save(changed, SessionSettings::FailureTold::ByCaller);
    if (saved && percent == appliedScale_) return;  // back to the size in use: nothing to say
    session_.whileAimingPaused([&] {
        QMessageBox::information(
            this, tr("Velikost okna"),
            saved ? tr("Nová velikost okna platí od příštího spuštění hry.")
                  : tr("Velikost okna nelze uložit: soubor nastaveni.ini se nepodařilo zapsat."));
    });
}

void MainWindow::JazykClick(const std::string& language) {
    PlayerSettings changed = session_.playerSettings();
    changed.language = language;
    session_.settings().save(changed);
    Jazyk->showChoice(language);
    SpeakLanguage(InterfaceLanguage(language, ProcessEnvironment(), SpokenLanguages()));
}

void MainWindow::Index1Click() {
    ShowHelpContents();
}

void MainWindow::Ohe1Click() {
    if (Form7 == nullptr) own(Form7 = new AboutBox(this));
    Form7->exec();
}

// --- Closing ---------------------------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
    closingf();
    event->accept();
}

void MainWindow::closingf() {
    files_.write(kConfigurationFile, placement_->configuration(session_.state().Difficulty));
}
