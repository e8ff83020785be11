#pragma once

#include <cstdint>
#include <string>

#include "discovery/DiscoveryTables.h"
#include "ports/PrinterSpooler.h"

struct InventoryResult {
    bool Succeeded = false;
    uint32_t ErrorCode = 0;
    // For the two numbers of the count line: every printer the spooler listed, and those recorded.
    int32_t Enumerated = 0;
    int32_t Recorded = 0;
};

// Records in the installed-printer table, in the spooler's order and up to its 20 rows, every installed
// printer whose port is an IPP address and whose driver is driverName (whole text, case-sensitive).
InventoryResult TakeInventory(IPrinterSpooler& spooler, const std::wstring& driverName, PrinterTable& installed);

// The log line of a failed inventory; it is the same in every language.
std::wstring InventoryErrorLine(uint32_t errorCode);
