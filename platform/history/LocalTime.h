#pragma once

#include <string>

// Now, as ISO 8601 local time with its offset from UTC: "2026-12-08T06:14:03+01:00".
std::string LocalTimeNow();
