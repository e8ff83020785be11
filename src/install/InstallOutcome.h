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
// rights to install a driver, and so does a script that deletes the printer the computer already has; either
// asks for them unless the token already has them. The wizard alone asks for itself when it needs to.
bool AsksForRights(bool automatic, bool removesPrinter, ITokenElevation::Elevation elevation);

// Whether the printer the computer already has is deleted by the script, with the rights its prompt gives,
// rather than by Velbrix itself: by default only administrators may manage printers, so Velbrix deletes it
// itself only with a token that has those rights.
bool RemovalGoesIntoScript(ITokenElevation::Elevation elevation);

// Whether a printer of that name stands in the way of a new one: listed, or listed while it is being deleted.
enum class NameInUse { Free, Installed, BeingDeleted };
NameInUse PrinterNameInUse(const std::wstring& printerName, const IPrinterSpooler::Enumeration& listing);

// The printers listed after the script and not before it, by name, in the spooler's order.
std::vector<IPrinterSpooler::InstalledPrinter> NewPrinters(const IPrinterSpooler::Enumeration& before,
                                                           const IPrinterSpooler::Enumeration& after);

// The name of the printer this installation added, or nothing when it added none that fits.
std::optional<std::wstring> InstalledPrinterName(const ExpectedPrinter& expected,
                                                 const std::vector<IPrinterSpooler::InstalledPrinter>& added);

// What Velbrix can tell of why an automatic installation left no printer; the first that holds.
// The script always runs with administrator rights, the token's own or those a granted prompt gave, so their
// lack is never the reason.
enum class NotInstalledReason { NameTaken, NameBeingDeleted, ProtectedPrintMode, HttpPrintingOff, DriverRefused };

// What guards the desk, as the ports read it.
struct InstallGuards {
    NameInUse PrinterName = NameInUse::Free;
    std::optional<uint32_t> ProtectedPrintModeValue;
    std::optional<uint32_t> HttpPrintingOffValue;
};

NotInstalledReason ReasonNotInstalled(const InstallGuards& guards, const std::wstring& portAddress);
