#include <gtest/gtest.h>

#include <climits>

#include "rules/controls/ControlHints.h"
#include "rules/controls/ControlInput.h"
#include "rules/controls/KeyGrid.h"
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

TEST(PadNavigator, PushesStepOnceThenRepeatWhileHeldAndButtonsCountWhenTheyGoDown) {
    using enum NavigationCommand;
    constexpr int64_t delay = PadNavigator::kRepeatDelayMs;
    constexpr int64_t pace = PadNavigator::kRepeatIntervalMs;
    const GamepadButtons down = ButtonBit(GamepadButton::DpadDown);
    struct Step {
        int64_t atMs;
        GamepadReading reading;
        NavigationCommands expected;
    };
    const Step steps[] = {
        {0, pad(down), CommandBit(Down)},
        {delay - 1, pad(down), 0},
        {delay, pad(down), CommandBit(Down)},
        {delay + pace - 1, pad(down), 0},
        {delay + pace, pad(down), CommandBit(Down)},
        // Late by many steps: one step.
        {delay + 10 * pace, pad(down), CommandBit(Down)},
        {delay + 10 * pace + 1, pad(0), 0},
        // A tap between two readings, and the stronger axis of the stick alone.
        {2000, pad(0, down), CommandBit(Down)},
        {2010,
         {.connected = true, .stickX = kStickStep + 1, .stickY = -kStickStep - 2},
         CommandBit(Up)},
        {2020,
         {.connected = true, .stickX = -kStickStep - 3, .stickY = -kStickStep - 2},
         CommandBit(Left)},
        {2030, {.connected = true, .stickX = -kStickStep}, 0},
        {2040, pad(0, ButtonBit(GamepadButton::South) | ButtonBit(GamepadButton::East)),
         CommandBit(Choose) | CommandBit(Back)},
        {2050, pad(kShoot), 0},  // held, not pressed
        {2060, pad(0, ButtonBit(GamepadButton::LeftShoulder) | ButtonBit(GamepadButton::Start)),
         CommandBit(PreviousPage) | CommandBit(Confirm)},
        {2070, pad(0, ButtonBit(GamepadButton::RightShoulder)), CommandBit(NextPage)},
    };
    PadNavigator navigator;
    for (const Step& s : steps) {
        EXPECT_EQ(navigator.read(s.reading, s.atMs), s.expected) << "at " << s.atMs;
    }
}

TEST(PadNavigator, WhatTheBoardHeldStepsOnlyOnceItHasComeUp) {
    const GamepadReading right{.connected = true, .stickX = INT32_MAX};
    PadNavigator navigator;
    navigator.read(right, 0);
    navigator.boardHadPad(right);
    EXPECT_EQ(navigator.read(right, 10), 0U);
    EXPECT_EQ(navigator.read(right, 10 + 10 * PadNavigator::kRepeatDelayMs), 0U);
    navigator.read({.connected = true}, 5000);
    EXPECT_EQ(navigator.read(right, 5010), CommandBit(NavigationCommand::Right));
}

TEST(PadNavigator, EachMakersYesAndNoAsItPrintsThem) {
    const auto read = [](GamepadFamily family, GamepadButton button) {
        return PadNavigator().read(
            {.connected = true, .family = family, .pressed = ButtonBit(button)}, 0);
    };
    const NavigationCommands choose = CommandBit(NavigationCommand::Choose);
    const NavigationCommands back = CommandBit(NavigationCommand::Back);
    EXPECT_EQ(read(GamepadFamily::Generic, GamepadButton::South), choose);
    EXPECT_EQ(read(GamepadFamily::PlayStation, GamepadButton::South), choose);
    EXPECT_EQ(read(GamepadFamily::PlayStation, GamepadButton::East), back);
    EXPECT_EQ(read(GamepadFamily::Nintendo, GamepadButton::East), choose);
    EXPECT_EQ(read(GamepadFamily::Nintendo, GamepadButton::South), back);
}

TEST(KeyGrid, DirectionsComeRoundAtTheEdgesAndPassOverTheShortRow) {
    // Ten keys in rows of four:  0 1 2 3 / 4 5 6 7 / 8 9
    using enum NavigationCommand;
    struct Case {
        int32_t at;
        NavigationCommand direction;
        int32_t expected;
    };
    const Case cases[] = {
        {0, Right, 1}, {3, Right, 0}, {0, Left, 3},   {9, Right, 8}, {8, Left, 9},
        {1, Down, 5},  {5, Down, 9},  {9, Down, 1},   {1, Up, 9},    {3, Down, 7},
        {7, Down, 3},  {3, Up, 7},    {6, Choose, 6},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StepInGrid(c.at, c.direction, 10, 4), c.expected) << c.at;
    }
    EXPECT_EQ(StepInGrid(2, Down, 3, 4), 2);  // one row
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
