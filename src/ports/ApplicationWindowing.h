#pragma once

#include <cstdint>

// What the application's start-up asks of the windowing system.
class IApplicationWindowing {
public:
    virtual ~IApplicationWindowing() = default;

    // Registers the common control classes the dialogs use (list view, drop-down list, ...).
    virtual void RegisterCommonControls() = 0;
    // Runs the main dialog modally in the given thread language and returns when it has closed.
    virtual void RunMainDialog(uint16_t threadLanguage) = 0;
};
