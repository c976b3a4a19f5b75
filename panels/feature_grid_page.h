// The geometry page and the other-settings page: one page in two kinds. A
// grid of animated item buttons, one per feature the monitor can adjust,
// then buttons for one-shot commands (geometry reset, automatic geometry,
// automatic set-up; degauss, factory reset), a horizontal slider for the
// selected feature and, for position and size, a vertical slider for the
// vertical partner. The automatic commands first put their test pattern up
// and start a 400 ms timer, so the pattern is on screen before the monitor
// is busy.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "draw/gdi_handles.h"
#include "panels/adjustment_page.h"

class ItemButtonGroup;

enum class GridKind { geometry, other };

// How much the page of `kind` would offer the open monitor: its listed
// features plus its command buttons. The tab is present while it is above 0.
[[nodiscard]] int featureGridContent(GridKind kind);

class FeatureGridPage : public AdjustmentPage {
  public:
    static constexpr int kButtonSize = 37;

    explicit FeatureGridPage(GridKind kind);
    ~FeatureGridPage() override;

    // How many command buttons the page of `kind` offers the open `monitor`.
    [[nodiscard]] static int offeredCommands(GridKind kind, ActiveMonitor* monitor);

  protected:
    void onInit() override;
    void onRefresh() override;
    void onUndo() override;
    bool onCommand(int id, int notification) override;
    void onScroll(HWND bar, int request, int thumb) override;
    void onContextMenu(HWND over, POINT at) override;
    bool onDrawItem(const DRAWITEMSTRUCT& item) override;
    void onTick() override;
    void onTimer(UINT_PTR timer) override;
    void onClose() override;

  private:
    [[nodiscard]] int& selection() const;
    // The vertical partner of the selection whose slider is shown, or -1.
    [[nodiscard]] int secondAxis() const;
    void buildFeatureList();
    void keepSelectionListed();
    void createFeatureButtons();
    void moveTabStop();
    static LRESULT CALLBACK gridKeys(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR page);
    void stepSelection(HWND from, int step);
    void createCommandButtons();
    void removeCommandButtons();
    void rebuildSliders();
    void selectFeature(int feature);
    // The command buttons' actions (feature_grid_commands.cpp); false for
    // another control.
    bool runCommand(int id);
    [[nodiscard]] bool startCommand(int id);
    void dropQueuedClicks();
    void factoryReset();
    void startAutomatic(int id);
    void finishAutomatic(UINT_PTR timer);
    void restorePattern();
    void refreshAfterReload();
    [[nodiscard]] bool listed(int feature) const;
    [[nodiscard]] HBITMAP commandBitmap(int bitmapId);

    GridKind kind_;
    std::vector<int> features_;
    std::unique_ptr<ItemButtonGroup> buttons_;
    std::map<int, ScopedBitmap> bitmaps_;  // command pictures by resource
    SliderRow primary_;
    SliderRow secondary_;
    int cellCount_ = 0;
    UINT_PTR automaticTimer_ = 0;  // 0: no automatic command pending
    bool commandRunning_ = false;  // a command button's action is under way
    int rememberedPattern_ = -1;   // shown before it; -1: none was open
};
