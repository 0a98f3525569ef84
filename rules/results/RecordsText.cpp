#include "rules/results/RecordsText.h"

#include "rules/formats/GameText.h"
#include "rules/match/Rounds.h"
#include "rules/results/RecordsUpdate.h"

namespace {

// The total's label is spelled as the game has always spelled it.
constexpr const char* kTotalLabel = QT_TRANSLATE_NOOP("GameText", "Ceklový výsledek (VEXA)");

// "<label> - <name> - <score>": a window translates the label, before the first " - ".
std::string recordLine(const std::string& label, const RecordEntry& record) {
    return label + " - " + record.Name + " - " + std::to_string(record.Score);
}

void addDivision(std::vector<std::string>& lines, const RecordTable& records, Division division) {
    lines.insert(lines.end(), {"", "     " + GameTextBytes(NamesOf(division).recordsHeading), ""});
    std::size_t index = FirstRecordOf(division);
    for (const DistanceStage& stage : FullRound(division).stages()) {
        lines.push_back(recordLine(std::to_string(stage.metres()) + " m", records[index++]));
    }
    lines.push_back(recordLine(GameTextBytes(kTotalLabel), records[index]));
}

}  // namespace

std::vector<std::string> RecordsLines(const RecordTable& records) {
    std::vector<std::string> lines = {"          " +
                                      GameTextBytes(QT_TRANSLATE_NOOP("GameText", "Rekordy"))};
    addDivision(lines, records, Division::Men);
    addDivision(lines, records, Division::Women);
    return lines;
}
