#pragma once

#include <cstdint>
#include <string>

#include "rules/formats/EncodedText.h"
#include "rules/match/EndClock.h"
#include "rules/match/Geometry.h"
#include "rules/match/PracticeSession.h"
#include "rules/match/WindFlag.h"

// The labels of the main window that the match fills.
enum class MatchLabel { PlName, Club, Vzdalenost, Celkem, SoucetSada, Sipylabel, SadaCount };

// Images of the main window that take a picture file.
enum class PictureSlot { Tercov, Nextarrow };

// How the match engine reaches the screen. The main window implements it with widgets; tests
// record the calls. Labels are cp1250 bytes, as the match state holds them; messages are the
// game's own texts in UTF-8; file names are bare names in the game folder.
class MatchScreen {
  public:
    virtual ~MatchScreen() = default;

    virtual void setLabel(MatchLabel label, const std::string& text) = 0;
    // Throws PictureError when the file cannot be loaded; the image then keeps its picture.
    virtual void loadPicture(PictureSlot slot, const std::string& fileName) = 0;
    // Loads one icon file into all six markers; throws PictureError like loadPicture.
    virtual void loadMarkerIcons(const std::string& fileName) = 0;

    virtual void moveSight(Point topLeft) = 0;
    virtual void moveDrawnArrow(int32_t left) = 0;
    virtual void moveMarker(int32_t number, Point topLeft) = 0;  // number 1..6
    virtual void setNextarrowEnabled(bool enabled) = 0;
    virtual void setTimerRunning(bool running) = 0;

    // Shows the results window modally and returns when it has been closed.
    virtual void showResults() = 0;
    virtual void showMessage(const Utf8Text& caption, const Utf8Text& text) = 0;

    // The end clock of a timed practice beside the board: the seconds left and the light.
    virtual void showEndClock(int32_t secondsLeft, ClockLight light) = 0;
    virtual void hideEndClock() = 0;
    // The flag beside the target and the wind's speed and direction under it; nothing in calm.
    virtual void showWind(const Wind& wind, const FlagPose& flag) = 0;
    virtual void hideWind() = 0;
    // Shows the summary of a practice session modally; true when the player asks for another
    // session with the same settings.
    virtual bool showPracticeSummary(const PracticeSession& session) = 0;
};

// A screen that shows nothing: a match before anything shows it, or one that is only timed.
class NullMatchScreen final : public MatchScreen {
  public:
    void setLabel(MatchLabel, const std::string&) override {}
    void loadPicture(PictureSlot, const std::string&) override {}
    void loadMarkerIcons(const std::string&) override {}
    void moveSight(Point) override {}
    void moveDrawnArrow(int32_t) override {}
    void moveMarker(int32_t, Point) override {}
    void setNextarrowEnabled(bool) override {}
    void setTimerRunning(bool) override {}
    void showResults() override {}
    void showMessage(const Utf8Text&, const Utf8Text&) override {}
    void showEndClock(int32_t, ClockLight) override {}
    void hideEndClock() override {}
    void showWind(const Wind&, const FlagPose&) override {}
    void hideWind() override {}
    bool showPracticeSummary(const PracticeSession&) override { return false; }
};
