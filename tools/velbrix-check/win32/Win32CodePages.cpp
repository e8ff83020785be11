#include "velbrix-check/win32/Win32CodePages.h"

#include <windows.h>

std::wstring Win32CodePages::FromAnsiCodePage(const std::string& bytes) {
    if (bytes.empty()) {
        return {};
    }
    const int size = static_cast<int>(bytes.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    if (needed <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), needed);
    return text;
}
