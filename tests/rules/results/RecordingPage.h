#pragma once

#include <string>
#include <vector>

#include "rules/results/Results.h"

// Keeps what the results window would show; each congratulation is kept together with the
// lines that were on the page when it appeared.
class RecordingPage final : public ResultsPage {
  public:
    struct Congratulation {
        std::string text;
        std::vector<std::string> linesShown;
    };

    std::vector<std::string> lines;
    std::vector<Congratulation> congratulations;
    int clears = 0;

    void clear() override {
        ++clears;
        lines.clear();
    }
    void appendLine(const std::string& line) override { lines.push_back(line); }
    void congratulate(const std::string& text) override {
        congratulations.push_back({text, lines});
    }

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& c : congratulations) out.push_back(c.text);
        return out;
    }
};
