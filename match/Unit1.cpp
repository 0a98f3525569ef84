#include "match/Unit1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "match/NewMatchSetup.h"
#include "match/QtSetupPrompts.h"
#include "match/Rounds.h"
#include "results/Unit5.h"
#include "shell/Configuration.h"
#include "shell/FileStore.h"
#include "shell/HelpViewer.h"
#include "shell/PictureError.h"
#include "shell/QtBuiltin.h"
#include "shell/QtClickableImage.h"
#include "shell/QtErrorBox.h"
#include "shell/QtPictureLoader.h"
#include "shell/QtText.h"
#include "shell/StoredPosition.h"
#include "shell/Unit6.h"
#include "shell/Unit7.h"
#include "shell/Vybzam.h"

namespace {

constexpr int kClientWidth = 720;
constexpr int kClientHeight = 480;
constexpr QPoint kDesignPosition{291, 233};
constexpr int kLabelLeft = 528;
const char* const kConfigurationFile = "Brantel2.ini";

QString welcomeText() {
    return QStringLiteral(
        "VEXA 99 1.2 beta - toto je pracovní verze z 30.6 1999 ! \n"
        " Ve hře se mohou objevovat malé nedostatky ! \n"
        " Připomínky a návrhy posílejte prosím na adresu: pripominky@vexa99.cz");
}

bool showWelcome() {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vítejte !"), welcomeText(),
                    QMessageBox::Ok | QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

int32_t virtualKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Left:
            return kVkLeft;
        case Qt::Key_Up:
            return kVkUp;
        case Qt::Key_Right:
            return kVkRight;
        case Qt::Key_Down:
            return kVkDown;
        case Qt::Key_A:
            return kVkDraw;
        case Qt::Key_S:
            return kVkShoot;
        case Qt::Key_D:
            return kVkNext;
        default:
            return 0;
    }
}

QLabel* image(QWidget* parent, QRect geometry, const QString& builtin = {}) {
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (!builtin.isEmpty()) label->setPixmap(BuiltinPicture(builtin));
    return label;
}

}  // namespace

TForm1::TForm1(FileStore& files, Random& random, ClickerSound& sound, QWidget* parent)
    : QMainWindow(parent),
      askWelcome(showWelcome),
      files_(files),
      engine_(state_, *this, random, sound) {
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
    buildMenu();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Timer1 = new QTimer(this);
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(10);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    // The window takes the game's keys itself, whichever of its parts has the focus.
    setFocusPolicy(Qt::StrongFocus);
    qApp->installEventFilter(this);
}

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
}

void TForm1::buildBoard() {
    QWidget* c = centralWidget();
    Tercov = image(c, {0, 0, kTargetSize, kTargetSize});
    Zamer = image(c, {kSightStart.x, kSightStart.y, kSightSize, kSightSize},
                  QStringLiteral("sight1.png"));
    Dalekohled = image(c, {kScopeOrigin.x, kScopeOrigin.y, kScopeSize, kScopeSize},
                       QStringLiteral("scope.bmp"));
    for (std::size_t i = 0; i < Arrows.size(); ++i) {
        Arrows[i] = image(c, {kMarkerRest[i].x, kMarkerRest[i].y, kMarkerSize, kMarkerSize},
                          QStringLiteral("marker.png"));
    }
    Klapacka = image(c, {0, 251, 125, 100}, QStringLiteral("clicker.bmp"));
    Arrow = image(c, {kArrowNocked, kDrawnArrowTop, 125, 2}, QStringLiteral("arrow.bmp"));

    Nextarrow = new QtClickableImage(c);
    Nextarrow->setGeometry(125, 250, 125, 100);
    Nextarrow->setPixmap(BuiltinPicture(QStringLiteral("nextarrow0.bmp")));
    Nextarrow->setEnabled(false);
    connect(Nextarrow, &QtClickableImage::clicked, this, &TForm1::NextarrowClick);

    auto styleButton = [&](QRect geometry, const QString& picture, void (TForm1::*click)()) {
        auto* button = new QtClickableImage(c);
        button->setGeometry(geometry);
        button->setScaledContents(true);
        button->setPixmap(BuiltinPicture(picture));
        connect(button, &QtClickableImage::clicked, this, click);
        return button;
    };
    Downbut = styleButton({384, 256, 41, 40}, QStringLiteral("downbut.bmp"), &TForm1::DownbutClick);
    Rightbut =
        styleButton({344, 296, 41, 40}, QStringLiteral("rightbut.bmp"), &TForm1::RightbutClick);
    Upbut = styleButton({384, 296, 41, 40}, QStringLiteral("upbut.bmp"), &TForm1::UpbutClick);
    Leftbut = styleButton({424, 296, 41, 40}, QStringLiteral("leftbut.bmp"), &TForm1::LeftbutClick);

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
    c->setCursor(QCursor(BuiltinPicture(QStringLiteral("cursor.png")), 0, 0));
    Tercov->setCursor(Qt::ArrowCursor);
    Zamer->setCursor(Qt::ArrowCursor);
}

void TForm1::buildLabels() {
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

void TForm1::buildMenu() {
    Hra = menuBar()->addMenu(QStringLiteral("Hra"));
    Novhra1 = Hra->addAction(QStringLiteral("Nová hra"), this, &TForm1::Novhra1Click);
    Hra->addSeparator();
    K1 = Hra->addAction(QStringLiteral("Konec"), this, &TForm1::K1Click);
    Nastaveni = menuBar()->addMenu(QStringLiteral("Nastavení"));
    Obtnost1 = Nastaveni->addAction(QStringLiteral("Obtížnost"), this, &TForm1::Obtnost1Click);
    Vybzamer = Nastaveni->addAction(QStringLiteral("Zaměřovač"), this, &TForm1::VybzamerClick);
    Npovda1 = menuBar()->addMenu(QStringLiteral("Nápověda"));
    Index1 = Npovda1->addAction(QStringLiteral("Index"), this, &TForm1::Index1Click);
    Ohe1 = Npovda1->addAction(QStringLiteral("O hře..."), this, &TForm1::Ohe1Click);
}

bool TForm1::FormCreate() {
    const bool welcome = askWelcome();
    state_.KeyLeft = state_.KeyUp = state_.KeyRight = state_.KeyDown = false;
    state_.KeyDraw = state_.KeyShoot = state_.ClickerArmed = false;
    state_.Distance = 30;
    state_.Difficulty = kDifficultyProfessional;
    setNextarrowEnabled(false);
    state_.MarkerStyle = 1;
    const Configuration config =
        ReadConfiguration(files_.read(kConfigurationFile).value_or(std::string()));
    storedPosition_ = {config.StoredLeft, config.StoredTop};
    state_.Difficulty = config.Difficulty;
    move(kDesignPosition);
    // Before the first match the target of the start distance stands ready; a missing picture
    // here is no reason to bother the player before the game has begun.
    try {
        loadPicture(PictureSlot::Tercov, findDistance(state_.Distance)->targetPicture);
    } catch (const PictureError&) {
    }
    return welcome;
}

void TForm1::CreateDialogs() {
    setupPrompts_ = std::make_unique<QtSetupPrompts>(files_, this);
    Form5 = new TForm5(state_, files_, this);
    Form5->onClosing = [this] { engine_.ResultsClosed(); };
    ObtForm = new TObtForm(state_, this);
    Form7 = new TForm7(this);
    Form8 = new TForm8(*Zamer, this);
    ownDialogs_ = {&setupPrompts_->Form2,
                   &setupPrompts_->Form3,
                   &setupPrompts_->Form4,
                   Form5,
                   ObtForm,
                   Form7,
                   Form8};
}

// --- MatchScreen -----------------------------------------------------------------------------

QLabel* TForm1::label(MatchLabel which) const {
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

void TForm1::setLabel(MatchLabel which, const std::string& text) {
    QLabel* l = label(which);
    l->setText(fromCp1250(text));
    l->adjustSize();
}

void TForm1::loadPicture(PictureSlot slot, const std::string& fileName) {
    QPixmap picture = LoadPictureFile(QString::fromStdString(fileName));
    (slot == PictureSlot::Tercov ? static_cast<QLabel*>(Tercov) : Nextarrow)->setPixmap(picture);
}

void TForm1::loadMarkerIcons(const std::string& fileName) {
    QPixmap icon = LoadPictureFile(QString::fromStdString(fileName));
    for (QLabel* marker : Arrows) marker->setPixmap(icon);
}

void TForm1::moveSight(Point topLeft) {
    Zamer->move(topLeft.x, topLeft.y);
}

void TForm1::moveDrawnArrow(int32_t left) {
    Arrow->move(left, kDrawnArrowTop);
}

void TForm1::moveMarker(int32_t number, Point topLeft) {
    if (number >= 1 && number <= 6)
        Arrows[static_cast<std::size_t>(number - 1)]->move(topLeft.x, topLeft.y);
}

void TForm1::setNextarrowEnabled(bool enabled) {
    Nextarrow->setEnabled(enabled);
}

void TForm1::setTimerRunning(bool running) {
    if (running) {
        Timer1->start();
    } else {
        Timer1->stop();
    }
}

void TForm1::showResults() {
    showOwnDialog(Form5);
}

void TForm1::showMessage(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, fromCp1250(caption), fromCp1250(text), QMessageBox::Ok,
                    this);
    box.exec();
}

// --- Handlers --------------------------------------------------------------------------------

void TForm1::guarded(const std::function<void()>& action) {
    try {
        action();
    } catch (const PictureError& error) {
        ShowErrorBox(this, QString::fromUtf8(error.what()));
    }
}

void TForm1::Timer1Timer() {
    guarded([this] { engine_.Timer1Timer(); });
}
void TForm1::NextarrowClick() {
    guarded([this] { engine_.NextarrowClick(); });
}
void TForm1::LeftbutClick() {
    guarded([this] { engine_.LeftbutClick(); });
}
void TForm1::UpbutClick() {
    guarded([this] { engine_.UpbutClick(); });
}
void TForm1::RightbutClick() {
    guarded([this] { engine_.RightbutClick(); });
}
void TForm1::DownbutClick() {
    guarded([this] { engine_.DownbutClick(); });
}

void TForm1::Novhra1Click() {
    NewMatchSetup setup(
        state_, files_, *setupPrompts_,
        {.setTimerRunning = [this](bool running) { engine_.SetTimerRunning(running); },
         .startMatch =
             [this](int32_t roundType, const CompetitorTable& competitors) {
                 engine_.StartMatch(roundType, competitors);
             }});
    guarded([&] { setup.run(); });
}

void TForm1::K1Click() {
    // Ends the game at once: the close handling does not run and nothing is written.
    QCoreApplication::exit(0);
}

void TForm1::Obtnost1Click() {
    showOwnDialog(ObtForm);
}
void TForm1::VybzamerClick() {
    showOwnDialog(Form8);
}
void TForm1::Index1Click() {
    ShowHelpContents();
}
void TForm1::Ohe1Click() {
    showOwnDialog(Form7);
}

void TForm1::showOwnDialog(QWidget* dialog) {
    if (auto* d = qobject_cast<QDialog*>(dialog)) d->exec();
}

// --- Keys, activation, closing ---------------------------------------------------------------

bool TForm1::handleKey(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    const int32_t vk = virtualKey(key->key());
    if (vk == 0 || key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    // A held key repeats as release/press pairs; only the real press and release count.
    if (key->isAutoRepeat()) return true;
    guarded([&] {
        if (event->type() == QEvent::KeyPress) {
            engine_.FormKeyDown(vk);
        } else {
            engine_.FormKeyUp(vk);
        }
    });
    return true;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
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

bool TForm1::event(QEvent* event) {
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

void TForm1::activatingf() {
    returningFromDialog_ = false;
    std::vector<ScreenRect> screens;
    for (QScreen* s : QGuiApplication::screens()) {
        QRect r = s->availableGeometry();
        screens.push_back({r.x(), r.y(), r.width(), r.height()});
    }
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    WindowPosition p = PullIntoView(storedPosition_, frameGeometry().width(), titleBar, screens);
    move(p.left, p.top);
}

void TForm1::closeEvent(QCloseEvent* event) {
    closingf();
    event->accept();
}

void TForm1::closingf() {
    const QRect frame = frameGeometry();
    files_.write(kConfigurationFile, WriteConfiguration(frame.x(), frame.y(), state_.Difficulty));
}
