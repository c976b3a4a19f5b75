// Every identifier of Lumetra's resources, controls and strings, in one place.
//
// The first half is plain #defines because lumetra.rc includes this header
// too (the resource compiler defines RC_INVOKED and understands nothing but
// the preprocessor): string, bitmap and about-box identifiers, and the
// product version. The second half, for C++ only, names the identifiers that
// code alone uses (controls created at run time, page commands, text bases)
// as constexpr values, and lists every string and bitmap for the tests.
//
// Naming: IDS_ strings, IDB_ bitmaps, IDC_ controls of dialog templates,
// IDS_TIP_ the tool tip of an adjustable item (string 4000 + item),
// IDS_HINT_ its instruction drawn over the test pattern (5000 + item),
// IDS_PATTERN_ the name of a test pattern (6200 + pattern number, also the
// hint of its button), IDS_CTL_ the hint of a page control (control id +
// the page's text base). Constants for C++ are kCamelCase.
//
// Portable: no Windows headers, so the model table and the host tools may
// include it.
#pragma once

// ---------------------------------------------------------------------------
// Product data
#define LUMETRA_VERSION_MAJOR 1
#define LUMETRA_VERSION_MINOR 1
#define LUMETRA_VERSION_BUILD 27
#define LUMETRA_VERSION_DATE 100307  // build date code, yymmdd

// ---------------------------------------------------------------------------
// Strings: product, fonts, messages
#define IDS_MAKER_WEB_ADDRESS 102
#define IDS_MAKER_NAME 103
#define IDS_HELP_BUTTON 104
#define IDS_HELP_FILE 106
#define IDS_MENU_UNDO 109
#define IDS_MSG_NO_MONITOR_DETECTED 111
#define IDS_MSG_DRIVER_PORT 115
#define IDS_MSG_DLL_MISSING 116
#define IDS_MSG_READING_SETTINGS 117
#define IDS_MSG_NO_ANIMATION 118
#define IDS_UI_FONT_FACE 120
#define IDS_HINT_FONT_FACE 121
#define IDS_UI_FONT_HEIGHT 123
#define IDS_MSG_COLOUR_MODE_LOCKED 124
#define IDS_MSG_SRGB_LOCKED 125
#define IDS_LIST_QRV_MODEL 126  // "%1u. ...(%s)": number, model name
#define IDS_LIST_QRV_CODE 127   // number, vendor letters, product code
#define IDS_LIST_TSW_MODEL 128
#define IDS_LIST_TSW_CODE 129
#define IDS_ABOUT_PRODUCT 201
#define IDS_ABOUT_LEGAL 202
#define IDS_VERSION_TEXT 203
#define IDS_ILLUSTRATION_MAKER 204  // the maker's line of the about illustration

// Hints of page controls, text base 0 (brightness, grid and information pages)
#define IDS_CTL_DEGAUSS 301
#define IDS_CTL_RESET_GEOMETRY 303
#define IDS_CTL_FACTORY_RESET 304
#define IDS_CTL_AUTO_GEOMETRY 305
#define IDS_CTL_INFORMATION_TEXT 308
#define IDS_CTL_AUTO_SETUP 309
#define IDS_CTL_RESET_BRIGHTNESS_CONTRAST 310
#define IDS_CTL_PRIMARY_VALUE 720
#define IDS_CTL_SECONDARY_VALUE 721
#define IDS_CTL_PRIMARY_SLIDER 4101
#define IDS_CTL_SECONDARY_SLIDER 4102

// Questions and the empty monitor list
#define IDS_ASK_STORE_SETTINGS 400
#define IDS_NO_MONITOR_FOUND 401
#define IDS_ASK_FACTORY_RESET 402
#define IDS_STORE_FAILED 403  // OK or Yes, and the monitor did not store

// Main window: tab tool tips (500 + tab image), buttons, menu, check box
#define IDS_TAB_BRIGHTNESS 500
#define IDS_TAB_COLOUR 501
#define IDS_TAB_GEOMETRY 502
#define IDS_TAB_OTHER 503
#define IDS_TAB_TEST_PATTERN 504
#define IDS_TAB_INFORMATION 506
#define IDS_BUTTON_OK 520
#define IDS_BUTTON_CANCEL 521
#define IDS_PATTERN_AUTO_CHOICE 522
#define IDS_PATTERN_SHOW_HINTS 523
#define IDS_PATTERN_GROUP 524
#define IDS_MENU_ABOUT 525
#define IDS_SHOW_TEST_PATTERN 532

// Brightness page: the mode group
#define IDS_MODE_GROUP_HALO 533
#define IDS_MODE_OFF 534
#define IDS_MODE_ON 537
#define IDS_MODE_NUMBERED 538  // "Mode %i"
#define IDS_MODE_GROUP_VIVO 539

// Colour presets and the colour page's inner tabs (560 + sub-panel kind)
#define IDS_PRESET_NUMBERED 550  // "%i"
#define IDS_PRESET_SRGB 551
#define IDS_PRESET_NATIVE 552
#define IDS_PRESET_VIDEO 553
#define IDS_PRESET_CUSTOM 554
#define IDS_COLOURTAB_GAIN 560
#define IDS_COLOURTAB_BIAS 561
#define IDS_COLOURTAB_TEMPERATURE 562
#define IDS_COLOURTAB_SIX_AXIS 563

// Labels of the colour-and-greyscale test pattern
#define IDS_PATTERN_LABEL_RED 600
#define IDS_PATTERN_LABEL_GREEN 601
#define IDS_PATTERN_LABEL_BLUE 602
#define IDS_PATTERN_LABEL_BLACK 603
#define IDS_PATTERN_LABEL_WHITE_25 604
#define IDS_PATTERN_LABEL_WHITE_50 605
#define IDS_PATTERN_LABEL_WHITE_75 606
#define IDS_PATTERN_LABEL_WHITE_100 607
#define IDS_PATTERN_SQUARE_PIXELS 608  // "%ix%i": width, height
#define IDS_PATTERN_OBLONG_PIXELS 609

// Information page lines
#define IDS_INFO_MODEL 700
#define IDS_INFO_SERIAL 701
#define IDS_INFO_H_FREQUENCY 702
#define IDS_INFO_H_RANGE 703
#define IDS_INFO_V_FREQUENCY 704
#define IDS_INFO_V_RANGE 705
#define IDS_INFO_TIMING_PRESET 706  // "%u": status byte + 1
#define IDS_INFO_TIMING_USER 707    // "%u": status byte - 127
#define IDS_INFO_TIMING_UNSET 708
#define IDS_INFO_TIMING 709
#define IDS_INFO_DRIVER 710
#define IDS_INFO_MANUFACTURED 711
#define IDS_INFO_MANUFACTURED_YEAR 712  // the year alone: the week is not given

// Hints of the colour page and its sub-panels, text base 3000
#define IDS_CTL_HUE_WHEEL 3196
#define IDS_CTL_RED_GAIN 3603
#define IDS_CTL_GREEN_GAIN 3604
#define IDS_CTL_BLUE_GAIN 3605
#define IDS_CTL_RED_BIAS 3615
#define IDS_CTL_GREEN_BIAS 3616
#define IDS_CTL_BLUE_BIAS 3617
#define IDS_CTL_PRESET_LIST 3627
#define IDS_CTL_RESET_COLOUR 3628
#define IDS_CTL_TEMPERATURE_SLIDER 3630
#define IDS_CTL_TEMPERATURE_VALUE 3631

// Tool tips of adjustable items: 4000 + item
#define IDS_TIP_BASE 4000
#define IDS_TIP_POSITION 4000
#define IDS_TIP_SIZE 4001
#define IDS_TIP_CENTRE_PINCUSHION 4006
#define IDS_TIP_PINCUSHION 4007
#define IDS_TIP_TRAPEZOID 4008
#define IDS_TIP_PARALLELOGRAM 4009
#define IDS_TIP_PINCUSHION_BALANCE 4010
#define IDS_TIP_VERTICAL_LINEARITY 4011
#define IDS_TIP_ROTATION 4012
#define IDS_TIP_H_CONVERGENCE 4013
#define IDS_TIP_BRIGHTNESS 4014
#define IDS_TIP_CONTRAST 4015
#define IDS_TIP_CORNER_PINCUSHION 4040
#define IDS_TIP_CENTRE_PINCUSHION_BALANCE 4041
#define IDS_TIP_CORNER_PINCUSHION_BALANCE 4042
#define IDS_TIP_VERTICAL_LINEARITY_BALANCE 4043
#define IDS_TIP_V_CONVERGENCE 4044
#define IDS_TIP_TOP_PINCUSHION 4045
#define IDS_TIP_TOP_PINCUSHION_BALANCE 4046
#define IDS_TIP_PURITY 4048
#define IDS_TIP_BOTTOM_PINCUSHION 4049
#define IDS_TIP_BOTTOM_PINCUSHION_BALANCE 4050
#define IDS_TIP_MOIRE 4051
#define IDS_TIP_VERTICAL_MOIRE 4062
#define IDS_TIP_PURITY_TOP_RIGHT 4065
#define IDS_TIP_PURITY_TOP_LEFT 4066
#define IDS_TIP_PURITY_BOTTOM_RIGHT 4067
#define IDS_TIP_PURITY_BOTTOM_LEFT 4068
#define IDS_TIP_COLOUR_TEMPERATURE 4069
#define IDS_TIP_TOP_V_CONVERGENCE 4073
#define IDS_TIP_BOTTOM_V_CONVERGENCE 4074
#define IDS_TIP_LEFT_H_CONVERGENCE 4075
#define IDS_TIP_RIGHT_H_CONVERGENCE 4076
#define IDS_TIP_SATURATION 4081
#define IDS_TIP_SHARPNESS 4082

// Instructions drawn over the test pattern: 5000 + item. There is
// deliberately no 5020: on a flat panel the contrast item asks for it and
// shows arrows only.
#define IDS_HINT_BASE 5000
#define IDS_HINT_POSITION 5000
#define IDS_HINT_SIZE 5001
#define IDS_HINT_CENTRE_PINCUSHION 5006
#define IDS_HINT_PINCUSHION 5007
#define IDS_HINT_TRAPEZOID 5008
#define IDS_HINT_PARALLELOGRAM 5009
#define IDS_HINT_PINCUSHION_BALANCE 5010
#define IDS_HINT_VERTICAL_LINEARITY 5011
#define IDS_HINT_ROTATION 5012
#define IDS_HINT_H_CONVERGENCE 5013
#define IDS_HINT_BRIGHTNESS 5014
#define IDS_HINT_CONTRAST 5015
#define IDS_HINT_GREEN_GAIN 5016
#define IDS_HINT_BLUE_GAIN 5017
#define IDS_HINT_RED_GAIN 5018
#define IDS_HINT_GREEN_BIAS 5026
#define IDS_HINT_BLUE_BIAS 5027
#define IDS_HINT_RED_BIAS 5028
#define IDS_HINT_CORNER_PINCUSHION 5040
#define IDS_HINT_CENTRE_PINCUSHION_BALANCE 5041
#define IDS_HINT_CORNER_PINCUSHION_BALANCE 5042
#define IDS_HINT_VERTICAL_LINEARITY_BALANCE 5043
#define IDS_HINT_V_CONVERGENCE 5044
#define IDS_HINT_TOP_PINCUSHION 5045
#define IDS_HINT_TOP_PINCUSHION_BALANCE 5046
#define IDS_HINT_PURITY 5048
#define IDS_HINT_BOTTOM_PINCUSHION 5049
#define IDS_HINT_BOTTOM_PINCUSHION_BALANCE 5050
#define IDS_HINT_MOIRE 5051
#define IDS_HINT_VERTICAL_MOIRE 5062
#define IDS_HINT_PURITY_TOP_RIGHT 5065
#define IDS_HINT_PURITY_TOP_LEFT 5066
#define IDS_HINT_PURITY_BOTTOM_RIGHT 5067
#define IDS_HINT_PURITY_BOTTOM_LEFT 5068
#define IDS_HINT_COLOUR_TEMPERATURE 5069
#define IDS_HINT_TOP_V_CONVERGENCE 5073
#define IDS_HINT_BOTTOM_V_CONVERGENCE 5074
#define IDS_HINT_LEFT_H_CONVERGENCE 5075
#define IDS_HINT_RIGHT_H_CONVERGENCE 5076
#define IDS_HINT_SATURATION 5081
#define IDS_HINT_SHARPNESS 5082
#define IDS_HINT_RED_HUE 5083
#define IDS_HINT_YELLOW_HUE 5084
#define IDS_HINT_GREEN_HUE 5085
#define IDS_HINT_CYAN_HUE 5086
#define IDS_HINT_BLUE_HUE 5087
#define IDS_HINT_MAGENTA_HUE 5088

// Test-pattern names: 6200 + pattern number; also the hints of the pattern
// buttons 200 + n on the test-pattern page (text base 6000)
#define IDS_PATTERN_BASE 6200
#define IDS_PATTERN_CROSSHATCH 6201
#define IDS_PATTERN_CROSSHATCH_INVERTED 6202
#define IDS_PATTERN_CONVERGENCE 6203
#define IDS_PATTERN_FOCUS 6204
#define IDS_PATTERN_COLOUR_RAMPS 6205
#define IDS_PATTERN_BLACK 6206
#define IDS_PATTERN_RED 6207
#define IDS_PATTERN_GREEN 6208
#define IDS_PATTERN_BLUE 6209
#define IDS_PATTERN_WHITE 6210
#define IDS_PATTERN_GREEN_PATCH 6211
#define IDS_PATTERN_WHITE_PATCH 6212
#define IDS_PATTERN_BLACK_PATCH 6213
#define IDS_PATTERN_TOP_BOTTOM_OUTLINE 6214
#define IDS_PATTERN_OUTLINE 6215
#define IDS_PATTERN_OFF 6216
#define IDS_PATTERN_MOIRE 6217
#define IDS_PATTERN_TEXT 6218
#define IDS_PATTERN_MEDIUM_CHECKERBOARD 6219
#define IDS_PATTERN_SMALL_CHECKERBOARD 6220
#define IDS_PATTERN_V_CONVERGENCE 6221
#define IDS_PATTERN_H_CONVERGENCE 6222
#define IDS_PATTERN_COLOUR_GREYSCALE 6223
#define IDS_PATTERN_COLOUR_GREYSCALE_INVERTED 6224
#define IDS_PATTERN_YELLOW 6225
#define IDS_PATTERN_MAGENTA 6226
#define IDS_PATTERN_CYAN 6227
#define IDS_PATTERN_COMPOSITE 6228
#define IDS_CTL_PATTERN_AUTO_CHOICE 6230
#define IDS_CTL_PATTERN_SHOW_HINTS 6231

// ---------------------------------------------------------------------------
// Bitmaps. Pictures shown on buttons and the logo have a light-grey
// RGB(192,192,192) background that the program replaces with the button
// face colour; tab images have the mask colour RGB(0,128,128).
#define IDB_RESET_BRIGHTNESS_CONTRAST 244
#define IDB_RESET_GEOMETRY 245
#define IDB_AUTO_ADJUST 246  // automatic geometry and automatic set-up
#define IDB_RESET_COLOUR 247
#define IDB_FACTORY_RESET 248
#define IDB_DEGAUSS 249
#define IDB_BRIGHTNESS 250
#define IDB_CONTRAST 251
// Sprite strips of the item buttons: seven 16 x 16 animation frames side
// by side, each the top-left quarter of the item's picture
#define IDB_SPRITE_PINCUSHION 2000
#define IDB_SPRITE_CENTRE_PINCUSHION 2001
#define IDB_SPRITE_CORNER_PINCUSHION 2002
#define IDB_SPRITE_ROTATION 2003
#define IDB_SPRITE_V_CONVERGENCE 2004
#define IDB_SPRITE_H_CONVERGENCE 2005
#define IDB_SPRITE_LINEARITY 2006
#define IDB_SPRITE_PURITY 2008
#define IDB_SPRITE_MOIRE 2009
#define IDB_SPRITE_LINEARITY_BALANCE 2010
#define IDB_SPRITE_SIZE 2011
#define IDB_SPRITE_POSITION 2012
#define IDB_SPRITE_EDGE_V_CONVERGENCE 2013
#define IDB_SPRITE_EDGE_H_CONVERGENCE 2014
#define IDB_SPRITE_SHARPNESS 2015
#define IDB_SPRITE_VERTICAL_MOIRE 2016
#define IDB_CAPTION_FIRST 910  // eight animation frames 910..917 of the
#define IDB_CAPTION_LAST 917   // caption strip under illustration messages
#define IDB_MAKER_EMBLEM 920
#define IDB_LOGO 930
#define IDB_TAB_IMAGES 1500
#define IDB_COLOUR_TAB_IMAGES 1501
// Small drawings of the 28 test patterns on the test-pattern page's
// buttons, 1100..1127 (which drawing shows which pattern:
// patternButtonBitmap below)
#define IDB_PATTERN_BUTTON_FIRST 1100
#define IDB_PATTERN_BUTTON_LAST 1127

// Monitor pictures (178 x 178); resources/monitor_pictures.h says which is
// a cathode-ray tube, which a flat panel, and where each one's screen is.
#define IDB_MONITOR_CRT_IVORY_COMPACT 1002
#define IDB_MONITOR_CRT_IVORY_17 1003  // shown before any monitor is known
#define IDB_MONITOR_CRT_GRAPHITE_FLAT 1004
#define IDB_MONITOR_CRT_BLACK_19 1005
#define IDB_MONITOR_CRT_GREY_ROUNDED 1006
#define IDB_MONITOR_CRT_IVORY_21 1007
#define IDB_MONITOR_CRT_SILVER_TWO_TONE 1008
#define IDB_MONITOR_CRT_PEARL 1009
#define IDB_MONITOR_CRT_HOODED 1010
#define IDB_MONITOR_CRT_BEIGE_CLASSIC 1011
#define IDB_MONITOR_CRT_MIDNIGHT 1012
#define IDB_MONITOR_LCD_SILVER_ROUND_FOOT 1013
#define IDB_MONITOR_LCD_WIDE_BLACK 1014
#define IDB_MONITOR_LCD_BLACK_COLUMN 1015
#define IDB_MONITOR_LCD_WHITE_ARC 1016
#define IDB_MONITOR_LCD_SILVER_SQUARE_FOOT 1017
#define IDB_MONITOR_LCD_SPEAKERS 1018
#define IDB_MONITOR_LCD_GRAPHITE_HOODED 1019
#define IDB_MONITOR_LCD_IVORY 1020
#define IDB_MONITOR_DEFAULT 1021  // unknown model, or no monitor open
#define IDB_MONITOR_LCD_GLOSS_BLACK 1024
#define IDB_MONITOR_LCD_ALUMINIUM 1025
#define IDB_MONITOR_LCD_WIDE_SILVER 1026

// ---------------------------------------------------------------------------
// Controls of the about box template
#define IDC_ABOUT_VERSION 118
#define IDC_ABOUT_WEB_ADDRESS 119  // notifies a click: opens the address
#define IDC_ABOUT_TEXT 130

#ifndef RC_INVOKED

// ---------------------------------------------------------------------------
// The named resources. The resource compiler stores names in capitals and
// lookups ignore case, so the page template answers to "ScreenDlg" and to
// "SCREENDLG" alike.
inline constexpr const wchar_t* kIconName = L"OrvelIcon";
inline constexpr const wchar_t* kPageTemplate = L"ScreenDlg";
inline constexpr const wchar_t* kAboutTemplate = L"AboutDlg";

// Text bases: a page control's hint is string (control id + text base).
inline constexpr int kTextBaseMain = 0;
inline constexpr int kTextBaseColour = 3000;
inline constexpr int kTextBasePatterns = 6000;

// String of an adjustable item's tool tip, its pattern instruction, and a
// test pattern's name.
constexpr int itemTipString(int item) {
    return IDS_TIP_BASE + item;
}
constexpr int itemHintString(int item) {
    return IDS_HINT_BASE + item;
}
constexpr int patternNameString(int pattern) {
    return IDS_PATTERN_BASE + pattern;
}
inline constexpr int kFirstTabTipString = IDS_TAB_BRIGHTNESS;        // + tab image
inline constexpr int kFirstColourTabTipString = IDS_COLOURTAB_GAIN;  // + sub-panel kind

// Main window
inline constexpr int kMainTabControl = 100;
inline constexpr int kMainTestPatternBox = 233;
inline constexpr int kMainOk = 304;
inline constexpr int kMainCancel = 305;
inline constexpr int kMainMonitorList = 306;
inline constexpr int kMainLogo = 307;
inline constexpr int kSysMenuAbout = 100;  // system-menu item

// Commands every page understands
inline constexpr int kCmdPictureChanged = 197;
inline constexpr int kCmdUndo = 199;
inline constexpr int kCmdRefresh = 200;

// Controls shared by the pages
inline constexpr int kCtlMonitorPicture = 198;
inline constexpr int kCtlItemButtonBase = 4000;  // + item
inline constexpr int kCtlPrimarySlider = 4101;
inline constexpr int kCtlSecondarySlider = 4102;
inline constexpr int kCtlPrimaryValue = 720;
inline constexpr int kCtlSecondaryValue = 721;

// Brightness page
inline constexpr int kCtlResetBrightnessContrast = 310;
inline constexpr int kCtlModeGroup = 234;
inline constexpr int kCtlModeOff = 235;   // radios 235 + mode value,
inline constexpr int kCtlModeLast = 242;  // up to seven numbered modes

// Geometry and other-settings pages: command buttons
inline constexpr int kCtlDegauss = 301;
inline constexpr int kCtlResetGeometry = 303;
inline constexpr int kCtlFactoryReset = 304;
inline constexpr int kCtlAutoGeometry = 305;
inline constexpr int kCtlAutoSetup = 309;

// Colour page and its sub-panels
inline constexpr int kCtlColourTabs = 100;
inline constexpr int kCtlHueWheel = 196;
inline constexpr int kCtlRedGain = 603;
inline constexpr int kCtlGreenGain = 604;
inline constexpr int kCtlBlueGain = 605;
inline constexpr int kCtlRedGainValue = 606;
inline constexpr int kCtlGreenGainValue = 607;
inline constexpr int kCtlBlueGainValue = 608;
inline constexpr int kCtlRedBiasValue = 612;
inline constexpr int kCtlGreenBiasValue = 613;
inline constexpr int kCtlBlueBiasValue = 614;
inline constexpr int kCtlRedBias = 615;
inline constexpr int kCtlGreenBias = 616;
inline constexpr int kCtlBlueBias = 617;
inline constexpr int kCtlSixAxisValue = 618;
inline constexpr int kCtlSixAxisSlider = 619;
inline constexpr int kCtlPresetList = 627;
inline constexpr int kCtlResetColour = 628;
inline constexpr int kCtlTemperatureSlider = 630;
inline constexpr int kCtlTemperatureValue = 631;

// Information page
inline constexpr int kCtlInformationText = 308;
inline constexpr int kCtlWebPageButton = 306;
inline constexpr int kCtlHelpButton = 307;

// Test-pattern page
inline constexpr int kCtlPatternButtonBase = 200;  // + pattern number
inline constexpr int kCtlPatternOff = 216;
inline constexpr int kCtlPatternAutoChoice = 230;
inline constexpr int kCtlPatternShowHints = 231;
inline constexpr int kCtlPatternGroup = 232;

// ---------------------------------------------------------------------------
// Every string of the table, in ascending order.
// clang-format off
inline constexpr int kStringIds[] = {
    IDS_MAKER_WEB_ADDRESS, IDS_MAKER_NAME, IDS_HELP_BUTTON, IDS_HELP_FILE, IDS_MENU_UNDO,
    IDS_MSG_NO_MONITOR_DETECTED, IDS_MSG_DRIVER_PORT, IDS_MSG_DLL_MISSING,
    IDS_MSG_READING_SETTINGS, IDS_MSG_NO_ANIMATION, IDS_UI_FONT_FACE, IDS_HINT_FONT_FACE,
    IDS_UI_FONT_HEIGHT, IDS_MSG_COLOUR_MODE_LOCKED, IDS_MSG_SRGB_LOCKED, IDS_LIST_QRV_MODEL,
    IDS_LIST_QRV_CODE, IDS_LIST_TSW_MODEL, IDS_LIST_TSW_CODE, IDS_ABOUT_PRODUCT,
    IDS_ABOUT_LEGAL, IDS_VERSION_TEXT, IDS_ILLUSTRATION_MAKER,
    IDS_CTL_DEGAUSS, IDS_CTL_RESET_GEOMETRY, IDS_CTL_FACTORY_RESET, IDS_CTL_AUTO_GEOMETRY,
    IDS_CTL_INFORMATION_TEXT, IDS_CTL_AUTO_SETUP, IDS_CTL_RESET_BRIGHTNESS_CONTRAST,
    IDS_ASK_STORE_SETTINGS, IDS_NO_MONITOR_FOUND, IDS_ASK_FACTORY_RESET, IDS_STORE_FAILED,
    IDS_TAB_BRIGHTNESS, IDS_TAB_COLOUR, IDS_TAB_GEOMETRY, IDS_TAB_OTHER, IDS_TAB_TEST_PATTERN,
    IDS_TAB_INFORMATION, IDS_BUTTON_OK, IDS_BUTTON_CANCEL, IDS_PATTERN_AUTO_CHOICE,
    IDS_PATTERN_SHOW_HINTS, IDS_PATTERN_GROUP, IDS_MENU_ABOUT, IDS_SHOW_TEST_PATTERN,
    IDS_MODE_GROUP_HALO, IDS_MODE_OFF, IDS_MODE_ON, IDS_MODE_NUMBERED, IDS_MODE_GROUP_VIVO,
    IDS_PRESET_NUMBERED, IDS_PRESET_SRGB, IDS_PRESET_NATIVE, IDS_PRESET_VIDEO,
    IDS_PRESET_CUSTOM, IDS_COLOURTAB_GAIN, IDS_COLOURTAB_BIAS, IDS_COLOURTAB_TEMPERATURE,
    IDS_COLOURTAB_SIX_AXIS,
    IDS_PATTERN_LABEL_RED, IDS_PATTERN_LABEL_GREEN, IDS_PATTERN_LABEL_BLUE,
    IDS_PATTERN_LABEL_BLACK, IDS_PATTERN_LABEL_WHITE_25, IDS_PATTERN_LABEL_WHITE_50,
    IDS_PATTERN_LABEL_WHITE_75, IDS_PATTERN_LABEL_WHITE_100, IDS_PATTERN_SQUARE_PIXELS,
    IDS_PATTERN_OBLONG_PIXELS,
    IDS_INFO_MODEL, IDS_INFO_SERIAL, IDS_INFO_H_FREQUENCY, IDS_INFO_H_RANGE,
    IDS_INFO_V_FREQUENCY, IDS_INFO_V_RANGE, IDS_INFO_TIMING_PRESET, IDS_INFO_TIMING_USER,
    IDS_INFO_TIMING_UNSET, IDS_INFO_TIMING, IDS_INFO_DRIVER, IDS_INFO_MANUFACTURED,
    IDS_INFO_MANUFACTURED_YEAR,
    IDS_CTL_PRIMARY_VALUE, IDS_CTL_SECONDARY_VALUE,
    IDS_CTL_HUE_WHEEL, IDS_CTL_RED_GAIN, IDS_CTL_GREEN_GAIN, IDS_CTL_BLUE_GAIN,
    IDS_CTL_RED_BIAS, IDS_CTL_GREEN_BIAS, IDS_CTL_BLUE_BIAS, IDS_CTL_PRESET_LIST,
    IDS_CTL_RESET_COLOUR, IDS_CTL_TEMPERATURE_SLIDER, IDS_CTL_TEMPERATURE_VALUE,
    IDS_TIP_POSITION, IDS_TIP_SIZE, IDS_TIP_CENTRE_PINCUSHION, IDS_TIP_PINCUSHION,
    IDS_TIP_TRAPEZOID, IDS_TIP_PARALLELOGRAM, IDS_TIP_PINCUSHION_BALANCE,
    IDS_TIP_VERTICAL_LINEARITY, IDS_TIP_ROTATION, IDS_TIP_H_CONVERGENCE, IDS_TIP_BRIGHTNESS,
    IDS_TIP_CONTRAST, IDS_TIP_CORNER_PINCUSHION, IDS_TIP_CENTRE_PINCUSHION_BALANCE,
    IDS_TIP_CORNER_PINCUSHION_BALANCE, IDS_TIP_VERTICAL_LINEARITY_BALANCE,
    IDS_TIP_V_CONVERGENCE, IDS_TIP_TOP_PINCUSHION, IDS_TIP_TOP_PINCUSHION_BALANCE,
    IDS_TIP_PURITY, IDS_TIP_BOTTOM_PINCUSHION, IDS_TIP_BOTTOM_PINCUSHION_BALANCE,
    IDS_TIP_MOIRE, IDS_TIP_VERTICAL_MOIRE, IDS_TIP_PURITY_TOP_RIGHT, IDS_TIP_PURITY_TOP_LEFT,
    IDS_TIP_PURITY_BOTTOM_RIGHT, IDS_TIP_PURITY_BOTTOM_LEFT, IDS_TIP_COLOUR_TEMPERATURE,
    IDS_TIP_TOP_V_CONVERGENCE, IDS_TIP_BOTTOM_V_CONVERGENCE, IDS_TIP_LEFT_H_CONVERGENCE,
    IDS_TIP_RIGHT_H_CONVERGENCE, IDS_TIP_SATURATION, IDS_TIP_SHARPNESS,
    IDS_CTL_PRIMARY_SLIDER, IDS_CTL_SECONDARY_SLIDER,
    IDS_HINT_POSITION, IDS_HINT_SIZE, IDS_HINT_CENTRE_PINCUSHION, IDS_HINT_PINCUSHION,
    IDS_HINT_TRAPEZOID, IDS_HINT_PARALLELOGRAM, IDS_HINT_PINCUSHION_BALANCE,
    IDS_HINT_VERTICAL_LINEARITY, IDS_HINT_ROTATION, IDS_HINT_H_CONVERGENCE,
    IDS_HINT_BRIGHTNESS, IDS_HINT_CONTRAST, IDS_HINT_GREEN_GAIN, IDS_HINT_BLUE_GAIN,
    IDS_HINT_RED_GAIN, IDS_HINT_GREEN_BIAS, IDS_HINT_BLUE_BIAS, IDS_HINT_RED_BIAS,
    IDS_HINT_CORNER_PINCUSHION, IDS_HINT_CENTRE_PINCUSHION_BALANCE,
    IDS_HINT_CORNER_PINCUSHION_BALANCE, IDS_HINT_VERTICAL_LINEARITY_BALANCE,
    IDS_HINT_V_CONVERGENCE, IDS_HINT_TOP_PINCUSHION, IDS_HINT_TOP_PINCUSHION_BALANCE,
    IDS_HINT_PURITY, IDS_HINT_BOTTOM_PINCUSHION, IDS_HINT_BOTTOM_PINCUSHION_BALANCE,
    IDS_HINT_MOIRE, IDS_HINT_VERTICAL_MOIRE, IDS_HINT_PURITY_TOP_RIGHT,
    IDS_HINT_PURITY_TOP_LEFT, IDS_HINT_PURITY_BOTTOM_RIGHT, IDS_HINT_PURITY_BOTTOM_LEFT,
    IDS_HINT_COLOUR_TEMPERATURE, IDS_HINT_TOP_V_CONVERGENCE, IDS_HINT_BOTTOM_V_CONVERGENCE,
    IDS_HINT_LEFT_H_CONVERGENCE, IDS_HINT_RIGHT_H_CONVERGENCE, IDS_HINT_SATURATION,
    IDS_HINT_SHARPNESS, IDS_HINT_RED_HUE, IDS_HINT_YELLOW_HUE, IDS_HINT_GREEN_HUE,
    IDS_HINT_CYAN_HUE, IDS_HINT_BLUE_HUE, IDS_HINT_MAGENTA_HUE,
    IDS_PATTERN_CROSSHATCH, IDS_PATTERN_CROSSHATCH_INVERTED, IDS_PATTERN_CONVERGENCE,
    IDS_PATTERN_FOCUS, IDS_PATTERN_COLOUR_RAMPS, IDS_PATTERN_BLACK, IDS_PATTERN_RED,
    IDS_PATTERN_GREEN, IDS_PATTERN_BLUE, IDS_PATTERN_WHITE, IDS_PATTERN_GREEN_PATCH,
    IDS_PATTERN_WHITE_PATCH, IDS_PATTERN_BLACK_PATCH, IDS_PATTERN_TOP_BOTTOM_OUTLINE,
    IDS_PATTERN_OUTLINE, IDS_PATTERN_OFF, IDS_PATTERN_MOIRE, IDS_PATTERN_TEXT,
    IDS_PATTERN_MEDIUM_CHECKERBOARD, IDS_PATTERN_SMALL_CHECKERBOARD, IDS_PATTERN_V_CONVERGENCE,
    IDS_PATTERN_H_CONVERGENCE, IDS_PATTERN_COLOUR_GREYSCALE,
    IDS_PATTERN_COLOUR_GREYSCALE_INVERTED, IDS_PATTERN_YELLOW, IDS_PATTERN_MAGENTA,
    IDS_PATTERN_CYAN, IDS_PATTERN_COMPOSITE, IDS_CTL_PATTERN_AUTO_CHOICE,
    IDS_CTL_PATTERN_SHOW_HINTS,
};
// clang-format on

// Every bitmap, with its size in pixels.
struct BitmapResource {
    int id;
    int width;
    int height;
};
// clang-format off
inline constexpr BitmapResource kBitmaps[] = {
    {IDB_RESET_BRIGHTNESS_CONTRAST, 32, 32},
    {IDB_RESET_GEOMETRY, 32, 32},
    {IDB_AUTO_ADJUST, 32, 32},
    {IDB_RESET_COLOUR, 28, 18},  // fits the colour page's 37 x 24 button
    {IDB_FACTORY_RESET, 32, 32},
    {IDB_DEGAUSS, 32, 32},
    {IDB_BRIGHTNESS, 32, 32},
    {IDB_CONTRAST, 32, 32},
    {910, 127, 13}, {911, 127, 13}, {912, 127, 13}, {913, 127, 13},
    {914, 127, 13}, {915, 127, 13}, {916, 127, 13}, {917, 127, 13},
    {IDB_MAKER_EMBLEM, 118, 50},
    {IDB_LOGO, 124, 34},
    {IDB_TAB_IMAGES, 7 * 15, 15},
    {IDB_COLOUR_TAB_IMAGES, 4 * 15, 15},
    {1002, 178, 178}, {1003, 178, 178}, {1004, 178, 178}, {1005, 178, 178},
    {1006, 178, 178}, {1007, 178, 178}, {1008, 178, 178}, {1009, 178, 178},
    {1010, 178, 178}, {1011, 178, 178}, {1012, 178, 178}, {1013, 178, 178},
    {1014, 178, 178}, {1015, 178, 178}, {1016, 178, 178}, {1017, 178, 178},
    {1018, 178, 178}, {1019, 178, 178}, {1020, 178, 178}, {1021, 178, 178},
    {1024, 178, 178}, {1025, 178, 178}, {1026, 178, 178},
    {2000, 112, 16}, {2001, 112, 16}, {2002, 112, 16}, {2003, 112, 16},
    {2004, 112, 16}, {2005, 112, 16}, {2006, 112, 16}, {2008, 112, 16},
    {2009, 112, 16}, {2010, 112, 16}, {2011, 112, 16}, {2012, 112, 16},
    {2013, 112, 16}, {2014, 112, 16}, {2015, 112, 16}, {2016, 112, 16},
    {1100, 34, 31}, {1101, 34, 31}, {1102, 34, 31}, {1103, 34, 31},
    {1104, 34, 31}, {1105, 34, 31}, {1106, 34, 31}, {1107, 34, 31},
    {1108, 34, 31}, {1109, 34, 31}, {1110, 34, 31}, {1111, 34, 31},
    {1112, 34, 31}, {1113, 34, 31}, {1114, 34, 31}, {1115, 34, 31},
    {1116, 34, 31}, {1117, 34, 31}, {1118, 34, 31}, {1119, 34, 31},
    {1120, 34, 31}, {1121, 34, 31}, {1122, 34, 31}, {1123, 34, 31},
    {1124, 34, 31}, {1125, 34, 31}, {1126, 34, 31}, {1127, 34, 31},
};
// clang-format on
inline constexpr int kTabImageWidth = 15;

// The test-pattern page's button pictures: a drawing of the pattern inside
// the button's 3-D frame (40 x 37 buttons).
inline constexpr int kPatternButtonBitmapWidth = 34;
inline constexpr int kPatternButtonBitmapHeight = 31;
// The picture (1100..1127) of the button of pattern 1..28; pattern 16's
// button closes the pattern window. 0 for any other number.
constexpr int patternButtonBitmap(int pattern) {
    constexpr int kByPattern[] = {1107, 1108, 1110, 1112, 1105, 1106, 1102, 1101, 1100, 1103,
                                  1109, 1104, 1111, 1114, 1113, 1115, 1119, 1117, 1116, 1118,
                                  1121, 1120, 1122, 1123, 1124, 1125, 1126, 1127};
    return pattern >= 1 && pattern <= 28 ? kByPattern[pattern - 1] : 0;
}

// The bitmaps the test patterns tile or use as brushes, by resource name,
// with their sizes.
struct NamedBitmapResource {
    const char* name;
    int width;
    int height;
};
inline constexpr NamedBitmapResource kPatternBitmaps[] = {
    {"MOIRE", 8, 8}, {"MOIRE2", 8, 8},  {"MOIRE3", 8, 8},  {"MOIRE4", 8, 8},  {"MOIRE5", 8, 8},
    {"H", 48, 34},   {"TEXT1", 56, 13}, {"TEXT2", 56, 13}, {"TEXT3", 56, 13}, {"TEXT4", 56, 13},
};

// The sprite strips, in resource order.
inline constexpr int kSpriteStrips[] = {
    IDB_SPRITE_PINCUSHION,
    IDB_SPRITE_CENTRE_PINCUSHION,
    IDB_SPRITE_CORNER_PINCUSHION,
    IDB_SPRITE_ROTATION,
    IDB_SPRITE_V_CONVERGENCE,
    IDB_SPRITE_H_CONVERGENCE,
    IDB_SPRITE_LINEARITY,
    IDB_SPRITE_PURITY,
    IDB_SPRITE_MOIRE,
    IDB_SPRITE_LINEARITY_BALANCE,
    IDB_SPRITE_SIZE,
    IDB_SPRITE_POSITION,
    IDB_SPRITE_EDGE_V_CONVERGENCE,
    IDB_SPRITE_EDGE_H_CONVERGENCE,
    IDB_SPRITE_SHARPNESS,
    IDB_SPRITE_VERTICAL_MOIRE,
};

#endif  // RC_INVOKED
