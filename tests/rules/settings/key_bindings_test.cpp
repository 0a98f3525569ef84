#include <gtest/gtest.h>

#include "rules/settings/KeyBindings.h"
#include "support/KeyTexts.h"

namespace {

KeyBindings bindingsWith(std::initializer_list<std::pair<ControlAction, const char*>> set) {
    auto texts = PlayerSettings::DefaultControls();
    for (auto [action, text] : set) texts[static_cast<std::size_t>(action)] = text;
    return KeyBindings::Read(texts, ReadKeyTexts);
}

using enum ControlAction;

TEST(KeyBindings, TheSettingsTextGivesEachActionItsKeysOrItsDefault) {
    struct Case {
        ControlAction action;
        const char* text;
        ActionKeys expected;
        bool fellBack;
    };
    const Case cases[] = {
        {Shoot, "Space", {32, kNoKey}, false},
        {Left, "Left, J", {1001, 'J'}, false},
        {Left, "J, J", {'J', kNoKey}, false},
        {Draw, "", {'A', kNoKey}, true},
        {Draw, "Foo", {'A', kNoKey}, true},
        {Draw, "J, K, Space", {'A', kNoKey}, true},
        {Draw, "Alt", {'A', kNoKey}, true},
        {Draw, "F10, J", {'A', kNoKey}, true},
        // A key the action's own default would have had is the player's to give.
        {Left, "A", {'A', kNoKey}, false},
    };
    for (const Case& c : cases) {
        const KeyBindings b = bindingsWith({{c.action, c.text}});
        EXPECT_EQ(b.keys(c.action), c.expected) << c.text;
        EXPECT_EQ(b.fellBack(c.action), c.fellBack) << c.text;
        for (KeyCode key : c.expected) {
            if (key != kNoKey) {
                EXPECT_EQ(b.actionOf(key), c.action) << c.text;
            }
        }
    }
}

TEST(KeyBindings, ABoundKeyReplacesItsDefaultAndNoKeyPlaysTwoActions) {
    const KeyBindings shoot = bindingsWith({{Shoot, "Space"}});
    EXPECT_EQ(shoot.actionOf('S'), std::nullopt);
    EXPECT_EQ(shoot.actionOf(32), Shoot);

    // Two actions asking for one key: the earlier has it, the later keeps its default.
    const KeyBindings twice = bindingsWith({{Left, "J"}, {Right, "J, K"}});
    EXPECT_EQ(twice.keys(Left), (ActionKeys{'J', kNoKey}));
    EXPECT_EQ(twice.keys(Right), (ActionKeys{'K', kNoKey}));
    const KeyBindings only = bindingsWith({{Left, "J"}, {Right, "J"}});
    EXPECT_EQ(only.keys(Right), (ActionKeys{1002, kNoKey}));
    EXPECT_TRUE(only.fellBack(Right));
    // Every key the bindings hold belongs to exactly one action.
    for (const KeyBindings& b : {shoot, twice, only, bindingsWith({{Left, "A"}})}) {
        std::map<KeyCode, int> holders;
        for (std::size_t a = 0; a < kControlActionCount; ++a) {
            for (KeyCode k : b.keys(static_cast<ControlAction>(a))) {
                if (k != kNoKey) ++holders[k];
            }
        }
        for (auto [key, count] : holders) EXPECT_EQ(count, 1) << key;
    }
}

TEST(KeyBindings, BindingRefusesTakenAndMenuKeysAndDefaultsComeBack) {
    KeyBindings b = bindingsWith({});
    const auto taken = b.bind(Left, 1, 'S');
    ASSERT_TRUE(taken);
    EXPECT_FALSE(taken->reserved);
    EXPECT_EQ(taken->holder, Shoot);
    for (KeyCode menu : {kKeyAlt, kKeyF10, kKeyAltGr}) {
        const auto refused = b.bind(Shoot, 0, menu);
        ASSERT_TRUE(refused);
        EXPECT_TRUE(refused->reserved);
    }
    EXPECT_EQ(b, bindingsWith({}));  // nothing refused changed anything

    EXPECT_FALSE(b.bind(Shoot, 1, 32));
    EXPECT_FALSE(b.bind(Shoot, 0, 32));  // the key moves to the first place, S goes
    EXPECT_EQ(b.keys(Shoot), (ActionKeys{32, kNoKey}));
    EXPECT_EQ(b.actionOf('S'), std::nullopt);
    EXPECT_FALSE(b.bind(Left, 1, 'S'));
    b.unbindSecond(Left);
    EXPECT_EQ(b.keys(Left), (ActionKeys{1001, kNoKey}));
    b.restoreDefaults();
    EXPECT_EQ(b, bindingsWith({}));
    EXPECT_EQ(KeysText(bindingsWith({{Left, "Left, J"}}).keys(Left),
                       [](KeyCode k) { return k == 'J' ? std::string("J") : std::string("Left"); }),
              "Left, J");
}

}  // namespace
