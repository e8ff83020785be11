#pragma once

#include <string>
#include <vector>

// A model section that an INF file's [Manufacturer] section names, and the models (driver names) it lists.
struct InfModelSection {
    // As the [Manufacturer] entry makes it: the section's name, and ".decoration" for a decorated one.
    std::wstring Name;
    // The name without its decoration.
    std::wstring BaseName;
    // Decorated NTamd64 (with or without an operating-system version): the only model sections 64-bit Windows
    // takes a driver from.
    bool ForX64 = false;
    std::vector<std::wstring> DriverNames;
};

struct InfModels {
    bool HasManufacturer = false;
    std::vector<InfModelSection> Sections;
};

// Reads the models of an INF file's text: the [Manufacturer] section, each entry's models section with every
// decoration the entry lists, and the device descriptions of those sections, which are the driver names.
// Comments (from a ";" outside quotes) are dropped, a line ending in "\" goes on in the next, section and
// string-key names compare without regard to case, quoted strings lose their quotes (a doubled quote inside
// them stands for one) and %strkey% tokens take their value from [Strings] ("%%" stands for "%").
InfModels ReadInfModels(const std::wstring& text);
