#include "rules/match/Markers.h"
#include "rules/match/MatchEngine.h"

void MatchEngine::PlaceMarker(int32_t number, Point scopePoint) {
    if (number < 1 || number > kMarkerCount) return;
    const Point tip = MarkerHotSpot(state_.MarkerStyle);
    MoveMarker(number, {scopePoint.x - tip.x, scopePoint.y - tip.y});
}

void MatchEngine::ResetMarkers() {
    for (int32_t number = 1; number <= kMarkerCount; ++number) {
        MoveMarker(number, kMarkerRest[static_cast<std::size_t>(number - 1)]);
    }
}

void MatchEngine::LeftbutClick() {
    ClickMarkerButton(MarkerButton::Left);
}
void MatchEngine::UpbutClick() {
    ClickMarkerButton(MarkerButton::Up);
}
void MatchEngine::RightbutClick() {
    ClickMarkerButton(MarkerButton::Right);
}
void MatchEngine::DownbutClick() {
    ClickMarkerButton(MarkerButton::Down);
}

void MatchEngine::ClickMarkerButton(MarkerButton button) {
    const int32_t oldStyle = state_.MarkerStyle;
    const int32_t newStyle = MarkerStyleAfter(button, oldStyle);
    if (newStyle != oldStyle) ChangeMarkerStyle(newStyle, oldStyle);
}

void MatchEngine::ChangeMarkerStyle(int32_t newStyle, int32_t oldStyle) {
    // The icons first: if they cannot be read, the markers keep the icon their places fit.
    screen_.loadMarkerIcons(MarkerIconFile(newStyle));
    state_.MarkerStyle = newStyle;
    // Moving by the difference of the tips keeps each placed marker's tip on its hit.
    const Point from = MarkerHotSpot(oldStyle);
    const Point to = MarkerHotSpot(newStyle);
    for (int32_t number = 1; number <= kMarkerCount; ++number) {
        const Point at = state_.Markers[static_cast<std::size_t>(number - 1)];
        if (IsMarkerPlaced(number, at)) {
            MoveMarker(number, {at.x + from.x - to.x, at.y + from.y - to.y});
        }
    }
}
