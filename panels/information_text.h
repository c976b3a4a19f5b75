// The information page's text block: what the program knows about the
// selected monitor, one line each, from the string table's formats.
#pragma once

#include <string>

struct MonitorInformation {
    bool open = false;  // false: only the no-monitor line and the driver
    std::wstring model;
    std::wstring serial;
    int year = 0;
    int week = 0;                    // 1 to 54 printed with the year; otherwise the year alone
    double horizontalFrequency = 0;  // kHz; its line only when above 0
    double verticalFrequency = 0;    // Hz; likewise
    int minHorizontalRate = 0, maxHorizontalRate = 0;  // kHz; both 0: no line
    int minVerticalRate = 0, maxVerticalRate = 0;      // Hz; likewise
    int statusByte = -1;  // timing memory number; below 0: not read, no line
    std::wstring driver;
};

// The monitor's timing memory number as text: "プリセット n" for 0 to 127,
// "ユーザ n" for 128 to 254, "未設定の信号" for 255.
[[nodiscard]] std::wstring timingMemoryText(int statusByte);

// The whole text block, every line ending in a line break.
[[nodiscard]] std::wstring informationText(const MonitorInformation& facts);
