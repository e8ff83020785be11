#pragma once

#include <windows.h>

#include "ports/MonotonicClock.h"

class Win32MonotonicClock final : public IMonotonicClock {
public:
    uint64_t Milliseconds() override { return GetTickCount64(); }
};
