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
            if (rule.Enabled && rule.Inbound && rule.Blocks && (rule.Profiles & profile.Profile) != 0) {
                return true;
            }
        }
    }
    return false;
}

EmptySearchReason ChooseEmptySearchReason(const SearchCounts& counts, IFirewallPolicy& firewall) {
    if (counts.Listened && counts.AdaptersAsked == 0) {
        return EmptySearchReason::NoAdapter;
    }
    if (counts.CouldNotListen) {
        return EmptySearchReason::CannotListen;
    }
    FirewallFacts facts;
    if (firewall.ReadFacts(facts) && FirewallBlocksListener(facts)) {
        return EmptySearchReason::Firewall;
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
        return FillTexts(catalogue.Format(MSG_REASON_OTHER_MODEL, {senders}), {model, queues});
    }
    case EmptySearchReason::TooLong:
        return catalogue.Text(MSG_REASON_TOO_LONG);
    case EmptySearchReason::NothingAnswered:
        break;
    }
    return catalogue.Text(MSG_REASON_NOTHING_ANSWERED);
}
