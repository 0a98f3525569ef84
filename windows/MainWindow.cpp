#include "windows/MainWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/Gamepad.h"
#include "platform/QtBuiltin.h"
#include "platform/QtPictureLoader.h"
#include "platform/QtText.h"
#include "platform/Translations.h"
#include "platform/WindowScale.h"
#include "platform/history/HistoryFile.h"
#include "platform/history/HistoryReader.h"
#include "rules/formats/FileStore.h"
#include "rules/formats/PictureError.h"
#include "rules/formats/Utf8.h"
#include "rules/history/Handicaps.h"
#include "rules/history/PracticeSummary.h"
#include "rules/match/LevelField.h"
#include "rules/match/NewMatchSetup.h"
#include "rules/match/Rounds.h"
#include "rules/settings/Configuration.h"
#include "rules/settings/InterfaceLanguage.h"
#include "rules/settings/SettingsMessages.h"
#include "rules/settings/StoredPosition.h"
#include "windows/AboutBox.h"
#include "windows/BackdropImage.h"
#include "windows/ClickableImage.h"
#include "windows/ControlNames.h"
#include "windows/ControlsDialog.h"
#include "windows/DialogSetupPrompts.h"
#include "windows/DifficultyDialog.h"
#include "windows/ErrorBox.h"
#include "windows/FieldLevelDialog.h"
#include "windows/FollowLanguage.h"
#include "windows/GameTextDisplay.h"
#include "windows/HelpViewer.h"
#include "windows/NextArrowCaption.h"
#include "windows/PixelImage.h"
#include "windows/PracticeDialog.h"
#include "windows/PracticeSummaryWindow.h"
#include "windows/ResultsWindow.h"
#include "windows/SightChooser.h"
#include "windows/StatisticsWindow.h"
#include "windows/WindowScaleMenu.h"

namespace {

constexpr int kClientWidth = 720;
constexpr int kClientHeight = 480;
constexpr QPoint kDesignPosition{291, 233};
constexpr int kLabelLeft = 528;
// How often the pad is looked at between arrows while none is connected, in milliseconds.
constexpr int kPadIdleInterval = 250;
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

// The sight and the drawn arrow move over the target and the clicker every tick; where such a
// picture covers its label with opaque pixels, the window need not paint what lies beneath it.
void showBackdrop(QLabel* label, const QPixmap& picture) {
    label->setPixmap(picture);
    const QSizeF size = picture.deviceIndependentSize();
    label->setAttribute(Qt::WA_OpaquePaintEvent, !picture.hasAlphaChannel() &&
                                                     size.width() >= label->width() &&
                                                     size.height() >= label->height());
}

// "Brantel2.ini" keeps the window's place as it is at 100 %, so that the window comes back to the
// same spot on the screen whichever size the player chose since.
int32_t toFullSize(int32_t coordinate, int32_t scale) {
    return static_cast<int32_t>(int64_t{coordinate} * scale / 100);
}
int32_t fromFullSize(int32_t coordinate, int32_t scale) {
    return static_cast<int32_t>(int64_t{coordinate} * 100 / scale);
}

QLabel* image(QWidget* parent, QRect geometry, const QString& builtin = {}) {
    auto* label = new PixelImage(parent);
    label->setGeometry(geometry);
    if (!builtin.isEmpty())
        label->setPixmap(
            PictureForScreen(BuiltinPicture(builtin), builtin, parent->devicePixelRatioF()));
    return label;
}

}  // namespace

MainWindow::MainWindow(FileStore& files, Random& random, ClickerSound& sound, QWidget* parent)
    : QMainWindow(parent),
      askWelcome(showWelcome),
      files_(files),
      settings_(files),
      bindings_(ReadKeyBindings(settings_.settings())),
      engine_(state_, *this, random, sound),
      appliedScale_(AppliedWindowScale()) {
    // The interface speaks the player's language before anything is said.
    SpeakLanguage(
        InterfaceLanguage(settings_.settings().language, ProcessEnvironment(), SpokenLanguages()));
    setWindowTitle(QStringLiteral("VEXA 99"));
    setWindowIcon(QIcon(BuiltinPicture(QStringLiteral("icon.png"))));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    setFont(font);

    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    buildBoard();
    buildLabels();
    buildEndClock();
    buildMenu();
    FollowLanguage(this, [this] { retranslate(); });
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Timer1 = new QTimer(this);
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(10);
    connect(Timer1, &QTimer::timeout, this, &MainWindow::Timer1Timer);
    engine_.SetSteadyClock(steadyClock_);

    // The window takes the game's keys itself, whichever of its parts has the focus.
    setFocusPolicy(Qt::StrongFocus);
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
}

void MainWindow::buildBoard() {
    QWidget* c = centralWidget();
    Tercov = new BackdropImage(c);
    Tercov->setGeometry(0, 0, kTargetSize, kTargetSize);
    Zamer = image(c, {kSightStart.x, kSightStart.y, kSightSize, kSightSize},
                  QStringLiteral("sight1.png"));
    Dalekohled = image(c, {kScopeOrigin.x, kScopeOrigin.y, kScopeSize, kScopeSize});
    const QString scope = QStringLiteral("scope.bmp");
    Dalekohled->setPixmap(PictureForScreen(BuiltinPicture(scope), scope, devicePixelRatioF()));
    for (std::size_t i = 0; i < Arrows.size(); ++i) {
        Arrows[i] = image(c, {kMarkerRest[i].x, kMarkerRest[i].y, kMarkerSize, kMarkerSize},
                          QStringLiteral("marker.png"));
    }
    Klapacka = new BackdropImage(c);
    Klapacka->setGeometry(0, 251, 125, 100);
    const QString clicker = QStringLiteral("clicker.bmp");
    showBackdrop(Klapacka, PictureForScreen(BuiltinPicture(clicker), clicker, devicePixelRatioF()));
    Arrow = image(c, {kArrowNocked, kDrawnArrowTop, 125, 2}, QStringLiteral("arrow.bmp"));

    Nextarrow = new ClickableImage(c);
    Nextarrow->setGeometry(125, 250, 125, 100);
    showNextarrow(BuiltinPicture(QStringLiteral("nextarrow0.bmp")),
                  QStringLiteral("nextarrow0.bmp"));
    Nextarrow->setEnabled(false);
    connect(Nextarrow, &ClickableImage::clicked, this, &MainWindow::NextarrowClick);

    auto styleButton = [&](QRect geometry, const QString& picture, void (MainWindow::*click)()) {
        auto* button = new ClickableImage(c);
        button->setGeometry(geometry);
        button->setScaledContents(true);
        button->setPixmap(BuiltinPicture(picture));
        connect(button, &ClickableImage::clicked, this, click);
        return button;
    };
    Downbut =
        styleButton({384, 256, 41, 40}, QStringLiteral("downbut.bmp"), &MainWindow::DownbutClick);
    Rightbut =
        styleButton({344, 296, 41, 40}, QStringLiteral("rightbut.bmp"), &MainWindow::RightbutClick);
    Upbut = styleButton({384, 296, 41, 40}, QStringLiteral("upbut.bmp"), &MainWindow::UpbutClick);
    Leftbut =
        styleButton({424, 296, 41, 40}, QStringLiteral("leftbut.bmp"), &MainWindow::LeftbutClick);

    Panel1 = new QWidget(c);
    Panel1->setGeometry(0, 352, 777, 129);
    Panel1->setAutoFillBackground(true);
    QPalette black = Panel1->palette();
    black.setColor(QPalette::Window, Qt::black);
    Panel1->setPalette(black);
    Lukostrelec = image(Panel1, {0, 0, 116, 126}, QStringLiteral("archer.bmp"));
    Image3 = image(Panel1, {744, 16, 37, 100});

    // The sight pointer everywhere but over the target and the sight, where the player aims
    // with the keys and the ordinary arrow stays out of the way of the picture.
    const QString cursor = QStringLiteral("cursor.png");
    c->setCursor(
        QCursor(PictureForScreen(BuiltinPicture(cursor), cursor, devicePixelRatioF()), 0, 0));
    Tercov->setCursor(Qt::ArrowCursor);
    Zamer->setCursor(Qt::ArrowCursor);
}

void MainWindow::buildLabels() {
    QFont font;
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
    font.setPixelSize(19);
    QPalette red;
    red.setColor(QPalette::WindowText, Qt::red);
    int top = 16;
    for (QLabel** l : {&PlName, &Club, &Vzdalenost, &Celkem, &SoucetSada, &Sipylabel, &SadaCount}) {
        *l = new QLabel(centralWidget());
        (*l)->setFont(font);
        (*l)->setPalette(red);
        (*l)->move(kLabelLeft, top);
        (*l)->resize(0, 0);
        top += 40;
    }
}

void MainWindow::buildEndClock() {
    constexpr int kTop = 296;
    constexpr int kLight = 32;
    Svetlo = new QLabel(centralWidget());
    Svetlo->setGeometry(kLabelLeft, kTop, kLight, kLight);
    Hodiny = new QLabel(centralWidget());
    Hodiny->setGeometry(kLabelLeft + kLight + 8, kTop - 4, 120, kLight + 8);
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans Mono")});
    font.setPixelSize(28);
    font.setBold(true);
    Hodiny->setFont(font);
    Svetlo->hide();
    Hodiny->hide();
    // Between the aiming ticks the clock is looked at often enough to show every second and to
    // close an end on time; the aiming tick itself looks at it too.
    HodinyTimer = new QTimer(this);
    HodinyTimer->setInterval(50);
    connect(HodinyTimer, &QTimer::timeout, this, &MainWindow::HodinyTimerTimer);
}

void MainWindow::buildMenu() {
    Hra = menuBar()->addMenu(QString());
    Novhra1 = Hra->addAction(QString(), this, &MainWindow::Novhra1Click);
    Statistika1 = Hra->addAction(QString(), this, &MainWindow::Statistika1Click);
    Trenink1 = Hra->addAction(QString(), this, &MainWindow::Trenink1Click);
    Hra->addSeparator();
    K1 = Hra->addAction(QString(), this, &MainWindow::K1Click);
    Nastaveni = menuBar()->addMenu(QString());
    Obtnost1 = Nastaveni->addAction(QString(), this, &MainWindow::Obtnost1Click);
    Vybzamer = Nastaveni->addAction(QString(), this, &MainWindow::VybzamerClick);
    Souperi = Nastaveni->addAction(QString(), this, &MainWindow::SouperiClick);
    Ovladani1 = Nastaveni->addAction(QString(), this, &MainWindow::Ovladani1Click);
    Velikostokna =
        new WindowScaleMenu(*this, appliedScale_, settings_.settings().windowScale, this);
    Velikostokna->onChosen = [this](int32_t percent) { VelikostoknaClick(percent); };
    Nastaveni->addMenu(Velikostokna);
    buildLanguageMenu();
    Npovda1 = menuBar()->addMenu(QString());
    Index1 = Npovda1->addAction(QString(), this, &MainWindow::Index1Click);
    Ohe1 = Npovda1->addAction(QString(), this, &MainWindow::Ohe1Click);
}

void MainWindow::buildLanguageMenu() {
    Jazyk = Nastaveni->addMenu(QString());
    auto* choices = new QActionGroup(Jazyk);
    const auto addChoice = [&](const std::string& language) {
        QAction* choice = Jazyk->addAction(QString());
        choice->setCheckable(true);
        choice->setData(QString::fromStdString(language));
        choices->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, language] { JazykClick(language); });
        return choice;
    };
    addChoice({});  // the desktop's language
    for (const std::string& language : SpokenLanguages()) addChoice(language);
    showLanguageChoice();
}

void MainWindow::retranslate() {
    Hra->setTitle(tr("&Hra"));
    Novhra1->setText(tr("&Nová hra"));
    Statistika1->setText(tr("&Statistika..."));
    Trenink1->setText(tr("&Trénink..."));
    K1->setText(tr("&Konec"));
    Nastaveni->setTitle(tr("&Nastavení"));
    Obtnost1->setText(tr("&Obtížnost"));
    Vybzamer->setText(tr("&Zaměřovač"));
    Souperi->setText(tr("&Soupeři..."));
    Ovladani1->setText(tr("Ovlá&dání..."));
    // Named in both languages, so that a player who cannot read the one finds the other.
    Jazyk->setTitle(tr("&Jazyk / Language"));
    for (QAction* choice : Jazyk->actions()) {
        const std::string language = choice->data().toString().toStdString();
        choice->setText(language.empty() ? tr("&Podle systému / System")
                                         : QStringLiteral("&") + LanguageName(language));
    }
    Npovda1->setTitle(tr("Nápo&věda"));
    Index1->setText(tr("&Index"));
    Ohe1->setText(tr("&O hře..."));
    if (!nextarrowPicture_.isNull()) showNextarrow(nextarrowPicture_, nextarrowFile_);
    showControlHints();
}

void MainWindow::showLanguageChoice() {
    const QString chosen = QString::fromStdString(settings_.settings().language);
    QAction* system = nullptr;
    bool found = false;
    for (QAction* choice : Jazyk->actions()) {
        if (choice->data().toString().isEmpty()) system = choice;
        if (!chosen.isEmpty() && choice->data().toString() == chosen) {
            choice->setChecked(true);
            found = true;
        }
    }
    // A language the game does not speak is the desktop's, as the choice is applied.
    if (!found && system) system->setChecked(true);
}

void MainWindow::JazykClick(const std::string& language) {
    PlayerSettings changed = settings_.settings();
    changed.language = language;
    settings_.save(changed);
    showLanguageChoice();
    SpeakLanguage(InterfaceLanguage(language, ProcessEnvironment(), SpokenLanguages()));
}

bool MainWindow::FormCreate() {
    const bool welcome = askWelcome();
    state_.KeyLeft = state_.KeyUp = state_.KeyRight = state_.KeyDown = false;
    state_.KeyDraw = state_.KeyShoot = state_.ClickerArmed = false;
    state_.Distance = kDistanceOutsideMatch;
    state_.Difficulty = kDifficultyProfessional;
    setNextarrowEnabled(false);
    state_.MarkerStyle = 1;
    const Configuration config = ReadConfiguration(
        files_.read(kConfigurationFile, kConfigurationReadLimit).value_or(std::string()));
    storedPosition_ = {config.StoredLeft, config.StoredTop};
    state_.Difficulty = config.Difficulty;
    move(kDesignPosition);
    // Before the first match the target of the start distance stands ready; a missing picture
    // here is no reason to bother the player before the game has begun.
    try {
        if (const std::optional<TargetFace> face = findTargetFace(state_.Distance))
            loadPicture(PictureSlot::Tercov, face->picture);
    } catch (const PictureError&) {
    }
    if (welcome && settings_.takeUnreadableNotice()) {
        // Once the window is up, so that the notice does not stand in for the game itself.
        QTimer::singleShot(0, this, [this] {
            showMessage(GameMessage(kSettingsUnreadableCaption),
                        GameMessage(kSettingsUnreadableText));
        });
    }
    return welcome;
}

// --- MatchScreen -----------------------------------------------------------------------------

QLabel* MainWindow::label(MatchLabel which) const {
    switch (which) {
        case MatchLabel::PlName:
            return PlName;
        case MatchLabel::Club:
            return Club;
        case MatchLabel::Vzdalenost:
            return Vzdalenost;
        case MatchLabel::Celkem:
            return Celkem;
        case MatchLabel::SoucetSada:
            return SoucetSada;
        case MatchLabel::Sipylabel:
            return Sipylabel;
        case MatchLabel::SadaCount:
            return SadaCount;
    }
    return PlName;
}

void MainWindow::setLabel(MatchLabel which, const std::string& text) {
    QLabel* l = label(which);
    l->setText(fromCp1250(text));
    l->adjustSize();
}

void MainWindow::loadPicture(PictureSlot slot, const std::string& fileName) {
    const QString name = QString::fromStdString(fileName);
    QPixmap picture = LoadPictureFile(name);
    if (slot == PictureSlot::Tercov) {
        showBackdrop(Tercov, PictureForScreen(picture, name, devicePixelRatioF()));
    } else {
        showNextarrow(picture, QString::fromStdString(fileName));
    }
}

void MainWindow::showNextarrow(const QPixmap& picture, const QString& fileName) {
    nextarrowPicture_ = picture;
    nextarrowFile_ = fileName;
    Nextarrow->setPixmap(WithTranslatedCaption(picture, fileName));
}

void MainWindow::loadMarkerIcons(const std::string& fileName) {
    const QString name = QString::fromStdString(fileName);
    const QPixmap icon =
        PictureForScreen(LoadPictureFile(name), QFileInfo(name).fileName(), devicePixelRatioF());
    for (QLabel* marker : Arrows) marker->setPixmap(icon);
}

void MainWindow::moveSight(Point topLeft) {
    Tercov->placeRider(*Zamer, {topLeft.x, topLeft.y});
}

void MainWindow::moveDrawnArrow(int32_t left) {
    Klapacka->placeRider(*Arrow, {left, kDrawnArrowTop});
}

void MainWindow::moveMarker(int32_t number, Point topLeft) {
    if (number >= 1 && number <= 6)
        Arrows[static_cast<std::size_t>(number - 1)]->move(topLeft.x, topLeft.y);
}

void MainWindow::setNextarrowEnabled(bool enabled) {
    Nextarrow->setEnabled(enabled);
}

void MainWindow::setTimerRunning(bool running) {
    if (running) {
        Timer1->start();
    } else {
        Timer1->stop();
    }
    schedulePad();
}

void MainWindow::showResults() {
    if (Form5 == nullptr) {
        own(Form5 = new ResultsWindow(state_, files_, this));
        Form5->onClosing = [this] { engine_.ResultsClosed(); };
    }
    showOwnDialog(Form5);
}

void MainWindow::showMessage(const Utf8Text& caption, const Utf8Text& text) {
    QMessageBox box(QMessageBox::NoIcon, TranslatedGameText(caption), TranslatedGameText(text),
                    QMessageBox::Ok, this);
    box.exec();
}

void MainWindow::showEndClock(int32_t secondsLeft, ClockLight light) {
    static constexpr const char* kColours[] = {"#10b010", "#f0d000", "#e01010"};
    Svetlo->setStyleSheet(QStringLiteral("background: %1; border: 2px solid #303030; "
                                         "border-radius: %2px;")
                              .arg(QLatin1String(kColours[static_cast<int>(light)]))
                              .arg(Svetlo->width() / 2));
    Hodiny->setText(QStringLiteral("%1 s").arg(secondsLeft));
    Svetlo->show();
    Hodiny->show();
    if (!HodinyTimer->isActive()) HodinyTimer->start();
}

void MainWindow::hideEndClock() {
    HodinyTimer->stop();
    Svetlo->hide();
    Hodiny->hide();
}

bool MainWindow::showPracticeSummary(const PracticeSession& session) {
    if (VysledekTreninku == nullptr) own(VysledekTreninku = new PracticeSummaryWindow(this));
    return VysledekTreninku->showSummary(SummarisePractice(session));
}

// --- Handlers --------------------------------------------------------------------------------

void MainWindow::guarded(const std::function<void()>& action) {
    try {
        action();
    } catch (const PictureError& error) {
        ShowErrorBox(this, QString::fromUtf8(error.what()));
    }
}

void MainWindow::Timer1Timer() {
    if (pad_.connected) readGamepad();
    guarded([this] { engine_.Timer1Timer(); });
}
void MainWindow::NextarrowClick() {
    guarded([this] { engine_.NextarrowClick(); });
}
void MainWindow::LeftbutClick() {
    guarded([this] { engine_.LeftbutClick(); });
}
void MainWindow::UpbutClick() {
    guarded([this] { engine_.UpbutClick(); });
}
void MainWindow::RightbutClick() {
    guarded([this] { engine_.RightbutClick(); });
}
void MainWindow::DownbutClick() {
    guarded([this] { engine_.DownbutClick(); });
}

void MainWindow::Novhra1Click() {
    if (!setupPrompts_) {
        setupPrompts_ = std::make_unique<DialogSetupPrompts>(files_, this);
        own(&setupPrompts_->Form2);
        own(&setupPrompts_->Form3);
        own(&setupPrompts_->Form4);
    }
    NewMatchSetup setup(
        state_, files_, *setupPrompts_,
        {.setTimerRunning = [this](bool running) { engine_.SetTimerRunning(running); },
         .startMatch =
             [this](int32_t roundType, const CompetitorTable& competitors) {
                 engine_.StartMatch(roundType, competitors, levelledField(roundType, competitors));
             }});
    guarded([&] { setup.run(); });
}

std::optional<PerformanceTable> MainWindow::levelledField(
    int32_t roundType, const CompetitorTable& competitors) const {
    if (!settings_.settings().fieldAtPlayerLevel) return std::nullopt;
    History history;
    // A history that cannot be read gives no handicap: the list's values play.
    HistoryReader reader(kHistoryFile);
    if (reader.readMatches(history)) {
        // Their practice sessions count too; a session lives in its arrows alone.
        for (const CompetitorRecord& c : competitors) {
            if (c.IsComputer || c.isFree()) continue;
            reader.readArrows({ToUtf8(Cp1250Text{c.Name}), ToUtf8(Cp1250Text{c.Club})}, false,
                              history.arrows);
        }
    }
    const std::optional<int32_t> handicap = BestHumanHandicap(history, competitors);
    if (!handicap) return std::nullopt;
    return FieldPerformanceAt(competitors, roundType, *handicap);
}

void MainWindow::Statistika1Click() {
    // An arrow being aimed waits, as it does while a new match is set up.
    const bool aiming = state_.TimerRunning;
    if (aiming) engine_.SetTimerRunning(false);
    if (Form9 == nullptr) own(Form9 = new StatisticsWindow(kHistoryFile, files_, this));
    // Read afresh: it shows the match just finished.
    Form9->loadHistory();
    showOwnDialog(Form9);
    if (aiming) engine_.SetTimerRunning(true);
}

void MainWindow::Trenink1Click() {
    // An arrow being aimed waits while the dialog is open; its end clock stands still.
    const bool aiming = state_.TimerRunning;
    if (aiming) engine_.SetTimerRunning(false);
    std::vector<KnownArcher> archers;
    HistoryReader(kHistoryFile).readArchers(archers);
    if (TreninkForm == nullptr) own(TreninkForm = new PracticeDialog(this));
    TreninkForm->prepare(settings_.settings().practice, archers);
    if (TreninkForm->exec() != QDialog::Accepted) {
        if (aiming) engine_.SetTimerRunning(true);
        return;
    }
    PlayerSettings changed = settings_.settings();
    changed.practice = TreninkForm->chosen();
    settings_.save(changed);
    const PracticeSettings& p = changed.practice;
    guarded([&] {
        engine_.StartPractice({.archer = cp1250(QString::fromStdString(p.archer)),
                               .club = cp1250(TreninkForm->club()),
                               .distance = p.distance,
                               .ends = p.ends,
                               .secondsPerEnd = p.timed ? p.secondsPerEnd : 0});
    });
}

void MainWindow::HodinyTimerTimer() {
    guarded([this] { engine_.PracticeClockTick(QApplication::activeModalWidget() != nullptr); });
}

void MainWindow::K1Click() {
    // Ends the game at once: the close handling does not run and nothing is written.
    QCoreApplication::exit(0);
}

void MainWindow::Obtnost1Click() {
    if (ObtForm == nullptr) own(ObtForm = new DifficultyDialog(state_, this));
    showOwnDialog(ObtForm);
}
void MainWindow::VybzamerClick() {
    if (Form8 == nullptr) {
        own(Form8 = new SightChooser(*Zamer, this));
        Form8->onSightChosen = [this](int32_t sight) {
            state_.SightPicture = sight;
            Tercov->riderChanged(*Zamer);
        };
    }
    showOwnDialog(Form8);
}
void MainWindow::Ovladani1Click() {
    if (OvlForm == nullptr) own(OvlForm = new ControlsDialog(this));
    OvlForm->load(bindings_, pad_.family, QString::fromStdString(gamepad_ ? gamepad_->name() : ""));
    if (OvlForm->exec() != QDialog::Accepted) return;
    // Only the actions whose keys changed are written, so that a value the game could not read
    // stays as the player wrote it until the player sets that action.
    PlayerSettings changed = settings_.settings();
    for (std::size_t a = 0; a < kControlActionCount; ++a) {
        const auto action = static_cast<ControlAction>(a);
        if (OvlForm->bindings().keys(action) != bindings_.keys(action)) {
            changed.controls[a] = KeysText(OvlForm->bindings().keys(action), PortableKeyName);
        }
    }
    bindings_ = ReadKeyBindings(changed);
    settings_.save(changed);
    showControlHints();
}

void MainWindow::SouperiClick() {
    if (SouperiForm == nullptr) own(SouperiForm = new FieldLevelDialog(settings_, this));
    showOwnDialog(SouperiForm);
}
void MainWindow::VelikostoknaClick(int32_t percent) {
    PlayerSettings changed = settings_.settings();
    changed.windowScale = percent;
    const bool saved = settings_.save(changed);
    if (saved && percent == appliedScale_) return;  // back to the size in use: nothing to say
    // An arrow being aimed waits while the note is read.
    const bool aiming = state_.TimerRunning;
    if (aiming) engine_.SetTimerRunning(false);
    QMessageBox::information(
        this, tr("Velikost okna"),
        saved ? tr("Nová velikost okna platí od příštího spuštění hry.")
              : tr("Velikost okna nelze uložit: soubor nastaveni.ini se nepodařilo zapsat."));
    if (aiming) engine_.SetTimerRunning(true);
}
void MainWindow::Index1Click() {
    ShowHelpContents();
}
void MainWindow::Ohe1Click() {
    if (Form7 == nullptr) own(Form7 = new AboutBox(this));
    showOwnDialog(Form7);
}

// The game's dialogs are made when first needed, not at start-up: most games open few of them,
// and together with what they load (the file dialog, the charts) they would take a good part of
// the game's memory. Each is kept until the game ends, so that it keeps its controls' state
// between showings.
void MainWindow::own(QDialog* dialog) {
    ownDialogs_.insert(dialog);
}

void MainWindow::showOwnDialog(QWidget* dialog) {
    if (auto* d = qobject_cast<QDialog*>(dialog)) d->exec();
}

// --- Keys, activation, closing ---------------------------------------------------------------

bool MainWindow::handleKey(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    const std::optional<ControlAction> action = bindings_.actionOf(key->key());
    if (!action || key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    // A held key repeats as release/press pairs; only the real press and release count.
    if (key->isAutoRepeat()) return true;
    play(event->type() == QEvent::KeyPress ? input_.keyPressed(*action, key->key())
                                           : input_.keyReleased(*action, key->key()));
    return true;
}

void MainWindow::play(const std::vector<KeyTransition>& keys) {
    for (const KeyTransition& k : keys) {
        guarded([&] {
            if (k.down) {
                engine_.FormKeyDown(k.virtualKey);
            } else {
                engine_.FormKeyUp(k.virtualKey);
            }
        });
    }
}

void MainWindow::useGamepad(Gamepad& pad) {
    gamepad_ = &pad;
    padTimer_ = new QTimer(this);
    connect(padTimer_, &QTimer::timeout, this, &MainWindow::readGamepad);
    schedulePad();
}

void MainWindow::schedulePad() {
    if (padTimer_ == nullptr) return;
    // A connected pad is read by the aiming tick while an arrow is aimed, and as often between
    // arrows; without one, SDL is only asked now and then whether one has been plugged in, so
    // that it costs the aiming nothing.
    if (pad_.connected && Timer1->isActive()) {
        padTimer_->stop();
        return;
    }
    const int interval = pad_.connected ? Timer1->interval() : kPadIdleInterval;
    if (!padTimer_->isActive() || padTimer_->interval() != interval) padTimer_->start(interval);
}

void MainWindow::readGamepad() {
    if (gamepad_ == nullptr) return;
    const GamepadReading reading = gamepad_->read();
    const bool plugged = reading.connected != pad_.connected || reading.family != pad_.family;
    pad_ = reading;
    if (plugged) {
        schedulePad();
        showControlHints();
    }
    // The pad plays the match only while the player is at the board, as the keys do.
    if (!isActiveWindow() || QApplication::activeModalWidget() ||
        QApplication::activePopupWidget()) {
        return;
    }
    const GamepadCommands commands = ReadGamepadCommands(reading);
    play(input_.gamepad(commands));
    if (commands.openMenu) menuBar()->setActiveAction(Hra->menuAction());
}

void MainWindow::showControlHints() {
    const GamepadFamily family = pad_.family;
    Nextarrow->setToolTip(tr("Další šíp: %1, na ovladači %2")
                              .arg(KeysName(bindings_.keys(ControlAction::NextArrow)),
                                   PadName(ControlAction::NextArrow, family)));
    SetHelpControlNames(
        [bindings = bindings_, family](std::string_view attribute,
                                       std::string_view value) -> std::optional<std::string> {
            if (attribute == "data-ovladac" && value == "start") {
                return PadMenuName(family).toStdString();
            }
            for (std::size_t a = 0; a < kControlActionCount; ++a) {
                const auto action = static_cast<ControlAction>(a);
                if (value != ControlKeyName(action)) continue;
                return (attribute == "data-ovladani" ? KeysName(bindings.keys(action))
                                                     : PadName(action, family))
                    .toStdString();
            }
            return std::nullopt;
        });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this && !QApplication::activeModalWidget() &&
        !QApplication::activePopupWidget()) {
        return handleKey(event);
    }
    // Closing one of the game's dialogs brings the window back to its stored place; closing a
    // message box does not.
    if (type == QEvent::Hide && ownDialogs_.contains(watched)) {
        returningFromDialog_ = true;
        // Not every window system activates this window again when the dialog goes (some never
        // took the activation away); bring it back once no dialog is left open.
        QTimer::singleShot(0, this, [this] {
            if (returningFromDialog_ && !QApplication::activeModalWidget()) activatingf();
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::event(QEvent* event) {
    // The window goes to its stored place when it is first shown, so that it gets there even
    // where no window manager hands out the activation, and again at its first activation,
    // when the window system knows its frame and can place the frame exactly.
    if (event->type() == QEvent::Show && firstActivation_) activatingf();
    if (event->type() == QEvent::WindowActivate && (firstActivation_ || returningFromDialog_)) {
        firstActivation_ = false;
        activatingf();
    }
    return QMainWindow::event(event);
}

void MainWindow::activatingf() {
    returningFromDialog_ = false;
    std::vector<ScreenRect> screens;
    for (QScreen* s : QGuiApplication::screens()) {
        QRect r = s->availableGeometry();
        screens.push_back({r.x(), r.y(), r.width(), r.height()});
    }
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QSize frame = frameGeometry().size();
    const WindowPosition stored = {fromFullSize(storedPosition_.left, appliedScale_),
                                   fromFullSize(storedPosition_.top, appliedScale_)};
    const WindowPosition p = PlaceWindow(stored, frame.width(), frame.height(), titleBar, screens);
    move(p.left, p.top);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    closingf();
    event->accept();
}

void MainWindow::closingf() {
    const QRect frame = frameGeometry();
    files_.write(kConfigurationFile,
                 WriteConfiguration(toFullSize(frame.x(), appliedScale_),
                                    toFullSize(frame.y(), appliedScale_), state_.Difficulty));
}
