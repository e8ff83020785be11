#include "install/PrinterRemoval.h"

#include <gtest/gtest.h>

#include "fakes/FakePrinterSpooler.h"

TEST(PrinterRemoval, ExitCodeSaysWhatBecameOfTheStalePrinter) {
    using Deletion = IPrinterSpooler::Deletion;
    const struct {
        const char* name;
        std::wstring printer;
        std::optional<Deletion> deletion; // nothing: no printer of that name
        uint32_t exitCode;
    } cases[] = {
        {"no stale printer: nothing to do", L"", std::nullopt, REMOVAL_DONE},
        {"opened and deleted", L"Office", Deletion{true, true, 0}, REMOVAL_DONE},
        {"removed by hand since the search", L"Office", std::nullopt, REMOVAL_NOT_OPENED},
        {"deletion refused: the error code", L"Office", Deletion{true, false, 5}, 5},
        {"deletion refused without an error code", L"Office", Deletion{true, false, 0}, REMOVAL_NOT_OPENED},
    };
    for (const auto& testCase : cases) {
        FakePrinterSpooler spooler;
        if (testCase.deletion) {
            spooler.deletions[testCase.printer] = *testCase.deletion;
        }
        InstallTarget target;
        target.StalePrinterName = testCase.printer;
        EXPECT_EQ(PrinterRemovalWorker(target, spooler), testCase.exitCode) << testCase.name;
        EXPECT_EQ(spooler.deleted.size(), testCase.printer.empty() ? 0u : 1u) << testCase.name;
    }
}
