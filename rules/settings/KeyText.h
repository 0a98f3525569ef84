#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

// Which keys play which action. A key is the toolkit's key number without modifiers; the
// numbers below are the toolkit's own, so the window passes keys on as they come.
using KeyCode = int32_t;
inline constexpr KeyCode kNoKey = 0;

// Reads one [Ovladani] value: its keys in order, or nothing when the text is not a list of plain
// keys the toolkit knows. The toolkit's text format is the window's business.
using KeyTextReader = std::function<std::optional<std::vector<KeyCode>>(std::string_view)>;
