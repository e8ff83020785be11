#include "discovery/DiscoveryResults.h"

#include <gtest/gtest.h>

#include "discovery/DatagramScan.h"
#include "discovery/PrinterListColumns.h"
#include "discovery/VisibleText.h"
#include "fakes/FakeMainWindow.h"
#include "fakes/FakeSleeper.h"
#include "fakes/FakeStringResources.h"
#include "support/Datagrams.h"
#include "support/DnsMessages.h"

namespace {

struct Search {
    FakeMainWindow window;
    FakeStringResources resources = FakeStringResources::WithCatalogues();
    MessageCatalogue catalogue{resources, 2057};
    DiscoveryHandoff handoff;
    DiscoveryTables tables;
    SelectedModel selected{1, L"M1", L"Vantrel M1", L"m1.inf"};
    FakeSleeper sleeper;
    DiscoveryResults results{window, catalogue, handoff, tables, selected, sleeper};

    void Deliver(const std::string& sender, const std::string& bytes) {
        ListenerHandOff(handoff, 0, sender, DatagramOf(bytes), sleeper, [this] { results.OnMdnsPacket(); });
    }
    void Installed(const std::wstring& ip, const std::wstring& queue, const std::wstring& name) {
        AppendRecord(tables.Installed,
                     {ip, queue, L"http://" + ip + L":631/printers/" + queue, name, selected.DriverName});
    }
};

} // namespace

TEST(DiscoveryResults, AQueueNameMustHoldTheModel) {
    const std::string marker = ":631/printers/";
    const struct {
        const char* name;
        std::string bytes;
        std::wstring queue; // empty: no record
    } cases[] = {
        {"an mDNS answer of a printer", PrinterAnswer("10.0.0.2", "M1_office"), L"M1_office"},
        {"the model inside the name", "x" + marker + "xM1y\x14", L"xM1y"},
        {"the model alone", "x" + marker + "M1\x14", L"M1"},
        {"the model in small letters", "x" + marker + "m1\x14", L""},
        {"the model after a zero byte, which ends the name's text", "x" + marker + std::string("ab\0M1\x14", 6), L""},
        {"vantrel takes the model's name", "x" + marker + "vantrel\x14", L"M1_9108"},
        {"vantrel2 does not hold the model", "x" + marker + "vantrel2\x14", L""},
        {"Vantrel is not vantrel", "x" + marker + "Vantrel\x14", L""},
        {"vantrel with the model in it", "x" + marker + "vantrelM1\x14", L"vantrelM1"},
        {"no queue name", "x" + marker + "\x14", L""},
    };
    for (const auto& testCase : cases) {
        Search search;
        search.Deliver("10.0.0.2", testCase.bytes);
        if (testCase.queue.empty()) {
            EXPECT_EQ(search.tables.Discovered.Count, 0) << testCase.name;
            EXPECT_TRUE(search.window.rows.empty()) << testCase.name;
        } else {
            ASSERT_EQ(search.tables.Discovered.Count, 1) << testCase.name;
            EXPECT_EQ(search.tables.Discovered.Rows[0][DISCOVERED_QUEUE_NAME], testCase.queue) << testCase.name;
            EXPECT_EQ(search.tables.Discovered.Rows[0][DISCOVERED_PORT_ADDRESS],
                      L"http://10.0.0.2:631/printers/" + testCase.queue);
        }
        EXPECT_EQ(search.handoff.HandoffState.load(), HANDOFF_FREE) << testCase.name;
    }
}

TEST(DiscoveryResults, AQueueNameKeepsItsZeroBytesInTheRecordAndTheRow) {
    Search search;
    search.Deliver("10.0.0.2", "x:631/printers/M1");
    ASSERT_EQ(search.tables.Discovered.Count, 1);
    const std::wstring queue = L"M1" + std::wstring(1024 - 17, L'\0');
    EXPECT_EQ(search.tables.Discovered.Rows[0][DISCOVERED_QUEUE_NAME], queue);
    EXPECT_EQ(search.tables.Discovered.Rows[0][DISCOVERED_PORT_ADDRESS], L"http://10.0.0.2:631/printers/" + queue);
    EXPECT_EQ(search.window.rows[0][PRINTER_LIST_COLUMN_QUEUE_NAME], queue) << "the list shows it up to the zero";
}

TEST(DiscoveryResults, StatusAgainstTheInstalledPrinters) {
    const struct {
        const char* name;
        std::vector<std::array<std::wstring, 3>> installed; // address, queue, printer name
        std::wstring status;
        std::wstring remark;
        std::wstring installedName;
        std::string queue = "M1_office";
    } cases[] = {
        {"not installed",
         {{L"10.0.0.2", L"M1_other", L"Other"}},
         EnglishText(MSG_STATUS_NOT_INSTALLED),
         EnglishText(MSG_REMARK_NOT_INSTALLED),
         L""},
        {"installed at the same address",
         {{L"10.0.0.2", L"M1_office", L"Office"}},
         EnglishText(MSG_STATUS_SAME_ADDRESS),
         EnglishText(MSG_REMARK_SAME_ADDRESS),
         L"Office"},
        {"installed at another address",
         {{L"10.0.0.7", L"M1_office", L"Office"}},
         EnglishText(MSG_STATUS_OTHER_ADDRESS) + L"10.0.0.7",
         EnglishText(MSG_REMARK_OTHER_ADDRESS),
         L"Office"},
        {"two installed, the last decides",
         {{L"10.0.0.2", L"M1_office", L"First"}, {L"10.0.0.9", L"M1_office", L"Second"}},
         EnglishText(MSG_STATUS_OTHER_ADDRESS) + L"10.0.0.9",
         EnglishText(MSG_REMARK_OTHER_ADDRESS),
         L"Second"},
        {"a found queue that holds a zero byte, by its text before it",
         {{L"10.0.0.2", L"M1_office", L"Office"}},
         EnglishText(MSG_STATUS_SAME_ADDRESS),
         EnglishText(MSG_REMARK_SAME_ADDRESS),
         L"Office",
         std::string("M1_office\0x", 11)},
    };
    for (const auto& testCase : cases) {
        Search search;
        for (const auto& printer : testCase.installed) {
            search.Installed(printer[0], printer[1], printer[2]);
        }
        search.Deliver("10.0.0.2", PrinterAnswer("10.0.0.2", testCase.queue));
        ASSERT_EQ(search.window.rows.size(), 1u) << testCase.name;
        const std::wstring queue(testCase.queue.begin(), testCase.queue.end());
        EXPECT_EQ(search.window.rows[0],
                  (std::vector<std::wstring>{L"", L"10.0.0.2", queue, L"http://10.0.0.2:631/printers/" + queue,
                                             testCase.status, testCase.remark}))
            << testCase.name;
        EXPECT_EQ(search.tables.Discovered.Rows[0][DISCOVERED_INSTALLED_NAME], testCase.installedName) << testCase.name;
        EXPECT_EQ(search.window.repaints, 1);
    }
}

TEST(DiscoveryResults, OneRowPerIppAddressWhoeverSentIt) {
    using M = DnsMessageBytes;
    const auto at = [](const std::string& host, std::array<uint8_t, 4> address, std::vector<std::string> queues) {
        std::vector<M::Service> services;
        for (const std::string& queue : queues) {
            services.push_back({queue, {"rp=printers/" + queue}, host, {address}});
        }
        return M::Announcing(services);
    };
    const std::string zc0 = at("zc0.local", {10, 80, 0, 11}, {"M1_zc0"});
    const struct {
        const char* name;
        std::vector<std::pair<std::string, std::string>> heard;  // sender, bytes
        std::vector<std::pair<std::wstring, std::wstring>> rows; // address, queue
    } cases[] = {
        {"one printer from the reflector, itself and its byte-scanned answer",
         {{"10.78.0.2", zc0}, {"10.80.0.11", zc0}, {"10.80.0.11", PrinterAnswer("10.80.0.11", "M1_zc0")}},
         {{L"10.80.0.11", L"M1_zc0"}}},
        {"two printers behind one reflector",
         {{"10.78.0.2", zc0}, {"10.78.0.2", at("zc1.local", {10, 80, 0, 12}, {"M1_zc1"})}},
         {{L"10.80.0.11", L"M1_zc0"}, {L"10.80.0.12", L"M1_zc1"}}},
        {"one queue name at two addresses",
         {{"10.78.0.2", zc0}, {"10.78.0.2", at("zc9.local", {10, 80, 0, 19}, {"M1_zc0"})}},
         {{L"10.80.0.11", L"M1_zc0"}, {L"10.80.0.19", L"M1_zc0"}}},
        {"two queues of a print server, heard twice",
         {{"10.77.0.31", at("ps.local", {10, 77, 0, 31}, {"M1_a", "M1_b"})},
          {"10.77.0.31", at("ps.local", {10, 77, 0, 31}, {"M1_b", "M1_a"})}},
         {{L"10.77.0.31", L"M1_a"}, {L"10.77.0.31", L"M1_b"}}},
        {"a sender's byte-scanned answers: its first row is its only one",
         {{"10.0.0.2", "no printer in this one"},
          {"10.0.0.2", PrinterAnswer("10.0.0.2", "M1_first")},
          {"10.0.0.2", PrinterAnswer("10.0.0.2", "M1_second")}},
         {{L"10.0.0.2", L"M1_first"}}},
        {"a byte-scanned answer from the address of a printer read from records",
         {{"10.78.0.2", zc0}, {"10.80.0.11", PrinterAnswer("10.80.0.11", "M1_other")}},
         {{L"10.80.0.11", L"M1_zc0"}}},
        {"a queue of another model beside the model's",
         {{"10.77.0.31", at("ps.local", {10, 77, 0, 31}, {"X9_a", "M1_b"})}},
         {{L"10.77.0.31", L"M1_b"}}},
    };
    for (const auto& testCase : cases) {
        Search search;
        search.Installed(L"10.80.0.11", L"M1_zc0", L"Zc0");
        for (const auto& [sender, bytes] : testCase.heard) {
            search.Deliver(sender, bytes);
        }
        ASSERT_EQ(search.window.rows.size(), testCase.rows.size()) << testCase.name;
        for (std::size_t n = 0; n < testCase.rows.size(); ++n) {
            const auto& [address, queue] = testCase.rows[n];
            const std::vector<std::wstring>& row = search.window.rows[n];
            EXPECT_EQ(row[PRINTER_LIST_COLUMN_ADDRESS], address) << testCase.name;
            EXPECT_EQ(VisibleText(row[PRINTER_LIST_COLUMN_QUEUE_NAME]), queue) << testCase.name;
            EXPECT_EQ(VisibleText(row[PRINTER_LIST_COLUMN_PORT_ADDRESS]),
                      L"http://" + address + L":631/printers/" + queue)
                << testCase.name;
            const std::wstring status = queue != L"M1_zc0" ? EnglishText(MSG_STATUS_NOT_INSTALLED)
                                        : address == L"10.80.0.11"
                                            ? EnglishText(MSG_STATUS_SAME_ADDRESS)
                                            : EnglishText(MSG_STATUS_OTHER_ADDRESS) + L"10.80.0.11";
            EXPECT_EQ(row[PRINTER_LIST_COLUMN_STATUS], status)
                << testCase.name << ": compared with the printer's own address";
            EXPECT_EQ(search.tables.Discovered.Rows[n][DISCOVERED_ADDRESS], address) << testCase.name;
        }
    }
}

TEST(DiscoveryResults, TheTwentiethRowEndsADatagramOfSeveralPrinters) {
    using M = DnsMessageBytes;
    Search search;
    for (int printer = 1; printer <= 19; ++printer) {
        const std::string ip = "10.0.0." + std::to_string(printer);
        search.Deliver(ip, PrinterAnswer(ip, "M1_" + std::to_string(printer)));
    }
    search.Deliver("10.77.0.31", M::Announcing({{"a", {"rp=printers/M1_a"}, "ps.local", {{10, 77, 0, 31}}},
                                                {"b", {"rp=printers/M1_b"}, "ps.local", {{10, 77, 0, 31}}}}));
    EXPECT_EQ(search.tables.Discovered.Count, 20);
    ASSERT_EQ(search.window.rows.size(), 20u);
    EXPECT_EQ(search.window.rows[19][PRINTER_LIST_COLUMN_QUEUE_NAME], L"M1_a");
}

TEST(DiscoveryResults, TwentyPrintersAndNoMore) {
    Search search;
    for (int printer = 1; printer <= 21; ++printer) {
        const std::string ip = "10.0.0." + std::to_string(printer);
        search.Deliver(ip, PrinterAnswer(ip, "M1_" + std::to_string(printer)));
    }
    EXPECT_EQ(search.tables.Discovered.Count, 20);
    EXPECT_EQ(search.window.rows.size(), 20u);
    EXPECT_EQ(search.window.rows[19][PRINTER_LIST_COLUMN_ADDRESS], L"10.0.0.20");
    EXPECT_EQ(search.handoff.HandoffState.load(), HANDOFF_FREE);
}

TEST(DiscoveryResults, AnEmptyModelLetsEveryQueueNameThrough) {
    Search search;
    search.selected.Model.clear();
    search.Deliver("10.0.0.2", "x:631/printers/anything\x14");
    search.Deliver("10.0.0.3", "x:631/printers/vantrel\x14");
    search.Deliver("10.0.0.4", std::string("x:631/printers/\0ab\x14", 19));
    search.Deliver("10.0.0.5", "x:631/printers/\x14");
    ASSERT_EQ(search.tables.Discovered.Count, 3);
    EXPECT_EQ(search.tables.Discovered.Rows[1][DISCOVERED_QUEUE_NAME], L"_9108");
    EXPECT_EQ(search.tables.Discovered.Rows[2][DISCOVERED_QUEUE_NAME], std::wstring(L"\0ab", 3))
        << "a name that begins with a zero byte";
    EXPECT_EQ(search.tables.Discovered.Rows[2][DISCOVERED_PORT_ADDRESS], L"")
        << "has no visible text, so no IPP address";
}
