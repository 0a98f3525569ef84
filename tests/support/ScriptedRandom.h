#pragma once

#include <cstdint>
#include <deque>
#include <stdexcept>
#include <utility>
#include <vector>

#include "rules/match/Random.h"

// Hands out scripted draws in order and records every n it was asked for. When the script runs
// out it answers with `fallback % n` (or throws, if no fallback was given).
class ScriptedRandom final : public Random {
  public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<int32_t> script) : script_(script.begin(), script.end()) {}

    void push(int32_t value) { script_.push_back(value); }
    void setFallback(int32_t value) {
        fallback_ = value;
        hasFallback_ = true;
    }
    const std::vector<int32_t>& asked() const { return asked_; }
    std::size_t remaining() const { return script_.size(); }

    int32_t random(int32_t n) override {
        asked_.push_back(n);
        if (n <= 0) return 0;
        if (script_.empty()) {
            if (!hasFallback_) throw std::logic_error("ScriptedRandom: script exhausted");
            return fallback_ % n;
        }
        int32_t value = script_.front();
        script_.pop_front();
        if (value < 0 || value >= n) throw std::logic_error("ScriptedRandom: draw out of range");
        return value;
    }

  private:
    std::deque<int32_t> script_;
    std::vector<int32_t> asked_;
    int32_t fallback_ = 0;
    bool hasFallback_ = false;
};
