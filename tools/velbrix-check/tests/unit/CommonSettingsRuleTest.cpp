// The [COMMON] settings as Velbrix reads them.
#include <gtest/gtest.h>

#include "velbrix-check/logic/CommonSettingsRule.h"
#include "velbrix-check/tests/unit/CheckTestSupport.h"

namespace {

const std::wstring MODEL_NUMS = L"[COMMON] PrinterModelNums";
const std::wstring SEARCH = L"[COMMON] SearchDuration";
const std::wstring CONSOLE = L"[COMMON] DisplayConsole";
const std::wstring MODE = L"[COMMON] InstallMode";
const std::wstring STARTUP_ERROR = L"[Error] Failed to initialize the INI file.";

TEST(CommonSettingsRule, SettingsAsVelbrixReadsThem) {
    const struct {
        const char* name;
        std::wstring common;
        // The findings of this one key, in order.
        std::wstring place;
        Findings expected;
    } cases[] = {
        {"a count", L"PrinterModelNums=2", MODEL_NUMS, {Note(MODEL_NUMS, CheckText::NOTE_MODELS_READ, {L"2"})}},
        {"no count", L"SearchDuration=5", MODEL_NUMS, {Problem(MODEL_NUMS, CheckText::MODEL_NUMS_ZERO)}},
        {"a count beyond the bound",
         L"PrinterModelNums=1001",
         MODEL_NUMS,
         {Problem(MODEL_NUMS, CheckText::MODEL_NUMS_ABOVE_BOUND, {L"1001"}),
          Note(MODEL_NUMS, CheckText::NOTE_MODELS_READ, {L"1000"})}},
        {"a count of -1",
         L"PrinterModelNums=-1",
         MODEL_NUMS,
         {Problem(MODEL_NUMS, CheckText::SETTING_MINUS_ONE, {STARTUP_ERROR}),
          Note(MODEL_NUMS, CheckText::NOTE_MODELS_READ, {L"1000"})}},
        {"no search duration", L"PrinterModelNums=1", SEARCH, {Note(SEARCH, CheckText::NOTE_SEARCH_DURATION, {L"3"})}},
        {"the shortest search", L"SearchDuration=3", SEARCH, {Note(SEARCH, CheckText::NOTE_SEARCH_DURATION, {L"3"})}},
        {"a search too short",
         L"SearchDuration=2",
         SEARCH,
         {Problem(SEARCH, CheckText::SEARCH_DURATION_OUTSIDE, {L"2", L"3"}),
          Note(SEARCH, CheckText::NOTE_SEARCH_DURATION, {L"3"})}},
        {"a search too long",
         L"SearchDuration=121",
         SEARCH,
         {Problem(SEARCH, CheckText::SEARCH_DURATION_OUTSIDE, {L"121", L"120"}),
          Note(SEARCH, CheckText::NOTE_SEARCH_DURATION, {L"120"})}},
        {"a search of -1",
         L"SearchDuration=-1",
         SEARCH,
         {Problem(SEARCH, CheckText::SETTING_MINUS_ONE, {STARTUP_ERROR}),
          Note(SEARCH, CheckText::NOTE_SEARCH_DURATION, {L"120"})}},
        {"a search in words",
         L"SearchDuration=five",
         SEARCH,
         {Problem(SEARCH, CheckText::SETTING_NOT_A_NUMBER, {L"five", L"0"}),
          Problem(SEARCH, CheckText::SEARCH_DURATION_OUTSIDE, {L"0", L"3"}),
          Note(SEARCH, CheckText::NOTE_SEARCH_DURATION, {L"3"})}},
        {"no console", L"DisplayConsole=0", CONSOLE, {Note(CONSOLE, CheckText::NOTE_CONSOLE_HIDDEN, {L"0"})}},
        {"any other value shows one",
         L"DisplayConsole=2",
         CONSOLE,
         {Note(CONSOLE, CheckText::NOTE_CONSOLE_SHOWN, {L"2"})}},
        {"guided installation by default", L"PrinterModelNums=1", MODE, {Note(MODE, CheckText::NOTE_GUIDED, {L"0"})}},
        {"an installation mode with a letter after it",
         L"InstallMode=1x",
         MODE,
         {Problem(MODE, CheckText::SETTING_NOT_A_NUMBER, {L"1x", L"1"}),
          Note(MODE, CheckText::NOTE_AUTOMATIC, {L"1"})}},
        {"an installation mode of -1",
         L"InstallMode=-1",
         MODE,
         {Problem(MODE, CheckText::SETTING_MINUS_ONE, {STARTUP_ERROR}),
          Note(MODE, CheckText::NOTE_AUTOMATIC, {L"4294967295"})}},
    };
    for (const auto& testCase : cases) {
        SupplierFolder folder;
        folder.Write(L"velbrix.ini", Ascii(L"[COMMON]\r\n" + testCase.common + L"\r\n"));
        Findings atPlace;
        for (const Finding& finding : CheckCommonSettings(folder.View(), CheckLanguage::English)) {
            if (finding.Where.Text == testCase.place) {
                atPlace.push_back(finding);
            }
        }
        EXPECT_EQ(atPlace, testCase.expected) << testCase.name;
    }
}

} // namespace
