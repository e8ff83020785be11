#pragma once

#include <cstdint>
#include <string>

#include "discovery/PacketHandoff.h"
#include "messages/ApplicationBox.h"
#include "messages/MessageCatalogue.h"
#include "ports/MainWindow.h"
#include "ports/ProcessEnd.h"

// What Velbrix reports when a failed handler ended it; a failure never reads as success.
constexpr uint32_t HANDLER_FAILURE_EXIT_CODE = 1;
static_assert(HANDLER_FAILURE_EXIT_CODE != 0);

// What the user sees when a handler of the main dialog failed with an exception (the program ran out of
// memory, say). Nothing the failed handler left half done is trusted, so Velbrix does not go on: the search
// is stopped, so that its listener hands the window nothing more, the flows' timers end, and one box says in
// plain words that Velbrix closes and can be started again. When the box is closed the process ends at once:
// a handler may have failed inside the loop of another box (the installation's notice), and merely ending the
// dialog would let the handler that opened that box carry on once it is closed.
class HandlerFailure {
public:
    HandlerFailure(IMainWindow& window, const MessageCatalogue& catalogue, DiscoveryHandoff& handoff,
                   IProcessEnd& process, std::wstring applicationName);

    void OnHandlerFailure();

    // A handler failed before the window could speak: the process ends without a box.
    static void OnHandlerFailureWithoutWindow(IProcessEnd& process);

private:
    IMainWindow& m_window;
    const MessageCatalogue& m_catalogue;
    DiscoveryHandoff& m_handoff;
    IProcessEnd& m_process;
    ApplicationBox m_box;
};
