#include "velbrix-check/win32/Win32CodePages.h"

#include <windows.h>

#include <vector>

namespace {

constexpr UINT CODE_PAGE_936 = 936;

} // namespace

bool Win32CodePages::HasCodePage936Form(const std::wstring& text) {
    if (text.empty()) {
        return true;
    }
    // Converted for real rather than only measured, so that the default-character flag is surely set.
    const int units = static_cast<int>(text.size());
    const int needed =
        WideCharToMultiByte(CODE_PAGE_936, WC_NO_BEST_FIT_CHARS, text.data(), units, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) {
        return false;
    }
    std::vector<char> bytes(static_cast<std::size_t>(needed));
    BOOL usedDefaultChar = FALSE;
    const int written = WideCharToMultiByte(CODE_PAGE_936, WC_NO_BEST_FIT_CHARS, text.data(), units, bytes.data(),
                                            needed, nullptr, &usedDefaultChar);
    return written > 0 && !usedDefaultChar;
}

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
