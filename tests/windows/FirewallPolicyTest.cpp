// Wine has no firewall: its INetFwPolicy2 answers E_NOTIMPL, which the port reports as unknown.
#include <gtest/gtest.h>

#include "win32/Win32FirewallPolicy.h"

TEST(FirewallPolicy, AFirewallThatAnswersNothingIsUnknown) {
    FirewallFacts facts;
    EXPECT_FALSE(Win32FirewallPolicy().ReadFacts(facts));
}
