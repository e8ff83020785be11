#include "win32/Win32StringResources.h"

std::optional<std::wstring> Win32StringResources::FindString(uint32_t id, uint16_t language) {
    // A string table block holds 16 counted strings; block n holds the ids 16 * (n - 1) to 16 * n - 1.
    const HRSRC block = FindResourceExW(m_module, RT_STRING, MAKEINTRESOURCEW(id / 16 + 1), language);
    if (block == nullptr) {
        return std::nullopt;
    }
    const HGLOBAL loaded = LoadResource(m_module, block);
    const auto* cursor = static_cast<const WCHAR*>(loaded ? LockResource(loaded) : nullptr);
    if (cursor == nullptr) {
        return std::nullopt;
    }
    const WCHAR* end = cursor + SizeofResource(m_module, block) / sizeof(WCHAR);
    for (uint32_t skipped = 0; skipped < id % 16; ++skipped) {
        if (cursor >= end) {
            return std::nullopt;
        }
        cursor += 1 + *cursor;
    }
    if (cursor >= end || *cursor == 0 || cursor + 1 + *cursor > end) {
        return std::nullopt;
    }
    return std::wstring(reinterpret_cast<const wchar_t*>(cursor + 1), *cursor);
}
