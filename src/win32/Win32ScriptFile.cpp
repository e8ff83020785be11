#include "win32/Win32ScriptFile.h"

#include <windows.h>

bool Win32ScriptFile::Write(const std::wstring& path, const std::wstring& text) {
    const std::optional<std::string> bytes = m_codePage936.ExactForm(text);
    if (!bytes) {
        return false;
    }
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const BOOL wrote = WriteFile(file, bytes->data(), static_cast<DWORD>(bytes->size()), &written, nullptr);
    const BOOL closed = CloseHandle(file);
    return wrote && closed && written == bytes->size();
}
