#include "windows/WindowsTestSupport.h"

#include "app/ProgramPaths.h"
#include "win32/Win32Profile.h"

std::wstring TestProgramDirectory() {
    return ProgramDirectoryFromExecutablePath(Win32Profile().ExecutablePath());
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    for (std::size_t separator = path.find(L'\\', 3); separator != std::wstring::npos;
         separator = path.find(L'\\', separator + 1)) {
        CreateDirectoryW(path.substr(0, separator).c_str(), nullptr);
    }
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}
