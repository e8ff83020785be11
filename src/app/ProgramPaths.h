#pragma once

#include <string>

// The executable's directory, cut after the last backslash of its path and keeping it; empty when the path
// holds no backslash.
std::wstring ProgramDirectoryFromExecutablePath(const std::wstring& executablePath);

// The application's name as message-box captions show it: the executable's file name without its extension.
std::wstring ApplicationNameFromExecutablePath(const std::wstring& executablePath);
