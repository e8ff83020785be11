#include "discovery/DiscoveryTables.h"

#include <gtest/gtest.h>

TEST(DiscoveryTables, BothTablesTakeTwentyRecordsAndNoMore) {
    DiscoveryTables tables;
    for (PrinterTable* table : {&tables.Discovered, &tables.Installed}) {
        for (int row = 0; row < PRINTER_TABLE_ROWS; ++row) {
            EXPECT_TRUE(AppendRecord(*table, {std::to_wstring(row)}));
        }
        EXPECT_FALSE(AppendRecord(*table, {L"21st"}));
        EXPECT_EQ(table->Count, 20);
        EXPECT_EQ(table->Rows[19], PrinterRecord{L"19"});
    }
    ClearDiscoveryTables(tables);
    EXPECT_EQ(tables.Discovered.Count, 0);
    EXPECT_EQ(tables.Installed.Count, 0);
    EXPECT_TRUE(tables.Discovered.Rows[0].empty());
    EXPECT_TRUE(AppendRecord(tables.Discovered, {L"again"}));
    EXPECT_EQ(tables.Discovered.Rows[0], PrinterRecord{L"again"});
}

TEST(DiscoveryTables, SelectedModelFollowsTheModelListsIndex) {
    const ModelTable models = {{1, L"M1|Vantrel M1|m1.inf"}, {2, L"A|B|C|D"}};
    const struct {
        int32_t index;
        bool found;
        const wchar_t* model;
        const wchar_t* driverName;
        const wchar_t* driverPath;
    } cases[] = {
        {1, true, L"M1", L"Vantrel M1", L"m1.inf"},
        {2, true, L"A", L"B", L"CD"},
        {0, false, L"previous", L"previous driver", L"previous.inf"}, // the prompt keeps the last model
        {3, false, L"", L"", L""},
        {-1, false, L"", L"", L""},
    };
    for (const auto& testCase : cases) {
        SelectedModel selected{7, L"previous", L"previous driver", L"previous.inf"};
        EXPECT_EQ(FillSelectedModel(selected, testCase.index, models), testCase.found) << testCase.index;
        EXPECT_EQ(selected.Index, testCase.index);
        EXPECT_EQ(selected.Model, testCase.model) << testCase.index;
        EXPECT_EQ(selected.DriverName, testCase.driverName) << testCase.index;
        EXPECT_EQ(selected.DriverPath, testCase.driverPath) << testCase.index;
    }
}
