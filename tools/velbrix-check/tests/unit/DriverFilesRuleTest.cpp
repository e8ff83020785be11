// Each model's driver: the INF file's path, the file, and the driver name among its models.
#include <gtest/gtest.h>

#include <functional>

#include "velbrix-check/logic/DriverFilesRule.h"
#include "velbrix-check/tests/unit/CheckTestSupport.h"

namespace {

const std::wstring INF = L"drivers\\M1\\vantrel-m1.inf";
const std::wstring DRIVER = L"Vantrel M1 PCL6";
const std::wstring NAME = L"[PRT1] PrinterDriverName";
const std::wstring PATH = L"[PRT1] PrinterDriverPath";

TEST(DriverFilesRule, DriverNameAndInfFile) {
    using Setup = std::function<void(SupplierFolder&)>;
    const auto writeInf = [](std::string bytes) {
        return [bytes](SupplierFolder& folder) { folder.Write(INF, bytes); };
    };
    const std::string undecoratedOnly =
        Ascii(L"[Manufacturer]\r\n\"Vantrel\"\r\n[Vantrel]\r\n\"" + DRIVER + L"\" = Install, VANTREL_M1\r\n");
    const std::wstring chineseDriver = L"Vantrel \u4E91\u6253\u5370";
    const struct {
        const char* name;
        std::wstring driverName;
        std::wstring driverPath;
        Setup setup;
        Findings expected;
    } cases[] = {
        {"the INF file names the driver", DRIVER, INF, writeInf(DriverInf({L"Vantrel M2 PS", DRIVER})), {}},
        {"an INF file of another case in its extension",
         DRIVER,
         L"drivers\\M1\\VANTREL-M1.INF",
         [](SupplierFolder& folder) { folder.Write(L"drivers\\M1\\VANTREL-M1.INF", DriverInf({DRIVER})); },
         {}},
        {"a Chinese driver name", chineseDriver, INF, writeInf(DriverInf({chineseDriver})), {}},
        {"no driver name", L"", INF, writeInf(DriverInf({DRIVER})), {Problem(NAME, CheckText::DRIVER_NAME_EMPTY)}},
        {"no driver path", DRIVER, L"", nullptr, {Problem(PATH, CheckText::DRIVER_PATH_EMPTY)}},
        {"a path from a drive",
         DRIVER,
         L"C:\\drivers\\m1.inf",
         nullptr,
         {Problem(PATH, CheckText::DRIVER_PATH_ABSOLUTE, {L"C:\\drivers\\m1.inf"})}},
        {"not an INF file",
         DRIVER,
         L"drivers\\m1.zip",
         nullptr,
         {Problem(PATH, CheckText::DRIVER_PATH_NOT_INF, {L"drivers\\m1.zip"})}},
        {"a missing INF file", DRIVER, INF, nullptr, {Problem(PATH, CheckText::DRIVER_PATH_MISSING, {INF})}},
        {"a folder of the INF file's name",
         DRIVER,
         INF,
         [](SupplierFolder& folder) { folder.AddFolder(INF); },
         {Problem(PATH, CheckText::DRIVER_PATH_NOT_FILE, {INF})}},
        {"a device name",
         DRIVER,
         L"con.inf",
         [](SupplierFolder& folder) { folder.files.devices.insert(folder.Folder() + L"con.inf"); },
         {Problem(PATH, CheckText::DRIVER_PATH_NOT_FILE, {L"con.inf"})}},
        {"an INF file beyond the bound",
         DRIVER,
         INF,
         writeInf(std::string(INF_READ_MAX + 1, ';')),
         {Problem(PATH, CheckText::INF_TOO_LARGE, {INF, std::to_wstring(INF_READ_MAX + 1), L"8388608"})}},
        {"an INF file at the bound",
         DRIVER,
         INF,
         writeInf(Ascii(L"[Manufacturer]\r\n") + std::string(INF_READ_MAX - 16, ';')),
         {Problem(NAME, CheckText::DRIVER_NOT_IN_INF, {DRIVER, INF, L"(none)"})}},
        {"an INF file another program holds",
         DRIVER,
         INF,
         [](SupplierFolder& folder) { folder.files.locked.insert(folder.Folder() + INF); },
         {Problem(PATH, CheckText::INF_UNREADABLE, {INF})}},
        {"a binary INF file",
         DRIVER,
         INF,
         writeInf(std::string("MZ\x90\0\x03\0", 6)),
         {Problem(PATH, CheckText::INF_NOT_TEXT, {INF})}},
        {"an INF file without [Manufacturer]",
         DRIVER,
         INF,
         writeInf(Ascii(L"[Version]\r\nClass=Printer\r\n")),
         {Problem(PATH, CheckText::INF_NO_MANUFACTURER, {INF})}},
        {"an INF file of other drivers",
         DRIVER,
         INF,
         writeInf(DriverInf({L"Vantrel M1 PS", L"Vantrel M2 PS"})),
         {Problem(NAME, CheckText::DRIVER_NOT_IN_INF, {DRIVER, INF, L"\"Vantrel M1 PS\", \"Vantrel M2 PS\""})}},
        {"only an undecorated model section",
         DRIVER,
         INF,
         writeInf(undecoratedOnly),
         {Problem(NAME, CheckText::DRIVER_NOT_FOR_X64, {DRIVER, INF, L"Vantrel", L"Vantrel"})}},
    };
    for (const auto& testCase : cases) {
        SupplierFolder folder;
        folder.Write(L"velbrix.ini",
                     Utf16LeWithBom(L"[COMMON]\r\nPrinterModelNums=1\r\n" +
                                    ModelSectionText(1, L"M1", testCase.driverName, testCase.driverPath)));
        if (testCase.setup) {
            testCase.setup(folder);
        }
        EXPECT_EQ(CheckDriverFiles(folder.View(), folder.files, folder.codePages, CheckLanguage::English),
                  testCase.expected)
            << testCase.name;
    }
}

} // namespace
