#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "rules/formats/PictureError.h"
#include "rules/history/PracticeSummary.h"
#include "rules/match/MatchScreen.h"
#include "rules/match/RangeSounds.h"

// A main window without widgets: every call becomes one line of `effects`, in order, e.g.
// "label Vzdalenost=90 m", "picture Tercov=90.bmp", "icons arrow2.ico", "sight 112,112",
// "arrow -5", "marker 3 250,317", "nextarrow on", "timer off", "results", "message C|T".
// Loading a file named in `missingFiles` throws PictureError and records nothing.
class RecordingScreen final : public MatchScreen {
  public:
    std::vector<std::string> effects;
    std::set<std::string> missingFiles;
    std::map<MatchLabel, std::string> labels;  // the text each label shows now
    // Runs inside showResults, while the results window would be open; the real window calls
    // the engine's ResultsClosed from its close handling, so tests put that here.
    std::function<void()> onShowResults;
    // The summaries shown, and the answer to each: true asks for another session.
    std::vector<PracticeSummary> summaries;
    // What the flag and its label were told to show, in order.
    std::vector<Wind> winds;
    std::vector<FlagPose> flags;
    bool practiceAgain = false;

    static std::string name(MatchLabel label) {
        switch (label) {
            case MatchLabel::PlName:
                return "PlName";
            case MatchLabel::Club:
                return "Club";
            case MatchLabel::Vzdalenost:
                return "Vzdalenost";
            case MatchLabel::Celkem:
                return "Celkem";
            case MatchLabel::SoucetSada:
                return "SoucetSada";
            case MatchLabel::Sipylabel:
                return "Sipylabel";
            case MatchLabel::SadaCount:
                return "SadaCount";
        }
        return "?";
    }

    // How many effects begin with `prefix`.
    int count(const std::string& prefix) const {
        return static_cast<int>(std::count_if(effects.begin(), effects.end(), [&](const auto& e) {
            return e.compare(0, prefix.size(), prefix) == 0;
        }));
    }

    void setLabel(MatchLabel label, const std::string& text) override {
        labels[label] = text;
        effects.push_back("label " + name(label) + "=" + text);
    }
    void loadPicture(PictureSlot slot, const std::string& fileName) override {
        failIfMissing(fileName);
        effects.push_back(std::string("picture ") +
                          (slot == PictureSlot::Tercov ? "Tercov=" : "Nextarrow=") + fileName);
    }
    void loadMarkerIcons(const std::string& fileName) override {
        failIfMissing(fileName);
        effects.push_back("icons " + fileName);
    }
    void moveSight(Point p) override { effects.push_back("sight " + point(p)); }
    void moveDrawnArrow(int32_t left) override {
        effects.push_back("arrow " + std::to_string(left));
    }
    void moveMarker(int32_t number, Point p) override {
        effects.push_back("marker " + std::to_string(number) + " " + point(p));
    }
    void setNextarrowEnabled(bool enabled) override {
        effects.push_back(enabled ? "nextarrow on" : "nextarrow off");
    }
    void setTimerRunning(bool running) override {
        effects.push_back(running ? "timer on" : "timer off");
    }
    void showResults() override {
        effects.push_back("results");
        if (onShowResults) onShowResults();
    }
    void showMessage(const Utf8Text& caption, const Utf8Text& text) override {
        effects.push_back("message " + caption.bytes() + "|" + text.bytes());
    }
    void showEndClock(int32_t secondsLeft, ClockLight light) override {
        static constexpr const char* kLights[] = {"green", "yellow", "red"};
        effects.push_back("clock " + std::to_string(secondsLeft) + " " +
                          kLights[static_cast<int>(light)]);
    }
    void hideEndClock() override { effects.push_back("clock hidden"); }
    void showWind(const Wind& wind, const FlagPose& flag) override {
        winds.push_back(wind);
        flags.push_back(flag);
    }
    void hideWind() override { effects.push_back("wind hidden"); }
    bool showPracticeSummary(const PracticeSession& session) override {
        effects.push_back("summary");
        summaries.push_back(SummarisePractice(session));
        return std::exchange(practiceAgain, false);
    }

  private:
    static std::string point(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
    void failIfMissing(const std::string& fileName) const {
        if (missingFiles.count(fileName)) throw PictureError("Cannot open file " + fileName);
    }
};

// The range's sounds: every sound asked for in `played` ("hit.wav after 583"), the clicker's
// ticks counted and, given a log, written as "tick" among the screen's effects; the volume set.
class RecordingSounds final : public RangeSounds {
  public:
    explicit RecordingSounds(std::vector<std::string>* log = nullptr) : log_(log) {}
    int ticks = 0;
    std::vector<std::string> played;
    int32_t volume = -1;  // none set yet

    void play(RangeSound sound) override {
        played.emplace_back(RangeSoundFile(sound));
        if (sound != RangeSound::ClickerTick) return;
        ++ticks;
        if (log_) log_->push_back("tick");
    }
    void playLater(RangeSound sound, int32_t afterMs) override {
        played.push_back(std::string(RangeSoundFile(sound)) + " after " + std::to_string(afterMs));
    }
    void setVolume(int32_t percent) override { volume = percent; }

  private:
    std::vector<std::string>* log_;
};
