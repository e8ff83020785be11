// Batch files run as the installation script is: by the system's cmd.exe from the system folder, awaited for a
// while, then let go.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>

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
    // Wine's consent prompt never shows: "runas" runs as "open" does, so both verbs take the same road here.
    const struct {
        const char* name;
        bool ownConsole;
        bool askForRights;
    } cases[] = {{"without a window", false, false},
                 {"in a console of its own", true, false},
                 {"after the consent prompt", false, true},
                 {"without a window again", false, false}};
    for (const auto& testCase : cases) {
        ASSERT_EQ(m_process.StartScript(script, testCase.ownConsole, testCase.askForRights),
                  IScriptProcess::Start::Started)
            << testCase.name;
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

    ASSERT_EQ(m_process.StartScript(script, false, false), IScriptProcess::Start::Started);
    ASSERT_FALSE(m_process.WaitForEnd(SHORT_WAIT_MS));

    ASSERT_TRUE(WriteFileBytes(release, "go"));
    while (GetFileAttributesW(release.c_str()) != INVALID_FILE_ATTRIBUTES) {
        Sleep(10);
    }
}

TEST_F(ScriptProcess, AFolderNameOfBlanksBracketsAmpersandsAndChineseReachesTheScriptWhichRunsInTheSystemFolder) {
    wchar_t systemFolder[MAX_PATH] = {};
    ASSERT_NE(GetSystemDirectoryW(systemFolder, MAX_PATH), 0u);
    const std::wstring folders[] = {L"Velbrix (打印) & co\\", L"a&b^c (x)\\", L"two  blanks\\"};
    for (const std::wstring& name : folders) {
        const std::wstring folder = TestProgramDirectory() + name;
        // The script notes where it ran beside itself: in its own folder only if its path reached it whole.
        const std::wstring script = Script(name + L"PrinterDriver.bat", "@cd > \"%~dp0ran-in.txt\"\r\n");
        const std::wstring note = folder + L"ran-in.txt";
        m_files.push_back(note);
        for (const bool askForRights : {false, true}) {
            DeleteFileW(note.c_str());
            ASSERT_EQ(m_process.StartScript(script, false, askForRights), IScriptProcess::Start::Started);
            ASSERT_TRUE(m_process.WaitForEnd(GENEROUS_WAIT_MS));
            std::ifstream file(note.c_str(), std::ios::binary);
            const std::string ranIn{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
            const std::wstring expected = std::wstring(systemFolder) + L"\r\n";
            EXPECT_EQ(
                CompareStringOrdinal(std::wstring(ranIn.begin(), ranIn.end()).c_str(), -1, expected.c_str(), -1, TRUE),
                CSTR_EQUAL)
                << "folder " << (&name - folders) << ": " << ranIn;
        }
        DeleteFileW(note.c_str());
        DeleteFileW(script.c_str());
        RemoveDirectoryW(folder.c_str());
    }
}
