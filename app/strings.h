// Texts of the string table, and the printf-style formatting the table's
// format strings ("%1u. ...(%s)", "Mode %i") need, done by our own small
// formatter so that "%s" always takes a wide string whichever C runtime
// the program is linked with.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

// A string-table text of the program; empty when there is none.
[[nodiscard]] std::wstring loadString(int id);
// The same in UTF-8, for the portable monitor code.
[[nodiscard]] std::string loadStringUtf8(int id);

[[nodiscard]] std::string toUtf8(std::wstring_view text);
[[nodiscard]] std::wstring fromUtf8(std::string_view text);

using TextArg = std::variant<long long, std::wstring, double>;

// Formats `format` with %s (text), %i, %d, %u (whole numbers), %f (a
// double, with an optional precision such as %3.1f) and %%; an optional
// width such as %1u pads on the left and never cuts. Arguments that are missing or of the wrong kind print nothing.
[[nodiscard]] std::wstring formatText(std::wstring_view format,
                                      std::initializer_list<TextArg> args);
