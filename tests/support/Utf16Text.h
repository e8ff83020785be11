#pragma once

#include <string>

// UTF-16LE with a byte-order mark, as a supplier's editor saves "Unicode" text (each unit of the text as one
// UTF-16 unit).
inline std::string Utf16LeWithBom(const std::wstring& text) {
    std::string bytes = "\xFF\xFE";
    for (const wchar_t character : text) {
        bytes.push_back(static_cast<char>(character & 0xFF));
        bytes.push_back(static_cast<char>((character >> 8) & 0xFF));
    }
    return bytes;
}
