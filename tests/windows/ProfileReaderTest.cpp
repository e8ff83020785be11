// velbrix.ini files written beside this test program and read through the platform's own reader.
#include <gtest/gtest.h>

#include "app/Configuration.h"
#include "app/ModelEntry.h"
#include "messages/names.h"
#include "win32/Win32Profile.h"
#include "windows/WindowsTestSupport.h"

namespace {

class ProfileReader : public ::testing::Test {
protected:
    void SetUp() override {
        m_iniPath = TestProgramDirectory() + L"velbrix.ini";
        DeleteFileW(m_iniPath.c_str());
    }
    void TearDown() override { DeleteFileW(m_iniPath.c_str()); }

    ConfigurationReport Load(const std::string* bytes) {
        if (bytes != nullptr) {
            EXPECT_TRUE(WriteFileBytes(m_iniPath, *bytes));
        }
        Win32Profile profile;
        return LoadConfiguration(profile, m_configuration);
    }

    std::wstring m_iniPath;
    Configuration m_configuration;
};

} // namespace

TEST_F(ProfileReader, Utf16FileWithChineseModelNames) {
    const std::string bytes = Utf16LeWithBom(L"[COMMON]\r\nPrinterModelNums=2\r\nSearchDuration=15\r\n"
                                             L"InstallMode=1\r\n\r\n[PRT1]\r\nPrinterModel=云打印M1\r\n"
                                             L"PrinterDriverName=Vantrel 云打印 PCL6\r\n"
                                             L"PrinterDriverPath=驱动\\m1.inf\r\n[PRT2]\r\nPrinterModel=M2\r\n");
    const auto report = Load(&bytes);
    EXPECT_TRUE(report.Messages.empty());
    ASSERT_EQ(report.ModelNames.size(), 2u);
    EXPECT_EQ(report.ModelNames[0], L"云打印M1");
    EXPECT_EQ(m_configuration.SearchDuration, 15u);
    EXPECT_EQ(m_configuration.InstallMode, 1u);
    EXPECT_EQ(m_configuration.DisplayConsole, 0u);
    EXPECT_EQ(m_configuration.Models.at(1), L"云打印M1|Vantrel 云打印 PCL6|驱动\\m1.inf");
    EXPECT_EQ(m_configuration.Models.at(2), L"M2||");
    EXPECT_EQ(m_configuration.ProgramDirectory, TestProgramDirectory());
    EXPECT_EQ(m_configuration.ProgramDirectory.back(), L'\\');
}

TEST_F(ProfileReader, AsciiFileWithMinusOneAndLongValue) {
    const std::string bytes = "[COMMON]\r\nPrinterModelNums=1\r\nSearchDuration=-1\r\nDisplayConsole=2\r\n"
                              "[PRT1]\r\nPrinterModel=" +
                              std::string(300, 'x') + "\r\nPrinterDriverName=D\r\n";
    const auto report = Load(&bytes);
    EXPECT_EQ(report.Messages, std::vector<int>{MSG_INI_SETTING_INVALID});
    EXPECT_EQ(m_configuration.SearchDuration, 120u);
    EXPECT_EQ(m_configuration.DisplayConsole, 2u);
    ASSERT_EQ(report.ModelNames.size(), 1u);
    EXPECT_EQ(report.ModelNames[0], std::wstring(259, L'x'));
    EXPECT_EQ(DecodeModelEntry(m_configuration.Models.at(1)).DriverName, L"D");
}

TEST_F(ProfileReader, AMissingFileOrEmptyValuesGiveTheDefaults) {
    const std::string emptyValues = "[COMMON]\r\nPrinterModelNums=\r\nSearchDuration=\r\nInstallMode=\r\n";
    for (const std::string* bytes : {static_cast<const std::string*>(nullptr), &emptyValues}) {
        const auto report = Load(bytes);
        EXPECT_TRUE(report.Messages.empty());
        EXPECT_TRUE(report.ModelNames.empty());
        EXPECT_EQ(m_configuration.SearchDuration, 3u);
        EXPECT_EQ(m_configuration.InstallMode, 0u);
    }
}
