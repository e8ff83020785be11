#include "install/InstallScript.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/FakeInstallPorts.h"
#include "fakes/FakeMainWindow.h"
#include "fakes/FakePrinterSpooler.h"
#include "fakes/FakeStringResources.h"
#include "install/InstallNotice.h"

namespace {

using Icon = IMainWindow::BoxIcon;
using Elevation = ITokenElevation::Elevation;
using Printer = IPrinterSpooler::InstalledPrinter;

const std::wstring PORT = L"http://10.0.0.2:631/printers/M1_office";
const std::wstring WIZARD_FORM = L"rundll32 printui.dll, PrintUIEntry /il /z";
const std::wstring CODE_PAGE_LINE = L"chcp 936 >nul\r\nif errorlevel 1 exit /b 1\r\n";
const std::wstring WIZARD_SCRIPT = CODE_PAGE_LINE + WIZARD_FORM + L"\r\n";

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
    FakePrinterSpooler spooler;
    FakeTokenElevation elevation;
    FakePrintPolicy policy;
    InstallScript script{window, catalogue, configuration, {file, process, spooler, elevation, policy}, L"Velbrix"};

    Script() {
        configuration.ProgramDirectory = L"C:\\Velbrix\\";
        process.spoolerListing = &spooler.listing;
    }
    // What the person is told last: the end box.
    std::wstring LastSeen() const { return window.seen.empty() ? L"" : window.seen.back(); }
};

const std::wstring PRINTER = L"M1_office on " + PORT;
const ExpectedPrinter AUTOMATIC{true, PRINTER, PORT, L"Vantrel M1"};
const ExpectedPrinter GUIDED{false, PRINTER, PORT, L"Vantrel M1"};

std::wstring Done(const std::wstring& printerName) {
    return seen::Box(Icon::Information, L"Velbrix",
                     EnglishText(MSG_INSTALL_DONE) + printerName + EnglishText(MSG_INSTALL_DONE_ADVICE));
}

std::wstring NotChecked(const std::wstring& what) {
    return seen::Box(Icon::Warning, L"Velbrix",
                     EnglishText(MSG_INSTALL_NOT_CHECKED) + what + EnglishText(MSG_INSTALL_NOT_CHECKED_ADVICE));
}

std::wstring NotInstalled(int reason) {
    return seen::Box(Icon::Warning, L"Velbrix", EnglishText(MSG_PRINTER_NOT_INSTALLED) + PRINTER + EnglishText(reason));
}

// A printing policy's value as the registry holds it: group policy writes 1 for Enabled and 0 for Disabled.
const std::optional<uint32_t> NOT_SET;
const std::optional<uint32_t> ENABLED = 1;
const std::optional<uint32_t> DISABLED = 0;

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
    enum class Trouble { None, CommandCut, NotWritten, NotStarted, RightsRefused, StillRunning };
    const std::wstring done = EnglishText(MSG_INSTALL_DONE) + L"Wizard's M1" + EnglishText(MSG_INSTALL_DONE_ADVICE);
    const std::wstring path = L"C:\\Velbrix\\PrinterDriver.bat";
    const std::wstring deepest = FolderForScriptPathOf(259);
    // Written, logged, started and awaited; the notice's timer started and killed at once.
    const auto started = [](const std::wstring& script) {
        return SeenStream{
            seen::ScriptWritten(script, WIZARD_SCRIPT),     seen::Log(EnglishText(MSG_SCRIPT_WRITTEN) + script),
            seen::Log(EnglishText(MSG_SCRIPT_RUNNING)),     seen::ScriptStarted(script, false),
            seen::TimerStarted(TIMER_INSTALL_NOTICE, 5000), seen::TimerKilled(TIMER_INSTALL_NOTICE),
            seen::ScriptAwaited(SCRIPT_WAIT_UNLIMITED)};
    };
    const SeenStream ended = {seen::ScriptLetGo(), seen::Log(done), seen::Box(Icon::Information, L"Velbrix", done)};
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
        {"a percent sign in the folder would be expanded by the interpreter",
         Trouble::None,
         L"C:\\%PATH%\\",
         {refused},
         0},
        {"the file cannot be written: not logged", Trouble::NotWritten, L"C:\\Velbrix\\", {refused}, 1},
        {"the process does not start: the line, then the box",
         Trouble::NotStarted,
         L"C:\\Velbrix\\",
         {seen::ScriptWritten(path, WIZARD_SCRIPT), seen::Log(EnglishText(MSG_SCRIPT_WRITTEN) + path),
          seen::Log(EnglishText(MSG_SCRIPT_RUNNING)), seen::ScriptLetGo(),
          seen::Log(EnglishText(MSG_SCRIPT_NOT_STARTED)),
          seen::Box(Icon::Warning, L"Velbrix", EnglishText(MSG_SCRIPT_NOT_STARTED))},
         1},
        {"the consent prompt refused: its own line and box, not the start's",
         Trouble::RightsRefused,
         L"C:\\Velbrix\\",
         {seen::ScriptWritten(path, WIZARD_SCRIPT), seen::Log(EnglishText(MSG_SCRIPT_WRITTEN) + path),
          seen::Log(EnglishText(MSG_SCRIPT_RUNNING)), seen::ScriptLetGo(), seen::Log(EnglishText(MSG_RIGHTS_NOT_GIVEN)),
          seen::Box(Icon::Warning, L"Velbrix", EnglishText(MSG_RIGHTS_NOT_GIVEN))},
         1},
        {"the wait fails: the line, then the box, the file still held", Trouble::StillRunning, L"C:\\Velbrix\\",
         seen::Joined({started(path),
                       {seen::Log(EnglishText(MSG_SCRIPT_NOT_ENDED)),
                        seen::Box(Icon::Warning, L"Velbrix", EnglishText(MSG_SCRIPT_NOT_ENDED))}}),
         1},
    };
    for (const auto& testCase : cases) {
        Script script;
        script.configuration.ProgramDirectory = testCase.folder;
        script.file.fails = testCase.trouble == Trouble::NotWritten;
        script.process.start = testCase.trouble == Trouble::NotStarted      ? IScriptProcess::Start::NotStarted
                               : testCase.trouble == Trouble::RightsRefused ? IScriptProcess::Start::RightsRefused
                                                                            : IScriptProcess::Start::Started;
        script.process.endsInTime = testCase.trouble != Trouble::StillRunning;
        script.process.printersAdded = {{std::wstring(L"Wizard's M1\0tail", 16), PORT, L""}};
        const std::optional<std::wstring> command =
            testCase.trouble == Trouble::CommandCut ? std::nullopt : std::optional<std::wstring>(WIZARD_FORM);
        script.script.RunInstallScript(command, GUIDED);
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
        script.script.RunInstallScript(WIZARD_FORM, GUIDED);
        const SeenStream& seen = script.window.seen;
        EXPECT_NE(std::find(seen.begin(), seen.end(),
                            seen::ScriptStarted(L"C:\\Velbrix\\PrinterDriver.bat", testCase.ownConsole)),
                  seen.end())
            << testCase.displayConsole;
    }
}

TEST(InstallScript, AnAutomaticInstallationIsDoneOnlyWhenTheSpoolerGainedItsPrinter) {
    const Printer installed{PRINTER, PORT, L"Vantrel M1"};
    const std::wstring refused = NotInstalled(MSG_NOT_INSTALLED_DRIVER_REFUSED);
    const struct {
        const char* name;
        std::vector<Printer> before, added;
        bool unreadableBefore, unreadableAfter;
        std::wstring end;
    } cases[] = {
        {"the printer, its port and its driver, new",
         {{L"Office", PORT, L"Other"}},
         {installed},
         false,
         false,
         Done(PRINTER)},
        {"nothing new", {}, {}, false, false, refused},
        {"a printer of that name was there before",
         {installed},
         {},
         false,
         false,
         NotInstalled(MSG_NOT_INSTALLED_NAME_TAKEN)},
        {"a printer of that name still being deleted",
         {{PRINTER, L"http://10.0.0.3:631/printers/M1_office", L"Vantrel M1", true}},
         {},
         false,
         false,
         NotInstalled(MSG_NOT_INSTALLED_NAME_BEING_DELETED)},

        {"the name on another port",
         {},
         {{PRINTER, L"http://10.0.0.3:631/printers/M1_office", L"Vantrel M1"}},
         false,
         false,
         refused},
        {"the name with another driver", {}, {{PRINTER, PORT, L"Generic"}}, false, false, refused},
        {"a spooler that cannot be read before: asked to look, never done",
         {},
         {installed},
         true,
         false,
         NotChecked(PRINTER)},
        {"a spooler that cannot be read after: asked to look, never done",
         {},
         {installed},
         false,
         true,
         NotChecked(PRINTER)},
    };
    for (const auto& testCase : cases) {
        Script script;
        script.spooler.listing = {!testCase.unreadableBefore, 5, testCase.before};
        script.process.printersAdded = testCase.added;
        script.process.spoolerUnreadableAfter = testCase.unreadableAfter;
        script.script.RunInstallScript(WIZARD_FORM, AUTOMATIC);
        EXPECT_EQ(script.LastSeen(), testCase.end) << testCase.name;
        EXPECT_EQ(std::count(script.window.seen.begin(), script.window.seen.end(),
                             seen::Log(testCase.end.substr(testCase.end.find(L": ") + 2))),
                  1)
            << testCase.name << ": the same text in the log";
    }
}

TEST(InstallScript, AnAutomaticInstallationThatAddedNothingNamesWhatVelbrixCanTell) {
    const struct {
        const char* name;
        std::optional<uint32_t> protectedPrint, httpOff;
        Elevation elevation;
        std::wstring port;
        int reason;
    } cases[] = {
        {"nothing known against it", NOT_SET, NOT_SET, Elevation::Elevated, PORT, MSG_NOT_INSTALLED_DRIVER_REFUSED},
        {"a token that cannot be read, the prompt granted", NOT_SET, NOT_SET, Elevation::Unknown, PORT,
         MSG_NOT_INSTALLED_DRIVER_REFUSED},
        {"no administrator rights, the prompt granted: never no rights", NOT_SET, NOT_SET, Elevation::NotElevated, PORT,
         MSG_NOT_INSTALLED_DRIVER_REFUSED},
        {"protected print mode, before everything", ENABLED, ENABLED, Elevation::NotElevated, PORT,
         MSG_NOT_INSTALLED_PROTECTED_PRINT},
        {"printing over HTTP turned off, before rights", NOT_SET, ENABLED, Elevation::NotElevated, PORT,
         MSG_NOT_INSTALLED_HTTP_PRINTING_OFF},
        {"both policies disabled", DISABLED, DISABLED, Elevation::NotElevated, PORT, MSG_NOT_INSTALLED_DRIVER_REFUSED},
        {"a value group policy never writes enables neither", 2, 0xFFFFFFFF, Elevation::Elevated, PORT,
         MSG_NOT_INSTALLED_DRIVER_REFUSED},
        {"HTTP in capitals is still HTTP", NOT_SET, ENABLED, Elevation::Elevated,
         L"HTTP://10.0.0.2:631/printers/M1_office", MSG_NOT_INSTALLED_HTTP_PRINTING_OFF},
        {"the HTTP policy does not touch another kind of port", NOT_SET, ENABLED, Elevation::Elevated,
         L"ipp://10.0.0.2:631/printers/M1_office", MSG_NOT_INSTALLED_DRIVER_REFUSED},
    };
    for (const auto& testCase : cases) {
        Script script;
        script.policy.protectedPrintMode = testCase.protectedPrint;
        script.policy.httpPrintingOff = testCase.httpOff;
        script.elevation.elevation = testCase.elevation;
        script.script.RunInstallScript(WIZARD_FORM, {true, PRINTER, testCase.port, L"Vantrel M1"});
        EXPECT_EQ(script.LastSeen(), NotInstalled(testCase.reason)) << testCase.name;
    }
}

TEST(InstallScript, AGuidedInstallationNamesThePrinterTheWizardAddedOnTheAddress) {
    const std::wstring nothing =
        seen::Box(Icon::Information, L"Velbrix",
                  EnglishText(MSG_WIZARD_ADDED_NOTHING) + PORT + EnglishText(MSG_WIZARD_ADDED_NOTHING_ADVICE));
    const struct {
        const char* name;
        std::vector<Printer> before, added;
        std::wstring end;
    } cases[] = {
        {"under a name of the wizard's own, with any driver",
         {},
         {{L"Vantrel M1 (office)", PORT, L"Generic"}},
         Done(L"Vantrel M1 (office)")},
        {"the one on the address among others",
         {},
         {{L"Elsewhere", L"http://10.0.0.3:631/x", L""}, {L"Mine", PORT, L""}},
         Done(L"Mine")},
        {"the wizard closed with nothing added", {}, {}, nothing},
        {"a printer on another address only", {}, {{L"Elsewhere", L"http://10.0.0.3:631/x", L""}}, nothing},
        {"a printer on the address that was there before", {{L"Old", PORT, L""}}, {}, nothing},
    };
    for (const auto& testCase : cases) {
        Script script;
        script.spooler.listing = {true, 0, testCase.before};
        script.process.printersAdded = testCase.added;
        // What protects a desk is never named for the wizard: it asks for itself.
        script.policy.protectedPrintMode = ENABLED;
        script.elevation.elevation = Elevation::NotElevated;
        script.script.RunInstallScript(WIZARD_FORM, GUIDED);
        EXPECT_EQ(script.LastSeen(), testCase.end) << testCase.name;
    }
}

TEST(InstallScript, TheScriptAsksForRightsWhenItInstallsADriverOrDeletesAPrinterWithoutThem) {
    const struct {
        Elevation elevation;
        bool automatic;
        bool removes;
        bool asks;
    } cases[] = {
        {Elevation::Elevated, true, false, false},     {Elevation::NotElevated, true, false, true},
        {Elevation::Unknown, true, false, true},       {Elevation::Elevated, false, false, false},
        {Elevation::NotElevated, false, false, false}, {Elevation::Unknown, false, false, false},
        {Elevation::NotElevated, false, true, true},   {Elevation::Unknown, false, true, true},
        {Elevation::NotElevated, true, true, true},    {Elevation::Elevated, false, true, false},
    };
    for (const auto& testCase : cases) {
        Script script;
        script.elevation.elevation = testCase.elevation;
        script.script.RunInstallScript(WIZARD_FORM, testCase.automatic ? AUTOMATIC : GUIDED,
                                       testCase.removes ? L"Old" : L"");
        const SeenStream& seen = script.window.seen;
        EXPECT_NE(std::find(seen.begin(), seen.end(),
                            seen::ScriptStarted(L"C:\\Velbrix\\PrinterDriver.bat", false, testCase.asks)),
                  seen.end())
            << static_cast<int>(testCase.elevation) << " automatic " << testCase.automatic << " removes "
            << testCase.removes;
    }
}

TEST(InstallScript, TheScriptSwitchesToCodePage936ThenDeletesTheOldPrinterBeforeItInstalls) {
    const std::wstring removal = L"rundll32 printui.dll, PrintUIEntry /dl /n \"";
    const std::wstring refused = seen::Box(Icon::Warning, L"Velbrix", EnglishText(MSG_SCRIPT_NOT_WRITTEN));
    const struct {
        const char* name;
        std::wstring oldPrinter;
        std::wstring script; // empty: refused before anything is written
    } cases[] = {
        {"no printer to delete: the switch, then the command", L"", WIZARD_SCRIPT},
        {"the old printer's line first", L"M1_office on http://10.0.0.5:631/printers/M1_office",
         CODE_PAGE_LINE + removal + L"M1_office on http://10.0.0.5:631/printers/M1_office\"\r\n" + WIZARD_FORM +
             L"\r\n"},
        {"a Chinese name", L"打印机 (办公室)",
         CODE_PAGE_LINE + removal + L"打印机 (办公室)\"\r\n" + WIZARD_FORM + L"\r\n"},
        {"by its text up to its first zero", std::wstring(L"Old\0tail", 8),
         CODE_PAGE_LINE + removal + L"Old\"\r\n" + WIZARD_FORM + L"\r\n"},
        {"a quote would end the name", L"Old\" & calc & \"", L""},
        {"a percent sign would be expanded", L"Old %COMSPEC%", L""},
        {"an exclamation mark", L"Old!", L""},
        {"a line feed would end the line", L"Old\ncalc", L""},
        {"a name of 250 characters fits its option", std::wstring(250, L'n'),
         CODE_PAGE_LINE + removal + std::wstring(250, L'n') + L"\"\r\n" + WIZARD_FORM + L"\r\n"},
        {"a name of 251 characters does not", std::wstring(251, L'n'), L""},
    };
    for (const auto& testCase : cases) {
        Script script;
        script.elevation.elevation = Elevation::NotElevated;
        script.script.RunInstallScript(WIZARD_FORM, GUIDED, testCase.oldPrinter);
        if (testCase.script.empty()) {
            EXPECT_EQ(script.window.seen, SeenStream{refused}) << testCase.name;
            EXPECT_EQ(script.file.writes, 0) << testCase.name;
        } else {
            ASSERT_FALSE(script.window.seen.empty()) << testCase.name;
            EXPECT_EQ(script.window.seen.front(),
                      seen::ScriptWritten(L"C:\\Velbrix\\PrinterDriver.bat", testCase.script))
                << testCase.name;
        }
    }
}

TEST(InstallScript, TheWizardIsAwaitedAsLongAsItIsOpenAndTheScriptThreeMinutes) {
    for (const bool automatic : {true, false}) {
        Script script;
        script.script.RunInstallScript(WIZARD_FORM, automatic ? AUTOMATIC : GUIDED);
        const SeenStream& seen = script.window.seen;
        EXPECT_NE(std::find(seen.begin(), seen.end(), seen::ScriptAwaited(automatic ? 180000 : SCRIPT_WAIT_UNLIMITED)),
                  seen.end())
            << automatic;
    }
}
