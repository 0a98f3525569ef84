#pragma once

#include <cstdint>

#include "rules/controls/GamepadMapping.h"

// The on-screen keyboard's keys, `count` of them in rows of `columns` (the last row may be
// shorter). The pad's directions move from key to key and come round at the edges, so that
// every key is a few steps away; a column the last row lacks is passed over.
int32_t StepInGrid(int32_t at, NavigationCommand direction, int32_t count, int32_t columns);
