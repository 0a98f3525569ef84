#include "rules/history/ArrowsCsv.h"

#include <unordered_map>
#include <utility>

#include "rules/history/RoundNames.h"

namespace {

void addField(std::string& out, const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void addRow(std::string& out, std::initializer_list<std::string> fields) {
    bool first = true;
    for (const std::string& field : fields) {
        if (!first) out += ',';
        first = false;
        addField(out, field);
    }
    out += "\r\n";
}

}  // namespace

Utf8Text ArrowsCsv(const std::vector<MatchRecord>& matches,
                   const std::vector<ArrowRecord>& arrows) {
    std::unordered_map<int64_t, const MatchRecord*> byId;
    for (const MatchRecord& m : matches) byId.emplace(m.id, &m);
    std::string out;
    out.reserve(64 * (arrows.size() + 1));
    addRow(out, {"match_id", "date", "round", "archer", "club", "distance", "end_no", "arrow_no",
                 "score", "x", "y", "factor", "ticks"});
    using std::to_string;
    for (const ArrowRecord& a : arrows) {
        auto match = byId.find(a.matchId);
        const bool known = match != byId.end();
        addRow(out, {to_string(a.matchId), known ? match->second->started : std::string(),
                     known ? RoundTitle(match->second->roundType) : std::string(), a.archer.bytes(),
                     a.club.bytes(), to_string(a.distance), to_string(a.endNo),
                     to_string(a.arrowNo), to_string(a.score), to_string(a.x), to_string(a.y),
                     to_string(a.factor), to_string(a.ticks)});
    }
    return Utf8Text{std::move(out)};
}
