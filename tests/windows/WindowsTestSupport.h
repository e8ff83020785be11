#pragma once

#include <windows.h>

#include <string>

// The folder of the running test program, ending in a backslash.
std::wstring TestProgramDirectory();

// Writes bytes to a file, replacing it, making the folders on its way; returns false when that failed.
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);

// UTF-16LE with a byte-order mark, as a supplier's editor saves "Unicode" text.
std::string Utf16LeWithBom(const std::wstring& text);
