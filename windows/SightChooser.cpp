#include "windows/SightChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "platform/QtBuiltin.h"
#include "platform/QtPictureLoader.h"
#include "rules/formats/PictureError.h"
#include "rules/match/Geometry.h"
#include "rules/match/SightDrawing.h"
#include "windows/ClickableImage.h"
#include "windows/DesignFont.h"
#include "windows/ErrorBox.h"
#include "windows/FollowLanguage.h"
#include "windows/HelpViewer.h"
#include "windows/PixelImage.h"

namespace {

// The design's outer 194 x 98 less a sizing frame of 4 and a caption of 19 pixels.
constexpr int kClientWidth = 186;
constexpr int kClientHeight = 71;

QPixmap drawnSight(int32_t kind) {
    QImage image(kSightPictureSide, kSightPictureSide, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < kSightPictureSide; ++y) {
        for (int x = 0; x < kSightPictureSide; ++x) {
            if (SightPixelIsBlack(kind, x, y)) image.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    return QPixmap::fromImage(image);
}

ClickableImage* sightImage(QWidget* parent, int32_t kind, int left, int top) {
    auto* image = new ClickableImage(parent);
    image->setGeometry(left, top, kSightPictureSide, kSightPictureSide);
    image->setPixmap(PictureForScreen(drawnSight(kind), QStringLiteral("z%1.ico").arg(kind),
                                      parent->devicePixelRatioF()));
    return image;
}

QPushButton* button(QWidget* parent, QStyle::StandardPixmap glyph, const QString& caption, int left,
                    int top) {
    auto* result = new QPushButton(parent->style()->standardIcon(glyph), caption, parent);
    result->setGeometry(left, top, 89, 25);
    return result;
}

}  // namespace

SightChooser::SightChooser(PixelImage& zamer, QWidget* parent) : QDialog(parent), zamer_(zamer) {
    setFont(DesignFont());
    resize(kClientWidth, kClientHeight);
    move(236, 226);

    Image1 = sightImage(this, 1, 8, 0);
    Image2 = sightImage(this, 2, 40, 0);
    Image3 = sightImage(this, 3, 8, 32);
    // The toolkit draws no "ignore" glyph; an opening folder says what the button does.
    proch = button(this, QStyle::SP_DialogOpenButton, {}, 88, 5);
    BitBtn1 = button(this, QStyle::SP_MessageBoxQuestion, {}, 88, 40);
    setTabOrder(proch, BitBtn1);

    OpenD = new QFileDialog(this);
    OpenD->setOption(QFileDialog::DontUseNativeDialog);
    OpenD->setAcceptMode(QFileDialog::AcceptOpen);
    OpenD->setFileMode(QFileDialog::ExistingFile);

    connect(Image1, &ClickableImage::clicked, this, &SightChooser::zam1);
    connect(Image2, &ClickableImage::clicked, this, &SightChooser::zam2);
    connect(Image3, &ClickableImage::clicked, this, &SightChooser::zam3);
    connect(proch, &QPushButton::clicked, this, &SightChooser::prochClick);
    connect(BitBtn1, &QPushButton::clicked, this, &SightChooser::BitBtn1Click);
    FollowLanguage(this, [this] { retranslate(); });
}

void SightChooser::retranslate() {
    setWindowTitle(tr("Zaměřovač..."));
    proch->setText(tr("Procházet..."));
    BitBtn1->setText(tr("Nápověda"));
    OpenD->setWindowTitle(tr("Otevřít"));
    OpenD->setNameFilter(tr("Ikony (*.ico)"));
}

void SightChooser::zam1() {
    chooseSight(QStringLiteral("z1.ico"), 1);
}
void SightChooser::zam2() {
    chooseSight(QStringLiteral("z2.ico"), 2);
}
void SightChooser::zam3() {
    chooseSight(QStringLiteral("z3.ico"), 3);
}

void SightChooser::showSight(int32_t sight) {
    if (sight >= 1 && sight <= 3) loadSight(QStringLiteral("z%1.ico").arg(sight), sight);
}

void SightChooser::chooseSight(const QString& fileName, int32_t sight) {
    if (loadSight(fileName, sight)) close();
}

void SightChooser::prochClick() {
    // Every other file of the game is opened by a bare name in the current directory, so
    // browsing must leave it where it was.
    const QString currentDirectory = QDir::currentPath();
    const QString fileName = chooseIconFile();
    if (QDir::currentPath() != currentDirectory) QDir::setCurrent(currentDirectory);
    if (!fileName.isEmpty()) loadSight(fileName, 4);
    close();
}

void SightChooser::BitBtn1Click() {
    ShowHelpTopic(QStringLiteral("zamerovac"));
}

QString SightChooser::chooseIconFile() {
    OpenD->setDirectory(QDir::currentPath());
    if (OpenD->exec() != QDialog::Accepted) return {};
    return OpenD->selectedFiles().value(0);
}

void SightChooser::showError(const QString& text) {
    ShowErrorBox(this, text);
}

bool SightChooser::loadSight(const QString& fileName, int32_t sight) {
    QPixmap picture;
    try {
        picture = LoadPictureFile(fileName);
    } catch (const PictureError& error) {
        showError(QString::fromUtf8(error.what()));
        return false;
    }
    // Zamer shows the picture from its top-left corner, clipped, never scaled or centred.
    zamer_.setScaledContents(false);
    zamer_.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    zamer_.showGamePicture(
        picture.copy(QRect(0, 0, kSightSize, kSightSize).intersected(picture.rect())),
        QFileInfo(fileName).fileName());
    if (onSightChosen) onSightChosen(sight);
    return true;
}
