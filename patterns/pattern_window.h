// The full-screen test-pattern window. While the user adjusts a monitor,
// it covers that monitor's whole screen with a pattern that suits the item
// being adjusted, with the item's hint drawn over it; the main window
// becomes its child at the same place on the screen, so it floats above
// the pattern and keeps working, and goes back to being a top-level window
// when the pattern closes. There is at most one pattern window; the pages
// reach it through the free functions below. Everything runs on the
// user-interface thread.
//
// Uses the drawing library and the program's resources; what it needs of
// the shell (the main window, whether the open monitor is a flat panel)
// comes through PatternEnvironment, and the two options of the test-pattern
// page (automatic choice, hints) are kept here for the shell and the page.
#pragma once

#include <functional>

#include "patterns/pattern_painter.h"
#include "platform/win32.h"

struct PatternEnvironment {
    HWND mainWindow = nullptr;        // adopted while a pattern is shown
    std::function<bool()> flatPanel;  // the open monitor is a flat panel
    // A pattern window opened (true) or closed (false), whoever asked for
    // it: the shell keeps its test-pattern box in step.
    std::function<void(bool shown)> shownChanged;
};
void setPatternEnvironment(const PatternEnvironment& environment);

// The test-pattern page's options, both on at start-up and not kept
// between runs. Hints show only while automatic choice is on too.
struct PatternOptions {
    bool automaticChoice = true;
    bool hints = true;
};
[[nodiscard]] PatternOptions& patternOptions();

class PatternWindow {
  public:
    PatternWindow() = default;
    // Frees nothing: close with show(0) first.
    virtual ~PatternWindow() = default;
    PatternWindow(const PatternWindow&) = delete;
    PatternWindow& operator=(const PatternWindow&) = delete;

    // Shows pattern `n` (repainting at once); nothing when it is shown already.
    virtual int selectPattern(int n);
    // Draws the current pattern over the whole window.
    virtual int paint(HWND window, HDC dc, const RECT& update);
    // n ≠ 0: opens the window with pattern n over the monitor nearest the
    // main window and adopts the main window; 0: releases the main window
    // at its screen position and closes the window.
    virtual int show(int n);
    // Makes (true) or deletes (false) the pens.
    virtual void createTools(bool create);
    [[nodiscard]] virtual int currentPattern() const { return pattern_; }
    [[nodiscard]] virtual HWND windowHandle() const { return window_; }

  protected:
    // Repaints the pattern at once, everywhere but under the main window.
    void repaint();
    [[nodiscard]] const PatternPens& pens() const { return pens_; }

  private:
    HWND window_ = nullptr;
    PatternPens pens_;
    int pattern_ = 1;
};

// The pattern window the program makes: the pattern with the adjusted
// item's hint over it.
class HintedPatternWindow : public PatternWindow {
  public:
    ~HintedPatternWindow() override = default;
    int paint(HWND window, HDC dc, const RECT& update) override;
    // Each repaints when the value changes and a hint shows; both are
    // remembered in any case.
    virtual void setHintsEnabled(bool enabled);
    virtual void setAdjustedItem(int feature);
    // Notes `feature` and shows `pattern` (0: the one shown stays), with
    // one repaint at most, so the new hint never flashes over the old
    // pattern.
    void showItem(int feature, int pattern);
    // Draws the pattern again when a hint shows over it.
    void repaintHint();

    [[nodiscard]] bool hintsEnabled() const { return hints_; }
    [[nodiscard]] int adjustedItem() const { return feature_; }

  private:
    bool hints_ = false;
    int feature_ = 0;  // -1: none
};

// The pattern window, null while none is shown.
[[nodiscard]] HintedPatternWindow* testPatternWindow();

// The page is adjusting `feature`: the pattern window shows its hint and,
// with automatic choice on, the pattern that suits it. Nothing happens
// while no pattern is shown.
void noteAdjustedItem(int feature);

// Whether the hints are drawn as for a flat panel, as the shell recorded it.
[[nodiscard]] bool patternHintsForFlatPanel();

// The shell's record of the monitor changed: a hint shown is drawn again.
void repaintPatternHint();

// Whether a pattern window is open.
[[nodiscard]] bool patternWindowOpen();

// Closes the pattern window when one is open.
void closePatternWindow();

// Opens the pattern window with pattern `pattern` (1-28) when none is open
// (an open one keeps its pattern); 0 closes it. Returns 0, or -1 when the
// window can't be made.
int showTestPattern(int pattern);

// The pattern the open window shows; -1 when none is open.
[[nodiscard]] int currentPattern();

// Shows pattern `pattern` in the open window; nothing when none is open.
void selectPattern(int pattern);
