#include "windows/ControlsDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "windows/ControlNames.h"
#include "windows/KeyCaptureButton.h"

namespace {

QString quoted(const QString& text) {
    return QStringLiteral("„%1“").arg(text);
}

bool opensMenu(KeyCode key) {
    return key == kKeyAlt || key == kKeyAltGr || key == kKeyF10;
}

}  // namespace

ControlsDialog::ControlsDialog(QWidget* parent) : QDialog(parent) {
    tellRefusal = [this](const QString& why) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Ovládání"), why, QMessageBox::Ok,
                        this);
        box.exec();
    };
    setWindowTitle(QStringLiteral("Ovládání"));
    auto* grid = new QGridLayout;
    const QStringList headers = {QStringLiteral("Činnost"), QStringLiteral("Klávesa"),
                                 QStringLiteral("Druhá klávesa"), QString(),
                                 QStringLiteral("Na ovladači")};
    for (int column = 0; column < headers.size(); ++column) {
        auto* header = new QLabel(QStringLiteral("<b>%1</b>").arg(headers[column]), this);
        grid->addWidget(header, 0, column);
    }
    for (std::size_t a = 0; a < kControlActionCount; ++a) {
        const auto action = static_cast<ControlAction>(a);
        const int row = static_cast<int>(a) + 1;
        grid->addWidget(new QLabel(ActionName(action), this), row, 0);
        for (std::size_t place = 0; place < kKeysPerAction; ++place) {
            auto* button = new KeyCaptureButton(this);
            button->setMinimumWidth(
                button->fontMetrics().horizontalAdvance(QStringLiteral("Stiskněte klávesu…")) + 24);
            connect(button, &KeyCaptureButton::keyCaptured, this,
                    [this, action, place](KeyCode key) { captured(action, place, key); });
            keyButtons[a][place] = button;
            grid->addWidget(button, row, 1 + static_cast<int>(place));
        }
        clearButtons[a] = new QToolButton(this);
        clearButtons[a]->setText(QStringLiteral("×"));
        clearButtons[a]->setToolTip(QStringLiteral("Odebrat druhou klávesu"));
        connect(clearButtons[a], &QToolButton::clicked, this, [this, action] {
            bindings_.unbindSecond(action);
            showBindings();
        });
        grid->addWidget(clearButtons[a], row, 3);
        padLabels[a] = new QLabel(this);
        grid->addWidget(padLabels[a], row, 4);
    }

    auto* howTo = new QLabel(
        QStringLiteral(
            "Klepněte na tlačítko s klávesou a stiskněte novou klávesu; Esc volbu zruší. "
            "Klávesy Alt a F10 patří nabídce hry."),
        this);
    howTo->setWordWrap(true);
    notice = new QLabel(this);
    notice->setWordWrap(true);
    notice->setStyleSheet(QStringLiteral("color: #a00000"));
    padLine = new QLabel(this);
    padLine->setWordWrap(true);

    Vychozi = new QPushButton(QStringLiteral("Výchozí"), this);
    Vychozi->setAutoDefault(false);
    OK = new QPushButton(QStringLiteral("OK"), this);
    OK->setDefault(true);
    Storno = new QPushButton(QStringLiteral("Storno"), this);
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
    layout->addWidget(howTo);
    layout->addWidget(notice);
    layout->addWidget(padLine);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ControlsDialog::load(const KeyBindings& bindings, GamepadFamily family,
                          const QString& padName) {
    bindings_ = bindings;
    for (std::size_t a = 0; a < kControlActionCount; ++a) {
        padLabels[a]->setText(PadName(static_cast<ControlAction>(a), family));
    }
    const QString menu = QStringLiteral("%1 otevře nabídku Hra.").arg(PadMenuName(family));
    padLine->setText(padName.isEmpty()
                         ? QStringLiteral("Žádný ovladač není připojen. Na ovladači: ") + menu
                         : QStringLiteral("Připojený ovladač: %1. ").arg(padName) + menu);
    showBindings();
}

void ControlsDialog::showBindings() {
    QStringList fellBack;
    for (std::size_t a = 0; a < kControlActionCount; ++a) {
        const auto action = static_cast<ControlAction>(a);
        const ActionKeys& keys = bindings_.keys(action);
        for (std::size_t place = 0; place < kKeysPerAction; ++place) {
            keyButtons[a][place]->showKey(keys[place] == kNoKey ? QStringLiteral("(žádná)")
                                                                : KeyName(keys[place]));
        }
        clearButtons[a]->setEnabled(keys[1] != kNoKey);
        if (bindings_.fellBack(action)) fellBack << quoted(ActionName(action));
    }
    notice->setVisible(!fellBack.isEmpty());
    notice->setText(
        QStringLiteral("Soubor nastavení neuvádí pro %1 klávesu, kterou hra zná; platí výchozí.")
            .arg(fellBack.join(QStringLiteral(", "))));
}

void ControlsDialog::captured(ControlAction action, std::size_t place, KeyCode key) {
    const std::optional<KeyBindings::Refusal> refusal = bindings_.bind(action, place, key);
    if (refusal) {
        const QString name = KeyName(key);
        QString why;
        if (!refusal->reserved) {
            why = QStringLiteral("Klávesu %1 už má činnost %2. Nejdříve jí dejte jinou klávesu.")
                      .arg(name, quoted(ActionName(refusal->holder)));
        } else if (opensMenu(key)) {
            why = QStringLiteral("Klávesu %1 potřebuje nabídka hry, nelze ji přiřadit.").arg(name);
        } else {
            why = QStringLiteral("Klávesa %1 sama nic nedělá, nelze ji přiřadit.").arg(name);
        }
        tellRefusal(why);
    }
    showBindings();
}
