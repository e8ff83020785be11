#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/Configuration.h"
#include "app/IniKeys.h"
#include "app/ModelEntry.h"
#include "ports/Profile.h"
#include "velbrix-check/ports/ProfileSections.h"

// How many characters of a value the checker reads, far more than Velbrix keeps, so that it can tell how long a
// value is; it is the most the platform's reader gives.
constexpr std::size_t VALUE_READ_MAX = 32767;

// A setting of [COMMON]: its text, and its number as Velbrix reads it.
struct CommonSetting {
    std::wstring Key;
    // As the platform's reader gives it; empty when the key is missing or has no value.
    std::wstring Written;
    // Before SearchDuration is kept between 3 and 120.
    uint32_t Read = 0;
};

// A model section Velbrix reads (PRT1 up to the count, at most PRT1000).
struct ModelSection {
    uint32_t Number = 0;
    std::wstring Section;
    // Whether the file holds the section at all.
    bool Present = false;
    // The values whole, as the platform's reader gives them.
    std::wstring Model;
    std::wstring DriverName;
    std::wstring DriverPath;
    // What Velbrix keeps of them: each cut to its first 259 characters, joined with "|" and split again.
    ModelEntryParts Used;
};

// velbrix.ini as Velbrix reads it, and as much more of it as the checker needs to say why.
struct IniView {
    // The folder as Velbrix sees it, ending in a backslash.
    std::wstring Folder;
    std::wstring IniPath;
    Configuration Config;
    ConfigurationReport Report;
    // In the order of COMMON_SETTINGS.
    std::vector<CommonSetting> Settings;
    std::vector<std::wstring> SectionNames;
    std::vector<ModelSection> Models;
};

// Reads the folder's velbrix.ini with Velbrix's own configuration reading over the platform's reader, as a
// Velbrix.exe in that folder would read it. The folder ends in a backslash.
IniView ReadIniView(IProfile& platformProfile, IProfileSections& sections, const std::wstring& folder);

// The setting of that key (one of COMMON_SETTINGS).
const CommonSetting& SettingOf(const IniView& view, std::wstring_view key);
