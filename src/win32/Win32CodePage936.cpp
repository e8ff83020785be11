#include "win32/Win32CodePage936.h"

#include <windows.h>

namespace {

constexpr UINT CODE_PAGE_936 = 936;

} // namespace

std::optional<std::string> Win32CodePage936::ExactForm(const std::wstring& text) {
    if (text.empty()) {
        return std::string();
    }
    const int units = static_cast<int>(text.size());
    const int needed =
        WideCharToMultiByte(CODE_PAGE_936, WC_NO_BEST_FIT_CHARS, text.data(), units, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) {
        return std::nullopt;
    }
    // Converted for real rather than only measured, so that the default-character flag is surely set.
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    BOOL usedDefaultChar = FALSE;
    if (WideCharToMultiByte(CODE_PAGE_936, WC_NO_BEST_FIT_CHARS, text.data(), units, bytes.data(), needed, nullptr,
                            &usedDefaultChar) != needed ||
        usedDefaultChar) {
        return std::nullopt;
    }
    // A form of its own reads back as the same character; a one-way mapping that the flag let through does not.
    std::wstring readBack(text.size(), L'\0');
    const int readUnits =
        MultiByteToWideChar(CODE_PAGE_936, MB_ERR_INVALID_CHARS, bytes.data(), needed, readBack.data(), units);
    if (readUnits != units || readBack != text) {
        return std::nullopt;
    }
    return bytes;
}
