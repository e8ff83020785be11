#pragma once

#include <string>

#include "messages/CatalogueTexts.h"

// The English text of message id, as the tests of English-speaking windows expect it.
inline std::wstring EnglishText(int id) {
    return CatalogueTextOf(1033, id);
}
