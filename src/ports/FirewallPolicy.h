#pragma once

#include <cstdint>
#include <vector>

// The network profiles as the firewall numbers them, one bit each; a rule's profiles may hold several.
constexpr uint32_t FIREWALL_PROFILE_DOMAIN = 0x1;
constexpr uint32_t FIREWALL_PROFILE_PRIVATE = 0x2;
constexpr uint32_t FIREWALL_PROFILE_PUBLIC = 0x4;

// One profile the computer is in now.
struct FirewallProfileState {
    uint32_t Profile = 0;
    bool Enabled = false;
    bool BlocksAllInbound = false;
};

// One rule whose program is this program's own executable.
struct FirewallProgramRule {
    bool Enabled = false;
    bool Inbound = false;
    bool Blocks = false;
    uint32_t Profiles = 0;
};

struct FirewallFacts {
    std::vector<FirewallProfileState> CurrentProfiles;
    std::vector<FirewallProgramRule> ProgramRules;
};

// What the system's firewall holds about this program, read only: every user may read it, nothing is changed.
class IFirewallPolicy {
public:
    virtual ~IFirewallPolicy() = default;
    // False when the system cannot say (no firewall to ask, or one that answers none of it): unknown.
    virtual bool ReadFacts(FirewallFacts& facts) = 0;
};
