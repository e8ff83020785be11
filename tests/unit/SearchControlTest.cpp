#include "discovery/SearchControl.h"

#include <gtest/gtest.h>

#include "fakes/FakeMainWindow.h"
#include "fakes/FakePrinterSpooler.h"
#include "fakes/FakeStringResources.h"
#include "resource.h"
#include "support/Datagrams.h"

namespace {

using Icon = IMainWindow::BoxIcon;

// Notes how the stop flag stood when each listener started: a listener that found it still set from the
// search before would end at its first datagram.
class FakeLauncher final : public IListenerLauncher {
public:
    explicit FakeLauncher(const DiscoveryHandoff& handoff) : m_handoff(handoff) {}
    bool starts = true;
    std::vector<uint32_t> searches;
    std::vector<int32_t> stopSearchAtStart;
    std::vector<uint32_t> searchMs;

    bool StartListener(uint32_t search, uint32_t milliseconds) override {
        searches.push_back(search);
        searchMs.push_back(milliseconds);
        stopSearchAtStart.push_back(m_handoff.StopSearch.load());
        return starts;
    }

private:
    const DiscoveryHandoff& m_handoff;
};

// A firewall that cannot say anything, as under Wine.
class UnknownFirewall final : public IFirewallPolicy {
public:
    bool ReadFacts(FirewallFacts&) override { return false; }
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
    FakeLauncher launcher{handoff};
    UnknownFirewall firewall;
    SearchControl control{window,  catalogue, configuration, tables,   selected,
                          handoff, spooler,   launcher,      firewall, L"Velbrix"};

    Search() {
        configuration.SearchDuration = 3;
        configuration.Models = {{1, L"M1|Vantrel M1|drivers\\m1.inf"}, {2, L"A|B|C|D"}};
        AppendRecord(tables.Discovered, {L"10.0.0.9", L"old", L"http://10.0.0.9:631/printers/old", L""});
        window.rows = {{L"", L"10.0.0.9"}};
        handoff.StopSearch = 1;
        spooler.listing.Printers = {{L"Office", L"http://10.0.0.7:631/printers/M1_office", L"Vantrel M1"},
                                    {L"PDF", L"PORTPROMPT:", L"PDF"}};
    }
};

std::wstring Log(int id, const std::wstring& value = L"") {
    return seen::Log(EnglishText(id) + value);
}

std::wstring Box(Icon icon, const std::wstring& text) {
    return seen::Box(icon, L"Velbrix", text);
}

// What a started search shows up to the inventory's count line.
SeenStream Started(const std::wstring& modelEntry) {
    return seen::Joined({{seen::PrinterListEmptied()},
                         seen::CommandButtons(false),
                         {seen::LogCleared(), Log(MSG_MODEL_ENTRY_READ, modelEntry), Log(MSG_CHECKING_INSTALLED)}});
}

} // namespace

TEST(SearchControl, ThePromptOrAnUnknownModelStopsTheSearchWithABox) {
    const struct {
        const char* name;
        int selection;
        SeenStream seen;
        const wchar_t* modelAfter;
    } cases[] = {
        {"the prompt: the box, then the focus to the model list",
         0,
         {seen::PrinterListEmptied(), Box(Icon::Warning, EnglishText(MSG_NO_MODEL_CHOSEN)),
          seen::Focus(IDC_MODEL_COMBO)},
         L"previous"},
        {"a model the configuration does not hold",
         3,
         {seen::PrinterListEmptied(), Box(Icon::Warning, EnglishText(MSG_MODEL_NOT_CONFIGURED))},
         L""},
        {"nothing selected",
         -1,
         {seen::PrinterListEmptied(), Box(Icon::Warning, EnglishText(MSG_MODEL_NOT_CONFIGURED))},
         L""},
    };
    for (const auto& testCase : cases) {
        Search search;
        search.window.modelListSelection = testCase.selection;
        search.control.OnSearch();
        EXPECT_EQ(search.window.seen, testCase.seen) << testCase.name;
        EXPECT_EQ(search.tables.Discovered.Count, 0) << testCase.name;
        EXPECT_EQ(search.selected.Model, testCase.modelAfter) << testCase.name;
        EXPECT_TRUE(search.launcher.stopSearchAtStart.empty()) << testCase.name;
    }
}

TEST(SearchControl, AStartedSearchLogsFourLinesAndDisablesTheButtons) {
    Search search;
    search.window.modelListSelection = 2;
    search.spooler.listing.Printers.push_back({L"A printer", L"http://10.0.0.8:631/printers/A_queue", L"B"});
    search.control.OnSearch();
    EXPECT_EQ(search.window.seen,
              seen::Joined({Started(L"A|B|C|D"),
                            {seen::Log(L"[Notification] Installed printers on the computer:  3,  including the "
                                       L"matching network printers :  1."),
                             seen::TimerStarted(TIMER_SEARCH, 3000), Log(MSG_SEARCHING)}}));
    EXPECT_EQ(search.window.logSelection, 3);
    EXPECT_EQ(search.selected.Model, L"A");
    EXPECT_EQ(search.selected.DriverName, L"B");
    EXPECT_EQ(search.selected.DriverPath, L"CD");
    EXPECT_EQ(search.launcher.stopSearchAtStart, std::vector<int32_t>{0});
    EXPECT_EQ(search.launcher.searchMs, std::vector<uint32_t>{3000}) << "the listener ends with the search's timer";
    EXPECT_EQ(search.tables.Installed.Count, 1);
}

TEST(SearchControl, EachSearchCountsTheSearchesUpSoThatEarlierListenersRetire) {
    Search search;
    search.window.modelListSelection = 1;
    search.control.OnSearch();
    search.control.OnSearchTimer();
    search.control.OnSearch();
    EXPECT_EQ(search.launcher.searches, (std::vector<uint32_t>{1, 2}));
    EXPECT_EQ(search.handoff.CurrentSearch.load(), 2u);
}

TEST(SearchControl, ASearchThatCannotGoOnEnablesTheButtonsAgain) {
    const std::wstring countLine =
        L"[Notification] Installed printers on the computer:  2,  including the matching network printers :  1.";
    const struct {
        const char* name;
        bool inventoryFails;
        SeenStream seen;
    } cases[] = {
        {"the inventory fails: the line, then a box without an icon", true,
         seen::Joined({Started(L"M1|Vantrel M1|drivers\\m1.inf"),
                       {seen::Log(L"[异常]Error code is 1722"), Box(Icon::None, L"[异常]Error code is 1722")},
                       seen::CommandButtons(true)})},
        {"the listener does not start: the box, then the line; the timer goes on", false,
         seen::Joined({Started(L"M1|Vantrel M1|drivers\\m1.inf"),
                       {seen::Log(countLine), seen::TimerStarted(TIMER_SEARCH, 3000),
                        Box(Icon::Warning, EnglishText(MSG_LISTENER_NOT_STARTED)), Log(MSG_LISTENER_NOT_STARTED)},
                       seen::CommandButtons(true)})},
    };
    for (const auto& testCase : cases) {
        Search search;
        search.window.modelListSelection = 1;
        if (testCase.inventoryFails) {
            search.spooler.listing = {false, 1722, {}};
        }
        search.launcher.starts = false;
        search.control.OnSearch();
        EXPECT_EQ(search.window.seen, testCase.seen) << testCase.name;
    }
}

TEST(SearchControl, TheEndOfASearchReportsWhatWasFound) {
    const auto found = [](int count) {
        return L"[Notification] Searching done. Totally found:  " + std::to_wstring(count) +
               L" matching network printer, you can select the printer to install the network printing driver.";
    };
    // What the listener heard: printers of another model; every search that lists one says nothing of them.
    const auto heardOtherModel = [](ListenerCounts& counts, uint32_t search) {
        counts.RecordListening(search);
        counts.RecordAdaptersAsked(search, 1);
        counts.RecordDatagram(search, "10.0.0.5", DatagramOf(PrinterAnswer("10.0.0.5", "K7_hall")));
    };
    const struct {
        int found;
        std::wstring line;
        Icon icon;
        SeenStream after;
    } cases[] = {
        {0,
         EnglishText(MSG_NOTHING_FOUND),
         Icon::Warning,
         {seen::Log(L"[Notification] 1 printer answered, but it is not a M1: K7_hall.")}},
        {3, found(3), Icon::Information, {}},
        {20, found(20), Icon::Information, {}},
    };
    for (const auto& testCase : cases) {
        Search search;
        search.window.modelListSelection = 1;
        search.control.OnSearch();
        heardOtherModel(search.handoff.Counts, search.handoff.CurrentSearch.load());
        for (int printer = 0; printer < testCase.found; ++printer) {
            AppendRecord(search.tables.Discovered, {L"10.0.0." + std::to_wstring(printer + 1), L"M1", L"", L""});
        }
        search.handoff.HandoffState = HANDOFF_READING;
        search.window.seen.clear();
        search.control.OnSearchTimer();
        EXPECT_EQ(search.window.seen, seen::Joined({seen::CommandButtons(true),
                                                    {seen::TimerKilled(TIMER_SEARCH), seen::Log(testCase.line),
                                                     Box(testCase.icon, testCase.line)},
                                                    testCase.after}))
            << testCase.found;
        EXPECT_EQ(search.handoff.StopSearch.load(), 1);
        EXPECT_EQ(search.handoff.HandoffState.load(), HANDOFF_FREE);
    }
}

TEST(SearchControl, AListenerThatCouldNotListenEndsTheSearchAtOnceAndOneThatFailedFailsTheHandler) {
    const std::wstring cannotListen = EnglishText(MSG_CANNOT_LISTEN);
    const SeenStream endedAtOnce =
        seen::Joined({seen::CommandButtons(true),
                      {seen::TimerKilled(TIMER_SEARCH), seen::Log(cannotListen), Box(Icon::Warning, cannotListen)}});
    const struct {
        const char* name;
        ListenerNotice notice;
        uint32_t noticeSearch; // the search is number 1
        bool searchEnded;
        SeenStream seen;
        bool fails;
    } cases[] = {
        {"could not listen: the search ends with its own words", ListenerNotice::CouldNotListen, 1, false, endedAtOnce,
         false},
        {"could not listen, after the search's end: nothing more", ListenerNotice::CouldNotListen, 1, true, {}, false},
        {"the listener of an earlier search: nothing", ListenerNotice::CouldNotListen, 0, false, {}, false},
        {"no notice", ListenerNotice::None, 1, false, {}, false},
        {"the listener failed", ListenerNotice::Failed, 1, false, {}, true},
    };
    for (const auto& testCase : cases) {
        Search search;
        search.window.modelListSelection = 1;
        search.control.OnSearch();
        if (testCase.searchEnded) {
            search.control.OnSearchTimer();
        }
        search.window.seen.clear();
        // A listener of an earlier search left its notice just before this search began.
        search.handoff.CurrentSearch = testCase.noticeSearch;
        PostListenerNotice(search.handoff, testCase.noticeSearch, testCase.notice);
        search.handoff.CurrentSearch = 1;
        if (testCase.fails) {
            EXPECT_THROW(search.control.OnListenerNotice(), ListenerFailure) << testCase.name;
        } else {
            search.control.OnListenerNotice();
        }
        EXPECT_EQ(search.window.seen, testCase.seen) << testCase.name;
        EXPECT_EQ(search.handoff.StopSearch.load(), testCase.searchEnded || !testCase.seen.empty() ? 1 : 0)
            << testCase.name;
    }
}
