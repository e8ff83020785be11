#pragma once

#include <cstdint>

// The end of this process, at once: no handler, no loop of a box and no other thread runs any code of the
// program after it, and the process reports exitCode.
class IProcessEnd {
public:
    virtual ~IProcessEnd() = default;

    virtual void EndProcess(uint32_t exitCode) = 0;
};
