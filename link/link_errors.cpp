#include "link/link_errors.h"

namespace {

struct LinkErrorInfo {
    int code;
    const char* name;
    const char* meaning;
};

constexpr LinkErrorInfo kLinkErrors[] = {
    {kErrChecksum, "kErrChecksum", "reply checksum wrong"},
    {kErrEdidChecksum, "kErrEdidChecksum", "EDID block checksum wrong"},
    {kErrEdidHeader, "kErrEdidHeader", "EDID header wrong"},
    {kErrNoData, "kErrNoData", "null message where data was needed"},
    {kErrLength, "kErrLength", "wrong length"},
    {kErrCodeMismatch, "kErrCodeMismatch", "reply for another VCP code or page"},
    {kErrBadReply, "kErrBadReply", "wrong reply opcode or echo"},
    {kErrBadSource, "kErrBadSource", "reply source byte wrong"},
    {kErrTooLong, "kErrTooLong", "request or capacity above 120 bytes"},
    {kErrCodeRange, "kErrCodeRange", "VCP code or page above 255"},
    {kErrBufferFull, "kErrBufferFull", "capabilities string does not fit"},
    {kNullReply, "kNullReply", "null message (internal)"},
};

const LinkErrorInfo* find(int code) {
    for (const LinkErrorInfo& info : kLinkErrors) {
        if (info.code == code) {
            return &info;
        }
    }
    return nullptr;
}

}  // namespace

const char* linkErrorName(int code) {
    if (code >= 0) {
        return "ok";
    }
    const LinkErrorInfo* info = find(code);
    return info ? info->name : "library error";
}

const char* linkErrorMeaning(int code) {
    if (code >= 0) {
        return "success";
    }
    const LinkErrorInfo* info = find(code);
    return info ? info->meaning : "display-interface library failure";
}
