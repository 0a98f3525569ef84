#include <gtest/gtest.h>

#include "rules/competitors/CompetitorRecord.h"

namespace {

TEST(IsHumanArcher, OnlyANamedSlotMarkedAsAHuman) {
    struct Case {
        CompetitorRecord slot;
        bool human;
    };
    const Case cases[] = {
        {{.Name = "Eva", .IsComputer = false}, true},
        {{.Name = "Eva", .IsComputer = true}, false},
        {{.Name = "", .IsComputer = true}, false},
        // A free slot is nobody's, whatever its mark says.
        {{.Name = "", .Club = "SK", .IsComputer = false}, false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsHumanArcher(c.slot), c.human) << c.slot.Name;
}

}  // namespace
