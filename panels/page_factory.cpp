#include "panels/page_factory.h"

#include "app/tabs.h"
#include "panels/brightness_page.h"
#include "panels/colour_page.h"

HWND createPage(int tag, HWND tabControl, const wchar_t* templateName) {
    switch (tag) {
        case kTabColour:
            return AdjustmentPage::create(new ColourPage(), tabControl, templateName);
        default:  // the other pages join as they are built
            return AdjustmentPage::create(new BrightnessPage(), tabControl, templateName);
    }
}
