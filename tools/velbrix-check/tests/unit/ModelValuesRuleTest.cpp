// The values of each model section.
#include <gtest/gtest.h>

#include "velbrix-check/logic/ModelValuesRule.h"
#include "velbrix-check/tests/unit/CheckTestSupport.h"

namespace {

const std::wstring INF = L"drivers\\m1.inf";

TEST(ModelValuesRule, ModelNamesAndValues) {
    const std::wstring path259 = L"drivers\\" + std::wstring(247, L'p') + L".inf";
    const std::wstring path260 = L"drivers\\" + std::wstring(248, L'p') + L".inf";
    const std::wstring barBeyond259 = std::wstring(259, L'n') + L"|x";
    const struct {
        const char* name;
        int count;
        std::wstring sections;
        Findings expected;
    } cases[] = {
        {"two models of their own",
         2,
         ModelSectionText(1, L"M1", L"D1", INF) + ModelSectionText(2, L"M2", L"D2", INF),
         {}},
        {"an empty model",
         1,
         ModelSectionText(1, L"", L"D1", INF),
         {Problem(L"[PRT1] PrinterModel", CheckText::MODEL_EMPTY)}},
        {"a section without a model",
         1,
         L"[PRT1]\r\nPrinterDriverName=D1\r\n",
         {Problem(L"[PRT1] PrinterModel", CheckText::MODEL_EMPTY)}},
        {"a duplicate model",
         3,
         ModelSectionText(1, L"M1", L"D1", INF) + ModelSectionText(2, L"M2", L"D2", INF) +
             ModelSectionText(3, L"M1", L"D3", INF),
         {Problem(L"[PRT3] PrinterModel", CheckText::MODEL_DUPLICATE, {L"M1", L"[PRT1]"})}},
        {"a model whose name another one holds",
         2,
         ModelSectionText(1, L"M1", L"D1", INF) + ModelSectionText(2, L"M10", L"D2", INF),
         {Note(L"[PRT1] PrinterModel", CheckText::MODEL_WITHIN, {L"M1", L"M10", L"[PRT2]"})}},
        {"a bar in the driver name",
         1,
         ModelSectionText(1, L"M1", L"Vantrel|M1", INF),
         {Problem(L"[PRT1] PrinterDriverName", CheckText::VALUE_HAS_BAR, {L"M1", L"Vantrel", L"M1" + INF})}},
        {"a bar in the model",
         1,
         ModelSectionText(1, L"M|1", L"D1", INF),
         {Problem(L"[PRT1] PrinterModel", CheckText::VALUE_HAS_BAR, {L"M", L"1", L"D1" + INF})}},
        {"a path of 259 characters", 1, ModelSectionText(1, L"M1", L"D1", path259), {}},
        {"a path of 260 characters",
         1,
         ModelSectionText(1, L"M1", L"D1", path260),
         {Problem(L"[PRT1] PrinterDriverPath", CheckText::VALUE_TOO_LONG, {L"260"})}},
        {"a bar beyond the 259 characters kept",
         1,
         ModelSectionText(1, L"M1", barBeyond259, INF),
         {Problem(L"[PRT1] PrinterDriverName", CheckText::VALUE_TOO_LONG, {L"261"})}},
        {"a missing section is the sections' rule's", 2, ModelSectionText(1, L"M1", L"D1", INF), {}},
    };
    for (const auto& testCase : cases) {
        SupplierFolder folder;
        folder.Write(L"velbrix.ini", AsciiIni(testCase.count, testCase.sections));
        EXPECT_EQ(CheckModelValues(folder.View()), testCase.expected) << testCase.name;
    }
}

} // namespace
