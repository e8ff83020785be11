#include "app/LanguageChoice.h"

uint16_t ThreadLanguageFor(uint16_t userDefaultLanguage) {
    switch (userDefaultLanguage) {
    case LANGUAGE_CHINESE_PRC:
        return LANGUAGE_CHINESE_PRC;
    case LANGUAGE_RUSSIAN:
        return LANGUAGE_RUSSIAN;
    case LANGUAGE_PERSIAN:
        return LANGUAGE_GAELIC;
    default:
        return LANGUAGE_ENGLISH_UK;
    }
}

uint16_t CatalogueLanguageFor(uint16_t threadLanguage) {
    switch (threadLanguage) {
    case LANGUAGE_CHINESE_PRC:
        return LANGUAGE_CHINESE_PRC;
    case LANGUAGE_RUSSIAN:
        return LANGUAGE_RUSSIAN;
    case LANGUAGE_GAELIC:
    case LANGUAGE_PERSIAN:
        return LANGUAGE_PERSIAN;
    default:
        return LANGUAGE_ENGLISH_US;
    }
}
