#include "rules/results/RecordsUpdate.h"

#include <array>
#include <optional>

#include "rules/formats/GameText.h"
#include "rules/match/Rounds.h"

namespace {

std::optional<std::size_t> findPlayer(const MatchState& state) {
    for (std::size_t i = 0; i < state.RankedCompetitors.size(); ++i) {
        const CompetitorRecord& c = state.RankedCompetitors[i];
        if (!c.isFree() && !c.IsComputer) return i;
    }
    return std::nullopt;
}

// Takes the record when the score beats it strictly.
bool beat(RecordEntry& record, const CompetitorRecord& player, uint32_t score) {
    if (score <= record.Score) return false;
    record.Name = player.Name.substr(0, kNameLength);
    record.Score = score;
    return true;
}

std::string distanceCongratulation(int32_t metres) {
    return GameTextBytes(QT_TRANSLATE_NOOP("GameText", "Máte nejvyšší výsledek na %1 metrů !"),
                         {static_cast<std::size_t>(metres)});
}

}  // namespace

void UpdateRecords(const MatchState& state, RecordTable& records, FileStore& files,
                   const Congratulate& congratulate) {
    if (ReadRecords(files, kRecordsFile, records) != 0) ClearRecords(records);
    const RoundRules* round = findRound(state.RoundType);
    const auto player = findPlayer(state);
    if (round && player) {
        const CompetitorRecord& who = state.RankedCompetitors[*player];
        const ScoreRecord& s = state.RankedScores[*player];
        auto u = [](int32_t v) { return static_cast<uint32_t>(v); };
        const std::size_t first = round->men ? kMenRecords : kWomenRecords;
        const std::array<int32_t, 4> metres =
            round->men ? std::array{90, 70, 50, 30} : std::array{70, 60, 50, 30};
        const std::array<uint32_t, 4> scores =
            round->men ? std::array{u(s.Score90), u(s.Score70), u(s.Score50), u(s.Score30)}
                       : std::array{u(s.Score70), u(s.Score60), u(s.Score50), u(s.Score30)};
        for (std::size_t i = 0; i < metres.size(); ++i) {
            if (beat(records[first + i], who, scores[i])) {
                congratulate(distanceCongratulation(metres[i]));
            }
        }
        if (round->full && state.Distance == 0 &&
            beat(records[first + 4], who, RoundTotal(s, state.RoundType))) {
            congratulate(GameTextBytes(QT_TRANSLATE_NOOP("GameText", "Máte nejvyšší výsledek !")));
        }
    }
    WriteRecords(files, kRecordsFile, records);
}
