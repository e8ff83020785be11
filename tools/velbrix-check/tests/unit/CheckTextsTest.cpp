// The checker's texts in its two languages, and how their placeholders are filled.
#include <gtest/gtest.h>

#include <set>

#include "velbrix-check/logic/CheckTexts.h"
#include "velbrix-check/tests/fakes/FakeSupplierFolder.h"

namespace {

constexpr CheckText ALL_TEXTS[] = {
#define CHECK_TEXT(name, text) CheckText::name,
#include "velbrix-check/logic/texts/english.inc"
#undef CHECK_TEXT
};

std::set<std::wstring> PlaceholdersOf(const std::wstring& text) {
    std::set<std::wstring> placeholders;
    for (std::size_t index = 0; index + 2 < text.size(); ++index) {
        if (text[index] == L'{' && text[index + 2] == L'}') {
            placeholders.insert(text.substr(index, 3));
        }
    }
    return placeholders;
}

TEST(CheckTexts, EveryTextInChineseWithTheSamePlaceholders) {
    for (const CheckText text : ALL_TEXTS) {
        const std::wstring inEnglish = TextOf(CheckLanguage::English, text);
        const std::wstring inChinese = TextOf(CheckLanguage::Chinese, text);
        EXPECT_FALSE(inEnglish.empty()) << static_cast<int>(text);
        // Only the Chinese table's own entry can differ from the English one.
        EXPECT_NE(inChinese, inEnglish) << Utf8(inEnglish);
        EXPECT_EQ(PlaceholdersOf(inChinese), PlaceholdersOf(inEnglish)) << Utf8(inEnglish);
    }
    EXPECT_EQ(StartupSettingMessage(CheckLanguage::English), L"[Error] Failed to initialize the INI file.");
    EXPECT_EQ(StartupSettingMessage(CheckLanguage::Chinese),
              L"[\u5F02\u5E38]\u521D\u59CB\u5316\u5931\u8D25\uFF0C\u672A\u80FD\u6B63\u786E\u83B7\u53D6INI\u6587\u4EF6"
              L"\u4FE1\u606F\uFF01");
}

TEST(CheckTexts, LanguageFollowsVelbrixs) {
    const struct {
        uint16_t userLanguage;
        CheckLanguage language;
    } cases[] = {
        {2052, CheckLanguage::Chinese}, {1033, CheckLanguage::English}, {2057, CheckLanguage::English},
        {1028, CheckLanguage::English}, {1049, CheckLanguage::English}, {1065, CheckLanguage::English},
        {3076, CheckLanguage::English},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(CheckLanguageFor(testCase.userLanguage), testCase.language) << testCase.userLanguage;
    }
}

TEST(CheckTexts, PlaceholdersTakeTheirValues) {
    const struct {
        const wchar_t* text;
        std::vector<std::wstring> values;
        const wchar_t* filled;
    } cases[] = {
        {L"{1} to {2}", {L"a", L"b"}, L"a to b"},
        {L"PRT1 to PRT{1}, {1} in all", {L"3"}, L"PRT1 to PRT3, 3 in all"},
        {L"{3} has no value", {L"a"}, L"{3} has no value"},
        {L"{1} and {2}", {L"{2}", L"b"}, L"{2} and b"},
        {L"{0} and {x}", {L"a"}, L"{0} and {x}"},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(FillText(testCase.text, testCase.values), testCase.filled) << Utf8(testCase.text);
    }
}

} // namespace
