// The gain, bias and colour-temperature sub-panels of the colour page:
// vertical sliders (mirrored, the top is the maximum) in the colours of
// their channels, their value texts and the undo menu for the colour
// feature last adjusted. Each rebuilds its sliders from the monitor object
// after every write, whatever the write returned.
#pragma once

#include <array>
#include <string>

#include "draw/gdi_handles.h"
#include "panels/adjustment_page.h"

// What the three colour sub-panels share: the undo menu anywhere on the
// panel for the current colour feature, refresh and undo rebuilding the
// panel with its enabled state.
class ColourSubPanel : public AdjustmentPage {
  protected:
    void onRefresh() override;
    void onUndo() override;
    void onContextMenu(HWND over, POINT at) override;
    void onTick() override {}  // the colour page plays the illustration

    // Sliders, texts and their enabled state from the monitor object.
    virtual void rebuild() = 0;
};

// One colour channel of the gain or bias panel.
struct ColourChannel {
    int feature;
    int colour;  // gain colour index (1 red, 2 green, 3 blue)
    int slider;
    int text;
    COLORREF brush;
};

// Red, green and blue sliders side by side.
class ChannelPanel : public ColourSubPanel {
  protected:
    explicit ChannelPanel(const std::array<ColourChannel, 3>& channels) : channels_(channels) {}

    void onInit() override;
    void onScroll(HWND bar, int request, int thumb) override;
    HBRUSH sliderBrush(HWND bar) override;
    void rebuild() override;

    [[nodiscard]] virtual bool adjustable() = 0;
    // Whether the channel's slider may be moved (adjustable panels only).
    [[nodiscard]] virtual bool channelEnabled(int channel);
    // Whether the channel's text shows its value (adjustable panels only).
    [[nodiscard]] virtual bool channelShown(int) { return true; }
    [[nodiscard]] virtual int low(const ColourChannel& c) = 0;
    [[nodiscard]] virtual int high(const ColourChannel& c) = 0;
    [[nodiscard]] virtual int current(const ColourChannel& c) = 0;
    [[nodiscard]] virtual int permilleOf(const ColourChannel& c) = 0;
    virtual void write(const ColourChannel& c, int value) = 0;

  private:
    void showChannel(int channel, bool adjustable);

    std::array<ColourChannel, 3> channels_;
    std::array<SliderRow, 3> rows_{};
    std::array<ScopedBrush, 3> brushes_;
};

class GainPanel : public ChannelPanel {
  public:
    GainPanel();

  protected:
    [[nodiscard]] bool adjustable() override;
    [[nodiscard]] bool channelEnabled(int channel) override;
    [[nodiscard]] bool channelShown(int channel) override;
    [[nodiscard]] int low(const ColourChannel& c) override;
    [[nodiscard]] int high(const ColourChannel& c) override;
    [[nodiscard]] int current(const ColourChannel& c) override;
    [[nodiscard]] int permilleOf(const ColourChannel& c) override;
    void write(const ColourChannel& c, int value) override;
};

// The green bias moves only when Shift was held while the panel opened: on
// these monitors green sets the black point the others follow.
class BiasPanel : public ChannelPanel {
  public:
    BiasPanel();

  protected:
    void onInit() override;
    [[nodiscard]] bool adjustable() override;
    [[nodiscard]] bool channelEnabled(int channel) override;
    [[nodiscard]] int low(const ColourChannel& c) override;
    [[nodiscard]] int high(const ColourChannel& c) override;
    [[nodiscard]] int current(const ColourChannel& c) override;
    [[nodiscard]] int permilleOf(const ColourChannel& c) override;
    void write(const ColourChannel& c, int value) override;

  private:
    bool shiftAtCreation_ = false;
};

// One slider for the colour temperature, its text in kelvins.
class TemperaturePanel : public ColourSubPanel {
  protected:
    void onInit() override;
    void onScroll(HWND bar, int request, int thumb) override;
    void rebuild() override;
    [[nodiscard]] bool canUndo(int feature) override;
    void restoreUndone(int feature) override;

  private:
    void showValue();

    SliderRow row_{};
    bool rereadDue_ = true;  // at the first scroll since the panel opened or the last gesture ended
};

// The colour temperature's text: "- K" without a usable scale, "Custom"
// for the monitor's custom setting (255), else base + value * step kelvins.
[[nodiscard]] std::wstring temperatureText(int maximum, int value, int base, int step);
