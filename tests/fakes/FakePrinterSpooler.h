#pragma once

#include "platform/PrinterSpooler.h"

class FakePrinterSpooler final : public IPrinterSpooler {
public:
    Enumeration listing{true, 0, {}};

    Enumeration EnumerateInstalledPrinters() override { return listing; }
};
