#pragma once

#include <cstdint>
#include <optional>

// The printing policies that group policy sets on this computer and that may refuse an installation, each as the
// system holds its value: a number, or nothing when the value is missing, not a number or cannot be read.
class IPrintPolicy {
public:
    virtual ~IPrintPolicy() = default;

    // "Configure Windows protected print": only the system's own printer drivers may be installed.
    virtual std::optional<uint32_t> ProtectedPrintModeValue() = 0;
    // "Turn off printing over HTTP": no printer may use an http:// port.
    virtual std::optional<uint32_t> HttpPrintingOffValue() = 0;
};
