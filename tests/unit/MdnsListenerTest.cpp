#include "discovery/MdnsListener.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>

#include "discovery/DiscoveryResults.h"
#include "fakes/FakeMainWindow.h"
#include "fakes/FakeMdnsSocket.h"
#include "fakes/FakeSleeper.h"
#include "fakes/FakeStringResources.h"
#include "support/Datagrams.h"
#include "support/RecordedAnswers.h"

namespace {

constexpr std::size_t MULTICAST = MDNS_MULTICAST_SOCKET;
constexpr std::size_t UNICAST = MDNS_UNICAST_SOCKET;

struct Forwarded {
    std::string sender;
    DatagramBytes datagram;
};

// A listener whose packet messages reach the window's handling of them, so that its rows can be counted.
struct Listener {
    FakeMdnsDesk desk;
    FakeStandardOutput output;
    FakeSleeper sleeper;
    DiscoveryHandoff handoff;
    std::vector<Forwarded> forwarded;
    std::vector<ListenerNotice> notices;
    FakeMainWindow window;
    FakeStringResources resources = FakeStringResources::WithCatalogues();
    MessageCatalogue catalogue{resources, 2057};
    DiscoveryTables tables;
    SelectedModel selected{1, L"M1", L"Vantrel M1", L"m1.inf"};
    DiscoveryResults results{window, catalogue, handoff, tables, selected, sleeper};

    Listener() {
        // When the script has run out, the search ends, as its timer would.
        desk.onReceive = [this](std::size_t) {
            if (desk.arrivals.empty()) {
                handoff.StopSearch = 1;
            }
        };
    }

    int32_t Run(uint32_t search = 0) {
        ListenerContext context{desk,
                                desk.multicast,
                                desk.unicast,
                                desk,
                                desk,
                                output,
                                sleeper,
                                handoff,
                                search,
                                [this] {
                                    forwarded.push_back({handoff.Slot.SenderAddress.data(), handoff.Slot.Datagram});
                                    results.OnMdnsPacket();
                                },
                                [this] { notices.push_back(TakeListenerNotice(handoff)); }};
        return MdnsListenerThread(context);
    }

    std::vector<std::string> ForwardedSenders() const {
        std::vector<std::string> senders;
        for (const Forwarded& one : forwarded) {
            senders.push_back(one.sender);
        }
        return senders;
    }
};

const std::string GBK_CLIENT_ADDRESS = "\xBF\xCD\xBB\xA7\xB6\xCB\xB5\xD8\xD6\xB7\xA3\xBA";
const std::string START_TRACE = "Setting SO_REUSEADDR...OK.\n";

} // namespace

TEST(MdnsListener, ListensOnWhicheverSocketOpensAndTellsTheWindowWhenNeitherDoes) {
    const std::vector<std::string> start = {"component runtime", "socket library"};
    const std::vector<std::string> multicastOpen = {"multicast: socket", "multicast: reuse address",
                                                    "multicast: bind 5353"};
    const std::vector<std::string> unicastOpen = {"unicast: socket", "unicast: bind 0"};
    const std::vector<std::string> end = {"end socket library", "end component runtime"};
    auto joined = [](std::initializer_list<std::vector<std::string>> parts) {
        std::vector<std::string> all;
        for (const auto& part : parts) {
            all.insert(all.end(), part.begin(), part.end());
        }
        return all;
    };
    const std::vector<std::string> bothAsk = {"list adapters", "multicast: join 224.0.0.251 on 0.0.0.0",
                                              "multicast: send", "unicast: send"};
    const std::vector<std::string> unicastAsks = {"list adapters", "unicast: send"};
    const std::vector<std::string> multicastAsks = {"list adapters", "multicast: join 224.0.0.251 on 0.0.0.0",
                                                    "multicast: send"};
    const struct {
        const char* name;
        std::set<std::string> failing;
        int32_t exitCode;
        std::vector<ListenerNotice> notices;
        std::vector<std::string> calls;
    } cases[] = {
        {"both open",
         {},
         0,
         {},
         joined({start, multicastOpen, unicastOpen, bothAsk, {"multicast: close", "unicast: close"}, end})},
        {"port 5353 held by another program: the unicast socket alone",
         {"multicast: bind 5353"},
         0,
         {},
         joined({start, multicastOpen, {"multicast: close"}, unicastOpen, unicastAsks, {"unicast: close"}, end})},
        {"no multicast socket",
         {"multicast: socket"},
         0,
         {},
         joined({start, {"multicast: socket"}, unicastOpen, unicastAsks, {"unicast: close"}, end})},
        {"the port cannot be shared",
         {"multicast: reuse address"},
         0,
         {},
         joined({start,
                 {"multicast: socket", "multicast: reuse address", "multicast: close"},
                 unicastOpen,
                 unicastAsks,
                 {"unicast: close"},
                 end})},
        {"no unicast socket: the multicast socket alone",
         {"unicast: socket"},
         0,
         {},
         joined({start, multicastOpen, {"unicast: socket"}, multicastAsks, {"multicast: close"}, end})},
        {"the unicast socket cannot be bound",
         {"unicast: bind 0"},
         0,
         {},
         joined({start, multicastOpen, unicastOpen, {"unicast: close"}, multicastAsks, {"multicast: close"}, end})},
        {"neither socket",
         {"multicast: bind 5353", "unicast: bind 0"},
         -1,
         {ListenerNotice::CouldNotListen},
         joined({start, multicastOpen, {"multicast: close"}, unicastOpen, {"unicast: close"}, end})},
        {"no socket library",
         {"socket library"},
         -1,
         {ListenerNotice::CouldNotListen},
         {"component runtime", "socket library", "end component runtime"}},
        {"no component runtime: nothing at all", {"component runtime"}, 0, {}, {"component runtime"}},
        {"both questions fail to leave: still listening",
         {"multicast: send", "unicast: send"},
         0,
         {},
         joined({start, multicastOpen, unicastOpen, bothAsk, {"multicast: close", "unicast: close"}, end})},
    };
    for (const auto& testCase : cases) {
        Listener listener;
        listener.desk.failing = testCase.failing;
        EXPECT_EQ(listener.Run(), testCase.exitCode) << testCase.name;
        EXPECT_EQ(listener.notices, testCase.notices) << testCase.name;
        EXPECT_EQ(listener.desk.calls, testCase.calls) << testCase.name;
    }
}

TEST(MdnsListener, SendsTheIppQueryByteForByteToTheGroupFromEachSocketWithItsOwnIdentifier) {
    Listener listener;
    listener.Run();
    const std::vector<uint8_t> query = {0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00,
                                        0x00, 0x04, 0x5F, 0x69, 0x70, 0x70, 0x04, 0x5F, 0x74, 0x63, 0x70,
                                        0x05, 0x6C, 0x6F, 0x63, 0x61, 0x6C, 0x00, 0x00, 0x0C, 0x00, 0x01};
    std::vector<uint8_t> legacyQuery = query;
    legacyQuery[1] = 0x01;
    EXPECT_EQ(listener.desk.sentBy["multicast"], query);
    EXPECT_EQ(listener.desk.sentBy["unicast"], legacyQuery);
    EXPECT_EQ(listener.desk.sentTo, "224.0.0.251:5353");
}

TEST(MdnsListener, HandlesADatagramOnEitherSocketTheSameWay) {
    const std::string answer = PrinterAnswer("10.0.0.2", "M1_office");
    const std::string other = PrinterAnswer("10.0.0.3", "M1_hall");
    const struct {
        const char* name;
        std::set<std::string> failing;
        std::deque<FakeMdnsDesk::Arrival> arrivals;
        std::vector<std::string> forwarded;
        int rows;
        std::string traced; // after the start-up line, if any
    } cases[] = {
        {"an answer to the group", {}, {{answer, "10.0.0.2", MULTICAST}}, {"10.0.0.2"}, 1, "10.0.0.2"},
        {"an answer by unicast", {}, {{answer, "10.0.0.2", UNICAST}}, {"10.0.0.2"}, 1, "10.0.0.2"},
        {"one printer heard on both: forwarded twice, one row",
         {},
         {{answer, "10.0.0.2", UNICAST}, {answer, "10.0.0.2", MULTICAST}},
         {"10.0.0.2", "10.0.0.2"},
         1,
         "10.0.0.2"},
        {"two printers, one on each",
         {},
         {{answer, "10.0.0.2", MULTICAST}, {other, "10.0.0.3", UNICAST}},
         {"10.0.0.2", "10.0.0.3"},
         2,
         "10.0.0.2"},
        {"port 5353 held: the unicast answer still makes its row",
         {"multicast: bind 5353"},
         {{answer, "10.0.0.2", UNICAST}},
         {"10.0.0.2"},
         1,
         "10.0.0.2"},
        {"noise by unicast is traced, not forwarded", {}, {{"noise", "10.0.0.4", UNICAST}}, {}, 0, "10.0.0.4"},
        {"1025 bytes by unicast: neither traced nor forwarded",
         {},
         {{std::string(1025 - 18, 'a') + ":631/printers/M1_a", "10.0.0.2", UNICAST}},
         {},
         0,
         ""},
        {"exactly 1024 bytes by unicast",
         {},
         {{std::string(1024 - 18, 'a') + ":631/printers/M1_a", "10.0.0.2", UNICAST}},
         {"10.0.0.2"},
         1,
         "10.0.0.2"},
        {"an empty datagram: skipped", {}, {{"", "10.0.0.2", MULTICAST}}, {}, 0, ""},
        {"a failed receive: skipped", {}, {{answer, "10.0.0.2", UNICAST, true}}, {}, 0, ""},
    };
    for (const auto& testCase : cases) {
        Listener listener;
        listener.desk.failing = testCase.failing;
        listener.desk.arrivals = testCase.arrivals;
        listener.Run();
        EXPECT_EQ(listener.ForwardedSenders(), testCase.forwarded) << testCase.name;
        EXPECT_EQ(listener.tables.Discovered.Count, testCase.rows) << testCase.name;
        const std::size_t traceStart = listener.output.written.find(GBK_CLIENT_ADDRESS);
        if (testCase.traced.empty()) {
            EXPECT_EQ(traceStart, std::string::npos) << testCase.name;
        } else {
            ASSERT_NE(traceStart, std::string::npos) << testCase.name;
            EXPECT_EQ(listener.output.written.substr(traceStart + GBK_CLIENT_ADDRESS.size(), testCase.traced.size()),
                      testCase.traced)
                << testCase.name;
        }
    }
}

TEST(MdnsListener, ForwardsTheWholeBufferWithItsZeroBytes) {
    Listener listener;
    const std::string bytes = "x:631/printers/M1";
    listener.desk.arrivals = {{bytes, "255.255.255.255", UNICAST}};
    listener.Run();
    ASSERT_EQ(listener.forwarded.size(), 1u);
    EXPECT_EQ(listener.forwarded[0].datagram, DatagramOf(bytes));
    EXPECT_EQ(listener.forwarded[0].sender, "255.255.255.255");
}

TEST(MdnsListener, TracesEachDatagramUpToItsFirstZeroByte) {
    Listener listener;
    listener.desk.arrivals = {{std::string("text\0hidden", 11), "10.0.0.2"},
                              {std::string("\0\0answer", 8), "10.0.0.3", UNICAST}};
    listener.Run();
    EXPECT_EQ(listener.output.written,
              START_TRACE + GBK_CLIENT_ADDRESS + "10.0.0.2\ntext" + GBK_CLIENT_ADDRESS + "10.0.0.3\n");
}

TEST(MdnsListener, DropsADatagramAfterTenLooksAtABusySlotAndGoesOn) {
    Listener listener;
    listener.desk.arrivals = {{PrinterAnswer("10.0.0.2", "M1_first"), "10.0.0.2"},
                              {PrinterAnswer("10.0.0.3", "M1_second"), "10.0.0.3", UNICAST}};
    listener.handoff.HandoffState = HANDOFF_READING;
    listener.sleeper.onSleep = [&listener](int sleep) {
        if (sleep == 10) {
            listener.handoff.HandoffState = HANDOFF_FREE;
        }
    };
    listener.Run();
    EXPECT_EQ(listener.sleeper.sleeps, 10);
    EXPECT_EQ(listener.ForwardedSenders(), std::vector<std::string>{"10.0.0.3"});
}

TEST(MdnsListener, StopTakesEffectOnlyAfterTheNextDatagram) {
    Listener listener;
    listener.desk.arrivals = {{PrinterAnswer("10.0.0.2", "M1_after_the_end"), "10.0.0.2", UNICAST},
                              {PrinterAnswer("10.0.0.3", "M1_never_received"), "10.0.0.3"}};
    listener.desk.onReceive = [&listener](std::size_t receive) {
        if (receive == 1) {
            listener.handoff.StopSearch = 1; // the timer fires while the listener waits
        }
    };
    EXPECT_EQ(listener.Run(), 0);
    EXPECT_EQ(listener.ForwardedSenders(), std::vector<std::string>{"10.0.0.2"});
    EXPECT_EQ(listener.desk.receives, 1u);

    Listener stopped;
    stopped.handoff.StopSearch = 1;
    stopped.Run();
    EXPECT_FALSE(stopped.desk.sent.empty()) << "the query is still sent";
    EXPECT_EQ(stopped.desk.receives, 0u);
}

TEST(MdnsListener, AListenerRetiredByANewSearchEndsAtItsNextDatagramOnEitherSocket) {
    const std::string printer = PrinterAnswer("10.0.0.3", "M1_after_the_next_began");
    const struct {
        const char* name;
        FakeMdnsDesk::Arrival afterRetirement;
    } cases[] = {
        {"a printer on the multicast socket", {printer, "10.0.0.3", MULTICAST}},
        {"a printer on the unicast socket", {printer, "10.0.0.3", UNICAST}},
        {"noise on the multicast socket", {"noise", "10.0.0.3", MULTICAST}},
        {"noise on the unicast socket", {"noise", "10.0.0.3", UNICAST}},
    };
    for (const auto& testCase : cases) {
        Listener listener;
        listener.handoff.CurrentSearch = 1;
        listener.desk.arrivals = {{PrinterAnswer("10.0.0.2", "M1_during"), "10.0.0.2", UNICAST},
                                  testCase.afterRetirement,
                                  {PrinterAnswer("10.0.0.4", "M1_never_received"), "10.0.0.4", UNICAST},
                                  {PrinterAnswer("10.0.0.5", "M1_never_received"), "10.0.0.5", MULTICAST}};
        listener.desk.onReceive = [&listener](std::size_t receive) {
            if (receive == 2) {
                listener.handoff.CurrentSearch = 2;
                listener.handoff.StopSearch = 0;
            }
        };
        EXPECT_EQ(listener.Run(1), 0) << testCase.name;
        EXPECT_EQ(listener.ForwardedSenders(), std::vector<std::string>{"10.0.0.2"}) << testCase.name;
        EXPECT_EQ(listener.desk.receives, 2u) << testCase.name;
        const std::vector<std::string> last(listener.desk.calls.end() - 4, listener.desk.calls.end());
        EXPECT_EQ(last, (std::vector<std::string>{"multicast: close", "unicast: close", "end socket library",
                                                  "end component runtime"}))
            << testCase.name;
    }
}

TEST(MdnsListener, AFloodOnOneSocketDoesNotKeepTheOtherWaiting) {
    Listener listener;
    for (int noise = 0; noise < 100; ++noise) {
        listener.desk.arrivals.push_back({"noise", "10.0.0.9", MULTICAST});
    }
    listener.desk.arrivals.push_back({PrinterAnswer("10.0.0.2", "M1_office"), "10.0.0.2", UNICAST});
    listener.desk.multicast.pendingDatagram = true;
    listener.desk.unicast.pendingDatagram = true;
    listener.desk.onReceive = [&listener](std::size_t receive) {
        if (receive == 101) {
            listener.handoff.StopSearch = 1;
        }
    };
    listener.Run();
    const auto& receivedOn = listener.desk.receivedOn;
    const auto unicast = std::find(receivedOn.begin(), receivedOn.end(), "unicast");
    ASSERT_NE(unicast, receivedOn.end());
    EXPECT_LE(unicast - receivedOn.begin(), 32) << "looked at after at most 32 datagrams of the flood";
    EXPECT_EQ(listener.desk.waits, 0u) << "nothing waits while datagrams keep coming";
}

TEST(MdnsListener, HandsOverWholeOnlyWhatCanNameAPrinterAndTracesEverything) {
    const struct {
        const char* name;
        std::string bytes;
        bool forwarded;
    } cases[] = {
        {"a printer's answer", PrinterAnswer("10.0.0.2", "M1_office"), true},
        {"a print server's recorded answer", RecordedAnswer("cups-ipp-answer.bin"), true},
        {"the marker at the very end, naming no queue", std::string(1010, '\0') + ":631/printers/", false},
        {"an answer without the marker", std::string("\0\0\x84\0workstation\x05local", 22), false},
        {"the marker in capitals", "x:631/PRINTERS/M1", false},
        {"our own query", std::string(MDNS_IPP_QUERY.begin(), MDNS_IPP_QUERY.end()), false},
        {"our own query from the unicast socket",
         std::string(MDNS_IPP_LEGACY_QUERY.begin(), MDNS_IPP_LEGACY_QUERY.end()), false},
    };
    for (const auto& testCase : cases) {
        Listener listener;
        listener.desk.arrivals = {{testCase.bytes, "10.0.0.2"}};
        listener.Run();
        ASSERT_EQ(listener.forwarded.size(), testCase.forwarded ? 1u : 0u) << testCase.name;
        if (testCase.forwarded) {
            EXPECT_EQ(listener.forwarded[0].datagram, DatagramOf(testCase.bytes)) << testCase.name;
        }
        EXPECT_NE(listener.output.written.find(GBK_CLIENT_ADDRESS + "10.0.0.2\n"), std::string::npos) << testCase.name;
    }
}

TEST(MdnsListener, TheTraceReachesTheOutputBeforeTheListenerWaits) {
    Listener listener;
    listener.desk.arrivals = {{"one", "10.0.0.2"}, {"two", "10.0.0.3"}, {"three", "10.0.0.4", UNICAST}};
    std::vector<std::string> seenBeforeEachReceive;
    listener.desk.onReceive = [&](std::size_t receive) {
        seenBeforeEachReceive.push_back(listener.output.flushed);
        // The second datagram is already there when the first has been received: no flush between them.
        listener.desk.multicast.pendingDatagram = receive == 1;
        if (listener.desk.arrivals.size() == 1) {
            listener.handoff.StopSearch = 1;
        }
    };
    listener.Run();
    const std::string one = GBK_CLIENT_ADDRESS + "10.0.0.2\none";
    const std::string two = GBK_CLIENT_ADDRESS + "10.0.0.3\ntwo";
    const std::string three = GBK_CLIENT_ADDRESS + "10.0.0.4\nthree";
    EXPECT_EQ(seenBeforeEachReceive, (std::vector<std::string>{START_TRACE, START_TRACE, START_TRACE + one + two}));
    EXPECT_EQ(listener.output.flushed, START_TRACE + one + two + three) << "everything when the listener ends";
    EXPECT_EQ(listener.desk.multicast.receiveBufferBytes, 4u * 1024 * 1024);
    EXPECT_EQ(listener.desk.unicast.receiveBufferBytes, 4u * 1024 * 1024);
}

TEST(MdnsListener, AsksOnEveryAdapterThatCanReachPrintersFromBothSockets) {
    const NetworkInterfaceAddress lan{7, "192.168.1.20", true, false, true};
    const NetworkInterfaceAddress vpn{12, "10.8.0.6", true, false, true};
    const NetworkInterfaceAddress loopback{1, "127.0.0.1", true, true, true};
    const NetworkInterfaceAddress down{9, "172.16.0.4", false, false, true};
    const NetworkInterfaceAddress tunnel{14, "100.64.0.2", true, false, false};
    const NetworkInterfaceAddress lanSecondAddress{7, "192.168.1.21", true, false, true};
    const std::vector<std::string> systemsChoice = {"multicast: join 224.0.0.251 on 0.0.0.0", "multicast: send",
                                                    "unicast: send"};
    const std::vector<std::string> unicastOnBoth = {"unicast: send from 192.168.1.20", "unicast: send",
                                                    "unicast: send from 10.8.0.6", "unicast: send"};
    const std::vector<std::string> joinBoth = {"multicast: join 224.0.0.251 on 192.168.1.20",
                                               "multicast: join 224.0.0.251 on 10.8.0.6"};
    auto joined = [](std::initializer_list<std::vector<std::string>> parts) {
        std::vector<std::string> all;
        for (const auto& part : parts) {
            all.insert(all.end(), part.begin(), part.end());
        }
        return all;
    };
    const std::vector<std::string> oneAdapter = {"multicast: join 224.0.0.251 on 192.168.1.20",
                                                 "multicast: send from 192.168.1.20", "multicast: send",
                                                 "unicast: send from 192.168.1.20", "unicast: send"};
    const struct {
        const char* name;
        std::optional<std::vector<NetworkInterfaceAddress>> adapters;
        std::set<std::string> failing;
        std::vector<std::string> calls; // after the listing, up to the first socket closed
    } cases[] = {
        {"one adapter", std::vector{lan}, {}, oneAdapter},
        {"a VPN beside the LAN: joined on both before either is asked",
         std::vector{lan, vpn},
         {},
         joined({joinBoth,
                 {"multicast: send from 192.168.1.20", "multicast: send", "multicast: send from 10.8.0.6",
                  "multicast: send"},
                 unicastOnBoth})},
        {"the loopback, an adapter that is down and one that cannot multicast are left out",
         std::vector{loopback, down, tunnel, lan},
         {},
         oneAdapter},
        {"a second address of one adapter joins and asks once", std::vector{lan, lanSecondAddress}, {}, oneAdapter},
        {"nothing can be listed: the system's choice", std::nullopt, {}, systemsChoice},
        {"no adapter listed: the system's choice", std::vector<NetworkInterfaceAddress>{}, {}, systemsChoice},
        {"none qualifies: the system's choice", std::vector{loopback, down}, {}, systemsChoice},
        {"a failed join: the group is not asked there, the unicast socket still asks",
         std::vector{lan, vpn},
         {"multicast: join 224.0.0.251 on 192.168.1.20"},
         joined({joinBoth, {"multicast: send from 10.8.0.6", "multicast: send"}, unicastOnBoth})},
        {"every join failed: the system's choice for the group, every adapter by unicast",
         std::vector{lan, vpn},
         {"multicast: join 224.0.0.251 on 192.168.1.20", "multicast: join 224.0.0.251 on 10.8.0.6"},
         joined({joinBoth, {"multicast: join 224.0.0.251 on 0.0.0.0", "multicast: send"}, unicastOnBoth})},
        {"an adapter that cannot be chosen for sending is not asked through another",
         std::vector{lan, vpn},
         {"multicast: send from 192.168.1.20", "unicast: send from 10.8.0.6"},
         joined({joinBoth,
                 {"multicast: send from 192.168.1.20", "multicast: send from 10.8.0.6", "multicast: send",
                  "unicast: send from 192.168.1.20", "unicast: send", "unicast: send from 10.8.0.6"}})},
        {"port 5353 held: the unicast socket asks every adapter",
         std::vector{lan, vpn},
         {"multicast: bind 5353"},
         unicastOnBoth},
    };
    for (const auto& testCase : cases) {
        Listener listener;
        listener.desk.adapters = testCase.adapters;
        listener.desk.failing = testCase.failing;
        listener.Run();
        const auto& calls = listener.desk.calls;
        const auto listing = std::find(calls.begin(), calls.end(), "list adapters");
        const auto close =
            std::find_if(listing, calls.end(), [](const std::string& call) { return call.ends_with(": close"); });
        ASSERT_NE(listing, calls.end()) << testCase.name;
        EXPECT_EQ(std::vector<std::string>(listing + 1, close), testCase.calls) << testCase.name;
    }
}

TEST(MdnsListener, AFailureClosesWhatTheListenerHoldsAndTellsTheWindow) {
    const std::vector<std::string> bothClosed = {"multicast: close", "unicast: close", "end socket library",
                                                 "end component runtime"};
    const struct {
        const char* name;
        std::string throwing;
        uint32_t currentSearch; // the listener's is 1
        std::vector<ListenerNotice> notices;
        std::vector<std::string> lastCalls;
    } cases[] = {
        {"listing the adapters", "list adapters", 1, {ListenerNotice::Failed}, bothClosed},
        {"receiving on the unicast socket", "unicast: receive", 1, {ListenerNotice::Failed}, bothClosed},
        {"binding the multicast socket: the socket made is closed",
         "multicast: bind 5353",
         1,
         {ListenerNotice::Failed},
         {"multicast: bind 5353", "multicast: close", "end socket library", "end component runtime"}},
        {"starting the component runtime: nothing to give back",
         "component runtime",
         1,
         {ListenerNotice::Failed},
         {"component runtime"}},
        {"a listener a later search retired tells nothing", "list adapters", 2, {}, bothClosed},
    };
    for (const auto& testCase : cases) {
        Listener listener;
        listener.handoff.CurrentSearch = testCase.currentSearch;
        listener.desk.throwing = testCase.throwing;
        listener.desk.arrivals = {{"noise", "10.0.0.2", UNICAST}};
        EXPECT_EQ(listener.Run(1), LISTENER_EXIT_FAILED) << testCase.name;
        EXPECT_EQ(listener.notices, testCase.notices) << testCase.name;
        const auto& calls = listener.desk.calls;
        ASSERT_GE(calls.size(), testCase.lastCalls.size()) << testCase.name;
        EXPECT_EQ(
            std::vector<std::string>(calls.end() - static_cast<std::ptrdiff_t>(testCase.lastCalls.size()), calls.end()),
            testCase.lastCalls)
            << testCase.name;
    }
}
