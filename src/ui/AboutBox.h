#pragma once

#include <string>

#include "messages/MessageCatalogue.h"

// What the About box shows in the user's language; its OK button keeps "确定" in every language.
struct AboutBoxTexts {
    std::wstring Title;
    std::wstring Version;
};

AboutBoxTexts LoadAboutBoxTexts(const MessageCatalogue& catalogue);
