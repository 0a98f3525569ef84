#include "windows/ControlsDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "windows/ControlNames.h"
#include "windows/FollowLanguage.h"
#include "windows/KeyCaptureButton.h"

namespace {

QString quoted(const QString& text) {
    return ControlsDialog::tr("„%1“").arg(text);
}

bool opensMenu(KeyCode key) {
    return key == kKeyAlt || key == kKeyAltGr || key == kKeyF10;
}

}  // namespace

ControlsDialog::ControlsDialog(QWidget* parent) : QDialog(parent) {
    tellRefusal = [this](const QString& why) {
        QMessageBox box(QMessageBox::Warning, tr("Ovládání"), why, QMessageBox::Ok, this);
        box.exec();
    };
    auto* grid = new QGridLayout;
    for (std::size_t column = 0; column < headers_.size(); ++column) {
        headers_[column] = new QLabel(this);
        grid->addWidget(headers_[column], 0, static_cast<int>(column));
    }
    for (std::size_t a = 0; a < kControlActionCount; ++a) {
        const auto action = static_cast<ControlAction>(a);
        const int row = static_cast<int>(a) + 1;
        actionLabels_[a] = new QLabel(this);
        grid->addWidget(actionLabels_[a], row, 0);
        for (std::size_t place = 0; place < kKeysPerAction; ++place) {
            auto* button = new KeyCaptureButton(this);
            connect(button, &KeyCaptureButton::keyCaptured, this,
                    [this, action, place](KeyCode key) { captured(action, place, key); });
            keyButtons[a][place] = button;
            grid->addWidget(button, row, 1 + static_cast<int>(place));
        }
        clearButtons[a] = new QToolButton(this);
        connect(clearButtons[a], &QToolButton::clicked, this, [this, action] {
            bindings_.unbindSecond(action);
            showBindings();
        });
        grid->addWidget(clearButtons[a], row, 3);
        padLabels[a] = new QLabel(this);
        grid->addWidget(padLabels[a], row, 4);
    }

    howTo_ = new QLabel(this);
    howTo_->setWordWrap(true);
    notice = new QLabel(this);
    notice->setWordWrap(true);
    notice->setStyleSheet(QStringLiteral("color: #a00000"));
    padLine = new QLabel(this);
    padLine->setWordWrap(true);

    Vychozi = new QPushButton(this);
    Vychozi->setAutoDefault(false);
    OK = new QPushButton(this);
    OK->setDefault(true);
    Storno = new QPushButton(this);
    Storno->setAutoDefault(false);
    connect(Vychozi, &QPushButton::clicked, this, [this] {
        bindings_.restoreDefaults();
        showBindings();
    });
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Storno, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Vychozi);
    buttons->addStretch();
    buttons->addWidget(OK);
    buttons->addWidget(Storno);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(howTo_);
    layout->addWidget(notice);
    layout->addWidget(padLine);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    FollowLanguage(this, [this] { retranslate(); });
}

void ControlsDialog::retranslate() {
    setWindowTitle(tr("Ovládání"));
    const QStringList headers = {tr("Činnost"), tr("Klávesa"), tr("Druhá klávesa"), QString(),
                                 tr("Na ovladači")};
    for (std::size_t column = 0; column < headers_.size(); ++column) {
        headers_[column]->setText(
            QStringLiteral("<b>%1</b>").arg(headers[static_cast<int>(column)]));
    }
    for (std::size_t a = 0; a < kControlActionCount; ++a) {
        actionLabels_[a]->setText(ActionName(static_cast<ControlAction>(a)));
        clearButtons[a]->setText(tr("×"));
        clearButtons[a]->setToolTip(tr("Odebrat druhou klávesu"));
        for (KeyCaptureButton* button : keyButtons[a]) {
            button->setMinimumWidth(
                button->fontMetrics().horizontalAdvance(KeyCaptureButton::promptText()) + 24);
        }
    }
    howTo_->setText(
        tr("Klepněte na tlačítko s klávesou a stiskněte novou klávesu; Esc volbu zruší. "
           "Klávesy Alt a F10 patří nabídce hry."));
    Vychozi->setText(tr("Výchozí"));
    OK->setText(tr("OK"));
    Storno->setText(tr("Storno"));
    showPad();
    showBindings();
}

void ControlsDialog::load(const KeyBindings& bindings, GamepadFamily family,
                          const QString& padName) {
    bindings_ = bindings;
    family_ = family;
    padName_ = padName;
    showPad();
    showBindings();
}

void ControlsDialog::showPad() {
    for (std::size_t a = 0; a < kControlActionCount; ++a) {
        padLabels[a]->setText(PadName(static_cast<ControlAction>(a), family_));
    }
    const QString menu =
        tr("%1 otevře nabídku Hra.").arg(PadButtonName(GamepadButton::Start, family_));
    padLine->setText(padName_.isEmpty() ? tr("Žádný ovladač není připojen. Na ovladači: ") + menu
                                        : tr("Připojený ovladač: %1. ").arg(padName_) + menu);
}

void ControlsDialog::showBindings() {
    QStringList fellBack;
    for (std::size_t a = 0; a < kControlActionCount; ++a) {
        const auto action = static_cast<ControlAction>(a);
        const ActionKeys& keys = bindings_.keys(action);
        for (std::size_t place = 0; place < kKeysPerAction; ++place) {
            keyButtons[a][place]->showKey(keys[place] == kNoKey ? tr("(žádná)")
                                                                : KeyName(keys[place]));
        }
        clearButtons[a]->setEnabled(keys[1] != kNoKey);
        if (bindings_.fellBack(action)) fellBack << quoted(ActionName(action));
    }
    notice->setVisible(!fellBack.isEmpty());
    notice->setText(tr("Soubor nastavení neuvádí pro %1 klávesu, kterou hra zná; platí výchozí.")
                        .arg(fellBack.join(QStringLiteral(", "))));
}

void ControlsDialog::captured(ControlAction action, std::size_t place, KeyCode key) {
    const std::optional<KeyBindings::Refusal> refusal = bindings_.bind(action, place, key);
    if (refusal) {
        const QString name = KeyName(key);
        QString why;
        if (!refusal->reserved) {
            why = tr("Klávesu %1 už má činnost %2. Nejdříve jí dejte jinou klávesu.")
                      .arg(name, quoted(ActionName(refusal->holder)));
        } else if (opensMenu(key)) {
            why = tr("Klávesu %1 potřebuje nabídka hry, nelze ji přiřadit.").arg(name);
        } else {
            why = tr("Klávesa %1 sama nic nedělá, nelze ji přiřadit.").arg(name);
        }
        tellRefusal(why);
    }
    showBindings();
}
