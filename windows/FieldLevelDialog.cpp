#include "windows/FieldLevelDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "session/SessionSettings.h"
#include "windows/DialogRows.h"
#include "windows/FollowLanguage.h"

FieldLevelDialog::FieldLevelDialog(SessionSettings& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      settings_(settings) {
    PodleDatabaze = new QRadioButton;
    PodleUrovne = new QRadioButton;
    Vysvetleni = new QLabel;
    Vysvetleni->setWordWrap(true);
    // Wide enough for the text to read as a paragraph, not a column of words.
    Vysvetleni->setMinimumWidth(Vysvetleni->fontMetrics().averageCharWidth() * 52);

    OK = new QPushButton;
    OK->setDefault(true);
    Storno = new QPushButton;
    auto* buttons = ButtonsAtRight({OK, Storno});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PodleDatabaze);
    layout->addWidget(PodleUrovne);
    layout->addWidget(Vysvetleni);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OK, &QPushButton::clicked, this, &FieldLevelDialog::OKClick);
    connect(Storno, &QPushButton::clicked, this, &QDialog::reject);
    FollowLanguage(this, [this] { retranslate(); });
}

void FieldLevelDialog::retranslate() {
    setWindowTitle(tr("Soupeři"));
    PodleDatabaze->setText(tr("Podle databáze střelců"));
    PodleUrovne->setText(tr("Podle mé úrovně"));
    Vysvetleni->setText(
        tr("Podle mé úrovně dostanou počítačoví střelci pro každý zápas výkonnost od handicapu "
           "o 15 lepšího po handicap o 15 horší, než má nejlepší z hrajících lukostřelců, "
           "v pořadí své síly v databázi. Databáze sama se nemění.\n\n"
           "Handicap má lukostřelec po prvním dokončeném zápase. Dokud ho nemá nikdo z hrajících, "
           "střílí počítačoví střelci podle databáze."));
    OK->setText(tr("OK"));
    Storno->setText(tr("Storno"));
}

void FieldLevelDialog::showEvent(QShowEvent* event) {
    const bool atLevel = settings_.settings().fieldAtPlayerLevel;
    PodleUrovne->setChecked(atLevel);
    PodleDatabaze->setChecked(!atLevel);
    QDialog::showEvent(event);
}

void FieldLevelDialog::OKClick() {
    PlayerSettings changed = settings_.settings();
    changed.fieldAtPlayerLevel = PodleUrovne->isChecked();
    settings_.save(changed);
    accept();
}
