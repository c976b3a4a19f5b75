#include <tuple>

#include "app/monitor_list.h"
#include "app/strings.h"
#include "monitor/model_table.h"
#include "tests/win/app/main_window_fixture.h"

TEST(MonitorLabels, AllFiveForms) {
    app().instance = GetModuleHandleW(nullptr);
    // The number, whether the maker is Tasowa, the name Windows gives, the model
    // read, and the label.
    const std::tuple<int, bool, const wchar_t*, const wchar_t*, const wchar_t*> cases[] = {
        {1, false, L"QRV G17 Studio", L"QRV G17", L"1. QRV G17 Studio"},
        {2, false, L"", L"QRV G17", L"2. QRVモニター (QRV G17)"},
        {3, false, L"", L"", L"3. QRVモニター (QRV2017)"},
        {4, true, L"", L"TSW L19A", L"4. Tasowaモニター (TSW L19A)"},
        {5, true, L"", L"", L"5. Tasowaモニター (TSW2017)"},
    };
    for (const auto& [number, tsw, windowsName, model, expected] : cases) {
        EXPECT_EQ(monitorLabel(number, tsw, windowsName, model, tsw ? L"TSW" : L"QRV", L"2017"),
                  expected);
    }
}

TEST(MonitorLabels, WindowsDeviceIdsMatchWithoutRegardToCase) {
    // A device identifier, a hardware identifier, and whether they match.
    const std::tuple<const wchar_t*, const wchar_t*, bool> cases[] = {
        {L"MONITOR\\QRV1205\\{4d36e96e-e325-11ce-bfc1-08002be10318}\\0001", L"QRV1205", true},
        {L"Monitor\\qrv1205\\0001", L"QRV1205", true},
        {L"MONITOR\\QRV1206\\0001", L"QRV1205", false},
        {L"MONITOR\\QRV120", L"QRV1205", false},  // too short
        {L"DISPLAY\\QRV1205\\0001", L"QRV1205", false},
        {L"", L"QRV1205", false},
        // The display configuration's device interface paths.
        {L"\\\\?\\DISPLAY#qrv1205#5&1#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}", L"QRV1205", true},
        {L"\\\\?\\DISPLAY#QRV1206#5&1", L"QRV1205", false},
        {L"\\\\?\\MONITOR#QRV1205#5&1", L"QRV1205", false},
    };
    for (const auto& [deviceId, hardwareId, matches] : cases) {
        EXPECT_EQ(deviceIdMatches(deviceId, hardwareId), matches) << deviceId;
    }
    // A generic driver's string, in any language, is not a monitor's name.
    const std::tuple<const wchar_t*, bool> names[] = {
        {L"Generic PnP Monitor", true},     {L"汎用 PnP モニター", true},
        {L"Generic Non-PnP Monitor", true}, {L"Moniteur PnP générique", true},
        {L"Plug and Play Monitor", true},   {L"", true},
        {L"QRV G17 Studio", false},         {L"TSW L19A", false},
    };
    for (const auto& [name, generic] : names) {
        EXPECT_EQ(isGenericMonitorName(name), generic) << static_cast<int>(name[0]);
    }
}

TEST(FormatText, TheStringTableFormats) {
    EXPECT_EQ(formatText(L"%1u. %s", {3LL, std::wstring(L"名前")}), L"3. 名前");
    EXPECT_EQ(formatText(L"Mode %i", {7LL}), L"Mode 7");
    EXPECT_EQ(formatText(L"%s%s", {std::wstring(L"QRV"), std::wstring(L"0A05")}), L"QRV0A05");
    EXPECT_EQ(formatText(L"%3i|%u%%", {5LL, -1LL}), L"  5|4294967295%");
    EXPECT_EQ(formatText(L"%s and %i", {}), L" and ");  // missing arguments print nothing
    EXPECT_EQ(formatText(L"%q %", {1LL}), L"%q %");
}

using MonitorPictureTest = MainWindowTest;

TEST_F(MonitorPictureTest, FollowsTheOpenMonitorsModel) {
    start("tsw-rich-caps,qrv-crt");
    EXPECT_EQ(app().monitorPictureNumber, monitorPictureFor(0x77525724));
    EXPECT_EQ(app().illustrationStyle, 2);  // a wide panel
    chooseRow(1);
    EXPECT_EQ(app().monitorPictureNumber, monitorPictureFor(0x56462017));
    EXPECT_EQ(app().illustrationStyle, 1);
    // The page shows the same bitmap.
    EXPECT_EQ(reinterpret_cast<HBITMAP>(
                  SendMessageW(pageControl(kCtlMonitorPicture), STM_GETIMAGE, IMAGE_BITMAP, 0)),
              app().monitorPicture);

    close();
    start("other-vendor");
    EXPECT_EQ(app().monitorPictureNumber, kDefaultMonitorPicture);
}

using MonitorListTest = MainWindowTest;

// An interface whose record says "leave out" and one whose information call
// fails are passed over without a single transfer; the others are reached
// with the library's fixed arguments.
TEST_F(MonitorListTest, SkipsFlaggedAndFailingInterfacesWithoutTouchingTheirBus) {
    start("qrv-crt:skip,no-such-monitor,tsw-lcd");
    const auto listed = rows();
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].second, 2);
    EXPECT_EQ(monitor().interfaceIndex(), 2);
    EXPECT_EQ(VeskolSimTransferCount(0), 0);
    EXPECT_EQ(VeskolSimTransferCount(1), 0);
    const int transfers = VeskolSimTransferCount(2);
    EXPECT_GT(transfers, 0);
    EXPECT_EQ(VeskolSimTransferParameterCount(2, 10000), transfers);

    int mode = 0, selector = 0;
    EXPECT_EQ(VeskolSimEnumerateCalls(&mode, &selector), 1);
    EXPECT_EQ(mode, 1);
    EXPECT_EQ(selector, 3);
}
