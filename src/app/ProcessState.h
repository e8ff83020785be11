#pragma once

#include "app/Configuration.h"
#include "discovery/DiscoveryTables.h"
#include "discovery/PacketHandoff.h"

// The values that live from process start to process end, outside any window.
struct ProcessState {
    Configuration configuration;
    DiscoveryTables discovery;
    SelectedModel selectedModel;
    DiscoveryHandoff handoff;
};

// The one instance. It is never destroyed: a listener thread may still be using it while the process ends.
ProcessState& TheProcessState();
