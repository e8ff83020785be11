#include <windows.h>

#include "win32/SystemLibraries.h"

namespace {

using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);

} // namespace

bool LoadSystemLibrariesFromSystem32Only(std::initializer_list<const wchar_t*> required,
                                         std::initializer_list<const wchar_t*> whereAvailable) {
    // Looked up rather than imported: a Windows 7 without its 2011 loader update lacks it, and an import would
    // keep the program from starting with no word at all.
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    const auto setDefaultDirectories = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDefaultDirectories == nullptr || !setDefaultDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        return false;
    }
    for (const wchar_t* library : required) {
        // The manifest's activation context still sends comctl32.dll to the common controls 6.
        if (LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32) == nullptr) {
            return false;
        }
    }
    // Loaded once from System32 so that a later load by name finds them loaded; one this Windows lacks cannot
    // be asked for by its components either.
    for (const wchar_t* library : whereAvailable) {
        LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    return true;
}
