#pragma once

#include "ports/ComponentRuntime.h"

class Win32ComponentRuntime final : public IComponentRuntime {
public:
    bool Initialise() override;
    void Uninitialise() override;
};
