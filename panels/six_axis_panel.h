// The six-axis colour sub-panel ("6軸色調整"): the hue wheel, on which the
// six hues are dragged around their axes and the saturation ring is
// dragged in and out, and one horizontal slider (619) for the selected
// feature with its percent text (618). The wheel is a static control whose
// window procedure the panel replaces while it exists.
#pragma once

#include <array>

#include "draw/gdi_handles.h"
#include "panels/colour_sub_panels.h"
#include "panels/hue_wheel.h"

class SixAxisPanel : public ColourSubPanel {
  public:
    SixAxisPanel() = default;
    ~SixAxisPanel() override = default;

    // Mouse messages of the wheel, before the static control's own handling.
    void onWheelMouse(UINT message, int x, int y);

  protected:
    void onInit() override;
    void onClose() override;
    void onUndo() override;
    bool onCommand(int id, int notification) override;
    void onScroll(HWND bar, int request, int thumb) override;
    void onContextMenu(HWND over, POINT at) override;
    bool onDrawItem(const DRAWITEMSTRUCT& item) override;
    HBRUSH sliderBrush(HWND bar) override;
    void rebuild() override;

  private:
    static LRESULT CALLBACK wheelProc(HWND wheel, UINT message, WPARAM wParam, LPARAM lParam);
    void evaluate();
    [[nodiscard]] WheelState wheelState();
    void rebuildSlider();
    void repaintWheel();
    void select(int feature);
    void grab(int x, int y);
    void dragTo(int x, int y);
    void hover(int x, int y);
    void endDrag();
    void showSelectedIllustration();

    HWND wheel_ = nullptr;
    WNDPROC previousWheelProc_ = nullptr;
    SliderRow row_{};
    std::array<ScopedBrush, 6> brushes_;
    bool saturationAdjustable_ = false;
    bool hueAdjustable_ = false;
    int selected_ = -1;  // the feature the slider and a drag act on; -1 none
    int hovered_ = kNoWheelItem;
    bool dragging_ = false;
    POINT grabPoint_{};  // where the drag started
    int grabValue_ = 0;  // the dragged feature's value then
};
