// The information page, the main window's tab "情報": a text block about the
// selected monitor (model, serial number, manufacture date, timing,
// frequency ranges, timing memory number, DDC/CI driver), the monitor
// picture with the about illustration, and buttons for the maker's web page
// and the help file. No sliders and no undo menu.
#pragma once

#include "panels/adjustment_page.h"

class InformationPage : public AdjustmentPage {
  protected:
    void onInit() override;
    void onRefresh() override;
    bool onCommand(int id, int notification) override;
    void onPictureChanged() override;

  private:
    void rebuildText();
};
