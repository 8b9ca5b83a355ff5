#pragma once
#include <string>

// The program's texts are Windows-1251 bytes; the screen and the file system speak UTF-8.
// These two are the only crossing points.
std::string Utf8FromCp1251(const std::string& bytes);
std::string Cp1251FromUtf8(const std::string& utf8); // unrepresentable characters become '?'
