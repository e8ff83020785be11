#pragma once

#include <windows.h>

#include "ports/ComponentRuntime.h"
#include "ports/FirewallPolicy.h"

// The listener thread's component runtime as Velbrix's (CoInitialize, CoUninitialize), with ole32 loaded from
// System32 only when the checker listens: imported at load time, it would bring in libraries by the program
// folder's search order before the checker could limit the search (Wine's ole32 imports user32).
class Win32CheckRuntime final : public IComponentRuntime {
public:
    bool Initialise() override;
    void Uninitialise() override;

private:
    HMODULE m_ole32 = nullptr;
};

// The checker does not read the firewall: reading it takes COM's automation library at load time, and Windows
// Firewall judges VelbrixCheck.exe by rules of its own anyway. It answers "unknown", which names no firewall.
class UnknownCheckFirewall final : public IFirewallPolicy {
public:
    bool ReadFacts(FirewallFacts&) override { return false; }
};
