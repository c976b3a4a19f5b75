#include "monitor/control_table.h"

namespace {

struct TableRow {
    uint16_t vcpCode;
    int16_t feature;
};

constexpr uint16_t kNone = kNoVcpCode;

// Index -> (VCP code, FeatureId). Some places carry a feature without a
// code (convergence and purity items of models that never had them): those
// features are never available.
constexpr TableRow kTable[kControlCount] = {
    /* 0 */ {kNone, -1},
    /* 1 */ {0x00, -1},   // degauss (action)
    /* 2 */ {0x08, -1},   // restore colour defaults (action)
    /* 3 */ {0x06, -1},   // restore geometry defaults (action)
    /* 4 */ {0x04, -1},   // restore factory defaults (action)
    /* 5 */ {0x14, -1},   // colour preset
    /* 6 */ {0x10, 14},   // brightness
    /* 7 */ {0x12, 15},   // contrast
    /* 8 */ {0x16, 18},   // red gain
    /* 9 */ {0x18, 16},   // green gain
    /* 10 */ {0x1A, 17},  // blue gain
    /* 11 */ {0x20, 0},   // horizontal position
    /* 12 */ {0x22, 1},   // horizontal size
    /* 13 */ {0x24, 7},   // pincushion
    /* 14 */ {0x26, 10},  // pincushion balance
    /* 15 */ {0x28, 13},  // horizontal convergence
    /* 16 */ {0x30, 2},   // vertical position
    /* 17 */ {0x32, 3},   // vertical size
    /* 18 */ {0x38, 44},  // vertical convergence
    /* 19 */ {0x3A, 11},  // vertical linearity
    /* 20 */ {0x3C, 43},  // vertical linearity balance
    /* 21 */ {0x40, 9},   // parallelogram
    /* 22 */ {0x42, 8},   // trapezoid (keystone)
    /* 23 */ {0x44, 12},  // rotation
    /* 24 */ {0x46, 45},  // top pincushion (corner flare)
    /* 25 */ {0x48, 46},  // top balance (corner hook)
    /* 26 */ {0x4A, 49},  // bottom pincushion
    /* 27 */ {0x4C, 50},  // bottom balance
    /* 28 */ {0x56, 51},  // horizontal moire cancel
    /* 29 */ {0x58, 62},  // vertical moire cancel
    /* 30 */ {0x6C, 28},  // red black level
    /* 31 */ {0x6E, 26},  // green black level
    /* 32 */ {0x70, 27},  // blue black level
    /* 33 */ {kNone, -1},
    /* 34 */ {kNone, -1},
    /* 35 */ {0xE8, 66},   // top-left purity
    /* 36 */ {0xE9, 65},   // top-right purity
    /* 37 */ {0xEA, 68},   // bottom-left purity
    /* 38 */ {0xEB, 67},   // bottom-right purity
    /* 39 */ {0xE6, 6},    // centre pincushion
    /* 40 */ {kNone, 75},  // left horizontal convergence
    /* 41 */ {kNone, 76},  // right horizontal convergence
    /* 42 */ {0xF9, 95},   // window-area mode
    /* 43 */ {kNone, -1},
    /* 44 */ {kNone, -1},
    /* 45 */ {kNone, 48},  // purity
    /* 46 */ {kNone, 73},  // top vertical convergence
    /* 47 */ {kNone, 74},  // bottom vertical convergence
    /* 48 */ {kNone, 41},  // centre pincushion balance
    /* 49 */ {0xE4, 40},   // corner pincushion
    /* 50 */ {0xE5, 42},   // corner pincushion balance
    /* 51 */ {0x54, 69},   // colour temperature (table-driven models)
    /* 52 */ {kNone, 79},
    /* 53 */ {0x8A, 81},  // saturation
    /* 54 */ {0x8C, 82},  // sharpness
    /* 55 */ {0x1E, -1},  // auto setup (action)
    /* 56 */ {0xD8, -1},  // picture mode select
    /* 57 */ {0xB1, -1},  // automatic size and distortion (action)
    /* 58 */ {0x9B, 83},  // hue: red
    /* 59 */ {0x9C, 84},  // yellow
    /* 60 */ {0x9D, 85},  // green
    /* 61 */ {0x9E, 86},  // cyan
    /* 62 */ {0x9F, 87},  // blue
    /* 63 */ {0xA0, 88},  // magenta
    /* 64 */ {kNone, -1},
    /* 65 */ {kNone, -1},
    /* 66 */ {kNone, -1},
    /* 67 */ {kNone, -1},
    /* 68 */ {kNone, -1},
    /* 69 */ {kNone, -1},
    /* 70 */ {0x0B, -1},  // colour-temperature step
    /* 71 */ {0x0C, -1},  // colour temperature request
};

bool validIndex(int index) {
    return index >= 0 && index < kControlCount;
}

}  // namespace

uint16_t controlVcpCode(int index) {
    return validIndex(index) ? kTable[index].vcpCode : kNone;
}

int controlFeature(int index) {
    return validIndex(index) ? kTable[index].feature : kNoFeature;
}

int featureControl(int feature) {
    if (feature < 0) {
        return -1;
    }
    for (int index = 0; index < kControlCount; ++index) {
        if (kTable[index].feature == feature) {
            return index;
        }
    }
    return -1;
}

bool isActionVcpCode(int code) {
    switch (code) {
        case 0x00:
        case 0x04:
        case 0x06:
        case 0x08:
        case 0x1E:
        case 0xB1:
            return true;
        default:
            return false;
    }
}
