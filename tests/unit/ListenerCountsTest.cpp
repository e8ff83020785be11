#include "discovery/ListenerCounts.h"

#include <gtest/gtest.h>

#include <thread>

#include "discovery/MdnsListener.h"
#include "fakes/FakeMdnsSocket.h"
#include "fakes/FakeSleeper.h"
#include "support/Datagrams.h"
#include "support/DnsMessages.h"

namespace {

constexpr uint32_t SEARCH = 7;

// Runs a listener of SEARCH for the model M1 through the arrivals; the search ends when they run out.
SearchCounts HeardBy(std::deque<FakeMdnsDesk::Arrival> arrivals, std::set<std::string> failing = {}) {
    FakeMdnsDesk desk;
    FakeStandardOutput output;
    FakeSleeper sleeper;
    DiscoveryHandoff handoff;
    desk.arrivals = std::move(arrivals);
    desk.failing = std::move(failing);
    desk.adapters =
        std::vector<NetworkInterfaceAddress>{{7, "10.77.0.2", true, false, true}, {8, "10.78.0.2", true, false, true}};
    desk.onIdle = [&] { handoff.StopSearch = 1; };
    handoff.CurrentSearch = SEARCH;
    handoff.Counts.BeginSearch(SEARCH, L"M1");
    ListenerContext context{desk, desk.multicast, desk.unicast, desk, desk,  output, sleeper,
                            desk, handoff,        SEARCH,       3000, [] {}, [] {}};
    MdnsListenerThread(context);
    return handoff.Counts.Snapshot(SEARCH);
}

FakeMdnsDesk::Arrival Answer(const std::string& sender, const std::string& queue) {
    return {PrinterAnswer(sender, queue), sender};
}

} // namespace

TEST(ListenerCounts, WhatTheListenerHeardInOneSearch) {
    const std::string query(MDNS_IPP_QUERY.begin(), MDNS_IPP_QUERY.end());
    const std::string legacyQuery(MDNS_IPP_LEGACY_QUERY.begin(), MDNS_IPP_LEGACY_QUERY.end());
    const auto heard = [](bool listened, uint32_t asked, uint32_t datagrams, uint32_t senders, uint32_t tooLong,
                          uint32_t otherSenders, std::vector<std::wstring> otherQueues) {
        SearchCounts counts;
        counts.Listened = listened;
        counts.CouldNotListen = !listened;
        counts.AdaptersListed = listened;
        counts.AdaptersAsked = asked;
        counts.DatagramsHeard = datagrams;
        counts.DistinctSenders = senders;
        counts.TooLong = tooLong;
        counts.OtherModelSenders = otherSenders;
        counts.OtherModelQueues = std::move(otherQueues);
        return counts;
    };
    const auto with = [&heard](uint32_t datagrams, uint32_t senders, uint32_t tooLong, uint32_t otherSenders,
                               std::vector<std::wstring> otherQueues) {
        return heard(true, 2, datagrams, senders, tooLong, otherSenders, std::move(otherQueues));
    };
    const struct {
        const char* name;
        std::deque<FakeMdnsDesk::Arrival> arrivals;
        std::set<std::string> failing;
        SearchCounts expected;
    } cases[] = {
        {"no socket could listen", {}, {"multicast: bind 5353", "unicast: bind 0"}, heard(false, 0, 0, 0, 0, 0, {})},
        {"every question failed to leave",
         {{query, "10.77.0.2"}},
         {"multicast: send", "unicast: send"},
         heard(true, 0, 0, 0, 0, 0, {})},
        {"its own questions heard back are not counted, a printer of the model is",
         {{query, "10.77.0.2"}, {legacyQuery, "10.77.0.2", MDNS_UNICAST_SOCKET}, Answer("10.77.0.5", "M1_office")},
         {},
         with(1, 1, 0, 0, {})},
        {"a question with more after it is another's", {{query + "x", "10.77.0.3"}}, {}, with(1, 1, 0, 0, {})},
        {"the fixed queue name stands for the model", {Answer("10.77.0.5", "vantrel")}, {}, with(1, 1, 0, 0, {})},
        {"one printer of another model answering twice counts once, its queue named once",
         {Answer("10.77.0.5", "K7_hall"), Answer("10.77.0.5", "K7_hall"), Answer("10.77.0.6", "K7_hall")},
         {},
         with(3, 2, 0, 2, {L"K7_hall"})},
        {"four queues of other models: the first three are named",
         {Answer("10.77.0.5", "K7_a"), Answer("10.77.0.6", "K7_b"), Answer("10.77.0.7", "K7_c"),
          Answer("10.77.0.8", "K7_d"), Answer("10.77.0.9", "M1_lab")},
         {},
         with(5, 5, 0, 4, {L"K7_a", L"K7_b", L"K7_c"})},
        {"two printers of another model reflected by one router count as two",
         {{DnsMessageBytes::Announcing({{"K7_a", {"rp=printers/K7_a"}, "a.local", {{{10, 80, 0, 11}}}},
                                        {"K7_b", {"rp=printers/K7_b"}, "b.local", {{{10, 80, 0, 12}}}}}),
           "10.77.0.1"}},
         {},
         with(1, 1, 0, 2, {L"K7_a", L"K7_b"})},
        {"a queue name cut at a zero byte is named by what shows",
         {Answer("10.77.0.5", std::string("K7\0M1", 5))},
         {},
         with(1, 1, 0, 1, {L"K7"})},
        {"too long to read, and a receive that fails",
         {{std::string(1025, 'x'), "10.77.0.5"}, {"", "10.77.0.6", MDNS_MULTICAST_SOCKET, true}},
         {},
         with(0, 0, 1, 0, {})},
    };
    for (const auto& testCase : cases) {
        const SearchCounts counts = HeardBy(testCase.arrivals, testCase.failing);
        const SearchCounts& expected = testCase.expected;
        EXPECT_EQ(counts.Listened, expected.Listened) << testCase.name;
        EXPECT_EQ(counts.CouldNotListen, expected.CouldNotListen) << testCase.name;
        EXPECT_EQ(counts.AdaptersListed, expected.AdaptersListed) << testCase.name;
        EXPECT_EQ(counts.AdaptersAsked, expected.AdaptersAsked) << testCase.name;
        EXPECT_EQ(counts.DatagramsHeard, expected.DatagramsHeard) << testCase.name;
        EXPECT_EQ(counts.DistinctSenders, expected.DistinctSenders) << testCase.name;
        EXPECT_EQ(counts.TooLong, expected.TooLong) << testCase.name;
        EXPECT_EQ(counts.OtherModelSenders, expected.OtherModelSenders) << testCase.name;
        EXPECT_EQ(counts.OtherModelQueues, expected.OtherModelQueues) << testCase.name;
    }
}

TEST(ListenerCounts, AListenerOfAnEarlierSearchCountsNothingInTheNewOne) {
    ListenerCounts counts;
    counts.BeginSearch(1, L"M1");
    counts.RecordListening(1);
    counts.BeginSearch(2, L"M1");
    counts.RecordDatagram(1, "10.77.0.5", DatagramOf(PrinterAnswer("10.77.0.5", "K7")));
    counts.RecordTooLong(1);
    counts.RecordAdaptersAsked(1, 1);
    const SearchCounts current = counts.Snapshot(2);
    EXPECT_FALSE(current.Listened);
    EXPECT_EQ(current.DatagramsHeard + current.TooLong + current.AdaptersAsked, 0u);
    EXPECT_EQ(counts.Snapshot(1).DatagramsHeard, 0u) << "the earlier search's counts are gone";
}

// Under ThreadSanitizer: a listener still recording after its search ended, while the window reads the counts
// and starts the next search.
TEST(ListenerCounts, TheWindowReadsWhileAListenerStillRecords) {
    ListenerCounts counts;
    counts.BeginSearch(1, L"M1");
    const DatagramBytes datagram = DatagramOf(PrinterAnswer("10.77.0.5", "K7"));
    std::thread listener([&] {
        for (int heard = 0; heard < 2000; ++heard) {
            counts.RecordDatagram(1, "10.77.0." + std::to_string(heard % 50), datagram);
        }
    });
    uint32_t lastHeard = 0;
    for (int look = 0; look < 200; ++look) {
        const SearchCounts snapshot = counts.Snapshot(1);
        EXPECT_GE(snapshot.DatagramsHeard, lastHeard);
        EXPECT_LE(snapshot.OtherModelQueues.size(), OTHER_MODEL_QUEUES_KEPT);
        lastHeard = snapshot.DatagramsHeard;
    }
    counts.BeginSearch(2, L"M1");
    listener.join();
    EXPECT_EQ(counts.Snapshot(2).DatagramsHeard, 0u);
}
