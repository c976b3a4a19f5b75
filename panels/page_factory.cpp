#include "panels/page_factory.h"

#include "app/tabs.h"
#include "panels/brightness_page.h"
#include "panels/colour_page.h"
#include "panels/feature_grid_page.h"
#include "panels/information_page.h"
#include "panels/test_pattern_page.h"

HWND createPage(int tag, HWND tabControl, const wchar_t* templateName) {
    switch (tag) {
        case kTabColour:
            return AdjustmentPage::create(new ColourPage(), tabControl, templateName);
        case kTabGeometry:
            return AdjustmentPage::create(new FeatureGridPage(GridKind::geometry), tabControl,
                                          templateName);
        case kTabOther:
            return AdjustmentPage::create(new FeatureGridPage(GridKind::other), tabControl,
                                          templateName);
        case kTabTestPattern:
            return AdjustmentPage::create(new TestPatternPage(), tabControl, templateName);
        case kTabInformation:
            return AdjustmentPage::create(new InformationPage(), tabControl, templateName);
        default:  // the other pages join as they are built
            return AdjustmentPage::create(new BrightnessPage(), tabControl, templateName);
    }
}
