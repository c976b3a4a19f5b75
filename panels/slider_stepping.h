// How a scroll request on a slider becomes a new value. Vertical sliders
// show the value mirrored (the top is the maximum), horizontal ones do not.
// Every request is one write: no timer, no coalescing.
#pragma once

#include <optional>

constexpr int kPageStep = 16;

struct SliderRange {
    int minimum;
    int maximum;
};

// The new value for scroll request `request` (SB_LINEUP ... SB_ENDSCROLL,
// the numeric codes of WM_VSCROLL / WM_HSCROLL) on a feature with value
// `value`; `thumb` is the bar position of a thumb request. No value for
// SB_ENDSCROLL and unknown requests.
[[nodiscard]] std::optional<int> steppedValue(int request, int value, int thumb, SliderRange range,
                                              bool vertical, int pageStep = kPageStep);

// Bar position that shows `value` (mirrored on vertical sliders).
[[nodiscard]] int barPosition(int value, SliderRange range, bool vertical);
