#include "win32/Win32ScriptFile.h"

#include <string>

namespace {

// The whole file as it stands, read through the handle that holds it.
bool ReadsBackAs(HANDLE file, const std::string& expected) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart != static_cast<LONGLONG>(expected.size())) {
        return false;
    }
    std::string bytes(expected.size(), '\0');
    DWORD read = 0;
    return ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) && read == bytes.size() &&
           bytes == expected;
}

} // namespace

Win32ScriptFile::~Win32ScriptFile() {
    Release();
}

void Win32ScriptFile::Release() {
    if (m_held != INVALID_HANDLE_VALUE) {
        CloseHandle(m_held);
    }
    m_held = INVALID_HANDLE_VALUE;
}

bool Win32ScriptFile::Write(const std::wstring& path, const std::wstring& text) {
    Release();
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
    if (!wrote || !closed || written != bytes->size()) {
        return false;
    }
    // Held for reading with only reading shared: while this handle is open, no one can open the file to write
    // it, nor delete or rename it, and the command interpreter, which opens it to read, still can. A write
    // handle could not be kept instead: an interpreter that shares nothing but reading could not open the file
    // beside it. What changed the file between the close and this open is caught by reading it back.
    const HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held == INVALID_HANDLE_VALUE) {
        return false;
    }
    if (!ReadsBackAs(held, *bytes)) {
        CloseHandle(held);
        return false;
    }
    m_held = held;
    return true;
}
