// PrinterDriver.bat's bytes as the command interpreter will read them, written through the C runtime.
#include <gtest/gtest.h>

#include <windows.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "win32/Win32ScriptFile.h"
#include "windows/WindowsTestSupport.h"

namespace {

const std::wstring CHINESE_COMMAND = L"rundll32 printui.dll, PrintUIEntry /if /b \"M1 on http://10.77.0.11:631\" "
                                     L"/f \"C:\\驱动\\m1.inf\" /m \"Vantrel 打印机\"";
const std::string CHINESE_COMMAND_CP936 = "rundll32 printui.dll, PrintUIEntry /if /b \"M1 on http://10.77.0.11:631\" "
                                          "/f \"C:\\\xC7\xFD\xB6\xAF\\m1.inf\" /m \"Vantrel \xB4\xF2\xD3\xA1\xBB\xFA\"";
// A Hangul syllable: code page 936 has no form for it.
const std::wstring HANGUL_COMMAND = L"rundll32 printui.dll, PrintUIEntry /m \"Vantrel 한\"";

std::string FileBytes(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::wstring CtypeLocale() {
    return _wsetlocale(LC_CTYPE, nullptr);
}

class ScriptFile : public ::testing::Test {
protected:
    void SetUp() override {
        m_path = TestProgramDirectory() + L"ScriptFileTest.bat";
        DeleteFileW(m_path.c_str());
    }
    void TearDown() override { DeleteFileW(m_path.c_str()); }

    std::wstring m_path;
    Win32ScriptFile m_file;
};

} // namespace

TEST_F(ScriptFile, WritesExactlyTheCodePage936Bytes) {
    const std::wstring before = CtypeLocale();
    ASSERT_TRUE(m_file.Write(m_path, CHINESE_COMMAND));
    EXPECT_EQ(FileBytes(m_path), CHINESE_COMMAND_CP936);
    EXPECT_EQ(CtypeLocale(), before);

    ASSERT_TRUE(m_file.Write(m_path, L"exit 3"));
    EXPECT_EQ(FileBytes(m_path), "exit 3");
}

TEST_F(ScriptFile, FailedWritesAnswerFalseAndKeepTheLocale) {
    BOOL usedDefault = FALSE;
    char converted[8] = {};
    WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, L"한", 1, converted, sizeof(converted), nullptr, &usedDefault);
    ASSERT_TRUE(usedDefault) << "the Hangul syllable has a code page 936 form here";

    const struct {
        const char* name;
        std::wstring path;
        std::wstring text;
    } cases[] = {
        {"character without a code page 936 form", TestProgramDirectory() + L"ScriptFileTest.bat", HANGUL_COMMAND},
        {"folder that does not exist", TestProgramDirectory() + L"no such folder\\PrinterDriver.bat", L"exit 3"},
    };
    for (const auto& testCase : cases) {
        const std::wstring before = CtypeLocale();
        EXPECT_FALSE(m_file.Write(testCase.path, testCase.text)) << testCase.name;
        EXPECT_EQ(CtypeLocale(), before) << testCase.name;
    }
}
