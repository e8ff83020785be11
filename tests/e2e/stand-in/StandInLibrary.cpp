// A library planted beside a program under the name of a system library. It does nothing but leave a mark
// when a process loads it: an empty file named after itself with ".loaded" appended.
#include <windows.h>

#include <string>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        std::wstring path(MAX_PATH, L'\0');
        const DWORD length = GetModuleFileNameW(instance, path.data(), static_cast<DWORD>(path.size()));
        if (length > 0 && length < path.size()) {
            path.resize(length);
            path += L".loaded";
            const HANDLE mark =
                CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (mark != INVALID_HANDLE_VALUE) {
                CloseHandle(mark);
            }
        }
    }
    return TRUE;
}
