#include "panels/colour_sub_panels.h"

#include <algorithm>
#include <string>

#include "app/app_state.h"
#include "app/shared_utilities.h"
#include "draw/animated_illustration.h"
#include "monitor/active_monitor.h"
#include "panels/colour_availability.h"
#include "panels/page_state.h"
#include "patterns/pattern_window.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kCustomTemperature = 255;

// clang-format off
constexpr std::array<ColourChannel, 3> kGainChannels{{
    {kFeatureRedGain, 1, kCtlRedGain, kCtlRedGainValue, RGB(192, 0, 0)},
    {kFeatureGreenGain, 2, kCtlGreenGain, kCtlGreenGainValue, RGB(0, 192, 0)},
    {kFeatureBlueGain, 3, kCtlBlueGain, kCtlBlueGainValue, RGB(0, 0, 192)},
}};
constexpr std::array<ColourChannel, 3> kBiasChannels{{
    {kFeatureRedBias, 1, kCtlRedBias, kCtlRedBiasValue, RGB(63, 0, 0)},
    {kFeatureGreenBias, 2, kCtlGreenBias, kCtlGreenBiasValue, RGB(0, 63, 0)},
    {kFeatureBlueBias, 3, kCtlBlueBias, kCtlBlueBiasValue, RGB(0, 0, 63)},
}};
// clang-format on
constexpr int kGreenChannel = 1;

void setBar(HWND bar, int maximum, int position) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS;
    info.nMin = 0;
    info.nMax = std::max(0, maximum);
    info.nPos = position;
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
}

void enableRow(const SliderRow& row, bool enabled) {
    EnableWindow(row.bar, enabled);
    EnableWindow(row.text, enabled);
}

// The gain and bias sliders switch the illustration to their feature.
void showFeatureIllustration(int feature) {
    AnimatedIllustration* illustration = app().illustration;
    if (illustration && illustration->item() != feature) {
        illustration->freeFrames();
        illustration->setItem(feature);
    }
}

}  // namespace

std::wstring temperatureText(int maximum, int value, int base, int step) {
    if (value == kCustomTemperature && maximum > 0) {
        return L"Custom";
    }
    if (maximum <= 0 || step <= 0 || base <= 0) {
        return L"- K";
    }
    return std::to_wstring(base + value * step) + L"K";
}

// --- shared by the three panels ---

void ColourSubPanel::onRefresh() {
    rebuild();
}

void ColourSubPanel::onUndo() {
    rebuild();
}

void ColourSubPanel::onContextMenu(HWND, POINT at) {
    showUndoMenu(pageState().currentFeature, at);
}

// --- gain and bias ---

bool ChannelPanel::channelEnabled(int) {
    return true;
}

void ChannelPanel::onInit() {
    for (int i = 0; i < 3; ++i) {
        const ColourChannel& c = channels_[i];
        rows_[i] = createSlider(c.slider, 15 + 45 * i, 30, true, c.text, 7 + 45 * i, 175);
        brushes_[i].reset(CreateSolidBrush(c.brush));
    }
    pageState().currentFeature = channels_[0].feature;
    rebuild();
}

void ChannelPanel::showChannel(int channel, bool usable) {
    const ColourChannel& c = channels_[channel];
    const SliderRow& row = rows_[channel];
    const bool movable = usable && channelEnabled(channel);
    if (movable) {
        const int top = high(c);
        setBar(row.bar, top, top + low(c) - current(c));
    } else {
        setBar(row.bar, 0, 0);
    }
    wchar_t text[32] = L"";
    if (usable && channelShown(channel)) {
        formatPermille(permilleOf(c), text, 32);
    }
    SetWindowTextW(row.text, text);
    enableRow(row, movable);
}

void ChannelPanel::rebuild() {
    const bool usable = monitorOpen() && adjustable();
    for (int i = 0; i < 3; ++i) {
        showChannel(i, usable);
    }
}

void ChannelPanel::onScroll(HWND bar, int request, int thumb) {
    for (int i = 0; i < 3; ++i) {
        const ColourChannel& c = channels_[i];
        if (bar != rows_[i].bar || !monitorOpen() || !adjustable() || !channelEnabled(i)) {
            continue;
        }
        pageState().currentFeature = c.feature;
        showFeatureIllustration(c.feature);
        noteAdjustedItem(c.feature);
        const SliderRange range{low(c), high(c)};
        // The bar reports the thumb as an unsigned 16-bit position.
        const int position = static_cast<unsigned short>(thumb);
        if (std::optional<int> next = steppedValue(request, current(c), position, range, true)) {
            write(c, *next);
        }
        rebuild();
    }
}

HBRUSH ChannelPanel::sliderBrush(HWND bar) {
    for (int i = 0; i < 3; ++i) {
        if (bar == rows_[i].bar) {
            return brushes_[i].get();
        }
    }
    return nullptr;
}

GainPanel::GainPanel() : ChannelPanel(kGainChannels) {}

bool GainPanel::adjustable() {
    return monitor()->gainAvailability() == 2;
}

// In sRGB and in the native preset the maximum is 0, and a monitor may lack
// one gain: such a channel has no value to adjust or show, the others keep
// theirs.
bool GainPanel::channelEnabled(int channel) {
    return gainRanged(*monitor(), kGainChannels[channel].colour);
}

bool GainPanel::channelShown(int channel) {
    return channelEnabled(channel);
}

int GainPanel::low(const ColourChannel& c) {
    return monitor()->gainMinimum(c.colour);
}

int GainPanel::high(const ColourChannel& c) {
    return monitor()->gainMaximum(c.colour);
}

int GainPanel::current(const ColourChannel& c) {
    return monitor()->gain(c.colour);
}

int GainPanel::permilleOf(const ColourChannel& c) {
    return monitor()->gainPermille(c.colour);
}

void GainPanel::write(const ColourChannel& c, int value) {
    (void)monitor()->setGain(c.colour, value);
}

BiasPanel::BiasPanel() : ChannelPanel(kBiasChannels) {}

void BiasPanel::onInit() {
    shiftAtCreation_ = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    ChannelPanel::onInit();
}

bool BiasPanel::adjustable() {
    return monitor()->blackLevelAvailability() == 2;
}

bool BiasPanel::channelEnabled(int channel) {
    return (channel != kGreenChannel || shiftAtCreation_) &&
           monitor()->maximum(kBiasChannels[channel].feature) > 0;
}

int BiasPanel::low(const ColourChannel&) {
    return 0;
}

int BiasPanel::high(const ColourChannel& c) {
    return monitor()->maximum(c.feature);
}

int BiasPanel::current(const ColourChannel& c) {
    return monitor()->value(c.feature);
}

int BiasPanel::permilleOf(const ColourChannel& c) {
    return monitor()->permille(c.feature);
}

void BiasPanel::write(const ColourChannel& c, int value) {
    (void)monitor()->setValue(c.feature, value);
}

// --- colour temperature ---

void TemperaturePanel::onInit() {
    row_ = createSlider(kCtlTemperatureSlider, 60, 30, true, kCtlTemperatureValue, 52, 175);
    pageState().currentFeature = kFeatureColourTemperature;
    rebuild();
}

void TemperaturePanel::showValue() {
    ActiveMonitor* mon = monitor();
    const bool open = monitorOpen();
    const int maximum = open ? mon->colourTemperatureMaximum() : 0;
    const int value = open ? mon->colourTemperature() : 0;
    setBar(row_.bar, maximum, std::max(0, maximum - value));
    const std::wstring text =
        temperatureText(maximum, value, open ? mon->colourTemperatureBase() : 0,
                        open ? mon->colourTemperatureStep() : 0);
    SetWindowTextW(row_.text, text.c_str());
}

void TemperaturePanel::rebuild() {
    const bool usable = monitorOpen() && monitor()->colourTemperatureAvailability() >= 2 &&
                        monitor()->colourTemperatureMaximum() > 0;
    enableRow(row_, usable);
    showValue();
}

void TemperaturePanel::onScroll(HWND bar, int request, int thumb) {
    if (bar != row_.bar || !monitorOpen()) {
        return;
    }
    ActiveMonitor* mon = monitor();
    if (request == SB_ENDSCROLL) {
        rereadDue_ = true;  // the next scroll starts a new gesture
    } else if (rereadDue_ && mon->colourTemperatureMaximum() == kCustomTemperature) {
        // A full-range control may have moved on the monitor's own menu. The
        // re-read takes seconds of bus waits: once per gesture, not per step
        // of a dragged thumb.
        rereadDue_ = false;
        (void)mon->rereadColours();
        rebuild();
    }
    const int maximum = mon->colourTemperatureMaximum();
    if (mon->colourTemperatureAvailability() < 2 || maximum <= 0) {
        return;
    }
    const int position = static_cast<unsigned short>(thumb);
    if (std::optional<int> next =
            steppedValue(request, mon->colourTemperature(), position, {0, maximum}, true)) {
        (void)mon->setColourTemperature(*next);
    }
    showValue();
}

bool TemperaturePanel::canUndo(int) {
    return monitor()->isColourTemperatureChanged() == 1;
}

void TemperaturePanel::restoreUndone(int) {
    (void)monitor()->restoreColourTemperature();
}
