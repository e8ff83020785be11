#pragma once

#include <windows.h>

#include "ports/ScriptProcess.h"

// Runs the script through the system's cmd.exe, by its full path, from the system folder, through the shell so
// that the same call can ask for administrator rights at the consent prompt.
class Win32ScriptProcess final : public IScriptProcess {
public:
    Win32ScriptProcess() = default;
    ~Win32ScriptProcess() override;
    Win32ScriptProcess(const Win32ScriptProcess&) = delete;
    Win32ScriptProcess& operator=(const Win32ScriptProcess&) = delete;

    Start StartScript(const std::wstring& scriptPath, bool ownConsole, bool askForRights) override;
    bool WaitForEnd(uint32_t milliseconds) override;

private:
    // Lets go of the script without ending it.
    void ReleaseProcess();

    HANDLE m_process = nullptr;
};
