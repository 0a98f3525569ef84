#include "windows/PracticeDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "rules/match/EndClock.h"
#include "rules/match/Rounds.h"
#include "windows/ArcherNameBox.h"
#include "windows/DialogRows.h"
#include "windows/FollowLanguage.h"

PracticeDialog::PracticeDialog(QWidget* parent) : QDialog(parent) {
    Lukostrelec = new ArcherNameBox(this);
    Vzdalenost = new QComboBox(this);
    for (int32_t metres : kPracticeDistances) {
        Vzdalenost->addItem({}, metres);
    }
    PocetSad = new QSpinBox(this);
    PocetSad->setRange(kPracticeMinEnds, kPracticeMaxEnds);
    CasovyLimit = new QCheckBox(this);
    SekundNaSadu = new QSpinBox(this);
    SekundNaSadu->setRange(kPracticeMinSeconds, kPracticeMaxSeconds);
    OKButton = new QPushButton(this);
    OKButton->setDefault(true);
    StornoButton = new QPushButton(this);

    auto* form = new QFormLayout;
    const auto addRow = [form](QWidget* field) { return AddLabelledRow(form, field); };
    archerLabel_ = addRow(Lukostrelec);
    distanceLabel_ = addRow(Vzdalenost);
    endsLabel_ = addRow(PocetSad);
    form->addRow(QString(), CasovyLimit);
    secondsLabel_ = addRow(SekundNaSadu);
    auto* buttons = ButtonsAtRight({OKButton, StornoButton});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    SetTabChain(
        {Lukostrelec, Vzdalenost, PocetSad, CasovyLimit, SekundNaSadu, OKButton, StornoButton});

    connect(CasovyLimit, &QCheckBox::toggled, SekundNaSadu, &QWidget::setEnabled);
    connect(Vzdalenost, &QComboBox::currentIndexChanged, this, &PracticeDialog::distanceChanged);
    connect(SekundNaSadu, &QSpinBox::valueChanged, this, [this] {
        if (!proposing_) secondsChosen_ = true;
    });
    connect(OKButton, &QPushButton::clicked, this, &PracticeDialog::OKClick);
    connect(StornoButton, &QPushButton::clicked, this, &QDialog::reject);
    FollowLanguage(this, [this] { retranslate(); });
}

void PracticeDialog::retranslate() {
    setWindowTitle(tr("Trénink"));
    for (int i = 0; i < Vzdalenost->count(); ++i) {
        Vzdalenost->setItemText(i, tr("%1 m").arg(Vzdalenost->itemData(i).toInt()));
    }
    CasovyLimit->setText(tr("Časový limit"));
    archerLabel_->setText(tr("&Lukostřelec:"));
    distanceLabel_->setText(tr("&Vzdálenost:"));
    endsLabel_->setText(tr("&Počet sad:"));
    secondsLabel_->setText(tr("&Sekund na sadu:"));
    OKButton->setText(tr("OK"));
    StornoButton->setText(tr("Storno"));
}

void PracticeDialog::prepare(const PracticeSettings& last, const std::vector<KnownArcher>& known) {
    Lukostrelec->offer(known, last.archer);
    secondsChosen_ = last.secondsPerEnd != 0;
    proposing_ = true;
    Vzdalenost->setCurrentIndex(std::max(0, Vzdalenost->findData(last.distance)));
    PocetSad->setValue(last.ends);
    CasovyLimit->setChecked(last.timed);
    SekundNaSadu->setEnabled(last.timed);
    SekundNaSadu->setValue(
        secondsChosen_
            ? last.secondsPerEnd
            : ProposedEndSeconds(PracticeRound(distance(), 1)->stages().front().arrowsPerEnd));
    proposing_ = false;
}

void PracticeDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Lukostrelec->takeFocus();
}

int32_t PracticeDialog::distance() const {
    return Vzdalenost->currentData().toInt();
}

void PracticeDialog::distanceChanged() {
    // A limit the player has not set himself follows the arrows of the distance's ends.
    if (secondsChosen_) return;
    proposing_ = true;
    SekundNaSadu->setValue(
        ProposedEndSeconds(PracticeRound(distance(), 1)->stages().front().arrowsPerEnd));
    proposing_ = false;
}

PracticeSettings PracticeDialog::chosen() const {
    return {
        .archer = Lukostrelec->name().toStdString(),
        .distance = distance(),
        .ends = PocetSad->value(),
        .timed = CasovyLimit->isChecked(),
        .secondsPerEnd = secondsChosen_ || CasovyLimit->isChecked() ? SekundNaSadu->value() : 0};
}

QString PracticeDialog::club() const {
    return Lukostrelec->club();
}

void PracticeDialog::OKClick() {
    // Values still being typed count as they would on leaving their field.
    PocetSad->interpretText();
    SekundNaSadu->interpretText();
    if (Lukostrelec->name().isEmpty()) {
        QMessageBox::warning(this, tr("Chyba !"),
                             tr("Zadejte jméno lukostřelce, který bude trénovat !"));
        Lukostrelec->setFocus();
        return;
    }
    accept();
}
