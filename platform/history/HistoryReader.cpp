#include "platform/history/HistoryReader.h"

#include "rules/history/PathBlob.h"

HistoryReader::HistoryReader(const std::string& path) : state_(CheckHistoryFile(path, false)) {
    if (state_ != HistoryState::Ready) return;
    if (const int rc = db_.open(path, SQLITE_OPEN_READONLY); rc != SQLITE_OK) {
        failed(rc);
        return;
    }
    // The game may be writing an end at this very moment.
    sqlite3_busy_timeout(db_.get(), 1000);
    // An empty file is a history not yet begun.
    int64_t version = 0;
    int rc = SQLITE_OK;
    if (db_.queryInteger("PRAGMA user_version", version, &rc) && version == 0) {
        state_ = HistoryState::Absent;
    } else if (rc == SQLITE_OK) {
        version_ = version;
    } else if (rc != SQLITE_OK) {
        failed(rc);
    }
}

bool HistoryReader::failed(int resultCode) {
    switch (resultCode) {
        case SQLITE_NOTADB:
            state_ = HistoryState::NotADatabase;
            break;
        case SQLITE_CORRUPT:
            state_ = HistoryState::Damaged;
            break;
        default:
            state_ = HistoryState::Unusable;
            break;
    }
    return false;
}

bool HistoryReader::readMatches(History& history) {
    if (state_ == HistoryState::Absent) return true;
    if (state_ != HistoryState::Ready) return false;
    // A file the game has not yet brought to version 3 holds matches only.
    // ... and one before version 6 no brackets.
    const char* query = version_ >= 6   ? "SELECT id, started, finished, round_type, difficulty, "
                                          "sight, competitors, practice, matchplay, place "
                                          "FROM matches ORDER BY id"
                        : version_ >= 3 ? "SELECT id, started, finished, round_type, difficulty, "
                                          "sight, competitors, practice, 0, NULL "
                                          "FROM matches ORDER BY id"
                                        : "SELECT id, started, finished, round_type, difficulty, "
                                          "sight, competitors, 0, 0, NULL FROM matches ORDER BY id";
    SqliteStatement matches(db_.get(), query);
    if (!matches.ok()) return failed(matches.prepareCode());
    int rc;
    while ((rc = matches.step()) == SQLITE_ROW) {
        MatchRecord m{.id = matches.integer(0),
                      .started = matches.text(1),
                      .roundType = static_cast<int32_t>(matches.integer(3)),
                      .difficulty = static_cast<int32_t>(matches.integer(4)),
                      .sight = static_cast<int32_t>(matches.integer(5)),
                      .competitors = static_cast<int32_t>(matches.integer(6)),
                      .practice = matches.integer(7) != 0,
                      .matchplay = matches.integer(8) != 0};
        if (!matches.isNull(2)) m.finished = matches.text(2);
        if (!matches.isNull(9)) m.place = static_cast<int32_t>(matches.integer(9));
        history.matches.push_back(std::move(m));
    }
    if (rc != SQLITE_DONE) return failed(rc);

    SqliteStatement results(db_.get(),
                            "SELECT match_id, archer, club, human, distance, score, hits, tens, "
                            "nines, rank FROM results WHERE human = 1 ORDER BY rowid");
    if (!results.ok()) return failed(results.prepareCode());
    while ((rc = results.step()) == SQLITE_ROW) {
        history.results.push_back({.matchId = results.integer(0),
                                   .archer = Utf8Text{results.text(1)},
                                   .club = Utf8Text{results.text(2)},
                                   .human = results.integer(3) != 0,
                                   .distance = static_cast<int32_t>(results.integer(4)),
                                   .score = static_cast<int32_t>(results.integer(5)),
                                   .hits = static_cast<int32_t>(results.integer(6)),
                                   .tens = static_cast<int32_t>(results.integer(7)),
                                   .nines = static_cast<int32_t>(results.integer(8)),
                                   .rank = static_cast<int32_t>(results.integer(9))});
    }
    if (rc != SQLITE_DONE) return failed(rc);
    return version_ < 6 || readBouts(history.bouts);
}

bool HistoryReader::readBouts(std::vector<BoutRecord>& bouts) {
    SqliteStatement query(db_.get(),
                          "SELECT match_id, archer, club, won FROM bouts ORDER BY rowid");
    if (!query.ok()) return failed(query.prepareCode());
    int rc;
    while ((rc = query.step()) == SQLITE_ROW) {
        bouts.push_back({.matchId = query.integer(0),
                         .archer = Utf8Text{query.text(1)},
                         .club = Utf8Text{query.text(2)},
                         .won = query.integer(3) != 0});
    }
    return rc == SQLITE_DONE || failed(rc);
}

bool HistoryReader::readArchers(std::vector<KnownArcher>& archers) {
    if (state_ == HistoryState::Absent) return true;
    if (state_ != HistoryState::Ready) return false;
    // Each table grouped on its own, so that the arrows are grouped along their index.
    SqliteStatement query(db_.get(),
                          "SELECT archer, club, max(last) FROM ("
                          "SELECT archer, club, max(match_id) AS last FROM results "
                          "WHERE human = 1 GROUP BY 1, 2 UNION ALL "
                          "SELECT archer, club, max(match_id) FROM arrows GROUP BY 1, 2) "
                          "GROUP BY 1, 2 ORDER BY 1, 2");
    if (!query.ok()) return failed(query.prepareCode());
    int rc;
    while ((rc = query.step()) == SQLITE_ROW) {
        archers.push_back({.key = {Utf8Text{query.text(0)}, Utf8Text{query.text(1)}},
                           .lastMatchId = query.integer(2)});
    }
    return rc == SQLITE_DONE || failed(rc);
}

void HistoryReader::readAimingBlobs(SqliteStatement& query, int column, ArrowRecord& arrow) const {
    arrow.pathBlob = query.blob(column);
    arrow.drawBlob = query.blob(column + 1);
    // A history the game could not bring to the compact form is read as if it had.
    if (version_ >= 4) return;
    if (!arrow.pathBlob.empty()) arrow.pathBlob = CompactLegacyPath(arrow.pathBlob);
    if (!arrow.drawBlob.empty()) arrow.drawBlob = CompactLegacyDraw(arrow.drawBlob);
}

bool HistoryReader::readAiming(ArrowRecord& arrow) {
    if (state_ != HistoryState::Ready) return false;
    SqliteStatement query(db_.get(),
                          "SELECT path, draw FROM arrows WHERE match_id = ?1 AND archer = ?2 AND "
                          "club = ?3 AND distance = ?4 AND end_no = ?5 AND arrow_no = ?6");
    if (!query.ok()) return failed(query.prepareCode());
    query.bind(1, arrow.matchId);
    query.bind(2, arrow.archer);
    query.bind(3, arrow.club);
    query.bind(4, arrow.distance);
    query.bind(5, arrow.endNo);
    query.bind(6, arrow.arrowNo);
    const int rc = query.step();
    if (rc == SQLITE_ROW) {
        readAimingBlobs(query, 0, arrow);
        return true;
    }
    return rc == SQLITE_DONE || failed(rc);
}

bool HistoryReader::readArrows(const ArcherKey& archer, bool withAiming,
                               std::vector<ArrowRecord>& arrows) {
    if (state_ == HistoryState::Absent) return true;
    if (state_ != HistoryState::Ready) return false;
    // A file the game has not yet brought to version 5 holds arrows shot in calm.
    const std::string wind = version_ >= 5 ? "wind_speed, wind_from" : "0, 0";
    const std::string queryText =
        "SELECT match_id, distance, end_no, arrow_no, score, x, y, factor, ticks, " + wind +
        (withAiming ? ", path, draw" : "") +
        " FROM arrows WHERE archer = ?1 AND club = ?2 ORDER BY match_id, distance, end_no, "
        "arrow_no";
    SqliteStatement query(db_.get(), queryText.c_str());
    if (!query.ok()) return failed(query.prepareCode());
    query.bind(1, archer.name);
    query.bind(2, archer.club);
    // A keen archer has a hundred thousand arrows: one allocation instead of twenty.
    SqliteStatement count(db_.get(), "SELECT count(*) FROM arrows WHERE archer = ?1 AND club = ?2");
    count.bind(1, archer.name);
    count.bind(2, archer.club);
    if (count.ok() && count.step() == SQLITE_ROW) {
        arrows.reserve(arrows.size() + static_cast<std::size_t>(count.integer(0)));
    }
    int rc;
    while ((rc = query.step()) == SQLITE_ROW) {
        ArrowRecord a{.matchId = query.integer(0),
                      .archer = archer.name,
                      .club = archer.club,
                      .distance = static_cast<int32_t>(query.integer(1)),
                      .endNo = static_cast<int32_t>(query.integer(2)),
                      .arrowNo = static_cast<int32_t>(query.integer(3)),
                      .score = static_cast<int32_t>(query.integer(4)),
                      .x = static_cast<int32_t>(query.integer(5)),
                      .y = static_cast<int32_t>(query.integer(6)),
                      .factor = static_cast<int32_t>(query.integer(7)),
                      .ticks = static_cast<int32_t>(query.integer(8)),
                      .windSpeed = static_cast<int32_t>(query.integer(9)),
                      .windFrom = static_cast<int32_t>(query.integer(10)),
                      .shot = !query.isNull(5)};
        if (withAiming) {
            readAimingBlobs(query, 11, a);
        }
        arrows.push_back(std::move(a));
    }
    return rc == SQLITE_DONE || failed(rc);
}

bool HistoryReader::readResumable(ResumableMatch& match) {
    if (state_ != HistoryState::Ready || version_ < 4) return false;
    // Only the last match begun can go on: a new match or session gives the one before up.
    SqliteStatement query(db_.get(),
                          "SELECT m.id, m.started, r.point FROM matches m JOIN resume_points r "
                          "ON r.match_id = m.id WHERE m.id = (SELECT max(id) FROM matches) AND "
                          "m.finished IS NULL AND m.demo = 0 AND m.practice = 0");
    if (!query.ok()) return failed(query.prepareCode());
    int rc = query.step();
    if (rc != SQLITE_ROW) return rc == SQLITE_DONE ? false : failed(rc);
    match = {
        .row = query.integer(0), .started = query.text(1), .point = query.blob(2), .tallies = {}};
    SqliteStatement arrows(db_.get(),
                           "SELECT archer, club, count(*), sum(score) FROM arrows WHERE "
                           "match_id = ?1 GROUP BY archer, club");
    if (!arrows.ok()) return failed(arrows.prepareCode());
    arrows.bind(1, match.row);
    while ((rc = arrows.step()) == SQLITE_ROW) {
        match.tallies.push_back({.archer = Utf8Text{arrows.text(0)},
                                 .club = Utf8Text{arrows.text(1)},
                                 .arrows = arrows.integer(2),
                                 .points = arrows.integer(3)});
    }
    return rc == SQLITE_DONE || failed(rc);
}
