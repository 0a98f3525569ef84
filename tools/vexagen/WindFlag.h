#pragma once

#include <QImage>

#include "rules/match/WindFlag.h"

// The wind flag beside the target in one of its poses (kFlagWidth x kFlagHeight, transparent
// round it), on a pole in the middle so that it can stream either way. `scale` device pixels
// for each picture pixel: the same shapes painted at that resolution.
QImage drawWindFlag(const FlagPose& pose, qreal scale = 1);
