// The checker's Win32 adapters against the platform itself.
#include <gtest/gtest.h>

#include "velbrix-check/tests/windows/CheckWindowsSupport.h"
#include "velbrix-check/win32/Win32CodePages.h"
#include "velbrix-check/win32/Win32FolderFiles.h"
#include "velbrix-check/win32/Win32ProfileSections.h"

namespace {

TEST(CheckAdapters, CodePage936Forms) {
    const struct {
        const char* name;
        std::wstring text;
        bool hasForm;
    } cases[] = {
        {"nothing", L"", true},
        {"ASCII", L"Vantrel M1 PCL6", true},
        {"Chinese", L"Vantrel \u4E91\u6253\u5370", true},
        {"a Thai letter", L"Vantrel \u0E01", false},
        {"a character beyond the basic plane", L"M1 \U0001F600", false},
    };
    Win32CodePages codePages;
    for (const auto& testCase : cases) {
        EXPECT_EQ(codePages.HasCodePage936Form(testCase.text), testCase.hasForm) << testCase.name;
    }
    EXPECT_EQ(codePages.FromAnsiCodePage("Vantrel M1"), L"Vantrel M1");
    if (GetACP() == 936) {
        EXPECT_EQ(codePages.FromAnsiCodePage("\xD4\xC6"), L"\u4E91");
    }
}

TEST(CheckAdapters, SectionNamesOfTheProfileReader) {
    const std::wstring folder = TestProgramFolder() + L"check-sections\\";
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
         Utf16LeBom(L"[COMMON]\r\nPrinterModelNums=2\r\n[PRT2]\r\n[prt1]\r\nPrinterModel=M1\r\n[PRT0]\r\n"),
         {L"COMMON", L"PRT2", L"prt1", L"PRT0"}},
        {"more names than the first buffer holds", "many.ini", Utf16LeBom(many), manyNames},
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
    const std::wstring folder = TestProgramFolder() + L"check-files\\";
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
