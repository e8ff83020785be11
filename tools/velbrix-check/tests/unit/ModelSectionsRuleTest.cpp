// The PRT sections against PrinterModelNums.
#include <gtest/gtest.h>

#include "velbrix-check/logic/ModelSectionsRule.h"
#include "velbrix-check/tests/unit/CheckTestSupport.h"

namespace {

std::wstring Sections(std::initializer_list<const wchar_t*> names) {
    std::wstring text;
    for (const wchar_t* name : names) {
        text += L"[" + std::wstring(name) + L"]\r\nPrinterModel=M\r\n";
    }
    return text;
}

TEST(ModelSectionsRule, SectionsAgainstTheCount) {
    std::wstring manyIgnored;
    Findings manyIgnoredFindings;
    for (int number = 2; number <= 26; ++number) {
        manyIgnored += L"[PRT" + std::to_wstring(number) + L"]\r\n";
        if (number <= 21) {
            manyIgnoredFindings.push_back(
                Problem(L"[PRT" + std::to_wstring(number) + L"]", CheckText::SECTION_BEYOND_COUNT, {L"1"}));
        }
    }
    manyIgnoredFindings.push_back(Problem(L"[PRT22]", CheckText::SECTIONS_MORE, {L"5"}));

    const struct {
        const char* name;
        int count;
        std::wstring sections;
        Findings expected;
    } cases[] = {
        {"every section there", 2, Sections({L"PRT1", L"PRT2"}), {}},
        {"a section in lower case is the same section", 1, Sections({L"prt1"}), {}},
        {"one missing between two", 3, Sections({L"PRT1", L"PRT3"}), {Problem(L"[PRT2]", CheckText::SECTION_MISSING)}},
        {"a run missing at the end",
         3,
         Sections({L"PRT1"}),
         {Problem(L"[PRT2]-[PRT3]", CheckText::SECTIONS_MISSING, {L"2"})}},
        {"numbered from zero", 1, Sections({L"PRT0", L"PRT1"}), {Problem(L"[PRT0]", CheckText::SECTION_ZERO)}},
        {"one beyond the count",
         1,
         Sections({L"PRT1", L"PRT2"}),
         {Problem(L"[PRT2]", CheckText::SECTION_BEYOND_COUNT, {L"1"})}},
        {"a count of -1 reads a thousand",
         -1,
         Sections({L"PRT1", L"PRT1000", L"PRT1001", L"PRT99999"}),
         {Problem(L"[PRT2]-[PRT999]", CheckText::SECTIONS_MISSING, {L"998"}),
          Problem(L"[PRT1001]", CheckText::SECTION_BEYOND_BOUND),
          Problem(L"[PRT99999]", CheckText::SECTION_BEYOND_BOUND)}},
        {"names Velbrix never reads",
         1,
         Sections({L"PRT1", L"PRT01", L"PRTA", L"PRT", L"PRT 2"}),
         {Problem(L"[PRT01]", CheckText::SECTION_NOT_READ), Problem(L"[PRTA]", CheckText::SECTION_NOT_READ),
          Problem(L"[PRT]", CheckText::SECTION_NOT_READ), Problem(L"[PRT 2]", CheckText::SECTION_NOT_READ)}},
        {"sections of other names are the supplier's own", 1, Sections({L"PRT1", L"Notes", L"PR"}), {}},
        {"no count, one section",
         0,
         Sections({L"PRT1"}),
         {Problem(L"[PRT1]", CheckText::SECTION_BEYOND_COUNT, {L"0"})}},
        {"many ignored sections are summed up", 1, Sections({L"PRT1"}) + manyIgnored, manyIgnoredFindings},
    };
    for (const auto& testCase : cases) {
        SupplierFolder folder;
        folder.Write(L"velbrix.ini", AsciiIni(testCase.count, testCase.sections));
        const Findings findings = CheckModelSections(folder.View());
        EXPECT_EQ(findings, testCase.expected) << testCase.name;
    }
}

} // namespace
