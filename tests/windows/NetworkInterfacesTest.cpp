// The Windows tests run in a session with the private LAN and a second adapter (wine-session --lan
// --second-adapter): the listing must show the desk's two adapters and its loopback as they are.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "win32/Win32NetworkInterfaces.h"

TEST(NetworkInterfaces, ListsBothAdaptersOfTheSessionAndItsLoopback) {
    ASSERT_NE(std::getenv("VELBRIX_SECOND_NS"), nullptr) << "run inside tests/e2e/wine-session --lan --second-adapter";
    std::vector<NetworkInterfaceAddress> listed;
    ASSERT_TRUE(Win32NetworkInterfaces().ListIpv4Addresses(listed));
    const auto find = [&listed](const std::string& address) {
        return std::find_if(listed.begin(), listed.end(),
                            [&address](const NetworkInterfaceAddress& entry) { return entry.address == address; });
    };
    const struct {
        const char* address;
        bool loopback;
    } cases[] = {
        {"10.77.0.1", false}, // the printers' LAN
        {"10.78.0.1", false}, // the second adapter, holding the multicast route
        {"127.0.0.1", true},
    };
    for (const auto& testCase : cases) {
        const auto entry = find(testCase.address);
        ASSERT_NE(entry, listed.end()) << testCase.address;
        EXPECT_TRUE(entry->up) << testCase.address;
        EXPECT_EQ(entry->loopback, testCase.loopback) << testCase.address;
        if (!testCase.loopback) {
            EXPECT_TRUE(entry->canMulticast) << testCase.address;
        }
    }
    ASSERT_NE(find("10.77.0.1"), listed.end());
    ASSERT_NE(find("10.78.0.1"), listed.end());
    EXPECT_NE(find("10.77.0.1")->adapter, find("10.78.0.1")->adapter) << "two adapters, not two addresses of one";
}
