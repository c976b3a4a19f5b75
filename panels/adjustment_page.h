// AdjustmentPage: what every page of the main window's tab control shares.
// A page is a modeless child dialog built from an empty template; its
// controls are created in code when the dialog initialises. The dialog
// procedure finds the page object and forwards each message to a small
// handler. Shared pieces: the monitor picture, the slider row (scroll bar
// plus value text) with its stepping rules, the undo menu, the 200 ms
// illustration tick and the page commands 197 (picture), 199 (undo) and
// 200 (refresh).
#pragma once

#include <functional>

#include "panels/slider_stepping.h"
#include "platform/win32.h"

class ActiveMonitor;

// One slider row: a scroll bar and the value text under or beside it.
struct SliderRow {
    HWND bar = nullptr;
    HWND text = nullptr;
    bool vertical = true;
};

class AdjustmentPage {
  public:
    // Creates the page's dialog window; the page object belongs to the
    // window from then on (deleted when the window goes). Null on failure.
    static HWND create(AdjustmentPage* page, HWND parent, const wchar_t* templateName);

    virtual ~AdjustmentPage();
    AdjustmentPage(const AdjustmentPage&) = delete;
    AdjustmentPage& operator=(const AdjustmentPage&) = delete;

    [[nodiscard]] HWND window() const { return window_; }

  protected:
    AdjustmentPage() = default;

    // --- what each page implements ---
    virtual void onInit() = 0;          // create the controls and build
    virtual void onRefresh() = 0;       // command 200: rebuild from the monitor
    virtual void onUndo();              // command 199: after the feature was restored
    virtual void onPictureChanged() {}  // command 197: after control 198 got the new picture
    virtual bool onCommand(int id, int notification);
    virtual void onScroll(HWND bar, int request, int thumb);
    virtual void onContextMenu(HWND over, POINT at);
    virtual bool onDrawItem(const DRAWITEMSTRUCT& item);
    virtual void onTick();                 // timer 2
    virtual void onTimer(UINT_PTR timer);  // the page's other timers
    virtual void onClose();                // the window is being destroyed
    // A notification other than the hint tool tip's text request.
    virtual void onNotify(const NMHDR& header);
    // The brush of a coloured slider; null for the default colours.
    virtual HBRUSH sliderBrush(HWND bar);
    // What the undo menu acts on: whether `feature` can be undone, and
    // putting its baseline back.
    virtual bool canUndo(int feature);
    virtual void restoreUndone(int feature);

    // --- shared pieces ---
    [[nodiscard]] ActiveMonitor* monitor() const;
    [[nodiscard]] bool monitorOpen() const;
    [[nodiscard]] bool monitorBusy() const;

    // A child control with the shared font.
    HWND createControl(const wchar_t* windowClass, const wchar_t* text, DWORD style, int id, int x,
                       int y, int width, int height);
    // Control 198: the monitor picture at (188, 10).
    void createMonitorPicture();
    void showMonitorPicture();

    // The slider row: scroll bar `id` (25 x 140 vertical, 140 x 25
    // horizontal) and value text `textId` (40 x 15, centred).
    SliderRow createSlider(int id, int x, int y, bool vertical, int textId, int textX, int textY);
    // Range, bar position and value text of `feature` on the row.
    void showSliderValue(const SliderRow& row, int feature);
    void setSliderVisible(const SliderRow& row, bool visible);
    // Applies a scroll request to `feature`: the new value is limited by
    // `limit` (when given), written with setValue, and the bar and text
    // follow when the write succeeded. Returns the setValue result, or 1
    // when the request changes nothing.
    int stepFeature(const SliderRow& row, int feature, int request, int thumb,
                    const std::function<int(int)>& limit = nullptr);

    // The undo menu for `feature` at the pointer; the entry is enabled when
    // `feature` or its second-axis `partner` (when there is one) was changed.
    void showUndoMenu(int feature, POINT at, int partner = -1);

    // Registers every control of the page (and of its child dialogs) with a
    // new hint window whose texts are string id + `textBase`; the hints go
    // when the page goes.
    void attachPageHints(int textBase);

    // Shows illustration code `code` (a feature or a message) from the next
    // tick when it is not the one shown already (a slider moving on the same
    // feature keeps its animation playing).
    void chooseIllustration(int code);
    // Shows `code` afresh whatever was shown: a new capture of the screen,
    // played from the first frame. What a rebuild of the page's controls does.
    void restartIllustration(int code);
    void startIllustrationTimer();

  private:
    static INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    void handleCommand(int id, int notification);
    void handleScroll(HWND bar, int request, int thumb);

    HWND window_ = nullptr;
    HMENU undoMenu_ = nullptr;
};

// Grid cell k of the picture buttons: three columns 40 pixels apart, rows
// 40 pixels apart.
[[nodiscard]] POINT gridCell(int k);

// Timer 2 of every page: 200 ms illustration tick.
constexpr UINT_PTR kPageTimer = 2;
constexpr UINT kPageTimerMs = 200;
