#pragma once

#include <map>

#include "ports/PrinterSpooler.h"

class FakePrinterSpooler final : public IPrinterSpooler {
public:
    Enumeration listing{true, 0, {}};
    // What deleting each printer comes to; a printer not named here cannot be opened.
    std::map<std::wstring, Deletion> deletions;
    std::vector<std::wstring> deleted;

    Enumeration EnumerateInstalledPrinters() override { return listing; }
    Deletion DeletePrinter(const std::wstring& printerName) override {
        deleted.push_back(printerName);
        const auto found = deletions.find(printerName);
        return found == deletions.end() ? Deletion{} : found->second;
    }
};
