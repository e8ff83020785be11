#pragma once

#include "ports/PrintPolicy.h"

// Reads only the values that group policy writes for these two settings.
class Win32PrintPolicy final : public IPrintPolicy {
public:
    bool ProtectedPrintModeOn() override;
    bool HttpPrintingTurnedOff() override;
};
