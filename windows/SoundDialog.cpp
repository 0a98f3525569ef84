#include "windows/SoundDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "session/GameSession.h"
#include "windows/DialogRows.h"
#include "windows/FollowLanguage.h"

SoundDialog::SoundDialog(GameSession& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      session_(session) {
    HlasitostLabel = new QLabel;
    Hlasitost = new QSlider(Qt::Horizontal);
    Hlasitost->setRange(kMinVolume, kMaxVolume);
    Hlasitost->setPageStep(10);
    Hlasitost->setMinimumWidth(Hlasitost->fontMetrics().averageCharWidth() * 30);
    HlasitostLabel->setBuddy(Hlasitost);
    Procenta = new QLabel;
    // As wide as the widest value, so that the slider does not move as the number grows.
    Procenta->setMinimumWidth(Procenta->fontMetrics().horizontalAdvance(QStringLiteral("100 %")));
    Procenta->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Ztlumit = new QCheckBox;

    OK = new QPushButton;
    OK->setDefault(true);
    Storno = new QPushButton;
    auto* volume = new QHBoxLayout;
    volume->addWidget(HlasitostLabel);
    volume->addWidget(Hlasitost, 1);
    volume->addWidget(Procenta);
    auto* buttons = ButtonsAtRight({OK, Storno});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(volume);
    layout->addWidget(Ztlumit);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Hlasitost, &QSlider::valueChanged, this, &SoundDialog::showVolume);
    connect(Ztlumit, &QCheckBox::toggled, this, &SoundDialog::showVolume);
    connect(OK, &QPushButton::clicked, this, &SoundDialog::OKClick);
    connect(Storno, &QPushButton::clicked, this, &QDialog::reject);
    FollowLanguage(this, [this] { retranslate(); });
}

void SoundDialog::retranslate() {
    setWindowTitle(tr("Zvuk"));
    HlasitostLabel->setText(tr("&Hlasitost:"));
    Ztlumit->setText(tr("&Ztlumit"));
    OK->setText(tr("OK"));
    Storno->setText(tr("Storno"));
    showVolume();
}

void SoundDialog::showVolume() {
    Procenta->setText(tr("%1 %").arg(Hlasitost->value()));
    // Muted, the volume waits for the mute to go.
    Hlasitost->setEnabled(!Ztlumit->isChecked());
    Procenta->setEnabled(!Ztlumit->isChecked());
}

void SoundDialog::showEvent(QShowEvent* event) {
    const PlayerSettings& settings = session_.playerSettings();
    Hlasitost->setValue(settings.volume);
    Ztlumit->setChecked(settings.muted);
    showVolume();
    QDialog::showEvent(event);
}

void SoundDialog::OKClick() {
    session_.setSoundLevel(Hlasitost->value(), Ztlumit->isChecked());
    accept();
}
