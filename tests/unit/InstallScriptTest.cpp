#include "install/InstallScript.h"

#include <gtest/gtest.h>

#include "discovery/SearchControl.h"
#include "fakes/FakeInstallPorts.h"
#include "fakes/FakeMainWindow.h"
#include "fakes/FakeStringResources.h"

namespace {

const std::wstring PORT = L"http://10.0.0.2:631/printers/M1_office";

} // namespace

TEST(InstallScript, CommandFormsAndWhatDoesNotFit) {
    const std::wstring printer = L"M1_office on " + PORT;
    const std::wstring inf = L"C:\\Velbrix\\drivers\\M1\\m1.inf";
    const struct {
        const char* name;
        std::wstring printer, inf, driver;
        std::optional<std::wstring> command;
    } cases[] = {
        {"the installation form", printer, inf, L"Vantrel M1 打印机",
         L"rundll32 printui.dll, PrintUIEntry /if /b \"" + printer + L"\" /f \"" + inf + L"\" /r \"" + PORT +
             L"\" /m \"Vantrel M1 打印机\""},
        {"values end at their first zero", std::wstring(L"M1\0 on x", 8), inf, L"D",
         L"rundll32 printui.dll, PrintUIEntry /if /b \"M1\" /f \"" + inf + L"\" /r \"" + PORT + L"\" /m \"D\""},
        {"an option of 259 characters fits", printer, inf, std::wstring(254, L'd'), L""},
        {"an option of 260 characters does not", printer, inf, std::wstring(255, L'd'), std::nullopt},
        {"a value of 260 characters does not", printer, std::wstring(260, L'i'), L"D", std::nullopt},
        {"a command of more than 511 characters does not", std::wstring(240, L'p'), std::wstring(240, L'i'), L"D",
         std::nullopt},
    };
    for (const auto& testCase : cases) {
        const auto command = BuildInstallCommand(testCase.printer, testCase.inf, PORT, testCase.driver);
        if (testCase.command && testCase.command->empty()) {
            EXPECT_TRUE(command.has_value()) << testCase.name;
        } else {
            EXPECT_EQ(command, testCase.command) << testCase.name;
        }
    }
    EXPECT_EQ(BuildWizardCommand(), L"rundll32 printui.dll, PrintUIEntry /il /z");
}

TEST(InstallScript, EachWayTheScriptEnds) {
    enum class Trouble { None, CommandCut, FolderTooDeep, NotWritten, NotStarted, StillRunning };
    const std::wstring done = EnglishText(MSG_INSTALL_DONE) + L"M1 on x" + EnglishText(MSG_INSTALL_DONE_ADVICE);
    const std::wstring path = L"C:\\Velbrix\\PrinterDriver.bat";
    const struct {
        const char* name;
        Trouble trouble;
        std::vector<std::wstring> log;
        std::wstring box;
        IMainWindow::BoxIcon icon;
        bool started;
    } cases[] = {
        {"ended in time",
         Trouble::None,
         {EnglishText(MSG_SCRIPT_WRITTEN) + path, EnglishText(MSG_SCRIPT_RUNNING), done},
         done,
         IMainWindow::BoxIcon::Information,
         true},
        {"a cut command is never written",
         Trouble::CommandCut,
         {},
         EnglishText(MSG_SCRIPT_NOT_WRITTEN),
         IMainWindow::BoxIcon::Warning,
         false},
        {"a script path beyond 259 characters",
         Trouble::FolderTooDeep,
         {},
         EnglishText(MSG_SCRIPT_NOT_WRITTEN),
         IMainWindow::BoxIcon::Warning,
         false},
        {"the file cannot be written",
         Trouble::NotWritten,
         {},
         EnglishText(MSG_SCRIPT_NOT_WRITTEN),
         IMainWindow::BoxIcon::Warning,
         false},
        {"the process does not start",
         Trouble::NotStarted,
         {EnglishText(MSG_SCRIPT_WRITTEN) + path, EnglishText(MSG_SCRIPT_RUNNING), EnglishText(MSG_SCRIPT_NOT_STARTED)},
         EnglishText(MSG_SCRIPT_NOT_STARTED),
         IMainWindow::BoxIcon::Warning,
         false},
        {"still running after three minutes",
         Trouble::StillRunning,
         {EnglishText(MSG_SCRIPT_WRITTEN) + path, EnglishText(MSG_SCRIPT_RUNNING), EnglishText(MSG_SCRIPT_NOT_ENDED)},
         EnglishText(MSG_SCRIPT_NOT_ENDED),
         IMainWindow::BoxIcon::Warning,
         true},
    };
    for (const auto& testCase : cases) {
        FakeMainWindow window;
        FakeStringResources resources = FakeStringResources::WithCatalogues();
        MessageCatalogue catalogue{resources, 2057};
        Configuration configuration;
        configuration.ProgramDirectory =
            testCase.trouble == Trouble::FolderTooDeep ? L"C:\\" + std::wstring(242, L'f') + L"\\" : L"C:\\Velbrix\\";
        FakeScriptFile file;
        file.fails = testCase.trouble == Trouble::NotWritten;
        FakeScriptProcess process;
        process.failsToStart = testCase.trouble == Trouble::NotStarted;
        process.endsInTime = testCase.trouble != Trouble::StillRunning;
        InstallScript script(window, catalogue, configuration, file, process, L"Velbrix");

        const std::optional<std::wstring> command =
            testCase.trouble == Trouble::CommandCut ? std::nullopt : std::optional<std::wstring>(BuildWizardCommand());
        script.RunInstallScript(command, std::wstring(L"M1 on x\0tail", 12), false);

        EXPECT_EQ(window.log, testCase.log) << testCase.name;
        ASSERT_EQ(window.boxes.size(), 1u) << testCase.name;
        EXPECT_EQ(window.boxes[0].text, testCase.box) << testCase.name;
        EXPECT_EQ(window.boxes[0].caption, L"Velbrix") << testCase.name;
        EXPECT_EQ(window.boxes[0].icon, testCase.icon) << testCase.name;
        EXPECT_EQ(process.started.size(), testCase.started ? 1u : 0u) << testCase.name;
        EXPECT_EQ(process.waits, testCase.started ? std::vector<uint32_t>{180000} : std::vector<uint32_t>{})
            << testCase.name;
        const bool mayWrite = testCase.trouble != Trouble::CommandCut && testCase.trouble != Trouble::FolderTooDeep;
        EXPECT_EQ(file.writes, mayWrite ? 1 : 0) << testCase.name;
        EXPECT_TRUE(window.timers.empty()) << testCase.name;
    }
}
