// Velbrix.exe started as a user starts it: its dialog appears in the user's language and closing it ends
// the program.
#include <gtest/gtest.h>

#include <string>

#include "app/LanguageChoice.h"
#include "support/CatalogueTexts.h"
#include "windows/WindowsTestSupport.h"

namespace {

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindDialogOfProcess(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (owner == search->processId && std::wstring(className) == L"#32770" && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForMainDialog(DWORD processId) {
    for (int attempt = 0; attempt < 300; ++attempt) {
        WindowSearch search{processId, nullptr};
        EnumWindows(FindDialogOfProcess, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        Sleep(100);
    }
    return nullptr;
}

std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

} // namespace

TEST(ApplicationLifecycle, DialogShowsTheUsersLanguageAndClosingItEndsTheProgram) {
    const struct {
        const char* how;
        UINT message;
        WPARAM wParam;
    } cases[] = {
        {"close box", WM_CLOSE, 0},
        {"exit button", WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED)},
    };
    const uint16_t catalogue = CatalogueLanguageFor(ThreadLanguageFor(GetUserDefaultUILanguage()));
    for (const auto& testCase : cases) {
        std::wstring commandLine = L"\"" + TestProgramDirectory() + L"Velbrix.exe\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                   &process));

        const HWND dialog = WaitForMainDialog(process.dwProcessId);
        EXPECT_NE(dialog, nullptr) << testCase.how;
        if (dialog != nullptr) {
            EXPECT_EQ(WindowText(dialog), CatalogueTextOf(catalogue, 102)) << testCase.how;
            PostMessageW(dialog, testCase.message, testCase.wParam, 0);
        }
        const DWORD waited = WaitForSingleObject(process.hProcess, 10000);
        EXPECT_EQ(waited, WAIT_OBJECT_0) << testCase.how << ": the program did not end";
        if (waited != WAIT_OBJECT_0) {
            TerminateProcess(process.hProcess, 99);
        }
        DWORD exitCode = 99;
        GetExitCodeProcess(process.hProcess, &exitCode);
        EXPECT_EQ(exitCode, 0u) << testCase.how;
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}
