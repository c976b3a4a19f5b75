#include "monitor/model_table.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <mutex>

// How the table is laid out, and why each model sits in the lists it does.
//
// IDs. The high byte of a product code names the series and the low byte the
// screen size in inches written as hexadecimal digits (0x2017 is the 17-inch
// G-series tube); TSW's series bytes are the ASCII codes of the series letters
// (0x43 'C' tubes, 0x4C 'L' panels, 0x57 'W' wide panels). The OEM brand's
// monitors carry the manufacturer letters JKZ, vendor word 0x7A29.
//
// Listed models. The tube list holds the QRV G, GF and GX tubes and the TSW B
// to F tubes; the panel list the QRV L and TSW L panels. The one further
// listed QRV model is the D21 data display, which has neither kind of screen
// on record: it keeps its own small code template (7: position, presets and
// automatic adjustment).
//
// Code templates. Templates 1-6 start from the geometry base set and belong
// to tubes; 8-11 hold colour temperature, saturation and sharpness and belong
// to the listed panels. Two listed models have none, so every control is
// tried on them: TSW B19, the oldest tube, and TSW L19. The QRV GZ19 and GZ21
// are not listed (they report capabilities) but follow the model tables for
// their colour rules; their templates are used when their capabilities cannot
// be read. The three OEM tubes have templates as well.
//
// Presets. QRV's listed tubes and the D21, most TSW tubes and two OEM tubes
// number their presets from 0 with sRGB as preset 3. TSW E19, E21, F19, the
// OEM 921 and the TSW L19S number them from 1 with sRGB fourth, so the
// presets-from-one and sRGB-at-4 lists are the same five models. TSW C21
// locks its colours in preset 3 like the others but names that preset by
// number. The QRV GF tubes, GX19 and GX21 switch presets through picture modes.
// The seven preset tables belong to the listed panels; TSW L15 (table 1:
// sRGB, native, user 1, user 2) and TSW L19S are the four-preset models that
// store after every change; the preset-4 rule matters only on the L19S,
// whose fourth preset is sRGB. Save-before-switch, nudge-after-switch and the
// long switch delay are quirks of the slower panels.
//
// Capability-driven rules. No template holds a black-level code, so the
// inverted and the excluded black levels go to models that do read black
// levels: panels that list them in their capabilities, and TSW B19 (no
// template). TSW G21 is the model whose firmware 3.0.0 reports a wrong
// capabilities string; the built-in string that replaces it lists black
// levels the monitor does not handle, hence it is also excluded. The two 300
// ms models, whose colour-temperature rule reads their capabilities, are
// unlisted panels too (QRV L19C, TSW M19).
//
// Saving and timeouts. The vendor save belongs to the panel firmware: all
// listed panels, QRV's L-C series and TSW M19. The long timeout belongs to
// the 19-inch and larger tubes of the later lines and to the OEM tubes.
//
// Pictures. 1002-1011 show tubes, 1012, 1013, 1015-1020, 1024 and 1025 4:3
// panels, 1014 and 1026 wide panels; the wide pictures are drawn in
// illustration style 2 (a 16:10 screen). The table pictures every QRV and TSW
// model and one OEM model (the 921). The other rows without a list are the
// rest of the maker's range, driven by their capabilities.

namespace {

constexpr uint16_t kOemWord = 0x7A29;  // "JKZ"

constexpr ModelRow kModels[] = {
    // QRV 1Exx: cathode-ray tubes
    {.monitorId = 0x56461E15, .picture = 1002},
    {.monitorId = 0x56461E17, .picture = 1003},
    {.monitorId = 0x56461E19, .picture = 1004},
    // QRV 1Fxx: cathode-ray tubes
    {.monitorId = 0x56461F15, .picture = 1002},
    {.monitorId = 0x56461F17, .picture = 1003},
    {.monitorId = 0x56461F19, .picture = 1004},
    {.monitorId = 0x56461F21, .picture = 1005},
    // QRV 20xx: G series cathode-ray tubes
    {.monitorId = 0x56462014, .picture = 1002},
    // QRV G15
    {.monitorId = 0x56462015,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 1,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .picture = 1002},
    {.monitorId = 0x56462016, .picture = 1003},
    // QRV G17
    {.monitorId = 0x56462017,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 2,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .picture = 1003},
    // QRV G17E
    {.monitorId = 0x56462018,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 3,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .picture = 1003},
    // QRV G19
    {.monitorId = 0x56462019,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 2,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .longTimeout = true,
     .picture = 1004},
    // QRV G21
    {.monitorId = 0x56462021,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 2,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .longTimeout = true,
     .picture = 1005},
    // QRV 21xx: GF series flat-face tubes
    {.monitorId = 0x56462115, .picture = 1006},
    // QRV GF17
    {.monitorId = 0x56462117,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 4,
     .pictureMode = true,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .picture = 1006},
    // QRV GF19
    {.monitorId = 0x56462119,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 4,
     .pictureMode = true,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .longTimeout = true,
     .picture = 1007},
    // QRV GF21
    {.monitorId = 0x56462121,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 5,
     .pictureMode = true,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .longTimeout = true,
     .picture = 1007},
    {.monitorId = 0x56462122, .picture = 1007},
    // QRV 22xx: GX series cathode-ray tubes
    // QRV GX19
    {.monitorId = 0x56462219,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 6,
     .pictureMode = true,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .longTimeout = true,
     .picture = 1004},
    // QRV GX21
    {.monitorId = 0x56462221,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 6,
     .pictureMode = true,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .longTimeout = true,
     .picture = 1005},
    // QRV GX22
    {.monitorId = 0x56462222,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 2,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .longTimeout = true,
     .picture = 1005},
    // QRV 23xx: GZ series cathode-ray tubes
    {.monitorId = 0x56462315, .picture = 1002},
    {.monitorId = 0x56462317, .picture = 1003},
    // QRV GZ19
    {.monitorId = 0x56462319, .capabilityExempt = true, .codeTemplate = 1, .picture = 1004},
    // QRV GZ21
    {.monitorId = 0x56462321, .capabilityExempt = true, .codeTemplate = 2, .picture = 1005},
    {.monitorId = 0x56462322, .picture = 1005},
    // QRV 24xx: cathode-ray tubes
    {.monitorId = 0x56462415, .picture = 1002},
    {.monitorId = 0x56462417, .picture = 1003},
    {.monitorId = 0x56462419, .picture = 1004},
    {.monitorId = 0x56462421, .picture = 1005},
    // QRV 25xx: cathode-ray tubes
    {.monitorId = 0x56462515, .picture = 1002},
    {.monitorId = 0x56462517, .picture = 1003},
    {.monitorId = 0x56462519, .picture = 1004},
    {.monitorId = 0x56462521, .picture = 1005},
    {.monitorId = 0x56462522, .picture = 1005},
    // QRV 26xx: flat-face tubes
    {.monitorId = 0x56462617, .picture = 1006},
    {.monitorId = 0x56462619, .picture = 1007},
    {.monitorId = 0x56462621, .picture = 1007},
    // QRV 27xx: cathode-ray tubes
    {.monitorId = 0x56462717, .picture = 1003},
    {.monitorId = 0x56462719, .picture = 1004},
    {.monitorId = 0x56462721, .picture = 1005},
    {.monitorId = 0x56462722, .picture = 1005},
    // QRV 28xx: flat-face tubes
    {.monitorId = 0x56462817, .picture = 1006},
    {.monitorId = 0x56462819, .picture = 1007},
    {.monitorId = 0x56462821, .picture = 1007},
    // QRV 29xx: cathode-ray tubes
    {.monitorId = 0x56462915, .picture = 1002},
    {.monitorId = 0x56462917, .picture = 1003},
    {.monitorId = 0x56462919, .picture = 1004},
    {.monitorId = 0x56462921, .picture = 1005},
    // QRV 2Axx: cathode-ray tubes
    {.monitorId = 0x56462A15, .picture = 1002},
    {.monitorId = 0x56462A17, .picture = 1003},
    {.monitorId = 0x56462A19, .picture = 1004},
    {.monitorId = 0x56462A21, .picture = 1005},
    {.monitorId = 0x56462A22, .picture = 1005},
    // QRV 2Bxx: flat-face tubes
    {.monitorId = 0x56462B17, .picture = 1006},
    {.monitorId = 0x56462B19, .picture = 1007},
    {.monitorId = 0x56462B21, .picture = 1007},
    // QRV 2Cxx: cathode-ray tubes
    {.monitorId = 0x56462C17, .picture = 1003},
    {.monitorId = 0x56462C19, .picture = 1004},
    {.monitorId = 0x56462C21, .picture = 1005},
    // QRV 2Dxx: data displays
    // QRV D21
    {.monitorId = 0x56462D21,
     .known = true,
     .codeTemplate = 7,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .picture = 1011},
    {.monitorId = 0x56462D25, .picture = 1011},
    {.monitorId = 0x56462D29, .picture = 1011},
    // QRV 2Exx: cathode-ray tubes
    {.monitorId = 0x56462E17, .picture = 1003},
    {.monitorId = 0x56462E19, .picture = 1004},
    {.monitorId = 0x56462E21, .picture = 1005},
    // QRV 30xx: L series flat panels
    {.monitorId = 0x56463015, .picture = 1012},
    // QRV L17
    {.monitorId = 0x56463017,
     .technology = kTechnologyFlatPanel,
     .known = true,
     .codeTemplate = 9,
     .presetTable = 3,
     .vendorSave = true,
     .picture = 1013},
    // QRV L19
    {.monitorId = 0x56463019,
     .technology = kTechnologyFlatPanel,
     .known = true,
     .codeTemplate = 8,
     .saveBeforeSwitch = true,
     .presetTable = 4,
     .vendorSave = true,
     .picture = 1015},
    // QRV L20
    {.monitorId = 0x56463020,
     .technology = kTechnologyFlatPanel,
     .known = true,
     .codeTemplate = 10,
     .nudgeAfterSwitch = true,
     .longSwitchDelay = true,
     .presetTable = 5,
     .vendorSave = true,
     .picture = 1019},
    // QRV 31xx: L-C series flat panels
    // QRV L15C
    {.monitorId = 0x56463115, .vendorSave = true, .picture = 1012},
    // QRV L17C
    {.monitorId = 0x56463117, .invertedBlackLevel = true, .vendorSave = true, .picture = 1013},
    // QRV L19C
    {.monitorId = 0x56463119, .wait300ms = true, .vendorSave = true, .picture = 1015},
    // QRV L21C
    {.monitorId = 0x56463121, .excludedBlackLevel = true, .vendorSave = true, .picture = 1019},
    // QRV 32xx: L-E series flat panels
    // QRV L15E
    {.monitorId = 0x56463215, .picture = 1024},
    // QRV L17E
    {.monitorId = 0x56463217, .picture = 1024},
    {.monitorId = 0x56463219, .picture = 1015},
    {.monitorId = 0x56463220, .picture = 1019},
    {.monitorId = 0x56463221, .picture = 1019},
    // QRV 33xx: slim 4:3 flat panels
    {.monitorId = 0x56463315, .picture = 1024},
    {.monitorId = 0x56463317, .picture = 1024},
    {.monitorId = 0x56463319, .picture = 1024},
    // QRV 34xx: 4:3 flat panels
    {.monitorId = 0x56463415, .picture = 1012},
    {.monitorId = 0x56463417, .picture = 1013},
    {.monitorId = 0x56463419, .picture = 1015},
    {.monitorId = 0x56463420, .picture = 1019},
    {.monitorId = 0x56463421, .picture = 1019},
    // QRV 35xx: 4:3 flat panels
    {.monitorId = 0x56463515, .picture = 1012},
    {.monitorId = 0x56463517, .picture = 1013},
    {.monitorId = 0x56463519, .picture = 1015},
    {.monitorId = 0x56463520, .picture = 1019},
    // QRV 36xx: 4:3 flat panels
    {.monitorId = 0x56463617, .picture = 1013},
    {.monitorId = 0x56463619, .picture = 1015},
    {.monitorId = 0x56463620, .picture = 1019},
    {.monitorId = 0x56463621, .picture = 1019},
    // QRV 37xx: slim 4:3 flat panels
    {.monitorId = 0x56463717, .picture = 1024},
    {.monitorId = 0x56463719, .picture = 1024},
    // QRV 38xx: 4:3 flat panels
    {.monitorId = 0x56463817, .picture = 1013},
    {.monitorId = 0x56463819, .picture = 1015},
    {.monitorId = 0x56463821, .picture = 1019},
    // QRV 39xx: 4:3 flat panels
    {.monitorId = 0x56463915, .picture = 1012},
    {.monitorId = 0x56463917, .picture = 1013},
    {.monitorId = 0x56463919, .picture = 1015},
    {.monitorId = 0x56463920, .picture = 1019},
    {.monitorId = 0x56463921, .picture = 1019},
    // QRV 3Axx: 4:3 flat panels
    {.monitorId = 0x56463A15, .picture = 1012},
    {.monitorId = 0x56463A17, .picture = 1013},
    {.monitorId = 0x56463A19, .picture = 1015},
    // QRV 3Bxx: slim 4:3 flat panels
    {.monitorId = 0x56463B15, .picture = 1024},
    {.monitorId = 0x56463B17, .picture = 1024},
    {.monitorId = 0x56463B19, .picture = 1024},
    {.monitorId = 0x56463B20, .picture = 1024},
    // QRV 3Cxx: 4:3 flat panels
    {.monitorId = 0x56463C17, .picture = 1013},
    {.monitorId = 0x56463C19, .picture = 1015},
    {.monitorId = 0x56463C20, .picture = 1019},
    {.monitorId = 0x56463C21, .picture = 1019},
    // QRV 3Dxx: 4:3 flat panels
    {.monitorId = 0x56463D15, .picture = 1012},
    {.monitorId = 0x56463D17, .picture = 1013},
    {.monitorId = 0x56463D19, .picture = 1015},
    {.monitorId = 0x56463D21, .picture = 1019},
    // QRV 3Exx: 4:3 flat panels
    {.monitorId = 0x56463E15, .picture = 1012},
    {.monitorId = 0x56463E17, .picture = 1013},
    {.monitorId = 0x56463E19, .picture = 1015},
    {.monitorId = 0x56463E20, .picture = 1019},
    {.monitorId = 0x56463E21, .picture = 1019},
    // QRV 3Fxx: 4:3 flat panels
    {.monitorId = 0x56463F17, .picture = 1013},
    {.monitorId = 0x56463F19, .picture = 1015},
    {.monitorId = 0x56463F21, .picture = 1019},
    // QRV 40xx: wide flat panels
    {.monitorId = 0x56464019, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464020, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464022, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464024, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464026, .picture = 1026, .illustrationStyle = 2},
    {.monitorId = 0x56464027, .picture = 1026, .illustrationStyle = 2},
    // QRV 41xx: wide flat panels
    {.monitorId = 0x56464119, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464120, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464122, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464124, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464126, .picture = 1026, .illustrationStyle = 2},
    // QRV 42xx: wide flat panels
    {.monitorId = 0x56464219, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464220, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464222, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464224, .picture = 1014, .illustrationStyle = 2},
    // QRV 43xx: wide flat panels
    {.monitorId = 0x56464319, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464322, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464324, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464326, .picture = 1026, .illustrationStyle = 2},
    {.monitorId = 0x56464330, .picture = 1026, .illustrationStyle = 2},
    // QRV 44xx: wide flat panels
    {.monitorId = 0x56464419, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464420, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464422, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464424, .picture = 1014, .illustrationStyle = 2},
    // QRV 45xx: wide flat panels
    {.monitorId = 0x56464520, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464522, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464524, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464527, .picture = 1026, .illustrationStyle = 2},
    // QRV 46xx: wide flat panels
    {.monitorId = 0x56464619, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464620, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464622, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464624, .picture = 1014, .illustrationStyle = 2},
    // QRV 47xx: wide flat panels
    {.monitorId = 0x56464719, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464720, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464722, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x56464724, .picture = 1014, .illustrationStyle = 2},
    // TSW 40xx: cathode-ray tubes
    {.monitorId = 0x77524015, .picture = 1008},
    {.monitorId = 0x77524017, .picture = 1008},
    {.monitorId = 0x77524019, .picture = 1009},
    // TSW 41xx: cathode-ray tubes
    {.monitorId = 0x77524115, .picture = 1008},
    {.monitorId = 0x77524117, .picture = 1008},
    {.monitorId = 0x77524119, .picture = 1009},
    {.monitorId = 0x77524121, .picture = 1010},
    // TSW 42xx: B series cathode-ray tubes
    {.monitorId = 0x77524214, .picture = 1008},
    // TSW B15
    {.monitorId = 0x77524215,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 1,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .picture = 1008},
    {.monitorId = 0x77524216, .picture = 1008},
    // TSW B17
    {.monitorId = 0x77524217,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 1,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .picture = 1008},
    // TSW B19
    {.monitorId = 0x77524219,
     .technology = kTechnologyCrt,
     .known = true,
     .invertedBlackLevel = true,
     .picture = 1009},
    // TSW 43xx: C series cathode-ray tubes
    // TSW C15
    {.monitorId = 0x77524315,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 1,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .picture = 1008},
    {.monitorId = 0x77524316, .picture = 1008},
    // TSW C17
    {.monitorId = 0x77524317,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 1,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .picture = 1008},
    {.monitorId = 0x77524318, .picture = 1009},
    // TSW C19
    {.monitorId = 0x77524319,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 2,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .longTimeout = true,
     .picture = 1009},
    // TSW C21
    {.monitorId = 0x77524321,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 2,
     .srgbAt3 = true,
     .longTimeout = true,
     .picture = 1010},
    // TSW 44xx: D series cathode-ray tubes
    {.monitorId = 0x77524415, .picture = 1008},
    // TSW D17
    {.monitorId = 0x77524417,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 2,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .picture = 1008},
    // TSW D19
    {.monitorId = 0x77524419,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 2,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .longTimeout = true,
     .picture = 1009},
    // TSW D21
    {.monitorId = 0x77524421,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 3,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .longTimeout = true,
     .picture = 1010},
    {.monitorId = 0x77524422, .picture = 1010},
    // TSW 45xx: E series cathode-ray tubes
    {.monitorId = 0x77524515, .picture = 1008},
    {.monitorId = 0x77524517, .picture = 1008},
    // TSW E19
    {.monitorId = 0x77524519,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 4,
     .presetsFromOne = true,
     .srgbAt4 = true,
     .longTimeout = true,
     .picture = 1009},
    // TSW E21
    {.monitorId = 0x77524521,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 4,
     .presetsFromOne = true,
     .srgbAt4 = true,
     .longTimeout = true,
     .picture = 1010},
    // TSW E22
    {.monitorId = 0x77524522,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 6,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .longTimeout = true,
     .picture = 1010},
    // TSW 46xx: F series cathode-ray tubes
    {.monitorId = 0x77524615, .picture = 1008},
    {.monitorId = 0x77524617, .picture = 1008},
    // TSW F19
    {.monitorId = 0x77524619,
     .technology = kTechnologyCrt,
     .known = true,
     .codeTemplate = 6,
     .presetsFromOne = true,
     .srgbAt4 = true,
     .longTimeout = true,
     .picture = 1009},
    {.monitorId = 0x77524621, .picture = 1010},
    {.monitorId = 0x77524622, .picture = 1010},
    // TSW 47xx: G series cathode-ray tubes
    {.monitorId = 0x77524715, .picture = 1008},
    {.monitorId = 0x77524717, .picture = 1008},
    {.monitorId = 0x77524719, .picture = 1009},
    // TSW G21
    {.monitorId = 0x77524721,
     .replacementCapabilities = true,
     .excludedBlackLevel = true,
     .picture = 1010},
    {.monitorId = 0x77524722, .picture = 1010},
    // TSW 48xx: cathode-ray tubes
    {.monitorId = 0x77524815, .picture = 1008},
    {.monitorId = 0x77524817, .picture = 1008},
    {.monitorId = 0x77524819, .picture = 1009},
    {.monitorId = 0x77524821, .picture = 1010},
    {.monitorId = 0x77524822, .picture = 1010},
    // TSW 49xx: cathode-ray tubes
    {.monitorId = 0x77524917, .picture = 1008},
    {.monitorId = 0x77524919, .picture = 1009},
    {.monitorId = 0x77524921, .picture = 1010},
    // TSW 4Axx: cathode-ray tubes
    {.monitorId = 0x77524A15, .picture = 1008},
    {.monitorId = 0x77524A17, .picture = 1008},
    {.monitorId = 0x77524A19, .picture = 1009},
    {.monitorId = 0x77524A21, .picture = 1010},
    {.monitorId = 0x77524A22, .picture = 1010},
    // TSW 4Bxx: cathode-ray tubes
    {.monitorId = 0x77524B17, .picture = 1008},
    {.monitorId = 0x77524B19, .picture = 1009},
    {.monitorId = 0x77524B21, .picture = 1010},
    // TSW 4Cxx: L series flat panels
    // TSW L15
    {.monitorId = 0x77524C15,
     .technology = kTechnologyFlatPanel,
     .known = true,
     .codeTemplate = 11,
     .fourPreset = true,
     .presetTable = 1,
     .vendorSave = true,
     .picture = 1016},
    {.monitorId = 0x77524C16, .picture = 1017},
    // TSW L17
    {.monitorId = 0x77524C17,
     .technology = kTechnologyFlatPanel,
     .known = true,
     .codeTemplate = 10,
     .nudgeAfterSwitch = true,
     .presetTable = 2,
     .vendorSave = true,
     .picture = 1017},
    // TSW L17A
    {.monitorId = 0x77524C18,
     .technology = kTechnologyFlatPanel,
     .known = true,
     .codeTemplate = 9,
     .nudgeAfterSwitch = true,
     .longSwitchDelay = true,
     .presetTable = 3,
     .vendorSave = true,
     .picture = 1017},
    // TSW L19
    {.monitorId = 0x77524C19,
     .technology = kTechnologyFlatPanel,
     .known = true,
     .saveBeforeSwitch = true,
     .longSwitchDelay = true,
     .presetTable = 5,
     .vendorSave = true,
     .picture = 1018},
    // TSW L19S
    {.monitorId = 0x77524C1A,
     .technology = kTechnologyFlatPanel,
     .known = true,
     .codeTemplate = 11,
     .fourPreset = true,
     .presetsFromOne = true,
     .nudgeAfterSwitch = true,
     .srgbAt4 = true,
     .vendorSave = true,
     .picture = 1018},
    {.monitorId = 0x77524C1B, .picture = 1020},
    {.monitorId = 0x77524C21, .picture = 1020},
    // TSW 4Dxx: M series flat panels
    // TSW M15
    {.monitorId = 0x77524D15, .excludedBlackLevel = true, .picture = 1016},
    // TSW M17
    {.monitorId = 0x77524D17, .invertedBlackLevel = true, .picture = 1017},
    // TSW M19
    {.monitorId = 0x77524D19, .wait300ms = true, .vendorSave = true, .picture = 1018},
    {.monitorId = 0x77524D20, .picture = 1020},
    {.monitorId = 0x77524D21, .picture = 1020},
    // TSW 4Exx: 4:3 flat panels
    {.monitorId = 0x77524E15, .picture = 1016},
    {.monitorId = 0x77524E17, .picture = 1017},
    {.monitorId = 0x77524E19, .picture = 1018},
    {.monitorId = 0x77524E20, .picture = 1020},
    {.monitorId = 0x77524E21, .picture = 1020},
    // TSW 4Fxx: 4:3 flat panels
    {.monitorId = 0x77524F15, .picture = 1016},
    {.monitorId = 0x77524F17, .picture = 1017},
    {.monitorId = 0x77524F19, .picture = 1018},
    {.monitorId = 0x77524F20, .picture = 1020},
    // TSW 50xx: slim 4:3 flat panels
    {.monitorId = 0x77525015, .picture = 1025},
    {.monitorId = 0x77525017, .picture = 1025},
    {.monitorId = 0x77525019, .picture = 1025},
    {.monitorId = 0x77525020, .picture = 1025},
    // TSW 51xx: 4:3 flat panels
    {.monitorId = 0x77525117, .picture = 1017},
    {.monitorId = 0x77525119, .picture = 1018},
    {.monitorId = 0x77525120, .picture = 1020},
    {.monitorId = 0x77525121, .picture = 1020},
    // TSW 52xx: 4:3 flat panels
    {.monitorId = 0x77525217, .picture = 1017},
    {.monitorId = 0x77525219, .picture = 1018},
    {.monitorId = 0x77525221, .picture = 1020},
    // TSW 53xx: slim 4:3 flat panels
    {.monitorId = 0x77525317, .picture = 1025},
    {.monitorId = 0x77525319, .picture = 1025},
    // TSW 54xx: 4:3 flat panels
    {.monitorId = 0x77525415, .picture = 1016},
    {.monitorId = 0x77525417, .picture = 1017},
    {.monitorId = 0x77525419, .picture = 1018},
    {.monitorId = 0x77525420, .picture = 1020},
    {.monitorId = 0x77525421, .picture = 1020},
    // TSW 55xx: 4:3 flat panels
    {.monitorId = 0x77525515, .picture = 1016},
    {.monitorId = 0x77525517, .picture = 1017},
    {.monitorId = 0x77525519, .picture = 1018},
    {.monitorId = 0x77525520, .picture = 1020},
    // TSW 56xx: slim 4:3 flat panels
    {.monitorId = 0x77525617, .picture = 1025},
    {.monitorId = 0x77525619, .picture = 1025},
    {.monitorId = 0x77525620, .picture = 1025},
    // TSW 57xx: W series wide flat panels
    {.monitorId = 0x77525719, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525720, .picture = 1014, .illustrationStyle = 2},
    // TSW W22
    {.monitorId = 0x77525722, .invertedBlackLevel = true, .picture = 1014, .illustrationStyle = 2},
    // TSW W24
    {.monitorId = 0x77525724, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525726, .picture = 1026, .illustrationStyle = 2},
    {.monitorId = 0x77525727, .picture = 1026, .illustrationStyle = 2},
    // TSW 58xx: wide flat panels
    {.monitorId = 0x77525819, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525820, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525822, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525824, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525826, .picture = 1026, .illustrationStyle = 2},
    // TSW 59xx: wide flat panels
    {.monitorId = 0x77525919, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525920, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525922, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525924, .picture = 1014, .illustrationStyle = 2},
    // TSW 5Axx: wide flat panels
    {.monitorId = 0x77525A19, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525A22, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525A24, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525A26, .picture = 1026, .illustrationStyle = 2},
    {.monitorId = 0x77525A30, .picture = 1026, .illustrationStyle = 2},
    // TSW 5Bxx: wide flat panels
    {.monitorId = 0x77525B19, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525B20, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525B22, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525B24, .picture = 1014, .illustrationStyle = 2},
    // TSW 5Cxx: wide flat panels
    {.monitorId = 0x77525C20, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525C22, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525C24, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525C27, .picture = 1026, .illustrationStyle = 2},
    // TSW 5Dxx: wide flat panels
    {.monitorId = 0x77525D19, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525D22, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525D24, .picture = 1014, .illustrationStyle = 2},
    // TSW 5Exx: wide flat panels
    {.monitorId = 0x77525E19, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525E20, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525E22, .picture = 1014, .illustrationStyle = 2},
    {.monitorId = 0x77525E24, .picture = 1014, .illustrationStyle = 2},
    // TSW 62xx: 4:3 flat panels
    {.monitorId = 0x77526215, .picture = 1016},
    {.monitorId = 0x77526217, .picture = 1017},
    {.monitorId = 0x77526219, .picture = 1018},
    {.monitorId = 0x77526220, .picture = 1020},
    {.monitorId = 0x77526221, .picture = 1020},
    // TSW 63xx: 4:3 flat panels
    {.monitorId = 0x77526317, .picture = 1017},
    {.monitorId = 0x77526319, .picture = 1018},
    {.monitorId = 0x77526320, .picture = 1020},
    {.monitorId = 0x77526321, .picture = 1020},
    // TSW 64xx: slim 4:3 flat panels
    {.monitorId = 0x77526415, .picture = 1025},
    {.monitorId = 0x77526417, .picture = 1025},
    {.monitorId = 0x77526419, .picture = 1025},
    // OEM 09xx: cathode-ray tubes on the maker's firmware
    // JKZ 917
    {.monitorId = 0x7A290917,
     .codeTemplate = 1,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .longTimeout = true},
    // JKZ 919
    {.monitorId = 0x7A290919,
     .codeTemplate = 1,
     .srgbAt3 = true,
     .srgbAt3Label = true,
     .longTimeout = true},
    // JKZ 921
    {.monitorId = 0x7A290921,
     .codeTemplate = 2,
     .presetsFromOne = true,
     .srgbAt4 = true,
     .longTimeout = true,
     .picture = 1010},
};

constexpr bool ascendingWithoutRepeats() {
    for (size_t i = 1; i < std::size(kModels); ++i) {
        if (kModels[i - 1].monitorId >= kModels[i].monitorId) {
            return false;
        }
    }
    return true;
}
static_assert(ascendingWithoutRepeats(), "rows are sorted by monitor ID, each ID once");

// Code templates: the VCP codes of listed models, which never read their
// capabilities. Each is the union of its spans; `analogueOnly` codes count
// only while the monitor's input is analogue (position and geometry reset
// mean nothing to a panel fed digitally).
constexpr uint8_t kGeometryBase[] = {0x00, 0x10, 0x12, 0x14, 0x16, 0x18, 0x1A, 0x20,
                                     0x22, 0x24, 0x26, 0x28, 0x30, 0x32, 0x38, 0x40,
                                     0x42, 0x44, 0x46, 0x48, 0x4A, 0x4C, 0x56};
constexpr uint8_t kLinearityPurityAuto[] = {0x04, 0x08, 0x3A, 0x3C, 0xB1,
                                            0xE6, 0xE8, 0xE9, 0xEA, 0xEB};
constexpr uint8_t kResets[] = {0x04, 0x06, 0x08};
constexpr uint8_t kPurity[] = {0xE8, 0xE9, 0xEA, 0xEB};
constexpr uint8_t kResetsPurity[] = {0x04, 0x06, 0x08, 0xE8, 0xE9, 0xEA, 0xEB};
constexpr uint8_t kResetsLinearityPurity[] = {0x04, 0x06, 0x08, 0x3A, 0x3C, 0xE8, 0xE9, 0xEA, 0xEB};
constexpr uint8_t kDataDisplay[] = {0x06, 0x10, 0x12, 0x14, 0x20, 0x30, 0xB1};
constexpr uint8_t kPanel[] = {0x04, 0x06, 0x08, 0x10, 0x12, 0x14, 0x1E, 0x54, 0x8A, 0x8C};
constexpr uint8_t kPanelPositionSize[] = {0x20, 0x22, 0x30, 0x32};
constexpr uint8_t kDigitalPanel[] = {0x04, 0x08, 0x10, 0x12, 0x14, 0x1E, 0x54, 0x8A, 0x8C};
constexpr uint8_t kAnaloguePanel[] = {0x06, 0x20, 0x30};

struct CodeTemplate {
    std::span<const uint8_t> codes;
    std::span<const uint8_t> more = {};
    std::span<const uint8_t> analogueOnly = {};
};

constexpr CodeTemplate kCodeTemplates[] = {
    {.codes = kGeometryBase},                                  // 1
    {.codes = kGeometryBase, .more = kLinearityPurityAuto},    // 2
    {.codes = kGeometryBase, .more = kResets},                 // 3
    {.codes = kGeometryBase, .more = kPurity},                 // 4
    {.codes = kGeometryBase, .more = kResetsPurity},           // 5
    {.codes = kGeometryBase, .more = kResetsLinearityPurity},  // 6
    {.codes = kDataDisplay},                                   // 7
    {.codes = kPanel},                                         // 8
    {.codes = kPanel, .more = kPanelPositionSize},             // 9
    {.codes = kDigitalPanel, .analogueOnly = kAnaloguePanel},  // 10
    {.codes = kDigitalPanel},                                  // 11
};

bool holds(std::span<const uint8_t> codes, int code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

const ModelRow* lookup(uint32_t monitorId) {
    const ModelRow* end = std::end(kModels);
    const ModelRow* row =
        std::lower_bound(std::begin(kModels), end, monitorId,
                         [](const ModelRow& r, uint32_t id) { return r.monitorId < id; });
    return row != end && row->monitorId == monitorId ? row : nullptr;
}

}  // namespace

const uint16_t kVendorOem = kOemWord;

const ModelRow& findModel(uint32_t monitorId) {
    if (const ModelRow* row = lookup(monitorId)) {
        return *row;
    }
    // A model outside the table gets an empty row of its own on first use,
    // kept for the life of the program so that callers may hold on to it.
    static std::mutex mutex;
    static std::map<uint32_t, ModelRow> unlisted;
    std::lock_guard<std::mutex> lock(mutex);
    return unlisted.try_emplace(monitorId, ModelRow{.monitorId = monitorId}).first->second;
}

std::span<const ModelRow> modelTable() {
    return kModels;
}

int monitorPictureFor(uint32_t monitorId) {
    const ModelRow* row = lookup(monitorId);
    return row && row->picture != 0 ? row->picture : kDefaultMonitorPicture;
}

int illustrationStyleFor(uint32_t monitorId) {
    const ModelRow* row = lookup(monitorId);
    return row ? row->illustrationStyle : 1;
}

bool codeTemplateContains(int codeTemplate, int code, bool digitalInput) {
    if (codeTemplate < 1 || codeTemplate > static_cast<int>(std::size(kCodeTemplates))) {
        return false;
    }
    const CodeTemplate& t = kCodeTemplates[codeTemplate - 1];
    return holds(t.codes, code) || holds(t.more, code) ||
           (!digitalInput && holds(t.analogueOnly, code));
}
