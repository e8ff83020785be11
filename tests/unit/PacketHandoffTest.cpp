#include "discovery/PacketHandoff.h"

#include <gtest/gtest.h>

#include <cstring>

#include "discovery/IppAddress.h"
#include "fakes/FakeSleeper.h"
#include "support/Datagrams.h"

namespace {

struct Handoff {
    DiscoveryHandoff handoff;
    FakeSleeper sleeper;
    int sends = 0;
    std::string senderSeenBySend;
    int32_t stateSeenBySend = -1;

    HandOffResult HandOff(const std::string& sender, const std::string& bytes, uint32_t search = 0) {
        return ListenerHandOff(handoff, search, sender, DatagramOf(bytes), sleeper, [this] {
            ++sends;
            stateSeenBySend = handoff.HandoffState.load();
            senderSeenBySend = handoff.Slot.SenderAddress.data();
        });
    }
    TakeResult Take(ReceivedDatagram& received) {
        return TakeHandedOffDatagram(handoff, sleeper, IsIPv4Text, received);
    }
};

} // namespace

TEST(PacketHandoff, ListenerFillsTheWholeSlotAndFreesItBeforeSending) {
    Handoff h;
    ASSERT_EQ(h.HandOff("192.168.100.200", "first datagram, the longer one"), HandOffResult::Forwarded);
    ASSERT_EQ(h.HandOff("10.0.0.2", "second"), HandOffResult::Forwarded);
    EXPECT_EQ(h.sends, 2);
    EXPECT_EQ(h.stateSeenBySend, HANDOFF_FREE) << "the window waits for a free slot before it reads";
    const std::array<char, 16> expectedSender = {'1', '0', '.', '0', '.', '0', '.', '2'};
    EXPECT_EQ(h.handoff.Slot.SenderAddress, expectedSender) << "nothing of the longer address is left";
    EXPECT_EQ(h.handoff.Slot.Datagram, DatagramOf("second")) << "nothing of the longer datagram is left";
    EXPECT_EQ(h.sleeper.sleeps, 0);

    ASSERT_EQ(h.HandOff("255.255.255.255", std::string(1024, 'x')), HandOffResult::Forwarded);
    EXPECT_EQ(std::string(h.handoff.Slot.SenderAddress.data(), 15), "255.255.255.255");
    EXPECT_EQ(h.handoff.Slot.SenderAddress[15], '\0');
    EXPECT_EQ(h.handoff.Slot.Datagram, DatagramOf(std::string(1024, 'x'))) << "a datagram of 1024 bytes whole";
}

TEST(PacketHandoff, EachSideLooksAtABusySlotTenTimes) {
    const struct {
        const char* name;
        int32_t busyAs;
        int freedDuringSleep; // 0: never
        bool handedOver;
        int sleeps;
    } cases[] = {
        {"busy while the window reads: given up after ten looks", HANDOFF_READING, 0, false, 10},
        {"busy while another listener fills: given up after ten looks", HANDOFF_FILLING, 0, false, 10},
        {"freed during the ninth wait: taken at the tenth look", HANDOFF_READING, 9, true, 9},
    };
    for (const bool listenerSide : {true, false}) {
        for (const auto& testCase : cases) {
            Handoff h;
            if (!listenerSide) {
                h.HandOff("10.0.0.2", "datagram");
            }
            h.handoff.HandoffState = testCase.busyAs;
            h.sleeper.onSleep = [&h, &testCase](int sleep) {
                if (sleep == testCase.freedDuringSleep) {
                    h.handoff.HandoffState = HANDOFF_FREE;
                }
            };
            ReceivedDatagram received;
            const bool handedOver = listenerSide ? h.HandOff("10.0.0.2", "datagram") == HandOffResult::Forwarded
                                                 : h.Take(received) == TakeResult::Taken;
            const char* side = listenerSide ? "listener: " : "window: ";
            EXPECT_EQ(handedOver, testCase.handedOver) << side << testCase.name;
            EXPECT_EQ(h.sleeper.sleeps, testCase.sleeps) << side << testCase.name;
            if (!testCase.handedOver) {
                EXPECT_EQ(h.handoff.HandoffState.load(), testCase.busyAs)
                    << side << "a slot never got is left as it was";
            }
        }
    }
}

TEST(PacketHandoff, WindowTakesACopyAndZeroesTheSlot) {
    Handoff h;
    h.HandOff("10.0.0.2", "datagram");
    ReceivedDatagram received;
    ASSERT_EQ(h.Take(received), TakeResult::Taken);
    EXPECT_STREQ(received.SenderAddress.data(), "10.0.0.2");
    EXPECT_EQ(received.Datagram, DatagramOf("datagram"));
    EXPECT_EQ(h.handoff.HandoffState.load(), HANDOFF_READING);
    EXPECT_EQ(h.handoff.Slot.Datagram, DatagramOf(""));
    EXPECT_EQ(h.handoff.Slot.SenderAddress, (std::array<char, 16>{}));
    ReleaseHandoff(h.handoff);
    EXPECT_EQ(h.handoff.HandoffState.load(), HANDOFF_FREE);
}

TEST(PacketHandoff, SendersThatAreNotAddressesAreDroppedWithTheSlotLeftAsItIs) {
    for (const char* sender : {"", "printer.local", "10.0.0", "1.2.3.4.5"}) {
        Handoff h;
        h.HandOff(sender, "datagram");
        ReceivedDatagram received;
        EXPECT_EQ(h.Take(received), TakeResult::Dropped) << sender;
        EXPECT_EQ(h.handoff.HandoffState.load(), HANDOFF_FREE) << sender;
        EXPECT_EQ(h.handoff.Slot.Datagram, DatagramOf("datagram")) << sender;
    }
}

TEST(PacketHandoff, TheWindowDropsASlotFilledBeforeANewSearchBegan) {
    Handoff h;
    h.handoff.CurrentSearch = 2;
    h.HandOff("10.0.0.4", "filled during search 2", 2);
    h.handoff.CurrentSearch = 3;
    ReceivedDatagram received;
    EXPECT_EQ(h.Take(received), TakeResult::Dropped);
    EXPECT_EQ(h.handoff.HandoffState.load(), HANDOFF_FREE);
}

TEST(PacketHandoff, EndOfSearchStopsTheListenerAndFreesOnlyAStaleReadingClaim) {
    const struct {
        int32_t before;
        int32_t after;
    } cases[] = {{HANDOFF_FREE, HANDOFF_FREE}, {HANDOFF_READING, HANDOFF_FREE}, {HANDOFF_FILLING, HANDOFF_FILLING}};
    for (const auto& testCase : cases) {
        DiscoveryHandoff handoff;
        handoff.HandoffState = testCase.before;
        StopDiscovery(handoff);
        EXPECT_EQ(handoff.StopSearch.load(), 1);
        EXPECT_EQ(handoff.HandoffState.load(), testCase.after) << testCase.before;
    }
}
