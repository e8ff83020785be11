// The echo sends nothing here: the Windows tests have no peer to answer, and the scenarios ping on the
// private LAN.
#include <gtest/gtest.h>

#include <array>

#include "win32/Win32IcmpEcho.h"

TEST(IcmpEcho, TextThatIsNoAddressGetsNoReply) {
    const std::array<uint8_t, 32> data{};
    EXPECT_FALSE(Win32IcmpEcho().Echo("not an address", data, 1024, 1000));
}
