// Whole text files by UTF-8 path, for the settings files of /dump and /load.
#pragma once

#include <string>

// 0 and the file's bytes, or -1.
[[nodiscard]] int readTextFile(const std::string& path, std::string& text);
// Writes the file whole through a temporary file renamed over it, so a
// failure never leaves half a file. 0 or -1.
[[nodiscard]] int writeTextFile(const std::string& path, const std::string& text);
