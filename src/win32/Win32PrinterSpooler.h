#pragma once

#include "ports/PrinterSpooler.h"

class Win32PrinterSpooler final : public IPrinterSpooler {
public:
    Enumeration EnumerateInstalledPrinters() override;
    Deletion DeletePrinter(const std::wstring& printerName) override;
};
