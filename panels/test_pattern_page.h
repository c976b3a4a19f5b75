// The test-pattern page, the main window's tab "テストパターン": 28 picture
// buttons that open the full-screen pattern window with one pattern (or, in
// one case, close it), in a group box, and the two options of that window:
// automatic choice of the pattern for the item being adjusted, and hints
// drawn over the pattern (usable only while automatic choice is on). The
// pattern window lives on when the page goes. No sliders, no undo menu, no
// illustration.
#pragma once

#include <memory>

#include "panels/adjustment_page.h"
#include "patterns/pattern_window.h"

class PictureButtonGroup;

class TestPatternPage : public AdjustmentPage {
  public:
    TestPatternPage();
    ~TestPatternPage() override;

  protected:
    void onInit() override;
    void onRefresh() override;
    bool onCommand(int id, int notification) override;
    bool onDrawItem(const DRAWITEMSTRUCT& item) override;
    void onClose() override;

  private:
    void createPatternButtons();
    void createOptionBoxes();
    void showOptions();
    // Marks the button of the pattern shown, or the closing button.
    void selectShownPattern();
    void choosePattern(int pattern);
    void closePattern();
    // Boxes 230 and 231: flips the option; turning one on with no pattern
    // shown opens pattern 1.
    void toggleOption(bool PatternOptions::*option);

    std::unique_ptr<PictureButtonGroup> buttons_;
};
