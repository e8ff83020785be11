// The window thread's handling of one handed-over datagram (DiscoveryResults::OnMdnsPacket) against fakes of
// the window and the catalogue. Each datagram is put in the slot as the listener leaves it, which copies its
// 1,024 bytes once more; the time per datagram includes that copy.
#include <benchmark/benchmark.h>

#include <string>

#include "discovery/DiscoveryResults.h"
#include "fakes/FakeMainWindow.h"
#include "fakes/FakeSleeper.h"
#include "fakes/FakeStringResources.h"
#include "support/Datagrams.h"

namespace {

struct Window {
    FakeMainWindow window;
    FakeStringResources resources = FakeStringResources::WithCatalogues();
    MessageCatalogue catalogue{resources, 1033};
    DiscoveryHandoff handoff;
    DiscoveryTables tables;
    SelectedModel selected{1, L"M1", L"Vantrel M1", L"m1.inf"};
    FakeSleeper sleeper;
    DiscoveryResults results{window, catalogue, handoff, tables, selected, sleeper};

    Window() { ResetDiscoveryTables(tables); }

    void HandOver(const std::string& sender, const DatagramBytes& datagram) {
        handoff.Slot.SenderAddress.fill('\0');
        sender.copy(handoff.Slot.SenderAddress.data(), SENDER_ADDRESS_BYTES - 1);
        handoff.Slot.Datagram = datagram;
        handoff.SlotSearch.store(handoff.CurrentSearch.load());
        results.OnMdnsPacket();
    }
};

std::string Sender(int host) {
    return "10.77.0." + std::to_string(host);
}

// A full list's worth of new printers of the selected model, one row each, then the list is emptied again as
// a new search empties it.
void BM_OnMdnsPacket_NewPrinter(benchmark::State& state) {
    Window window;
    DatagramBytes datagrams[PRINTER_TABLE_ROWS];
    for (int row = 0; row < PRINTER_TABLE_ROWS; ++row) {
        datagrams[row] = DatagramOf(PrinterAnswer(Sender(row + 10), "M1_" + std::to_string(row)));
    }
    for (auto _ : state) {
        for (int row = 0; row < PRINTER_TABLE_ROWS; ++row) {
            window.HandOver(Sender(row + 10), datagrams[row]);
        }
        ClearDiscoveryTables(window.tables);
        window.window.PrinterListClear();
    }
    state.SetItemsProcessed(state.iterations() * PRINTER_TABLE_ROWS);
}
BENCHMARK(BM_OnMdnsPacket_NewPrinter);

// A repeated answer of the last of 19 listed printers (its address and queue): compared with every row, then
// dropped.
void BM_OnMdnsPacket_SenderAlreadyListed(benchmark::State& state) {
    Window window;
    for (int row = 0; row < PRINTER_TABLE_ROWS - 1; ++row) {
        window.HandOver(Sender(row + 10), DatagramOf(PrinterAnswer(Sender(row + 10), "M1_" + std::to_string(row))));
    }
    const std::string last = Sender(PRINTER_TABLE_ROWS - 2 + 10);
    const DatagramBytes repeated = DatagramOf(PrinterAnswer(last, "M1_" + std::to_string(PRINTER_TABLE_ROWS - 2)));
    for (auto _ : state) {
        window.HandOver(last, repeated);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OnMdnsPacket_SenderAlreadyListed);

// A printer of another model: its queue name is read, then it is dropped.
void BM_OnMdnsPacket_OtherModel(benchmark::State& state) {
    Window window;
    const DatagramBytes other = DatagramOf(PrinterAnswer(Sender(30), "Q7_office"));
    for (auto _ : state) {
        window.HandOver(Sender(30), other);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OnMdnsPacket_OtherModel);

} // namespace
