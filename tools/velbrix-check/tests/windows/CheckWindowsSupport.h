#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The folder of the running test program, ending in a backslash.
std::wstring TestProgramFolder();

// Writes bytes to a file, replacing it, making the folders on its way; false when that failed.
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);

// Removes a folder and everything in it.
void RemoveFolder(const std::wstring& folder);

std::string Utf16LeBom(const std::wstring& text);
std::string Utf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& bytes);

struct CheckerRun {
    DWORD ExitCode = 0;
    std::vector<std::wstring> Lines;
};

// Runs VelbrixCheck.exe (the one beside this test program unless told otherwise) with the arguments and collects
// its standard output, line by line.
CheckerRun RunChecker(const std::vector<std::wstring>& arguments, const std::wstring& checker = {});
