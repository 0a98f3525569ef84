#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rules/classification/ClassTable.h"
#include "rules/history/Handicaps.h"

// The classes an archer earns over the shoots of the history, computed whenever it is read. A
// match is judged by its round's division. A practice session has none: it is judged by the
// division of the archer's last match before it, and by the men's, the stricter, before the first.

// What one shoot did toward the classes.
struct ClassedShoot {
    std::optional<ArcheryClass> counted;  // the best class it counts toward
    std::optional<ArcheryClass> earned;   // the best class whose arrows it completed
    friend bool operator==(const ClassedShoot&, const ClassedShoot&) = default;
};

struct HeldClass {
    ArcheryClass id = ArcheryClass::A3;
    int64_t matchId = 0;  // the shoot that earned it
    std::string date;     // when that shoot was started
};

// What the next class still needs: arrows in dozens (a dozen begun counts whole), each at the
// handicap or better and the distance or farther, as the archer's division has them.
struct ClassNeed {
    ArcheryClass id = ArcheryClass::A3;
    int32_t dozens = 0;
    int32_t handicap = 0;
    int32_t metres = 0;
    friend bool operator==(const ClassNeed&, const ClassNeed&) = default;
};

struct ClassProgress {
    std::vector<ClassedShoot> shoots;  // one for each shoot of the handicap progress
    std::optional<HeldClass> held;     // the best class earned: once earned, it is kept
    std::optional<ClassNeed> next;     // nothing once the best class is held
};

ClassProgress ClassProgressOf(const HandicapProgress& handicaps);

// The best class the archer earned with the shoot of that match; nothing when it earned none.
std::optional<ArcheryClass> ClassEarnedIn(const History& history, const ArcherKey& archer,
                                          int64_t matchId);

// A class a human archer earned with a shoot.
struct EarnedClass {
    Utf8Text archer;
    ArcheryClass id = ArcheryClass::A3;
    friend bool operator==(const EarnedClass&, const EarnedClass&) = default;
};
