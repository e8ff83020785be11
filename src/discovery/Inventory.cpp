#include "discovery/Inventory.h"

#include "discovery/IppAddress.h"
#include "messages/MessageFormat.h"

InventoryResult TakeInventory(IPrinterSpooler& spooler, const std::wstring& driverName, PrinterTable& installed) {
    const IPrinterSpooler::Enumeration listing = spooler.EnumerateInstalledPrinters();
    InventoryResult result;
    if (!listing.Succeeded) {
        result.ErrorCode = listing.ErrorCode;
        return result;
    }
    for (const auto& printer : listing.Printers) {
        if (printer.PrinterName.empty() || printer.PortName.empty() || printer.DriverName.empty()) {
            continue;
        }
        const auto port = ReadIppPortName(printer.PortName);
        if (!port || printer.DriverName != driverName) {
            continue;
        }
        AppendRecord(installed, {port->Host, port->Queue, printer.PortName, printer.PrinterName, printer.DriverName});
    }
    result.Succeeded = true;
    result.Enumerated = static_cast<int32_t>(listing.Printers.size());
    result.Recorded = installed.Count;
    return result;
}

std::wstring InventoryErrorLine(uint32_t errorCode) {
    const int32_t code = static_cast<int32_t>(errorCode);
    return FormatMessageText(L"[异常]Error code is %d", std::span<const int32_t>(&code, 1));
}
