#include "rules/results/RecordsText.h"

#include <array>

#include "rules/formats/GameText.h"

namespace {

// The total's label is spelled as the game has always spelled it.
constexpr const char* kTotal = QT_TRANSLATE_NOOP("GameText", "Ceklový výsledek (VEXA)");
constexpr std::array<const char*, 10> kLabels = {
    "90 m", "70 m", "50 m", "30 m", kTotal, "70 m", "60 m", "50 m", "30 m", kTotal,
};

// "<label> - <name> - <score>": a window translates the label, before the first " - ".
std::string recordLine(const RecordTable& records, std::size_t index) {
    return GameTextBytes(kLabels[index]) + " - " + records[index].Name + " - " +
           std::to_string(records[index].Score);
}

}  // namespace

std::vector<std::string> RecordsLines(const RecordTable& records) {
    std::vector<std::string> lines = {
        "          " + GameTextBytes(QT_TRANSLATE_NOOP("GameText", "Rekordy")), "",
        "     " + GameTextBytes(QT_TRANSLATE_NOOP("GameText", "Muzi")), ""};
    for (std::size_t i = 0; i < 5; ++i) lines.push_back(recordLine(records, i));
    lines.insert(lines.end(),
                 {"", "     " + GameTextBytes(QT_TRANSLATE_NOOP("GameText", "Ženy")), ""});
    for (std::size_t i = 5; i < 10; ++i) lines.push_back(recordLine(records, i));
    return lines;
}
