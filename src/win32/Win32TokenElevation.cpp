#include "win32/Win32TokenElevation.h"

#include <windows.h>

ITokenElevation::Elevation Win32TokenElevation::Read() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return Elevation::Unknown;
    }
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    const BOOL read = GetTokenInformation(token, TokenElevation, &elevation, sizeof(elevation), &size);
    CloseHandle(token);
    if (!read) {
        return Elevation::Unknown;
    }
    return elevation.TokenIsElevated != 0 ? Elevation::Elevated : Elevation::NotElevated;
}
