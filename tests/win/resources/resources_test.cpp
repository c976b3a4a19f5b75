// The resources as the program finds them at run time: linked into this test
// program exactly as into lumetra.exe and loaded through the Win32 calls
// the program uses.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>  // after windows.h, which it needs

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "draw/gdi_handles.h"
#include "resources/monitor_pictures.h"
#include "resources/resource_ids.h"
#include "tests/win/support/string_tables.h"

namespace {

HINSTANCE module() {
    return GetModuleHandleW(nullptr);
}

std::wstring loadString(int id) {
    const wchar_t* text = nullptr;
    int length = LoadStringW(module(), static_cast<UINT>(id), reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

// --- the string table -------------------------------------------------------

struct ExpectedString {
    int id;
    const wchar_t* text;
};

// A sample of every kind of string: plain and multi-line messages, full-
// width characters, quotes, trailing line breaks, the odd trailing letter,
// English texts and the texts of pages not built yet.
constexpr ExpectedString kSamples[] = {
    {109, L"&元に戻す"},
    {111, L"DDC/CIモニターが\n検出されません"},
    {117, L"モニターの設定を読み\nこんでいます。\nお待ち下さい。"},
    {115, L"Unable to Open I2C Driver Port"},
    {120, L"MS UI Gothic"},
    {125, L"ｓRGBモードの場合\nこれらのコントロールを\n使用できません。\n"},
    {128, L"%1u. Tasowaモニター (%s)"},
    {201, L"Lumetra for Windows"},
    {400, L"調整の内容をモニターに記憶させますか？"},
    {402,
     L"この操作によりすべての設定値が初期設定状態に戻ります。\nもし必要ならコントロールパネル内の\""
     L"キャンセル\"を選択することにより、操作を元に戻すことが出来ます。\n操作を続けますか？"},
    {502, L"画面サイズ、歪み調整"},
    {506, L"情報"},
    {521, L"キャンセル"},
    {525, L"&About..."},
    {533, L"Ｈａｌｏ Ｍｏｄｅ"},
    {552, L"色補正オフ"},
    {563, L"6軸色調整"},
    {603, L"黒"},
    {605, L"50%\u3000白"},
    {609, L"%ix%i 長方形画素"},
    {703, L"水平周波数範囲: %u - %u kHz\n"},
    {710, L"DDC/CIドライバ: %s\n"},
    {721, L"選択された項目の設定値"},
    {3196,
     L"サークルのサイズを変えて色の濃さを調整下さい。６個のドットをそれぞれ動かして色合いを調整下さ"
     L"い。"},
    {3616, L"緑のバイアス調整"},
    {3631, L"色温度（Ｋ）の調整"},
    {4001, L"画面サイズ調整"},
    {4015, L"コントラストの調整 (25%以下に下げるにはシフトキーを押しながら操作)"},
    {4051, L"モアレクリアの調整l"},
    {4062, L"Selects Vertical Moire Cancel"},
    {4069, L"色温度の調整"},
    {4102, L"選択された項目を調整します"},
    {5006,
     L"側面中央の位置の左右の糸巻歪がなくなるように\n調整します\n糸巻歪と糸巻歪バランスを調整後に調"
     L"整下さい"},
    {5028,
     L"赤を強くします。\n黒色の部分を見て慎重に調整して下さい。\n黒色の部分が無彩色（暗い灰色）でな"
     L"ければなりません\n黒のバランスをとる時のみ使用して下さい。\n必要に応じて明るさを調整して下さ"
     L"い。"},
    {5043, L"対角線がＳ字ではなくなるよう調整します\n上下の正方形が同じ高さになるように調整します"},
    {5062, L"Adjust to minimize any vertical moire patterns"},
    {5088, L"マジェンタの色相を調整します"},
    {6204, L"Ｈ文字（フォーカス評価）パターン"},
    {6216, L"テストパターンをオフする"},
    {6228, L"複合表示パターン"},
    {6231, L"どのように調整するかヘルプを表示l"},
};

TEST(StringTable, SampleTextsAreExact) {
    for (const ExpectedString& s : kSamples) {
        EXPECT_EQ(loadString(s.id), s.text) << "string " << s.id;
    }
}

// Every listed string is there, and nothing else is: an item, page control
// or pattern without a string shows no text (the flat-panel contrast hint
// 5020 must stay absent).
TEST(StringTable, HoldsExactlyTheListedStrings) {
    std::set<int> listed(std::begin(kStringIds), std::end(kStringIds));
    EXPECT_EQ(listed.size(), std::size(kStringIds)) << "an identifier is listed twice";
    for (int id = 0; id < 65536; ++id) {
        bool present = !loadString(id).empty();
        EXPECT_EQ(present, listed.count(id) == 1) << "string " << id;
    }
    EXPECT_TRUE(loadString(IDS_HINT_BASE + 20).empty());
}

TEST(StringTable, EveryPatternAndItsButtonHaveANameAndEveryTabATip) {
    for (int n = 1; n <= 28; ++n) {
        EXPECT_FALSE(loadString(patternNameString(n)).empty()) << "pattern " << n;
        EXPECT_EQ(loadString(kCtlPatternButtonBase + n + kTextBasePatterns),
                  loadString(patternNameString(n)));
    }
    for (int image : {0, 1, 2, 3, 4, 6}) {
        EXPECT_FALSE(loadString(kFirstTabTipString + image).empty()) << "tab image " << image;
    }
    for (int kind = 0; kind < 4; ++kind) {
        EXPECT_FALSE(loadString(kFirstColourTabTipString + kind).empty()) << "colour tab " << kind;
    }
}

// The strings with arguments are checked where the program formats them:
// the monitor list's labels, the information text, the preset and mode
// names of the pages and the test pattern's caption. The font height is
// read as a number.
TEST(StringTable, UiFontHeightReadsAsTwelve) {
    unsigned height = 0;
    EXPECT_EQ(swscanf(loadString(IDS_UI_FONT_HEIGHT).c_str(), L"%u", &height), 1);
    EXPECT_EQ(height, 12u);
}

// --- the English table beside the Japanese one --------------------------------

// The conversions of a format string as the program's formatter reads them
// ("%1u", "%3.1f", "%s"), in order; "%%" and a lone "%" are text.
std::vector<std::wstring> conversions(const std::wstring& text) {
    std::vector<std::wstring> found;
    for (size_t i = text.find(L'%'); i != std::wstring::npos; i = text.find(L'%', i + 1)) {
        size_t end = text.find_first_not_of(L"0123456789.", i + 1);
        if (end == std::wstring::npos) {
            break;
        }
        if (std::wstring_view(L"siduf").find(text[end]) != std::wstring_view::npos) {
            found.push_back(text.substr(i, end - i + 1));
        }
        i = text[end] == L'%' ? end : i;
    }
    return found;
}

bool holdsJapanese(const std::wstring& text) {
    return std::any_of(text.begin(), text.end(), [](wchar_t c) {
        return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF) ||
               (c >= 0xFF00 && c <= 0xFFEF);
    });
}

// Windows picks a whole table by the display language, so a number missing
// from one table would show nothing (or the other language) there.
TEST(StringTable, EnglishHoldsEveryNumberOfTheJapaneseAndNoOther) {
    for (int id = 0; id < 65536; ++id) {
        EXPECT_EQ(tableString(kEnglish, id).empty(), tableString(kJapanese, id).empty())
            << "string " << id;
    }
    EXPECT_EQ(tableString(kJapanese, IDS_HELP_FILE), L"Lumetra-JPN.chm");
    EXPECT_EQ(tableString(kEnglish, IDS_HELP_FILE), L"Lumetra-ENU.chm");
}

// The program formats both tables with the same arguments; only names the
// two editions share may keep Japanese letters in the English table.
TEST(StringTable, EnglishKeepsEachFormatAndHoldsNoJapanese) {
    EXPECT_EQ(conversions(L"%1u. a (%s%s) 25% %3.1f%% %i"),
              (std::vector<std::wstring>{L"%1u", L"%s", L"%s", L"%3.1f", L"%i"}));
    for (int id : kStringIds) {
        const std::wstring english = tableString(kEnglish, id);
        const std::wstring japanese = tableString(kJapanese, id);
        EXPECT_EQ(conversions(english), conversions(japanese)) << "string " << id;
        EXPECT_TRUE(english == japanese || !holdsJapanese(english)) << "string " << id;
    }
}

// The pages and the about box are laid out in the font of their edition,
// the one the main window's controls use too.
TEST(DialogTemplates, CarryTheInterfaceFontOfTheirLanguage) {
    for (LANGID language : {kJapanese, kEnglish}) {
        for (const wchar_t* name : {L"ScreenDlg", L"AboutDlg"}) {
            EXPECT_EQ(templateFont(language, name), tableString(language, IDS_UI_FONT_FACE))
                << name << " " << language;
        }
    }
    EXPECT_EQ(tableString(kJapanese, IDS_UI_FONT_FACE), L"MS UI Gothic");
}

// --- bitmaps ------------------------------------------------------------------

// A bitmap resource selected into a memory device context to read its pixels.
struct Bitmap {
    explicit Bitmap(int id)
        : handle(static_cast<HBITMAP>(
              LoadImageW(module(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))),
          select(dc.get(), handle.get()) {
        BITMAP info{};
        GetObjectW(handle.get(), sizeof info, &info);
        width = info.bmWidth;
        height = info.bmHeight;
    }
    COLORREF at(int x, int y) const { return GetPixel(dc.get(), x, y); }
    // Perceived lightness, 0..255.
    int luma(int x, int y) const {
        COLORREF c = at(x, y);
        return (299 * GetRValue(c) + 587 * GetGValue(c) + 114 * GetBValue(c)) / 1000;
    }

    ScopedBitmap handle;
    MemoryDc dc;
    ScopedSelectObject select;
    int width = 0;
    int height = 0;
};

constexpr COLORREF kGreyKey = RGB(192, 192, 192);
constexpr COLORREF kTabMask = RGB(0, 128, 128);  // 0x808000 as the program writes it
constexpr COLORREF kIllustrationBlue = RGB(0, 0, 127);

bool cornersAre(const Bitmap& b, COLORREF colour) {
    return b.at(0, 0) == colour && b.at(b.width - 1, 0) == colour &&
           b.at(0, b.height - 1) == colour && b.at(b.width - 1, b.height - 1) == colour;
}

TEST(Bitmaps, EveryListedBitmapLoadsAtItsSize) {
    for (const BitmapResource& r : kBitmaps) {
        Bitmap b(r.id);
        ASSERT_TRUE(b.handle) << "bitmap " << r.id;
        EXPECT_EQ(b.width, r.width) << "bitmap " << r.id;
        EXPECT_EQ(b.height, r.height) << "bitmap " << r.id;
    }
}

// Sizes the program's layout depends on, and the background colours the
// program replaces when it draws the bitmaps.
TEST(Bitmaps, FitTheirPlacesOnTheBackgroundsTheProgramReplaces) {
    // The illustration's caption frames and the maker's emblem, on its blue.
    for (int id = IDB_CAPTION_FIRST; id <= IDB_CAPTION_LAST; ++id) {
        Bitmap b(id);
        EXPECT_EQ(b.width, 127) << id;
        EXPECT_EQ(b.height, 13) << id;
        EXPECT_TRUE(cornersAre(b, kIllustrationBlue)) << id;
    }
    Bitmap emblem(IDB_MAKER_EMBLEM);
    EXPECT_EQ(emblem.width, 118);
    EXPECT_EQ(emblem.height, 50);
    EXPECT_TRUE(cornersAre(emblem, kIllustrationBlue));
    // Picture buttons are drawn in 37 x 37 buttons with a two-pixel frame;
    // the colour reset button is 37 x 24. They stand on the grey key.
    for (int id = IDB_RESET_BRIGHTNESS_CONTRAST; id <= IDB_CONTRAST; ++id) {
        Bitmap b(id);
        EXPECT_LE(b.width, 37 - 4) << id;
        EXPECT_LE(b.height, id == IDB_RESET_COLOUR ? 24 - 4 : 37 - 4) << id;
        EXPECT_TRUE(cornersAre(b, kGreyKey)) << id;
    }
    // The logo sits between the tab control's bottom edge and the test-
    // pattern box: at (10, 275), at most 40 pixels high.
    Bitmap logo(IDB_LOGO);
    EXPECT_LE(logo.height, 40);
    EXPECT_LE(logo.width, 360);
    EXPECT_TRUE(cornersAre(logo, kGreyKey));
}

// Each 15-pixel image of a tab strip has a transparent border and a picture;
// the strips hold an image for every tab.
TEST(Bitmaps, TabImagesAreMaskedAndNoneIsEmpty) {
    const struct {
        int id;
        int images;
    } strips[] = {{IDB_TAB_IMAGES, 7}, {IDB_COLOUR_TAB_IMAGES, 4}};
    for (const auto& strip : strips) {
        const int id = strip.id;
        Bitmap b(id);
        ASSERT_TRUE(b.handle);
        EXPECT_EQ(b.width % 15, 0) << id;
        EXPECT_GE(b.width / 15, strip.images) << id;
        for (int image = 0; image < b.width / 15; ++image) {
            int x0 = image * 15;
            EXPECT_EQ(b.at(x0, 0), kTabMask) << id << " image " << image;
            EXPECT_EQ(b.at(x0 + 14, b.height - 1), kTabMask) << id << " image " << image;
            int drawn = 0;
            for (int y = 0; y < b.height; ++y) {
                for (int x = x0; x < x0 + 15; ++x) {
                    drawn += b.at(x, y) != kTabMask;
                }
            }
            EXPECT_GT(drawn, 30) << id << " image " << image;
        }
    }
}

TEST(Bitmaps, CaptionFramesAnimate) {
    for (int id = IDB_CAPTION_FIRST; id < IDB_CAPTION_LAST; ++id) {
        Bitmap a(id), b(id + 1);
        int differing = 0;
        for (int y = 0; y < a.height; ++y) {
            for (int x = 0; x < a.width; ++x) {
                differing += a.at(x, y) != b.at(x, y);
            }
        }
        EXPECT_GT(differing, 20) << "frames " << id << " and " << id + 1;
    }
}

// The illustration plays in the picture's screen: the glass must fill the
// frame rectangle of the picture's layout exactly, so the glass is darker
// than the rim just around it everywhere. Around the monitor is the grey
// key the program replaces.
TEST(MonitorPictures, GlassFillsTheIllustrationFrameExactlyOnTheGreyKey) {
    struct Frame {
        int x, y, width, height;
    };
    const Frame layout1{22, 24, 134, 104}, layout2{9, 35, 160, 98};
    for (const MonitorPicture& p : kMonitorPictures) {
        bool wide = p.bitmapId == 1014 || p.bitmapId == 1026;
        EXPECT_EQ(p.layout, wide ? 2 : 1) << p.bitmapId;
        Frame f = wide ? layout2 : layout1;
        Bitmap b(p.bitmapId);
        ASSERT_EQ(b.width, 178);
        ASSERT_EQ(b.height, 178);
        EXPECT_TRUE(cornersAre(b, kGreyKey)) << p.bitmapId;
        int glassMax = 0;
        for (int y = f.y; y < f.y + f.height; ++y) {
            for (int x = f.x; x < f.x + f.width; ++x) {
                glassMax = std::max(glassMax, b.luma(x, y));
            }
        }
        int rimMin = 255;
        for (int x = f.x - 1; x <= f.x + f.width; ++x) {
            rimMin = std::min({rimMin, b.luma(x, f.y - 1), b.luma(x, f.y + f.height)});
        }
        for (int y = f.y - 1; y <= f.y + f.height; ++y) {
            rimMin = std::min({rimMin, b.luma(f.x - 1, y), b.luma(f.x + f.width, y)});
        }
        EXPECT_LT(glassMax, rimMin) << "monitor picture " << p.bitmapId;
    }
}

// --- icon, dialogs, version, manifest ----------------------------------------

TEST(Icon, LoadsAtEverySizeWindowsAsksFor) {
    for (int size : {16, 24, 32, 48, 256}) {
        HICON icon = static_cast<HICON>(LoadImageW(module(), kIconName, IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        GetObjectW(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
    EXPECT_NE(LoadIconW(module(), L"OrvelIcon"), nullptr);
}

INT_PTR CALLBACK plainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG || message == WM_COMMAND;
}

struct Parent {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 400, nullptr,
                                  nullptr, nullptr, nullptr);
    ~Parent() { DestroyWindow(window); }
};

TEST(Dialogs, PageTemplateIsAnEmptyHiddenChildThatLetsTheIllustrationPaintOverItsControls) {
    EXPECT_NE(FindResourceW(module(), L"ScreenDlg", reinterpret_cast<LPCWSTR>(RT_DIALOG)), nullptr);
    EXPECT_NE(FindResourceW(module(), L"SCREENDLG", reinterpret_cast<LPCWSTR>(RT_DIALOG)), nullptr);
    // The template names the pages' own class, which the main window
    // registers as a dialog class.
    WNDCLASSW pageClass{};
    pageClass.lpfnWndProc = DefDlgProcW;
    pageClass.cbWndExtra = DLGWINDOWEXTRA;
    pageClass.hInstance = module();
    pageClass.lpszClassName = L"ScreenDlg";
    RegisterClassW(&pageClass);
    Parent parent;
    HWND page = CreateDialogParamW(module(), kPageTemplate, parent.window, plainDialogProc, 0);
    ASSERT_NE(page, nullptr);
    wchar_t className[32] = {};
    GetClassNameW(page, className, 32);
    EXPECT_STREQ(className, L"ScreenDlg");
    LONG_PTR style = GetWindowLongPtrW(page, GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_FALSE(style & WS_VISIBLE) << "the shell shows the page once it is laid out";
    EXPECT_FALSE(style & WS_CLIPCHILDREN);
    EXPECT_TRUE(GetWindowLongPtrW(page, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
    EXPECT_EQ(GetWindow(page, GW_CHILD), nullptr);
    DestroyWindow(page);
}

// Its address's clicks are seen where the program shows the box.
TEST(Dialogs, AboutBoxHasItsControls) {
    Parent parent;
    HWND about = CreateDialogParamW(module(), kAboutTemplate, parent.window, plainDialogProc, 0);
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(GetWindowLongPtrW(about, GWL_STYLE) & WS_CAPTION);
    for (int id : {IDC_ABOUT_TEXT, IDC_ABOUT_VERSION, IDC_ABOUT_WEB_ADDRESS}) {
        HWND control = GetDlgItem(about, id);
        ASSERT_NE(control, nullptr) << id;
        wchar_t cls[32] = {};
        GetClassNameW(control, cls, 32);
        EXPECT_EQ(_wcsicmp(cls, L"Static"), 0) << id;
    }
    HWND ok = GetDlgItem(about, IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(GetWindowLongPtrW(ok, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    DestroyWindow(about);
}

std::wstring versionValue(const std::vector<BYTE>& data, const wchar_t* name) {
    std::wstring path = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
    wchar_t* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) ||
        !value) {
        return L"";
    }
    return value;
}

TEST(VersionInfo, AgreesWithTheStringTable) {
    wchar_t path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
    DWORD size = GetFileVersionInfoSizeW(path, nullptr);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), LUMETRA_VERSION_MAJOR);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), LUMETRA_VERSION_MINOR);
    EXPECT_EQ(HIWORD(fixed->dwFileVersionLS), LUMETRA_VERSION_BUILD);

    wchar_t version[64];
    _snwprintf(version, 64, L"V%d.%d.%d\n (%06d)", LUMETRA_VERSION_MAJOR, LUMETRA_VERSION_MINOR,
               LUMETRA_VERSION_BUILD, LUMETRA_VERSION_DATE);
    EXPECT_EQ(loadString(IDS_VERSION_TEXT), version);
    EXPECT_EQ(versionValue(data, L"CompanyName"), loadString(IDS_MAKER_NAME));
    EXPECT_EQ(versionValue(data, L"ProductName"), loadString(IDS_ABOUT_PRODUCT));
    EXPECT_EQ(versionValue(data, L"LegalCopyright"), loadString(IDS_ABOUT_LEGAL));
    EXPECT_NE(loadString(IDS_ILLUSTRATION_MAKER).find(loadString(IDS_MAKER_NAME)),
              std::wstring::npos);
    EXPECT_EQ(loadString(IDS_MAKER_WEB_ADDRESS).rfind(L"https://", 0), 0u);
}

// Version 6 comes from the side-by-side store; without the manifest the
// process gets the system directory's version 5.
TEST(Manifest, BringsVersion6OfTheCommonControls) {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&init));
    HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    wchar_t path[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameW(comctl, path, MAX_PATH), 0u);
    const std::wstring lower = CharLowerW(path);
    EXPECT_NE(lower.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6."),
              std::wstring::npos)
        << "comctl32 loaded from " << std::string(lower.begin(), lower.end());
}

}  // namespace
