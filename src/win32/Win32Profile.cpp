#include "win32/Win32Profile.h"

#include <windows.h>

#include <vector>

std::wstring Win32Profile::ExecutablePath() {
    // The buffer grows until the path fits, so that a folder nested deeper than 260 characters still
    // yields its real path rather than a cut one.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            return std::wstring(buffer.data(), length);
        }
        if (buffer.size() >= 32768) {
            return {};
        }
        buffer.resize(buffer.size() * 2);
    }
}

uint32_t Win32Profile::ReadUInt32(const std::wstring& iniPath, const std::wstring& section, const std::wstring& key,
                                  uint32_t defaultValue) {
    return GetPrivateProfileIntW(section.c_str(), key.c_str(), static_cast<INT>(defaultValue), iniPath.c_str());
}

std::wstring Win32Profile::ReadString(const std::wstring& iniPath, const std::wstring& section, const std::wstring& key,
                                      std::size_t maxChars) {
    std::vector<wchar_t> buffer(maxChars + 1, L'\0');
    const DWORD length = GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), iniPath.c_str());
    return std::wstring(buffer.data(), length);
}
