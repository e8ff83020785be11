#include "discovery/MdnsListener.h"

#include <gtest/gtest.h>

#include "fakes/FakeMdnsSocket.h"
#include "fakes/FakeSleeper.h"
#include "support/Datagrams.h"

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
        ListenerContext context{socket, socket, output, sleeper, handoff, search, [this] {
                                    forwarded.push_back({handoff.Slot.SenderAddress.data(), handoff.Slot.Datagram});
                                }};
        return MdnsListenerThread(context);
    }
};

const std::string GBK_CLIENT_ADDRESS = "\xBF\xCD\xBB\xA7\xB6\xCB\xB5\xD8\xD6\xB7\xA3\xBA";

} // namespace

TEST(MdnsListener, StartUpStepsAndTheirExitCodes) {
    const std::vector<std::string> fullStart = {"component runtime", "socket library",   "socket", "reuse address",
                                                "bind 5353",         "join 224.0.0.251", "send"};
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
        {"join 224.0.0.251", 0, true, true, {}},
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
            const std::vector<std::string> start(listener.socket.calls.begin(), listener.socket.calls.begin() + 7);
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
        {"exactly 1024 bytes", std::string(1024, 'a'), true},
        {"1025 bytes", std::string(1025, 'a'), false},
        {"no bytes", "", false},
        {"a short datagram", "short", true},
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
    listener.socket.arrivals = {{"first", "10.0.0.2"}, {"second", "10.0.0.3"}};
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
    listener.socket.arrivals = {{"after the end", "10.0.0.2"}, {"never received", "10.0.0.3"}};
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
    listener.socket.arrivals = {
        {"during its search", "10.0.0.2"}, {"after the next search began", "10.0.0.3"}, {"never received", "10.0.0.4"}};
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
