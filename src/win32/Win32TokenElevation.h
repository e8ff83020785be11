#pragma once

#include "ports/TokenElevation.h"

class Win32TokenElevation final : public ITokenElevation {
public:
    Elevation Read() override;
};
