// The colour page, main tab "色あい調整": the monitor picture, the colour
// preset list, the colour reset button and an inner tab control whose tabs
// are the colour sub-panels (gain, bias, colour temperature, six-axis).
// One sub-panel exists at a time, a child dialog placed in the inner tab's
// display area. Hints use text base 3000.
#pragma once

#include "draw/gdi_handles.h"
#include "panels/adjustment_page.h"

class ColourPage : public AdjustmentPage {
  public:
    ColourPage() = default;
    ~ColourPage() override = default;

  protected:
    void onInit() override;
    void onRefresh() override;
    bool onCommand(int id, int notification) override;
    void onNotify(const NMHDR& header) override;
    void onClose() override;

  private:
    void createInnerTabs();
    void insertOfferedTabs();
    void rebuildFrame();
    void fillPresetList();
    void switchSubPanel(bool byUser);
    void rereadBeforeSwitch(int kind);
    void chooseColourIllustration();
    void onPresetListNotification(int notification);
    void onPresetChosen();
    void showPresetInEffect();
    void onResetColour();
    [[nodiscard]] int selectedKind() const;
    void answerTabTip(const NMHDR& header);

    HWND innerTabs_ = nullptr;
    HWND presetList_ = nullptr;
    HWND resetButton_ = nullptr;
    HWND subPanel_ = nullptr;
    HIMAGELIST tabImages_ = nullptr;
    ScopedBitmap resetBitmap_;
    bool presetChoicePending_ = false;  // chosen in the open list, switched when it closes
};
