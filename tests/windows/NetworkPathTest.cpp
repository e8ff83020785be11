// Where a drive letter lies, as Velbrix asks before the step that runs with the consent prompt's rights.
#include <gtest/gtest.h>

#include <windows.h>

#include "win32/Win32NetworkPath.h"
#include "windows/WindowsTestSupport.h"

TEST(NetworkPath, DrivesOfThisComputerAndPathsWithoutADrive) {
    wchar_t system[MAX_PATH] = {};
    ASSERT_NE(GetSystemDirectoryW(system, MAX_PATH), 0u);
    using Kind = INetworkPath::Kind;
    const struct {
        const char* name;
        std::wstring path;
        Kind kind;
    } cases[] = {
        {"the system folder", system, Kind::LocalDrive},
        {"the test's own folder", TestProgramDirectory(), Kind::LocalDrive},
        {"a drive letter that names no drive", L"Q:\\Velbrix\\", Kind::Unknown},
        {"a network path has no drive to ask about", L"\\\\files\\supplier\\Velbrix\\", Kind::Unknown},
        {"a relative path", L"Velbrix\\", Kind::Unknown},
    };
    Win32NetworkPath networkPath;
    for (const auto& testCase : cases) {
        if (testCase.path[0] == L'Q' && GetDriveTypeW(L"Q:\\") != DRIVE_NO_ROOT_DIR) {
            continue;
        }
        const INetworkPath::Answer answer = networkPath.Locate(testCase.path);
        EXPECT_EQ(answer.kind, testCase.kind) << testCase.name;
        EXPECT_TRUE(answer.universalPath.empty()) << testCase.name;
    }
}
