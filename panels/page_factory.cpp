#include "panels/page_factory.h"

#include "panels/brightness_page.h"

HWND createPage(int tag, HWND tabControl, const wchar_t* templateName) {
    switch (tag) {
        default:  // the other pages join as they are built
            return AdjustmentPage::create(new BrightnessPage(), tabControl, templateName);
    }
}
