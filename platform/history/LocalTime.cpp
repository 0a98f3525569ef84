#include "platform/history/LocalTime.h"

#include <array>
#include <ctime>
#include <string_view>

std::string LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::array<char, 32> text{};
    const std::size_t size = std::strftime(text.data(), text.size(), "%Y-%m-%dT%H:%M:%S%z", &local);
    const std::string_view stamp(text.data(), size);
    // strftime writes the offset as +0100; ISO 8601's extended form wants +01:00.
    if (stamp.size() < 5) return std::string(stamp);
    return std::string(stamp.substr(0, stamp.size() - 2)) + ":" +
           std::string(stamp.substr(stamp.size() - 2));
}
