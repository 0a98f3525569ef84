#include "windows/ControlNames.h"

#include <QKeySequence>
#include <QStringList>

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

KeyBindings ReadKeyBindings(const PlayerSettings& settings) {
    return KeyBindings::Read(settings.controls, ReadKeysText);
}

QString ActionName(ControlAction action) {
    switch (action) {
        case ControlAction::Left:
            return QStringLiteral("vlevo");
        case ControlAction::Right:
            return QStringLiteral("vpravo");
        case ControlAction::Up:
            return QStringLiteral("nahoru");
        case ControlAction::Down:
            return QStringLiteral("dolů");
        case ControlAction::Draw:
            return QStringLiteral("natáhnout luk");
        case ControlAction::Shoot:
            return QStringLiteral("vystřelit");
        case ControlAction::NextArrow:
            return QStringLiteral("další šíp");
    }
    return {};
}

QString KeyName(KeyCode key) {
    switch (key) {
        case Qt::Key_Left:
            return QStringLiteral("←");
        case Qt::Key_Right:
            return QStringLiteral("→");
        case Qt::Key_Up:
            return QStringLiteral("↑");
        case Qt::Key_Down:
            return QStringLiteral("↓");
        default:
            return QKeySequence(key).toString(QKeySequence::NativeText);
    }
}

QString KeysName(const ActionKeys& keys) {
    QStringList names;
    for (KeyCode key : keys) {
        if (key != kNoKey) names << KeyName(key);
    }
    return names.join(QStringLiteral(" nebo "));
}

QString PadName(ControlAction action, GamepadFamily family) {
    const bool ps = family == GamepadFamily::PlayStation;
    const bool nintendo = family == GamepadFamily::Nintendo;
    switch (action) {
        case ControlAction::Left:
            return QStringLiteral("křížový ovladač ← nebo levá páčka");
        case ControlAction::Right:
            return QStringLiteral("křížový ovladač → nebo levá páčka");
        case ControlAction::Up:
            return QStringLiteral("křížový ovladač ↑ nebo levá páčka");
        case ControlAction::Down:
            return QStringLiteral("křížový ovladač ↓ nebo levá páčka");
        case ControlAction::Draw:
            return ps         ? QStringLiteral("R2 nebo R1")
                   : nintendo ? QStringLiteral("ZR nebo R")
                              : QStringLiteral("RT nebo RB");
        case ControlAction::Shoot:
            return ps ? QStringLiteral("×") : nintendo ? QStringLiteral("B") : QStringLiteral("A");
        case ControlAction::NextArrow:
            return ps ? QStringLiteral("○") : nintendo ? QStringLiteral("A") : QStringLiteral("B");
    }
    return {};
}

QString PadMenuName(GamepadFamily family) {
    switch (family) {
        case GamepadFamily::PlayStation:
            return QStringLiteral("Options");
        case GamepadFamily::Nintendo:
            return QStringLiteral("+");
        case GamepadFamily::Generic:
            break;
    }
    return QStringLiteral("Start");
}
