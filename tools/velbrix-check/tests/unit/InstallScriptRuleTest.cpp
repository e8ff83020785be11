// What would break the installation script: characters, code page 936, and the lengths of options and command.
#include <gtest/gtest.h>

#include <algorithm>

#include "velbrix-check/logic/InstallScriptRule.h"
#include "velbrix-check/tests/unit/CheckTestSupport.h"

namespace {

const std::wstring INF = L"drivers\\M1\\vantrel-m1.inf";
const std::wstring DRIVER = L"Vantrel M1 PCL6";
const std::wstring MODEL = L"[PRT1] PrinterModel";
const std::wstring NAME = L"[PRT1] PrinterDriverName";
const std::wstring PATH = L"[PRT1] PrinterDriverPath";

// The longest queue name q the command takes, counted from the script's form: the printer name (q, " on ", the
// port address) within its 259-character option "/if /b \"...\"" gives 9 + 2q + 40 <= 259, so q <= 105; the
// command "rundll32 printui.dll, PrintUIEntry" and its four options, 138 + 3q + (INF path) + (driver name)
// characters, within 511.
std::size_t LongestQueue(std::size_t infPath, std::size_t driverName) {
    return std::min<std::size_t>(105, (373 - infPath - driverName) / 3);
}

Finding MarginNote(const std::wstring& folder, const std::wstring& driverName, const std::wstring& model = L"M1") {
    const std::size_t longest = LongestQueue(folder.size() + INF.size(), driverName.size());
    const std::wstring fixedQueue = model + L"_9108";
    return Note(L"[PRT1]", CheckText::NOTE_COMMAND_MARGIN,
                {std::to_wstring(longest), std::to_wstring(longest - fixedQueue.size()), fixedQueue});
}

std::wstring FolderOf(std::size_t length) {
    return L"C:\\" + std::wstring(length - 4, L'k') + L"\\";
}

TEST(InstallScriptRule, WhatWouldBreakTheScript) {
    const std::wstring kit = L"C:\\Kit\\";
    const std::wstring longDriver(200, L'd');
    const std::wstring driver250(250, L'd');
    const std::wstring driver254(254, L'd');
    const std::wstring longPath = L"drivers\\" + std::wstring(144, L'p') + L".inf";
    const std::wstring percentFolder = L"C:\\100%\\";
    const std::wstring thaiFolder = L"C:\\\u0E01\u0E02\\";
    const struct {
        const char* name;
        std::wstring folder;
        std::wstring model;
        std::wstring driverName;
        std::wstring driverPath;
        Findings expected;
    } cases[] = {
        {"a short driver name: the printer name's option bounds the queue",
         kit,
         L"M1",
         DRIVER,
         INF,
         {Note(L"[PRT1]", CheckText::NOTE_COMMAND_MARGIN, {L"105", L"98", L"M1_9108"})}},
        {"a long driver name: the command bounds the queue",
         kit,
         L"M1",
         longDriver,
         INF,
         {MarginNote(kit, longDriver)}},
        {"no room for the fixed queue name",
         FolderOf(79),
         L"M1",
         driver250,
         INF,
         {Problem(L"[PRT1]", CheckText::COMMAND_TOO_LONG, {L"M1_9108", L"6"})}},
        {"no room even for the model's name",
         FolderOf(104),
         L"M1",
         driver250,
         INF,
         {Problem(L"[PRT1]", CheckText::COMMAND_NEVER_FITS, {L"M1"})}},
        {"an INF path too long for its option",
         FolderOf(104),
         L"M1",
         DRIVER,
         longPath,
         {Problem(PATH, CheckText::SCRIPT_PATH_TOO_LONG)}},
        {"a driver name of 254 characters fits its option", kit, L"M1", driver254, INF, {MarginNote(kit, driver254)}},
        {"a driver name of 255 characters does not",
         kit,
         L"M1",
         std::wstring(255, L'd'),
         INF,
         {Problem(NAME, CheckText::SCRIPT_NAME_TOO_LONG)}},
        {"a double quote in the driver name",
         kit,
         L"M1",
         L"Vantrel \"M1\"",
         INF,
         {Problem(NAME, CheckText::SCRIPT_UNSAFE_CHARACTER, {L"\"\"\" (U+0022)"}), MarginNote(kit, L"Vantrel \"M1\"")}},
        {"percent and exclamation marks in the path",
         kit,
         L"M1",
         DRIVER,
         L"drivers\\%M1%\\m1!.inf",
         {Problem(PATH, CheckText::SCRIPT_UNSAFE_CHARACTER, {L"\"%\" (U+0025), \"!\" (U+0021)"}),
          Note(L"[PRT1]", CheckText::NOTE_COMMAND_MARGIN, {L"105", L"98", L"M1_9108"})}},
        {"an exclamation mark in the model",
         kit,
         L"M1!",
         DRIVER,
         INF,
         {Problem(MODEL, CheckText::MODEL_UNSAFE_CHARACTER, {L"\"!\" (U+0021)"}), MarginNote(kit, DRIVER, L"M1!")}},
        {"a driver name without a code page 936 form",
         kit,
         L"M1",
         L"Vantrel \u0E01",
         INF,
         {Problem(NAME, CheckText::SCRIPT_NO_CP936, {L"\"\u0E01\" (U+0E01)"}), MarginNote(kit, L"Vantrel \u0E01")}},
        {"a percent sign in the folder",
         percentFolder,
         L"M1",
         DRIVER,
         INF,
         {Problem(percentFolder, CheckText::FOLDER_UNSAFE_CHARACTER, {L"\"%\" (U+0025)"}),
          MarginNote(percentFolder, DRIVER)}},
        {"a folder without a code page 936 form",
         thaiFolder,
         L"M1",
         DRIVER,
         INF,
         {Problem(thaiFolder, CheckText::FOLDER_NO_CP936, {L"\"\u0E01\" (U+0E01), \"\u0E02\" (U+0E02)"}),
          MarginNote(thaiFolder, DRIVER)}},
        {"a folder of 242 characters leaves room for the script's path",
         FolderOf(242),
         L"M1",
         DRIVER,
         INF,
         {Problem(PATH, CheckText::SCRIPT_PATH_TOO_LONG)}},
        {"a folder of 243 characters does not",
         FolderOf(243),
         L"M1",
         DRIVER,
         INF,
         {Problem(FolderOf(243), CheckText::FOLDER_SCRIPT_PATH_TOO_LONG, {L"243"}),
          Problem(PATH, CheckText::SCRIPT_PATH_TOO_LONG)}},
        {"no driver path: no command to measure", kit, L"M1", DRIVER, L"", {}},
    };
    for (const auto& testCase : cases) {
        SupplierFolder folder(testCase.folder);
        folder.Write(L"velbrix.ini",
                     Utf16LeWithBom(L"[COMMON]\r\nPrinterModelNums=1\r\n" +
                                    ModelSectionText(1, testCase.model, testCase.driverName, testCase.driverPath)));
        EXPECT_EQ(CheckInstallScript(folder.View(), folder.codePages), testCase.expected) << testCase.name;
    }
}

} // namespace
