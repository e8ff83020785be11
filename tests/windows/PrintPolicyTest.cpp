// The printing policies as group policy writes them into the registry: the port hands a DWORD as it is, and
// nothing for a value that is missing or not a DWORD.
#include <gtest/gtest.h>

#include <windows.h>

#include "win32/Win32PrintPolicy.h"

namespace {

const wchar_t* const PRINTERS_KEY = L"SOFTWARE\\Policies\\Microsoft\\Windows NT\\Printers";
const wchar_t* const WPP_KEY = L"SOFTWARE\\Policies\\Microsoft\\Windows NT\\Printers\\WPP";

enum class Written { Nothing, Dword1, Dword0, Dword2, Text1 };

void Write(const wchar_t* key, const wchar_t* value, Written written) {
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, key, value);
    const DWORD one = 1;
    const DWORD zero = 0;
    const DWORD two = 2;
    switch (written) {
    case Written::Nothing:
        break;
    case Written::Dword1:
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, value, REG_DWORD, &one, sizeof(one));
        break;
    case Written::Dword0:
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, value, REG_DWORD, &zero, sizeof(zero));
        break;
    case Written::Dword2:
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, value, REG_DWORD, &two, sizeof(two));
        break;
    case Written::Text1:
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, value, REG_SZ, L"1", 2 * sizeof(wchar_t));
        break;
    }
}

} // namespace

TEST(PrintPolicy, EachPolicysValueAsTheRegistryHoldsIt) {
    const std::optional<uint32_t> none;
    const struct {
        const char* name;
        Written protectedPrint, httpPrinting;
        std::optional<uint32_t> protectedPrintValue, httpPrintingValue;
    } cases[] = {
        {"neither written", Written::Nothing, Written::Nothing, none, none},
        {"protected print mode enabled", Written::Dword1, Written::Nothing, 1, none},
        {"HTTP printing turned off", Written::Nothing, Written::Dword1, none, 1},
        {"both disabled", Written::Dword0, Written::Dword0, 0, 0},
        {"a number group policy never writes", Written::Dword2, Written::Dword2, 2, 2},
        {"a text of 1 is not the policy's value", Written::Text1, Written::Text1, none, none},
    };
    Win32PrintPolicy policy;
    for (const auto& testCase : cases) {
        Write(WPP_KEY, L"WindowsProtectedPrintGroupPolicyState", testCase.protectedPrint);
        Write(PRINTERS_KEY, L"DisableHTTPPrinting", testCase.httpPrinting);
        EXPECT_EQ(policy.ProtectedPrintModeValue(), testCase.protectedPrintValue) << testCase.name;
        EXPECT_EQ(policy.HttpPrintingOffValue(), testCase.httpPrintingValue) << testCase.name;
    }
    Write(WPP_KEY, L"WindowsProtectedPrintGroupPolicyState", Written::Nothing);
    Write(PRINTERS_KEY, L"DisableHTTPPrinting", Written::Nothing);
}
