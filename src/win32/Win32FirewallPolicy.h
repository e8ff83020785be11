#pragma once

#include "ports/FirewallPolicy.h"

// Windows Defender Firewall as INetFwPolicy2 shows it to every user: the current profiles and the rules whose
// program is this executable.
class Win32FirewallPolicy final : public IFirewallPolicy {
public:
    bool ReadFacts(FirewallFacts& facts) override;
};
