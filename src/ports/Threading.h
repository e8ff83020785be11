#pragma once

#include <cstdint>

// Waiting on the calling thread.
class ISleeper {
public:
    virtual ~ISleeper() = default;
    virtual void Sleep(uint32_t milliseconds) = 0;
};
