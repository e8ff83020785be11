// The whole check of a folder: which folder, what can be read, the exit code, the order and the report's lines.
#include <gtest/gtest.h>

#include <functional>

#include "velbrix-check/logic/CheckRun.h"
#include "velbrix-check/tests/unit/CheckTestSupport.h"

namespace {

const std::wstring INF = L"drivers\\M1\\vantrel-m1.inf";

std::string SoundIni() {
    return Utf16LeWithBom(L"[COMMON]\r\nPrinterModelNums=1\r\nSearchDuration=5\r\n" +
                          ModelSectionText(1, L"M1", L"Vantrel M1 PCL6", INF));
}

void SoundFolder(SupplierFolder& folder) {
    folder.Write(L"velbrix.ini", SoundIni());
    folder.Write(INF, DriverInf({L"Vantrel M1 PCL6"}));
}

TEST(FolderCheck, WhatIsReadAndTheExitCode) {
    using Setup = std::function<void(SupplierFolder&)>;
    const struct {
        const char* name;
        std::wstring argument;
        Setup setup;
        int exit;
        std::wstring folder;
        Findings problems;
    } cases[] = {
        {"a sound folder", L"C:\\Kit", SoundFolder, EXIT_NOTHING_WRONG, L"C:\\Kit\\", {}},
        {"the checker's own folder when none is given",
         L"",
         [](SupplierFolder& folder) {
             SoundFolder(folder);
             folder.profile.executablePath = L"C:\\Kit\\VelbrixCheck.exe";
         },
         EXIT_NOTHING_WRONG,
         L"C:\\Kit\\",
         {}},
        {"a folder from the current folder",
         L"Kit",
         [](SupplierFolder& folder) {
             SoundFolder(folder);
             folder.files.currentFolder = L"C:";
         },
         EXIT_NOTHING_WRONG,
         L"C:\\Kit\\",
         {}},
        {"a folder typed as \"C:\\Kit\\\" in a console",
         L"C:\\Kit\"",
         SoundFolder,
         EXIT_NOTHING_WRONG,
         L"C:\\Kit\\",
         {}},
        {"a folder that does not exist",
         L"C:\\Gone",
         nullptr,
         EXIT_FOLDER_UNREADABLE,
         L"C:\\Gone\\",
         {Problem(L"C:\\Gone\\", CheckText::FOLDER_UNREADABLE)}},
        {"no velbrix.ini",
         L"C:\\Kit",
         nullptr,
         EXIT_SOMETHING_WRONG,
         L"C:\\Kit\\",
         {Problem(L"velbrix.ini", CheckText::INI_MISSING)}},
        {"a folder named velbrix.ini",
         L"C:\\Kit",
         [](SupplierFolder& folder) { folder.AddFolder(L"velbrix.ini"); },
         EXIT_FOLDER_UNREADABLE,
         L"C:\\Kit\\",
         {Problem(L"velbrix.ini", CheckText::INI_UNREADABLE)}},
        {"a velbrix.ini another program holds",
         L"C:\\Kit",
         [](SupplierFolder& folder) { folder.files.locked.insert(L"C:\\Kit\\velbrix.ini"); },
         EXIT_FOLDER_UNREADABLE,
         L"C:\\Kit\\",
         {Problem(L"velbrix.ini", CheckText::INI_UNREADABLE)}},
        {"a velbrix.ini beyond the bound",
         L"C:\\Kit",
         [](SupplierFolder& folder) { folder.Write(L"velbrix.ini", std::string(INI_READ_MAX + 1, ' ')); },
         EXIT_SOMETHING_WRONG,
         L"C:\\Kit\\",
         {Problem(L"velbrix.ini", CheckText::INI_TOO_LARGE, {std::to_wstring(INI_READ_MAX + 1), L"4194304"})}},
        {"no Velbrix.exe",
         L"C:\\Kit",
         [](SupplierFolder& folder) {
             SoundFolder(folder);
             folder.files.files.erase(L"C:\\Kit\\Velbrix.exe");
         },
         EXIT_SOMETHING_WRONG,
         L"C:\\Kit\\",
         {Problem(L"Velbrix.exe", CheckText::VELBRIX_EXE_MISSING)}},
        {"problems in order of place",
         L"C:\\Kit",
         [](SupplierFolder& folder) {
             folder.Write(L"velbrix.ini",
                          Utf16LeWithBom(L"[COMMON]\r\nPrinterModelNums=2\r\nSearchDuration=200\r\n" +
                                         ModelSectionText(2, L"M2", L"", INF) +
                                         ModelSectionText(1, L"M1", L"Vantrel M1 PCL6", INF) + L"[PRT0]\r\n"));
             folder.files.files.erase(L"C:\\Kit\\Velbrix.exe");
         },
         EXIT_SOMETHING_WRONG,
         L"C:\\Kit\\",
         {Problem(L"Velbrix.exe", CheckText::VELBRIX_EXE_MISSING),
          Problem(L"[COMMON] SearchDuration", CheckText::SEARCH_DURATION_OUTSIDE, {L"200", L"120"}),
          Problem(L"[PRT0]", CheckText::SECTION_ZERO),
          Problem(L"[PRT1] PrinterDriverPath", CheckText::DRIVER_PATH_MISSING, {INF}),
          Problem(L"[PRT2] PrinterDriverName", CheckText::DRIVER_NAME_EMPTY),
          Problem(L"[PRT2] PrinterDriverPath", CheckText::DRIVER_PATH_MISSING, {INF})}},
    };
    for (const auto& testCase : cases) {
        SupplierFolder folder;
        folder.files.files.clear();
        folder.Write(L"Velbrix.exe", "MZ");
        if (testCase.setup) {
            testCase.setup(folder);
        }
        const FolderCheck check = CheckSupplierFolder(testCase.argument, folder.Ports(), CheckLanguage::English);
        EXPECT_EQ(check.Exit, testCase.exit) << testCase.name;
        EXPECT_EQ(check.Folder, testCase.folder) << testCase.name;
        EXPECT_EQ(ProblemsOf(check.Found), testCase.problems) << testCase.name;
    }
}

class FixedLanguage final : public IUserInterfaceLanguage {
public:
    explicit FixedLanguage(uint16_t language) : m_language(language) {}
    uint16_t UserDefaultUILanguage() override { return m_language; }
    void SetThreadUILanguage(uint16_t) override {}

private:
    uint16_t m_language;
};

class RecordedOutput final : public ICheckOutput {
public:
    void WriteLine(const std::wstring& line) override { lines.push_back(line); }
    std::vector<std::wstring> lines;
};

TEST(FolderCheck, ArgumentsLanguageAndTheReportsLines) {
    const struct {
        const char* name;
        std::vector<std::wstring> arguments;
        uint16_t language;
        int exit;
        std::vector<std::wstring> someLines;
    } cases[] = {
        {"a sound folder in English",
         {L"C:\\Kit"},
         1033,
         EXIT_NOTHING_WRONG,
         {L"VelbrixCheck 1.0.12: checking the supplier's folder C:\\Kit\\",
          L"Note: velbrix.ini: UTF-16LE with a byte-order mark: every name reads as written.",
          L"Nothing wrong: Velbrix will offer 1 model(s) from this folder."}},
        {"a problem in English",
         {L"C:\\Missing"},
         2057,
         EXIT_FOLDER_UNREADABLE,
         {L"Problem: C:\\Missing\\: cannot be read: it does not exist or is not a folder. Give the folder that holds "
          L"Velbrix.exe and velbrix.ini.",
          L"The folder could not be read."}},
        {"a sound folder in Chinese",
         {L"C:\\Kit"},
         2052,
         EXIT_NOTHING_WRONG,
         {L"VelbrixCheck 1.0.12\uFF1A\u6B63\u5728\u68C0\u67E5\u4F9B\u5E94\u5546\u6587\u4EF6\u5939 C:\\Kit\\"}},
        {"help", {L"/?"}, 1033, EXIT_NOTHING_WRONG, {L"Usage: VelbrixCheck [FOLDER]"}},
        {"two folders", {L"C:\\Kit", L"C:\\Other"}, 1033, EXIT_FOLDER_UNREADABLE, {L"Usage: VelbrixCheck [FOLDER]"}},
    };
    for (const auto& testCase : cases) {
        SupplierFolder folder;
        SoundFolder(folder);
        FixedLanguage language(testCase.language);
        RecordedOutput output;
        EXPECT_EQ(RunVelbrixCheck(testCase.arguments, folder.Ports(), language, output), testCase.exit)
            << testCase.name;
        for (const std::wstring& line : testCase.someLines) {
            EXPECT_NE(std::find(output.lines.begin(), output.lines.end(), line), output.lines.end())
                << testCase.name << ": " << Utf8(line);
        }
    }
}

} // namespace
