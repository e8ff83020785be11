// The dialog base class's reading of window messages, with the logic that decides on them.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>

#include "FailingDialog.h"
#include "ui/HandlerFailure.h"
#include "ui/MainDialog.h"
#include "win32/Dialog.h"
#include "windows/WindowsTestSupport.h"

namespace {

enum class Failing { Nowhere, InitDialog, ButtonClick, Timer };

// A dialog whose handler fails where the case says. Once it has been told of the failure, it sends itself a
// click and a timer, as the failure's own box would deliver them, and counts the handlers they reach.
class FailingDialog final : public CDialog {
public:
    FailingDialog(Failing failing, bool failureThrows)
        : CDialog(GetModuleHandleW(nullptr), IDD_FAILING_DIALOG), m_failing(failing), m_failureThrows(failureThrows) {}

    int failures = 0;
    int handlersAfterFailure = 0;

protected:
    BOOL OnInitDialog() override {
        if (m_failing == Failing::InitDialog) {
            throw std::bad_alloc();
        }
        if (m_failing == Failing::Timer) {
            SetTimer(Handle(), 1, 10, nullptr);
        } else {
            PostMessageW(Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }
        return TRUE;
    }
    bool OnButtonClicked(int controlId) override {
        NoteHandler();
        if (m_failing == Failing::ButtonClick) {
            throw std::bad_alloc();
        }
        return CDialog::OnButtonClicked(controlId);
    }
    bool OnTimer(uintptr_t) override {
        NoteHandler();
        throw std::runtime_error("timer");
    }
    void OnHandlerFailure() override {
        ++failures;
        SendMessageW(Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        SendMessageW(Handle(), WM_TIMER, 1, 0);
        if (m_failureThrows) {
            throw std::bad_alloc();
        }
    }

private:
    void NoteHandler() {
        if (failures > 0) {
            ++handlersAfterFailure;
        }
    }

    Failing m_failing;
    bool m_failureThrows;
};

// A message box of the process: the notice when notice is true, otherwise any other (the failure's).
struct BoxSearch {
    DWORD processId;
    bool notice;
    HWND found = nullptr;
};

BOOL CALLBACK FindBox(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<BoxSearch*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    const HWND textControl = GetDlgItem(window, 0xFFFF);
    if (processId != search.processId || std::wstring(className) != L"#32770" || textControl == nullptr) {
        return TRUE;
    }
    wchar_t text[256] = {};
    GetWindowTextW(textControl, text, 256);
    if ((std::wstring(text) == FAILING_DIALOG_NOTICE) == search.notice) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND AwaitBox(DWORD processId, bool notice, DWORD milliseconds) {
    for (DWORD waited = 0; waited < milliseconds; waited += 50) {
        BoxSearch search{processId, notice};
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        Sleep(50);
    }
    return nullptr;
}

} // namespace

TEST(Dialog, OnlyTheAboutItemOpensTheAboutBox) {
    const struct {
        WPARAM command;
        bool about;
    } cases[] = {{0x0010, true}, {0x001F, true}, {0x0020, false}, {0x0000, false}, {0xF060, false}, {0xF010, false}};
    for (const auto& testCase : cases) {
        EXPECT_EQ(MainDialog::IsAboutCommand(SystemCommandOf(testCase.command)), testCase.about) << testCase.command;
    }
}

TEST(Dialog, AHandlerThatThrowsEndsTheDialogOnceAndNoHandlerRunsAfterIt) {
    const struct {
        const char* name;
        Failing failing;
        bool failureThrows;
        INT_PTR result;
        int failures;
    } cases[] = {
        {"no handler fails: the dialog ends as its button says", Failing::Nowhere, false, IDOK, 0},
        {"the window's preparation runs out of memory", Failing::InitDialog, false, IDABORT, 1},
        {"a button's handler runs out of memory", Failing::ButtonClick, false, IDABORT, 1},
        {"a timer's handler throws", Failing::Timer, false, IDABORT, 1},
        {"telling of the failure throws too", Failing::ButtonClick, true, IDABORT, 1},
    };
    for (const auto& testCase : cases) {
        FailingDialog dialog(testCase.failing, testCase.failureThrows);
        EXPECT_EQ(dialog.DoModal(nullptr), testCase.result) << testCase.name;
        EXPECT_EQ(dialog.failures, testCase.failures) << testCase.name;
        EXPECT_EQ(dialog.handlersAfterFailure, 0) << testCase.name;
    }
}

TEST(Dialog, AHandlerThatFailsInsideAnotherHandlersBoxEndsTheProcessOnceTheFailureBoxCloses) {
    const std::wstring marker = TestProgramDirectory() + L"failing-dialog-went-on.txt";
    DeleteFileW(marker.c_str());
    std::wstring command = L"\"" + TestProgramDirectory() + L"velbrix_failing_dialog.exe\" \"" + marker + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(
        CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child));

    const HWND failureBox = AwaitBox(child.dwProcessId, false, 10000);
    EXPECT_NE(failureBox, nullptr) << "the failure's box opens over the notice";
    PostMessageW(failureBox, WM_COMMAND, IDOK, 0);
    DWORD waited = WaitForSingleObject(child.hProcess, 10000);
    if (waited == WAIT_TIMEOUT) {
        // The process outlived its failure: closing the notice shows whether the handler that opened it goes on.
        PostMessageW(AwaitBox(child.dwProcessId, true, 1000), WM_COMMAND, IDOK, 0);
        waited = WaitForSingleObject(child.hProcess, 10000);
    }
    if (waited == WAIT_TIMEOUT) {
        TerminateProcess(child.hProcess, 0);
        WaitForSingleObject(child.hProcess, INFINITE);
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(child.hProcess, &exitCode);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);

    EXPECT_EQ(exitCode, HANDLER_FAILURE_EXIT_CODE);
    EXPECT_EQ(GetFileAttributesW(marker.c_str()), INVALID_FILE_ATTRIBUTES)
        << "the handler that opened the notice went on after the failure";
    DeleteFileW(marker.c_str());
}
