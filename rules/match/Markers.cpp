#include "rules/match/Markers.h"

int32_t MarkerStyleAfter(MarkerButton button, int32_t style) {
    switch (button) {
        case MarkerButton::Down:
            if (style == 4) return 1;
            if (style == 3) return 2;
            break;
        case MarkerButton::Up:
            if (style == 1) return 4;
            if (style == 2) return 3;
            break;
        case MarkerButton::Right:
            if (style == 3) return 4;
            if (style == 2) return 1;
            break;
        case MarkerButton::Left:
            if (style == 4) return 3;
            if (style == 1) return 2;
            break;
    }
    return style;
}

Point MarkerHotSpot(int32_t style) {
    if (style < 1 || style > static_cast<int32_t>(kMarkerHotSpot.size())) return {};
    return kMarkerHotSpot[static_cast<std::size_t>(style - 1)];
}

std::string MarkerIconFile(int32_t style) {
    return "arrow" + std::to_string(style) + ".ico";
}

bool IsMarkerPlaced(int32_t number, Point topLeft) {
    return topLeft.x != kMarkerRest[static_cast<std::size_t>(number - 1)].x;
}
