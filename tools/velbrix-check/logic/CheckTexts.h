#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Every text the checker shows, by name; english.inc lists them.
enum class CheckText {
#define CHECK_TEXT(name, text) name,
#include "velbrix-check/logic/texts/english.inc"
#undef CHECK_TEXT
};

enum class CheckLanguage { English, Chinese };

// The checker speaks as Velbrix does, in the two languages it has: users whose Velbrix reads Chinese (Chinese of
// the PRC) read Chinese, everybody else English.
CheckLanguage CheckLanguageFor(uint16_t userDefaultUILanguage);

// The text in that language, never null.
const wchar_t* TextOf(CheckLanguage language, CheckText text);

// The text with {1}, {2}, ... replaced by the values; a placeholder without a value stays as it is.
std::wstring FillText(const std::wstring& text, const std::vector<std::wstring>& values);

// The message Velbrix logs at start-up when a setting reads as -1, in that language, from Velbrix's own catalogue.
std::wstring StartupSettingMessage(CheckLanguage language);
