#include "discovery/EmptySearchReason.h"

#include "messages/names.h"

namespace {

// Puts each text in place of the next "%s" from the left; what a text brings in is never looked at again.
std::wstring FillTexts(const std::wstring& format, std::initializer_list<std::wstring> texts) {
    std::wstring filled;
    auto text = texts.begin();
    std::size_t position = 0;
    for (;;) {
        const std::size_t placeholder = format.find(L"%s", position);
        if (placeholder == std::wstring::npos || text == texts.end()) {
            filled.append(format, position, std::wstring::npos);
            return filled;
        }
        filled.append(format, position, placeholder - position);
        filled += *text++;
        position = placeholder + 2;
    }
}

// Answers and questions of mDNS come from and go to this port; the unicast socket's answers come from it too.
constexpr uint32_t MDNS_UDP_PORT = 5353;

bool ParsePortNumber(const std::wstring& text, uint32_t& number) {
    if (text.empty() || text.size() > 5 || text.find_first_not_of(L"0123456789") != std::wstring::npos) {
        return false;
    }
    number = static_cast<uint32_t>(std::stoul(text));
    return true;
}

std::wstring Trimmed(const std::wstring& text) {
    const std::size_t first = text.find_first_not_of(L' ');
    return first == std::wstring::npos ? std::wstring() : text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

// One item of a ports text: a number, or a range of them.
bool PortItemTakesIn(const std::wstring& item, uint32_t port) {
    const std::size_t dash = item.find(L'-');
    uint32_t low = 0;
    uint32_t high = 0;
    const bool read = dash == std::wstring::npos ? ParsePortNumber(item, low) && ParsePortNumber(item, high)
                                                 : ParsePortNumber(Trimmed(item.substr(0, dash)), low) &&
                                                       ParsePortNumber(Trimmed(item.substr(dash + 1)), high);
    return read && low <= port && port <= high;
}

// Whether a ports text of a firewall rule ("*", "5353,6000-6010", a keyword) takes in the port; a keyword takes
// in none, as what it stands for is the firewall's to say.
bool FirewallPortsTakeIn(const std::wstring& ports, uint32_t port) {
    if (Trimmed(ports).empty()) {
        return true;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = ports.find(L',', start);
        const std::wstring item =
            Trimmed(ports.substr(start, comma == std::wstring::npos ? std::wstring::npos : comma - start));
        if (item == L"*" || PortItemTakesIn(item, port)) {
            return true;
        }
        if (comma == std::wstring::npos) {
            return false;
        }
        start = comma + 1;
    }
}

bool RuleCanBlockAnswers(const FirewallProgramRule& rule) {
    return (rule.Protocol == FIREWALL_PROTOCOL_UDP || rule.Protocol == FIREWALL_PROTOCOL_ANY) &&
           FirewallPortsTakeIn(rule.LocalPorts, MDNS_UDP_PORT) && FirewallPortsTakeIn(rule.RemotePorts, MDNS_UDP_PORT);
}

} // namespace

bool FirewallBlocksListener(const FirewallFacts& facts) {
    for (const FirewallProfileState& profile : facts.CurrentProfiles) {
        if (!profile.Enabled) {
            continue;
        }
        if (profile.BlocksAllInbound) {
            return true;
        }
        for (const FirewallProgramRule& rule : facts.ProgramRules) {
            if (rule.Enabled && rule.Inbound && rule.Blocks && (rule.Profiles & profile.Profile) != 0 &&
                RuleCanBlockAnswers(rule)) {
                return true;
            }
        }
    }
    return false;
}

EmptySearchReason ChooseEmptySearchReason(const SearchCounts& counts, IFirewallPolicy& firewall) {
    if (counts.AdaptersListed && counts.AdaptersAsked == 0) {
        return EmptySearchReason::NoAdapter;
    }
    if (counts.CouldNotListen) {
        return EmptySearchReason::CannotListen;
    }
    // The firewall can only have kept out the answers to a question that left.
    if (counts.AdaptersListed && counts.DatagramsHeard == 0 && counts.TooLong == 0) {
        FirewallFacts facts;
        if (firewall.ReadFacts(facts) && FirewallBlocksListener(facts)) {
            return EmptySearchReason::Firewall;
        }
    }
    if (counts.OtherModelSenders > 0) {
        return EmptySearchReason::OtherModel;
    }
    if (counts.TooLong > 0) {
        return EmptySearchReason::TooLong;
    }
    return EmptySearchReason::NothingAnswered;
}

std::wstring EmptySearchReasonLine(EmptySearchReason reason, const SearchCounts& counts, const std::wstring& model,
                                   const MessageCatalogue& catalogue) {
    switch (reason) {
    case EmptySearchReason::NoAdapter:
        return catalogue.Text(MSG_REASON_NO_ADAPTER);
    case EmptySearchReason::CannotListen:
        return catalogue.Text(MSG_CANNOT_LISTEN);
    case EmptySearchReason::Firewall:
        return catalogue.Text(MSG_REASON_FIREWALL);
    case EmptySearchReason::OtherModel: {
        std::wstring queues;
        for (const std::wstring& queue : counts.OtherModelQueues) {
            queues += (queues.empty() ? L"" : L", ") + queue;
        }
        const int32_t senders = static_cast<int32_t>(counts.OtherModelSenders);
        return senders == 1 ? FillTexts(catalogue.Text(MSG_REASON_OTHER_MODEL_ONE), {model, queues})
                            : FillTexts(catalogue.Format(MSG_REASON_OTHER_MODEL, {senders}), {model, queues});
    }
    case EmptySearchReason::TooLong:
        return catalogue.Text(MSG_REASON_TOO_LONG);
    case EmptySearchReason::NothingAnswered:
        break;
    }
    return catalogue.Text(MSG_REASON_NOTHING_ANSWERED);
}
