#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/Configuration.h"

// The names velbrix.ini is written with.
inline constexpr std::wstring_view INI_FILE_NAME = L"velbrix.ini";
inline constexpr std::wstring_view SECTION_COMMON = L"COMMON";
inline constexpr std::wstring_view SECTION_MODEL_PREFIX = L"PRT";
inline constexpr std::wstring_view KEY_PRINTER_MODEL_NUMS = L"PrinterModelNums";
inline constexpr std::wstring_view KEY_SEARCH_DURATION = L"SearchDuration";
inline constexpr std::wstring_view KEY_DISPLAY_CONSOLE = L"DisplayConsole";
inline constexpr std::wstring_view KEY_INSTALL_MODE = L"InstallMode";
inline constexpr std::wstring_view KEY_PRINTER_MODEL = L"PrinterModel";
inline constexpr std::wstring_view KEY_PRINTER_DRIVER_NAME = L"PrinterDriverName";
inline constexpr std::wstring_view KEY_PRINTER_DRIVER_PATH = L"PrinterDriverPath";

// A setting written as -1, as the platform's reader gives it: Velbrix logs that the file could not be read.
constexpr uint32_t SETTING_READ_AS_MINUS_ONE = 0xFFFFFFFFu;

// A setting of [COMMON]: its key, the value a missing or empty key reads as, and where the configuration keeps
// it.
struct CommonSettingKey {
    std::wstring_view Key;
    uint32_t Default;
    uint32_t Configuration::*Value;
};

// In the order Velbrix reads them.
inline constexpr CommonSettingKey COMMON_SETTINGS[] = {
    {KEY_PRINTER_MODEL_NUMS, 0, &Configuration::PrinterModelNums},
    {KEY_SEARCH_DURATION, SEARCH_DURATION_MIN, &Configuration::SearchDuration},
    {KEY_DISPLAY_CONSOLE, 0, &Configuration::DisplayConsole},
    {KEY_INSTALL_MODE, 0, &Configuration::InstallMode},
};
