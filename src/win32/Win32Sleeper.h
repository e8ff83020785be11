#pragma once

#include <windows.h>

#include "ports/Threading.h"

class Win32Sleeper final : public ISleeper {
public:
    void Sleep(uint32_t milliseconds) override { ::Sleep(milliseconds); }
};
