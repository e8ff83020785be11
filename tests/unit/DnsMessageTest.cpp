#include "discovery/dns/DnsMessage.h"

#include <gtest/gtest.h>

#include "support/DnsMessages.h"

namespace {

using M = DnsMessageBytes;

std::optional<DnsMessage> Read(const std::string& bytes) {
    return ReadDnsMessage(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

// A name of that many bytes in its uncompressed form, closing zero byte included, in labels of at most 63.
std::string NameOfBytes(std::size_t bytes) {
    std::string name;
    std::size_t left = bytes - 1;
    while (left > 0) {
        const std::size_t label = std::min<std::size_t>(63, left - 1);
        name += static_cast<char>(label) + std::string(label, 'a');
        left -= label + 1;
    }
    return name + '\0';
}

} // namespace

TEST(DnsMessage, ReadsTwoServicesWithTheirHostsInTheAdditionalSection) {
    M m;
    m.Question(M::Name("_ipp._tcp.local"), DNS_TYPE_PTR, 0x8000 | DNS_CLASS_IN);
    const uint16_t type = 12;
    // Each instance name is its own label followed by a pointer to _ipp._tcp.local, as responders compress.
    m.Record(DnsSection::Answer, M::Pointer(type), DNS_TYPE_PTR,
             "\x06"
             "First"
             "x" +
                 M::Pointer(type),
             4500, 1);
    const uint16_t first = m.Here() - 9;
    m.Record(DnsSection::Answer, M::Pointer(type), DNS_TYPE_PTR, "\x06Second" + M::Pointer(type), 4500, 1);
    m.Record(DnsSection::Additional, M::Pointer(first), DNS_TYPE_TXT, M::Txt({"rp=printers/M1_a", "note=x"}));
    m.Record(DnsSection::Additional, M::Pointer(first), DNS_TYPE_SRV, M::Srv(M::Name("HOST-A.local")));
    m.Record(DnsSection::Additional, M::Name("host-a.local"), 28, std::string(16, '\x01'));
    m.Record(DnsSection::Additional, M::Name("host-a.local"), DNS_TYPE_A, M::A({10, 80, 0, 11}), 0);

    const auto message = Read(m.Bytes());
    ASSERT_TRUE(message);
    EXPECT_TRUE(message->IsResponse);
    ASSERT_EQ(message->Questions.size(), 1u);
    EXPECT_EQ(message->Questions[0].Name, M::Name("_ipp._tcp.local").substr(0, 16));
    EXPECT_TRUE(message->Questions[0].UnicastResponse);
    ASSERT_EQ(message->Records.size(), 5u) << "the AAAA record is passed over";

    const std::string service = M::Name("_ipp._tcp.local").substr(0, 16);
    const std::string firstName = "\x06"
                                  "firstx" +
                                  service;
    EXPECT_EQ(message->Records[0].Target, firstName) << "the pointer read, the capital made small";
    EXPECT_FALSE(message->Records[0].CacheFlush);
    EXPECT_EQ(message->Records[0].Ttl, 4500u);
    EXPECT_EQ(message->Records[1].Target, "\x06second" + service);

    const DnsRecord& txt = message->Records[2];
    EXPECT_EQ(txt.Section, DnsSection::Additional);
    EXPECT_EQ(txt.Name, firstName) << "a pointer to a name that itself ends in a pointer";
    EXPECT_EQ(txt.Strings, (std::vector<std::string>{"rp=printers/M1_a", "note=x"}));
    EXPECT_TRUE(txt.CacheFlush);
    EXPECT_EQ(txt.Class, DNS_CLASS_IN);

    EXPECT_EQ(message->Records[3].Target, M::Name("host-a.local").substr(0, 13));
    EXPECT_EQ(message->Records[3].Port, 631);
    EXPECT_EQ(message->Records[4].Name, message->Records[3].Target);
    EXPECT_EQ(message->Records[4].Address, (std::array<uint8_t, 4>{10, 80, 0, 11}));
    EXPECT_EQ(message->Records[4].Ttl, 0u);
}

TEST(DnsMessage, AMalformedMessageIsNotReadAtAll) {
    const std::string local = M::Name("local");
    const auto answer = [](const std::string& name, uint16_t type, const std::string& data) {
        return M().Record(DnsSection::Answer, name, type, data).Bytes();
    };
    const std::string ok = answer(local, DNS_TYPE_A, M::A({10, 0, 0, 1}));
    const struct {
        const char* name;
        std::string bytes;
        bool readable;
    } cases[] = {
        {"a well-formed answer", ok, true},
        {"a header cut short", ok.substr(0, 11), false},
        {"a record cut short", ok.substr(0, ok.size() - 1), false},
        {"a record announced but absent", M().Bytes().replace(7, 1, "\x01"), false},
        {"bytes after the last record are not looked at", ok + "\xC0\xFF", true},
        {"a pointer back to an earlier name", answer(local, DNS_TYPE_PTR, M::Pointer(12)), true},
        {"a pointer to itself", answer(M::Pointer(12), DNS_TYPE_A, M::A({10, 0, 0, 1})), false},
        {"a pointer forward", answer(M::Pointer(14) + local, DNS_TYPE_A, M::A({10, 0, 0, 1})), false},
        {"a pointer past the end", answer(M::Pointer(0x3FFF), DNS_TYPE_A, M::A({10, 0, 0, 1})), false},
        {"a pointer cut in half", M().Bytes().replace(7, 1, "\x01") + "\xC0", false},
        {"a loop through a label", answer("\x01x" + M::Pointer(12), DNS_TYPE_A, M::A({10, 0, 0, 1})), false},
        {"a label past the end",
         M().Bytes().replace(7, 1, "\x01") + "\x3F"
                                             "abc",
         false},
        {"a label of the unused kind 0x40", answer("\x41x" + local, DNS_TYPE_A, M::A({10, 0, 0, 1})), false},
        {"a name of 255 bytes", answer(NameOfBytes(255), DNS_TYPE_A, M::A({10, 0, 0, 1})), true},
        {"a name of 256 bytes", answer(NameOfBytes(256), DNS_TYPE_A, M::A({10, 0, 0, 1})), false},
        {"an A record of three bytes", answer(local, DNS_TYPE_A, "\x0A\x00\x01"), false},
        {"a TXT string longer than its record",
         answer(local, DNS_TYPE_TXT,
                "\x05"
                "abc"),
         false},
        {"an empty TXT record", answer(local, DNS_TYPE_TXT, ""), true},
        {"a PTR name shorter than its record", answer(local, DNS_TYPE_PTR, local + "x"), false},
        {"an SRV record cut before its host", answer(local, DNS_TYPE_SRV, std::string(5, '\0')), false},
        {"a record of another type is passed over whatever it holds", answer(local, 47, "\xC0\xFF"), true},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(Read(testCase.bytes).has_value(), testCase.readable) << testCase.name;
    }
}
