#include "panels/test_pattern_page.h"

#include "app/strings.h"
#include "draw/picture_button_group.h"
#include "patterns/pattern_window.h"
#include "patterns/pixels/pattern_geometry.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kButtonWidth = 40;
constexpr int kButtonHeight = 37;
constexpr int kFirstColumnX = 11;
constexpr int kColumnPitch = 48;
constexpr int kRowY[] = {50, 93, 136, 179};

// The pattern of each button, row by row, left to right (16: the button
// that closes the pattern).
constexpr int kButtonGrid[4][7] = {
    {16, 1, 2, 28, 23, 24, 5},
    {7, 8, 9, 10, 25, 26, 27},
    {11, 12, 13, 14, 15, 6, 17},
    {18, 19, 20, 3, 21, 22, 4},
};

constexpr int buttonOf(int pattern) {
    return kCtlPatternButtonBase + pattern;
}

}  // namespace

TestPatternPage::TestPatternPage() = default;

TestPatternPage::~TestPatternPage() = default;

void TestPatternPage::onInit() {
    createPatternButtons();
    createControl(L"BUTTON", loadString(IDS_PATTERN_GROUP).c_str(),
                  WS_CHILD | WS_VISIBLE | BS_GROUPBOX, kCtlPatternGroup, 2, 5, 345, 220);
    buttons_ = std::make_unique<PictureButtonGroup>();
    buttons_->attach(window());
    for (const auto& row : kButtonGrid) {
        for (int pattern : row) {
            (void)buttons_->addButton(buttonOf(pattern), patternButtonBitmap(pattern));
        }
    }
    selectShownPattern();
    createOptionBoxes();
    showOptions();
    attachPageHints(kTextBasePatterns);
}

void TestPatternPage::onRefresh() {
    selectShownPattern();
    showOptions();
    attachPageHints(kTextBasePatterns);
}

void TestPatternPage::onClose() {
    buttons_.reset();
}

void TestPatternPage::createPatternButtons() {
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 7; ++column) {
            createControl(L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW,
                          buttonOf(kButtonGrid[row][column]), kFirstColumnX + kColumnPitch * column,
                          kRowY[row], kButtonWidth, kButtonHeight);
        }
    }
}

void TestPatternPage::createOptionBoxes() {
    // The page toggles them itself, so they are plain check boxes.
    createControl(L"BUTTON", loadString(IDS_PATTERN_AUTO_CHOICE).c_str(),
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_CHECKBOX, kCtlPatternAutoChoice, 20, 20,
                  140, 25);
    createControl(L"BUTTON", loadString(IDS_PATTERN_SHOW_HINTS).c_str(),
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_CHECKBOX, kCtlPatternShowHints, 165, 20,
                  140, 25);
}

void TestPatternPage::showOptions() {
    const PatternOptions& options = patternOptions();
    CheckDlgButton(window(), kCtlPatternAutoChoice,
                   options.automaticChoice ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(window(), kCtlPatternShowHints, options.hints ? BST_CHECKED : BST_UNCHECKED);
    // Hints show only with automatic choice: their box is usable only then.
    EnableWindow(GetDlgItem(window(), kCtlPatternShowHints), options.automaticChoice);
}

void TestPatternPage::selectShownPattern() {
    buttons_->select(patternWindowOpen() ? buttonOf(currentPattern()) : kCtlPatternOff);
}

bool TestPatternPage::onCommand(int id, int notification) {
    if (notification != BN_CLICKED) {
        return false;
    }
    const int pattern = id - kCtlPatternButtonBase;
    if (id == kCtlPatternOff) {
        closePattern();
    } else if (pattern >= 1 && pattern <= kPatternCount) {
        choosePattern(pattern);
    } else if (id == kCtlPatternAutoChoice) {
        toggleOption(&PatternOptions::automaticChoice);
    } else if (id == kCtlPatternShowHints) {
        toggleOption(&PatternOptions::hints);
    } else {
        return false;
    }
    return true;
}

bool TestPatternPage::onDrawItem(const DRAWITEMSTRUCT& item) {
    return buttons_ && buttons_->drawItem(&item) == 0;
}

void TestPatternPage::choosePattern(int pattern) {
    if (HintedPatternWindow* shown = testPatternWindow()) {
        // A pattern chosen by hand shows no item's hint.
        shown->setAdjustedItem(-1);
        shown->selectPattern(pattern);
    } else {
        (void)showTestPattern(pattern);
        // The window came up in front of the hint window's tool tips.
        attachPageHints(kTextBasePatterns);
    }
    selectShownPattern();
}

void TestPatternPage::closePattern() {
    (void)showTestPattern(0);
    attachPageHints(kTextBasePatterns);
    selectShownPattern();
}

void TestPatternPage::toggleOption(bool PatternOptions::*option) {
    PatternOptions& options = patternOptions();
    options.*option = !(options.*option);
    showOptions();
    if (HintedPatternWindow* shown = testPatternWindow()) {
        // Either box sets the hints at once: with automatic choice off they
        // must not stay on the screen while their own box is disabled.
        shown->setHintsEnabled(options.hints && options.automaticChoice);
    } else if (options.*option) {
        choosePattern(1);  // turning an option on shows what it does
    }
}
