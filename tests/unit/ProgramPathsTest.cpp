#include "app/ProgramPaths.h"

#include <gtest/gtest.h>

TEST(ProgramPaths, DirectoryAndApplicationNameFromTheExecutablePath) {
    const struct {
        const wchar_t* path;
        const wchar_t* directory;
        const wchar_t* applicationName;
    } cases[] = {
        {L"C:\\Drivers\\Velbrix\\Velbrix.exe", L"C:\\Drivers\\Velbrix\\", L"Velbrix"},
        {L"C:\\Velbrix.exe", L"C:\\", L"Velbrix"},
        {L"\\\\server\\share\\打印机\\Velbrix 2.exe", L"\\\\server\\share\\打印机\\", L"Velbrix 2"},
        {L"C:\\a.b\\Velbrix", L"C:\\a.b\\", L"Velbrix"},
        {L"C:\\tools\\Velbrix.test.exe", L"C:\\tools\\", L"Velbrix.test"},
        {L"Velbrix.exe", L"", L"Velbrix"},
        {L"", L"", L""},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(ProgramDirectoryFromExecutablePath(testCase.path), testCase.directory);
        EXPECT_EQ(ApplicationNameFromExecutablePath(testCase.path), testCase.applicationName);
    }
}
