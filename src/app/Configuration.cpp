#include "app/Configuration.h"

#include <algorithm>

#include "app/IniKeys.h"
#include "app/ProgramPaths.h"
#include "messages/names.h"

namespace {

std::wstring ReadModelText(IProfile& profile, const std::wstring& iniPath, const std::wstring& section,
                           std::wstring_view key) {
    std::wstring text = profile.ReadString(iniPath, section, std::wstring(key), PROFILE_TEXT_MAX);
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
    const std::wstring iniPath = configuration.ProgramDirectory + std::wstring(INI_FILE_NAME);

    bool minusOne = false;
    for (const CommonSettingKey& setting : COMMON_SETTINGS) {
        configuration.*setting.Value =
            profile.ReadUInt32(iniPath, std::wstring(SECTION_COMMON), std::wstring(setting.Key), setting.Default);
        minusOne = minusOne || configuration.*setting.Value == SETTING_READ_AS_MINUS_ONE;
    }
    if (minusOne) {
        report.Messages.push_back(MSG_INI_SETTING_INVALID);
    }

    configuration.SearchDuration = std::clamp(configuration.SearchDuration, SEARCH_DURATION_MIN, SEARCH_DURATION_MAX);

    const uint32_t sectionsToRead = std::min(configuration.PrinterModelNums, PRINTER_MODEL_NUMS_MAX);
    configuration.Models.clear();
    for (uint32_t n = 1; n <= sectionsToRead; ++n) {
        const std::wstring section = std::wstring(SECTION_MODEL_PREFIX) + std::to_wstring(n);
        const std::wstring model = ReadModelText(profile, iniPath, section, KEY_PRINTER_MODEL);
        const std::wstring driverName = ReadModelText(profile, iniPath, section, KEY_PRINTER_DRIVER_NAME);
        const std::wstring driverPath = ReadModelText(profile, iniPath, section, KEY_PRINTER_DRIVER_PATH);
        report.ModelNames.push_back(model);
        configuration.Models[static_cast<int32_t>(n)] = model + L"|" + driverName + L"|" + driverPath;
    }
    return report;
}
