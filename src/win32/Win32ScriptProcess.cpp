#include "win32/Win32ScriptProcess.h"

#include <shellapi.h>

#include <string>

#include "install/ScriptLaunch.h"

namespace {

std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return L"";
    }
    return std::wstring(folder, length);
}

// Waits for the process while the window thread goes on dispatching what comes for its windows, so that they
// draw and answer; the dialog's own keys (Tab, Enter, Esc) go through its dialog handling as in its modal loop.
// A quit message is put back for the loop that owns it, and the wait goes on without dispatching.
bool WaitDispatching(HANDLE process, uint32_t milliseconds) {
    const bool unlimited = milliseconds == INFINITE;
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    bool dispatching = true;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        const DWORD remaining = unlimited ? INFINITE : now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
        const DWORD woke = dispatching ? MsgWaitForMultipleObjectsEx(1, &process, remaining, QS_ALLINPUT, 0)
                                       : WaitForSingleObject(process, remaining);
        if (woke == WAIT_OBJECT_0) {
            return true;
        }
        if (woke != WAIT_OBJECT_0 + 1 || !dispatching) {
            return false;
        }
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                dispatching = false;
                break;
            }
            const HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
            if (root != nullptr && IsDialogMessageW(root, &message)) {
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

} // namespace

Win32ScriptProcess::~Win32ScriptProcess() {
    ReleaseProcess();
}

void Win32ScriptProcess::ReleaseProcess() {
    if (m_process != nullptr) {
        CloseHandle(m_process);
    }
    m_process = nullptr;
}

IScriptProcess::Start Win32ScriptProcess::StartScript(const std::wstring& scriptPath, bool ownConsole,
                                                      bool askForRights) {
    ReleaseProcess();
    const std::wstring systemFolder = SystemFolder();
    if (systemFolder.empty()) {
        return Start::NotStarted;
    }
    // The system folder as the current folder: the interpreter looks for rundll32 there before the path, and
    // the program's folder, which the user may write to, is never looked in.
    const std::wstring interpreter = systemFolder + L"\\cmd.exe";
    const std::wstring arguments = InterpreterArguments(scriptPath);

    // The shell may hand the start to its extensions, which want COM on the calling thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    SHELLEXECUTEINFOW execute{};
    execute.cbSize = sizeof(execute);
    execute.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    // The consent prompt comes to the front over the window that asked.
    execute.hwnd = GetActiveWindow();
    execute.lpVerb = askForRights ? L"runas" : L"open";
    execute.lpFile = interpreter.c_str();
    execute.lpParameters = arguments.c_str();
    execute.lpDirectory = systemFolder.c_str();
    execute.nShow = ownConsole ? SW_SHOWNORMAL : SW_HIDE;
    const BOOL started = ShellExecuteExW(&execute);
    const DWORD error = started ? ERROR_SUCCESS : GetLastError();
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    if (!started) {
        return error == ERROR_CANCELLED ? Start::RightsRefused : Start::NotStarted;
    }
    if (execute.hProcess == nullptr) {
        return Start::NotStarted;
    }
    m_process = execute.hProcess;
    return Start::Started;
}

bool Win32ScriptProcess::WaitForEnd(uint32_t milliseconds) {
    const bool ended = m_process != nullptr && WaitDispatching(m_process, milliseconds);
    ReleaseProcess();
    return ended;
}
