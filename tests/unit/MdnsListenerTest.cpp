#include "discovery/MdnsListener.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>

#include "fakes/FakeMdnsSocket.h"
#include "fakes/FakeSleeper.h"
#include "support/Datagrams.h"
#include "support/RecordedAnswers.h"

namespace {

struct Forwarded {
    std::string sender;
    DatagramBytes datagram;
};

struct Listener {
    FakeMdnsSocket socket;
    FakeStandardOutput output;
    FakeSleeper sleeper;
    DiscoveryHandoff handoff;
    std::vector<Forwarded> forwarded;

    Listener() {
        // When the script has run out, the search ends, as its timer would.
        socket.onReceive = [this](std::size_t) {
            if (socket.arrivals.empty()) {
                handoff.StopSearch = 1;
            }
        };
    }

    int32_t Run(uint32_t search = 0) {
        ListenerContext context{
            socket,  socket,
            socket,  output,
            sleeper, handoff,
            search,  [this] {
                                    forwarded.push_back({handoff.Slot.SenderAddress.data(), handoff.Slot.Datagram}); }};
        return MdnsListenerThread(context);
    }
};

const std::string GBK_CLIENT_ADDRESS = "\xBF\xCD\xBB\xA7\xB6\xCB\xB5\xD8\xD6\xB7\xA3\xBA";

} // namespace

TEST(MdnsListener, StartUpStepsAndTheirExitCodes) {
    const std::vector<std::string> fullStart = {"component runtime",
                                                "socket library",
                                                "socket",
                                                "reuse address",
                                                "bind 5353",
                                                "list adapters",
                                                "join 224.0.0.251 on 0.0.0.0",
                                                "send"};
    const struct {
        const char* failing;
        int32_t exitCode;
        bool traced;
        bool querySent;
        std::vector<std::string> calls;
    } cases[] = {
        {"component runtime", 0, false, false, {"component runtime"}},
        {"socket library", -1, false, false, {"component runtime", "socket library", "end component runtime"}},
        {"socket",
         -1,
         false,
         false,
         {"component runtime", "socket library", "socket", "end socket library", "end component runtime"}},
        {"reuse address",
         -1,
         false,
         false,
         {"component runtime", "socket library", "socket", "reuse address", "close", "end socket library",
          "end component runtime"}},
        {"bind 5353",
         -1,
         true,
         false,
         {"component runtime", "socket library", "socket", "reuse address", "bind 5353", "close", "end socket library",
          "end component runtime"}},
        {"join 224.0.0.251 on 0.0.0.0", 0, true, true, {}},
        {"send", 0, true, true, {}},
        {"nothing", 0, true, true, {}},
    };
    for (const auto& testCase : cases) {
        Listener listener;
        listener.socket.failing = {testCase.failing};
        EXPECT_EQ(listener.Run(), testCase.exitCode) << testCase.failing;
        EXPECT_EQ(listener.output.written.rfind("Setting SO_REUSEADDR...OK.\n", 0) == 0, testCase.traced)
            << testCase.failing;
        EXPECT_EQ(!listener.socket.sent.empty(), testCase.querySent) << testCase.failing;
        if (!testCase.calls.empty()) {
            EXPECT_EQ(listener.socket.calls, testCase.calls) << testCase.failing;
        } else {
            const std::vector<std::string> start(listener.socket.calls.begin(), listener.socket.calls.begin() + 8);
            EXPECT_EQ(start, fullStart) << testCase.failing;
        }
    }
}

TEST(MdnsListener, SendsTheIppQueryOnceByteForByte) {
    Listener listener;
    listener.Run();
    const std::vector<uint8_t> query = {0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00,
                                        0x00, 0x04, 0x5F, 0x69, 0x70, 0x70, 0x04, 0x5F, 0x74, 0x63, 0x70,
                                        0x05, 0x6C, 0x6F, 0x63, 0x61, 0x6C, 0x00, 0x00, 0x0C, 0x00, 0x01};
    EXPECT_EQ(listener.socket.sent, query);
    EXPECT_EQ(listener.socket.sentTo, "224.0.0.251:5353");
    EXPECT_EQ(std::count(listener.socket.calls.begin(), listener.socket.calls.end(), "send"), 1);
}

TEST(MdnsListener, ForwardsWhatFitsTheBufferAndSkipsTheRest) {
    const struct {
        const char* name;
        std::string bytes;
        bool forwarded;
    } cases[] = {
        {"exactly 1024 bytes", std::string(1024 - 18, 'a') + ":631/printers/M1_a", true},
        {"1025 bytes", std::string(1025 - 18, 'a') + ":631/printers/M1_a", false},
        {"no bytes", "", false},
        {"a short datagram", "x:631/printers/M1", true},
    };
    for (const auto& testCase : cases) {
        Listener listener;
        listener.socket.arrivals = {{testCase.bytes, "10.0.0.2"}};
        listener.Run();
        ASSERT_EQ(listener.forwarded.size(), testCase.forwarded ? 1u : 0u) << testCase.name;
        if (testCase.forwarded) {
            EXPECT_EQ(listener.forwarded[0].datagram, DatagramOf(testCase.bytes)) << "followed by zero bytes";
            EXPECT_EQ(listener.forwarded[0].sender, "10.0.0.2");
        } else {
            EXPECT_EQ(listener.output.written, "Setting SO_REUSEADDR...OK.\n") << "not traced: " << testCase.name;
        }
    }
}

TEST(MdnsListener, TracesEachDatagramUpToItsFirstZeroByte) {
    Listener listener;
    listener.socket.arrivals = {{std::string("text\0hidden", 11), "10.0.0.2"},
                                {std::string("\0\0answer", 8), "10.0.0.3"}};
    listener.Run();
    EXPECT_EQ(listener.output.written, "Setting SO_REUSEADDR...OK.\n" + GBK_CLIENT_ADDRESS + "10.0.0.2\ntext" +
                                           GBK_CLIENT_ADDRESS + "10.0.0.3\n");
}

TEST(MdnsListener, DropsADatagramAfterTenLooksAtABusySlotAndGoesOn) {
    Listener listener;
    listener.socket.arrivals = {{PrinterAnswer("10.0.0.2", "M1_first"), "10.0.0.2"},
                                {PrinterAnswer("10.0.0.3", "M1_second"), "10.0.0.3"}};
    listener.handoff.HandoffState = HANDOFF_READING;
    listener.sleeper.onSleep = [&listener](int sleep) {
        if (sleep == 10) {
            listener.handoff.HandoffState = HANDOFF_FREE;
        }
    };
    listener.Run();
    EXPECT_EQ(listener.sleeper.sleeps, 10);
    ASSERT_EQ(listener.forwarded.size(), 1u);
    EXPECT_EQ(listener.forwarded[0].sender, "10.0.0.3");
}

TEST(MdnsListener, StopTakesEffectOnlyAfterTheNextDatagram) {
    Listener listener;
    listener.socket.arrivals = {{PrinterAnswer("10.0.0.2", "M1_after_the_end"), "10.0.0.2"},
                                {PrinterAnswer("10.0.0.3", "M1_never_received"), "10.0.0.3"}};
    listener.socket.onReceive = [&listener](std::size_t receive) {
        if (receive == 1) {
            listener.handoff.StopSearch = 1; // the timer fires while the listener waits
        }
    };
    EXPECT_EQ(listener.Run(), 0);
    ASSERT_EQ(listener.forwarded.size(), 1u);
    EXPECT_EQ(listener.forwarded[0].sender, "10.0.0.2");
    EXPECT_EQ(listener.socket.receives, 1u);
    EXPECT_EQ(listener.socket.calls.back(), "end component runtime");

    Listener stopped;
    stopped.handoff.StopSearch = 1;
    stopped.Run();
    EXPECT_FALSE(stopped.socket.sent.empty()) << "the query is still sent";
    EXPECT_EQ(stopped.socket.receives, 0u);
}

TEST(MdnsListener, AListenerRetiredByANewSearchForwardsNothingMoreAndEnds) {
    Listener listener;
    listener.handoff.CurrentSearch = 1;
    listener.socket.arrivals = {{PrinterAnswer("10.0.0.2", "M1_during"), "10.0.0.2"},
                                {PrinterAnswer("10.0.0.3", "M1_after_the_next_began"), "10.0.0.3"},
                                {PrinterAnswer("10.0.0.4", "M1_never_received"), "10.0.0.4"}};
    listener.socket.onReceive = [&listener](std::size_t receive) {
        if (receive == 2) {
            listener.handoff.CurrentSearch = 2;
            listener.handoff.StopSearch = 0;
        }
    };
    listener.Run(1);
    ASSERT_EQ(listener.forwarded.size(), 1u);
    EXPECT_EQ(listener.forwarded[0].sender, "10.0.0.2");
    EXPECT_EQ(listener.socket.receives, 2u);
}

TEST(MdnsListener, HandsOverWholeOnlyWhatCanNameAPrinterAndTracesEverything) {
    const struct {
        const char* name;
        std::string bytes;
        bool forwarded;
    } cases[] = {
        {"a printer's answer", PrinterAnswer("10.0.0.2", "M1_office"), true},
        {"a print server's recorded answer", RecordedAnswer("cups-ipp-answer.bin"), true},
        {"the marker at the very end", std::string(1010, '\0') + ":631/printers/", true},
        {"an answer without the marker", std::string("\0\0\x84\0workstation\x05local", 22), false},
        {"the marker in capitals", "x:631/PRINTERS/M1", false},
        {"our own query", std::string(MDNS_IPP_QUERY.begin(), MDNS_IPP_QUERY.end()), false},
    };
    for (const auto& testCase : cases) {
        Listener listener;
        listener.socket.arrivals = {{testCase.bytes, "10.0.0.2"}};
        listener.Run();
        ASSERT_EQ(listener.forwarded.size(), testCase.forwarded ? 1u : 0u) << testCase.name;
        if (testCase.forwarded) {
            EXPECT_EQ(listener.forwarded[0].datagram, DatagramOf(testCase.bytes)) << testCase.name;
            EXPECT_EQ(listener.forwarded[0].sender, "10.0.0.2") << testCase.name;
        }
        EXPECT_NE(listener.output.written.find(GBK_CLIENT_ADDRESS + "10.0.0.2\n"), std::string::npos) << testCase.name;
    }
}

TEST(MdnsListener, TheTraceReachesTheOutputBeforeTheListenerWaits) {
    Listener listener;
    listener.socket.arrivals = {{"one", "10.0.0.2"}, {"two", "10.0.0.3"}, {"three", "10.0.0.4"}};
    std::vector<std::string> seenBeforeEachReceive;
    listener.socket.onReceive = [&](std::size_t receive) {
        seenBeforeEachReceive.push_back(listener.output.flushed);
        // The second datagram is already there when the first has been received: no flush between them.
        listener.socket.pendingDatagram = receive == 1;
        if (listener.socket.arrivals.empty()) {
            listener.handoff.StopSearch = 1;
        }
    };
    listener.Run();
    const std::string start = "Setting SO_REUSEADDR...OK.\n";
    const std::string one = GBK_CLIENT_ADDRESS + "10.0.0.2\none";
    const std::string two = GBK_CLIENT_ADDRESS + "10.0.0.3\ntwo";
    const std::string three = GBK_CLIENT_ADDRESS + "10.0.0.4\nthree";
    EXPECT_EQ(seenBeforeEachReceive,
              (std::vector<std::string>{start, start, start + one + two, start + one + two + three}));
    EXPECT_EQ(listener.output.flushed, listener.output.written) << "everything when the listener ends";
    EXPECT_EQ(listener.socket.receiveBufferBytes, 4u * 1024 * 1024);
}

TEST(MdnsListener, AListenerRetiredByANewSearchAlsoEndsOnADatagramThatNamesNoPrinter) {
    Listener listener;
    listener.handoff.CurrentSearch = 1;
    listener.socket.arrivals = {{"noise", "10.0.0.2"}, {"more noise", "10.0.0.3"}};
    listener.socket.onReceive = [&listener](std::size_t) {
        listener.handoff.CurrentSearch = 2;
        listener.handoff.StopSearch = 0;
    };
    listener.Run(1);
    EXPECT_EQ(listener.socket.receives, 1u);
    EXPECT_TRUE(listener.forwarded.empty());
}

TEST(MdnsListener, JoinsAndAsksOnEveryAdapterThatCanReachPrinters) {
    const NetworkInterfaceAddress lan{7, "192.168.1.20", true, false, true};
    const NetworkInterfaceAddress vpn{12, "10.8.0.6", true, false, true};
    const NetworkInterfaceAddress loopback{1, "127.0.0.1", true, true, true};
    const NetworkInterfaceAddress down{9, "172.16.0.4", false, false, true};
    const NetworkInterfaceAddress tunnel{14, "100.64.0.2", true, false, false};
    const NetworkInterfaceAddress lanSecondAddress{7, "192.168.1.21", true, false, true};
    const std::vector<std::string> systemsChoice = {"join 224.0.0.251 on 0.0.0.0", "send"};
    const struct {
        const char* name;
        std::optional<std::vector<NetworkInterfaceAddress>> adapters;
        std::set<std::string> failing;
        std::vector<std::string> calls; // after the listing, up to the first receive
    } cases[] = {
        {"one adapter", std::vector{lan}, {}, {"join 224.0.0.251 on 192.168.1.20", "send from 192.168.1.20", "send"}},
        {"a VPN beside the LAN: joined on both before either is asked",
         std::vector{lan, vpn},
         {},
         {"join 224.0.0.251 on 192.168.1.20", "join 224.0.0.251 on 10.8.0.6", "send from 192.168.1.20", "send",
          "send from 10.8.0.6", "send"}},
        {"the loopback, an adapter that is down and one that cannot multicast are left out",
         std::vector{loopback, down, tunnel, lan},
         {},
         {"join 224.0.0.251 on 192.168.1.20", "send from 192.168.1.20", "send"}},
        {"a second address of one adapter joins and asks once",
         std::vector{lan, lanSecondAddress},
         {},
         {"join 224.0.0.251 on 192.168.1.20", "send from 192.168.1.20", "send"}},
        {"nothing can be listed: the system's choice", std::nullopt, {}, systemsChoice},
        {"no adapter listed: the system's choice", std::vector<NetworkInterfaceAddress>{}, {}, systemsChoice},
        {"none qualifies: the system's choice", std::vector{loopback, down}, {}, systemsChoice},
        {"a join that fails costs nothing else",
         std::vector{lan, vpn},
         {"join 224.0.0.251 on 192.168.1.20"},
         {"join 224.0.0.251 on 192.168.1.20", "join 224.0.0.251 on 10.8.0.6", "send from 192.168.1.20", "send",
          "send from 10.8.0.6", "send"}},
        {"an adapter that cannot be chosen for sending is not asked through another",
         std::vector{lan, vpn},
         {"send from 192.168.1.20"},
         {"join 224.0.0.251 on 192.168.1.20", "join 224.0.0.251 on 10.8.0.6", "send from 192.168.1.20",
          "send from 10.8.0.6", "send"}},
    };
    for (const auto& testCase : cases) {
        Listener listener;
        listener.socket.adapters = testCase.adapters;
        listener.socket.failing = testCase.failing;
        listener.socket.onReceive = [&listener](std::size_t) { listener.handoff.StopSearch = 1; };
        listener.Run();
        const auto& calls = listener.socket.calls;
        const auto listing = std::find(calls.begin(), calls.end(), "list adapters");
        const auto close = std::find(calls.begin(), calls.end(), "close");
        ASSERT_TRUE(listing < close) << testCase.name;
        EXPECT_EQ(std::vector<std::string>(listing + 1, close), testCase.calls) << testCase.name;
    }
}
