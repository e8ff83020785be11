#include "velbrix-check/logic/IniView.h"

#include <algorithm>

#include "velbrix-check/logic/ReaderText.h"

namespace {

// The platform's reader, with the executable's path of a Velbrix.exe in the checked folder: the configuration
// reading then takes velbrix.ini from that folder, exactly as Velbrix would.
class FolderProfile final : public IProfile {
public:
    FolderProfile(IProfile& platform, std::wstring folder) : m_platform(platform), m_folder(std::move(folder)) {}

    std::wstring ExecutablePath() override { return m_folder + L"Velbrix.exe"; }
    uint32_t ReadUInt32(const std::wstring& iniPath, const std::wstring& section, const std::wstring& key,
                        uint32_t defaultValue) override {
        return m_platform.ReadUInt32(iniPath, section, key, defaultValue);
    }
    std::wstring ReadString(const std::wstring& iniPath, const std::wstring& section, const std::wstring& key,
                            std::size_t maxChars) override {
        return m_platform.ReadString(iniPath, section, key, maxChars);
    }

private:
    IProfile& m_platform;
    std::wstring m_folder;
};

} // namespace

const CommonSetting& SettingOf(const IniView& view, std::wstring_view key) {
    return *std::find_if(view.Settings.begin(), view.Settings.end(),
                         [&](const CommonSetting& setting) { return setting.Key == key; });
}

IniView ReadIniView(IProfile& platformProfile, IProfileSections& sections, const std::wstring& folder) {
    IniView view;
    FolderProfile profile(platformProfile, folder);
    view.Report = LoadConfiguration(profile, view.Config);
    view.Folder = view.Config.ProgramDirectory;
    view.IniPath = view.Folder + std::wstring(INI_FILE_NAME);

    const std::wstring common(SECTION_COMMON);
    for (const CommonSettingKey& setting : COMMON_SETTINGS) {
        const std::wstring key(setting.Key);
        view.Settings.push_back({key, profile.ReadString(view.IniPath, common, key, VALUE_READ_MAX),
                                 profile.ReadUInt32(view.IniPath, common, key, setting.Default)});
    }

    view.SectionNames = sections.SectionNames(view.IniPath);
    for (const auto& [number, entry] : view.Config.Models) {
        ModelSection model;
        model.Number = static_cast<uint32_t>(number);
        model.Section = std::wstring(SECTION_MODEL_PREFIX) + std::to_wstring(number);
        model.Present = std::any_of(view.SectionNames.begin(), view.SectionNames.end(), [&](const std::wstring& name) {
            return EqualIgnoringAsciiCase(name, model.Section);
        });
        model.Model = profile.ReadString(view.IniPath, model.Section, std::wstring(KEY_PRINTER_MODEL), VALUE_READ_MAX);
        model.DriverName =
            profile.ReadString(view.IniPath, model.Section, std::wstring(KEY_PRINTER_DRIVER_NAME), VALUE_READ_MAX);
        model.DriverPath =
            profile.ReadString(view.IniPath, model.Section, std::wstring(KEY_PRINTER_DRIVER_PATH), VALUE_READ_MAX);
        model.Used = DecodeModelEntry(entry);
        view.Models.push_back(std::move(model));
    }
    return view;
}
