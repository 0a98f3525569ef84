#include <gtest/gtest.h>

#include "rules/history/PracticeArchers.h"

namespace {

TEST(PracticeArchers, OneANameWithTheClubHeShotForLast) {
    const std::vector<KnownArcher> byNameAndClub = {{{u8"Eva", u8"SK"}, 2},
                                                    {{u8"Nov\u00e1k", u8"Slavia"}, 3},
                                                    {{u8"Nov\u00e1k", u8"TJ Brno"}, 7},
                                                    {{u8"Nov\u00e1k", u8"Zl\u00edn"}, 5}};
    EXPECT_EQ(PracticeArchers(byNameAndClub),
              (std::vector<ArcherKey>{{u8"Eva", u8"SK"}, {u8"Nov\u00e1k", u8"TJ Brno"}}));
}

}  // namespace
