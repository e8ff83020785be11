#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "windows/WindowsTestSupport.h"

// Removes a folder and everything in it.
void RemoveFolder(const std::wstring& folder);

std::string Utf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& bytes);

struct CheckerRun {
    DWORD ExitCode = 0;
    std::vector<std::wstring> Lines;
};

// Runs VelbrixCheck.exe (the one beside this test program unless told otherwise) with the arguments and collects
// its standard output, line by line.
CheckerRun RunChecker(const std::vector<std::wstring>& arguments, const std::wstring& checker = {});
