#include "rules/settings/SettingsFile.h"

#include <optional>

namespace {

bool isUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2) return false;
        }
        if (lead == 0) return false;  // a NUL byte: not a text file
        i += length;
    }
    return true;
}

}  // namespace

SettingsFile::SettingsFile(FileStore& files, std::string path)
    : files_(files), path_(std::move(path)) {
    const std::optional<std::string> bytes = files_.read(path_, kReadLimit + 1);
    if (!bytes) return;
    if (bytes->size() > kReadLimit || !isUtf8(*bytes)) {
        unreadable_ = true;
        noticePending_ = true;
        return;
    }
    ini_ = IniText::parse(*bytes);
    settings_ = ReadPlayerSettings(ini_);
}

bool SettingsFile::takeUnreadableNotice() {
    const bool pending = noticePending_;
    noticePending_ = false;
    return pending;
}

bool SettingsFile::save(const PlayerSettings& changed, const KeyTextReader& readKeys) {
    settings_ = changed;
    if (unreadable_) return false;
    IniText updated = ini_;
    WritePlayerSettings(changed, updated, readKeys);
    // Nothing to change: the file stays as the player left it.
    if (updated.text() == ini_.text()) return true;
    if (!files_.write(path_, updated.text())) return false;
    ini_ = std::move(updated);
    return true;
}
