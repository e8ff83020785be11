#pragma once

#include <string>

// The three texts of a ModelEntry.
struct ModelEntryParts {
    std::wstring Model;
    std::wstring DriverName;
    std::wstring DriverPath;
};

// Splits a ModelEntry: the text before the first "|" is the model, the text between the first and the second
// "|" the driver name, everything after the second "|" the driver path. The "|" characters are not kept, so
// a "|" inside a value is lost: "A|B|D|P" decodes to A, B and "DP".
ModelEntryParts DecodeModelEntry(const std::wstring& entry);
