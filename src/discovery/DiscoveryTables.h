#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/Configuration.h"

constexpr int32_t PRINTER_TABLE_ROWS = 20;

// The positions of a record of the printers found on the network.
constexpr std::size_t DISCOVERED_ADDRESS = 0;
constexpr std::size_t DISCOVERED_QUEUE_NAME = 1;
constexpr std::size_t DISCOVERED_PORT_ADDRESS = 2;
// The printer installed on this computer for the same queue, empty when there is none.
constexpr std::size_t DISCOVERED_INSTALLED_NAME = 3;
constexpr std::size_t DISCOVERED_RECORD_FIELDS = 4;

// The positions of a record of the printers of the selected model already installed on this computer.
constexpr std::size_t INSTALLED_ADDRESS = 0;
constexpr std::size_t INSTALLED_QUEUE_NAME = 1;
constexpr std::size_t INSTALLED_PORT_NAME = 2;
constexpr std::size_t INSTALLED_PRINTER_NAME = 3;
constexpr std::size_t INSTALLED_DRIVER_NAME = 4;
constexpr std::size_t INSTALLED_RECORD_FIELDS = 5;

// A record is an ordered list of strings; rows at or beyond the count are never read.
using PrinterRecord = std::vector<std::wstring>;

struct PrinterTable {
    std::array<PrinterRecord, PRINTER_TABLE_ROWS> Rows;
    int32_t Count = 0;
};

// The tables a search fills: the printers found on the network and the printers of the selected model already
// installed on this computer.
struct DiscoveryTables {
    PrinterTable Discovered;
    PrinterTable Installed;
};

// The model chosen for the current search: the model list's index and the three texts of its ModelEntry.
struct SelectedModel {
    int32_t Index = 0;
    std::wstring Model;
    std::wstring DriverName;
    std::wstring DriverPath;
};

// The state at dialog start-up: every row holds its fields as empty strings, both counts are 0.
void ResetDiscoveryTables(DiscoveryTables& tables);

// The state at the start of a search: every row empty, both counts 0.
void ClearDiscoveryTables(DiscoveryTables& tables);

// Appends a record in the row at the count; a full table takes nothing and answers false.
bool AppendRecord(PrinterTable& table, PrinterRecord record);

// Takes the model list's index; for any index but the prompt (0) the three texts are emptied and then filled
// from the ModelTable entry under that index, if there is one. Answers whether the entry was found.
bool FillSelectedModel(SelectedModel& selected, int32_t index, const ModelTable& models);
