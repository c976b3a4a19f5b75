// The settings file of /load over arbitrary text (people edit their dumps by
// hand). A file is read whole or refused with a line number; whatever is
// read holds only settings the command may write, and the dump's own
// formatter writes it back as a file that reads to the same records, so a
// dump edited, loaded and dumped again keeps every setting.
#include <set>
#include <string>

#include "cli/arguments.h"
#include "cli/dump_file.h"
#include "monitor/control_table.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    SettingsFile file;
    file.serial = "untouched";
    std::string error;
    if (parseSettingsFile(text, file, error) != 0) {
        FUZZ_CHECK(error.starts_with("line ") || error == "no monitor-id line");
        FUZZ_CHECK(file.serial == "untouched" && file.records.empty());
        return 0;
    }
    std::set<int> codes;
    for (const SettingsRecord& record : file.records) {
        FUZZ_CHECK(record.code >= 0 && record.code <= 0xFFFF && !isActionVcpCode(record.code));
        FUZZ_CHECK(record.value >= 0 && record.value <= record.maximum && record.maximum <= 0xFFFF);
        FUZZ_CHECK(codes.insert(record.code).second);
    }
    FUZZ_CHECK(file.serial.find('\n') == std::string::npos);

    const std::string written =
        formatSettingsFile(file, "1. fuzz (QRV F1)", "2026-01-01 00:00 UTC");
    SettingsFile again;
    FUZZ_CHECK(parseSettingsFile(written, again, error) == 0);
    FUZZ_CHECK(again.monitorId == file.monitorId && again.serial == file.serial);
    FUZZ_CHECK(again.records.size() == file.records.size());
    for (size_t i = 0; i < file.records.size(); ++i) {
        const SettingsRecord& a = file.records[i];
        const SettingsRecord& b = again.records[i];
        FUZZ_CHECK(a.code == b.code && a.value == b.value && a.maximum == b.maximum);
    }
    return 0;
}
