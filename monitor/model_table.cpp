// An empty model table for now: every monitor is unlisted and follows its
// capabilities string. The maker's model list replaces it.
#include "monitor/model_table.h"

const uint16_t kVendorOem = 0;

namespace {
const ModelRow kUnlisted{};
}  // namespace

const ModelRow& findModel(uint32_t) {
    return kUnlisted;
}
std::span<const ModelRow> modelTable() {
    return {};
}
int monitorPictureFor(uint32_t) {
    return kDefaultMonitorPicture;
}
int illustrationStyleFor(uint32_t) {
    return 1;
}
bool codeTemplateContains(int, int, bool) {
    return false;
}
