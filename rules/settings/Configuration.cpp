#include "rules/settings/Configuration.h"

#include <optional>

#include "rules/match/MatchState.h"

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Reads words and integers one after another. After the first failed read (end of the text,
// or no integer where one is expected) every later read fails too.
class TokenReader {
  public:
    explicit TokenReader(std::string_view text) : text_(text) {}

    std::optional<std::string_view> word() {
        if (!skipBlanks()) return std::nullopt;
        std::size_t start = pos_;
        while (pos_ < text_.size() && !isBlank(text_[pos_])) ++pos_;
        return text_.substr(start, pos_ - start);
    }

    // A signed decimal 32-bit integer; it ends at the first character that cannot continue it.
    std::optional<int32_t> integer() {
        if (!skipBlanks()) return std::nullopt;
        bool negative = false;
        if (text_[pos_] == '+' || text_[pos_] == '-') negative = text_[pos_++] == '-';
        int64_t value = 0;
        std::size_t digits = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            value = value * 10 + (text_[pos_++] - '0');
            if (value > int64_t{INT32_MAX} + 1) return fail();
            ++digits;
        }
        if (digits == 0) return fail();
        value = negative ? -value : value;
        if (value > INT32_MAX) return fail();
        return static_cast<int32_t>(value);
    }

    bool expect(std::string_view expected) { return word() == expected; }

  private:
    bool skipBlanks() {
        if (failed_) return false;
        while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
        if (pos_ == text_.size()) failed_ = true;
        return !failed_;
    }
    std::nullopt_t fail() {
        failed_ = true;
        return std::nullopt;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

bool isKnownDifficulty(int32_t d) {
    return d >= kDifficultyAmateur && d <= kDifficultyBeginner;
}

}  // namespace

Configuration ReadConfiguration(std::string_view bytes) {
    Configuration config;
    TokenReader in(bytes);
    if (!in.expect("[Window]") || !in.expect("Left=")) return config;
    if (auto left = in.integer()) config.StoredLeft = *left;
    if (!in.expect("Top=")) return config;
    if (auto top = in.integer()) config.StoredTop = *top;
    if (!in.expect("[Game]") || !in.expect("Difficult=")) return config;
    // A level the game does not know would leave the sight without a sway; take the default.
    if (auto difficulty = in.integer(); difficulty && isKnownDifficulty(*difficulty)) {
        config.Difficulty = *difficulty;
    }
    return config;
}

std::string WriteConfiguration(int32_t left, int32_t top, int32_t difficulty) {
    return "[Window]\r\nLeft= " + std::to_string(left) + "\r\nTop= " + std::to_string(top) +
           "\r\n\r\n[Game]\r\nDifficult= " + std::to_string(difficulty) + "\r\n";
}
