#include "platform/history/SqliteMatchLog.h"

#include <cstdio>
#include <utility>

#include "rules/formats/Utf8.h"
#include "rules/history/PathBlob.h"
#include "rules/history/RoundNames.h"

namespace {

// Long enough for another copy of the game to finish its end, short enough not to be noticed.
constexpr int kBusyTimeoutMs = 250;

// [[27,25,2,0],[28,28,1,1]]: each set's totals and the set points it gave, the player's first.
std::string SetsJson(const std::vector<LoggedBout::Set>& sets) {
    std::string json = "[";
    for (const LoggedBout::Set& set : sets) {
        if (json.size() > 1) json += ",";
        json += "[" + std::to_string(set.totals.first) + "," + std::to_string(set.totals.second) +
                "," + std::to_string(set.points.first) + "," + std::to_string(set.points.second) +
                "]";
    }
    return json + "]";
}

std::string DistanceJson(double pixels) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", pixels);
    return text;
}

// [[10,3.61,9,1.41]]: the player's score and distance, then the opponent's.
std::string ShootOffJson(const LoggedBout& bout) {
    std::string json = "[";
    for (const auto& [own, other] : bout.shootOff) {
        if (json.size() > 1) json += ",";
        json += "[" + std::to_string(own.score) + "," + DistanceJson(own.distance) + "," +
                std::to_string(other.score) + "," + DistanceJson(other.distance) + "]";
    }
    return json + "]";
}

}  // namespace

SqliteMatchLog::SqliteMatchLog(std::string path, std::function<std::string()> clock)
    : path_(std::move(path)), clock_(std::move(clock)) {
    open();
}

SqliteMatchLog::~SqliteMatchLog() {
    // What earlier ends could not store gets its last chance; an end half shot is not kept.
    store();
}

void SqliteMatchLog::open() {
    state_ = CheckHistoryFile(path_, true);
    if (state_ != HistoryState::Ready && state_ != HistoryState::Absent) return;
    state_ = HistoryState::Unusable;
    if (db_.open(path_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) != SQLITE_OK) return;
    sqlite3_busy_timeout(db_.get(), kBusyTimeoutMs);
    // A killed game loses at most what it had not committed; the file itself stays whole.
    db_.exec("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL;");
    // Copying the log into the file, and starting the log afresh after that, waits for the
    // disk; that is done between matches, never on closing an end.
    db_.exec("PRAGMA wal_autocheckpoint = 0;");
    if (MigrateHistory(db_) != SQLITE_OK) return;
    insertMatch_ = SqliteStatement(
        db_.get(),
        "INSERT INTO matches(started, round_type, round_name, division, difficulty, sight, "
        "competitors, demo, practice, matchplay) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)");
    insertArrow_ = SqliteStatement(
        db_.get(),
        "INSERT INTO arrows(match_id, archer, club, distance, end_no, arrow_no, score, x, y, "
        "factor, ticks, path, draw, wind_speed, wind_from) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, "
        "?9, ?10, ?11, ?12, ?13, ?14, ?15)");
    insertResult_ = SqliteStatement(
        db_.get(),
        "INSERT INTO results(match_id, archer, club, human, distance, score, hits, tens, nines, "
        "rank) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)");
    finishMatch_ = SqliteStatement(db_.get(), "UPDATE matches SET finished = ?2 WHERE id = ?1");
    keepPoint_ = SqliteStatement(
        db_.get(), "INSERT OR REPLACE INTO resume_points(match_id, point) VALUES (?1, ?2)");
    dropPoint_ = SqliteStatement(db_.get(), "DELETE FROM resume_points WHERE match_id = ?1");
    insertBout_ = SqliteStatement(
        db_.get(),
        "INSERT INTO bouts(match_id, bout_no, round, archer, club, opponent, opponent_club, "
        "handicap, opponent_handicap, sets, set_points, opponent_set_points, shoot_off, won, "
        "first_end, last_end) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, "
        "?14, ?15, ?16)");
    placeMatch_ = SqliteStatement(db_.get(), "UPDATE matches SET place = ?2 WHERE id = ?1");
    if (insertMatch_.ok() && insertArrow_.ok() && insertResult_.ok() && finishMatch_.ok() &&
        keepPoint_.ok() && dropPoint_.ok() && insertBout_.ok() && placeMatch_.ok()) {
        state_ = HistoryState::Ready;
    }
}

void SqliteMatchLog::matchStarted(const LoggedMatch& match) {
    if (state_ == HistoryState::Unusable) failed(SQLITE_CANTOPEN);
    if (!recording()) return;
    endArrows_.clear();
    boutsDecided_ = 0;
    currentMatch_ = ++matchesStarted_;
    keep(MatchRow{currentMatch_, match, clock_()});
    store();
}

void SqliteMatchLog::arrowShot(LoggedArrow arrow) {
    if (!recording() || currentMatch_ == 0) return;
    endArrows_.push_back(std::move(arrow));
}

void SqliteMatchLog::endClosed(const std::string& resumePoint) {
    if (!recording() || currentMatch_ == 0 || endArrows_.empty()) return;
    keep(EndRows{currentMatch_, std::exchange(endArrows_, {}), resumePoint});
    store();
}

void SqliteMatchLog::distanceEnded(int32_t distance, const std::vector<LoggedResult>& results,
                                   const std::string& resumePoint) {
    if (!recording() || currentMatch_ == 0) return;
    keep(ResultRows{currentMatch_, distance, results, resumePoint});
    store();
}

void SqliteMatchLog::resumePointMoved(const std::string& resumePoint) {
    if (!recording() || currentMatch_ == 0 || resumePoint.empty()) return;
    keep(PointRow{currentMatch_, resumePoint});
    store();
}

void SqliteMatchLog::matchResumed(int64_t row) {
    if (!recording()) return;
    endArrows_.clear();
    currentMatch_ = ++matchesStarted_;
    rowOfMatch_[currentMatch_] = row;
}

void SqliteMatchLog::matchFinished() {
    finishedMatch_.reset();
    if (!recording() || currentMatch_ == 0) return;
    const int64_t match = std::exchange(currentMatch_, 0);
    keep(FinishRow{match, clock_()});
    store();
    if (pending_.empty()) finishedMatch_ = rowOfMatch_.at(match);
    checkpoint();
}

void SqliteMatchLog::matchAbandoned() {
    // Its row stays without a finish; an end half shot is not kept.
    endArrows_.clear();
    currentMatch_ = 0;
    checkpoint();
}

void SqliteMatchLog::boutDecided(const LoggedBout& bout) {
    if (!recording() || currentMatch_ == 0) return;
    keep(BoutRow{currentMatch_, ++boutsDecided_, bout});
    store();
}

void SqliteMatchLog::bracketPlaced(int32_t place) {
    if (!recording() || currentMatch_ == 0) return;
    keep(PlaceRow{currentMatch_, place});
    store();
}

void SqliteMatchLog::checkpoint() {
    if (recording()) {
        sqlite3_wal_checkpoint_v2(db_.get(), nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
    }
}

void SqliteMatchLog::keep(PendingWrite write) {
    pending_.push_back(std::move(write));
}

void SqliteMatchLog::store() {
    if (!recording() || pending_.empty()) return;
    int rc = db_.exec("BEGIN IMMEDIATE");
    if (rc != SQLITE_OK) return failed(rc);
    std::map<int64_t, int64_t> newRows;
    for (const PendingWrite& w : pending_) {
        rc = write(w, newRows);
        if (rc != SQLITE_OK) break;
    }
    if (rc == SQLITE_OK) rc = db_.exec("COMMIT");
    if (rc != SQLITE_OK) {
        db_.exec("ROLLBACK");
        return failed(rc);
    }
    rowOfMatch_.merge(newRows);
    pending_.clear();
    // The log itself is synced only when it is copied into the file, between matches; until
    // then a power cut could take back the ends the player saw closed, and the point their match
    // goes on from. Waiting for the disk here would hold up the game, so the flush runs beside it.
    if (!walFlush_) walFlush_.emplace(path_ + "-wal");
    walFlush_->ask();
}

int SqliteMatchLog::write(const PendingWrite& pending, std::map<int64_t, int64_t>& newRows) {
    auto finish = [](SqliteStatement& s) {
        const int rc = s.step();
        s.reset();
        return rc == SQLITE_DONE ? SQLITE_OK : rc;
    };
    auto rowOf = [&](int64_t match) -> int64_t {
        auto stored = rowOfMatch_.find(match);
        if (stored != rowOfMatch_.end()) return stored->second;
        auto fresh = newRows.find(match);
        return fresh != newRows.end() ? fresh->second : 0;
    };

    if (const auto* m = std::get_if<MatchRow>(&pending)) {
        SqliteStatement& s = insertMatch_;
        s.bind(1, m->started);
        s.bind(2, int64_t{m->details.roundType});
        if (m->details.practice || m->details.matchplay) {
            s.bind(3, m->details.matchplay ? MatchplayRoundName(m->details.practiceDistance)
                                           : PracticeRoundName(m->details.practiceDistance));
            s.bindNull(4);
        } else {
            s.bind(3, RoundName(m->details.roundType));
            s.bind(4, DivisionName(m->details.roundType));
        }
        s.bind(5, int64_t{m->details.difficulty});
        s.bind(6, int64_t{m->details.sight});
        s.bind(7, int64_t{m->details.competitors});
        s.bind(8, int64_t{m->details.demo});
        s.bind(9, int64_t{m->details.practice});
        s.bind(10, int64_t{m->details.matchplay});
        const int rc = finish(s);
        if (rc == SQLITE_OK) newRows[m->match] = sqlite3_last_insert_rowid(db_.get());
        return rc;
    }
    if (const auto* e = std::get_if<EndRows>(&pending)) {
        const int64_t row = rowOf(e->match);
        for (const LoggedArrow& a : e->arrows) {
            SqliteStatement& s = insertArrow_;
            s.bind(1, row);
            s.bind(2, ToUtf8(a.archer));
            s.bind(3, ToUtf8(a.club));
            s.bind(4, int64_t{a.distance});
            s.bind(5, int64_t{a.endNo});
            s.bind(6, int64_t{a.arrowNo});
            s.bind(7, int64_t{a.score});
            s.bind(10, int64_t{a.factor});
            s.bind(11, int64_t{a.ticks});
            s.bind(14, int64_t{a.wind.tenths});
            s.bind(15, int64_t{a.wind.fromDegrees});
            if (a.shot) {
                s.bind(8, int64_t{a.hit.x});
                s.bind(9, int64_t{a.hit.y});
                s.bindBlob(12, EncodePath(a.path));
                s.bindBlob(13, EncodeDraw(a.draw));
            } else {
                // Lost to the end clock: no hit and no aim to keep.
                for (int column : {8, 9, 12, 13}) s.bindNull(column);
            }
            if (const int rc = finish(s); rc != SQLITE_OK) return rc;
        }
        return writePoint(row, e->resumePoint);
    }
    if (const auto* p = std::get_if<PointRow>(&pending))
        return writePoint(rowOf(p->match), p->resumePoint);
    if (const auto* r = std::get_if<ResultRows>(&pending)) {
        const int64_t row = rowOf(r->match);
        for (const LoggedResult& result : r->results) {
            SqliteStatement& s = insertResult_;
            s.bind(1, row);
            s.bind(2, ToUtf8(result.archer));
            s.bind(3, ToUtf8(result.club));
            s.bind(4, int64_t{result.human});
            s.bind(5, int64_t{r->distance});
            s.bind(6, int64_t{result.score});
            s.bind(7, int64_t{result.hits});
            s.bind(8, int64_t{result.tens});
            s.bind(9, int64_t{result.nines});
            s.bind(10, int64_t{result.rank});
            if (const int rc = finish(s); rc != SQLITE_OK) return rc;
        }
        return writePoint(row, r->resumePoint);
    }
    if (const auto* b = std::get_if<BoutRow>(&pending)) return writeBout(*b, rowOf(b->match));
    if (const auto* p = std::get_if<PlaceRow>(&pending)) {
        placeMatch_.bind(1, rowOf(p->match));
        placeMatch_.bind(2, int64_t{p->place});
        return finish(placeMatch_);
    }
    const auto& f = std::get<FinishRow>(pending);
    const int64_t row = rowOf(f.match);
    finishMatch_.bind(1, row);
    finishMatch_.bind(2, f.finished);
    if (const int rc = finish(finishMatch_); rc != SQLITE_OK) return rc;
    // A finished match has nothing to go on from.
    dropPoint_.bind(1, row);
    return finish(dropPoint_);
}

int SqliteMatchLog::writePoint(int64_t row, const std::string& resumePoint) {
    if (resumePoint.empty()) return SQLITE_OK;
    keepPoint_.bind(1, row);
    keepPoint_.bindBlob(2, resumePoint);
    const int rc = keepPoint_.step();
    keepPoint_.reset();
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

int SqliteMatchLog::writeBout(const BoutRow& row, int64_t match) {
    const LoggedBout& b = row.bout;
    SqliteStatement& s = insertBout_;
    s.bind(1, match);
    s.bind(2, int64_t{row.boutNo});
    s.bind(3, std::string_view(b.round));
    s.bind(4, ToUtf8(b.archer));
    s.bind(5, ToUtf8(b.club));
    s.bind(6, ToUtf8(b.opponent));
    s.bind(7, ToUtf8(b.opponentClub));
    if (b.handicap) {
        s.bind(8, int64_t{*b.handicap});
    } else {
        s.bindNull(8);
    }
    s.bind(9, int64_t{b.opponentHandicap});
    s.bind(10, SetsJson(b.sets));
    s.bind(11, int64_t{b.setPoints.first});
    s.bind(12, int64_t{b.setPoints.second});
    s.bind(13, ShootOffJson(b));
    s.bind(14, int64_t{b.won});
    s.bind(15, int64_t{b.firstEnd});
    s.bind(16, int64_t{b.lastEnd});
    const int rc = s.step();
    s.reset();
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

void SqliteMatchLog::failed(int resultCode) {
    // Another copy of the game is busy with the file: the next end tries again, quietly.
    if (resultCode == SQLITE_BUSY || resultCode == SQLITE_LOCKED) return;
    if (toldNotSaving_) return;
    toldNotSaving_ = true;
    if (onNotSaving) onNotSaving();
}
