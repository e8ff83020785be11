#pragma once

#include "platform/PrinterSpooler.h"

class Win32PrinterSpooler final : public IPrinterSpooler {
public:
    Enumeration EnumerateInstalledPrinters() override;
};
