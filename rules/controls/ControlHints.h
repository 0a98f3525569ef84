#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The help names keys where the player reads them: an element marked data-ovladani="dalsiSip"
// (a [Ovladani] key name) holds the keys of that action, data-ovladac="dalsiSip" or
// data-ovladac="start" the pad's button. Returns `html` with each marked element's text replaced
// by what `name(attribute, value)` gives (escaped for HTML); an element it gives nothing for,
// and anything unmarked, stays as written.
std::string FillControlHints(std::string_view html,
                             const std::function<std::optional<std::string>(
                                 std::string_view attribute, std::string_view value)>& name);
