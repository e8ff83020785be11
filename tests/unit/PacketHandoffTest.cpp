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

TEST(PacketHandoff, EachSideGivesUpAfterTenLooksAtABusySlot) {
    for (const int32_t busyAs : {HANDOFF_FILLING, HANDOFF_READING}) {
        Handoff h;
        h.handoff.HandoffState = busyAs;
        EXPECT_EQ(h.HandOff("10.0.0.2", "datagram"), HandOffResult::SlotBusy);
        EXPECT_EQ(h.sleeper.sleeps, 10);
        EXPECT_EQ(h.sends, 0);

        ReceivedDatagram received;
        EXPECT_EQ(h.Take(received), TakeResult::SlotBusy);
        EXPECT_EQ(h.sleeper.sleeps, 20);
        EXPECT_EQ(h.handoff.HandoffState.load(), busyAs) << "the window leaves a slot it never got as it found it";
    }
}

TEST(PacketHandoff, SlotFreedDuringTheLooksIsTakenAtTheNextLook) {
    Handoff h;
    h.handoff.HandoffState = HANDOFF_READING;
    h.sleeper.onSleep = [&h](int sleep) {
        if (sleep == 9) {
            h.handoff.HandoffState = HANDOFF_FREE;
        }
    };
    EXPECT_EQ(h.HandOff("10.0.0.2", "datagram"), HandOffResult::Forwarded);
    EXPECT_EQ(h.sleeper.sleeps, 9);
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

TEST(PacketHandoff, ANewSearchRetiresTheListenersOfEarlierOnes) {
    Handoff h;
    h.handoff.CurrentSearch = 2;
    EXPECT_EQ(h.HandOff("10.0.0.2", "from the first search", 1), HandOffResult::Retired);
    EXPECT_EQ(h.sends, 0);
    EXPECT_EQ(h.handoff.HandoffState.load(), HANDOFF_FREE);
    EXPECT_EQ(h.handoff.Slot.Datagram, DatagramOf("")) << "a retired listener writes nothing";
    EXPECT_EQ(h.HandOff("10.0.0.3", "from the current search", 2), HandOffResult::Forwarded);

    // Filled just before the new search began: the window drops it.
    h.HandOff("10.0.0.4", "filled during search 2", 2);
    h.handoff.CurrentSearch = 3;
    ReceivedDatagram received;
    EXPECT_EQ(h.Take(received), TakeResult::Dropped);
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
