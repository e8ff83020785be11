#include "install/InstallScript.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/FakeInstallPorts.h"
#include "fakes/FakeMainWindow.h"
#include "fakes/FakeStringResources.h"
#include "install/InstallNotice.h"

namespace {

using Icon = IMainWindow::BoxIcon;

const std::wstring PORT = L"http://10.0.0.2:631/printers/M1_office";
const std::wstring WIZARD_FORM = L"rundll32 printui.dll, PrintUIEntry /il /z";

std::wstring Form(const std::wstring& printer, const std::wstring& inf, const std::wstring& driver) {
    return L"rundll32 printui.dll, PrintUIEntry /if /b \"" + printer + L"\" /f \"" + inf + L"\" /r \"" + PORT +
           L"\" /m \"" + driver + L"\"";
}

// A program folder whose script path, folder and PrinterDriver.bat, is that long.
std::wstring FolderForScriptPathOf(std::size_t length) {
    return L"C:\\" + std::wstring(length - 3 - 1 - INSTALL_SCRIPT_NAME.size(), L'f') + L"\\";
}

struct Script {
    FakeMainWindow window;
    FakeStringResources resources = FakeStringResources::WithCatalogues();
    MessageCatalogue catalogue{resources, 2057};
    Configuration configuration;
    FakeScriptFile file{window.seen};
    FakeScriptProcess process{window.seen};
    InstallScript script{window, catalogue, configuration, file, process, L"Velbrix"};

    Script() { configuration.ProgramDirectory = L"C:\\Velbrix\\"; }
};

} // namespace

TEST(InstallScript, CommandFormsAndWhatDoesNotFit) {
    const std::wstring printer = L"M1_office on " + PORT;
    const std::wstring inf = L"C:\\Velbrix\\drivers\\M1\\m1.inf";
    EXPECT_EQ(BuildInstallCommand(printer, inf, PORT, L"Vantrel M1 打印机"),
              L"rundll32 printui.dll, PrintUIEntry /if /b \"M1_office on http://10.0.0.2:631/printers/M1_office\" "
              L"/f \"C:\\Velbrix\\drivers\\M1\\m1.inf\" /r \"http://10.0.0.2:631/printers/M1_office\" "
              L"/m \"Vantrel M1 打印机\"");
    EXPECT_EQ(BuildInstallCommand(std::wstring(L"M1\0 on x", 8), inf, PORT, L"D"), Form(L"M1", inf, L"D"))
        << "values end at their first zero";
    EXPECT_EQ(BuildWizardCommand(), WIZARD_FORM);

    const std::wstring longPrinter(240, L'p');
    const struct {
        const char* name;
        std::wstring printer, inf, driver;
        bool fits;
        bool measuresTheDriverOption; // otherwise the whole command
        std::size_t length;
    } cases[] = {
        {"an option of 259 characters fits", printer, inf, std::wstring(254, L'd'), true, true, 259},
        {"an option of 260 characters does not", printer, inf, std::wstring(255, L'd'), false, true, 260},
        {"a command of 511 characters fits", longPrinter, std::wstring(170, L'i'), L"D", true, false, 511},
        {"a command of 512 characters does not", longPrinter, std::wstring(171, L'i'), L"D", false, false, 512},
    };
    for (const auto& testCase : cases) {
        const std::wstring form = Form(testCase.printer, testCase.inf, testCase.driver);
        const std::wstring driverOption = L"/m \"" + testCase.driver + L"\"";
        ASSERT_EQ((testCase.measuresTheDriverOption ? driverOption : form).size(), testCase.length) << testCase.name;
        EXPECT_EQ(BuildInstallCommand(testCase.printer, testCase.inf, PORT, testCase.driver),
                  testCase.fits ? std::optional<std::wstring>(form) : std::nullopt)
            << testCase.name;
    }
}

TEST(InstallScript, EachWayTheScriptEnds) {
    enum class Trouble { None, CommandCut, NotWritten, NotStarted, StillRunning };
    const std::wstring done = EnglishText(MSG_INSTALL_DONE) + L"M1 on x" + EnglishText(MSG_INSTALL_DONE_ADVICE);
    const std::wstring path = L"C:\\Velbrix\\PrinterDriver.bat";
    const std::wstring deepest = FolderForScriptPathOf(259);
    // Written, logged, started and awaited; the notice's timer started and killed at once.
    const auto started = [](const std::wstring& script) {
        return SeenStream{seen::ScriptWritten(script, WIZARD_FORM),
                          seen::Log(EnglishText(MSG_SCRIPT_WRITTEN) + script),
                          seen::Log(EnglishText(MSG_SCRIPT_RUNNING)),
                          seen::ScriptStarted(script, false),
                          seen::TimerStarted(TIMER_INSTALL_NOTICE, 5000),
                          seen::TimerKilled(TIMER_INSTALL_NOTICE),
                          seen::ScriptAwaited(180000)};
    };
    const SeenStream ended = {seen::Log(done), seen::Box(Icon::Information, L"Velbrix", done)};
    const std::wstring refused = seen::Box(Icon::Warning, L"Velbrix", EnglishText(MSG_SCRIPT_NOT_WRITTEN));
    const struct {
        const char* name;
        Trouble trouble;
        std::wstring folder;
        SeenStream seen;
        int writes;
    } cases[] = {
        {"ended in time: the line, then the box", Trouble::None, L"C:\\Velbrix\\", seen::Joined({started(path), ended}),
         1},
        {"a script path of 259 characters", Trouble::None, deepest,
         seen::Joined({started(deepest + std::wstring(INSTALL_SCRIPT_NAME)), ended}), 1},
        {"a script path of 260 characters is never written", Trouble::None, FolderForScriptPathOf(260), {refused}, 0},
        {"a cut command is never written", Trouble::CommandCut, L"C:\\Velbrix\\", {refused}, 0},
        {"the file cannot be written: not logged", Trouble::NotWritten, L"C:\\Velbrix\\", {refused}, 1},
        {"the process does not start: the line, then the box",
         Trouble::NotStarted,
         L"C:\\Velbrix\\",
         {seen::ScriptWritten(path, WIZARD_FORM), seen::Log(EnglishText(MSG_SCRIPT_WRITTEN) + path),
          seen::Log(EnglishText(MSG_SCRIPT_RUNNING)), seen::Log(EnglishText(MSG_SCRIPT_NOT_STARTED)),
          seen::Box(Icon::Warning, L"Velbrix", EnglishText(MSG_SCRIPT_NOT_STARTED))},
         1},
        {"still running after three minutes: the line, then the box", Trouble::StillRunning, L"C:\\Velbrix\\",
         seen::Joined({started(path),
                       {seen::Log(EnglishText(MSG_SCRIPT_NOT_ENDED)),
                        seen::Box(Icon::Warning, L"Velbrix", EnglishText(MSG_SCRIPT_NOT_ENDED))}}),
         1},
    };
    for (const auto& testCase : cases) {
        Script script;
        script.configuration.ProgramDirectory = testCase.folder;
        script.file.fails = testCase.trouble == Trouble::NotWritten;
        script.process.failsToStart = testCase.trouble == Trouble::NotStarted;
        script.process.endsInTime = testCase.trouble != Trouble::StillRunning;
        const std::optional<std::wstring> command =
            testCase.trouble == Trouble::CommandCut ? std::nullopt : std::optional<std::wstring>(WIZARD_FORM);
        script.script.RunInstallScript(command, std::wstring(L"M1 on x\0tail", 12), false);
        EXPECT_EQ(script.window.seen, testCase.seen) << testCase.name;
        EXPECT_EQ(script.file.writes, testCase.writes) << testCase.name;
    }
}

TEST(InstallScript, AnyDisplayConsoleButZeroGivesTheScriptAConsoleOfItsOwn) {
    const struct {
        uint32_t displayConsole;
        bool ownConsole;
    } cases[] = {{0, false}, {1, true}, {2, true}, {0xFFFFFFFF, true}};
    for (const auto& testCase : cases) {
        Script script;
        script.configuration.DisplayConsole = testCase.displayConsole;
        script.script.RunInstallScript(WIZARD_FORM, L"M1", false);
        const SeenStream& seen = script.window.seen;
        EXPECT_NE(std::find(seen.begin(), seen.end(),
                            seen::ScriptStarted(L"C:\\Velbrix\\PrinterDriver.bat", testCase.ownConsole)),
                  seen.end())
            << testCase.displayConsole;
    }
}
