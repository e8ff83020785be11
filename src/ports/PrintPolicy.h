#pragma once

// The printing policies that group policy sets on this computer and that refuse an installation. A value that
// is missing or cannot be read counts as not set.
class IPrintPolicy {
public:
    virtual ~IPrintPolicy() = default;

    // Windows protected print mode: only the system's own printer drivers may be installed.
    virtual bool ProtectedPrintModeOn() = 0;
    // "Turn off printing over HTTP": no printer may use an http:// port.
    virtual bool HttpPrintingTurnedOff() = 0;
};
