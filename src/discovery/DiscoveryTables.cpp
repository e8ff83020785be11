#include "discovery/DiscoveryTables.h"

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
