#pragma once

#include <cstdint>

#include "messages/names.h"

// The catalogue's texts as the sources hold them, compiled in: for the supplier's checker, which quotes what
// Velbrix would log, and for the tests to compare the string tables with.
struct CatalogueText {
    uint16_t language;
    int id;
    const wchar_t* text;
};

inline constexpr CatalogueText CATALOGUE_TEXTS[] = {
#define VELBRIX_MESSAGE(id, text) {2052, id, L"" text},
#include "messages/chinese.inc"
#undef VELBRIX_MESSAGE
#define VELBRIX_MESSAGE(id, text) {1033, id, L"" text},
#include "messages/english.inc"
#undef VELBRIX_MESSAGE
#define VELBRIX_MESSAGE(id, text) {1049, id, L"" text},
#include "messages/russian.inc"
#undef VELBRIX_MESSAGE
#define VELBRIX_MESSAGE(id, text) {1065, id, L"" text},
#include "messages/persian.inc"
#undef VELBRIX_MESSAGE
};

inline constexpr uint16_t CATALOGUE_LANGUAGES[] = {2052, 1033, 1049, 1065};

// The text of message id in a catalogue language, or nullptr.
inline const wchar_t* CatalogueTextOf(uint16_t language, int id) {
    for (const auto& entry : CATALOGUE_TEXTS) {
        if (entry.language == language && entry.id == id) {
            return entry.text;
        }
    }
    return nullptr;
}
