#include "win32/Win32PrintPolicy.h"

#include <windows.h>

namespace {

// "Configure Windows protected print" (Printing.admx).
constexpr const wchar_t* PROTECTED_PRINT_KEY = L"SOFTWARE\\Policies\\Microsoft\\Windows NT\\Printers\\WPP";
constexpr const wchar_t* PROTECTED_PRINT_VALUE = L"WindowsProtectedPrintGroupPolicyState";
// "Turn off printing over HTTP" (ICM.admx).
constexpr const wchar_t* HTTP_PRINTING_KEY = L"SOFTWARE\\Policies\\Microsoft\\Windows NT\\Printers";
constexpr const wchar_t* HTTP_PRINTING_VALUE = L"DisableHTTPPrinting";

// A policy's value is a DWORD; one of another type is no value of the policy's.
std::optional<uint32_t> PolicyValue(const wchar_t* key, const wchar_t* value) {
    DWORD data = 0;
    DWORD size = sizeof(data);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key, value, RRF_RT_REG_DWORD, nullptr, &data, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(data);
}

} // namespace

std::optional<uint32_t> Win32PrintPolicy::ProtectedPrintModeValue() {
    return PolicyValue(PROTECTED_PRINT_KEY, PROTECTED_PRINT_VALUE);
}

std::optional<uint32_t> Win32PrintPolicy::HttpPrintingOffValue() {
    return PolicyValue(HTTP_PRINTING_KEY, HTTP_PRINTING_VALUE);
}
