// The handicap of one shoot, a full round of four distances, against the cost of one expected
// score of that round (the unit the handicap search is made of), both measured in this run.
//
//     handicap_bench [repetitions]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "rules/history/Handicaps.h"
#include "rules/match/HandicapDistances.h"

namespace {

using Clock = std::chrono::steady_clock;

// Median time of one call in microseconds, over batches of `calls`.
template <typename Work>
double MedianMicroseconds(int batches, int calls, Work work) {
    std::vector<double> times;
    for (int b = 0; b < batches; ++b) {
        const auto start = Clock::now();
        for (int i = 0; i < calls; ++i) work(i);
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() /
                        calls);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

volatile double gSink = 0;

}  // namespace

int main(int argc, char** argv) {
    const int calls = argc > 1 ? std::atoi(argv[1]) : 2000;
    const std::vector<HandicapDistance> round = HandicapDistancesOf(3);
    const double expected = MedianMicroseconds(
        21, calls, [&](int i) { gSink = gSink + ExpectedScore(i % 150, round); });
    const double shoot = MedianMicroseconds(21, calls, [&](int i) {
        const Shoot s{.roundType = 3,
                      .distances = {{90, 36, 200 + i % 100},
                                    {70, 36, 240 + i % 90},
                                    {50, 36, 260 + i % 80},
                                    {30, 36, 300 + i % 50}}};
        gSink = gSink + ShootHandicap(s).value_or(0);
    });
    std::printf(
        "one expected round score %.2f us; handicap of one full-round shoot %.2f us, "
        "ratio %.1f (budget 100 us)\n",
        expected, shoot, shoot / expected);
    return 0;
}
