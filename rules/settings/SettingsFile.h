#pragma once

#include <string>

#include "rules/formats/FileStore.h"
#include "rules/formats/IniText.h"
#include "rules/settings/PlayerSettings.h"

// "nastaveni.ini" in the game folder. A missing file gives the defaults and is made by the first
// save. A file that cannot be used (not UTF-8 text, or larger than any settings file) gives the
// defaults too, and is never written over while the game runs: the player may want it back.
class SettingsFile {
  public:
    static constexpr const char* kFileName = "nastaveni.ini";
    static constexpr std::size_t kReadLimit = 64 * 1024;

    explicit SettingsFile(FileStore& files, std::string path = kFileName);

    const PlayerSettings& settings() const { return settings_; }
    // True once when the file was there but could not be used; the game says so to the player.
    bool takeUnreadableNotice();

    // Keeps `changed` as the settings in use and writes what changed into the file (unknown lines
    // kept; a file with nothing to change is not written), reading keys with `readKeys`. False when
    // the file was not written: it could not be used when read, or the store refused the write.
    bool save(const PlayerSettings& changed, const KeyTextReader& readKeys);

  private:
    FileStore& files_;
    std::string path_;
    IniText ini_;
    PlayerSettings settings_;
    bool unreadable_ = false;
    bool noticePending_ = false;
};
