#include "discovery/DiscoveryTables.h"

#include "app/ModelEntry.h"

namespace {

void Reset(PrinterTable& table, std::size_t fields) {
    for (auto& row : table.Rows) {
        row.assign(fields, std::wstring());
    }
    table.Count = 0;
}

} // namespace

void ResetDiscoveryTables(DiscoveryTables& tables) {
    Reset(tables.Discovered, DISCOVERED_RECORD_FIELDS);
    Reset(tables.Installed, INSTALLED_RECORD_FIELDS);
}

void ClearDiscoveryTables(DiscoveryTables& tables) {
    Reset(tables.Discovered, 0);
    Reset(tables.Installed, 0);
}

bool AppendRecord(PrinterTable& table, PrinterRecord record) {
    if (table.Count < 0 || table.Count >= PRINTER_TABLE_ROWS) {
        return false;
    }
    table.Rows[static_cast<std::size_t>(table.Count)] = std::move(record);
    ++table.Count;
    return true;
}

bool FillSelectedModel(SelectedModel& selected, int32_t index, const ModelTable& models) {
    selected.Index = index;
    if (index == 0) {
        return false;
    }
    selected.Model.clear();
    selected.DriverName.clear();
    selected.DriverPath.clear();
    const auto entry = models.find(index);
    if (entry == models.end()) {
        return false;
    }
    ModelEntryParts parts = DecodeModelEntry(entry->second);
    selected.Model = std::move(parts.Model);
    selected.DriverName = std::move(parts.DriverName);
    selected.DriverPath = std::move(parts.DriverPath);
    return true;
}
