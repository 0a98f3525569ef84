#include "rules/results/RecordsText.h"

#include <array>

namespace {

// The labels of the ten records in table order; the total's label is spelled as the game
// has always spelled it.
constexpr std::array<const char*, 10> kLabels = {
    "90 m - ", "70 m - ", "50 m - ", "30 m - ", "Ceklov\xfd v\xfdsledek (VEXA) - ",
    "70 m - ", "60 m - ", "50 m - ", "30 m - ", "Ceklov\xfd v\xfdsledek (VEXA) - ",
};

constexpr const char* kWomenTitle =
    "     \x8e"
    "eny";  // "     Ženy"

std::string recordLine(const RecordTable& records, std::size_t index) {
    return kLabels[index] + records[index].Name + " - " + std::to_string(records[index].Score);
}

}  // namespace

std::vector<std::string> RecordsLines(const RecordTable& records) {
    std::vector<std::string> lines = {"          Rekordy", "", "     Muzi", ""};
    for (std::size_t i = 0; i < 5; ++i) lines.push_back(recordLine(records, i));
    lines.insert(lines.end(), {"", kWomenTitle, ""});
    for (std::size_t i = 5; i < 10; ++i) lines.push_back(recordLine(records, i));
    return lines;
}
