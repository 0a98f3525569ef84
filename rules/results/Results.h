#pragma once

#include <string>
#include <vector>

#include "rules/match/MatchState.h"
#include "rules/results/RecordsUpdate.h"
#include "rules/results/Rekordy.h"

class FileStore;

// The text view of the results window: cleared and filled line by line (cp1250, no line
// breaks inside a line). A congratulation appears over the lines appended so far.
class ResultsPage {
  public:
    virtual ~ResultsPage() = default;
    virtual void clear() = 0;
    virtual void appendLine(const std::string& line) = 0;
    virtual void congratulate(const std::string& text) = 0;
};

// The results view of the ranking made when the distance ended (RankCompetitors): the header
// and a line holding one blank, the records update with its congratulations, and one line per
// named competitor with consecutive rank numbers. Before any round nothing is listed.
void RebuildResults(const MatchState& state, RecordTable& records, FileStore& files,
                    ResultsPage& page);

// The records view: the records as "records.dat" holds them, or as they are in memory when the
// file cannot be read. The file is not written.
void ShowRecords(RecordTable& records, FileStore& files, ResultsPage& page);

// The shown lines as a plain-text file: cp1250, every line ended by CR LF, trailing blanks kept.
std::string ExportText(const std::vector<std::string>& lines);
