#include "windows/DifficultyDialog.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "rules/match/MatchState.h"
#include "windows/DesignFont.h"
#include "windows/DialogRows.h"
#include "windows/FollowLanguage.h"
#include "windows/HelpViewer.h"

namespace {

QRadioButton* level(QGroupBox* group, int top, int width) {
    auto* button = new QRadioButton(group);
    button->setGeometry(16, top, width, 17);
    return button;
}

}  // namespace

DifficultyDialog::DifficultyDialog(MatchState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      state_(state) {
    setFont(DesignFont());
    setFixedSize(121, 250);
    move(392, 227);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setGeometry(0, 0, 121, 165);
    RB0 = level(GroupBox1, 32, 81);
    RB1 = level(GroupBox1, 64, 65);
    RB2 = level(GroupBox1, 96, 81);
    RB3 = level(GroupBox1, 128, 89);
    RB1->setChecked(true);

    BitBtn2 =
        new QPushButton(style()->standardIcon(QStyle::SP_MessageBoxQuestion), QString(), this);
    BitBtn2->setGeometry(16, 176, 89, 25);
    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QString(), this);
    BitBtn1->setGeometry(24, 216, 75, 25);
    BitBtn1->setDefault(true);

    SetTabChain({RB1, RB2, RB3, RB0, BitBtn1, BitBtn2});

    connect(BitBtn1, &QPushButton::clicked, this, &DifficultyDialog::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &DifficultyDialog::BitBtn2Click);
    FollowLanguage(this, [this] { retranslate(); });
}

void DifficultyDialog::retranslate() {
    setWindowTitle(tr("Obtížnost..."));
    GroupBox1->setTitle(tr("Obtížnost"));
    RB0->setText(tr("Začátečník"));
    RB1->setText(tr("Amatér"));
    RB2->setText(tr("Profesionál"));
    RB3->setText(tr("Světová třída"));
    BitBtn2->setText(tr("Nápověda"));
    BitBtn1->setText(tr("OK"));
}

void DifficultyDialog::BitBtn1Click() {
    if (RB1->isChecked()) {
        state_.Difficulty = kDifficultyAmateur;
    } else if (RB2->isChecked()) {
        state_.Difficulty = kDifficultyProfessional;
    } else if (RB3->isChecked()) {
        state_.Difficulty = kDifficultyWorldClass;
    } else if (RB0->isChecked()) {
        state_.Difficulty = kDifficultyBeginner;
    }
    accept();
}

void DifficultyDialog::BitBtn2Click() {
    ShowHelpTopic(QStringLiteral("obtiznost"));
}

void DifficultyDialog::activ() {
    switch (state_.Difficulty) {
        case kDifficultyAmateur:
            RB1->setChecked(true);
            break;
        case kDifficultyProfessional:
            RB2->setChecked(true);
            break;
        case kDifficultyWorldClass:
            RB3->setChecked(true);
            break;
        case kDifficultyBeginner:
            RB0->setChecked(true);
            break;
        default:
            break;
    }
}

void DifficultyDialog::showEvent(QShowEvent* event) {
    // Only when the game shows the dialog, not when the window system restores it.
    if (!event->spontaneous()) activ();
    QDialog::showEvent(event);
}

void DifficultyDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
