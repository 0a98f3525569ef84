#include "windows/WindDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "session/GameSession.h"
#include "windows/DialogRows.h"
#include "windows/FollowLanguage.h"

WindDialog::WindDialog(GameSession& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      session_(session) {
    auto* layout = new QVBoxLayout(this);
    for (QRadioButton** level : {&Bezvetri, &Slaby, &Promenlivy, &Silny}) {
        *level = new QRadioButton;
        layout->addWidget(*level);
    }
    Vysvetleni = new QLabel;
    Vysvetleni->setWordWrap(true);
    // Wide enough for the text to read as a paragraph, not a column of words.
    Vysvetleni->setMinimumWidth(Vysvetleni->fontMetrics().averageCharWidth() * 52);
    layout->addWidget(Vysvetleni);
    OK = new QPushButton;
    OK->setDefault(true);
    Storno = new QPushButton;
    auto* buttons = ButtonsAtRight({OK, Storno});
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OK, &QPushButton::clicked, this, &WindDialog::OKClick);
    connect(Storno, &QPushButton::clicked, this, &QDialog::reject);
    FollowLanguage(this, [this] { retranslate(); });
}

void WindDialog::retranslate() {
    setWindowTitle(tr("Vítr"));
    Bezvetri->setText(tr("Bezvětří"));
    Slaby->setText(tr("Slabý vítr"));
    Promenlivy->setText(tr("Proměnlivý vítr"));
    Silny->setText(tr("Silný vítr"));
    Vysvetleni->setText(
        tr("Slabý vítr fouká asi 0–2 m/s, proměnlivý asi 1–4 m/s v nárazech, silný asi 3–7 m/s "
           "v silných nárazech. Vlajka vedle terče ukazuje, kam vítr šíp zanese. Volba platí od "
           "příštího šípu; počítačoví střelci střílejí jako v bezvětří."));
    OK->setText(tr("OK"));
    Storno->setText(tr("Storno"));
}

void WindDialog::showEvent(QShowEvent* event) {
    levels()[static_cast<std::size_t>(session_.playerSettings().wind)]->setChecked(true);
    QDialog::showEvent(event);
}

void WindDialog::OKClick() {
    const auto chosen = levels();
    for (std::size_t level = 0; level < chosen.size(); ++level) {
        if (chosen[level]->isChecked()) session_.setWind(static_cast<WindLevel>(level));
    }
    accept();
}
