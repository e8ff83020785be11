// The scan of one 1,024-byte receive buffer, with and without the ":631/printers/" marker: the full reading of
// the queue name (window thread) and the quick test for the marker (listener thread, once per datagram).
#include <benchmark/benchmark.h>

#include <string>

#include "discovery/DatagramScan.h"
#include "support/Datagrams.h"

namespace {

// A printer's mDNS answer as the simulator sends it: the marker about 60 bytes in, zero bytes after the answer.
DatagramBytes PrinterDatagram() {
    return DatagramOf(PrinterAnswer("10.77.0.11", "M1_office"));
}

// 1,024 bytes of TXT-like text without the marker, with near misses ("printers/", ":80/") all the way through.
DatagramBytes TextWithoutMarker() {
    std::string text;
    while (text.size() < DATAGRAM_BYTES) {
        text += "\x09txtvers=1\x0Frp=printers/Lab\x1C"
                "adminurl=http://10.0.0.1:80/\x0Bnote=Office";
    }
    return DatagramOf(text);
}

void BM_QueueNameFromDatagram(benchmark::State& state, DatagramBytes datagram) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(QueueNameFromDatagram(datagram));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_QueueNameFromDatagram, with_marker, PrinterDatagram());
BENCHMARK_CAPTURE(BM_QueueNameFromDatagram, without_marker, TextWithoutMarker());

void BM_CanNamePrinter(benchmark::State& state, DatagramBytes datagram) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(CanNamePrinter(datagram));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_CanNamePrinter, with_marker, PrinterDatagram());
BENCHMARK_CAPTURE(BM_CanNamePrinter, without_marker, TextWithoutMarker());

} // namespace
