#pragma once

#include "ports/PrinterSpooler.h"

class FakePrinterSpooler final : public IPrinterSpooler {
public:
    Enumeration listing{true, 0, {}};

    Enumeration EnumerateInstalledPrinters() override { return listing; }
};
