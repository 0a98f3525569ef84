#include <gtest/gtest.h>

#include <vector>

#include "rules/history/PracticeArchers.h"

namespace {

TEST(PracticeArchers, OneANameWithTheClubHeShotForLast) {
    // As the history lists them, by name and then club.
    const std::vector<KnownArcher> known = {{{u8"Eva", u8"SK"}, 2},
                                            {{u8"Nov\u00e1k", u8"Slavia"}, 3},
                                            {{u8"Nov\u00e1k", u8"TJ Brno"}, 7},
                                            {{u8"Nov\u00e1k", u8"Zl\u00edn"}, 5},
                                            {{u8"Adam", u8""}, 1}};
    EXPECT_EQ(PracticeArchers(known),
              (std::vector<ArcherKey>{
                  {u8"Adam", u8""}, {u8"Eva", u8"SK"}, {u8"Nov\u00e1k", u8"TJ Brno"}}));
    EXPECT_TRUE(PracticeArchers({}).empty());
}

}  // namespace
