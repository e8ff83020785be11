#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The printers installed for this user, as the print spooler lists them.
class IPrinterSpooler {
public:
    struct InstalledPrinter {
        std::wstring PrinterName;
        std::wstring PortName;
        std::wstring DriverName;
    };
    struct Enumeration {
        bool Succeeded = false;
        // The platform's error code when the listing failed.
        uint32_t ErrorCode = 0;
        // In the spooler's order.
        std::vector<InstalledPrinter> Printers;
    };

    virtual ~IPrinterSpooler() = default;

    // The local printers and the user's printer connections.
    virtual Enumeration EnumerateInstalledPrinters() = 0;
};
