// The program on a display language other than Japanese (CTest runs this
// suite with an English locale): every window, page, sub-panel, message
// and the command line show the English table's texts, in its font.
#include <string>
#include <vector>

#include "app/strings.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "tests/win/app/main_window_fixture.h"
#include "tests/win/support/string_tables.h"

namespace {

constexpr int kContrast = 15;  // the contrast item, whose button has an undo menu

struct ShownText {
    int control;
    int string;
};

struct PageTexts {
    int tab;
    std::vector<ShownText> texts;
};

std::wstring faceOf(HWND window) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfFaceName;
}

class EnglishInterfaceTest : public MainWindowTest {
  protected:
    void SetUp() override {
        ASSERT_NE(PRIMARYLANGID(GetUserDefaultUILanguage()), LANG_JAPANESE)
            << "this suite needs a display language other than Japanese";
    }

    // The control shows English string `id`, which is not the Japanese one.
    static void expectEnglish(HWND control, int id) {
        EXPECT_NE(tableString(kEnglish, id), tableString(kJapanese, id)) << "string " << id;
        EXPECT_EQ(textOf(control), tableString(kEnglish, id)) << "string " << id;
    }

    // The texts of the rows of `combo` (the monitor list when null).
    std::vector<std::wstring> rowTexts(HWND combo = nullptr) const {
        std::vector<std::wstring> texts;
        for (const auto& row : rows(combo)) {
            texts.push_back(row.first);
        }
        return texts;
    }
};

struct CapturedOutput final : CommandOutput {
    std::vector<std::string> records;
    void record(std::string_view line) override { records.emplace_back(line); }
    void message(std::string_view) override {}
};

std::wstring aboutCaption, aboutFont;

void CALLBACK readAboutBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowW(L"#32770", nullptr);
    if (!dialog || GetWindowThreadProcessId(dialog, nullptr) != GetCurrentThreadId()) {
        return;  // not shown yet
    }
    KillTimer(nullptr, timer);
    wchar_t caption[64] = {};
    GetWindowTextW(dialog, caption, 64);
    aboutCaption = caption;
    aboutFont = faceOf(dialog);
    SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
}

}  // namespace

// The resource loader hands out the English table for every string.
TEST_F(EnglishInterfaceTest, EveryStringComesFromTheEnglishTable) {
    for (int id : kStringIds) {
        EXPECT_EQ(loadString(id), tableString(kEnglish, id)) << "string " << id;
    }
}

TEST_F(EnglishInterfaceTest, MainWindowPagesAndSubPanelsShowEnglish) {
    start("tsw-rich-caps,qrv-crt");
    expectEnglish(control(kMainTestPatternBox), IDS_SHOW_TEST_PATTERN);
    expectEnglish(control(kMainCancel), IDS_BUTTON_CANCEL);
    EXPECT_EQ(faceOf(control(kMainCancel)), L"Tahoma");
    EXPECT_EQ(rowTexts(), (std::vector<std::wstring>{L"1. Tasowa monitor (TSW W24)",
                                                     L"2. QRV monitor (QRV G17)"}));

    const PageTexts pages[] = {
        {kTabBrightness, {{kCtlModeOff, IDS_MODE_OFF}}},
        {kTabTestPattern,
         {{kCtlPatternGroup, IDS_PATTERN_GROUP},
          {kCtlPatternAutoChoice, IDS_PATTERN_AUTO_CHOICE},
          {kCtlPatternShowHints, IDS_PATTERN_SHOW_HINTS}}},
        {kTabInformation, {{kCtlHelpButton, IDS_HELP_BUTTON}}},
    };
    for (const PageTexts& p : pages) {
        showTab(p.tab);
        EXPECT_EQ(faceOf(page()), L"Tahoma") << "tab " << p.tab;
        for (const ShownText& t : p.texts) {
            expectEnglish(pageControl(t.control), t.string);
        }
    }
    showTab(kTabBrightness);
    EXPECT_EQ(textOf(pageControl(kCtlModeOff + 1)), L"Mode 1");

    showTab(kTabColour);
    EXPECT_EQ(rowTexts(pageControl(kCtlPresetList)),
              (std::vector<std::wstring>{L"sRGB", L"Colour 2", L"Colour 1", L"Custom"}));

    showTab(kTabInformation);
    const std::wstring information = textOf(pageControl(kCtlInformationText));
    for (const wchar_t* line : {L"Model: TSW W24", L"Serial number: ", L"Horizontal frequency: ",
                                L"Vertical range: ", L"Timing: ", L"Driver: ", L"Manufactured: "}) {
        EXPECT_NE(information.find(line), std::wstring::npos) << line;
    }
}

TEST_F(EnglishInterfaceTest, QuestionsMenusAndTheAboutBoxAreEnglish) {
    start("qrv-crt");
    std::wstring asked;
    app().ask = [&](HWND, const wchar_t* text, const wchar_t*, UINT) {
        asked = text;
        return IDNO;
    };
    showTab(kTabOther);
    pressOnPage(kCtlFactoryReset);
    EXPECT_EQ(asked, tableString(kEnglish, IDS_ASK_FACTORY_RESET));

    showTab(kTabBrightness);
    std::wstring undo;
    app().trackMenu = [&](HMENU menu, int, int, HWND) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, kCmdUndo, text, 64, MF_BYCOMMAND);
        undo = text;
    };
    SendMessageW(page(), WM_CONTEXTMENU,
                 reinterpret_cast<WPARAM>(pageControl(kCtlItemButtonBase + kContrast)),
                 MAKELPARAM(50, 50));
    pump();
    EXPECT_EQ(undo, tableString(kEnglish, IDS_MENU_UNDO));

    SetTimer(nullptr, 0, 10, readAboutBox);
    SendMessageW(window, WM_SYSCOMMAND, kSysMenuAbout, 0);  // returns once the box closed
    EXPECT_EQ(aboutCaption, L"About Lumetra");
    EXPECT_EQ(aboutFont, L"Tahoma");
}

// The command line's monitor labels come from the same table.
TEST_F(EnglishInterfaceTest, CommandLineListsMonitorsInEnglish) {
    ASSERT_EQ(VeskolSimConfigure("qrv-crt", "", ""), 0);
    app().instance = GetModuleHandleW(nullptr);
    Arguments parsed;
    std::string error;
    ASSERT_EQ(parseArguments({"/list"}, parsed, error), 0);
    CapturedOutput out;
    EXPECT_EQ(runCommand(parsed, out), 0);
    ASSERT_EQ(out.records.size(), 1u);
    EXPECT_EQ(out.records[0].substr(0, 27), "1\t1. QRV monitor (QRV G17)\t");
}
