#include <string>
#include <vector>

#include "app/strings.h"
#include "app/tabs.h"
#include "draw/animated_illustration.h"
#include "panels/information_text.h"
#include "tests/win/app/main_window_fixture.h"
#include "veskol/sim/monitor_profile.h"

TEST(InformationText, LinesFollowWhatIsKnownOfTheMonitor) {
    MonitorInformation facts{.open = true,
                             .model = L"QRV G17",
                             .serial = L"A1234",
                             .year = 2009,
                             .week = 12,
                             .horizontalFrequency = 68.68,
                             .verticalFrequency = 85.0,
                             .minHorizontalRate = 30,
                             .maxHorizontalRate = 96,
                             .minVerticalRate = 48,
                             .maxVerticalRate = 160,
                             .statusByte = 0,
                             .driver = L"simulated bus"};
    EXPECT_EQ(informationText(facts),
              L"モデル: QRV G17\nシリアル番号: A1234\n製造年週: 2009 Week 12\n"
              L"水平周波数: 68.7 kHz\n垂直周波数: 85.0 Hz\n水平周波数範囲: 30 - 96 kHz\n"
              L"垂直周波数範囲: 48 - 160 Hz\nタイミング番号: プリセット 1\n"
              L"DDC/CIドライバ: simulated bus\n");

    // Frequencies not above 0 and an unread status byte leave their lines out.
    facts.horizontalFrequency = 0;
    facts.verticalFrequency = -1;
    facts.statusByte = -1;
    const std::wstring text = informationText(facts);
    for (const wchar_t* gone : {L"水平周波数: ", L"垂直周波数: ", L"タイミング番号"}) {
        EXPECT_EQ(text.find(gone), std::wstring::npos) << gone;
    }
    EXPECT_NE(text.find(L"水平周波数範囲: 30 - 96 kHz\n"), std::wstring::npos);

    // A week outside 1-54 (0: not given, 255: a model year) leaves the year
    // alone; range limits of 0 (none in the EDID) leave their line out.
    const std::pair<int, const wchar_t*> weeks[] = {{1, L"製造年週: 2009 Week 1\n"},
                                                    {54, L"製造年週: 2009 Week 54\n"},
                                                    {0, L"製造年: 2009\n"},
                                                    {55, L"製造年: 2009\n"},
                                                    {255, L"製造年: 2009\n"}};
    for (const auto& [week, expected] : weeks) {
        facts.week = week;
        EXPECT_NE(informationText(facts).find(expected), std::wstring::npos) << week;
    }
    facts.minHorizontalRate = facts.maxHorizontalRate = 0;
    EXPECT_EQ(informationText(facts).find(L"水平周波数範囲"), std::wstring::npos);
    EXPECT_NE(informationText(facts).find(L"垂直周波数範囲: 48 - 160 Hz\n"), std::wstring::npos);

    const std::pair<int, const wchar_t*> timings[] = {{0, L"プリセット 1"},
                                                      {127, L"プリセット 128"},
                                                      {128, L"ユーザ 1"},
                                                      {254, L"ユーザ 127"},
                                                      {255, L"未設定の信号"}};
    for (const auto& [status, expected] : timings) {
        EXPECT_EQ(timingMemoryText(status), expected) << status;
    }
}

using InformationPageTest = MainWindowTest;

TEST_F(InformationPageTest, DescribesTheOpenMonitorAndOpensTheWebPageAndTheHelp) {
    start("qrv-crt");
    showTab(kTabInformation);
    // What the simulated monitor is made of, not what the program decoded.
    const veskol::MonitorProfile& profile = *veskol::findProfile("qrv-crt");
    const std::wstring shown = textOf(pageControl(kCtlInformationText));
    EXPECT_EQ(shown.rfind(L"モデル: " + fromUtf8(profile.edid.modelName) + L"\n", 0), 0u) << shown;
    for (const std::wstring& line : {L"シリアル番号: " + fromUtf8(profile.edid.serialText),
                                     L"製造年週: " + std::to_wstring(profile.edid.year) +
                                         L" Week " + std::to_wstring(profile.edid.week),
                                     L"DDC/CIドライバ: " + fromUtf8(profile.driverName)}) {
        EXPECT_NE(shown.find(line + L"\n"), std::wstring::npos) << line << " in " << shown;
    }
    EXPECT_EQ(app().illustration->item(), kIllustrationAbout);
    EXPECT_EQ(textOf(pageControl(kCtlWebPageButton)), loadString(IDS_MAKER_NAME));
    EXPECT_EQ(textOf(pageControl(kCtlHelpButton)), L"ヘルプ");

    std::vector<std::wstring> opened, helped;
    app().openInShell = [&](HWND, const wchar_t* target) { opened.emplace_back(target); };
    app().showHelpFile = [&](HWND, const wchar_t* file) { helped.emplace_back(file); };
    pressOnPage(kCtlWebPageButton);
    pressOnPage(kCtlHelpButton);
    EXPECT_EQ(opened, std::vector<std::wstring>{loadString(IDS_MAKER_WEB_ADDRESS)});
    // The help file beside the program, whatever the working folder.
    wchar_t program[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameW(nullptr, program, MAX_PATH), 0u);
    std::wstring folder = program;
    folder.erase(folder.rfind(L'\\') + 1);
    EXPECT_EQ(helped, std::vector<std::wstring>{folder + L"Lumetra-JPN.chm"});
}

TEST_F(InformationPageTest, WithoutAMonitorOnlyTheLibraryIsNamed) {
    start("other-vendor");
    showTab(kTabInformation);
    EXPECT_EQ(textOf(pageControl(kCtlInformationText)),
              L"DDC/CIモニターが見つかりません\nDDC/CIドライバ: VESKOL\n");
}
