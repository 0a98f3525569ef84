#pragma once

#include <string>
#include <vector>

#include "platform/history/HistoryFile.h"
#include "platform/history/Sqlite.h"
#include "rules/history/History.h"
#include "rules/match/ResumePoint.h"

// An unfinished match as the history keeps it.
struct ResumableMatch {
    int64_t row = 0;
    std::string started;  // ISO 8601 with the local offset
    std::string point;    // the rules' bytes (ResumePoint.h)
    std::vector<ArcherTally> tallies;
};

// Reads "historie.db" for the statistics without ever writing to it. A missing file is an
// empty history.
class HistoryReader {
  public:
    explicit HistoryReader(const std::string& path);

    // Ready or Absent when the history can be read; otherwise what is wrong with the file.
    HistoryState state() const { return state_; }

    // Every match, the result rows of the human archers and their bouts. False (and state() says
    // why) when the file fails.
    bool readMatches(History& history);
    // The human archers, by name and club: every archer of a result row marked human or of an
    // arrow, each with the last match he shot in.
    bool readArchers(std::vector<KnownArcher>& archers);
    // The arrows of one archer, match by match, each match by distance, end and arrow (the
    // order of the index, which saves sorting); the sight path and the draw only
    // with `withAiming`, since most uses do not need them.
    bool readArrows(const ArcherKey& archer, bool withAiming, std::vector<ArrowRecord>& arrows);
    // The sight path and the draw of one arrow read without them, for its replay.
    bool readAiming(ArrowRecord& arrow);

    // The last match begun, when it is unfinished and kept what it needs to go on: its row,
    // start, stored point and what its arrows add up to per archer. False when there is none or
    // the file fails.
    bool readResumable(ResumableMatch& match);

  private:
    bool failed(int resultCode);
    void readAimingBlobs(SqliteStatement& query, int column, ArrowRecord& arrow) const;
    bool readBouts(std::vector<BoutRecord>& bouts);

    HistoryState state_;
    int64_t version_ = 0;
    SqliteConnection db_;
};
