#include "rules/results/Results.h"

#include "rules/match/Ranking.h"
#include "rules/results/Listing.h"
#include "rules/results/RecordsText.h"

void RebuildResults(const MatchState& state, RecordTable& records, FileStore& files,
                    ResultsPage& page) {
    page.clear();
    const std::optional<Round> round = MatchRound(state);
    if (round) {
        page.appendLine(ListingHeader(*round));
        page.appendLine(" ");
    }
    UpdateRecords(state, records, files,
                  [&page](const std::string& text) { page.congratulate(text); });
    if (!round) return;
    int32_t rank = 1;
    for (std::size_t i = 0; i < state.RankedCompetitors.size(); ++i) {
        if (state.RankedCompetitors[i].isFree()) continue;
        page.appendLine(
            ListingLine(rank++, state.RankedCompetitors[i], state.RankedScores[i], *round));
    }
}

void ShowRecords(RecordTable& records, FileStore& files, ResultsPage& page) {
    page.clear();
    ReadRecords(files, kRecordsFile, records);
    for (const std::string& line : RecordsLines(records)) page.appendLine(line);
}

std::string ExportText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}
