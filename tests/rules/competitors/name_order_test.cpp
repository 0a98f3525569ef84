#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "rules/competitors/NameOrder.h"
#include "support/Competitors.h"

namespace {

std::vector<std::string> Sorted(std::vector<std::u16string_view> texts) {
    std::vector<std::string> names;
    for (auto t : texts) names.push_back(cp(t));
    std::sort(names.begin(), names.end(), NameLess);
    return names;
}

std::vector<std::string> Cp(std::vector<std::u16string_view> texts) {
    std::vector<std::string> names;
    for (auto t : texts) names.push_back(cp(t));
    return names;
}

TEST(NameOrder, FollowsTheCzechAlphabet) {
    EXPECT_EQ(Sorted({u"Žák", u"Šimek", u"Chalupa", u"Čermák", u"Řezník", u"Zeman", u"Sova",
                      u"Hrubý", u"Cibulka", u"Rada", u"Ivan", u"Dvořák", u"Tůma"}),
              Cp({u"Cibulka", u"Čermák", u"Dvořák", u"Hrubý", u"Chalupa", u"Ivan", u"Rada",
                  u"Řezník", u"Sova", u"Šimek", u"Tůma", u"Zeman", u"Žák"}));
}

TEST(NameOrder, IgnoresCaseAndOtherAccentsUnlessAllElseIsEqual) {
    EXPECT_EQ(Sorted({u"Kralova", u"KRÁL", u"král", u"Kral", u"bém", u"Adam", u"Ďas", u"Dab"}),
              Cp({u"Adam", u"bém", u"Dab", u"Ďas", u"Kral", u"král", u"KRÁL", u"Kralova"}));
    EXPECT_EQ(Sorted({u"CHALUPA", u"chalupa", u"Chalupa", u"Hus", u"Cyril"}),
              Cp({u"Cyril", u"Hus", u"chalupa", u"Chalupa", u"CHALUPA"}));
}

TEST(NameOrder, PutsPunctuationBeforeDigitsBeforeLetters) {
    EXPECT_EQ(Sorted({u"Nováková, Eva", u"Novák, Jan", u"Novák A", u"Novák 2", u"Novák"}),
              Cp({u"Novák", u"Novák 2", u"Novák A", u"Novák, Jan", u"Nováková, Eva"}));
}

TEST(NameOrder, IsAStrictOrderThatNeverTiesDifferentTexts) {
    const std::vector<std::string> names =
        Cp({u"", u"a", u"A", u"á", u"Á", u"ch", u"Ch", u"cH", u"c", u"č", u"h", u"ß", u"ss", u"€",
            u"1", u" ", u"ň", u"n"});
    for (const auto& a : names) {
        EXPECT_FALSE(NameLess(a, a)) << a;
        for (const auto& b : names) {
            if (a != b) {
                EXPECT_NE(NameLess(a, b), NameLess(b, a)) << a << " / " << b;
            }
            for (const auto& c : names) {
                if (NameLess(a, b) && NameLess(b, c)) {
                    EXPECT_TRUE(NameLess(a, c));
                }
            }
        }
    }
}

}  // namespace
