#pragma once

#include "ports/ProcessEnd.h"

class Win32ProcessEnd final : public IProcessEnd {
public:
    void EndProcess(uint32_t exitCode) override;
};
