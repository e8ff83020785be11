// VelbrixCheck.exe on real folders, read by the platform's own reader, reporting in the session's language.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "velbrix-check/logic/CheckTexts.h"
#include "velbrix-check/logic/DriverFilesRule.h"
#include "velbrix-check/tests/windows/CheckWindowsSupport.h"

namespace {

const std::wstring CHINESE_MODEL = L"\u4E91\u6253\u5370M1";
const std::wstring CHINESE_DRIVER = L"Vantrel \u4E91\u6253\u5370 PCL6";
const std::wstring INF = L"drivers\\M1\\vantrel-m1.inf";

CheckLanguage SessionLanguage() {
    return CheckLanguageFor(GetUserDefaultUILanguage());
}

// A line of the report as the checker writes it in the session's language.
std::wstring Line(bool problem, const std::wstring& place, CheckText text,
                  const std::vector<std::wstring>& values = {}) {
    const CheckLanguage language = SessionLanguage();
    return std::wstring(TextOf(language, problem ? CheckText::LABEL_PROBLEM : CheckText::LABEL_NOTE)) + L": " + place +
           L": " + FillText(TextOf(language, text), values);
}

std::wstring Summary(CheckText text, const std::wstring& value = {}) {
    return FillText(TextOf(SessionLanguage(), text), {value});
}

std::wstring Ini(const std::wstring& model, const std::wstring& driver, const std::wstring& path) {
    return L"[COMMON]\r\nPrinterModelNums=1\r\nSearchDuration=5\r\n[PRT1]\r\nPrinterModel=" + model +
           L"\r\nPrinterDriverName=" + driver + L"\r\nPrinterDriverPath=" + path + L"\r\n";
}

std::string Inf(const std::wstring& driver) {
    return Utf16LeWithBom(
        L"[Version]\r\nClass=Printer\r\n[Manufacturer]\r\n%Mfg%=Vantrel,NTamd64\r\n[Vantrel.NTamd64]\r\n\"" + driver +
        L"\"=Install,VANTREL_M1\r\n[Strings]\r\nMfg=\"Vantrel\"\r\n");
}

// What the platform's reader makes of UTF-8 text in a file without a byte-order mark: its bytes in the ANSI code page.
std::wstring ReadInAnsiCodePage(const std::wstring& text) {
    const std::string bytes = Utf8(text);
    const int needed = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring read(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), read.data(), needed);
    return read;
}

// Each test's folders live under one folder beside the test program, removed at the end.
class CheckFolders : public ::testing::Test {
protected:
    void TearDown() override { RemoveFolder(TestProgramDirectory() + L"check-folders\\"); }
};

TEST_F(CheckFolders, SuppliersFolders) {
    using Files = std::vector<std::pair<std::wstring, std::string>>;
    const std::wstring longPath = L"drivers\\" + std::wstring(288, L'p') + L".inf";
    const struct {
        const char* name;
        Files files;
        int exit;
        std::vector<std::wstring> lines;
    } cases[] = {
        {"UTF-16LE with Chinese names",
         {{L"velbrix.ini", Utf16LeWithBom(Ini(CHINESE_MODEL, CHINESE_DRIVER, INF))}, {INF, Inf(CHINESE_DRIVER)}},
         0,
         {Line(false, L"velbrix.ini", CheckText::INI_ENCODING_SOUND,
               {TextOf(SessionLanguage(), CheckText::ENCODING_UTF16LE)}),
          Summary(CheckText::SUMMARY_NOTHING_WRONG, L"1")}},
        {"plain ASCII",
         {{L"velbrix.ini", Utf8(Ini(L"M1", L"Vantrel M1 PCL6", INF))}, {INF, Inf(L"Vantrel M1 PCL6")}},
         0,
         {Line(false, L"velbrix.ini", CheckText::INI_ENCODING_SOUND,
               {TextOf(SessionLanguage(), CheckText::ENCODING_ASCII)}),
          Summary(CheckText::SUMMARY_NOTHING_WRONG, L"1")}},
        {"UTF-8 without a byte-order mark and a Chinese model name",
         {{L"velbrix.ini", Utf8(Ini(CHINESE_MODEL, L"Vantrel M1 PCL6", INF))}, {INF, Inf(L"Vantrel M1 PCL6")}},
         1,
         {Line(true, L"velbrix.ini", CheckText::INI_UTF8_WITHOUT_BOM),
          Line(true, L"[PRT1] PrinterModel", CheckText::VALUE_GARBLED,
               {ReadInAnsiCodePage(CHINESE_MODEL), CHINESE_MODEL})}},
        {"a missing INF file",
         {{L"velbrix.ini", Utf16LeWithBom(Ini(L"M1", L"Vantrel M1 PCL6", INF))}},
         1,
         {Line(true, L"[PRT1] PrinterDriverPath", CheckText::DRIVER_PATH_MISSING, {INF}),
          Summary(CheckText::SUMMARY_PROBLEMS, L"1")}},
        {"an INF file that does not name the driver",
         {{L"velbrix.ini", Utf16LeWithBom(Ini(L"M1", L"Vantrel M1 PCL6", INF))}, {INF, Inf(L"Vantrel M1 PS")}},
         1,
         {Line(true, L"[PRT1] PrinterDriverName", CheckText::DRIVER_NOT_IN_INF,
               {L"Vantrel M1 PCL6", INF, L"\"Vantrel M1 PS\""})}},
        {"a driver name without a code page 936 form",
         {{L"velbrix.ini", Utf16LeWithBom(Ini(L"M1", L"Vantrel \u0E01", INF))}, {INF, Inf(L"Vantrel \u0E01")}},
         1,
         {Line(true, L"[PRT1] PrinterDriverName", CheckText::SCRIPT_NO_CP936, {L"\"\u0E01\" (U+0E01)"})}},
        {"a binary file named velbrix.ini",
         {{L"velbrix.ini", std::string("MZ\x90\0\x03\0\0\0\x04\0\0\0\xFF\xFF", 14)}},
         1,
         {Line(true, L"velbrix.ini", CheckText::INI_NOT_TEXT)}},
        {"an INF file of 10 MB",
         {{L"velbrix.ini", Utf16LeWithBom(Ini(L"M1", L"Vantrel M1 PCL6", INF))},
          {INF, std::string(10 * 1000 * 1000, ';')}},
         1,
         {Line(true, L"[PRT1] PrinterDriverPath", CheckText::INF_TOO_LARGE,
               {INF, L"10000000", std::to_wstring(INF_READ_MAX)})}},
        {"a driver path of 300 characters",
         {{L"velbrix.ini", Utf16LeWithBom(Ini(L"M1", L"Vantrel M1 PCL6", longPath))}},
         1,
         {Line(true, L"[PRT1] PrinterDriverPath", CheckText::VALUE_TOO_LONG, {L"300"}),
          Line(true, L"[PRT1] PrinterDriverPath", CheckText::DRIVER_PATH_NOT_INF, {longPath.substr(0, 259)})}},
    };
    int number = 0;
    for (const auto& testCase : cases) {
        const std::wstring folder = TestProgramDirectory() + L"check-folders\\" + std::to_wstring(++number) + L"\\";
        ASSERT_TRUE(WriteFileBytes(folder + L"Velbrix.exe", "MZ")) << testCase.name;
        for (const auto& [name, bytes] : testCase.files) {
            ASSERT_TRUE(WriteFileBytes(folder + name, bytes)) << testCase.name;
        }
        const CheckerRun run = RunChecker({folder});
        EXPECT_EQ(run.ExitCode, static_cast<DWORD>(testCase.exit)) << testCase.name;
        EXPECT_EQ(run.Lines.front(), FillText(TextOf(SessionLanguage(), CheckText::HEADING), {L"1.0.12", folder}))
            << testCase.name;
        for (const std::wstring& line : testCase.lines) {
            EXPECT_NE(std::find(run.Lines.begin(), run.Lines.end(), line), run.Lines.end())
                << testCase.name << ": " << Utf8(line) << "\n"
                << Utf8(run.Lines.back());
        }
    }
}

TEST_F(CheckFolders, FoldersThatCannotBeReadAndTheCheckersOwnFolder) {
    const std::wstring base = TestProgramDirectory() + L"check-folders\\";
    std::wstring deep = base + L"deep";
    while (deep.size() < 300) {
        deep += L"\\" + std::wstring(40, L'd');
    }
    deep += L"\\";
    ASSERT_TRUE(WriteFileBytes(deep + L"Velbrix.exe", "MZ"));
    ASSERT_TRUE(WriteFileBytes(deep + L"velbrix.ini", Utf16LeWithBom(Ini(L"M1", L"Vantrel M1 PCL6", INF))));
    ASSERT_TRUE(WriteFileBytes(deep + INF, Inf(L"Vantrel M1 PCL6")));
    const std::wstring own = base + L"own\\";
    ASSERT_TRUE(WriteFileBytes(own + L"Velbrix.exe", "MZ"));
    ASSERT_TRUE(WriteFileBytes(own + L"velbrix.ini", Utf16LeWithBom(Ini(L"M1", L"Vantrel M1 PCL6", INF))));
    ASSERT_TRUE(WriteFileBytes(own + INF, Inf(L"Vantrel M1 PCL6")));
    ASSERT_TRUE(
        CopyFileW((TestProgramDirectory() + L"VelbrixCheck.exe").c_str(), (own + L"VelbrixCheck.exe").c_str(), FALSE));

    const struct {
        const char* name;
        std::vector<std::wstring> arguments;
        std::wstring checker;
        int exit;
        std::wstring line;
    } cases[] = {
        {"a folder that does not exist",
         {base + L"gone"},
         {},
         2,
         Line(true, base + L"gone\\", CheckText::FOLDER_UNREADABLE)},
        {"a file given as the folder",
         {own + L"Velbrix.exe"},
         {},
         2,
         Line(true, own + L"Velbrix.exe\\", CheckText::FOLDER_UNREADABLE)},
        {"a folder path of 300 characters",
         {deep},
         {},
         1,
         Line(true, deep, CheckText::FOLDER_SCRIPT_PATH_TOO_LONG, {std::to_wstring(deep.size())})},
        {"no argument: the checker's own folder",
         {},
         own + L"VelbrixCheck.exe",
         0,
         Summary(CheckText::SUMMARY_NOTHING_WRONG, L"1")},
    };
    for (const auto& testCase : cases) {
        const CheckerRun run = RunChecker(testCase.arguments, testCase.checker);
        EXPECT_EQ(run.ExitCode, static_cast<DWORD>(testCase.exit)) << testCase.name;
        EXPECT_NE(std::find(run.Lines.begin(), run.Lines.end(), testCase.line), run.Lines.end())
            << testCase.name << ": " << Utf8(testCase.line) << "\n"
            << (run.Lines.empty() ? "" : Utf8(run.Lines[1]));
    }
}

} // namespace
