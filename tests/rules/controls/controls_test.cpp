#include <gtest/gtest.h>

#include <climits>

#include "rules/controls/ControlHints.h"
#include "rules/controls/ControlInput.h"
#include "rules/match/MatchEngine.h"

namespace {

using enum ControlAction;

GamepadReading pad(GamepadButtons held, GamepadButtons pressed = 0) {
    return {.connected = true, .held = held, .pressed = pressed};
}

constexpr GamepadButtons kDraw = ButtonBit(GamepadButton::RightShoulder);
constexpr GamepadButtons kShoot = ButtonBit(GamepadButton::South);

TEST(GamepadMapping, SticksPastTheDeadZoneAndTheButtonsHoldTheirActions) {
    struct Case {
        GamepadReading reading;
        std::vector<ControlAction> held;
    };
    const Case cases[] = {
        {{.stickX = -kStickDeadZone}, {}},
        {{.stickX = -kStickDeadZone - 1, .stickY = kStickDeadZone + 1}, {Left, Down}},
        {{.stickX = INT32_MIN, .stickY = INT32_MAX, .rightTrigger = INT32_MIN}, {Left, Down}},
        {{.stickX = INT32_MAX, .stickY = INT32_MIN, .rightTrigger = INT32_MAX}, {Right, Up, Draw}},
        {pad(ButtonBit(GamepadButton::DpadUp) | kDraw | kShoot), {Up, Draw, Shoot}},
        {pad(ButtonBit(GamepadButton::East) | ButtonBit(GamepadButton::West)), {NextArrow}},
    };
    for (const Case& c : cases) {
        const GamepadCommands commands = ReadGamepadCommands(c.reading);
        std::vector<ControlAction> held;
        for (std::size_t a = 0; a < kControlActionCount; ++a) {
            if (commands.held[a]) held.push_back(static_cast<ControlAction>(a));
        }
        EXPECT_EQ(held, c.held);
        EXPECT_FALSE(commands.openMenu);
        EXPECT_FALSE(commands.toggleFullScreen);
    }
    EXPECT_TRUE(ReadGamepadCommands(pad(0, ButtonBit(GamepadButton::Start))).openMenu);
    const GamepadCommands select = ReadGamepadCommands(pad(0, ButtonBit(GamepadButton::Back)));
    EXPECT_TRUE(select.toggleFullScreen);
    EXPECT_FALSE(select.openMenu);
}

TEST(ControlInput, KeysAndPadHoldAnActionTogetherAndEveryPressCounts) {
    ControlInput input;
    using T = std::vector<KeyTransition>;
    EXPECT_EQ(input.gamepad(ReadGamepadCommands(pad(kDraw, kDraw))), (T{{kVkDraw, true}}));
    EXPECT_EQ(input.keyPressed(Draw, 'J'), (T{{kVkDraw, true}}));
    EXPECT_EQ(input.keyReleased(Draw, 'J'), T{});  // the pad still draws
    EXPECT_EQ(input.gamepad(ReadGamepadCommands(pad(kDraw))), T{});
    EXPECT_EQ(input.gamepad(ReadGamepadCommands(pad(0))), (T{{kVkDraw, false}}));

    // A tap between two readings, and a second press of a key still held.
    EXPECT_EQ(input.gamepad(ReadGamepadCommands(pad(0, kShoot))),
              (T{{kVkShoot, true}, {kVkShoot, false}}));
    EXPECT_EQ(input.keyPressed(Shoot, 'S'), (T{{kVkShoot, true}}));
    EXPECT_EQ(input.keyPressed(Shoot, 'S'), (T{{kVkShoot, true}}));
    EXPECT_EQ(input.keyReleased(Shoot, 'S'), (T{{kVkShoot, false}}));
    // A release the window never saw pressed still lets go.
    EXPECT_EQ(input.keyReleased(Left, 1001), (T{{kVkLeft, false}}));
}

TEST(ControlInput, APadPulledOutMidDrawLetsDownAndReleasesNothing) {
    ControlInput input;
    input.gamepad(
        ReadGamepadCommands({.connected = true, .stickX = -30000, .rightTrigger = 30000}));
    const std::vector<KeyTransition> gone = input.gamepad(ReadGamepadCommands({}));
    EXPECT_EQ(gone, (std::vector<KeyTransition>{{kVkLeft, false}, {kVkDraw, false}}));
}

TEST(ControlHints, MarkedElementsNameWhatIsBoundAndTheRestStays) {
    const std::string html =
        "<p>Press <b data-ovladani=\"dalsiSip\">D</b> or <b data-ovladac=\"dalsiSip\">B</b>, "
        "<b data-ovladani=\"nic\">X</b> <b>S</b>; <i data-ovladac=\"start\">Start</i></p>";
    const std::string filled = FillControlHints(
        html, [](std::string_view attribute, std::string_view value) -> std::optional<std::string> {
            if (value == "nic") return std::nullopt;
            return std::string(attribute) + ":" + std::string(value) + "<&>";
        });
    EXPECT_EQ(filled,
              "<p>Press <b data-ovladani=\"dalsiSip\">data-ovladani:dalsiSip&lt;&amp;&gt;</b> or "
              "<b data-ovladac=\"dalsiSip\">data-ovladac:dalsiSip&lt;&amp;&gt;</b>, "
              "<b data-ovladani=\"nic\">X</b> <b>S</b>; "
              "<i data-ovladac=\"start\">data-ovladac:start&lt;&amp;&gt;</i></p>");
    // A marker cut off by the end of the file leaves the text as it was.
    EXPECT_EQ(FillControlHints("<b data-ovladani=\"vlevo\">",
                               [](auto, auto) { return std::optional<std::string>("x"); }),
              "<b data-ovladani=\"vlevo\">");
}

}  // namespace
