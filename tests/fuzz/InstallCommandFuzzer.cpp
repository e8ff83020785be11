// Arbitrary queue names, as any device on the network may announce them, judged by the installation's rule
// and built into the installation script's command: a name the rule lets through can never end its quoted
// value, reach the command interpreter's expansion or end the line, and no command is ever cut.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz/FuzzRequire.h"
#include "install/InstallScript.h"
#include "install/InstallTarget.h"
#include "install/QueueNameSafety.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The bytes as 16-bit characters, so that characters beyond 8 bits occur as well.
    std::wstring queue;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        queue.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
    }
    if (!IsSafeQueueName(queue)) {
        return 0;
    }
    const std::wstring port = L"http://10.77.0.11:631/printers/" + queue;
    const InstallTarget target{L"", L"10.77.0.11", queue, port};
    const auto command = BuildInstallCommand(PrinterNameOf(target), L"C:\\Velbrix\\drivers\\m1.inf", port, L"Vantrel");
    if (!command) {
        // Refused only because it would not fit.
        Require(queue.size() > 100);
        return 0;
    }
    Require(command->size() <= SCRIPT_COMMAND_MAX);
    Require(std::count(command->begin(), command->end(), L'"') == 8);
    Require(command->find_first_of(L"%!") == std::wstring::npos);
    Require(std::none_of(command->begin(), command->end(), [](wchar_t c) { return c < 0x20 || c == 0x7F; }));
    Require(command->find(L"/r \"" + port + L"\" /m \"Vantrel\"") != std::wstring::npos);
    return 0;
}
