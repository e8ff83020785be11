// PrinterDriver.bat's bytes as the command interpreter will read them.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "win32/Win32CodePage936.h"
#include "win32/Win32ScriptFile.h"
#include "windows/WindowsTestSupport.h"

namespace {

const std::wstring CHINESE_COMMAND = L"rundll32 printui.dll, PrintUIEntry /if /b \"M1 on http://10.77.0.11:631\" "
                                     L"/f \"C:\\驱动\\m1.inf\" /m \"Vantrel 打印机\"";
const std::string CHINESE_COMMAND_CP936 = "rundll32 printui.dll, PrintUIEntry /if /b \"M1 on http://10.77.0.11:631\" "
                                          "/f \"C:\\\xC7\xFD\xB6\xAF\\m1.inf\" /m \"Vantrel \xB4\xF2\xD3\xA1\xBB\xFA\"";
const std::string EARLIER_SCRIPT = "exit 3";

std::string FileBytes(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class ScriptFile : public ::testing::Test {
protected:
    void SetUp() override {
        m_path = TestProgramDirectory() + L"ScriptFileTest.bat";
        DeleteFileW(m_path.c_str());
    }
    void TearDown() override {
        m_file.Release();
        DeleteFileW(m_path.c_str());
    }

    std::wstring m_path;
    Win32CodePage936 m_codePage936;
    Win32ScriptFile m_file{m_codePage936};
};

} // namespace

TEST_F(ScriptFile, WritesExactlyTheCodePage936Bytes) {
    ASSERT_TRUE(m_file.Write(m_path, CHINESE_COMMAND));
    EXPECT_EQ(FileBytes(m_path), CHINESE_COMMAND_CP936);

    ASSERT_TRUE(m_file.Write(m_path, L"exit 3"));
    EXPECT_EQ(FileBytes(m_path), "exit 3");
}

// A best-fit stand-in is refused like a character without any form: "é" for "É" would still find the folder
// on a file system that ignores case, but a stand-in for another letter names another folder or driver, and
// the installation would fail without a word or install the wrong driver.
TEST_F(ScriptFile, RefusedWritesLeaveTheEarlierScript) {
    const struct {
        const char* name;
        std::wstring path;
        std::wstring text;
    } cases[] = {
        {"a Hangul syllable, which code page 936 has no form for", m_path, L"PrintUIEntry /m \"Vantrel 한\""},
        {"É, which code page 936 writes only as its best fit é", m_path, L"PrintUIEntry /f \"C:\\CAFÉ\\m1.inf\""},
        {"a folder that does not exist", TestProgramDirectory() + L"no such folder\\PrinterDriver.bat", L"exit 3"},
    };
    for (const auto& testCase : cases) {
        ASSERT_TRUE(WriteFileBytes(m_path, EARLIER_SCRIPT)) << testCase.name;
        EXPECT_FALSE(m_file.Write(testCase.path, testCase.text)) << testCase.name;
        EXPECT_EQ(FileBytes(m_path), EARLIER_SCRIPT) << testCase.name;
    }
}
