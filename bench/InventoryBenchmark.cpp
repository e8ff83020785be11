// The inventory of the installed printers at the start of a search (TakeInventory) against a fake spooler.
// Every printer sits on an IPP port, so every port name is read; every other one has the selected driver. The
// fake hands out a copy of its listing, as the real spooler adapter builds a new one each time.
#include <benchmark/benchmark.h>

#include <string>

#include "discovery/Inventory.h"
#include "fakes/FakePrinterSpooler.h"

namespace {

const std::wstring DRIVER = L"Vantrel M1 PCL6";

void BM_TakeInventory(benchmark::State& state) {
    FakePrinterSpooler spooler;
    spooler.listing.Succeeded = true;
    for (int index = 0; index < state.range(0); ++index) {
        const std::wstring host = L"10.1." + std::to_wstring(index / 250) + L"." + std::to_wstring(index % 250 + 1);
        spooler.listing.Printers.push_back({L"Printer " + std::to_wstring(index),
                                            L"http://" + host + L":631/printers/M1_" + std::to_wstring(index),
                                            index % 2 == 0 ? DRIVER : L"Other Driver PS"});
    }
    for (auto _ : state) {
        PrinterTable installed;
        benchmark::DoNotOptimize(TakeInventory(spooler, DRIVER, installed));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TakeInventory)->Arg(20)->Arg(1000);

} // namespace
