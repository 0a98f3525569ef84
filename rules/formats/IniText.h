#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An INI file as UTF-8 text: "[section]" headers and "key=value" lines. Everything the game
// does not understand (comments, blank lines, unknown sections and keys, odd lines) is kept as
// it stood, so that a file shared with a later version loses nothing when this one saves it.
class IniText {
  public:
    static IniText parse(std::string_view text);

    // The value of the first `key` in `section`, white space around it trimmed.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // Replaces the key's value in place, or adds the key at the end of its section (the section
    // at the end of the file when it is new).
    void set(std::string_view section, std::string_view key, std::string_view value);
    void remove(std::string_view section, std::string_view key);

    // The text with LF line ends.
    std::string text() const;

  private:
    struct Line {
        std::string raw;
        std::string section;  // the section the line belongs to ("" before the first header)
        std::string key;      // empty unless the line is "key=value"
    };
    // Index of the key's line, or lines_.size().
    std::size_t find(std::string_view section, std::string_view key) const;
    std::vector<Line> lines_;
};
