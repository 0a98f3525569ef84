#pragma once

#include <functional>
#include <string>

#include "rules/formats/FileStore.h"
#include "rules/settings/KeyBindings.h"
#include "rules/settings/SettingsFile.h"

// How the keys' names are read and written in "nastaveni.ini": the toolkit's own text for keys,
// which only the windows know.
struct KeyTextFormat {
    KeyTextReader read;
    std::function<std::string(KeyCode)> name;
};

// The player's settings and the keys they bind, as the whole game uses them. Every change is
// written at once; a write that fails is told once a run, the first time it happens.
class SessionSettings {
  public:
    SessionSettings(FileStore& files, KeyTextFormat keyText);

    const PlayerSettings& settings() const { return file_.settings(); }
    const KeyBindings& keyBindings() const { return bindings_; }

    // Who tells the player when a write fails: the session's notice, or a message of the
    // caller's own (which counts as the one notice of the run).
    enum class FailureTold { ByNotice, ByCaller };
    // Keeps `changed` and writes it. False when it could not be written; `onNotSaved` is then
    // called, the first time only.
    bool save(const PlayerSettings& changed, FailureTold failureTold = FailureTold::ByNotice);
    // Keeps the keys the player bound; an action whose keys did not change keeps its text as the
    // player wrote it.
    bool saveKeyBindings(const KeyBindings& chosen);
    // True once when "nastaveni.ini" was there but could not be read.
    bool takeUnreadableNotice() { return file_.takeUnreadableNotice(); }

    std::function<void()> onNotSaved;

  private:
    SettingsFile file_;
    KeyTextFormat keyText_;
    KeyBindings bindings_;
    bool told_ = false;
};
