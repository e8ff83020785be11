#include "velbrix-check/logic/CheckTexts.h"

#include "app/LanguageChoice.h"
#include "messages/names.h"

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

struct MessageEntry {
    int Id;
    const wchar_t* Text;
};

constexpr MessageEntry VELBRIX_ENGLISH[] = {
#define VELBRIX_MESSAGE(id, text) {id, L"" text},
#include "messages/english.inc"
#undef VELBRIX_MESSAGE
};

constexpr MessageEntry VELBRIX_CHINESE[] = {
#define VELBRIX_MESSAGE(id, text) {id, L"" text},
#include "messages/chinese.inc"
#undef VELBRIX_MESSAGE
};

const wchar_t* FindText(const TextEntry* begin, const TextEntry* end, CheckText name) {
    for (const TextEntry* entry = begin; entry != end; ++entry) {
        if (entry->Name == name) {
            return entry->Text;
        }
    }
    return nullptr;
}

const wchar_t* FindMessage(const MessageEntry* begin, const MessageEntry* end, int id) {
    for (const MessageEntry* entry = begin; entry != end; ++entry) {
        if (entry->Id == id) {
            return entry->Text;
        }
    }
    return L"";
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
    return language == CheckLanguage::Chinese
               ? FindMessage(std::begin(VELBRIX_CHINESE), std::end(VELBRIX_CHINESE), MSG_INI_SETTING_INVALID)
               : FindMessage(std::begin(VELBRIX_ENGLISH), std::end(VELBRIX_ENGLISH), MSG_INI_SETTING_INVALID);
}
