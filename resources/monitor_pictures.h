// The monitor pictures: 178 x 178 bitmaps of the maker's monitors that the
// pages show beside their controls. The animated illustration plays in the
// picture's screen, so every picture puts its screen glass exactly on the
// illustration frame of its layout: layout 1 for 4:3 and 5:4 screens, layout 2
// for the wide flat panels (pictures 1014 and 1026). The model table maps
// monitor IDs to these pictures and takes the layout from here; the kind says
// whether the picture shows a cathode-ray tube or a flat panel, so that a
// model gets a picture of its own technology.
// Portable: no Windows headers.
#pragma once

#include "resources/resource_ids.h"

inline constexpr int kMonitorPictureSize = 178;

// A rectangle inside the monitor picture, in pixels.
struct PictureRect {
    int x;
    int y;
    int width;
    int height;
};

// Where the illustration's frames go inside the picture, by layout.
inline constexpr PictureRect kIllustrationFrameLayout1 = {22, 24, 134, 104};
inline constexpr PictureRect kIllustrationFrameLayout2 = {9, 35, 160, 98};
constexpr PictureRect illustrationFrame(int layout) {
    return layout == 2 ? kIllustrationFrameLayout2 : kIllustrationFrameLayout1;
}

enum class MonitorKind { CathodeRayTube, FlatPanel };

struct MonitorPicture {
    int bitmapId;
    MonitorKind kind;
    int layout;  // illustration layout 1 or 2
};

inline constexpr MonitorPicture kMonitorPictures[] = {
    {IDB_MONITOR_CRT_IVORY_COMPACT, MonitorKind::CathodeRayTube, 1},
    {IDB_MONITOR_CRT_IVORY_17, MonitorKind::CathodeRayTube, 1},
    {IDB_MONITOR_CRT_GRAPHITE_FLAT, MonitorKind::CathodeRayTube, 1},
    {IDB_MONITOR_CRT_BLACK_19, MonitorKind::CathodeRayTube, 1},
    {IDB_MONITOR_CRT_GREY_ROUNDED, MonitorKind::CathodeRayTube, 1},
    {IDB_MONITOR_CRT_IVORY_21, MonitorKind::CathodeRayTube, 1},
    {IDB_MONITOR_CRT_SILVER_TWO_TONE, MonitorKind::CathodeRayTube, 1},
    {IDB_MONITOR_CRT_PEARL, MonitorKind::CathodeRayTube, 1},
    {IDB_MONITOR_CRT_HOODED, MonitorKind::CathodeRayTube, 1},
    {IDB_MONITOR_CRT_BEIGE_CLASSIC, MonitorKind::CathodeRayTube, 1},
    {IDB_MONITOR_CRT_MIDNIGHT, MonitorKind::CathodeRayTube, 1},
    {IDB_MONITOR_LCD_SILVER_ROUND_FOOT, MonitorKind::FlatPanel, 1},
    {IDB_MONITOR_LCD_WIDE_BLACK, MonitorKind::FlatPanel, 2},
    {IDB_MONITOR_LCD_BLACK_COLUMN, MonitorKind::FlatPanel, 1},
    {IDB_MONITOR_LCD_WHITE_ARC, MonitorKind::FlatPanel, 1},
    {IDB_MONITOR_LCD_SILVER_SQUARE_FOOT, MonitorKind::FlatPanel, 1},
    {IDB_MONITOR_LCD_SPEAKERS, MonitorKind::FlatPanel, 1},
    {IDB_MONITOR_LCD_GRAPHITE_HOODED, MonitorKind::FlatPanel, 1},
    {IDB_MONITOR_LCD_IVORY, MonitorKind::FlatPanel, 1},
    {IDB_MONITOR_DEFAULT, MonitorKind::FlatPanel, 1},
    {IDB_MONITOR_LCD_GLOSS_BLACK, MonitorKind::FlatPanel, 1},
    {IDB_MONITOR_LCD_ALUMINIUM, MonitorKind::FlatPanel, 1},
    {IDB_MONITOR_LCD_WIDE_SILVER, MonitorKind::FlatPanel, 2},
};

// The picture's entry, or null for a number that is not a monitor picture.
constexpr const MonitorPicture* findMonitorPicture(int bitmapId) {
    for (const MonitorPicture& picture : kMonitorPictures) {
        if (picture.bitmapId == bitmapId) {
            return &picture;
        }
    }
    return nullptr;
}
