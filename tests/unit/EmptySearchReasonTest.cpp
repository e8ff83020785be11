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

const FirewallFacts PRIVATE_ON{{{FIREWALL_PROFILE_PRIVATE, true, false}}, {}};
const FirewallFacts BLOCKS_ALL_INBOUND{{{FIREWALL_PROFILE_PRIVATE, true, true}}, {}};
// Unknown, though what it would say blocks everything: Wine answers so.
const FirewallFacts UNKNOWN = BLOCKS_ALL_INBOUND;

FirewallFacts WithRule(FirewallProgramRule rule) {
    FirewallFacts facts = PRIVATE_ON;
    facts.ProgramRules.push_back(rule);
    return facts;
}

SearchCounts Heard(bool listened, uint32_t asked, uint32_t tooLong = 0, uint32_t otherSenders = 0,
                   std::vector<std::wstring> otherQueues = {}) {
    SearchCounts counts;
    counts.Listened = listened;
    counts.CouldNotListen = !listened;
    counts.AdaptersAsked = asked;
    counts.TooLong = tooLong;
    counts.OtherModelSenders = otherSenders;
    counts.OtherModelQueues = std::move(otherQueues);
    counts.DatagramsHeard = tooLong + otherSenders;
    return counts;
}

} // namespace

TEST(EmptySearchReason, TheFirstReasonThatAppliesInOrder) {
    const SearchCounts everything = Heard(true, 0, 2, 4, {L"K7_a", L"K7_b", L"K7_c"});
    const struct {
        const char* name;
        SearchCounts counts;
        std::optional<FirewallFacts> firewall;
        EmptySearchReason reason;
    } cases[] = {
        {"no adapter asked comes before everything heard", everything, BLOCKS_ALL_INBOUND,
         EmptySearchReason::NoAdapter},
        {"no socket listened", Heard(false, 0), BLOCKS_ALL_INBOUND, EmptySearchReason::CannotListen},
        {"all inbound blocked comes before printers of other models", Heard(true, 1, 2, 4), BLOCKS_ALL_INBOUND,
         EmptySearchReason::Firewall},
        {"an enabled inbound block rule for this program in the current profile", Heard(true, 1),
         WithRule({true, true, true, FIREWALL_PROFILE_PRIVATE}), EmptySearchReason::Firewall},
        {"a block rule for all profiles", Heard(true, 1), WithRule({true, true, true, ALL_PROFILES}),
         EmptySearchReason::Firewall},
        {"a disabled block rule", Heard(true, 1), WithRule({false, true, true, ALL_PROFILES}),
         EmptySearchReason::NothingAnswered},
        {"an outbound block rule", Heard(true, 1), WithRule({true, false, true, ALL_PROFILES}),
         EmptySearchReason::NothingAnswered},
        {"an inbound allow rule", Heard(true, 1), WithRule({true, true, false, ALL_PROFILES}),
         EmptySearchReason::NothingAnswered},
        {"a block rule of another profile", Heard(true, 1),
         WithRule({true, true, true, FIREWALL_PROFILE_DOMAIN | FIREWALL_PROFILE_PUBLIC}),
         EmptySearchReason::NothingAnswered},
        {"blocking all inbound in a profile whose firewall is off", Heard(true, 1),
         FirewallFacts{{{FIREWALL_PROFILE_PRIVATE, false, true}}, {}}, EmptySearchReason::NothingAnswered},
        {"a firewall that cannot say names none", Heard(true, 1, 0, 1), std::nullopt, EmptySearchReason::OtherModel},
        {"printers of another model come before answers too long", Heard(true, 3, 2, 1), PRIVATE_ON,
         EmptySearchReason::OtherModel},
        {"answers too long", Heard(true, 1, 2), PRIVATE_ON, EmptySearchReason::TooLong},
        {"nothing answered", Heard(true, 1), PRIVATE_ON, EmptySearchReason::NothingAnswered},
        {"a listener that had not said whether it listens when the search ended", SearchCounts{}, PRIVATE_ON,
         EmptySearchReason::NothingAnswered},
    };
    for (const auto& testCase : cases) {
        FakeFirewall firewall(testCase.firewall);
        EXPECT_EQ(ChooseEmptySearchReason(testCase.counts, firewall), testCase.reason) << testCase.name;
    }
}

TEST(EmptySearchReason, TheFirewallIsAskedOnlyWhenTheCountsGiveNoEarlierReason) {
    for (const bool listened : {false, true}) {
        FakeFirewall firewall(UNKNOWN);
        ChooseEmptySearchReason(Heard(listened, 0), firewall);
        EXPECT_FALSE(firewall.asked) << listened;
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
        {"four printers, three queues named", 1033, L"M1", Heard(true, 1, 0, 4, {L"K7_a", L"K7_b", L"K7_c"}),
         L"[Notification] 4 printers answered, none of them is a M1: K7_a, K7_b, K7_c."},
        {"a model and a queue that hold placeholders stay as they are", 1033, L"M%s%d", Heard(true, 1, 0, 1, {L"K%s"}),
         L"[Notification] 1 printers answered, none of them is a M%s%d: K%s."},
        {"Chinese", 2052, L"M1", Heard(true, 1, 0, 2, {L"K7_a", L"K7_b"}),
         L"[通知]有 2 台打印机应答，但没有一台是 M1：K7_a, K7_b。"},
    };
    for (const auto& testCase : cases) {
        const MessageCatalogue catalogue(resources, testCase.language);
        EXPECT_EQ(EmptySearchReasonLine(EmptySearchReason::OtherModel, testCase.counts, testCase.model, catalogue),
                  testCase.line)
            << testCase.name;
    }
}
