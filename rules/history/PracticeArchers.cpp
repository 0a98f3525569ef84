#include "rules/history/PracticeArchers.h"

#include <map>

std::vector<ArcherKey> PracticeArchers(std::span<const KnownArcher> known) {
    std::map<Utf8Text, const KnownArcher*> latest;
    for (const KnownArcher& archer : known) {
        const KnownArcher*& kept = latest[archer.key.name];
        if (kept == nullptr || archer.lastMatchId > kept->lastMatchId) kept = &archer;
    }
    std::vector<ArcherKey> archers;
    archers.reserve(latest.size());
    for (const auto& [name, archer] : latest) archers.push_back(archer->key);
    return archers;
}
