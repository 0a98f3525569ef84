#include "windows/BoutsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "rules/bouts/Bout.h"
#include "rules/bouts/Seeding.h"
#include "rules/formats/GameText.h"
#include "windows/ArcherNameBox.h"
#include "windows/DialogRows.h"
#include "windows/FollowLanguage.h"

BoutsDialog::BoutsDialog(QWidget* parent) : QDialog(parent) {
    Lukostrelec = new ArcherNameBox(this);
    Kategorie = new QComboBox(this);
    for (Division division : {Division::Men, Division::Women}) {
        Kategorie->addItem({}, static_cast<int>(division));
    }
    Pavouk = new QComboBox(this);
    for (int32_t size : kBracketSizes) Pavouk->addItem({}, size);
    Souperi = new QComboBox(this);
    Souperi->addItem({}, false);
    Souperi->addItem({}, true);
    CasovyLimit = new QCheckBox(this);
    OKButton = new QPushButton(this);
    OKButton->setDefault(true);
    StornoButton = new QPushButton(this);

    auto* form = new QFormLayout;
    const auto addRow = [form](QWidget* field) { return AddLabelledRow(form, field); };
    archerLabel_ = addRow(Lukostrelec);
    divisionLabel_ = addRow(Kategorie);
    bracketLabel_ = addRow(Pavouk);
    fieldLabel_ = addRow(Souperi);
    limitHint_ = new QLabel(this);
    form->addRow(CasovyLimit, limitHint_);
    auto* buttons = ButtonsAtRight({OKButton, StornoButton});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    SetTabChain({Lukostrelec, Kategorie, Pavouk, Souperi, CasovyLimit, OKButton, StornoButton});

    connect(OKButton, &QPushButton::clicked, this, &BoutsDialog::OKClick);
    connect(StornoButton, &QPushButton::clicked, this, &QDialog::reject);
    FollowLanguage(this, [this] { retranslate(); });
}

void BoutsDialog::retranslate() {
    setWindowTitle(tr("Souboje"));
    archerLabel_->setText(tr("&Lukostřelec:"));
    divisionLabel_->setText(tr("&Kategorie:"));
    bracketLabel_->setText(tr("&Pavouk:"));
    fieldLabel_->setText(tr("&Soupeři:"));
    for (int i = 0; i < Kategorie->count(); ++i) {
        const auto division = static_cast<Division>(Kategorie->itemData(i).toInt());
        Kategorie->setItemText(
            i, QCoreApplication::translate(kGameTextContext, NamesOf(division).caption));
    }
    for (int i = 0; i < Pavouk->count(); ++i) {
        Pavouk->setItemText(i, tr("%1 lukostřelců").arg(Pavouk->itemData(i).toInt()));
    }
    Souperi->setItemText(0, tr("Podle databáze střelců"));
    Souperi->setItemText(1, tr("Podle mé úrovně"));
    CasovyLimit->setText(tr("Časový limit"));
    limitHint_->setText(tr("%1 minuty na sadu").arg(kSecondsPerSet / 60));
    OKButton->setText(tr("OK"));
    StornoButton->setText(tr("Storno"));
}

void BoutsDialog::prepare(const BoutSettings& last, const std::vector<KnownArcher>& known) {
    Lukostrelec->offer(known, last.archer);
    Kategorie->setCurrentIndex(std::max(0, Kategorie->findData(static_cast<int>(last.division))));
    Pavouk->setCurrentIndex(std::max(0, Pavouk->findData(last.bracketSize)));
    Souperi->setCurrentIndex(last.fieldAtPlayerLevel ? 1 : 0);
    CasovyLimit->setChecked(last.timed);
}

void BoutsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Lukostrelec->takeFocus();
}

BoutSettings BoutsDialog::chosen() const {
    return {.archer = Lukostrelec->name().toStdString(),
            .division = static_cast<Division>(Kategorie->currentData().toInt()),
            .bracketSize = Pavouk->currentData().toInt(),
            .fieldAtPlayerLevel = Souperi->currentData().toBool(),
            .timed = CasovyLimit->isChecked()};
}

QString BoutsDialog::club() const {
    return Lukostrelec->club();
}

void BoutsDialog::OKClick() {
    if (Lukostrelec->name().isEmpty()) {
        QMessageBox::warning(this, tr("Chyba !"),
                             tr("Zadejte jméno lukostřelce, který bude střílet souboje !"));
        Lukostrelec->setFocus();
        return;
    }
    accept();
}
