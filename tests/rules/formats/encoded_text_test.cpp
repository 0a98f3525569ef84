#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <type_traits>

#include "rules/formats/Utf8.h"

// Text of one encoding never becomes text of the other, nor leaves as plain bytes, unless
// somebody writes the conversion: these must stay compile errors.
static_assert(!std::is_constructible_v<Utf8Text, Cp1250Text>);
static_assert(!std::is_constructible_v<Cp1250Text, Utf8Text>);
static_assert(!std::is_convertible_v<std::string, Utf8Text>);
static_assert(!std::is_convertible_v<std::string, Cp1250Text>);
static_assert(!std::is_convertible_v<const char*, Utf8Text>);
static_assert(!std::is_constructible_v<Cp1250Text, std::u8string_view>);
static_assert(!std::is_convertible_v<Utf8Text, std::string_view>);
static_assert(!std::is_convertible_v<Cp1250Text, std::string_view>);
static_assert(std::is_convertible_v<const char8_t*, Utf8Text>);

TEST(EncodedText, ToUtf8SpellsTheSameWordsAsTheCodePage) {
    // "Žluťoučký kůň úpěl ďábelské ódy" as the game's files hold it.
    const Cp1250Text cp1250{
        "\x8elu\x9dou\xe8k\xfd k\xf9\xf2 \xfap\xecl \xef\xe1"
        "belsk\xe9 \xf3"
        "dy"};
    EXPECT_EQ(ToUtf8(cp1250), u8"Žluťoučký kůň úpěl ďábelské ódy");
    EXPECT_EQ(ToUtf8(Cp1250Text{}), Utf8Text{});
}
