#include "rules/results/RecordsUpdate.h"

#include <optional>
#include <string>

#include "rules/formats/GameText.h"
#include "rules/match/Rounds.h"

namespace {

std::optional<std::size_t> findPlayer(const MatchState& state) {
    for (std::size_t i = 0; i < state.RankedCompetitors.size(); ++i) {
        if (IsHumanArcher(state.RankedCompetitors[i])) return i;
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

std::size_t FirstRecordOf(Division division) {
    if (division == Division::Men) return 0;
    return FullRound(Division::Men).stages().size() + 1;
}

void UpdateRecords(const MatchState& state, RecordTable& records, FileStore& files,
                   const Congratulate& congratulate) {
    const std::optional<std::string> bytes = files.read(kRecordsFile, kRecordsFileSize);
    // A file that is there but cannot be read may hold the player's records: it is left as it
    // is, and so are the records, since no one knows them.
    if (!bytes && files.exists(kRecordsFile)) return;
    if (!bytes || DecodeRecords(*bytes, records) != FileResult::Done) ClearRecords(records);
    const std::optional<Round> round = MatchRound(state);
    const auto player = findPlayer(state);
    if (round && player) {
        const CompetitorRecord& who = state.RankedCompetitors[*player];
        const ScoreRecord& s = state.RankedScores[*player];
        // A division's distance records are shared by its rounds; the order is the full round's.
        const Round& full = FullRound(round->division);
        std::size_t index = FirstRecordOf(round->division);
        for (const DistanceStage& stage : full.stages()) {
            if (beat(records[index++], who, static_cast<uint32_t>(s.*stage.scoreField))) {
                congratulate(distanceCongratulation(stage.metres()));
            }
        }
        if (IsFullRound(*round) && state.Distance == 0 &&
            beat(records[index], who, round->total(s))) {
            congratulate(GameTextBytes(QT_TRANSLATE_NOOP("GameText", "Máte nejvyšší výsledek !")));
        }
    }
    WriteRecords(files, kRecordsFile, records);
}
