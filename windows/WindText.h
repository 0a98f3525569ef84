#pragma once

#include <QString>

#include "rules/match/Wind.h"

// The wind as the board's label and the practice summary name it: "3,2 m/s ←", the number as
// the interface's language writes it, the arrow where the wind blows to.
QString WindText(const Wind& wind);
