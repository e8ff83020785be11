#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t PRINTER_TABLE_ROWS = 20;
constexpr std::size_t DISCOVERED_RECORD_FIELDS = 4;
constexpr std::size_t INSTALLED_RECORD_FIELDS = 5;

// A record is an ordered list of strings; rows at or beyond the count are never read.
using PrinterRecord = std::vector<std::wstring>;

struct PrinterTable {
    std::array<PrinterRecord, PRINTER_TABLE_ROWS> Rows;
    int32_t Count = 0;
};

// The tables a search fills: the printers found on the network, and the printers of the selected model
// already installed on this computer.
struct DiscoveryTables {
    PrinterTable Discovered;
    PrinterTable Installed;
};

// The state at dialog start-up: every row holds its fields as empty strings, both counts are 0.
void ResetDiscoveryTables(DiscoveryTables& tables);
