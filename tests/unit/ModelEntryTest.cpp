#include "app/ModelEntry.h"

#include <gtest/gtest.h>

TEST(DecodeModelEntry, SplitsAtTheFirstTwoBars) {
    const struct {
        const wchar_t* entry;
        const wchar_t* model;
        const wchar_t* driverName;
        const wchar_t* driverPath;
    } cases[] = {
        {L"M1|Vantrel M1|drivers\\m1.inf", L"M1", L"Vantrel M1", L"drivers\\m1.inf"},
        {L"", L"", L"", L""},
        {L"||", L"", L"", L""},
        {L"M1", L"M1", L"", L""},
        {L"M1|D", L"M1", L"D", L""},
        {L"A|B|D|P", L"A", L"B", L"DP"},
        {L"A|B|C|D|E", L"A", L"B", L"CDE"},
        {L"|D|", L"", L"D", L""},
    };
    for (const auto& testCase : cases) {
        const auto parts = DecodeModelEntry(testCase.entry);
        EXPECT_EQ(parts.Model, testCase.model) << testCase.entry;
        EXPECT_EQ(parts.DriverName, testCase.driverName) << testCase.entry;
        EXPECT_EQ(parts.DriverPath, testCase.driverPath) << testCase.entry;
    }
}
