#include "tools/vexagen/CompetitorList.h"

#include <QString>
#include <QStringDecoder>
#include <charconv>
#include <set>
#include <vector>

#include "rules/formats/Cp1250.h"
#include "tools/vexagen/Output.h"

namespace {

std::u16string_view trimmed(std::u16string_view text) {
    while (!text.empty() && (text.front() == u' ' || text.front() == u'\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == u' ' || text.back() == u'\t' || text.back() == u'\r')) {
        text.remove_suffix(1);
    }
    return text;
}

std::vector<std::u16string_view> split(std::u16string_view text, char16_t separator) {
    std::vector<std::u16string_view> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::u16string_view::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

class LineParser {
  public:
    LineParser(const std::string& source, int line) : where_(source + ":" + std::to_string(line)) {}

    [[noreturn]] void fail(const std::string& why) const {
        throw GenerateError(where_ + ": " + why);
    }

    std::string text(std::u16string_view field, std::size_t maxLength, const char* what) const {
        auto bytes = encodeCp1250(field);
        if (!bytes) fail(std::string(what) + " holds a character that cp1250 lacks");
        if (bytes->size() > maxLength) {
            fail(std::string(what) + " is longer than " + std::to_string(maxLength) +
                 " characters");
        }
        return *bytes;
    }

    int32_t performance(std::u16string_view field) const {
        std::string digits;
        for (char16_t ch : field) {
            if (ch > 0x7f) fail("performance value is not a whole number");
            digits += static_cast<char>(ch);
        }
        int32_t value = 0;
        const char* end = digits.data() + digits.size();
        auto [ptr, error] = std::from_chars(digits.data(), end, value);
        if (digits.empty() || error != std::errc{} || ptr != end) {
            fail("performance value '" + digits + "' is not a whole number");
        }
        if (value < kMinPerformance || value > kMaxPerformance) {
            fail("performance value " + digits + " lies outside " +
                 std::to_string(kMinPerformance) + ".." + std::to_string(kMaxPerformance));
        }
        return value;
    }

  private:
    std::string where_;
};

}  // namespace

CompetitorTable parseCompetitorList(std::string_view utf8, const std::string& sourceName) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString decoded =
        decoder(QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size())));
    if (decoder.hasError()) throw GenerateError(sourceName + ": not valid UTF-8");
    const std::u16string text = decoded.toStdU16String();

    CompetitorTable table;
    std::set<std::string> names;
    std::size_t used = 0;
    int lineNumber = 0;
    for (std::u16string_view rawLine : split(text, u'\n')) {
        ++lineNumber;
        const std::u16string_view line = trimmed(rawLine);
        if (line.empty() || line.front() == u'#') continue;

        const LineParser parse(sourceName, lineNumber);
        const auto fields = split(line, u';');
        if (fields.size() != 6) parse.fail("expected name;club;four performance values");
        if (used == table.size()) parse.fail("more competitors than the table's slots");

        CompetitorRecord& record = table[used];
        record.Name = parse.text(trimmed(fields[0]), kNameLength, "name");
        if (record.Name.empty()) parse.fail("empty name");
        if (!names.insert(record.Name).second) parse.fail("name listed twice");
        record.Club = parse.text(trimmed(fields[1]), kClubLength, "club");
        for (std::size_t i = 0; i < record.Performance.size(); ++i) {
            record.Performance[i] = parse.performance(trimmed(fields[2 + i]));
        }
        ++used;
    }
    return table;
}
