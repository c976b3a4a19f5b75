#include "panels/slider_stepping.h"

#include <algorithm>

namespace {

// Scroll request codes (the same numbers for vertical and horizontal bars).
enum Request {
    kLineUp = 0,
    kLineDown = 1,
    kPageUp = 2,
    kPageDown = 3,
    kThumbPosition = 4,
    kThumbTrack = 5,
    kTop = 6,
    kBottom = 7,
};

}  // namespace

std::optional<int> steppedValue(int request, int value, int thumb, SliderRange range, bool vertical,
                                int pageStep) {
    // On a vertical slider "up" raises the value; on a horizontal one
    // "left" (the same code) lowers it.
    const int up = vertical ? 1 : -1;
    int next;
    switch (request) {
        case kLineUp:
            next = value + up;
            break;
        case kLineDown:
            next = value - up;
            break;
        case kPageUp:
            next = value + up * pageStep;
            break;
        case kPageDown:
            next = value - up * pageStep;
            break;
        case kThumbPosition:
        case kThumbTrack:
            next = vertical ? range.maximum + range.minimum - thumb : thumb;
            break;
        case kTop:
            next = vertical ? range.maximum : range.minimum;
            break;
        case kBottom:
            next = vertical ? range.minimum : range.maximum;
            break;
        default:
            return std::nullopt;
    }
    return std::clamp(next, range.minimum, std::max(range.minimum, range.maximum));
}

int barPosition(int value, SliderRange range, bool vertical) {
    return vertical ? range.maximum + range.minimum - value : value;
}
