#pragma once

#include <cstdint>

class QChart;
class QLineSeries;
struct HandicapProgress;

// Adds the series "Handicap" to the progress chart: the handicap of each shoot in the round
// filter, each point labelled with it, on an axis of its own on the right that runs downwards,
// since a lower handicap is the better one. The chart's date axis must be there already.
// Nothing is added when no shoot has a handicap.
QLineSeries* AddHandicapSeries(QChart& chart, const HandicapProgress& progress,
                               int32_t roundFilter);
