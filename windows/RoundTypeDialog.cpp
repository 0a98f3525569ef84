#include "windows/RoundTypeDialog.h"

#include <QGroupBox>
#include <QIcon>
#include <QPushButton>
#include <QRadioButton>

#include "platform/QtBuiltin.h"
#include "rules/match/Rounds.h"
#include "windows/DesignFont.h"
#include "windows/FormControls.h"
#include "windows/HelpViewer.h"

RoundTypeDialog::RoundTypeDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Typ závodů"));
    setFont(DesignFont());
    setWindowIcon(QIcon(BuiltinPicture(QStringLiteral("roundtype.png"))));
    setFixedSize(226, 217);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setGeometry(0, 0, 113, 105);
    VEXAKr = placeRadio(GroupBox1, QString::fromUtf8(kShortRoundName), {24, 32, 65, 17});
    VEXA = placeRadio(GroupBox1, QString::fromUtf8(kFullRoundName), {24, 64, 57, 17});
    VEXAKr->setChecked(true);

    GroupBox2 = new QGroupBox(this);
    GroupBox2->setGeometry(112, 0, 113, 105);
    Muzi =
        placeRadio(GroupBox2, QString::fromUtf8(NamesOf(Division::Men).caption), {32, 32, 49, 17});
    Zeny = placeRadio(GroupBox2, QString::fromUtf8(NamesOf(Division::Women).caption),
                      {32, 64, 49, 17});
    Muzi->setChecked(true);

    BitOuKey =
        placeButton(this, QStringLiteral("OK"), QStyle::SP_DialogOkButton, {16, 128, 75, 25});
    BitOuKey->setDefault(true);
    BitStorno = placeButton(this, QStringLiteral("Storno"), QStyle::SP_DialogCancelButton,
                            {135, 128, 75, 25});
    BitBtn1 = placeButton(this, QStringLiteral("Nápověda"), QStyle::SP_MessageBoxQuestion,
                          {66, 176, 94, 25});

    connect(BitOuKey, &QPushButton::clicked, this, &RoundTypeDialog::BitOuKeyClick);
    connect(BitStorno, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn1, &QPushButton::clicked, this, &RoundTypeDialog::BitBtn1Click);
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
