#pragma once

#include <string>

#include "discovery/PacketHandoff.h"
#include "messages/ApplicationBox.h"
#include "messages/MessageCatalogue.h"
#include "ports/MainWindow.h"

// What the user sees when a handler of the main dialog failed with an exception (the program ran out of
// memory, say). Nothing the failed handler left half done is trusted, so Velbrix does not go on: the search
// is stopped, so that its listener hands the window nothing more, the flows' timers end, and one box says in
// plain words that Velbrix closes and can be started again. The dialog ends when the box is closed.
class HandlerFailure {
public:
    HandlerFailure(IMainWindow& window, const MessageCatalogue& catalogue, DiscoveryHandoff& handoff,
                   std::wstring applicationName);

    void OnHandlerFailure();

private:
    IMainWindow& m_window;
    const MessageCatalogue& m_catalogue;
    DiscoveryHandoff& m_handoff;
    ApplicationBox m_box;
};
