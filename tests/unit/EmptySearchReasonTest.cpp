#include "discovery/EmptySearchReason.h"

#include <gtest/gtest.h>

#include <optional>

#include "fakes/FakeStringResources.h"

namespace {

// A firewall that answers the facts given, or cannot say (nullopt); notes whether it was asked.
class FakeFirewall final : public IFirewallPolicy {
public:
    explicit FakeFirewall(std::optional<FirewallFacts> facts) : m_facts(std::move(facts)) {}
    bool asked = false;
    bool ReadFacts(FirewallFacts& facts) override {
        asked = true;
        if (m_facts) {
            facts = *m_facts;
        }
        return m_facts.has_value();
    }

private:
    std::optional<FirewallFacts> m_facts;
};

constexpr uint32_t ALL_PROFILES = 0x7FFFFFFF;
constexpr int32_t TCP = 6;

const FirewallFacts PRIVATE_ON{{{FIREWALL_PROFILE_PRIVATE, true, false}}, {}};
const FirewallFacts BLOCKS_ALL_INBOUND{{{FIREWALL_PROFILE_PRIVATE, true, true}}, {}};
// Unknown, though what it would say blocks everything: Wine answers so.
const FirewallFacts UNKNOWN = BLOCKS_ALL_INBOUND;

// An enabled inbound block rule for this program in every profile, of the protocol and ports given.
FirewallFacts BlockRule(int32_t protocol, std::wstring localPorts, std::wstring remotePorts = L"*") {
    FirewallFacts facts = PRIVATE_ON;
    facts.ProgramRules.push_back(
        {true, true, true, ALL_PROFILES, protocol, std::move(localPorts), std::move(remotePorts)});
    return facts;
}

FirewallFacts WithRule(bool enabled, bool inbound, bool blocks, uint32_t profiles) {
    FirewallFacts facts = PRIVATE_ON;
    facts.ProgramRules.push_back({enabled, inbound, blocks, profiles, FIREWALL_PROTOCOL_ANY, L"*", L"*"});
    return facts;
}

// A listener that listened, listed the adapters and asked on that many, then heard what is given.
SearchCounts Heard(uint32_t asked, uint32_t datagrams = 0, uint32_t tooLong = 0, uint32_t otherSenders = 0,
                   std::vector<std::wstring> otherQueues = {}) {
    SearchCounts counts;
    counts.Listened = true;
    counts.AdaptersListed = true;
    counts.AdaptersAsked = asked;
    counts.DatagramsHeard = datagrams;
    counts.TooLong = tooLong;
    counts.OtherModelSenders = otherSenders;
    counts.OtherModelQueues = std::move(otherQueues);
    return counts;
}

SearchCounts CouldNotListen() {
    SearchCounts counts;
    counts.CouldNotListen = true;
    return counts;
}

// Listening, and the timer ended the search while the adapters were still being listed.
SearchCounts StillListingAdapters() {
    SearchCounts counts;
    counts.Listened = true;
    return counts;
}

} // namespace

TEST(EmptySearchReason, TheFirstReasonThatAppliesInOrder) {
    const SearchCounts everything = Heard(0, 6, 2, 4, {L"K7_a", L"K7_b", L"K7_c"});
    const SearchCounts nothing = Heard(1);
    const struct {
        const char* name;
        SearchCounts counts;
        std::optional<FirewallFacts> firewall;
        EmptySearchReason reason;
    } cases[] = {
        {"no adapter asked comes before everything heard", everything, BLOCKS_ALL_INBOUND,
         EmptySearchReason::NoAdapter},
        {"neither no adapter nor the firewall while the adapters were still being listed", StillListingAdapters(),
         BLOCKS_ALL_INBOUND, EmptySearchReason::NothingAnswered},
        {"no socket listened", CouldNotListen(), BLOCKS_ALL_INBOUND, EmptySearchReason::CannotListen},
        {"all inbound blocked, nothing heard", nothing, BLOCKS_ALL_INBOUND, EmptySearchReason::Firewall},
        {"all inbound blocked, but printers of other models heard", Heard(1, 4, 0, 4), BLOCKS_ALL_INBOUND,
         EmptySearchReason::OtherModel},
        {"all inbound blocked, but answers too long heard", Heard(1, 0, 2), BLOCKS_ALL_INBOUND,
         EmptySearchReason::TooLong},
        {"all inbound blocked, but a datagram without a queue heard", Heard(1, 1), BLOCKS_ALL_INBOUND,
         EmptySearchReason::NothingAnswered},
        {"a block rule of every protocol and port", nothing, BlockRule(FIREWALL_PROTOCOL_ANY, L"*"),
         EmptySearchReason::Firewall},
        {"a block rule of UDP, every port", nothing, BlockRule(FIREWALL_PROTOCOL_UDP, L"*"),
         EmptySearchReason::Firewall},
        {"a block rule of UDP without ports written", nothing, BlockRule(FIREWALL_PROTOCOL_UDP, L"", L""),
         EmptySearchReason::Firewall},
        {"a block rule of UDP 5353 among other ports", nothing, BlockRule(FIREWALL_PROTOCOL_UDP, L"80, 5353,6000"),
         EmptySearchReason::Firewall},
        {"a block rule of a UDP range that takes in 5353", nothing, BlockRule(FIREWALL_PROTOCOL_UDP, L"5000-5353"),
         EmptySearchReason::Firewall},
        {"a block rule of a UDP range that ends below 5353", nothing, BlockRule(FIREWALL_PROTOCOL_UDP, L"5000-5352"),
         EmptySearchReason::NothingAnswered},
        {"a block rule of other UDP ports", nothing, BlockRule(FIREWALL_PROTOCOL_UDP, L"53535,3535"),
         EmptySearchReason::NothingAnswered},
        {"a block rule of UDP from other remote ports", nothing, BlockRule(FIREWALL_PROTOCOL_UDP, L"*", L"53"),
         EmptySearchReason::NothingAnswered},
        {"a block rule of a port keyword", nothing, BlockRule(FIREWALL_PROTOCOL_UDP, L"RPC"),
         EmptySearchReason::NothingAnswered},
        {"a block rule of TCP, every port", nothing, BlockRule(TCP, L"*"), EmptySearchReason::NothingAnswered},
        {"a block rule for all profiles", nothing, WithRule(true, true, true, ALL_PROFILES),
         EmptySearchReason::Firewall},
        {"a block rule of the current profile", nothing, WithRule(true, true, true, FIREWALL_PROFILE_PRIVATE),
         EmptySearchReason::Firewall},
        {"a disabled block rule", nothing, WithRule(false, true, true, ALL_PROFILES),
         EmptySearchReason::NothingAnswered},
        {"an outbound block rule", nothing, WithRule(true, false, true, ALL_PROFILES),
         EmptySearchReason::NothingAnswered},
        {"an inbound allow rule", nothing, WithRule(true, true, false, ALL_PROFILES),
         EmptySearchReason::NothingAnswered},
        {"a block rule of another profile", nothing,
         WithRule(true, true, true, FIREWALL_PROFILE_DOMAIN | FIREWALL_PROFILE_PUBLIC),
         EmptySearchReason::NothingAnswered},
        {"blocking all inbound in a profile whose firewall is off", nothing,
         FirewallFacts{{{FIREWALL_PROFILE_PRIVATE, false, true}}, {}}, EmptySearchReason::NothingAnswered},
        {"a firewall that cannot say names none", nothing, std::nullopt, EmptySearchReason::NothingAnswered},
        {"printers of another model come before answers too long", Heard(3, 1, 2, 1), PRIVATE_ON,
         EmptySearchReason::OtherModel},
        {"answers too long", Heard(1, 0, 2), PRIVATE_ON, EmptySearchReason::TooLong},
        {"nothing answered", nothing, PRIVATE_ON, EmptySearchReason::NothingAnswered},
        {"a listener that had not said whether it listens when the search ended", SearchCounts{}, BLOCKS_ALL_INBOUND,
         EmptySearchReason::NothingAnswered},
    };
    for (const auto& testCase : cases) {
        FakeFirewall firewall(testCase.firewall);
        EXPECT_EQ(ChooseEmptySearchReason(testCase.counts, firewall), testCase.reason) << testCase.name;
    }
}

TEST(EmptySearchReason, TheFirewallIsAskedOnlyWhenNothingWasHeardAndNoEarlierReasonApplies) {
    const struct {
        const char* name;
        SearchCounts counts;
    } cases[] = {
        {"no adapter", Heard(0)},
        {"no socket", CouldNotListen()},
        {"the adapters still being listed", StillListingAdapters()},
        {"a datagram heard", Heard(1, 1)},
        {"an answer too long heard", Heard(1, 0, 1)},
    };
    for (const auto& testCase : cases) {
        FakeFirewall firewall(UNKNOWN);
        ChooseEmptySearchReason(testCase.counts, firewall);
        EXPECT_FALSE(firewall.asked) << testCase.name;
    }
}

TEST(EmptySearchReason, TheLineNamesTheCountAndTheQueuesOfOtherModels) {
    FakeStringResources resources = FakeStringResources::WithCatalogues();
    const struct {
        const char* name;
        uint16_t language;
        std::wstring model;
        SearchCounts counts;
        std::wstring line;
    } cases[] = {
        {"four printers, three queues named", 1033, L"M1", Heard(1, 4, 0, 4, {L"K7_a", L"K7_b", L"K7_c"}),
         L"[Notification] 4 printers answered, none of them is a M1: K7_a, K7_b, K7_c."},
        {"one printer", 1033, L"M1", Heard(1, 1, 0, 1, {L"K7_a"}),
         L"[Notification] 1 printer answered, but it is not a M1: K7_a."},
        {"a model and a queue that hold placeholders stay as they are", 1033, L"M%s%d",
         Heard(1, 2, 0, 2, {L"K%s", L"%d"}), L"[Notification] 2 printers answered, none of them is a M%s%d: K%s, %d."},
        {"Chinese", 2052, L"M1", Heard(1, 2, 0, 2, {L"K7_a", L"K7_b"}),
         L"[通知]有 2 台打印机应答，但没有一台是 M1：K7_a, K7_b。"},
    };
    for (const auto& testCase : cases) {
        const MessageCatalogue catalogue(resources, testCase.language);
        EXPECT_EQ(EmptySearchReasonLine(EmptySearchReason::OtherModel, testCase.counts, testCase.model, catalogue),
                  testCase.line)
            << testCase.name;
    }
}
