#pragma once

#include <functional>

// Starts a routine on a thread of its own that nobody waits for: a listener blocked on its sockets when the
// process ends goes with it.
class IListenThread {
public:
    virtual ~IListenThread() = default;
    // Answers whether the thread started.
    virtual bool Start(std::function<void()> routine) = 0;
};
