#include "discovery/DiscoveryResults.h"

#include <gtest/gtest.h>

#include "discovery/DatagramScan.h"
#include "discovery/PrinterListColumns.h"
#include "fakes/FakeMainWindow.h"
#include "fakes/FakeSleeper.h"
#include "fakes/FakeStringResources.h"
#include "support/Datagrams.h"
#include "support/RecordedAnswers.h"

namespace {

std::wstring Widened(const std::string& bytes) {
    std::wstring text;
    for (const char byte : bytes) {
        text.push_back(WidenDatagramByte(static_cast<uint8_t>(byte)));
    }
    return text;
}

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

TEST(DiscoveryResults, QueueNamesReadOutOfDatagrams) {
    const std::string marker = ":631/printers/";
    const struct {
        const char* name;
        std::string bytes;
        std::wstring queue; // empty: no record
    } cases[] = {
        {"an mDNS answer of a printer", PrinterAnswer("10.0.0.2", "M1_office"), L"M1_office"},
        {"the recorded answer of a CUPS server", RecordedAnswer("cups-ipp-answer.bin"), L"M1_Lab"},
        {"a stop byte 0x1A", "x" + marker + "M1_a\x1A" + "more", L"M1_a"},
        {"the marker at the last byte", std::string(1024 - marker.size(), 'a') + marker, L""},
        {"the marker followed at once by 0x1A", "x" + marker + "\x1A" + "M1", L""},
        {"the marker followed at once by 0x14", "x" + marker + "\x14" + "M1", L""},
        {"no marker: our own query",
         std::string("\0\0\0\0\0\x01\0\0\0\0\0\0\x04_ipp\x04_tcp\x05local\0\0\x0C\0\x01", 33), L""},
        {"the marker in capitals", "x:631/PRINTERS/M1_office\x14", L""},
        {"vantrel takes the model's name", "x" + marker + "vantrel\x14", L"M1_9108"},
        {"vantrel2 does not hold the model", "x" + marker + "vantrel2\x14", L""},
        {"Vantrel is not vantrel", "x" + marker + "Vantrel\x14", L""},
        {"vantrel with the model in it", "x" + marker + "vantrelM1\x14", L"vantrelM1"},
        {"the model inside the name", "x" + marker + "xM1y\x14", L"xM1y"},
        {"the model alone", "x" + marker + "M1\x14", L"M1"},
        {"the model in small letters", "x" + marker + "m1\x14", L""},
        {"bytes of 0x80 and above", "x" + marker + "M1\x80\xFF\x14", Widened("M1\x80\xFF")},
        {"the first marker counts", "x" + marker + "m1\x14" + marker + "M1\x14", L""},
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

TEST(DiscoveryResults, QueueNameRunningToTheEndOfTheBufferKeepsItsZeroBytes) {
    Search search;
    const std::string bytes = "x:631/printers/M1";
    search.Deliver("10.0.0.2", bytes);
    ASSERT_EQ(search.tables.Discovered.Count, 1);
    const std::wstring& queue = search.tables.Discovered.Rows[0][DISCOVERED_QUEUE_NAME];
    EXPECT_EQ(queue.size(), 1024 - 15u) << "every byte up to index 1023";
    EXPECT_EQ(VisibleText(queue), L"M1");
    EXPECT_EQ(VisibleText(search.tables.Discovered.Rows[0][DISCOVERED_PORT_ADDRESS]),
              L"http://10.0.0.2:631/printers/M1");
    EXPECT_EQ(search.window.rows[0][PRINTER_LIST_COLUMN_QUEUE_NAME], L"M1");
}

TEST(DiscoveryResults, StatusAgainstTheInstalledPrinters) {
    const struct {
        const char* name;
        std::vector<std::array<std::wstring, 3>> installed; // address, queue, printer name
        std::wstring status;
        std::wstring remark;
        std::wstring installedName;
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
    };
    for (const auto& testCase : cases) {
        Search search;
        for (const auto& printer : testCase.installed) {
            search.Installed(printer[0], printer[1], printer[2]);
        }
        search.Deliver("10.0.0.2", PrinterAnswer("10.0.0.2", "M1_office"));
        ASSERT_EQ(search.window.rows.size(), 1u) << testCase.name;
        EXPECT_EQ(search.window.rows[0],
                  (std::vector<std::wstring>{L"", L"10.0.0.2", L"M1_office", L"http://10.0.0.2:631/printers/M1_office",
                                             testCase.status, testCase.remark}))
            << testCase.name;
        EXPECT_EQ(search.tables.Discovered.Rows[0][DISCOVERED_INSTALLED_NAME], testCase.installedName) << testCase.name;
        EXPECT_EQ(search.window.repaints, 1);
    }
}

TEST(DiscoveryResults, OneRecordPerSender) {
    Search search;
    search.Deliver("10.0.0.2", "no printer in this one");
    search.Deliver("10.0.0.2", PrinterAnswer("10.0.0.2", "M1_first"));
    search.Deliver("10.0.0.2", PrinterAnswer("10.0.0.2", "M1_second"));
    search.Deliver("10.0.0.3", PrinterAnswer("10.0.0.3", "M1_third"));
    ASSERT_EQ(search.tables.Discovered.Count, 2);
    EXPECT_EQ(search.tables.Discovered.Rows[0][DISCOVERED_QUEUE_NAME], L"M1_first")
        << "a sender whose first datagram had no printer";
    EXPECT_EQ(search.tables.Discovered.Rows[1][DISCOVERED_ADDRESS], L"10.0.0.3");
    EXPECT_EQ(search.window.rows.size(), 2u);
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
