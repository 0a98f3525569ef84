#include "windows/ControlNames.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QStringList>
#include <QWidget>

#include "windows/HelpViewer.h"

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("ControlNames", text);
}

}  // namespace

static_assert(kKeyAlt == Qt::Key_Alt && kKeyAltGr == Qt::Key_AltGr && kKeyF10 == Qt::Key_F10 &&
              kKeyControl == Qt::Key_Control && kKeyMeta == Qt::Key_Meta);

std::optional<std::vector<KeyCode>> ReadKeysText(std::string_view text) {
    const QKeySequence sequence = QKeySequence::fromString(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
        QKeySequence::PortableText);
    if (sequence.isEmpty()) return std::nullopt;
    std::vector<KeyCode> keys;
    for (int i = 0; i < sequence.count(); ++i) {
        const QKeyCombination combination = sequence[static_cast<uint>(i)];
        if (combination.keyboardModifiers() != Qt::NoModifier ||
            combination.key() == Qt::Key_unknown) {
            return std::nullopt;
        }
        keys.push_back(static_cast<KeyCode>(combination.key()));
    }
    return keys;
}

std::string PortableKeyName(KeyCode key) {
    return QKeySequence(key).toString(QKeySequence::PortableText).toStdString();
}

KeyTextFormat QtKeyText() {
    return {.read = ReadKeysText, .name = PortableKeyName};
}

QString ActionName(ControlAction action) {
    switch (action) {
        case ControlAction::Left:
            return translated(QT_TRANSLATE_NOOP("ControlNames", "vlevo"));
        case ControlAction::Right:
            return translated(QT_TRANSLATE_NOOP("ControlNames", "vpravo"));
        case ControlAction::Up:
            return translated(QT_TRANSLATE_NOOP("ControlNames", "nahoru"));
        case ControlAction::Down:
            return translated(QT_TRANSLATE_NOOP("ControlNames", "dolů"));
        case ControlAction::Draw:
            return translated(QT_TRANSLATE_NOOP("ControlNames", "natáhnout luk"));
        case ControlAction::Shoot:
            return translated(QT_TRANSLATE_NOOP("ControlNames", "vystřelit"));
        case ControlAction::NextArrow:
            return translated(QT_TRANSLATE_NOOP("ControlNames", "další šíp"));
    }
    return {};
}

QString KeyName(KeyCode key) {
    switch (key) {
        case Qt::Key_Left:
            return translated(QT_TRANSLATE_NOOP("ControlNames", "←"));
        case Qt::Key_Right:
            return translated(QT_TRANSLATE_NOOP("ControlNames", "→"));
        case Qt::Key_Up:
            return translated(QT_TRANSLATE_NOOP("ControlNames", "↑"));
        case Qt::Key_Down:
            return translated(QT_TRANSLATE_NOOP("ControlNames", "↓"));
        default:
            return QKeySequence(key).toString(QKeySequence::NativeText);
    }
}

QString KeysName(const ActionKeys& keys) {
    QStringList names;
    for (KeyCode key : keys) {
        if (key != kNoKey) names << KeyName(key);
    }
    return names.join(translated(QT_TRANSLATE_NOOP("ControlNames", " nebo ")));
}

QString PadButtonName(GamepadButton button, GamepadFamily family) {
    const bool ps = family == GamepadFamily::PlayStation;
    const bool nintendo = family == GamepadFamily::Nintendo;
    const auto pick = [&](QString xbox, QString playStation, QString nintendoName) {
        return ps ? playStation : nintendo ? nintendoName : xbox;
    };
    switch (button) {
        case GamepadButton::South:
            return pick(QStringLiteral("A"), translated(QT_TRANSLATE_NOOP("ControlNames", "×")),
                        QStringLiteral("B"));
        case GamepadButton::East:
            return pick(QStringLiteral("B"), translated(QT_TRANSLATE_NOOP("ControlNames", "○")),
                        QStringLiteral("A"));
        case GamepadButton::Start:
            return pick(QStringLiteral("Start"), QStringLiteral("Options"), QStringLiteral("+"));
        case GamepadButton::LeftShoulder:
            return pick(QStringLiteral("LB"), QStringLiteral("L1"), QStringLiteral("L"));
        case GamepadButton::RightShoulder:
            return pick(QStringLiteral("RB"), QStringLiteral("R1"), QStringLiteral("R"));
        default:
            return {};
    }
}

QString PadName(ControlAction action, GamepadFamily family) {
    switch (action) {
        case ControlAction::Left:
            return translated(
                QT_TRANSLATE_NOOP("ControlNames", "křížový ovladač ← nebo levá páčka"));
        case ControlAction::Right:
            return translated(
                QT_TRANSLATE_NOOP("ControlNames", "křížový ovladač → nebo levá páčka"));
        case ControlAction::Up:
            return translated(
                QT_TRANSLATE_NOOP("ControlNames", "křížový ovladač ↑ nebo levá páčka"));
        case ControlAction::Down:
            return translated(
                QT_TRANSLATE_NOOP("ControlNames", "křížový ovladač ↓ nebo levá páčka"));
        case ControlAction::Draw:
            switch (family) {
                case GamepadFamily::PlayStation:
                    return translated(QT_TRANSLATE_NOOP("ControlNames", "R2 nebo R1"));
                case GamepadFamily::Nintendo:
                    return translated(QT_TRANSLATE_NOOP("ControlNames", "ZR nebo R"));
                case GamepadFamily::Generic:
                    break;
            }
            return translated(QT_TRANSLATE_NOOP("ControlNames", "RT nebo RB"));
        case ControlAction::Shoot:
            return PadButtonName(GamepadButton::South, family);
        case ControlAction::NextArrow:
            return PadButtonName(GamepadButton::East, family);
    }
    return {};
}

QString PadFullScreenName(GamepadFamily family) {
    switch (family) {
        case GamepadFamily::PlayStation:
            return QStringLiteral("Share");
        case GamepadFamily::Nintendo:
            return translated(QT_TRANSLATE_NOOP("ControlNames", "−"));
        case GamepadFamily::Generic:
            break;
    }
    return QStringLiteral("Back");
}

void ShowControlHints(QWidget& nextarrow, const ControlsInUse& controls) {
    const KeyBindings& bindings = controls.bindings;
    const GamepadFamily family = controls.family;
    const QString pad = PadName(ControlAction::NextArrow, family);
    nextarrow.setToolTip(
        controls.padInUse
            ? translated(QT_TRANSLATE_NOOP("ControlNames", "Další šíp: na ovladači %1")).arg(pad)
            : translated(QT_TRANSLATE_NOOP("ControlNames", "Další šíp: %1, na ovladači %2"))
                  .arg(KeysName(bindings.keys(ControlAction::NextArrow)), pad));
    SetHelpControlNames([bindings, family, padInUse = controls.padInUse](
                            std::string_view attribute,
                            std::string_view value) -> std::optional<std::string> {
        // The pad's buttons in the menus and windows.
        const std::pair<std::string_view, GamepadButton> buttons[] = {
            {"start", GamepadButton::Start},
            {"vybrat", ChooseButton(family)},
            {"zpet", BackButton(family)},
            {"predchoziStrana", GamepadButton::LeftShoulder},
            {"dalsiStrana", GamepadButton::RightShoulder},
        };
        for (const auto& [name, button] : buttons) {
            if (attribute == "data-ovladac" && value == name) {
                return PadButtonName(button, family).toStdString();
            }
        }
        if (attribute == "data-ovladac" && value == "select") {
            return PadFullScreenName(family).toStdString();
        }
        for (std::size_t a = 0; a < kControlActionCount; ++a) {
            const auto action = static_cast<ControlAction>(a);
            if (value != ControlKeyName(action)) continue;
            const bool keys = attribute == "data-ovladani" && !padInUse;
            return (keys ? KeysName(bindings.keys(action)) : PadName(action, family)).toStdString();
        }
        return std::nullopt;
    });
}

QString NextArrowPrompt(const ControlsInUse& controls) {
    if (controls.padInUse) {
        return translated(QT_TRANSLATE_NOOP("ControlNames", "tlačítko %1"))
            .arg(PadName(ControlAction::NextArrow, controls.family));
    }
    const ActionKeys& keys = controls.bindings.keys(ControlAction::NextArrow);
    return translated(QT_TRANSLATE_NOOP("ControlNames", "klávesa %1")).arg(KeyName(keys[0]));
}

QString WithNextArrowNamed(QString message, const ControlsInUse& controls) {
    if (!controls.padInUse) return message;
    const QString button = PadName(ControlAction::NextArrow, controls.family);
    return message.replace(QStringLiteral("'d'"), QLatin1Char('\'') + button + QLatin1Char('\''));
}
