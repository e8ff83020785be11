#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "ports/Profile.h"

constexpr uint32_t SEARCH_DURATION_MIN = 3;
constexpr uint32_t SEARCH_DURATION_MAX = 120;
// No supplier ships a thousand models; the bound keeps a count of -1 or a typo from reading billions of
// empty sections at start-up.
constexpr uint32_t PRINTER_MODEL_NUMS_MAX = 1000;
// Every text of a model section is kept to its first 259 characters, as a 260-character buffer holds them.
constexpr std::size_t PROFILE_TEXT_MAX = 259;

// Model number (1 to PrinterModelNums) to its ModelEntry: PrinterModel + "|" + PrinterDriverName + "|" +
// PrinterDriverPath.
using ModelTable = std::map<int32_t, std::wstring>;

// What velbrix.ini and the executable's location give the program; read once at start-up, then only read.
struct Configuration {
    std::wstring ProgramDirectory;
    uint32_t PrinterModelNums = 0;
    uint32_t SearchDuration = 0;
    uint32_t DisplayConsole = 0;
    uint32_t InstallMode = 0;
    ModelTable Models;
};

// What the main dialog shows of the reading: the model names for the drop-down list, in section order, empty
// names included, and the numbers of the messages to log, in order.
struct ConfigurationReport {
    std::vector<std::wstring> ModelNames;
    std::vector<int> Messages;
};

ConfigurationReport LoadConfiguration(IProfile& profile, Configuration& configuration);
