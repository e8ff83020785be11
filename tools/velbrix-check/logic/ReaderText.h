#pragma once

#include <string>

// Text as the platform's INI and INF readers compare it: blanks (spaces and tabs) around a name or value do not
// count, and neither does the case of ASCII letters.
std::wstring TrimBlanks(const std::wstring& text);
std::wstring LowerAscii(std::wstring text);
bool EqualIgnoringAsciiCase(const std::wstring& left, const std::wstring& right);
