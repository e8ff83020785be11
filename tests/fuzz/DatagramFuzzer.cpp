// Feeds arbitrary datagrams from arbitrary senders through the hand-off and the result handling, against a
// fixed set of installed printers, and checks what must hold whatever the network sends.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "discovery/DatagramScan.h"
#include "discovery/DiscoveryResults.h"
#include "discovery/IppAddress.h"
#include "discovery/VisibleText.h"
#include "fakes/FakeMainWindow.h"
#include "fakes/FakeSleeper.h"
#include "fakes/FakeStringResources.h"
#include "fuzz/FuzzRequire.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const wchar_t* models[] = {L"M1", L"", L"vantrel", L"_9108"};
    static const char* senders[] = {"10.0.0.2", "10.0.0.3", "255.255.255.255", "0.0.0.0", "1.2.3", "", "10.0.0.2 "};
    if (size < 1) {
        return 0;
    }
    FakeMainWindow window;
    // Built once: the catalogue only reads it.
    static FakeStringResources resources = FakeStringResources::WithCatalogues();
    static const MessageCatalogue catalogue(resources, 2052);
    DiscoveryHandoff handoff;
    DiscoveryTables tables;
    SelectedModel selected{1, models[data[0] % 4], L"D", L"d.inf"};
    AppendRecord(tables.Installed, {L"10.0.0.2", L"M1_9108", L"http://10.0.0.2:631/printers/M1_9108", L"A", L"D"});
    AppendRecord(tables.Installed, {L"10.0.0.9", L"M1_9108", L"http://10.0.0.9:631/printers/M1_9108", L"B", L"D"});
    FakeSleeper sleeper;
    DiscoveryResults results(window, catalogue, handoff, tables, selected, sleeper);

    // The input is cut into datagrams at each 0xFE 0xFD pair; the byte before each picks its sender.
    std::size_t start = 1;
    while (start < size) {
        std::size_t end = start;
        while (end + 1 < size && !(data[end] == 0xFE && data[end + 1] == 0xFD)) {
            ++end;
        }
        if (end + 1 >= size) {
            end = size;
        }
        DatagramBytes datagram{};
        const std::size_t length = std::min(end - start, datagram.size());
        std::copy_n(data + start, length, datagram.begin());
        const char* sender = senders[data[start] % 7];
        ListenerHandOff(handoff, 0, sender, datagram, sleeper, [&results] { results.OnMdnsPacket(); });
        start = end + 2;
    }

    Require(handoff.HandoffState.load() == HANDOFF_FREE);
    Require(tables.Discovered.Count >= 0 && tables.Discovered.Count <= PRINTER_TABLE_ROWS);
    Require(window.rows.size() == static_cast<std::size_t>(tables.Discovered.Count));
    for (int32_t row = 0; row < tables.Discovered.Count; ++row) {
        const PrinterRecord& record = tables.Discovered.Rows[static_cast<std::size_t>(row)];
        Require(record.size() == 4);
        const std::wstring& queue = record[DISCOVERED_QUEUE_NAME];
        Require(record[DISCOVERED_PORT_ADDRESS] ==
                (VisibleText(queue).empty() ? L"" : MakeIppAddress(record[DISCOVERED_ADDRESS], queue)));
        Require(VisibleText(queue).find(selected.Model) != std::wstring::npos);
        // One row per IPP address.
        for (int32_t other = 0; other < row; ++other) {
            const PrinterRecord& earlier = tables.Discovered.Rows[static_cast<std::size_t>(other)];
            Require(earlier[DISCOVERED_ADDRESS] != record[DISCOVERED_ADDRESS] ||
                    VisibleText(earlier[DISCOVERED_QUEUE_NAME]) != VisibleText(queue));
        }
    }
    return 0;
}
