#pragma once

#include <cstdint>
#include <string>

// The installation script run as a process of its own.
class IScriptProcess {
public:
    virtual ~IScriptProcess() = default;

    // Starts the script (its path as the program, no command line, no inherited handles, this process's
    // environment and current directory), in a new console window of its own or with no window at all.
    // Answers whether it started.
    virtual bool Start(const std::wstring& scriptPath, bool ownConsole) = 0;
    // Waits at most that long for the started script to end and lets go of it; a script still running is
    // left running. Answers whether it ended in time.
    virtual bool WaitForEnd(uint32_t milliseconds) = 0;
};
