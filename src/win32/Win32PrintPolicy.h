#pragma once

#include "ports/PrintPolicy.h"

// Reads the values that group policy writes for these two settings, as they are.
class Win32PrintPolicy final : public IPrintPolicy {
public:
    std::optional<uint32_t> ProtectedPrintModeValue() override;
    std::optional<uint32_t> HttpPrintingOffValue() override;
};
