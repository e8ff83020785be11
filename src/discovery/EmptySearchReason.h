#pragma once

#include <string>

#include "discovery/ListenerCounts.h"
#include "messages/MessageCatalogue.h"
#include "ports/FirewallPolicy.h"

// The most likely reason why a search listed no printer, the first that applies, in this order.
enum class EmptySearchReason { NoAdapter, CannotListen, Firewall, OtherModel, TooLong, NothingAnswered };

// Whether the firewall of a profile the computer is in now is on and blocks all inbound traffic, or holds an
// enabled inbound block rule for this program in such a profile that can block the answers: UDP (or every
// protocol) on port 5353, or on every port.
bool FirewallBlocksListener(const FirewallFacts& facts);

// A listener that has said nothing yet about listening, or has not finished listing the adapters and asking on
// them, gives no reason of its own. The firewall is named only when the question left and nothing at all was
// heard (whatever was heard came through it), and is asked only then; one it cannot read names no firewall.
EmptySearchReason ChooseEmptySearchReason(const SearchCounts& counts, IFirewallPolicy& firewall);

// The log line that names the reason for the model searched for.
std::wstring EmptySearchReasonLine(EmptySearchReason reason, const SearchCounts& counts, const std::wstring& model,
                                   const MessageCatalogue& catalogue);
