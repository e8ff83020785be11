#include "win32/Win32Clipboard.h"

#include <windows.h>

#include <cstring>
#include <vector>

bool Win32Clipboard::PutText(const std::wstring& text) {
    // Two bytes for each UTF-16 unit fit any double-byte ANSI code page; the terminator is converted too.
    const std::size_t units = text.size() + 1;
    std::vector<char> converted(2 * units, '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(units), converted.data(),
                        static_cast<int>(converted.size()), nullptr, nullptr);
    // A conversion that ran out of room leaves no terminator: the length is bounded by the buffer, and the
    // block has one byte more for the zero.
    const std::size_t length = strnlen(converted.data(), converted.size());

    if (!OpenClipboard(nullptr)) {
        return false;
    }
    EmptyClipboard();
    // Zeroed, so that the bytes after the text's terminator hand nothing of this process's memory to other
    // programs, which may read the whole block.
    if (const HGLOBAL block = GlobalAlloc(GMEM_DDESHARE | GMEM_ZEROINIT, converted.size() + 1)) {
        if (void* const bytes = GlobalLock(block)) {
            std::memcpy(bytes, converted.data(), length);
            static_cast<char*>(bytes)[length] = '\0';
            GlobalUnlock(block);
            // The clipboard owns the block once it took it; a block it refused is still ours to free.
            if (SetClipboardData(CF_TEXT, block) == nullptr) {
                GlobalFree(block);
            }
        } else {
            GlobalFree(block);
        }
    }
    CloseClipboard();
    return true;
}

bool Win32Clipboard::PutUnicodeText(const std::wstring& text) {
    if (!OpenClipboard(nullptr)) {
        return false;
    }
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes)) {
        if (void* const units = GlobalLock(block)) {
            std::memcpy(units, text.c_str(), bytes);
            GlobalUnlock(block);
            if (SetClipboardData(CF_UNICODETEXT, block) == nullptr) {
                GlobalFree(block);
            }
        } else {
            GlobalFree(block);
        }
    }
    CloseClipboard();
    return true;
}
