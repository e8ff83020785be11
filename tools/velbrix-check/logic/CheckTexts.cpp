#include "velbrix-check/logic/CheckTexts.h"

#include "app/LanguageChoice.h"
#include "messages/CatalogueTexts.h"

namespace {

struct TextEntry {
    CheckText Name;
    const wchar_t* Text;
};

constexpr TextEntry ENGLISH[] = {
#define CHECK_TEXT(name, text) {CheckText::name, L"" text},
#include "velbrix-check/logic/texts/english.inc"
#undef CHECK_TEXT
};

constexpr TextEntry CHINESE[] = {
#define CHECK_TEXT(name, text) {CheckText::name, L"" text},
#include "velbrix-check/logic/texts/chinese.inc"
#undef CHECK_TEXT
};

const wchar_t* FindText(const TextEntry* begin, const TextEntry* end, CheckText name) {
    for (const TextEntry* entry = begin; entry != end; ++entry) {
        if (entry->Name == name) {
            return entry->Text;
        }
    }
    return nullptr;
}

} // namespace

CheckLanguage CheckLanguageFor(uint16_t userDefaultUILanguage) {
    return CatalogueLanguageFor(ThreadLanguageFor(userDefaultUILanguage)) == LANGUAGE_CHINESE_PRC
               ? CheckLanguage::Chinese
               : CheckLanguage::English;
}

const wchar_t* TextOf(CheckLanguage language, CheckText text) {
    if (language == CheckLanguage::Chinese) {
        if (const wchar_t* chinese = FindText(std::begin(CHINESE), std::end(CHINESE), text)) {
            return chinese;
        }
    }
    const wchar_t* english = FindText(std::begin(ENGLISH), std::end(ENGLISH), text);
    return english != nullptr ? english : L"";
}

std::wstring FillText(const std::wstring& text, const std::vector<std::wstring>& values) {
    std::wstring filled;
    for (std::size_t index = 0; index < text.size(); ++index) {
        if (text[index] == L'{' && index + 2 < text.size() && text[index + 1] >= L'1' && text[index + 1] <= L'9' &&
            text[index + 2] == L'}') {
            const auto value = static_cast<std::size_t>(text[index + 1] - L'1');
            if (value < values.size()) {
                filled += values[value];
                index += 2;
                continue;
            }
        }
        filled.push_back(text[index]);
    }
    return filled;
}

std::wstring StartupSettingMessage(CheckLanguage language) {
    const wchar_t* text = CatalogueTextOf(
        language == CheckLanguage::Chinese ? LANGUAGE_CHINESE_PRC : LANGUAGE_ENGLISH_US, MSG_INI_SETTING_INVALID);
    return text != nullptr ? text : L"";
}
