#include "discovery/IppAddress.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

TEST(IppAddress, IsBuiltFromHostAndQueue) {
    EXPECT_EQ(MakeIppAddress(L"192.168.1.20", L"Office"), L"http://192.168.1.20:631/printers/Office");
}

TEST(IppAddress, PortNamesThatAreReadBackAndThoseThatAreNot) {
    const struct {
        const char* name;
        const wchar_t* portName;
        const wchar_t* host; // nullptr: not recorded
        const wchar_t* queue;
    } cases[] = {
        {"an IPP port", L"http://192.168.1.20:631/printers/Office", L"192.168.1.20", L"Office"},
        {"the shortest host", L"http://1.2.3.4:631/printers/Queue", L"1.2.3.4", L"Queue"},
        {"the longest host", L"http://255.255.255.255:631/printers/Queue", L"255.255.255.255", L"Queue"},
        {"a queue followed by a path", L"http://10.0.0.7:631/printers/M1_9108/extra", L"10.0.0.7", L"M1_9108"},
        {"text before the scheme", L"IPP_http://10.0.0.7:631/printers/Office", L"10.0.0.7", L"Office"},
        {"a queue of five characters", L"http://10.0.0.7:631/printers/lp123", L"10.0.0.7", L"lp123"},
        {"a queue of four characters", L"http://10.0.0.7:631/printers/lp12", nullptr, nullptr},
        {"a queue of three characters", L"http://10.0.0.7:631/printers/lp1", nullptr, nullptr},
        {"the secure scheme", L"https://10.0.0.7:631/printers/Office", nullptr, nullptr},
        {"the scheme in capitals", L"HTTP://10.0.0.7:631/printers/Office", nullptr, nullptr},
        {"port 8631", L"http://10.0.0.7:8631/printers/Office", nullptr, nullptr},
        {"a host name", L"http://printer.local:631/printers/Office", nullptr, nullptr},
        {"a host of six characters", L"http://1.2.3.:631/printers/Office", nullptr, nullptr},
        {"a host of sixteen characters", L"http://192.168.100.2001:631/printers/Office", nullptr, nullptr},
        {"a host with a leading zero", L"http://10.0.0.07:631/printers/Office", nullptr, nullptr},
        {"a host read by its low 8 bits", L"http://1\u0132.2.3.4:631/printers/Office", L"1\u0132.2.3.4", L"Office"},
        {"no printers path", L"http://10.0.0.7:631/ipp/Office", nullptr, nullptr},
        {"a local port", L"LPT1:", nullptr, nullptr},
        {"an empty port", L"", nullptr, nullptr},
    };
    for (const auto& testCase : cases) {
        const auto parts = ReadIppPortName(testCase.portName);
        if (testCase.host == nullptr) {
            EXPECT_FALSE(parts.has_value()) << testCase.name;
            continue;
        }
        ASSERT_TRUE(parts.has_value()) << testCase.name;
        EXPECT_EQ(parts->Host, testCase.host) << testCase.name;
        EXPECT_EQ(parts->Queue, testCase.queue) << testCase.name;
    }
}

TEST(IppAddress, AddressTextsAreJudgedAsTheSocketLibraryJudgesThem) {
    const char* texts[] = {"1.2.3.4",  "0.0.0.0",  "255.255.255.255", "256.1.1.1", "1.2.3",    "1.2.3.4.5", "1.2.3.",
                           ".1.2.3",   "01.2.3.4", "1.2.3.04",        "1..2.3",    "1.2.3.4 ", " 1.2.3.4",  "a.b.c.d",
                           "1.2.3.4a", "",         "1234.1.1.1",      "0x1.2.3.4", "10.0.0.2", "999.0.0.0"};
    for (const char* text : texts) {
        in_addr address{};
        EXPECT_EQ(IsIPv4Text(text), inet_pton(AF_INET, text, &address) == 1) << '"' << text << '"';
    }
}
