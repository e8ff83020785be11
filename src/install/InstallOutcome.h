#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ports/PrinterSpooler.h"
#include "ports/TokenElevation.h"

// What the installation is meant to leave in the spooler.
struct ExpectedPrinter {
    // Automatic: this printer by its name, port and driver. Guided: any new printer on the port, whatever the
    // wizard named it.
    bool Automatic = false;
    std::wstring PrinterName;
    std::wstring PortAddress;
    std::wstring DriverName;
};

// Whether the script is started through the consent prompt: an automatic installation needs administrator
// rights to install a driver, and asks for them unless the token already has them. The wizard asks for
// itself when it needs to.
bool AsksForRights(bool automatic, ITokenElevation::Elevation elevation);

// The printers listed after the script and not before it, by name, in the spooler's order.
std::vector<IPrinterSpooler::InstalledPrinter> NewPrinters(const IPrinterSpooler::Enumeration& before,
                                                           const IPrinterSpooler::Enumeration& after);

// The name of the printer this installation added, or nothing when it added none that fits.
std::optional<std::wstring> InstalledPrinterName(const ExpectedPrinter& expected,
                                                 const std::vector<IPrinterSpooler::InstalledPrinter>& added);

// What Velbrix can tell of why an automatic installation left no printer; the first that holds.
enum class NotInstalledReason { ProtectedPrintMode, HttpPrintingOff, NoRights, DriverRefused };

// What guards the desk, as the ports read it.
struct InstallGuards {
    std::optional<uint32_t> ProtectedPrintModeValue;
    std::optional<uint32_t> HttpPrintingOffValue;
    ITokenElevation::Elevation Elevation = ITokenElevation::Elevation::Unknown;
};

NotInstalledReason ReasonNotInstalled(const InstallGuards& guards, const std::wstring& portAddress);
