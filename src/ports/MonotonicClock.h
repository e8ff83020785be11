#pragma once

#include <cstdint>

// A clock that only goes forward, whatever is done to the time of day.
class IMonotonicClock {
public:
    virtual ~IMonotonicClock() = default;
    // Milliseconds since a moment of the system's choosing.
    virtual uint64_t Milliseconds() = 0;
};
