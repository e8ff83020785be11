#pragma once

#include <string>

// The printer being installed, copied from the record of the picked row. It keeps its values until the next
// installation; the removal worker reads the stale printer's name from it.
struct InstallTarget {
    // The printer this computer already has for the same queue, empty when there is none.
    std::wstring StalePrinterName;
    std::wstring IpAddress;
    std::wstring QueueName;
    std::wstring PortAddress;
};

// The new printer's name: the queue name, " on ", the port address, read as one zero-terminated text, so that
// a queue name that holds a zero character gives just its text before that zero.
std::wstring PrinterNameOf(const InstallTarget& target);
