#include "win32/Win32PrintPolicy.h"

#include <windows.h>

namespace {

// "Configure Windows protected print" (Printing.admx).
constexpr const wchar_t* PROTECTED_PRINT_KEY = L"SOFTWARE\\Policies\\Microsoft\\Windows NT\\Printers\\WPP";
constexpr const wchar_t* PROTECTED_PRINT_VALUE = L"WindowsProtectedPrintGroupPolicyState";
// "Turn off printing over HTTP" (ICM.admx).
constexpr const wchar_t* HTTP_PRINTING_KEY = L"SOFTWARE\\Policies\\Microsoft\\Windows NT\\Printers";
constexpr const wchar_t* HTTP_PRINTING_VALUE = L"DisableHTTPPrinting";

// A policy's switch is a DWORD of 1 when the policy is enabled; missing, of another type or unreadable is not
// set.
bool PolicySwitchOn(const wchar_t* key, const wchar_t* value) {
    DWORD data = 0;
    DWORD size = sizeof(data);
    const LSTATUS status = RegGetValueW(HKEY_LOCAL_MACHINE, key, value, RRF_RT_REG_DWORD, nullptr, &data, &size);
    return status == ERROR_SUCCESS && data == 1;
}

} // namespace

bool Win32PrintPolicy::ProtectedPrintModeOn() {
    return PolicySwitchOn(PROTECTED_PRINT_KEY, PROTECTED_PRINT_VALUE);
}

bool Win32PrintPolicy::HttpPrintingTurnedOff() {
    return PolicySwitchOn(HTTP_PRINTING_KEY, HTTP_PRINTING_VALUE);
}
