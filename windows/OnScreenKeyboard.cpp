#include "windows/OnScreenKeyboard.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "rules/controls/KeyGrid.h"
#include "rules/formats/Cp1250.h"
#include "windows/ControlNames.h"
#include "windows/DesignFont.h"
#include "windows/FollowLanguage.h"

namespace {

constexpr int kColumns = 12;
constexpr int kKeySize = 24;
const QString kMarks = QStringLiteral("-.,'/");

QChar plainLetter(QChar letter) {
    return QString(letter).normalized(QString::NormalizationForm_D).front();
}

// Every small Latin letter of the game's code page, each after its plain letter (a á ä ą b c ć
// č ...), so that the Czech ones are where a Czech player looks for them; then the digits and
// the marks.
QList<QChar> keyboardCharacters() {
    QList<QChar> letters;
    for (int byte = 0x20; byte <= 0xff; ++byte) {
        const QChar c(cp1250ToUnicode(static_cast<unsigned char>(byte)));
        if (c.isLower() && c.script() == QChar::Script_Latin) letters << c;
    }
    std::ranges::stable_sort(letters, [](QChar a, QChar b) {
        return plainLetter(a).unicode() < plainLetter(b).unicode();
    });
    for (QChar digit = u'0'; digit <= u'9'; digit = QChar(digit.unicode() + 1)) letters << digit;
    for (QChar mark : kMarks) letters << mark;
    return letters;
}

// The capital of a letter, when the code page holds it (it has no capital ß).
QChar capital(QChar letter) {
    const QChar upper = letter.toUpper();
    return unicodeToCp1250(upper.unicode()) ? upper : letter;
}

}  // namespace

OnScreenKeyboard::OnScreenKeyboard(QLineEdit& field, GamepadFamily family, QWidget* parent)
    : QDialog(parent), field_(field), family_(family), letters_(keyboardCharacters()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DesignFont(13));
    auto* layout = new QGridLayout(this);
    layout->setSpacing(2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Text = new QLineEdit(field.text(), this);
    Text->setValidator(field.validator());
    Text->setMaxLength(field.maxLength());
    Text->setFocusPolicy(Qt::ClickFocus);
    layout->addWidget(Text, 0, 0, 1, kColumns);

    const auto addKey = [&](const QString& caption) {
        auto* key = new QPushButton(caption, this);
        key->setFixedSize(kKeySize, kKeySize);
        key->setAutoDefault(false);
        key->installEventFilter(this);
        const auto at = static_cast<int>(Keys.size());
        layout->addWidget(key, 1 + at / kColumns, at % kColumns);
        connect(key, &QPushButton::clicked, this,
                [this, at] { press(static_cast<std::size_t>(at)); });
        Keys.push_back(key);
    };
    for (QChar c : letters_) addKey(c);
    addKey({});  // the case key and the space bar: their signs come with the language
    addKey({});
    showCase();

    Napoveda = new QLabel(this);
    layout->addWidget(Napoveda, 2 + static_cast<int>(Keys.size() - 1) / kColumns, 0, 1, kColumns);
    FollowLanguage(this, [this] { retranslate(); });
    Keys.front()->setFocus();
    // Back to the field, whether or not the desktop gives its window the focus again.
    connect(this, &QDialog::finished, &field, [&field] {
        field.window()->activateWindow();
        field.setFocus(Qt::OtherFocusReason);
    });
}

void OnScreenKeyboard::retranslate() {
    setWindowTitle(tr("Klávesnice"));
    Keys[Keys.size() - 2]->setText(tr("⇧"));
    Keys.back()->setText(tr("␣"));
    Napoveda->setText(tr("%1 napíše písmeno, %2 smaže poslední, %3 potvrdí.")
                          .arg(PadButtonName(ChooseButton(family_), family_),
                               PadButtonName(BackButton(family_), family_),
                               PadButtonName(GamepadButton::Start, family_)));
}

void OnScreenKeyboard::showCase() {
    for (qsizetype i = 0; i < letters_.size(); ++i) {
        Keys[static_cast<std::size_t>(i)]->setText(capitals_ ? capital(letters_[i]) : letters_[i]);
    }
}

// Names and clubs are words with a capital first: the keys show capitals at the start and after
// a space, small letters after a letter, and the case key changes that for the next letter.
void OnScreenKeyboard::press(std::size_t key) {
    const std::size_t caseKey = Keys.size() - 2;
    if (key == caseKey) {
        capitals_ = !capitals_;
    } else if (key == caseKey + 1) {
        Text->insert(QStringLiteral(" "));
        capitals_ = true;
    } else {
        Text->insert(Keys[key]->text());
        capitals_ = !Keys[key]->text().front().isLetter() && capitals_;
    }
    showCase();
}

void OnScreenKeyboard::carryOut(NavigationCommand command) {
    const auto focused = std::ranges::find(Keys, QApplication::focusWidget());
    const auto at = static_cast<int32_t>(focused == Keys.end() ? 0 : focused - Keys.begin());
    switch (command) {
        case NavigationCommand::Choose:
            Keys[static_cast<std::size_t>(at)]->click();
            break;
        case NavigationCommand::Back:
            Text->backspace();
            break;
        case NavigationCommand::Confirm:
            field_.setText(Text->text());
            accept();
            break;
        default: {
            const int32_t to = StepInGrid(at, command, static_cast<int32_t>(Keys.size()), kColumns);
            Keys[static_cast<std::size_t>(to)]->setFocus(Qt::TabFocusReason);
        }
    }
}

// A key typed on the keyboard goes into the text, whichever key of the grid has the focus;
// Enter confirms as Start does, Esc closes without a change.
bool OnScreenKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
        case Qt::Key_Escape:
            return false;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            carryOut(NavigationCommand::Confirm);
            return true;
        default:
            QApplication::sendEvent(Text, event);
            return true;
    }
}
