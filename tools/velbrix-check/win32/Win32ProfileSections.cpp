#include "velbrix-check/win32/Win32ProfileSections.h"

#include <windows.h>

namespace {

// The reader gives the names as one list; it grows until the names fit, up to this many characters, which is
// more than any file the checker hands to the reader can name.
constexpr DWORD NAMES_START_CHARS = 4096;
constexpr DWORD NAMES_MAX_CHARS = 8 * 1024 * 1024;

} // namespace

std::vector<std::wstring> Win32ProfileSections::SectionNames(const std::wstring& iniPath) {
    std::vector<wchar_t> buffer(NAMES_START_CHARS);
    DWORD length = 0;
    for (;;) {
        length = GetPrivateProfileSectionNamesW(buffer.data(), static_cast<DWORD>(buffer.size()), iniPath.c_str());
        // The reader answers the buffer's size less two when the names did not fit.
        if (length + 2 < buffer.size() || buffer.size() >= NAMES_MAX_CHARS) {
            break;
        }
        buffer.assign(buffer.size() * 4, L'\0');
    }
    std::vector<std::wstring> names;
    for (DWORD start = 0; start < length && buffer[start] != L'\0';) {
        std::wstring name(buffer.data() + start);
        start += static_cast<DWORD>(name.size()) + 1;
        names.push_back(std::move(name));
    }
    return names;
}
