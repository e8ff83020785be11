#pragma once

#include <cstdint>

// Language identifiers Velbrix deals in.
constexpr uint16_t LANGUAGE_ENGLISH_US = 1033;  // 0x0409, has a catalogue
constexpr uint16_t LANGUAGE_RUSSIAN = 1049;     // 0x0419, has a catalogue
constexpr uint16_t LANGUAGE_PERSIAN = 1065;     // 0x0429, has a catalogue
constexpr uint16_t LANGUAGE_GAELIC = 1084;      // 0x043C, the thread language given to Persian users
constexpr uint16_t LANGUAGE_CHINESE_PRC = 2052; // 0x0804, has a catalogue
constexpr uint16_t LANGUAGE_ENGLISH_UK = 2057;  // 0x0809, the thread language given to everybody else

// The thread language start-up sets for a user's default user-interface language. The comparison is exact:
// Chinese of Taiwan, Hong Kong or Singapore is not Chinese of the PRC and gets English.
uint16_t ThreadLanguageFor(uint16_t userDefaultLanguage);

// The catalogue whose texts a thread of that language is shown. Two of the thread languages start-up gives
// (1084 and 2057) have no catalogue of their own: Persian users read Persian, everybody else English.
uint16_t CatalogueLanguageFor(uint16_t threadLanguage);
