#include <gtest/gtest.h>

#include "rules/formats/Cp1250.h"

namespace {

TEST(Cp1250, EveryByteRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        char16_t ch = cp1250ToUnicode(static_cast<unsigned char>(b));
        auto back = unicodeToCp1250(ch);
        ASSERT_TRUE(back) << b;
        EXPECT_EQ(*back, b);
    }
}

TEST(Cp1250, CzechLettersHaveTheirBytes) {
    auto bytes = encodeCp1250(u"Příliš žluťoučký kůň úpěl ďábelské ódy");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes,
              "P\xf8\xedli\x9a \x9elu\x9dou\xe8k\xfd k\xf9\xf2 \xfap\xecl \xef\xe1"
              "belsk\xe9 \xf3"
              "dy");
    EXPECT_EQ(decodeCp1250(*bytes), u"Příliš žluťoučký kůň úpěl ďábelské ódy");
}

TEST(Cp1250, RefusesWhatItCannotHold) {
    EXPECT_FALSE(encodeCp1250(u"Łódź ok, but ё not"));
    EXPECT_FALSE(encodeCp1250(u"\u20ac\u00e5"));  // å is not in the code page
    EXPECT_FALSE(encodeCp1250(std::u16string(1, char16_t{0xD83D})));
    EXPECT_TRUE(encodeCp1250(u"\u20ac Łódź"));
}

}  // namespace
