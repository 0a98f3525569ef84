#pragma once

#include <string>
#include <vector>

#include "platform/history/HistoryFile.h"
#include "platform/history/Sqlite.h"
#include "rules/history/History.h"

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

  private:
    bool failed(int resultCode);
    bool readBouts(std::vector<BoutRecord>& bouts);

    HistoryState state_;
    int64_t version_ = 0;
    SqliteConnection db_;
};
