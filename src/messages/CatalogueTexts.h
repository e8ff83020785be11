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

// Whether the catalogue holds a message of that number: every number from FIRST_MESSAGE to LAST_MESSAGE but the
// ones held back.
inline constexpr bool IsCatalogueMessage(int id) {
    return id >= FIRST_MESSAGE && id <= LAST_MESSAGE && (id < MSG_HELD_BACK_FIRST || id > MSG_HELD_BACK_LAST);
}
inline constexpr int CATALOGUE_MESSAGE_COUNT =
    LAST_MESSAGE - FIRST_MESSAGE + 1 - (MSG_HELD_BACK_LAST - MSG_HELD_BACK_FIRST + 1);

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
