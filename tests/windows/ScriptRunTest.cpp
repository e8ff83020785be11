// PrinterDriver.bat as Velbrix writes, holds and runs it: what the lab's rundll32 receives from it, what
// another program can do to it while it runs, and the window that goes on answering meanwhile.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "install/InstallScript.h"
#include "win32/Win32CodePage936.h"
#include "win32/Win32ScriptFile.h"
#include "win32/Win32ScriptProcess.h"
#include "windows/WindowsTestSupport.h"

namespace {

constexpr uint32_t GENEROUS_WAIT_MS = 60000;

std::string FileBytes(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::wstring FromUtf8(const std::string& bytes) {
    std::wstring text(bytes.size(), L'\0');
    text.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()),
                                                             text.data(), static_cast<int>(text.size()))));
    return text;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class ScriptRun : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = TestProgramDirectory() + L"ScriptRunTest\\";
        CreateDirectoryW(m_folder.c_str(), nullptr);
        m_script = m_folder + L"PrinterDriver.bat";
    }
    void TearDown() override {
        m_file.Release();
        std::error_code ignored;
        std::filesystem::remove_all(std::filesystem::path(m_folder), ignored);
    }

    std::wstring m_folder;
    std::wstring m_script;
    Win32CodePage936 m_codePage936;
    Win32ScriptFile m_file{m_codePage936};
    Win32ScriptProcess m_process;
};

} // namespace

// The script's bytes are code page 936. Windows' interpreter decodes each line in the console's code page as
// it reaches it (437, 866 or 720 in an English, Russian or Persian session), so the script's first line
// switches the console to 936 before the commands are read. Wine 8's interpreter decodes every line in the
// session's OEM code page whatever the console's is: there the switch is seen in force, and the text arrives
// whole only in a session whose OEM code page is 936.
TEST_F(ScriptRun, TheCommandsRunWithCodePage936AndTheLabsRundll32ReceivesTheChineseText) {
    const std::wstring standIn = TestProgramDirectory() + L"velbrix_stand_in_rundll32.exe";
    const std::wstring marks = standIn + L".ran";
    const std::wstring codePage = m_folder + L"code-page.txt";
    ASSERT_TRUE(Exists(standIn));
    const std::wstring command = L"\"" + standIn +
                                 L"\" printui.dll, PrintUIEntry /if /b \"M1 on http://10.77.0.11:631/printers/M1\" "
                                 L"/f \"C:\\供应商\\驱动\\m1.inf\" /m \"Drv M1 打印\"";
    DeleteFileW(marks.c_str());
    ASSERT_TRUE(m_file.Write(m_script, ScriptText({L"chcp > \"" + codePage + L"\"", command})));
    ASSERT_EQ(m_process.StartScript(m_script, false, false), IScriptProcess::Start::Started);
    ASSERT_TRUE(m_process.WaitForEnd(GENEROUS_WAIT_MS));
    m_file.Release();

    EXPECT_NE(FileBytes(codePage).find(": 936"), std::string::npos) << FileBytes(codePage);
    // "FOLDER> COMMAND LINE" and a line end, in UTF-8.
    const std::string markBytes = FileBytes(marks);
    const std::wstring mark = FromUtf8(markBytes);
    DeleteFileW(marks.c_str());
    const std::size_t start = mark.find(L"> ");
    ASSERT_NE(start, std::wstring::npos) << "the lab's rundll32 did not run";
    const std::wstring received = mark.substr(start + 2, mark.find(L"\r\n") - start - 2);
    if (GetOEMCP() == 936) {
        EXPECT_EQ(received, command);
    } else {
        std::printf("OEM code page %u: the lab's rundll32 received %s\n", GetOEMCP(), markBytes.c_str());
    }
}

TEST_F(ScriptRun, NoOtherProgramCanRewriteReplaceOrMoveTheScriptWhileItRuns) {
    // The script waits until the test lets it go on, then notes which script it is.
    const std::wstring release = m_folder + L"go.txt";
    const std::wstring note = m_folder + L"ran.txt";
    const std::wstring other = m_folder + L"other.bat";
    ASSERT_TRUE(WriteFileBytes(other, "@echo replaced> \"%~dp0ran.txt\"\r\n"));
    ASSERT_TRUE(m_file.Write(m_script, L"@echo off\r\n:wait\r\nif not exist \"%~dp0go.txt\" goto wait\r\n"
                                       L"echo original> \"%~dp0ran.txt\"\r\n"));
    std::thread waiter;
    bool ended = false;
    ASSERT_EQ(m_process.StartScript(m_script, false, false), IScriptProcess::Start::Started);
    waiter = std::thread([&] { ended = m_process.WaitForEnd(GENEROUS_WAIT_MS); });

    const HANDLE writer =
        CreateFileW(m_script.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const DWORD writeError = GetLastError();
    if (writer != INVALID_HANDLE_VALUE) {
        CloseHandle(writer);
    }
    const struct {
        const char* name;
        bool done;
    } attempts[] = {
        {"opened for writing", writer != INVALID_HANDLE_VALUE},
        {"deleted", DeleteFileW(m_script.c_str()) != FALSE},
        {"replaced by another file", MoveFileExW(other.c_str(), m_script.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE},
        {"replaced through ReplaceFile", ReplaceFileW(m_script.c_str(), other.c_str(), nullptr,
                                                      REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != FALSE},
        {"moved away", MoveFileExW(m_script.c_str(), (m_folder + L"moved.bat").c_str(), 0) != FALSE},
        {"truncated by a new file of its name",
         [&] {
             const HANDLE created = CreateFileW(m_script.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                FILE_ATTRIBUTE_NORMAL, nullptr);
             if (created == INVALID_HANDLE_VALUE) {
                 return false;
             }
             CloseHandle(created);
             return true;
         }()},
    };
    for (const auto& attempt : attempts) {
        EXPECT_FALSE(attempt.done) << attempt.name;
    }
    EXPECT_EQ(writeError, static_cast<DWORD>(ERROR_SHARING_VIOLATION));

    ASSERT_TRUE(WriteFileBytes(release, "go"));
    waiter.join();
    ASSERT_TRUE(ended);
    EXPECT_EQ(FileBytes(note), "original\r\n");

    m_file.Release();
    EXPECT_TRUE(DeleteFileW(m_script.c_str())) << "let go once its script ended";
}

namespace {

LRESULT CALLBACK CountingWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        return static_cast<LRESULT>(wParam) + 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

// The wait runs on the window's own thread, as Velbrix's does: another thread's messages to the window are
// answered while the script runs.
TEST_F(ScriptRun, TheWindowAnswersWhileTheScriptRuns) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = CountingWindowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ScriptRunTestWindow";
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                        nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);

    const std::wstring release = m_folder + L"go.txt";
    ASSERT_TRUE(m_file.Write(m_script, L"@echo off\r\n:wait\r\nif not exist \"%~dp0go.txt\" goto wait\r\n"));
    ASSERT_EQ(m_process.StartScript(m_script, false, false), IScriptProcess::Start::Started);

    int answered = 0;
    std::thread asker([&] {
        for (WPARAM question = 0; question < 3; ++question) {
            DWORD_PTR answer = 0;
            // Only a bound for a wait that never dispatches, so that the test ends and fails.
            if (SendMessageTimeoutW(window, WM_APP, question, 0, SMTO_NORMAL, 20000, &answer) != 0 &&
                answer == question + 1) {
                ++answered;
            }
        }
        WriteFileBytes(release, "go");
    });
    EXPECT_TRUE(m_process.WaitForEnd(SCRIPT_WAIT_UNLIMITED));
    asker.join();
    EXPECT_EQ(answered, 3);
    DestroyWindow(window);
}
