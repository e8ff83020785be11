// The checker's Win32 adapters against the platform itself.
#include <gtest/gtest.h>

#include <algorithm>

#include "velbrix-check/logic/InstallScriptRule.h"

#include "velbrix-check/tests/windows/CheckWindowsSupport.h"
#include "velbrix-check/win32/Win32CodePages.h"
#include "velbrix-check/win32/Win32FolderFiles.h"
#include "velbrix-check/win32/Win32ProfileSections.h"
#include "win32/Win32CodePage936.h"
#include "win32/Win32ScriptFile.h"

namespace {

// Velbrix writes the script through the code page's exact form and refuses it (box 141) where there is none; the
// checker must find a problem for exactly those characters. Under the C runtime's own conversion the two
// disagreed on É and À, which it writes as their best fits é and à.
TEST(CheckAdapters, CodePage936VerdictsOfVelbrixAndTheChecker) {
    const struct {
        const char* name;
        std::wstring character;
        bool written;
    } cases[] = {
        {"ASCII", L"A", true},
        {"Chinese", L"\u6253", true},
        {"a full-width comma", L"\uFF0C", true},
        {"\u00C9, best fit \u00E9", L"\u00C9", false},
        {"\u00C0, best fit \u00E0", L"\u00C0", false},
        {"\u0141", L"\u0141", false},
        {"\u00F8", L"\u00F8", false},
        {"\u00DF", L"\u00DF", false},
        {"an Arabic letter", L"\u0628", false},
        {"a Hangul syllable", L"\uD55C", false},
        {"a character beyond the basic plane", L"\U0001F600", false},
    };
    Win32CodePage936 codePage936;
    Win32ScriptFile scriptFile(codePage936);
    const std::wstring scriptPath = TestProgramDirectory() + L"VerdictTest.bat";
    for (const auto& testCase : cases) {
        const std::wstring driverName = L"Vantrel " + testCase.character + L" PCL6";
        const bool velbrixWrites = scriptFile.Write(scriptPath, L"PrintUIEntry /m \"" + driverName + L"\"");

        IniView view;
        view.Folder = L"C:\\Kit\\";
        ModelSection model;
        model.Number = 1;
        model.Section = L"PRT1";
        model.Present = true;
        model.Used = {L"M1", driverName, L"drivers\\m1.inf"};
        view.Models.push_back(model);
        const Findings found = CheckInstallScript(view, codePage936);
        const bool checkerPasses = std::none_of(found.begin(), found.end(), [](const Finding& finding) {
            return finding.Text == CheckText::SCRIPT_NO_CP936;
        });

        EXPECT_EQ(velbrixWrites, testCase.written) << testCase.name;
        EXPECT_EQ(checkerPasses, velbrixWrites) << testCase.name;
    }
    DeleteFileW(scriptPath.c_str());
}

TEST(CheckAdapters, AnsiCodePage) {
    Win32CodePages codePages;
    EXPECT_EQ(codePages.FromAnsiCodePage("Vantrel M1"), L"Vantrel M1");
    if (GetACP() == 936) {
        EXPECT_EQ(codePages.FromAnsiCodePage("\xD4\xC6"), L"\u4E91");
    }
}

TEST(CheckAdapters, SectionNamesOfTheProfileReader) {
    const std::wstring folder = TestProgramDirectory() + L"check-sections\\";
    std::wstring many;
    std::vector<std::wstring> manyNames;
    for (int number = 1; number <= 3000; ++number) {
        manyNames.push_back(L"PRT" + std::to_wstring(number));
        many += L"[" + manyNames.back() + L"]\r\nPrinterModel=M\r\n";
    }
    const struct {
        const char* name;
        const char* file;
        std::string bytes;
        std::vector<std::wstring> names;
    } cases[] = {
        {"a few sections in file order",
         "few.ini",
         Utf16LeWithBom(L"[COMMON]\r\nPrinterModelNums=2\r\n[PRT2]\r\n[prt1]\r\nPrinterModel=M1\r\n[PRT0]\r\n"),
         {L"COMMON", L"PRT2", L"prt1", L"PRT0"}},
        {"more names than the first buffer holds", "many.ini", Utf16LeWithBom(many), manyNames},
        {"a missing file", nullptr, "", {}},
    };
    Win32ProfileSections sections;
    for (const auto& testCase : cases) {
        const std::wstring path =
            folder +
            (testCase.file ? std::wstring(testCase.file, testCase.file + strlen(testCase.file)) : L"missing.ini");
        if (testCase.file != nullptr) {
            ASSERT_TRUE(WriteFileBytes(path, testCase.bytes)) << testCase.name;
        }
        EXPECT_EQ(sections.SectionNames(path), testCase.names) << testCase.name;
    }
    RemoveFolder(folder);
}

TEST(CheckAdapters, FilesKindsAndBoundedReading) {
    const std::wstring folder = TestProgramDirectory() + L"check-files\\";
    ASSERT_TRUE(WriteFileBytes(folder + L"ten.inf", "0123456789"));
    const struct {
        const char* name;
        std::wstring path;
        std::size_t maxBytes;
        IFolderFiles::PathKind kind;
        IFolderFiles::ReadStatus status;
        uint64_t size;
        std::string bytes;
    } cases[] = {
        {"a file within the bound", folder + L"ten.inf", 10, IFolderFiles::PathKind::File,
         IFolderFiles::ReadStatus::Read, 10, "0123456789"},
        {"a file beyond the bound", folder + L"ten.inf", 9, IFolderFiles::PathKind::File,
         IFolderFiles::ReadStatus::TooLarge, 10, ""},
        {"a missing file", folder + L"none.inf", 10, IFolderFiles::PathKind::Missing,
         IFolderFiles::ReadStatus::Unreadable, 0, ""},
        {"a folder", folder, 10, IFolderFiles::PathKind::Folder, IFolderFiles::ReadStatus::Unreadable, 0, ""},
        {"the null device", folder + L"NUL", 10, IFolderFiles::PathKind::Device, IFolderFiles::ReadStatus::Unreadable,
         0, ""},
    };
    Win32FolderFiles files;
    for (const auto& testCase : cases) {
        EXPECT_EQ(files.KindOf(testCase.path), testCase.kind) << testCase.name;
        const IFolderFiles::FileBytes read = files.Read(testCase.path, testCase.maxBytes);
        EXPECT_EQ(read.Status, testCase.status) << testCase.name;
        EXPECT_EQ(read.Size, testCase.size) << testCase.name;
        EXPECT_EQ(read.Bytes, testCase.bytes) << testCase.name;
    }
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    const std::wstring currentFolder = current;
    EXPECT_EQ(files.FullPath(L"Kit"), currentFolder + (currentFolder.back() == L'\\' ? L"" : L"\\") + L"Kit");
    RemoveFolder(folder);
}

} // namespace
