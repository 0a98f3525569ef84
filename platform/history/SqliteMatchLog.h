#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/history/DiskFlush.h"
#include "platform/history/HistoryFile.h"
#include "platform/history/LocalTime.h"
#include "platform/history/Sqlite.h"
#include "rules/bouts/BoutLog.h"
#include "rules/match/MatchLog.h"

// The match history in "historie.db". Arrows wait in memory until their end closes; then
// everything not yet stored goes in one transaction. What cannot be stored (another copy of
// the game holding the file too long, a read-only folder, a full disk) is kept and tried again
// with the next end and when the log closes. A file that is not the game's history, is damaged
// or comes from a later version is only looked at: the log then records nothing.
class SqliteMatchLog final : public MatchLog, public BoutLog {
  public:
    explicit SqliteMatchLog(std::string path, std::function<std::string()> clock = LocalTimeNow);
    ~SqliteMatchLog() override;

    HistoryState state() const { return state_; }
    const std::string& path() const { return path_; }
    // Told once, the first time the history cannot be stored although the file is usable.
    std::function<void()> onNotSaving;
    // Ends and results that wait to be stored.
    std::size_t pendingWrites() const { return pending_.size(); }
    // The history's id of the match or session finished last, once its finish is stored.
    std::optional<int64_t> finishedMatch() const { return finishedMatch_; }

    void matchStarted(const LoggedMatch& match) override;
    void arrowShot(LoggedArrow arrow) override;
    void endClosed(const std::string& resumePoint) override;
    void distanceEnded(int32_t distance, const std::vector<LoggedResult>& results,
                       const std::string& resumePoint) override;
    void resumePointMoved(const std::string& resumePoint) override;
    void matchFinished() override;
    void matchAbandoned() override;
    // The match of history row `row` goes on: what is told from now on belongs to it. Nothing
    // when the history is not being recorded.
    void matchResumed(int64_t row);

    void boutDecided(const LoggedBout& bout) override;
    void bracketPlaced(int32_t place) override;

  private:
    // Everything kept in memory refers to its match by a number of this log's own, since the
    // match's row may not be stored yet.
    struct MatchRow {
        int64_t match;
        LoggedMatch details;
        std::string started;
    };
    struct EndRows {
        int64_t match;
        std::vector<LoggedArrow> arrows;
        std::string resumePoint;
    };
    struct ResultRows {
        int64_t match;
        int32_t distance;
        std::vector<LoggedResult> results;
        std::string resumePoint;
    };
    struct PointRow {
        int64_t match;
        std::string resumePoint;
    };
    struct FinishRow {
        int64_t match;
        std::string finished;
    };
    struct BoutRow {
        int64_t match;
        int32_t boutNo;
        LoggedBout bout;
    };
    struct PlaceRow {
        int64_t match;
        int32_t place;
    };
    using PendingWrite =
        std::variant<MatchRow, EndRows, ResultRows, PointRow, FinishRow, BoutRow, PlaceRow>;

    void open();
    bool recording() const { return state_ == HistoryState::Ready; }
    void keep(PendingWrite write);
    void store();
    int write(const PendingWrite& write, std::map<int64_t, int64_t>& newRows);
    // Replaces the match's point to go on from; an empty one keeps what is there.
    int writePoint(int64_t row, const std::string& resumePoint);
    int writeBout(const BoutRow& row, int64_t match);
    void failed(int resultCode);
    void checkpoint();

    std::string path_;
    std::function<std::string()> clock_;
    HistoryState state_ = HistoryState::Unusable;
    SqliteConnection db_;
    SqliteStatement insertMatch_, insertArrow_, insertResult_, finishMatch_, keepPoint_, dropPoint_,
        insertBout_, placeMatch_;

    int64_t currentMatch_ = 0;  // 0: none under way
    int64_t matchesStarted_ = 0;
    int32_t boutsDecided_ = 0;  // of the match under way
    std::vector<LoggedArrow> endArrows_;
    std::vector<PendingWrite> pending_;
    std::map<int64_t, int64_t> rowOfMatch_;
    bool toldNotSaving_ = false;
    std::optional<int64_t> finishedMatch_;
    // Started with the first stored end; done with its last flush before the file closes.
    std::optional<DiskFlush> walFlush_;
};
