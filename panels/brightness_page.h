// The brightness and contrast page, first tab of the main window: two
// picture buttons (brightness, contrast) sharing one vertical slider, a
// button that returns both to their factory values, and on monitors that
// have it a radio group for the window-area mode (feature 95).
#pragma once

#include <memory>
#include <vector>

#include "panels/adjustment_page.h"

class PictureButtonGroup;

class BrightnessPage : public AdjustmentPage {
  public:
    BrightnessPage();
    ~BrightnessPage() override;

  protected:
    void onInit() override;
    void onRefresh() override;
    void onUndo() override;
    bool onCommand(int id, int notification) override;
    void onScroll(HWND bar, int request, int thumb) override;
    void onContextMenu(HWND over, POINT at) override;
    bool onDrawItem(const DRAWITEMSTRUCT& item) override;
    void onClose() override;

  private:
    void buildFeatureList();
    void createFeatureButtons();
    void rebuildSlider();
    void createResetButton();
    void removeResetButton();
    void createModeGroup();
    void removeModeGroup();
    void checkModeRadio();
    [[nodiscard]] POINT nextCell();
    [[nodiscard]] int contrastFloor(int value);

    std::vector<int> features_;
    std::unique_ptr<PictureButtonGroup> buttons_;
    SliderRow slider_;
    int cellCount_ = 0;
    HWND resetButton_ = nullptr;
    HBITMAP resetBitmap_ = nullptr;
};
