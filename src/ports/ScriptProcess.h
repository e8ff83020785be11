#pragma once

#include <cstdint>
#include <string>

// The installation script run as a process of its own, by the system's command interpreter, with the system
// folder as its current folder so that no program planted beside Velbrix runs in place of the system's.
constexpr uint32_t SCRIPT_WAIT_UNLIMITED = 0xFFFFFFFF;

class IScriptProcess {
public:
    enum class Start { Started, NotStarted, RightsRefused };

    virtual ~IScriptProcess() = default;

    // Starts the script in a console window of its own or with its console hidden; asking first for
    // administrator rights through the system's consent prompt when asked to. RightsRefused when the person
    // refused them there.
    virtual Start StartScript(const std::wstring& scriptPath, bool ownConsole, bool askForRights) = 0;
    // Waits at most that long (SCRIPT_WAIT_UNLIMITED: until it ends) for the started script to end and lets go of
    // it; a script still running is left running. The window goes on answering and drawing meanwhile. Answers
    // whether it ended in time.
    virtual bool WaitForEnd(uint32_t milliseconds) = 0;
};
