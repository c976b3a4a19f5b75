#include "panels/information_text.h"

#include "app/strings.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kLastPresetTiming = 127;
constexpr int kUnsetTiming = 255;

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
    if (!facts.open) {
        text = loadString(IDS_NO_MONITOR_FOUND) + L"\n";
    } else {
        line(IDS_INFO_MODEL, {facts.model});
        line(IDS_INFO_SERIAL, {facts.serial});
        line(IDS_INFO_MANUFACTURED,
             {static_cast<long long>(facts.year), static_cast<long long>(facts.week)});
        if (facts.horizontalFrequency > 0) {
            line(IDS_INFO_H_FREQUENCY, {facts.horizontalFrequency});
        }
        if (facts.verticalFrequency > 0) {
            line(IDS_INFO_V_FREQUENCY, {facts.verticalFrequency});
        }
        line(IDS_INFO_H_RANGE, {static_cast<long long>(facts.minHorizontalRate),
                                static_cast<long long>(facts.maxHorizontalRate)});
        line(IDS_INFO_V_RANGE, {static_cast<long long>(facts.minVerticalRate),
                                static_cast<long long>(facts.maxVerticalRate)});
        if (facts.statusByte >= 0) {
            line(IDS_INFO_TIMING, {timingMemoryText(facts.statusByte)});
        }
    }
    line(IDS_INFO_DRIVER, {facts.driver});
    return text;
}
