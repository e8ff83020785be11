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
        // Deleted while jobs were still queued: listed until they are gone.
        bool PendingDeletion = false;
    };
    struct Enumeration {
        bool Succeeded = false;
        // The platform's error code when the listing failed.
        uint32_t ErrorCode = 0;
        // In the spooler's order.
        std::vector<InstalledPrinter> Printers;
    };

    // What became of a printer asked to be deleted.
    struct Deletion {
        bool Opened = false;
        bool Deleted = false;
        // The platform's error code as read after the printer was closed again, when the deletion failed.
        uint32_t ErrorCode = 0;
    };

    virtual ~IPrinterSpooler() = default;

    // The local printers and the user's printer connections.
    virtual Enumeration EnumerateInstalledPrinters() = 0;

    // Opens the printer by its name with full access, deletes it and closes it again.
    virtual Deletion DeletePrinter(const std::wstring& printerName) = 0;
};
