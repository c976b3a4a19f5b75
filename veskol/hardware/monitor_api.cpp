#include "veskol/hardware/monitor_api.h"

#include <cctype>
#include <cstring>

namespace veskol::hardware {
namespace {

int lower(char c) {
    return std::tolower(static_cast<unsigned char>(c));
}

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

bool sameDevicePath(const char* a, const char* b) {
    if (!a || !b) {
        return false;
    }
    for (; *a && *b; ++a, ++b) {
        if (lower(*a) != lower(*b)) {
            return false;
        }
    }
    return *a == *b;
}

bool displayNameBefore(const char* a, const char* b) {
    while (*a && *b) {
        if (isDigit(*a) && isDigit(*b)) {
            // Compare whole numbers: fewer significant digits is smaller.
            while (*a == '0') {
                ++a;
            }
            while (*b == '0') {
                ++b;
            }
            size_t digitsA = 0;
            size_t digitsB = 0;
            while (isDigit(a[digitsA])) {
                ++digitsA;
            }
            while (isDigit(b[digitsB])) {
                ++digitsB;
            }
            if (digitsA != digitsB) {
                return digitsA < digitsB;
            }
            const int order = std::strncmp(a, b, digitsA);
            if (order != 0) {
                return order < 0;
            }
            a += digitsA;
            b += digitsB;
            continue;
        }
        if (lower(*a) != lower(*b)) {
            return lower(*a) < lower(*b);
        }
        ++a;
        ++b;
    }
    return *a == 0 && *b != 0;
}

}  // namespace veskol::hardware
