#include "install/InstallOutcome.h"

#include <algorithm>
#include <cwctype>

#include "discovery/VisibleText.h"

bool AsksForRights(bool automatic, bool removesPrinter, ITokenElevation::Elevation elevation) {
    // A token that cannot be read is asked for rights too: on a token that has them the prompt does not show.
    return (automatic || removesPrinter) && elevation != ITokenElevation::Elevation::Elevated;
}

bool RemovalGoesIntoScript(ITokenElevation::Elevation elevation) {
    return elevation != ITokenElevation::Elevation::Elevated;
}

NameInUse PrinterNameInUse(const std::wstring& printerName, const IPrinterSpooler::Enumeration& listing) {
    const std::wstring name = VisibleText(printerName);
    for (const IPrinterSpooler::InstalledPrinter& printer : listing.Printers) {
        if (printer.PrinterName == name) {
            return printer.PendingDeletion ? NameInUse::BeingDeleted : NameInUse::Installed;
        }
    }
    return NameInUse::Free;
}

std::vector<IPrinterSpooler::InstalledPrinter> NewPrinters(const IPrinterSpooler::Enumeration& before,
                                                           const IPrinterSpooler::Enumeration& after) {
    std::vector<IPrinterSpooler::InstalledPrinter> added;
    for (const IPrinterSpooler::InstalledPrinter& printer : after.Printers) {
        const bool listedBefore = std::any_of(
            before.Printers.begin(), before.Printers.end(),
            [&](const IPrinterSpooler::InstalledPrinter& old) { return old.PrinterName == printer.PrinterName; });
        if (!listedBefore) {
            added.push_back(printer);
        }
    }
    return added;
}

std::optional<std::wstring> InstalledPrinterName(const ExpectedPrinter& expected,
                                                 const std::vector<IPrinterSpooler::InstalledPrinter>& added) {
    const std::wstring port = VisibleText(expected.PortAddress);
    for (const IPrinterSpooler::InstalledPrinter& printer : added) {
        if (printer.PortName != port) {
            continue;
        }
        if (!expected.Automatic) {
            return printer.PrinterName;
        }
        if (printer.PrinterName == VisibleText(expected.PrinterName) &&
            printer.DriverName == VisibleText(expected.DriverName)) {
            return printer.PrinterName;
        }
    }
    return std::nullopt;
}

namespace {

bool IsHttpAddress(const std::wstring& address) {
    const std::wstring scheme = L"http://";
    if (address.size() < scheme.size()) {
        return false;
    }
    return std::equal(scheme.begin(), scheme.end(), address.begin(), [](wchar_t expected, wchar_t actual) {
        return expected == static_cast<wchar_t>(std::towlower(static_cast<wint_t>(actual)));
    });
}

// Group policy writes 1 for a policy it enables and 0 for one it disables; a value it never writes, or none,
// enables nothing.
constexpr uint32_t POLICY_ENABLED = 1;

bool PolicyEnabled(const std::optional<uint32_t>& value) {
    return value == POLICY_ENABLED;
}

} // namespace

NotInstalledReason ReasonNotInstalled(const InstallGuards& guards, const std::wstring& portAddress) {
    // The spooler showed it: the set-up never replaces a printer of the name it was asked to create.
    if (guards.PrinterName == NameInUse::Installed) {
        return NotInstalledReason::NameTaken;
    }
    if (guards.PrinterName == NameInUse::BeingDeleted) {
        return NotInstalledReason::NameBeingDeleted;
    }
    // Protected print mode refuses every driver but the system's own, whatever else holds.
    if (PolicyEnabled(guards.ProtectedPrintModeValue)) {
        return NotInstalledReason::ProtectedPrintMode;
    }
    if (PolicyEnabled(guards.HttpPrintingOffValue) && IsHttpAddress(portAddress)) {
        return NotInstalledReason::HttpPrintingOff;
    }
    return NotInstalledReason::DriverRefused;
}
