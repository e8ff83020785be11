#pragma once

#include <windows.h>

#include "ports/ScriptProcess.h"

class Win32ScriptProcess final : public IScriptProcess {
public:
    Win32ScriptProcess() = default;
    ~Win32ScriptProcess() override;
    Win32ScriptProcess(const Win32ScriptProcess&) = delete;
    Win32ScriptProcess& operator=(const Win32ScriptProcess&) = delete;

    bool Start(const std::wstring& scriptPath, bool ownConsole) override;
    bool WaitForEnd(uint32_t milliseconds) override;

private:
    // Lets go of the script without ending it.
    void ReleaseProcess();

    PROCESS_INFORMATION m_process{};
};
