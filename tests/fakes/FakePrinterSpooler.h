#pragma once

#include <map>

#include "fakes/Seen.h"
#include "ports/PrinterSpooler.h"

class FakePrinterSpooler final : public IPrinterSpooler {
public:
    Enumeration listing{true, 0, {}};
    // What deleting each printer comes to; a printer not named here cannot be opened.
    std::map<std::wstring, Deletion> deletions;
    std::vector<std::wstring> deleted;
    // Where a printer that is gone shows, when a test follows what a person sees.
    SeenStream* seen = nullptr;

    Enumeration EnumerateInstalledPrinters() override { return listing; }
    Deletion DeletePrinter(const std::wstring& printerName) override {
        deleted.push_back(printerName);
        const auto found = deletions.find(printerName);
        const Deletion deletion = found == deletions.end() ? Deletion{} : found->second;
        if (seen != nullptr && deletion.Deleted) {
            seen->push_back(seen::PrinterDeleted(printerName));
        }
        return deletion;
    }
};
