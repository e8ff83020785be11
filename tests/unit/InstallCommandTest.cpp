#include "install/InstallCommand.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "discovery/PrinterListColumns.h"
#include "discovery/VisibleText.h"
#include "fakes/FakeInstallPorts.h"
#include "fakes/FakeMainWindow.h"
#include "fakes/FakePrinterSpooler.h"
#include "fakes/FakeStringResources.h"
#include "install/InstallNotice.h"
#include "resource.h"

namespace {

using Icon = IMainWindow::BoxIcon;

const std::wstring PORT = L"http://10.0.0.2:631/printers/M1_office";
const std::wstring SCRIPT = L"C:\\Velbrix\\PrinterDriver.bat";
const std::wstring WIZARD_FORM = L"rundll32 printui.dll, PrintUIEntry /il /z";

std::wstring PortOf(const std::wstring& address, const std::wstring& queue) {
    return L"http://" + address + L":631/printers/" + queue;
}

std::wstring InstallationForm(const std::wstring& printerName, const std::wstring& port) {
    return L"rundll32 printui.dll, PrintUIEntry /if /b \"" + printerName +
           L"\" /f \"C:\\Velbrix\\drivers\\m1.inf\" /r \"" + port + L"\" /m \"Vantrel M1\"";
}

// A found printer: its record, and its row as the list shows it.
struct Found {
    std::wstring address;
    std::wstring queue;
    std::wstring installedName;
};

// A search found M1_other at 10.0.0.9 and M1_office at 10.0.0.2; the user picked the second row. An earlier
// installation left its printer in the target.
struct Installation {
    FakeMainWindow window;
    FakeStringResources resources = FakeStringResources::WithCatalogues();
    MessageCatalogue catalogue{resources, 2057};
    Configuration configuration;
    DiscoveryTables tables;
    SelectedModel selected{1, L"M1", L"Vantrel M1", L"drivers\\m1.inf"};
    InstallTarget target{L"Earlier printer", L"10.0.0.5", L"M1_earlier", PortOf(L"10.0.0.5", L"M1_earlier")};
    FakeIcmpEcho icmp;
    FakeWorkerThread worker;
    FakePrinterSpooler spooler;
    FakeScriptFile file{window.seen};
    FakeScriptProcess process{window.seen};
    FakeClipboard clipboard{window.seen};
    FakeTokenElevation elevation;
    FakePrintPolicy policy;
    InstallCommand command{window,
                           catalogue,
                           configuration,
                           tables,
                           selected,
                           target,
                           {icmp, worker, spooler, file, process, clipboard, elevation, policy},
                           L"Velbrix"};

    explicit Installation(const std::wstring& stalePrinter = L"", const std::wstring& queue = L"M1_office") {
        configuration.ProgramDirectory = L"C:\\Velbrix\\";
        spooler.seen = &window.seen;
        process.spoolerListing = &spooler.listing;
        Records({{L"10.0.0.9", L"M1_other", L""}, {L"10.0.0.2", queue, stalePrinter}});
        window.selectionMark = 1;
        icmp.up = {"10.0.0.2", "10.0.0.3", "10.0.0.9"};
    }
    // The records in the table and, unless rows are given, the same printers in the same order in the list.
    void Records(const std::vector<Found>& records, const std::vector<Found>& rows = {}) {
        ClearDiscoveryTables(tables);
        for (const Found& found : records) {
            AppendRecord(tables.Discovered,
                         {found.address, found.queue, PortOf(found.address, found.queue), found.installedName});
        }
        window.rows.clear();
        for (const Found& found : rows.empty() ? records : rows) {
            window.rows.push_back({L"", found.address, found.queue});
        }
    }
    // The script leaves the printer it was meant to: the automatic one by its name, or one the wizard named.
    void ScriptAdds(const std::wstring& printerName, const std::wstring& port) {
        process.printersAdded = {{printerName, VisibleText(port), selected.DriverName}};
    }
    bool Saw(const std::wstring& entry) const {
        return std::find(window.seen.begin(), window.seen.end(), entry) != window.seen.end();
    }
};

std::wstring Log(int id, const std::wstring& value = L"") {
    return seen::Log(EnglishText(id) + value);
}

std::wstring Box(Icon icon, const std::wstring& text) {
    return seen::Box(icon, L"Velbrix", text);
}

std::wstring Done(const std::wstring& printerName) {
    return EnglishText(MSG_INSTALL_DONE) + printerName + EnglishText(MSG_INSTALL_DONE_ADVICE);
}

// The script written, run and awaited, and its end reported; the notice shows in automatic installation.
SeenStream ScriptRun(const std::wstring& command, const std::wstring& printerName, bool notice) {
    SeenStream stream = {seen::ScriptWritten(SCRIPT, command), Log(MSG_SCRIPT_WRITTEN, SCRIPT), Log(MSG_SCRIPT_RUNNING),
                         seen::ScriptStarted(SCRIPT, false), seen::TimerStarted(2, 5000)};
    if (notice) {
        stream.push_back(
            seen::Box(Icon::Information, EnglishText(MSG_INSTALL_NOTICE_CAPTION), EnglishText(MSG_INSTALL_NOTICE)));
    }
    return seen::Joined({stream,
                         {seen::TimerKilled(2), seen::ScriptAwaited(180000), seen::Log(Done(printerName)),
                          Box(Icon::Information, Done(printerName))}});
}

} // namespace

TEST(InstallCommand, PicksThatCannotBeInstalledStopBeforeAnythingChanges) {
    const std::wstring ip = L"10.0.0.2";
    const std::wstring longest(259, L'1');
    const SeenStream noPick = {Box(Icon::Warning, EnglishText(MSG_NO_PRINTER_SELECTED))};
    const SeenStream noEcho = {Box(Icon::Warning, EnglishText(MSG_PING_FAILED)), Log(MSG_PING_FAILED)};
    const SeenStream abnormal = {Box(Icon::Warning, EnglishText(MSG_QUEUE_NAME_ABNORMAL))};
    const struct {
        const char* name;
        int selectionMark;
        std::wstring queue;
        std::wstring address;
        bool reachable;
        SeenStream seen;
        std::size_t echoes;
    } cases[] = {
        {"no row picked", -1, L"M1_office", ip, true, noPick, 0},
        {"no echo: the box, then the same line in the log", 1, L"M1_office", ip, false, noEcho, 1},
        {"no echo comes before an empty queue", 1, L"", ip, false, noEcho, 1},
        {"an address of 259 characters is pinged", 1, L"M1_office", longest, false, noEcho, 1},
        {"an address of 260 characters is never pinged", 1, L"M1_office", longest + L"1", true, noEcho, 0},
        {"an empty queue", 1, L"", ip, true, abnormal, 1},
        {"a quote that would end the quoted value", 1, L"M1_\"&calc&\"", ip, true, abnormal, 1},
        {"a percent sign the interpreter expands", 1, L"M1_%COMSPEC%", ip, true, abnormal, 1},
        {"an exclamation mark", 1, L"M1_!x!", ip, true, abnormal, 1},
        {"a line feed that would end the line", 1, L"M1_\ncalc", ip, true, abnormal, 1},
        {"a tab", 1, L"M1_\tx", ip, true, abnormal, 1},
        {"0x7F", 1, L"M1_\x7F", ip, true, abnormal, 1},
    };
    for (const auto& testCase : cases) {
        Installation installation(L"Office", testCase.queue);
        installation.window.selectionMark = testCase.selectionMark;
        installation.window.rows[1][PRINTER_LIST_COLUMN_ADDRESS] = testCase.address;
        installation.icmp.up = {std::string(testCase.address.begin(), testCase.address.end())};
        if (!testCase.reachable) {
            installation.icmp.up.clear();
        }
        installation.command.OnInstall();
        EXPECT_EQ(installation.window.seen, testCase.seen) << testCase.name;
        EXPECT_EQ(installation.target.StalePrinterName, L"Earlier printer") << testCase.name;
        EXPECT_EQ(installation.icmp.echoes.size(), testCase.echoes) << testCase.name;
        EXPECT_TRUE(installation.spooler.deleted.empty() && installation.file.writes == 0) << testCase.name;
    }
}

TEST(InstallCommand, TheEchoIsOneRequestOfElevenBytes) {
    Installation installation;
    installation.command.OnInstall();
    ASSERT_EQ(installation.icmp.echoes.size(), 1u);
    const FakeIcmpEcho::Echoed& echo = installation.icmp.echoes[0];
    EXPECT_EQ(echo.address, "10.0.0.2");
    EXPECT_EQ(echo.data, "Data Buffer");
    EXPECT_EQ(echo.replyBufferBytes, 67u);
    EXPECT_EQ(echo.timeout, 1000u);
}

TEST(InstallCommand, WhatAPersonSeesOfEachInstallation) {
    using Deletion = IPrinterSpooler::Deletion;
    const std::wstring printer = L"M1_office on " + PORT;
    const std::wstring failed = EnglishText(MSG_REMOVAL_FAILED) + L"Office" + EnglishText(MSG_REMOVAL_FAILED_ADVICE);
    const SeenStream removing = {Log(MSG_PREPARING_INSTALL, L"M1_office"), Log(MSG_REMOVING_PRINTER, L"Office")};
    const SeenStream removalFailed = seen::Joined({seen::CommandButtons(false),
                                                   removing,
                                                   {seen::Log(failed), Box(Icon::Warning, failed)},
                                                   seen::CommandButtons(true)});
    const struct {
        const char* name;
        uint32_t installMode;
        std::wstring stalePrinter;
        std::optional<Deletion> deletion;
        bool threadStarts;
        bool clipboardHeld;
        SeenStream seen;
    } cases[] = {
        {"automatic, the printer installed at another address removed first", 1, L"Office", Deletion{true, true, 0},
         true, false,
         seen::Joined({seen::CommandButtons(false),
                       removing,
                       {seen::PrinterDeleted(L"Office"), Log(MSG_PRINTER_REMOVED, L"Office"),
                        Log(MSG_INSTALLING_PRINTER, L"M1_office")},
                       ScriptRun(InstallationForm(printer, PORT), printer, true),
                       seen::CommandButtons(true)})},
        {"guided: the address on the clipboard, the box, then the steps", 0, L"", std::nullopt, true, false,
         seen::Joined({seen::CommandButtons(false),
                       {Log(MSG_PREPARING_INSTALL, L"M1_office"), Log(MSG_INSTALLING_PRINTER, L"M1_office"),
                        seen::Clipboard(PORT),
                        seen::Box(Icon::Information, EnglishText(MSG_GUIDANCE_CAPTION), EnglishText(MSG_GUIDANCE_BOX)),
                        Log(MSG_GUIDANCE_COPIED), Log(MSG_GUIDANCE_STEP_1), Log(MSG_GUIDANCE_STEP_2),
                        Log(MSG_GUIDANCE_STEP_3_PASTE), Log(MSG_GUIDANCE_STEP_4)},
                       ScriptRun(WIZARD_FORM, L"M1 office (wizard)", false),
                       seen::CommandButtons(true)})},
        {"guided while another program holds the clipboard: the address to type in", 0, L"", std::nullopt, true, true,
         seen::Joined(
             {seen::CommandButtons(false),
              {Log(MSG_PREPARING_INSTALL, L"M1_office"), Log(MSG_INSTALLING_PRINTER, L"M1_office"),
               seen::Box(Icon::Information, EnglishText(MSG_GUIDANCE_CAPTION),
                         EnglishText(MSG_GUIDANCE_BUSY_BOX_START) + PORT + EnglishText(MSG_GUIDANCE_BUSY_BOX_END)),
               seen::Log(EnglishText(MSG_GUIDANCE_BUSY_LINE_START) + PORT + EnglishText(MSG_GUIDANCE_BUSY_LINE_END)),
               Log(MSG_GUIDANCE_BUSY_STEP_1), Log(MSG_GUIDANCE_BUSY_STEP_2), Log(MSG_GUIDANCE_BUSY_STEP_3_TYPE),
               Log(MSG_GUIDANCE_BUSY_STEP_4)},
              ScriptRun(WIZARD_FORM, L"M1 office (wizard)", false),
              seen::CommandButtons(true)})},
        {"the stale printer removed by hand since the search", 1, L"Office", std::nullopt, true, false, removalFailed},
        {"the spooler refuses the removal", 1, L"Office", Deletion{true, false, 5}, true, false, removalFailed},
        {"no thread for the removal", 1, L"Office", Deletion{true, true, 0}, false, false, removalFailed},
    };
    for (const auto& testCase : cases) {
        Installation installation(testCase.stalePrinter);
        installation.configuration.InstallMode = testCase.installMode;
        if (testCase.deletion) {
            installation.spooler.deletions[testCase.stalePrinter] = *testCase.deletion;
        }
        installation.worker.failsToStart = !testCase.threadStarts;
        installation.clipboard.heldByAnotherProgram = testCase.clipboardHeld;
        installation.ScriptAdds(testCase.installMode == 0 ? L"M1 office (wizard)" : printer, PORT);
        installation.command.OnInstall();
        EXPECT_EQ(installation.window.seen, testCase.seen) << testCase.name;
    }
}

TEST(InstallCommand, AnyInstallModeButZeroInstallsAutomatically) {
    const std::wstring printer = L"M1_office on " + PORT;
    const struct {
        uint32_t installMode;
        std::wstring command;
    } cases[] = {
        {0, WIZARD_FORM},
        {1, InstallationForm(printer, PORT)},
        {2, InstallationForm(printer, PORT)},
        {0xFFFFFFFF, InstallationForm(printer, PORT)},
    };
    for (const auto& testCase : cases) {
        Installation installation;
        installation.configuration.InstallMode = testCase.installMode;
        installation.command.OnInstall();
        EXPECT_TRUE(installation.Saw(seen::ScriptWritten(SCRIPT, testCase.command))) << testCase.installMode;
        EXPECT_EQ(installation.Saw(seen::Clipboard(PORT)), testCase.installMode == 0) << testCase.installMode;
    }
}

TEST(InstallCommand, ThePickedRowsRecordIsFoundByItsQueueAndAddress) {
    const std::wstring zeroed(L"M1_office\0\0\0", 12);
    const struct {
        const char* name;
        std::vector<Found> records;
        std::vector<Found> rows; // empty: as the records
        int pick;
        InstallTarget target;
        std::wstring printerName;
    } cases[] = {
        {"the row's own record",
         {{L"10.0.0.9", L"M1_other", L"Other"}, {L"10.0.0.2", L"M1_office", L"Office"}},
         {},
         1,
         {L"Office", L"10.0.0.2", L"M1_office", PORT},
         L"M1_office on " + PORT},
        {"two records of one queue at different addresses, the second picked",
         {{L"10.0.0.2", L"M1_office", L"Front"}, {L"10.0.0.3", L"M1_office", L"Back"}},
         {},
         1,
         {L"Back", L"10.0.0.3", L"M1_office", PortOf(L"10.0.0.3", L"M1_office")},
         L"M1_office on " + PortOf(L"10.0.0.3", L"M1_office")},
        {"two queues of one print server, the second picked",
         {{L"10.0.0.2", L"M1_front", L"Front"}, {L"10.0.0.2", L"M1_office", L"Office"}},
         {},
         1,
         {L"Office", L"10.0.0.2", L"M1_office", PORT},
         L"M1_office on " + PORT},
        {"a row whose index differs from its record's",
         {{L"10.0.0.9", L"M1_other", L"Other"}, {L"10.0.0.2", L"M1_office", L"Office"}},
         {{L"10.0.0.2", L"M1_office", L""}, {L"10.0.0.9", L"M1_other", L""}},
         0,
         {L"Office", L"10.0.0.2", L"M1_office", PORT},
         L"M1_office on " + PORT},
        {"a pick that matches no record: the earlier target is not kept",
         {{L"10.0.0.9", L"M1_other", L"Other"}},
         {{L"10.0.0.2", L"M1_office", L""}},
         0,
         {},
         L" on "},
        {"a queue that holds zero characters, by its text before the first",
         {{L"10.0.0.2", zeroed, L""}},
         {{L"10.0.0.2", L"M1_office", L""}},
         0,
         {L"", L"10.0.0.2", zeroed, PortOf(L"10.0.0.2", zeroed)},
         L"M1_office"},
    };
    for (const auto& testCase : cases) {
        Installation installation;
        installation.configuration.InstallMode = 1;
        installation.Records(testCase.records, testCase.rows);
        installation.window.selectionMark = testCase.pick;
        installation.ScriptAdds(testCase.printerName, testCase.target.PortAddress);
        for (const wchar_t* printer : {L"Earlier printer", L"Office", L"Front", L"Back"}) {
            installation.spooler.deletions[printer] = {true, true, 0};
        }
        installation.command.OnInstall();

        EXPECT_EQ(installation.target.StalePrinterName, testCase.target.StalePrinterName) << testCase.name;
        EXPECT_EQ(installation.target.IpAddress, testCase.target.IpAddress) << testCase.name;
        EXPECT_EQ(installation.target.QueueName, testCase.target.QueueName) << testCase.name;
        EXPECT_EQ(installation.target.PortAddress, testCase.target.PortAddress) << testCase.name;
        EXPECT_EQ(installation.spooler.deleted, testCase.target.StalePrinterName.empty()
                                                    ? std::vector<std::wstring>{}
                                                    : std::vector<std::wstring>{testCase.target.StalePrinterName})
            << testCase.name;
        const std::wstring port(testCase.target.PortAddress.c_str());
        EXPECT_TRUE(installation.Saw(seen::ScriptWritten(SCRIPT, InstallationForm(testCase.printerName, port))))
            << testCase.name;
        EXPECT_TRUE(installation.Saw(seen::Log(Done(testCase.printerName)))) << testCase.name;
    }
}

TEST(InstallCommand, TheGuidanceGivesTheAddressUpToItsFirstZero) {
    for (const bool clipboardHeld : {false, true}) {
        Installation installation(L"", std::wstring(L"M1_office\0\0\0", 12));
        installation.window.rows[1][PRINTER_LIST_COLUMN_QUEUE_NAME] = L"M1_office";
        installation.clipboard.heldByAnotherProgram = clipboardHeld;
        installation.command.OnInstall();
        EXPECT_TRUE(clipboardHeld ? installation.Saw(seen::Log(EnglishText(MSG_GUIDANCE_BUSY_LINE_START) + PORT +
                                                               EnglishText(MSG_GUIDANCE_BUSY_LINE_END)))
                                  : installation.Saw(seen::Clipboard(PORT)))
            << clipboardHeld;
    }
}

TEST(InstallCommand, TheNoticeTimerClosesTheNoticeByItsTitle) {
    Installation installation;
    installation.command.OnNoticeTimer();
    EXPECT_EQ(installation.window.seen, (SeenStream{seen::AskedToClose(EnglishText(MSG_NOTICE_WINDOW_TITLE)),
                                                    seen::TimerKilled(TIMER_INSTALL_NOTICE)}));
}
