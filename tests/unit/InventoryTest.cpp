#include "discovery/Inventory.h"

#include <gtest/gtest.h>

#include "fakes/FakePrinterSpooler.h"

namespace {

const std::wstring DRIVER = L"Vantrel M1 PCL6";

} // namespace

TEST(Inventory, RecordsTheIppPrintersOfTheSelectedDriverOnly) {
    FakePrinterSpooler spooler;
    spooler.listing.Printers = {
        {L"Office M1", L"http://192.168.1.20:631/printers/Office", DRIVER},
        {L"PDF", L"PORTPROMPT:", L"Microsoft Print To PDF"},
        {L"Other driver", L"http://192.168.1.21:631/printers/Office2", L"Other"},
        {L"Case differs", L"http://192.168.1.22:631/printers/Office3", L"vantrel m1 pcl6"},
        {L"", L"http://192.168.1.23:631/printers/Office4", DRIVER},
        {L"No driver", L"http://192.168.1.24:631/printers/Office5", L""},
        {L"Short queue", L"http://192.168.1.25:631/printers/lp1", DRIVER},
        {L"Second M1", L"http://10.0.0.7:631/printers/M1_9108/x", DRIVER},
    };
    PrinterTable installed;
    const InventoryResult result = TakeInventory(spooler, DRIVER, installed);
    ASSERT_TRUE(result.Succeeded);
    EXPECT_EQ(result.Enumerated, 8);
    EXPECT_EQ(result.Recorded, 2);
    EXPECT_EQ(installed.Rows[0], (PrinterRecord{L"192.168.1.20", L"Office", L"http://192.168.1.20:631/printers/Office",
                                                L"Office M1", DRIVER}));
    EXPECT_EQ(installed.Rows[1][INSTALLED_QUEUE_NAME], L"M1_9108");
    EXPECT_EQ(installed.Rows[1][INSTALLED_PRINTER_NAME], L"Second M1");
}

TEST(Inventory, CountsAndLimits) {
    const struct {
        const char* name;
        int matching;
        int others;
        int32_t enumerated;
        int32_t recorded;
    } cases[] = {
        {"no printers at all", 0, 0, 0, 0},
        {"twenty-one matching printers", 21, 0, 21, 20},
        {"matching printers among others", 3, 4, 7, 3},
    };
    for (const auto& testCase : cases) {
        FakePrinterSpooler spooler;
        for (int i = 0; i < testCase.matching; ++i) {
            spooler.listing.Printers.push_back({L"P" + std::to_wstring(i),
                                                L"http://10.0.0." + std::to_wstring(i + 1) + L":631/printers/Queue",
                                                DRIVER});
        }
        for (int i = 0; i < testCase.others; ++i) {
            spooler.listing.Printers.push_back({L"O" + std::to_wstring(i), L"USB001", DRIVER});
        }
        PrinterTable installed;
        const InventoryResult result = TakeInventory(spooler, DRIVER, installed);
        EXPECT_TRUE(result.Succeeded) << testCase.name;
        EXPECT_EQ(result.Enumerated, testCase.enumerated) << testCase.name;
        EXPECT_EQ(result.Recorded, testCase.recorded) << testCase.name;
    }
}

TEST(Inventory, FailureGivesTheErrorCodeAndTheFixedLine) {
    FakePrinterSpooler spooler;
    spooler.listing = {false, 1801, {}};
    PrinterTable installed;
    const InventoryResult result = TakeInventory(spooler, DRIVER, installed);
    EXPECT_FALSE(result.Succeeded);
    EXPECT_EQ(result.ErrorCode, 1801u);
    EXPECT_EQ(installed.Count, 0);
    EXPECT_EQ(InventoryErrorLine(1801), L"[异常]Error code is 1801");
    EXPECT_EQ(InventoryErrorLine(0xFFFFFFFFu), L"[异常]Error code is -1");
}
