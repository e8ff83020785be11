#include "win32/Win32Clipboard.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Replaces the clipboard's contents with the bytes in one format. The block is movable, as the clipboard asks,
// and holds exactly the bytes given, so that nothing else of this process's memory reaches the programs that read
// the whole block.
bool PutOnClipboard(UINT format, const void* data, std::size_t bytes) {
    if (!OpenClipboard(nullptr)) {
        return false;
    }
    EmptyClipboard();
    if (const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (void* const copy = GlobalLock(block)) {
            std::memcpy(copy, data, bytes);
            GlobalUnlock(block);
            // The clipboard owns the block once it took it; a block it refused is still ours to free.
            if (SetClipboardData(format, block) == nullptr) {
                GlobalFree(block);
            }
        } else {
            GlobalFree(block);
        }
    }
    CloseClipboard();
    return true;
}

} // namespace

bool Win32Clipboard::PutText(const std::wstring& text) {
    // Two bytes for each UTF-16 unit fit any double-byte ANSI code page; the terminator is converted too.
    const std::size_t units = text.size() + 1;
    std::vector<char> converted(2 * units, '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(units), converted.data(),
                        static_cast<int>(converted.size()), nullptr, nullptr);
    // A conversion that ran out of room leaves no terminator: the text ends where the buffer does.
    const std::string ansi(converted.data(), strnlen(converted.data(), converted.size()));
    return PutOnClipboard(CF_TEXT, ansi.c_str(), ansi.size() + 1);
}

bool Win32Clipboard::PutUnicodeText(const std::wstring& text) {
    return PutOnClipboard(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}
