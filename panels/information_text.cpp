#include "panels/information_text.h"

#include "app/strings.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kLastPresetTiming = 127;
constexpr int kUnsetTiming = 255;

// Weeks of manufacture an EDID can give; others mean none.
constexpr int kFirstWeek = 1;
constexpr int kLastWeek = 54;

}  // namespace

std::wstring timingMemoryText(int statusByte) {
    if (statusByte <= kLastPresetTiming) {
        return formatText(loadString(IDS_INFO_TIMING_PRESET), {statusByte + 1LL});
    }
    if (statusByte < kUnsetTiming) {
        return formatText(loadString(IDS_INFO_TIMING_USER), {statusByte - 127LL});
    }
    return loadString(IDS_INFO_TIMING_UNSET);
}

std::wstring informationText(const MonitorInformation& facts) {
    std::wstring text;
    const auto line = [&](int format, std::initializer_list<TextArg> args) {
        text += formatText(loadString(format), args);
    };
    // An EDID without range limits gives 0 - 0: no line then.
    const auto rangeLine = [&](int format, int lowest, int highest) {
        if (lowest != 0 || highest != 0) {
            line(format, {static_cast<long long>(lowest), static_cast<long long>(highest)});
        }
    };
    if (!facts.open) {
        text = loadString(IDS_NO_MONITOR_FOUND) + L"\n";
    } else {
        line(IDS_INFO_MODEL, {facts.model});
        line(IDS_INFO_SERIAL, {facts.serial});
        // Week 0 is "not given" and 255 marks a model year: the year alone.
        if (facts.week >= kFirstWeek && facts.week <= kLastWeek) {
            line(IDS_INFO_MANUFACTURED,
                 {static_cast<long long>(facts.year), static_cast<long long>(facts.week)});
        } else {
            line(IDS_INFO_MANUFACTURED_YEAR, {static_cast<long long>(facts.year)});
        }
        if (facts.horizontalFrequency > 0) {
            line(IDS_INFO_H_FREQUENCY, {facts.horizontalFrequency});
        }
        if (facts.verticalFrequency > 0) {
            line(IDS_INFO_V_FREQUENCY, {facts.verticalFrequency});
        }
        rangeLine(IDS_INFO_H_RANGE, facts.minHorizontalRate, facts.maxHorizontalRate);
        rangeLine(IDS_INFO_V_RANGE, facts.minVerticalRate, facts.maxVerticalRate);
        if (facts.statusByte >= 0) {
            line(IDS_INFO_TIMING, {timingMemoryText(facts.statusByte)});
        }
    }
    line(IDS_INFO_DRIVER, {facts.driver});
    return text;
}
