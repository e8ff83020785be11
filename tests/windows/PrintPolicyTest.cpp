// The printing policies as group policy writes them into the registry: only a DWORD of 1 counts as set.
#include <gtest/gtest.h>

#include <windows.h>

#include "win32/Win32PrintPolicy.h"

namespace {

const wchar_t* const PRINTERS_KEY = L"SOFTWARE\\Policies\\Microsoft\\Windows NT\\Printers";
const wchar_t* const WPP_KEY = L"SOFTWARE\\Policies\\Microsoft\\Windows NT\\Printers\\WPP";

enum class Written { Nothing, Dword1, Dword0, Text1 };

void Write(const wchar_t* key, const wchar_t* value, Written written) {
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, key, value);
    const DWORD one = 1;
    const DWORD zero = 0;
    switch (written) {
    case Written::Nothing:
        break;
    case Written::Dword1:
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, value, REG_DWORD, &one, sizeof(one));
        break;
    case Written::Dword0:
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, value, REG_DWORD, &zero, sizeof(zero));
        break;
    case Written::Text1:
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, value, REG_SZ, L"1", 2 * sizeof(wchar_t));
        break;
    }
}

} // namespace

TEST(PrintPolicy, OnlyTheValueGroupPolicyWritesForEnabledCountsAsSet) {
    const struct {
        const char* name;
        Written protectedPrint, httpPrinting;
        bool protectedPrintOn, httpPrintingOff;
    } cases[] = {
        {"neither written", Written::Nothing, Written::Nothing, false, false},
        {"protected print mode enabled", Written::Dword1, Written::Nothing, true, false},
        {"HTTP printing turned off", Written::Nothing, Written::Dword1, false, true},
        {"both disabled", Written::Dword0, Written::Dword0, false, false},
        {"a text of 1 is not the policy's value", Written::Text1, Written::Text1, false, false},
    };
    Win32PrintPolicy policy;
    for (const auto& testCase : cases) {
        Write(WPP_KEY, L"WindowsProtectedPrintGroupPolicyState", testCase.protectedPrint);
        Write(PRINTERS_KEY, L"DisableHTTPPrinting", testCase.httpPrinting);
        EXPECT_EQ(policy.ProtectedPrintModeOn(), testCase.protectedPrintOn) << testCase.name;
        EXPECT_EQ(policy.HttpPrintingTurnedOff(), testCase.httpPrintingOff) << testCase.name;
    }
    Write(WPP_KEY, L"WindowsProtectedPrintGroupPolicyState", Written::Nothing);
    Write(PRINTERS_KEY, L"DisableHTTPPrinting", Written::Nothing);
}
