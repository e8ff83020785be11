// Batch files run as the installation script is: started by path, awaited for a while, then let go.
#include <gtest/gtest.h>

#include <windows.h>

#include "win32/Win32ScriptProcess.h"
#include "windows/WindowsTestSupport.h"

namespace {

// Long enough for any script that ends at once; the wait returns as soon as it does.
constexpr uint32_t GENEROUS_WAIT_MS = 60000;
constexpr uint32_t SHORT_WAIT_MS = 200;

class ScriptProcess : public ::testing::Test {
protected:
    void TearDown() override {
        for (const auto& path : m_files) {
            DeleteFileW(path.c_str());
        }
    }
    std::wstring Script(const std::wstring& name, const std::string& text) {
        const std::wstring path = TestProgramDirectory() + name;
        EXPECT_TRUE(WriteFileBytes(path, text));
        m_files.push_back(path);
        return path;
    }

    std::vector<std::wstring> m_files;
    Win32ScriptProcess m_process;
};

} // namespace

TEST_F(ScriptProcess, ScriptThatEndsIsAwaitedAgainAndAgain) {
    const std::wstring script = Script(L"ScriptProcessTest-exit.bat", "exit 3\r\n");
    const struct {
        const char* name;
        bool ownConsole;
    } cases[] = {{"without a window", false}, {"in a console of its own", true}, {"without a window again", false}};
    for (const auto& testCase : cases) {
        ASSERT_TRUE(m_process.Start(script, testCase.ownConsole)) << testCase.name;
        EXPECT_TRUE(m_process.WaitForEnd(GENEROUS_WAIT_MS)) << testCase.name;
    }
}

TEST_F(ScriptProcess, ScriptStillRunningIsLeftRunning) {
    // The script cannot end before the test lets it: it loops until the release file appears, then takes
    // the file away as a sign that it saw it.
    const std::wstring release = TestProgramDirectory() + L"ScriptProcessTest-release.txt";
    DeleteFileW(release.c_str());
    const std::wstring script =
        Script(L"ScriptProcessTest-loop.bat",
               "@echo off\r\n:wait\r\nif not exist \"%~dp0ScriptProcessTest-release.txt\" goto wait\r\n"
               "del \"%~dp0ScriptProcessTest-release.txt\"\r\n");

    ASSERT_TRUE(m_process.Start(script, false));
    ASSERT_FALSE(m_process.WaitForEnd(SHORT_WAIT_MS));

    ASSERT_TRUE(WriteFileBytes(release, "go"));
    while (GetFileAttributesW(release.c_str()) != INVALID_FILE_ATTRIBUTES) {
        Sleep(10);
    }
}

TEST_F(ScriptProcess, MissingScriptDoesNotStart) {
    EXPECT_FALSE(m_process.Start(TestProgramDirectory() + L"no such script.bat", false));
}
