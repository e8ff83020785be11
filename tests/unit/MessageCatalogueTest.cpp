#include "messages/MessageCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "fakes/FakeStringResources.h"
#include "support/CatalogueTexts.h"

namespace {

std::size_t Count(const std::wstring& text, const std::wstring& part) {
    std::size_t count = 0;
    for (auto position = text.find(part); position != std::wstring::npos; position = text.find(part, position + 1)) {
        ++count;
    }
    return count;
}

std::wstring Text(uint16_t language, int id) {
    const wchar_t* text = CatalogueTextOf(language, id);
    return text == nullptr ? std::wstring(L"<missing>") : std::wstring(text);
}

} // namespace

TEST(CatalogueSources, EveryLanguageHoldsEachMessageOnceOnOneLine) {
    for (const uint16_t language : CATALOGUE_LANGUAGES) {
        std::multiset<int> ids;
        for (const auto& entry : CATALOGUE_TEXTS) {
            if (entry.language != language) {
                continue;
            }
            ids.insert(entry.id);
            const std::wstring text = entry.text;
            EXPECT_FALSE(text.empty()) << language << "/" << entry.id;
            EXPECT_EQ(text.find_first_of(L"\r\n\t"), std::wstring::npos) << language << "/" << entry.id;
        }
        EXPECT_EQ(ids.size(), static_cast<std::size_t>(CATALOGUE_MESSAGE_COUNT)) << language;
        for (int id = FIRST_MESSAGE; id <= LAST_MESSAGE; ++id) {
            EXPECT_EQ(ids.count(id), IsCatalogueMessage(id) ? 1u : 0u) << language << "/" << id;
        }
    }
}

TEST(CatalogueSources, NoticeTitleMatchesTheBoxItCloses) {
    for (const uint16_t language : CATALOGUE_LANGUAGES) {
        EXPECT_EQ(Text(language, MSG_NOTICE_WINDOW_TITLE), Text(language, MSG_INSTALL_NOTICE_CAPTION)) << language;
    }
}

TEST(CatalogueSources, PlaceholdersOfTheFormatTexts) {
    const struct {
        uint16_t language;
        int id;
        const wchar_t* placeholder;
        std::size_t count;
    } cases[] = {
        {2052, 121, L"%d", 2},  {2052, 125, L"%d", 1},  {1033, 121, L"% d", 2}, {1033, 125, L"% d", 1},
        {1049, 121, L"% d", 2}, {1049, 125, L"% d", 1}, {1065, 121, L"%", 0},   {1065, 125, L"%", 0},
    };
    for (const auto& testCase : cases) {
        const std::wstring text = Text(testCase.language, testCase.id);
        EXPECT_EQ(Count(text, testCase.placeholder), testCase.count) << testCase.language << "/" << testCase.id;
        EXPECT_EQ(Count(text, L"%"), testCase.count) << "no other conversion in " << testCase.id;
    }
    // The count of printers, then the model and the queue names.
    for (const uint16_t language : CATALOGUE_LANGUAGES) {
        const std::wstring text = Text(language, MSG_REASON_OTHER_MODEL);
        EXPECT_EQ(Count(text, L"%d"), 1u) << language;
        EXPECT_EQ(Count(text, L"%s"), 2u) << language;
        EXPECT_EQ(Count(text, L"%"), 3u) << language;
        EXPECT_LT(text.find(L"%d"), text.find(L"%s")) << language;
    }
    for (const auto& entry : CATALOGUE_TEXTS) {
        if (entry.id != 121 && entry.id != 125 && entry.id != MSG_REASON_OTHER_MODEL) {
            EXPECT_EQ(std::wstring(entry.text).find(L'%'), std::wstring::npos) << entry.language << "/" << entry.id;
        }
    }
}

TEST(CatalogueSources, TextsKeepTheirOwnBlanksAndMarks) {
    const struct {
        uint16_t language;
        int id;
        const wchar_t* expected;
    } cases[] = {
        {2052, 107, L"退出"},
        {2052, 101, L"关于 Velbrix(&A)..."},
        {1033, 101, L"About Velbrix(&A)..."},
        {2052, 104, L"搜索的打印机型号："},
        {1033, 151, L"[Error]Fail to ping printer, please check printer's network  status. "},
        {1033, 153,
         L"[Operating instructions] The shared printer information has been saved to the system "
         L"clipboard.Please follow the prompts  to install the driver. "},
        {2052, 126, L"Velbrix 重要提示"},
        {1033, 131, L"IP is different from installed one . The IP is："},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(Text(testCase.language, testCase.id), testCase.expected) << testCase.language << "/" << testCase.id;
    }
    EXPECT_EQ(Text(1033, 152).substr(0, 7), L"[Tips] ");
    EXPECT_EQ(Text(2052, 152).rfind(L" [重要提示]共享打印机信息已经保存到系统剪贴板", 0), 0u);
    for (const uint16_t language : CATALOGUE_LANGUAGES) {
        const std::wstring about = Text(language, MSG_ABOUT_MENU_ITEM);
        EXPECT_NE(about.find(L"Velbrix"), std::wstring::npos) << language;
        EXPECT_EQ(about.substr(about.size() - 7), L"(&A)...") << language;
        EXPECT_NE(Text(language, MSG_ABOUT_VERSION).find(L"1.0.12"), std::wstring::npos) << language;
        EXPECT_EQ(Text(language, MSG_NO_PROGRAM_DIRECTORY).front(), L'[') << "log lines begin with their tag";
    }
}

TEST(MessageCatalogue, LooksUpTheCatalogueChosenForTheThreadLanguage) {
    FakeStringResources resources = FakeStringResources::WithCatalogues();
    // Persian users' thread language has no catalogue of its own.
    const MessageCatalogue catalogue(resources, 1084);
    EXPECT_EQ(catalogue.Language(), 1065);
    for (int id = FIRST_MESSAGE; id <= LAST_MESSAGE; ++id) {
        if (IsCatalogueMessage(id)) {
            EXPECT_EQ(catalogue.Text(id), Text(1065, id)) << id;
        }
    }
}

TEST(MessageCatalogue, MissingNumberLeavesTheTextAsItWas) {
    FakeStringResources resources = FakeStringResources::WithCatalogues();
    const MessageCatalogue catalogue(resources, 2052);
    std::wstring text = L"before";
    EXPECT_FALSE(catalogue.Load(LAST_MESSAGE + 1, text));
    EXPECT_FALSE(catalogue.Load(-1, text));
    EXPECT_EQ(text, L"before");
    EXPECT_TRUE(catalogue.Load(107, text));
    EXPECT_EQ(text, L"退出");
}

TEST(MessageCatalogue, FormatsTheCountLinesInEachLanguage) {
    FakeStringResources resources = FakeStringResources::WithCatalogues();
    const struct {
        uint16_t threadLanguage;
        int id;
        std::initializer_list<int32_t> values;
        const wchar_t* expectedPart;
    } cases[] = {
        {2052, 125, {3}, L"[通知]搜索结束！共找到：3 个匹配"},
        {2057, 125, {3}, L"Totally found:  3 matching"},
        {2052, 121, {5, 2}, L"已安装的打印机：5 个，其中与搜索打印机型号匹配的网络打印机：2 个。"},
        {2057, 121, {5, 2}, L"on the computer:  5,  including the matching network printers :  2."},
        {1049, 125, {3}, L" 3"},
    };
    for (const auto& testCase : cases) {
        const MessageCatalogue catalogue(resources, testCase.threadLanguage);
        const std::wstring line = catalogue.Format(testCase.id, testCase.values);
        EXPECT_NE(line.find(testCase.expectedPart), std::wstring::npos)
            << testCase.threadLanguage << "/" << testCase.id;
    }
    const MessageCatalogue persian(resources, 1084);
    EXPECT_EQ(persian.Format(125, {3}), Text(1065, 125)) << "the Persian line shows no number";
}
