// What the pages remember across page switches (only one page exists at a
// time): the selected feature of each kind of page and the feature the undo
// menu acts on. Reset after every monitor change.
#pragma once

struct PageState {
    int brightnessSelection = 15;  // 14 brightness or 15 contrast
    int geometrySelection = -1;    // -1: the first feature of the list
    int otherSelection = -1;
    int currentFeature = -1;  // last feature adjusted on the colour pages
    int undoFeature = -1;
    int colourIllustration = -1;
};

PageState& pageState();

// After a monitor change: both grid selections -1, brightness selection 15.
void resetPageSelections();
