#include "rules/formats/IniText.h"

#include <algorithm>

namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

IniText IniText::parse(std::string_view text) {
    IniText ini;
    std::string section;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);

        const std::string_view line = trimmed(raw);
        Line parsed{std::string(raw), section, {}};
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = std::string(trimmed(line.substr(1, line.size() - 2)));
            parsed.section = section;
        } else if (!line.empty() && line.front() != ';' && line.front() != '#') {
            const std::size_t equals = line.find('=');
            if (equals != std::string_view::npos && equals > 0) {
                parsed.key = std::string(trimmed(line.substr(0, equals)));
            }
        }
        ini.lines_.push_back(std::move(parsed));
    }
    return ini;
}

std::size_t IniText::find(std::string_view section, std::string_view key) const {
    const auto it = std::find_if(lines_.begin(), lines_.end(), [&](const Line& line) {
        return !line.key.empty() && line.section == section && line.key == key;
    });
    return static_cast<std::size_t>(it - lines_.begin());
}

std::optional<std::string> IniText::value(std::string_view section, std::string_view key) const {
    const std::size_t at = find(section, key);
    if (at == lines_.size()) return std::nullopt;
    const std::string_view raw = lines_[at].raw;
    return std::string(trimmed(raw.substr(raw.find('=') + 1)));
}

void IniText::set(std::string_view section, std::string_view key, std::string_view value) {
    std::string raw = std::string(key) + "=" + std::string(value);
    if (const std::size_t at = find(section, key); at < lines_.size()) {
        lines_[at].raw = std::move(raw);
        return;
    }
    // After the section's last key, so that blank lines ending the section stay after it.
    auto last = std::find_if(lines_.rbegin(), lines_.rend(), [&](const Line& line) {
        return line.section == section && (!line.key.empty() || trimmed(line.raw).starts_with('['));
    });
    if (last == lines_.rend()) {
        lines_.push_back({"[" + std::string(section) + "]", std::string(section), {}});
        lines_.push_back({std::move(raw), std::string(section), std::string(key)});
        return;
    }
    lines_.insert(last.base(), {std::move(raw), std::string(section), std::string(key)});
}

void IniText::remove(std::string_view section, std::string_view key) {
    std::erase_if(lines_, [&](const Line& line) {
        return !line.key.empty() && line.section == section && line.key == key;
    });
}

std::string IniText::text() const {
    std::string text;
    for (const Line& line : lines_) text += line.raw + "\n";
    return text;
}
