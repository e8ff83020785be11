#include "velbrix-check/logic/CommonSettingsRule.h"

#include <algorithm>

namespace {

// Whether the text is the number read written in decimal digits and nothing else.
bool IsWrittenAsRead(const std::wstring& written, uint32_t read) {
    uint64_t value = 0;
    for (const wchar_t character : written) {
        if (character < L'0' || character > L'9') {
            return false;
        }
        value = std::min<uint64_t>(value * 10 + static_cast<uint64_t>(character - L'0'), UINT64_C(1) << 33);
    }
    return value == read;
}

void CheckNumber(Findings& findings, const CommonSetting& setting, CheckLanguage language) {
    const Place place = CommonPlace(setting.Key);
    if (setting.Read == SETTING_READ_AS_MINUS_ONE) {
        AddProblem(findings, place, CheckText::SETTING_MINUS_ONE, {StartupSettingMessage(language)});
    } else if (!setting.Written.empty() && !IsWrittenAsRead(setting.Written, setting.Read)) {
        AddProblem(findings, place, CheckText::SETTING_NOT_A_NUMBER, {setting.Written, Number(setting.Read)});
    }
}

} // namespace

Findings CheckCommonSettings(const IniView& view, CheckLanguage language) {
    Findings findings;
    // Each setting's findings together, in the order of the settings.
    const Place modelNums = CommonPlace(KEY_PRINTER_MODEL_NUMS);
    const uint32_t count = SettingOf(view, KEY_PRINTER_MODEL_NUMS).Read;
    CheckNumber(findings, SettingOf(view, KEY_PRINTER_MODEL_NUMS), language);
    if (count == 0) {
        AddProblem(findings, modelNums, CheckText::MODEL_NUMS_ZERO);
    } else if (count > PRINTER_MODEL_NUMS_MAX && count != SETTING_READ_AS_MINUS_ONE) {
        AddProblem(findings, modelNums, CheckText::MODEL_NUMS_ABOVE_BOUND, {Number(count)});
    }
    if (!view.Models.empty()) {
        AddNote(findings, modelNums, CheckText::NOTE_MODELS_READ, {Number(view.Models.size())});
    }

    const Place searchDuration = CommonPlace(KEY_SEARCH_DURATION);
    const uint32_t duration = SettingOf(view, KEY_SEARCH_DURATION).Read;
    CheckNumber(findings, SettingOf(view, KEY_SEARCH_DURATION), language);
    if ((duration < SEARCH_DURATION_MIN || duration > SEARCH_DURATION_MAX) && duration != SETTING_READ_AS_MINUS_ONE) {
        AddProblem(findings, searchDuration, CheckText::SEARCH_DURATION_OUTSIDE,
                   {Number(duration), Number(view.Config.SearchDuration)});
    }
    AddNote(findings, searchDuration, CheckText::NOTE_SEARCH_DURATION, {Number(view.Config.SearchDuration)});

    CheckNumber(findings, SettingOf(view, KEY_DISPLAY_CONSOLE), language);
    AddNote(findings, CommonPlace(KEY_DISPLAY_CONSOLE),
            view.Config.DisplayConsole != 0 ? CheckText::NOTE_CONSOLE_SHOWN : CheckText::NOTE_CONSOLE_HIDDEN,
            {Number(view.Config.DisplayConsole)});
    CheckNumber(findings, SettingOf(view, KEY_INSTALL_MODE), language);
    AddNote(findings, CommonPlace(KEY_INSTALL_MODE),
            view.Config.InstallMode != 0 ? CheckText::NOTE_AUTOMATIC : CheckText::NOTE_GUIDED,
            {Number(view.Config.InstallMode)});
    return findings;
}
