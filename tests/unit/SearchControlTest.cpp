#include "discovery/SearchControl.h"

#include <gtest/gtest.h>

#include "fakes/FakeMainWindow.h"
#include "fakes/FakePrinterSpooler.h"
#include "fakes/FakeStringResources.h"
#include "resource.h"

namespace {

class FakeLauncher final : public IListenerLauncher {
public:
    bool starts = true;
    std::vector<uint32_t> started;
    bool StartListener(uint32_t search) override {
        started.push_back(search);
        return starts;
    }
};

struct Search {
    FakeMainWindow window;
    FakeStringResources resources = FakeStringResources::WithCatalogues();
    MessageCatalogue catalogue{resources, 2057};
    Configuration configuration;
    DiscoveryTables tables;
    SelectedModel selected{0, L"previous", L"previous driver", L"previous.inf"};
    DiscoveryHandoff handoff;
    FakePrinterSpooler spooler;
    FakeLauncher launcher;
    SearchControl control{window, catalogue, configuration, tables, selected, handoff, spooler, launcher, L"Velbrix"};

    Search() {
        configuration.SearchDuration = 3;
        configuration.Models = {{1, L"M1|Vantrel M1|drivers\\m1.inf"}, {2, L"A|B|C|D"}};
        window.log = {L"earlier line"};
        AppendRecord(tables.Discovered, {L"10.0.0.9", L"old", L"http://10.0.0.9:631/printers/old", L""});
        window.rows = {{L"", L"10.0.0.9"}};
        handoff.StopSearch = 1;
        spooler.listing.Printers = {{L"Office", L"http://10.0.0.7:631/printers/M1_office", L"Vantrel M1"},
                                    {L"PDF", L"PORTPROMPT:", L"PDF"}};
    }
    bool ButtonsEnabled(bool enabled) const {
        return window.IsEnabled(IDC_SEARCH) == enabled && window.IsEnabled(IDC_INSTALL) == enabled &&
               window.IsEnabled(2) == enabled;
    }
};

} // namespace

TEST(SearchControl, ThePromptOrAnUnknownModelStopsTheSearchWithABox) {
    const struct {
        int selection;
        int message;
        int focus;
        const wchar_t* modelAfter;
    } cases[] = {{0, 117, IDC_MODEL_COMBO, L"previous"}, {3, 118, 2, L""}, {-1, 118, 2, L""}};
    for (const auto& testCase : cases) {
        Search search;
        search.window.modelListSelection = testCase.selection;
        search.control.OnSearch();
        ASSERT_EQ(search.window.boxes.size(), 1u) << testCase.selection;
        EXPECT_EQ(search.window.boxes[0].text, EnglishText(testCase.message));
        EXPECT_EQ(search.window.boxes[0].caption, L"Velbrix");
        EXPECT_EQ(search.window.boxes[0].icon, IMainWindow::BoxIcon::Warning);
        EXPECT_EQ(search.window.focusedControl, testCase.focus) << testCase.selection;
        EXPECT_EQ(search.window.log, std::vector<std::wstring>{L"earlier line"}) << "nothing is logged";
        EXPECT_TRUE(search.window.rows.empty()) << "the list is emptied all the same";
        EXPECT_EQ(search.tables.Discovered.Count, 0);
        EXPECT_EQ(search.selected.Model, testCase.modelAfter);
        EXPECT_TRUE(search.ButtonsEnabled(true));
        EXPECT_TRUE(search.window.timers.empty());
        EXPECT_TRUE(search.launcher.started.empty());
    }
}

TEST(SearchControl, AStartedSearchLogsFourLinesAndDisablesTheButtons) {
    Search search;
    search.window.modelListSelection = 2;
    search.spooler.listing.Printers.push_back({L"A printer", L"http://10.0.0.8:631/printers/A_queue", L"B"});
    search.control.OnSearch();
    EXPECT_EQ(
        search.window.log,
        (std::vector<std::wstring>{EnglishText(MSG_MODEL_ENTRY_READ) + L"A|B|C|D", EnglishText(MSG_CHECKING_INSTALLED),
                                   L"[Notification] Installed printers on the computer:  3,  including the "
                                   L"matching network printers :  1.",
                                   EnglishText(MSG_SEARCHING)}));
    EXPECT_EQ(search.window.logSelection, 3);
    EXPECT_EQ(search.selected.Model, L"A");
    EXPECT_EQ(search.selected.DriverName, L"B");
    EXPECT_EQ(search.selected.DriverPath, L"CD");
    EXPECT_TRUE(search.ButtonsEnabled(false));
    EXPECT_EQ(search.window.timers, (std::map<uint32_t, uint32_t>{{TIMER_SEARCH, 3000}}));
    EXPECT_EQ(search.handoff.StopSearch.load(), 0);
    EXPECT_EQ(search.launcher.started, std::vector<uint32_t>{1});
    EXPECT_EQ(search.tables.Installed.Count, 1);
    EXPECT_TRUE(search.window.boxes.empty());
}

TEST(SearchControl, EachSearchRetiresTheListenersBeforeIt) {
    Search search;
    search.window.modelListSelection = 1;
    search.control.OnSearch();
    search.control.OnTimer(TIMER_SEARCH);
    search.control.OnSearch();
    EXPECT_EQ(search.launcher.started, (std::vector<uint32_t>{1, 2}));
    EXPECT_EQ(search.handoff.CurrentSearch.load(), 2u);
}

TEST(SearchControl, InventoryFailureShowsTheErrorCodeAndEndsTheSearch) {
    Search search;
    search.window.modelListSelection = 1;
    search.spooler.listing = {false, 1722, {}};
    search.control.OnSearch();
    EXPECT_EQ(search.window.log,
              (std::vector<std::wstring>{EnglishText(MSG_MODEL_ENTRY_READ) + L"M1|Vantrel M1|drivers\\m1.inf",
                                         EnglishText(MSG_CHECKING_INSTALLED), L"[异常]Error code is 1722"}));
    ASSERT_EQ(search.window.boxes.size(), 1u);
    EXPECT_EQ(search.window.boxes[0].text, L"[异常]Error code is 1722");
    EXPECT_EQ(search.window.boxes[0].icon, IMainWindow::BoxIcon::None);
    EXPECT_TRUE(search.ButtonsEnabled(true));
    EXPECT_TRUE(search.window.timers.empty());
    EXPECT_TRUE(search.launcher.started.empty());
}

TEST(SearchControl, AListenerThatDoesNotStartLeavesTheTimerRunning) {
    Search search;
    search.window.modelListSelection = 1;
    search.launcher.starts = false;
    search.control.OnSearch();
    ASSERT_EQ(search.window.boxes.size(), 1u);
    EXPECT_EQ(search.window.boxes[0].text, EnglishText(MSG_LISTENER_NOT_STARTED));
    EXPECT_EQ(search.window.boxes[0].icon, IMainWindow::BoxIcon::Warning);
    EXPECT_EQ(search.window.log.back(), EnglishText(MSG_LISTENER_NOT_STARTED));
    EXPECT_TRUE(search.ButtonsEnabled(true));
    EXPECT_EQ(search.window.timers.count(TIMER_SEARCH), 1u);
}

TEST(SearchControl, TheEndOfASearchReportsWhatWasFound) {
    const struct {
        int found;
        std::wstring line;
        IMainWindow::BoxIcon icon;
    } cases[] = {
        {0, EnglishText(MSG_NOTHING_FOUND), IMainWindow::BoxIcon::Warning},
        {3,
         L"[Notification] Searching done. Totally found:  3 matching network printer, you can select the printer to "
         L"install the network printing driver.",
         IMainWindow::BoxIcon::Information},
        {20, L"", IMainWindow::BoxIcon::Information},
    };
    for (const auto& testCase : cases) {
        Search search;
        search.window.modelListSelection = 1;
        search.control.OnSearch();
        for (int printer = 0; printer < testCase.found; ++printer) {
            AppendRecord(search.tables.Discovered, {L"10.0.0." + std::to_wstring(printer + 1), L"M1", L"", L""});
        }
        search.handoff.HandoffState = HANDOFF_READING;
        search.control.OnTimer(TIMER_SEARCH);
        EXPECT_EQ(search.handoff.StopSearch.load(), 1);
        EXPECT_EQ(search.handoff.HandoffState.load(), HANDOFF_FREE);
        EXPECT_TRUE(search.ButtonsEnabled(true));
        EXPECT_TRUE(search.window.timers.empty());
        ASSERT_EQ(search.window.boxes.size(), 1u);
        if (!testCase.line.empty()) {
            EXPECT_EQ(search.window.log.back(), testCase.line);
        } else {
            EXPECT_NE(search.window.log.back().find(L"found:  20 "), std::wstring::npos);
        }
        EXPECT_EQ(search.window.boxes[0].text, search.window.log.back());
        EXPECT_EQ(search.window.boxes[0].icon, testCase.icon);
    }
}

TEST(SearchControl, TheNoticeTimerClosesTheNoticeBoxByItsTitle) {
    Search search;
    search.window.timers[TIMER_INSTALL_NOTICE] = 5000;
    search.control.OnTimer(TIMER_INSTALL_NOTICE);
    EXPECT_EQ(search.window.closedTitles, std::vector<std::wstring>{EnglishText(MSG_NOTICE_WINDOW_TITLE)});
    EXPECT_TRUE(search.window.timers.empty());

    search.control.OnTimer(7);
    EXPECT_EQ(search.window.closedTitles.size(), 1u) << "other timers are ignored";
    EXPECT_EQ(search.window.log, std::vector<std::wstring>{L"earlier line"});
}
