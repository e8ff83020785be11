#pragma once

#include <cstdint>
#include <string>
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

// The protocols of a rule as the firewall numbers them: the Internet protocol number, or one for every protocol.
constexpr int32_t FIREWALL_PROTOCOL_UDP = 17;
constexpr int32_t FIREWALL_PROTOCOL_ANY = 256;

// One rule whose program is this program's own executable, as the firewall holds it.
struct FirewallProgramRule {
    bool Enabled = false;
    bool Inbound = false;
    bool Blocks = false;
    uint32_t Profiles = 0;
    int32_t Protocol = FIREWALL_PROTOCOL_ANY;
    // The ports as the firewall writes them: "*" (or nothing) for every port, else numbers and ranges such as
    // "5353,6000-6010", or a keyword such as "RPC".
    std::wstring LocalPorts;
    std::wstring RemotePorts;
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
