#pragma once

#include <cstdint>

// Starts the listener thread of a search, at normal priority, running at once; nobody waits for it.
class IListenerLauncher {
public:
    virtual ~IListenerLauncher() = default;
    // Answers whether the thread started; searchMs is how long the search lasts.
    virtual bool StartListener(uint32_t search, uint32_t searchMs) = 0;
};
