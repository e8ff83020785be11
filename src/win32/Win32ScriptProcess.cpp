#include "win32/Win32ScriptProcess.h"

Win32ScriptProcess::~Win32ScriptProcess() {
    ReleaseProcess();
}

void Win32ScriptProcess::ReleaseProcess() {
    if (m_process.hThread != nullptr) {
        CloseHandle(m_process.hThread);
    }
    if (m_process.hProcess != nullptr) {
        CloseHandle(m_process.hProcess);
    }
    m_process = PROCESS_INFORMATION{};
}

bool Win32ScriptProcess::Start(const std::wstring& scriptPath, bool ownConsole) {
    ReleaseProcess();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    // The command interpreter runs a batch file named as the program; the script needs no arguments.
    return CreateProcessW(scriptPath.c_str(), nullptr, nullptr, nullptr, FALSE,
                          ownConsole ? CREATE_NEW_CONSOLE : CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                          &m_process) != FALSE;
}

bool Win32ScriptProcess::WaitForEnd(uint32_t milliseconds) {
    const bool ended = WaitForSingleObject(m_process.hProcess, milliseconds) == WAIT_OBJECT_0;
    ReleaseProcess();
    return ended;
}
