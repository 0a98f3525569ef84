#include "windows/RoundTypeDialog.h"

#include <QGroupBox>
#include <QIcon>
#include <QPushButton>
#include <QRadioButton>

#include "platform/QtBuiltin.h"
#include "rules/match/Rounds.h"
#include "windows/DesignFont.h"
#include "windows/FollowLanguage.h"
#include "windows/FormControls.h"
#include "windows/GameTextDisplay.h"
#include "windows/HelpViewer.h"

RoundTypeDialog::RoundTypeDialog(QWidget* parent) : QDialog(parent) {
    setFont(DesignFont());
    setWindowIcon(QIcon(BuiltinPicture(QStringLiteral("roundtype.png"))));
    setFixedSize(226, 217);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setGeometry(0, 0, 113, 105);
    VEXAKr = placeRadio(GroupBox1, {}, {24, 32, 65, 17});
    VEXA = placeRadio(GroupBox1, {}, {24, 64, 57, 17});
    VEXAKr->setChecked(true);

    GroupBox2 = new QGroupBox(this);
    GroupBox2->setGeometry(112, 0, 113, 105);
    Muzi = placeRadio(GroupBox2, {}, {32, 32, 49, 17});
    Zeny = placeRadio(GroupBox2, {}, {32, 64, 49, 17});
    Muzi->setChecked(true);

    BitOuKey = placeButton(this, {}, QStyle::SP_DialogOkButton, {16, 128, 75, 25});
    BitOuKey->setDefault(true);
    BitStorno = placeButton(this, {}, QStyle::SP_DialogCancelButton, {135, 128, 75, 25});
    BitBtn1 = placeButton(this, {}, QStyle::SP_MessageBoxQuestion, {66, 176, 94, 25});

    connect(BitOuKey, &QPushButton::clicked, this, &RoundTypeDialog::BitOuKeyClick);
    connect(BitStorno, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn1, &QPushButton::clicked, this, &RoundTypeDialog::BitBtn1Click);
    FollowLanguage(this, [this] { retranslate(); });
}

void RoundTypeDialog::retranslate() {
    setWindowTitle(tr("Typ závodů"));
    setRadioCaption(VEXAKr, TranslatedGameText(QString::fromUtf8(kShortRoundName)));
    setRadioCaption(VEXA, TranslatedGameText(QString::fromUtf8(kFullRoundName)));
    setRadioCaption(Muzi, TranslatedGameText(QString::fromUtf8(NamesOf(Division::Men).caption)));
    setRadioCaption(Zeny, TranslatedGameText(QString::fromUtf8(NamesOf(Division::Women).caption)));
    BitOuKey->setText(tr("OK"));
    BitStorno->setText(tr("Storno"));
    BitBtn1->setText(tr("Nápověda"));
}

void RoundTypeDialog::BitOuKeyClick() {
    const char* name = VEXAKr->isChecked() ? kShortRoundName : kFullRoundName;
    // The short round goes by its men's division unless women is chosen; the full round by its
    // women's unless men is.
    Division division = Division::Men;
    if (VEXAKr->isChecked() ? !Muzi->isChecked() : Zeny->isChecked()) division = Division::Women;
    if (const std::optional<Round> round = findRound(name, division)) RoundType = round->type;
    accept();
}

void RoundTypeDialog::BitBtn1Click() {
    ShowHelpTopic(QStringLiteral("vexa"));
}
