#include "session/SessionSettings.h"

SessionSettings::SessionSettings(FileStore& files, KeyTextFormat keyText)
    : file_(files),
      keyText_(std::move(keyText)),
      bindings_(KeyBindings::Read(file_.settings().controls, keyText_.read)) {}

bool SessionSettings::save(const PlayerSettings& changed, FailureTold failureTold) {
    if (file_.save(changed, keyText_.read)) return true;
    if (!told_ && failureTold == FailureTold::ByNotice && onNotSaved) onNotSaved();
    told_ = true;
    return false;
}

bool SessionSettings::saveKeyBindings(const KeyBindings& chosen) {
    PlayerSettings changed = settings();
    for (std::size_t a = 0; a < kControlActionCount; ++a) {
        changed.controls[a] = KeysText(chosen.keys(static_cast<ControlAction>(a)), keyText_.name);
    }
    bindings_ = KeyBindings::Read(changed.controls, keyText_.read);
    return save(changed);
}
