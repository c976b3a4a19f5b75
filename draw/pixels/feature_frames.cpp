#include "draw/pixels/feature_frames.h"

#include "draw/pixels/convergence.h"
#include "draw/pixels/corner_purity.h"
#include "draw/pixels/geometry_warps.h"
#include "draw/pixels/moire_overlay.h"
#include "draw/pixels/sharpness.h"
#include "draw/pixels/tone_effects.h"

namespace {

constexpr int kSharpness = 82;

void drawSharpness(const PixelView& capture, const PixelView& frame, int, int k) {
    drawSharpnessFrame(capture, frame, k);
}

struct FeatureDrawing {
    bool (*handles)(int feature);
    void (*draw)(const PixelView& capture, const PixelView& frame, int feature, int k);
};

bool isSharpness(int feature) {
    return feature == kSharpness;
}

constexpr FeatureDrawing kDrawings[] = {
    {isGeometryFeature, drawGeometryFrame}, {isConvergenceFeature, drawConvergenceFrame},
    {isToneFeature, drawToneFrame},         {isPurityFeature, drawPurityFrame},
    {isMoireFeature, drawMoireFrame},       {isSharpness, drawSharpness},
};

const FeatureDrawing* drawingOf(int feature) {
    for (const FeatureDrawing& drawing : kDrawings) {
        if (drawing.handles(feature)) {
            return &drawing;
        }
    }
    return nullptr;
}

}  // namespace

bool hasFeatureFrame(int feature) {
    return drawingOf(feature) != nullptr;
}

bool drawFeatureFrame(const PixelView& capture, const PixelView& frame, int feature, int k) {
    const FeatureDrawing* drawing = drawingOf(feature);
    if (!drawing || capture.empty() || frame.empty()) {
        return false;
    }
    drawing->draw(capture, frame, feature, k);
    return true;
}
