// The program's two string tables read side by side, whatever language the
// resource loader would pick: each string straight from its block of
// sixteen in the table of one language.
#pragma once

#include <windows.h>

#include <string>

inline constexpr LANGID kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
inline constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

// String `id` of the table of `language`; empty when that table lacks it.
inline std::wstring tableString(LANGID language, int id) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC block = FindResourceExW(module, MAKEINTRESOURCEW(6) /* strings */,
                                  MAKEINTRESOURCEW(id / 16 + 1), language);
    if (!block) {
        return {};
    }
    auto text = static_cast<const wchar_t*>(LockResource(LoadResource(module, block)));
    for (int skip = id % 16; skip > 0; --skip) {
        text += 1 + *text;  // each entry: its length, then its characters
    }
    return std::wstring(text + 1, *text);
}

// The face name of the font a dialog template of `language` asks for.
inline std::wstring templateFont(LANGID language, const wchar_t* name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceExW(module, MAKEINTRESOURCEW(5) /* dialogs */, name, language);
    if (!found) {
        return {};
    }
    auto word = static_cast<const WORD*>(LockResource(LoadResource(module, found)));
    word += 13;  // DLGTEMPLATEEX up to and including its size
    const auto skipNameOrNumber = [&word] {
        if (*word == 0xFFFF) {
            word += 2;
        } else {
            while (*word++) {
            }
        }
    };
    skipNameOrNumber();  // menu
    skipNameOrNumber();  // class
    while (*word++) {    // caption
    }
    word += 3;  // point size, weight, italic and character set
    return reinterpret_cast<const wchar_t*>(word);
}
