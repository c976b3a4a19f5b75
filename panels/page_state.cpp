#include "panels/page_state.h"

PageState& pageState() {
    static PageState state;
    return state;
}

void resetPageSelections() {
    pageState().geometrySelection = -1;
    pageState().otherSelection = -1;
    pageState().brightnessSelection = 15;
}
