// The reading of one datagram as DNS records: the reader alone, and the printers read from it as the window and
// the listener's filter read them (the reader, then the byte scan for a datagram it cannot read).
#include <benchmark/benchmark.h>

#include <string>

#include "discovery/AnnouncedPrinters.h"
#include "discovery/dns/DnsMessage.h"
#include "support/Datagrams.h"
#include "support/DnsMessages.h"

namespace {

using M = DnsMessageBytes;

const std::vector<std::string> TXT = {"txtvers=1",
                                      "qtotal=1",
                                      "rp=printers/M1_zc0",
                                      "ty=Vantrel M1",
                                      "adminurl=http://10.80.0.11:631/printers/M1_zc0",
                                      "pdl=application/pdf"};

// What a reflector sends to the unicast question for one printer: the PTR answer, then the service's TXT and
// SRV records and its host's A record in the additional section.
DatagramBytes ReflectedAnswer() {
    return DatagramOf(M::Announcing({{"M1 zc0", TXT, "zc0.local", {{10, 80, 0, 11}}}}));
}

// A print server's answer for four queues on one host.
DatagramBytes PrintServerAnswer() {
    std::vector<M::Service> services;
    for (const std::string queue : {"M1_a", "M1_b", "M1_c", "M1_d"}) {
        services.push_back({queue, {"txtvers=1", "rp=printers/" + queue}, "ps.local", {{10, 77, 0, 31}}});
    }
    return DatagramOf(M::Announcing(services));
}

// An answer the reader refuses (its TXT record runs past its length), read by the byte scan.
DatagramBytes SimulatorAnswer() {
    return DatagramOf(PrinterAnswer("10.77.0.11", "M1_office"));
}

void BM_ReadDnsMessage(benchmark::State& state, DatagramBytes datagram) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadDnsMessage(datagram));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_ReadDnsMessage, reflected_answer, ReflectedAnswer());
BENCHMARK_CAPTURE(BM_ReadDnsMessage, print_server_four_queues, PrintServerAnswer());

void BM_AnnouncedPrintersOf(benchmark::State& state, DatagramBytes datagram) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(AnnouncedPrintersOf(datagram, "10.78.0.2"));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_AnnouncedPrintersOf, reflected_answer, ReflectedAnswer());
BENCHMARK_CAPTURE(BM_AnnouncedPrintersOf, print_server_four_queues, PrintServerAnswer());
BENCHMARK_CAPTURE(BM_AnnouncedPrintersOf, unreadable_by_the_byte_scan, SimulatorAnswer());

} // namespace
