#include "decode/capability_set.h"

#include <algorithm>
#include <bitset>
#include <cstring>
#include <optional>
#include <set>
#include <utility>

namespace {

constexpr int kPageCount = 256;

// The type names a monitor reports, exactly as they must be spelled.
struct DisplayTypeName {
    std::string_view text;
    int32_t type;
};
constexpr DisplayTypeName kDisplayTypeNames[] = {
    {"LCD", kDisplayLcd},    {"lcd", kDisplayLcd}, {"CRT", kDisplayCrt},
    {"CRT_AG", kDisplayCrt}, {"crt", kDisplayCrt}, {"crt_ag", kDisplayCrt},
};

// Some monitors report their asset memory in hexadecimal, some in decimal
// written as if it were hexadecimal: 0x64 and 0x32 mean 64 and 32 bytes.
struct AssetSizeFix {
    int32_t reported;
    int32_t size;
};
constexpr AssetSizeFix kAssetSizeFixes[] = {{0x64, 0x40}, {0x32, 0x20}};

constexpr std::string_view kPageSectionPrefix = "vcp_p";  // then two upper-case hex digits, "("
constexpr std::string_view kPageWord = "page";

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

int digitValue(char c, int base) {
    const int value = hexDigitValue(c);
    return value < base ? value : -1;
}

bool isUpperHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

bool isBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Reads an integer as the C conversions do: leading white space, a sign,
// then for base 16 an optional 0x; for base 0 a 0x prefix means hexadecimal,
// a leading 0 octal, anything else decimal. Digits beyond 32 bits wrap
// around. Returns the number of characters used, 0 when there is no number
// (then `value` is untouched).
size_t scanInteger(std::string_view text, int base, int32_t& value) {
    size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const bool hexPrefix = pos + 2 < text.size() && text[pos] == '0' &&
                           (text[pos + 1] == 'x' || text[pos + 1] == 'X') &&
                           hexDigitValue(text[pos + 2]) >= 0;
    if (base == 0) {
        base = hexPrefix ? 16 : (pos < text.size() && text[pos] == '0' ? 8 : 10);
    }
    if (base == 16 && hexPrefix) {
        pos += 2;
    }
    const size_t firstDigit = pos;
    uint32_t number = 0;
    for (int digit = 0; pos < text.size() && (digit = digitValue(text[pos], base)) >= 0; ++pos) {
        number = number * static_cast<uint32_t>(base) + static_cast<uint32_t>(digit);
    }
    if (pos == firstDigit) {
        return 0;
    }
    value = static_cast<int32_t>(negative ? 0u - number : number);
    return pos;
}

// page * 256 + code, wrapping like the 32-bit codes it stands for.
int32_t pagedCode(uint32_t page, uint32_t code) {
    return static_cast<int32_t>(page * 256u + code);
}

// The text after an opening "(" up to its matching ")"; -1 if it never closes.
int sectionBody(std::string_view rest, std::string_view& body) {
    int depth = 0;
    for (size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == '(') {
            ++depth;
        } else if (rest[i] == ')') {
            if (depth == 0) {
                body = rest.substr(0, i);
                return 0;
            }
            --depth;
        }
    }
    return -1;
}

// One walk over a code list. `onCode(code)` sees each code outside value
// lists, `onOpen(owner)` each "(" that opens a value list with the code
// owning it, and `onValue(owner, value)` each number at the list's own level.
// A value may carry a list of its own, as in "E1(02(00 01) 03)": such inner
// lists only nest, so nothing inside the outer list ever becomes a code.
template <typename OnCode, typename OnOpen, typename OnValue>
void walkCodeList(std::string_view body, OnCode onCode, OnOpen onOpen, OnValue onValue) {
    int valueDepth = 0;  // 0 outside a value list, 1 in one, more in a nested one
    bool inPage = false;
    uint32_t page = 0;
    uint32_t lastCode = 0;
    int32_t owner = 0;
    size_t pos = 0;
    while (pos < body.size()) {
        const char c = body[pos];
        if (c == ' ') {
            ++pos;
            continue;
        }
        if (c == 'p' && body.compare(pos, kPageWord.size(), kPageWord) == 0) {
            // "pageN(": the codes after it are codes of page N. The walk
            // steps past exactly the number read and its "(".
            pos += kPageWord.size();
            int32_t number = 0;
            const size_t used = scanInteger(body.substr(pos), 0, number);
            if (used > 0) {
                page = static_cast<uint32_t>(number);
                inPage = true;
                pos += used;
                if (pos < body.size() && body[pos] == '(') {
                    ++pos;
                }
            }
            continue;
        }
        if (c == '(') {
            if (valueDepth++ == 0) {
                owner = pagedCode(page, lastCode);
                onOpen(owner);
            }
            ++pos;
            continue;
        }
        if (c == ')') {
            if (valueDepth > 0) {
                --valueDepth;
            } else if (inPage) {
                inPage = false;
            }
            ++pos;
            continue;
        }
        // A code or value: one or two hexadecimal digits.
        uint32_t number = 0;
        size_t digits = 0;
        for (int d = 0; digits < 2 && pos + digits < body.size() &&
                        (d = hexDigitValue(body[pos + digits])) >= 0;
             ++digits) {
            number = number * 16 + static_cast<uint32_t>(d);
        }
        if (digits == 0) {
            ++pos;
            continue;
        }
        pos += digits;
        if (valueDepth == 1) {
            onValue(owner, static_cast<int32_t>(number));
        } else if (valueDepth == 0) {
            lastCode = number;
            onCode(pagedCode(page, number));
        }
    }
}

// One section's code list: each code once, in the order first listed, and
// the codes that own a value list, each with the values of the first list
// it was given (first 255 kept). A monitor that lists a code twice, values
// and all, means the one code. Codes and keys are as walked; `page` moves
// them into a vendor page when the set stores them.
struct CodeList {
    uint32_t page = 0;
    std::vector<int32_t> codes;
    std::vector<int32_t> keys;
    std::vector<std::vector<int32_t>> lists;  // one per key
};

// Appends `value` to `out` unless `seen` holds it already: a code listed
// twice is one code.
void appendOnce(std::set<int32_t>& seen, std::vector<int32_t>& out, int32_t value) {
    if (seen.insert(value).second) {
        out.push_back(value);
    }
}

// The values of one list, each once: they are one or two hexadecimal digits.
class ValueList {
  public:
    explicit ValueList(std::vector<int32_t>& values) : values_(values) {}
    void add(int32_t value) {
        if (values_.size() < kMaxListValues && !seen_[static_cast<size_t>(value)]) {
            seen_.set(static_cast<size_t>(value));
            values_.push_back(value);
        }
    }

  private:
    std::vector<int32_t>& values_;
    std::bitset<256> seen_;
};

// Reads a code list, keeping at most `maxKeys` value lists; the codes that
// own further lists stay in the list of codes.
CodeList readCodeList(std::string_view body, uint32_t page, size_t maxKeys) {
    CodeList list;
    list.page = page;
    std::set<int32_t> codes;
    std::set<int32_t> owners;
    std::optional<ValueList> open;  // the list being read, when it is its owner's first
    walkCodeList(
        body, [&](int32_t code) { appendOnce(codes, list.codes, code); },
        [&](int32_t owner) {
            open.reset();
            if (list.keys.size() < maxKeys && owners.insert(owner).second) {
                list.keys.push_back(owner);
                open.emplace(list.lists.emplace_back());
            }
        },
        [&](int32_t, int32_t value) {
            if (open) {
                open->add(value);
            }
        });
    return list;
}

// An owned array of `size` elements, none for 0.
template <typename T>
std::unique_ptr<T[]> allocate(size_t size) {
    return size == 0 ? nullptr : std::unique_ptr<T[]>(new T[size]);
}

// Stores the code lists of `sections` one after another: codes, the keys
// that own value lists, and one value block per key. A code (or key) that
// an earlier section already gave is left out.
void storeLists(const std::vector<CodeList>& sections, std::unique_ptr<int32_t[]>& codes,
                int32_t& codeCount, std::unique_ptr<int32_t[]>& keys,
                std::unique_ptr<ValueBlock[]>& blocks, int32_t& keyCount) {
    std::vector<int32_t> allCodes;
    std::vector<std::pair<int32_t, const std::vector<int32_t>*>> allKeys;
    std::set<int32_t> seenCodes;
    std::set<int32_t> seenKeys;
    for (const CodeList& section : sections) {
        for (int32_t walked : section.codes) {
            const int32_t code = pagedCode(section.page, static_cast<uint32_t>(walked));
            appendOnce(seenCodes, allCodes, code);
        }
        for (size_t i = 0; i < section.keys.size(); ++i) {
            const int32_t key = pagedCode(section.page, static_cast<uint32_t>(section.keys[i]));
            if (seenKeys.insert(key).second) {
                allKeys.emplace_back(key, &section.lists[i]);
            }
        }
    }
    codes = allocate<int32_t>(allCodes.size());
    keys = allocate<int32_t>(allKeys.size());
    blocks = allocate<ValueBlock>(allKeys.size());
    codeCount = static_cast<int32_t>(allCodes.size());
    keyCount = static_cast<int32_t>(allKeys.size());
    std::copy(allCodes.begin(), allCodes.end(), codes.get());
    for (size_t i = 0; i < allKeys.size(); ++i) {
        keys[i] = allKeys[i].first;
        const std::vector<int32_t>& values = *allKeys[i].second;
        ValueBlock& block = blocks[i];
        block[0] = static_cast<int32_t>(values.size());
        const auto end = std::copy(values.begin(), values.end(), block.begin() + 1);
        std::fill(end, block.end(), 0);
    }
}

void copyText(char (&field)[kCapabilityTextSize], std::string_view text) {
    const size_t length = std::min(text.size(), sizeof field - 1);
    std::memcpy(field, text.data(), length);
    field[length] = 0;
}

int32_t displayTypeOf(std::string_view text) {
    for (const DisplayTypeName& name : kDisplayTypeNames) {
        if (text == name.text) {
            return name.type;
        }
    }
    return kDisplayOther;
}

int32_t assetEepromSizeOf(int32_t reported) {
    for (const AssetSizeFix& fix : kAssetSizeFixes) {
        if (reported == fix.reported) {
            return fix.size;
        }
    }
    return reported;
}

// Where each page's section "vcp_pXX(" first occurs (the position of its
// "("), or npos: one pass over the text instead of a search per page.
std::array<size_t, kPageCount> findPageSections(std::string_view text) {
    std::array<size_t, kPageCount> found;
    found.fill(std::string_view::npos);
    constexpr size_t keyLength = kPageSectionPrefix.size() + 3;
    for (size_t at = text.find(kPageSectionPrefix); at != std::string_view::npos;
         at = text.find(kPageSectionPrefix, at + 1)) {
        if (at + keyLength > text.size()) {
            break;
        }
        const char high = text[at + kPageSectionPrefix.size()];
        const char low = text[at + kPageSectionPrefix.size() + 1];
        if (!isUpperHexDigit(high) || !isUpperHexDigit(low) || text[at + keyLength - 1] != '(') {
            continue;
        }
        const int page = hexDigitValue(high) * 16 + hexDigitValue(low);
        if (found[page] == std::string_view::npos) {
            found[page] = at + keyLength;
        }
    }
    return found;
}

}  // namespace

void CapabilitySet::clear() {
    loaded = 0;
    vcpCodes.reset();
    vcpCodesWithValues.reset();
    commandCodes.reset();
    commandCodesWithValues.reset();
    vcpValueLists.reset();
    commandValueLists.reset();
    vcpCodesWithValuesCount = 0;
    commandCodesCount = 0;
    commandCodesWithValuesCount = 0;
    vcpCodesCount = 0;
    displayType = kDisplayOther;
    assetEepromSize = 0;
    colourTempOffset = 0;
    typeText[0] = 0;
    mccsVersion[0] = 0;
    mpuVersion[0] = 0;
}

int CapabilitySet::findSection(std::string_view key, std::string_view text,
                               std::string_view& body) {
    const size_t at = text.find(key);
    if (at == std::string_view::npos) {
        return -1;
    }
    return sectionBody(text.substr(at + key.size()), body);
}

VcpListScan CapabilitySet::search_vcps(std::string_view body) {
    VcpListScan scan;
    std::set<int32_t> codes;
    std::set<int32_t> keys;
    walkCodeList(
        body, [&](int32_t code) { appendOnce(codes, scan.codes, code); },
        [&](int32_t owner) { appendOnce(keys, scan.keys, owner); }, [](int32_t, int32_t) {});
    return scan;
}

std::vector<int32_t> CapabilitySet::search_enum_vcps(std::string_view body, int32_t key) {
    std::vector<int32_t> values;
    ValueList list(values);
    int listsOfKey = 0;
    bool reading = false;
    walkCodeList(
        body, [](int32_t) {}, [&](int32_t owner) { reading = owner == key && listsOfKey++ == 0; },
        [&](int32_t, int32_t value) {
            if (reading) {
                list.add(value);
            }
        });
    return values;
}

int CapabilitySet::parseCapabilities(std::string_view text) {
    clear();
    text = text.substr(0, text.find('\0'));
    int result = -1;
    std::string_view body;

    if (findSection("type(", text, body) == 0) {
        copyText(typeText, body);
        displayType = displayTypeOf(body);
    }

    // The standard list first, then each page's list in ascending page
    // order; a page section counts only when it lists a code.
    std::vector<CodeList> sections;
    size_t keysLeft = kMaxValueLists;
    if (findSection("vcp(", text, body) == 0) {
        sections.push_back(readCodeList(body, 0, keysLeft));
        keysLeft -= sections.back().keys.size();
        result = 0;
    }
    const std::array<size_t, kPageCount> pages = findPageSections(text);
    for (uint32_t page = 0; page < kPageCount; ++page) {
        if (pages[page] == std::string_view::npos ||
            sectionBody(text.substr(pages[page]), body) != 0) {
            continue;
        }
        CodeList list = readCodeList(body, page, keysLeft);
        if (!list.codes.empty()) {
            keysLeft -= list.keys.size();
            sections.push_back(std::move(list));
        }
    }
    storeLists(sections, vcpCodes, vcpCodesCount, vcpCodesWithValues, vcpValueLists,
               vcpCodesWithValuesCount);

    if (findSection("mccs_ver(", text, body) == 0) {
        copyText(mccsVersion, body);
    }
    if (findSection("mpu_ver(", text, body) == 0) {
        copyText(mpuVersion, body);
    }
    if (findSection("c_tmp_ofst(", text, body) == 0) {
        (void)scanInteger(body, 16, colourTempOffset);
    }
    if (findSection("cmds_c2(", text, body) == 0) {
        const std::vector<CodeList> commands = {readCodeList(body, 0, kMaxValueLists)};
        storeLists(commands, commandCodes, commandCodesCount, commandCodesWithValues,
                   commandValueLists, commandCodesWithValuesCount);
    }
    if (findSection("asset_eep(", text, body) == 0) {
        int32_t reported = 0;
        if (scanInteger(body, 16, reported) > 0) {
            assetEepromSize = assetEepromSizeOf(reported);
        }
    }

    loaded = result == 0 ? 1 : 0;
    return result;
}

int CapabilitySet::valueListIndex(int32_t code) const {
    for (int32_t i = 0; i < vcpCodesWithValuesCount; ++i) {
        if (vcpCodesWithValues[i] == code) {
            return i;
        }
    }
    return -1;
}

bool CapabilitySet::supportsVcp(int32_t code) const {
    const std::span<const int32_t> codes = getVcpList();
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

bool CapabilitySet::hasVcpValues(int32_t code) const {
    return valueListIndex(code) >= 0;
}

std::span<const int32_t> CapabilitySet::getVcpValues(int32_t code) const {
    const int index = valueListIndex(code);
    if (index < 0) {
        return {};
    }
    const ValueBlock& block = vcpValueLists[index];
    return {block.data() + 1, static_cast<size_t>(block[0])};
}

int CapabilitySet::getVcpValueCount(int32_t code) const {
    return static_cast<int>(getVcpValues(code).size());
}

bool CapabilitySet::vcpHasValue(int32_t code, int32_t value) const {
    const std::span<const int32_t> values = getVcpValues(code);
    return std::find(values.begin(), values.end(), value) != values.end();
}

std::span<const int32_t> CapabilitySet::getVcpList() const {
    if (vcpCodesCount == 0) {
        return {};
    }
    return {vcpCodes.get(), static_cast<size_t>(vcpCodesCount)};
}
