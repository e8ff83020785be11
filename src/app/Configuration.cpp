#include "app/Configuration.h"

#include <algorithm>

#include "app/ProgramPaths.h"
#include "messages/names.h"

namespace {

constexpr uint32_t READ_AS_MINUS_ONE = 0xFFFFFFFFu;

std::wstring ReadModelText(IProfile& profile, const std::wstring& iniPath, const std::wstring& section,
                           const wchar_t* key) {
    std::wstring text = profile.ReadString(iniPath, section, key, PROFILE_TEXT_MAX);
    if (text.size() > PROFILE_TEXT_MAX) {
        text.resize(PROFILE_TEXT_MAX);
    }
    return text;
}

} // namespace

ConfigurationReport LoadConfiguration(IProfile& profile, Configuration& configuration) {
    ConfigurationReport report;

    configuration.ProgramDirectory = ProgramDirectoryFromExecutablePath(profile.ExecutablePath());
    if (configuration.ProgramDirectory.empty()) {
        report.Messages.push_back(MSG_NO_PROGRAM_DIRECTORY);
    }
    // Everything is read through the full path, so the process's current directory never matters.
    const std::wstring iniPath = configuration.ProgramDirectory + L"velbrix.ini";

    const std::wstring common = L"COMMON";
    configuration.PrinterModelNums = profile.ReadUInt32(iniPath, common, L"PrinterModelNums", 0);
    configuration.SearchDuration = profile.ReadUInt32(iniPath, common, L"SearchDuration", SEARCH_DURATION_MIN);
    configuration.DisplayConsole = profile.ReadUInt32(iniPath, common, L"DisplayConsole", 0);
    configuration.InstallMode = profile.ReadUInt32(iniPath, common, L"InstallMode", 0);

    const uint32_t settings[] = {configuration.PrinterModelNums, configuration.SearchDuration,
                                 configuration.DisplayConsole, configuration.InstallMode};
    if (std::find(std::begin(settings), std::end(settings), READ_AS_MINUS_ONE) != std::end(settings)) {
        report.Messages.push_back(MSG_INI_SETTING_INVALID);
    }

    configuration.SearchDuration = std::clamp(configuration.SearchDuration, SEARCH_DURATION_MIN, SEARCH_DURATION_MAX);

    const uint32_t sectionsToRead = std::min(configuration.PrinterModelNums, PRINTER_MODEL_NUMS_MAX);
    configuration.Models.clear();
    for (uint32_t n = 1; n <= sectionsToRead; ++n) {
        const std::wstring section = L"PRT" + std::to_wstring(n);
        const std::wstring model = ReadModelText(profile, iniPath, section, L"PrinterModel");
        const std::wstring driverName = ReadModelText(profile, iniPath, section, L"PrinterDriverName");
        const std::wstring driverPath = ReadModelText(profile, iniPath, section, L"PrinterDriverPath");
        report.ModelNames.push_back(model);
        configuration.Models[static_cast<int32_t>(n)] = model + L"|" + driverName + L"|" + driverPath;
    }
    return report;
}
