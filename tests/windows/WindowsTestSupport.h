#pragma once

#include <windows.h>

#include <string>

#include "support/Utf16Text.h"

// The folder of the running test program, ending in a backslash.
std::wstring TestProgramDirectory();

// Writes bytes to a file, replacing it, making the folders on its way; returns false when that failed.
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
