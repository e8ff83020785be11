#include "velbrix-check/win32/Win32CheckOutput.h"

#include <windows.h>

#include <string>

void Win32CheckOutput::WriteLine(const std::wstring& line) {
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == nullptr || output == INVALID_HANDLE_VALUE) {
        return;
    }
    const std::wstring text = line + L"\r\n";
    const int units = static_cast<int>(text.size());
    DWORD written = 0;
    DWORD mode = 0;
    if (GetConsoleMode(output, &mode)) {
        WriteConsoleW(output, text.data(), static_cast<DWORD>(units), &written, nullptr);
        return;
    }
    const int needed = WideCharToMultiByte(CP_UTF8, 0, text.data(), units, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) {
        return;
    }
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), units, bytes.data(), needed, nullptr, nullptr);
    WriteFile(output, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}
