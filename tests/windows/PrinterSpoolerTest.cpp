// The inventory over printers seeded in the prefix's registry, read through the real spooler.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>

#include "discovery/Inventory.h"
#include "win32/Win32PrinterSpooler.h"

namespace {

const wchar_t PRINTERS_KEY[] = L"System\\CurrentControlSet\\Control\\Print\\Printers";
const std::wstring DRIVER = L"Vantrel M1 PCL6";

struct SeededPrinter {
    const wchar_t* name;
    const wchar_t* port;
    const wchar_t* driver;
};

class SeededSpooler : public ::testing::Test {
protected:
    void Seed(const SeededPrinter& printer) {
        HKEY key = nullptr;
        const std::wstring path = std::wstring(PRINTERS_KEY) + L"\\" + printer.name;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        // Wine's spooler takes the printer's name from the value "Name", not from the key.
        const std::pair<const wchar_t*, const wchar_t*> values[] = {{L"Name", printer.name},
                                                                    {L"Port", printer.port},
                                                                    {L"Printer Driver", printer.driver},
                                                                    {L"Print Processor", L"WinPrint"},
                                                                    {L"Datatype", L"RAW"}};
        for (const auto& [value, data] : values) {
            RegSetValueExW(key, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                           static_cast<DWORD>((wcslen(data) + 1) * sizeof(wchar_t)));
        }
        RegCloseKey(key);
        m_seeded.push_back(path);
    }
    void TearDown() override {
        for (const auto& path : m_seeded) {
            RegDeleteTreeW(HKEY_LOCAL_MACHINE, path.c_str());
        }
    }

    std::vector<std::wstring> m_seeded;
};

} // namespace

TEST_F(SeededSpooler, EmptySpoolerGivesZeroAndZero) {
    Win32PrinterSpooler spooler;
    PrinterTable installed;
    const InventoryResult result = TakeInventory(spooler, DRIVER, installed);
    ASSERT_TRUE(result.Succeeded) << result.ErrorCode;
    EXPECT_EQ(result.Enumerated, 0);
    EXPECT_EQ(result.Recorded, 0);
}

TEST_F(SeededSpooler, RecordsTheIppPrintersOfTheDriver) {
    Seed({L"Office M1", L"http://192.168.1.20:631/printers/Office", DRIVER.c_str()});
    Seed({L"Hall M1", L"http://10.0.0.7:631/printers/M1_9108", DRIVER.c_str()});
    Seed({L"Other driver", L"http://10.0.0.8:631/printers/Office", L"vantrel m1 pcl6"});
    Seed({L"Local M1", L"LPT1:", DRIVER.c_str()});

    Win32PrinterSpooler spooler;
    PrinterTable installed;
    const InventoryResult result = TakeInventory(spooler, DRIVER, installed);
    ASSERT_TRUE(result.Succeeded) << result.ErrorCode;
    EXPECT_EQ(result.Enumerated, 4);
    std::wstring listed;
    for (const auto& printer : spooler.EnumerateInstalledPrinters().Printers) {
        listed += L"[" + printer.PrinterName + L"|" + printer.PortName + L"|" + printer.DriverName + L"] ";
    }
    ASSERT_EQ(result.Recorded, 2) << "the spooler listed " << ::testing::PrintToString(listed);
    std::set<std::wstring> names;
    for (int row = 0; row < installed.Count; ++row) {
        const PrinterRecord& record = installed.Rows[static_cast<std::size_t>(row)];
        names.insert(record[3]);
        if (record[3] == L"Office M1") {
            EXPECT_EQ(record, (PrinterRecord{L"192.168.1.20", L"Office", L"http://192.168.1.20:631/printers/Office",
                                             L"Office M1", DRIVER}));
        }
    }
    EXPECT_EQ(names, (std::set<std::wstring>{L"Office M1", L"Hall M1"}));
}

TEST_F(SeededSpooler, DeletesAPrinterByItsName) {
    const std::wstring stale = L"M1_alpha on http://10.77.0.11:631/printers/M1_alpha";
    Seed({L"Office M1", L"http://192.168.1.20:631/printers/Office", DRIVER.c_str()});
    Seed({stale.c_str(), L"http://10.77.0.11:631/printers/M1_alpha", DRIVER.c_str()});
    const struct {
        std::wstring name;
        bool opened;
        bool deleted;
    } cases[] = {
        {L"Office M1", true, true},
        {stale, true, true},
        {L"No such printer", false, false},
    };
    Win32PrinterSpooler spooler;
    for (const auto& testCase : cases) {
        const auto deletion = spooler.DeletePrinter(testCase.name);
        const std::string name = ::testing::PrintToString(testCase.name);
        EXPECT_EQ(deletion.Opened, testCase.opened) << name;
        EXPECT_EQ(deletion.Deleted, testCase.deleted) << name << " error " << deletion.ErrorCode;
        for (const auto& printer : spooler.EnumerateInstalledPrinters().Printers) {
            EXPECT_NE(printer.PrinterName, testCase.name) << name;
        }
    }
}
