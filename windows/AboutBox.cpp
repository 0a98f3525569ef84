#include "windows/AboutBox.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "platform/QtBuiltin.h"
#include "windows/FollowLanguage.h"
#include "windows/PixelImage.h"

namespace {

// The box was drawn in these faces; where they are missing, free look-alikes installed with the
// game stand in.
QFont aboutFont(const QString& designed, const QString& standIn, int pixelSize) {
    QFont font;
    font.setFamilies({designed, standIn});
    font.setPixelSize(pixelSize);
    return font;
}

QLabel* label(QWidget* parent, const QString& text, const QFont& font, int left, int top) {
    auto* l = new QLabel(text, parent);
    l->setFont(font);
    l->move(left, top);
    l->adjustSize();
    return l;
}

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setFixedSize(147, 274);
    move(429, 182);

    Image1 = new PixelImage(this);
    Image1->setGeometry(0, 0, 32, 32);
    Image1->setPixmap(BuiltinPicture(QStringLiteral("roundtype.png")));

    const QFont title = aboutFont(QStringLiteral("Desdemona"), QStringLiteral("Z003"), 27);
    Label1 = label(this, QStringLiteral("VEXA 99"), title, 48, 0);

    const QFont credit =
        aboutFont(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"), 15);
    Label2 = label(this, {}, credit, 8, 48);
    Label3 = label(this, QStringLiteral("Radim Šíp"), credit, 16, 80);
    Label5 = label(this, {}, credit, 8, 120);
    Label6 = label(this, QStringLiteral("Věra Tětivová"), credit, 16, 152);
    Label4 = label(this, QStringLiteral("Terčík soft, 1999"), credit, 8, 192);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), {}, this);
    BitBtn1->setGeometry(36, 232, 75, 25);
    BitBtn1->setDefault(true);
    BitBtn1->setFocus();
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    FollowLanguage(this, [this] { retranslate(); });
}

void AboutBox::retranslate() {
    setWindowTitle(tr("O hře..."));
    Label2->setText(tr("Programování"));
    Label2->adjustSize();
    Label5->setText(tr("Grafika"));
    Label5->adjustSize();
    BitBtn1->setText(tr("Zavřít"));
}
