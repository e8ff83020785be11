#include "install/InstallCommand.h"

#include <gtest/gtest.h>

#include "discovery/PrinterListColumns.h"
#include "fakes/FakeInstallPorts.h"
#include "fakes/FakeMainWindow.h"
#include "fakes/FakePrinterSpooler.h"
#include "fakes/FakeStringResources.h"
#include "resource.h"

namespace {

const std::wstring PORT = L"http://10.0.0.2:631/printers/M1_office";
const std::wstring SCRIPT = L"C:\\Velbrix\\PrinterDriver.bat";

// A search found M1_office at 10.0.0.2; the user picked its row.
struct Installation {
    FakeMainWindow window;
    FakeStringResources resources = FakeStringResources::WithCatalogues();
    MessageCatalogue catalogue{resources, 2057};
    Configuration configuration;
    DiscoveryTables tables;
    SelectedModel selected{1, L"M1", L"Vantrel M1", L"drivers\\m1.inf"};
    InstallTarget target{L"earlier", L"earlier", L"earlier", L"earlier"};
    FakeIcmpEcho icmp;
    FakeWorkerThread worker;
    FakePrinterSpooler spooler;
    FakeScriptFile file;
    FakeScriptProcess process;
    FakeClipboard clipboard;
    InstallCommand command{window,
                           catalogue,
                           configuration,
                           tables,
                           selected,
                           target,
                           {icmp, worker, spooler, file, process, clipboard},
                           L"Velbrix"};
    // Whether the three buttons were disabled while a box was open.
    std::vector<bool> disabledWhileBoxOpen;

    explicit Installation(const std::wstring& stalePrinter = L"", const std::wstring& queue = L"M1_office") {
        configuration.ProgramDirectory = L"C:\\Velbrix\\";
        AppendRecord(tables.Discovered, {L"10.0.0.9", L"M1_other", L"http://10.0.0.9:631/printers/M1_other", L""});
        AppendRecord(tables.Discovered, {L"10.0.0.2", queue, L"http://10.0.0.2:631/printers/" + queue, stalePrinter});
        window.rows = {{L"", L"10.0.0.9", L"M1_other"}, {L"", L"10.0.0.2", queue}};
        window.selectionMark = 1;
        icmp.up = {"10.0.0.2", "10.0.0.9"};
        window.whileBoxIsOpen = [this] { disabledWhileBoxOpen.push_back(!window.IsEnabled(IDC_INSTALL)); };
    }
    bool ButtonsEnabled() const {
        return window.IsEnabled(IDC_SEARCH) && window.IsEnabled(IDC_INSTALL) && window.IsEnabled(IDCANCEL);
    }
    std::wstring Boxes() const {
        std::wstring all;
        for (const auto& box : window.boxes) {
            all += box.caption + L"|" + box.text + L"\n";
        }
        return all;
    }
};

std::wstring Line(int id, const std::wstring& value = L"") {
    return EnglishText(id) + value;
}

} // namespace

TEST(InstallCommand, PicksThatCannotBeInstalledStopBeforeAnythingChanges) {
    const struct {
        const char* name;
        int selectionMark;
        std::wstring queue;
        bool reachable;
        int box;
        std::vector<std::wstring> log;
    } cases[] = {
        {"no row picked", -1, L"M1_office", true, MSG_NO_PRINTER_SELECTED, {}},
        {"no echo", 1, L"M1_office", false, MSG_PING_FAILED, {Line(MSG_PING_FAILED)}},
        {"no echo comes before an empty queue", 1, L"", false, MSG_PING_FAILED, {Line(MSG_PING_FAILED)}},
        {"an empty queue", 1, L"", true, MSG_QUEUE_NAME_ABNORMAL, {}},
        {"a quote that would end the quoted value", 1, L"M1_\"&calc&\"", true, MSG_QUEUE_NAME_ABNORMAL, {}},
        {"a percent sign the interpreter expands", 1, L"M1_%COMSPEC%", true, MSG_QUEUE_NAME_ABNORMAL, {}},
        {"an exclamation mark", 1, L"M1_!x!", true, MSG_QUEUE_NAME_ABNORMAL, {}},
        {"a line feed that would end the line", 1, L"M1_\ncalc", true, MSG_QUEUE_NAME_ABNORMAL, {}},
        {"a tab", 1, L"M1_\tx", true, MSG_QUEUE_NAME_ABNORMAL, {}},
        {"0x7F", 1, L"M1_\x7F", true, MSG_QUEUE_NAME_ABNORMAL, {}},
    };
    for (const auto& testCase : cases) {
        Installation installation(L"Office", testCase.queue);
        installation.window.selectionMark = testCase.selectionMark;
        if (!testCase.reachable) {
            installation.icmp.up.clear();
        }
        installation.command.OnInstall();
        EXPECT_EQ(installation.Boxes(), L"Velbrix|" + EnglishText(testCase.box) + L"\n") << testCase.name;
        EXPECT_EQ(installation.window.boxes[0].icon, IMainWindow::BoxIcon::Warning) << testCase.name;
        EXPECT_EQ(installation.window.log, testCase.log) << testCase.name;
        EXPECT_TRUE(installation.window.enabled.empty()) << testCase.name << ": no button touched";
        EXPECT_TRUE(installation.spooler.deleted.empty() && installation.file.writes == 0) << testCase.name;
        EXPECT_EQ(installation.target.QueueName, L"earlier") << testCase.name;
        EXPECT_EQ(installation.icmp.echoes.size(), testCase.selectionMark < 0 ? 0u : 1u) << testCase.name;
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

TEST(InstallCommand, AutomaticInstallationRemovesTheStalePrinterAndRunsTheInstallationForm) {
    Installation installation(L"Office");
    installation.configuration.InstallMode = 1;
    installation.configuration.DisplayConsole = 1;
    installation.spooler.deletions[L"Office"] = {true, true, 0};
    installation.command.OnInstall();

    const std::wstring printer = L"M1_office on " + PORT;
    EXPECT_EQ(
        installation.window.log,
        (std::vector<std::wstring>{Line(MSG_PREPARING_INSTALL, L"M1_office"), Line(MSG_REMOVING_PRINTER, L"Office"),
                                   Line(MSG_PRINTER_REMOVED, L"Office"), Line(MSG_INSTALLING_PRINTER, L"M1_office"),
                                   Line(MSG_SCRIPT_WRITTEN, SCRIPT), Line(MSG_SCRIPT_RUNNING),
                                   Line(MSG_INSTALL_DONE, printer) + EnglishText(MSG_INSTALL_DONE_ADVICE)}));
    EXPECT_EQ(installation.spooler.deleted, std::vector<std::wstring>{L"Office"});
    EXPECT_EQ(installation.file.files.at(SCRIPT), L"rundll32 printui.dll, PrintUIEntry /if /b \"" + printer +
                                                      L"\" /f \"C:\\Velbrix\\drivers\\m1.inf\" /r \"" + PORT +
                                                      L"\" /m \"Vantrel M1\"");
    EXPECT_EQ(installation.process.started, (std::vector<std::pair<std::wstring, bool>>{{SCRIPT, true}}));
    EXPECT_EQ(installation.Boxes(), EnglishText(MSG_INSTALL_NOTICE_CAPTION) + L"|" + EnglishText(MSG_INSTALL_NOTICE) +
                                        L"\nVelbrix|" + installation.window.log.back() + L"\n");
    EXPECT_EQ(installation.window.boxes[0].icon, IMainWindow::BoxIcon::Information);
    EXPECT_EQ(installation.disabledWhileBoxOpen, (std::vector<bool>{true, true}));
    EXPECT_TRUE(installation.ButtonsEnabled());
    EXPECT_TRUE(installation.window.timers.empty());
    EXPECT_EQ(installation.target.StalePrinterName, L"Office");
    EXPECT_EQ(installation.target.PortAddress, PORT);
    EXPECT_EQ(installation.process.started.size(), 1u);
}

TEST(InstallCommand, AStalePrinterThatCannotBeRemovedStopsTheInstallation) {
    const struct {
        const char* name;
        std::optional<IPrinterSpooler::Deletion> deletion;
        bool threadStarts;
    } cases[] = {
        {"removed by hand since the search", std::nullopt, true},
        {"the spooler refuses", IPrinterSpooler::Deletion{true, false, 5}, true},
        {"no thread for the removal", IPrinterSpooler::Deletion{true, true, 0}, false},
    };
    for (const auto& testCase : cases) {
        Installation installation(L"Office");
        if (testCase.deletion) {
            installation.spooler.deletions[L"Office"] = *testCase.deletion;
        }
        installation.worker.failsToStart = !testCase.threadStarts;
        installation.command.OnInstall();
        const std::wstring failed = Line(MSG_REMOVAL_FAILED, L"Office") + EnglishText(MSG_REMOVAL_FAILED_ADVICE);
        EXPECT_EQ(installation.window.log, (std::vector<std::wstring>{Line(MSG_PREPARING_INSTALL, L"M1_office"),
                                                                      Line(MSG_REMOVING_PRINTER, L"Office"), failed}))
            << testCase.name;
        EXPECT_EQ(installation.Boxes(), L"Velbrix|" + failed + L"\n") << testCase.name;
        EXPECT_EQ(installation.file.writes, 0) << testCase.name;
        EXPECT_TRUE(installation.ButtonsEnabled()) << testCase.name;
    }
}

TEST(InstallCommand, GuidedInstallationPutsTheAddressOnTheClipboardOrShowsIt) {
    const std::vector<int> copiedLines = {MSG_GUIDANCE_COPIED, MSG_GUIDANCE_STEP_1, MSG_GUIDANCE_STEP_2,
                                          MSG_GUIDANCE_STEP_3_PASTE, MSG_GUIDANCE_STEP_4};
    for (const bool clipboardHeld : {false, true}) {
        Installation installation;
        installation.clipboard.heldByAnotherProgram = clipboardHeld;
        installation.command.OnInstall();

        std::vector<std::wstring> guidance;
        std::wstring box;
        if (clipboardHeld) {
            box = EnglishText(MSG_GUIDANCE_BUSY_BOX_START) + PORT + EnglishText(MSG_GUIDANCE_BUSY_BOX_END);
            guidance = {EnglishText(MSG_GUIDANCE_BUSY_LINE_START) + PORT + EnglishText(MSG_GUIDANCE_BUSY_LINE_END),
                        Line(MSG_GUIDANCE_BUSY_STEP_1), Line(MSG_GUIDANCE_BUSY_STEP_2),
                        Line(MSG_GUIDANCE_BUSY_STEP_3_TYPE), Line(MSG_GUIDANCE_BUSY_STEP_4)};
            EXPECT_FALSE(installation.clipboard.text.has_value());
        } else {
            box = EnglishText(MSG_GUIDANCE_BOX);
            for (const int line : copiedLines) {
                guidance.push_back(Line(line));
            }
            EXPECT_EQ(installation.clipboard.text, PORT);
        }
        std::vector<std::wstring> log = {Line(MSG_PREPARING_INSTALL, L"M1_office"),
                                         Line(MSG_INSTALLING_PRINTER, L"M1_office")};
        log.insert(log.end(), guidance.begin(), guidance.end());
        const std::wstring done =
            Line(MSG_INSTALL_DONE, L"M1_office on " + PORT) + EnglishText(MSG_INSTALL_DONE_ADVICE);
        log.insert(log.end(), {Line(MSG_SCRIPT_WRITTEN, SCRIPT), Line(MSG_SCRIPT_RUNNING), done});
        EXPECT_EQ(installation.window.log, log) << clipboardHeld;
        EXPECT_EQ(installation.Boxes(), EnglishText(MSG_GUIDANCE_CAPTION) + L"|" + box + L"\nVelbrix|" + done + L"\n")
            << clipboardHeld;
        EXPECT_EQ(installation.file.files.at(SCRIPT), L"rundll32 printui.dll, PrintUIEntry /il /z");
        EXPECT_EQ(installation.process.started, (std::vector<std::pair<std::wstring, bool>>{{SCRIPT, false}}));
        EXPECT_TRUE(installation.spooler.deleted.empty());
        EXPECT_TRUE(installation.ButtonsEnabled());
    }
}

TEST(InstallCommand, TheRecordIsFoundByWhatTheRowShows) {
    Installation installation(L"", std::wstring(L"M1_office\0\0\0", 12));
    installation.window.rows[1][PRINTER_LIST_COLUMN_QUEUE_NAME] = L"M1_office";
    installation.configuration.InstallMode = 1;
    installation.selected.DriverName = L"Vantrel M1 (older search)";
    installation.command.OnInstall();
    EXPECT_EQ(installation.target.IpAddress, L"10.0.0.2");
    EXPECT_EQ(installation.target.QueueName, std::wstring(L"M1_office\0\0\0", 12));
    // A queue name that holds a zero names the printer by its text before the zero, as the record reads.
    const std::wstring& script = installation.file.files.at(SCRIPT);
    EXPECT_NE(script.find(L"/if /b \"M1_office\" "), std::wstring::npos) << std::string(script.begin(), script.end());
    EXPECT_NE(script.find(L"/m \"Vantrel M1 (older search)\""), std::wstring::npos);
}
