#include "app/strings.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/app_state.h"

std::wstring loadString(int id) {
    const wchar_t* text = nullptr;
    // With a zero buffer size the call hands out the resource text itself.
    const int length = LoadStringW(app().instance ? app().instance : GetModuleHandleW(nullptr),
                                   static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

std::string toUtf8(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

std::wstring fromUtf8(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
    return out;
}

std::string loadStringUtf8(int id) {
    return toUtf8(loadString(id));
}

std::wstring formatText(std::wstring_view format, std::initializer_list<TextArg> args) {
    std::wstring out;
    auto next = args.begin();
    for (size_t i = 0; i < format.size(); ++i) {
        const wchar_t c = format[i];
        if (c != L'%' || i + 1 >= format.size()) {
            out += c;
            continue;
        }
        size_t j = i + 1;
        if (format[j] == L'%') {
            out += L'%';
            i = j;
            continue;
        }
        const auto readNumber = [&] {
            size_t number = 0;
            while (j < format.size() && format[j] >= L'0' && format[j] <= L'9') {
                number = number * 10 + static_cast<size_t>(format[j] - L'0');
                ++j;
            }
            return number;
        };
        const size_t width = readNumber();
        size_t precision = 6;
        if (j < format.size() && format[j] == L'.') {
            ++j;
            precision = std::min<size_t>(readNumber(), 9);
        }
        if (j >= format.size()) {
            out.append(format.substr(i));
            break;
        }
        const wchar_t conversion = format[j];
        std::wstring piece;
        const TextArg* arg = next != args.end() ? &*next : nullptr;
        switch (conversion) {
            case L's':
                if (arg && std::holds_alternative<std::wstring>(*arg)) {
                    piece = std::get<std::wstring>(*arg);
                }
                break;
            case L'i':
            case L'd':
            case L'u':
                if (arg && std::holds_alternative<long long>(*arg)) {
                    long long value = std::get<long long>(*arg);
                    if (conversion == L'u' && value < 0) {
                        value = static_cast<long long>(static_cast<unsigned>(value));
                    }
                    piece = std::to_wstring(value);
                }
                break;
            case L'f':
                if (arg && std::holds_alternative<double>(*arg)) {
                    wchar_t number[64];
                    std::swprintf(number, 64, L"%.*f", static_cast<int>(precision),
                                  std::get<double>(*arg));
                    piece = number;
                }
                break;
            default:  // not a conversion we know: keep the text as it stands
                out.append(format.substr(i, j - i + 1));
                i = j;
                continue;
        }
        if (piece.size() < width) {
            piece.insert(0, width - piece.size(), L' ');
        }
        out += piece;
        if (next != args.end()) {
            ++next;
        }
        i = j;
    }
    return out;
}
