#include "discovery/AnnouncedPrinters.h"

#include <gtest/gtest.h>

#include "discovery/VisibleText.h"
#include "support/Datagrams.h"
#include "support/DnsMessages.h"
#include "support/RecordedAnswers.h"

namespace {

using M = DnsMessageBytes;

constexpr std::array<uint8_t, 4> PRINTER = {10, 80, 0, 11};
constexpr std::array<uint8_t, 4> REFLECTOR = {10, 78, 0, 2};
const std::string ADMINURL = "adminurl=http://10.80.0.12:631/printers/M1_zc0";

struct Expected {
    std::wstring address;
    AddressSource source;
    std::wstring queue;
};

} // namespace

TEST(AnnouncedPrinters, EachServiceAtItsOwnAddressARecordThenAdminurlThenSender) {
    const auto one = [](std::vector<std::string> txt, std::string host = "",
                        std::vector<std::array<uint8_t, 4>> addresses = {}, uint32_t txtTtl = 120) {
        return M::Announcing({{"M1 zc0", std::move(txt), std::move(host), std::move(addresses), txtTtl}});
    };
    const auto A = AddressSource::ARecord;
    const auto URL = AddressSource::AdminUrl;
    const auto SENDER = AddressSource::Sender;
    const struct {
        const char* name;
        std::string bytes;
        std::vector<Expected> printers;
    } cases[] = {
        {"the A record of the SRV host",
         one({"rp=printers/M1_zc0", ADMINURL}, "zc0.local", {PRINTER}),
         {{L"10.80.0.11", A, L"M1_zc0"}}},
        {"of several A records, the sender's",
         one({"rp=printers/M1_zc0"}, "zc0.local", {PRINTER, REFLECTOR}),
         {{L"10.78.0.2", A, L"M1_zc0"}}},
        {"of several A records, else the first",
         one({"rp=printers/M1_zc0"}, "zc0.local", {PRINTER, {10, 80, 0, 13}}),
         {{L"10.80.0.11", A, L"M1_zc0"}}},
        {"a loopback A record is passed over",
         one({"rp=printers/M1_zc0", ADMINURL}, "zc0.local", {{127, 0, 1, 1}}),
         {{L"10.80.0.12", URL, L"M1_zc0"}}},
        {"an SRV host without an A record: adminurl", one({ADMINURL}, "zc0.local"), {{L"10.80.0.12", URL, L"M1_zc0"}}},
        {"adminurl naming a host: the sender",
         one({"adminurl=https://cups-lab.local.:631/printers/M1_Lab"}),
         {{L"10.78.0.2", SENDER, L"M1_Lab"}}},
        {"adminurl at a loopback address: the sender",
         one({"adminurl=http://127.0.1.1:631/printers/M1_zc0"}),
         {{L"10.78.0.2", SENDER, L"M1_zc0"}}},
        {"adminurl whose address runs on after a zero byte: the sender",
         one({"rp=printers/M1_zc0", "adminurl=http://10.80.0.1" + std::string(1, '\0') + "1:631/"}),
         {{L"10.78.0.2", SENDER, L"M1_zc0"}}},
        {"rp before adminurl", one({ADMINURL + "x", "rp=printers/M1_rp"}), {{L"10.80.0.12", URL, L"M1_rp"}}},
        {"adminurl when rp names no printers/ queue",
         one({"rp=ipp/print", ADMINURL}),
         {{L"10.80.0.12", URL, L"M1_zc0"}}},
        {"keys in capitals", one({"RP=printers/M1_big"}), {{L"10.78.0.2", SENDER, L"M1_big"}}},
        {"two services in one answer",
         M::Announcing({{"M1 a", {"rp=printers/M1_a"}, "a.local", {PRINTER}},
                        {"M1 b", {"rp=printers/M1_b"}, "b.local", {{10, 80, 0, 12}}}}),
         {{L"10.80.0.11", A, L"M1_a"}, {L"10.80.0.12", A, L"M1_b"}}},
        {"two queues of one print server",
         M::Announcing({{"M1 a", {"rp=printers/M1_a"}, "ps.local", {PRINTER}},
                        {"M1 b", {"rp=printers/M1_b"}, "ps.local", {PRINTER}}}),
         {{L"10.80.0.11", A, L"M1_a"}, {L"10.80.0.11", A, L"M1_b"}}},
        {"a goodbye lists nothing", one({ADMINURL}, "zc0.local", {PRINTER}, 0), {}},
        {"names of instance services only, as a reflector answers the group",
         M().Record(DnsSection::Answer, M::Name("_ipp._tcp.local"), DNS_TYPE_PTR, M::Name("M1 zc0._ipp._tcp.local"))
             .Bytes(),
         {}},
        {"a query holding the marker: the byte scan",
         M::Announcing({{"M1 q", {ADMINURL}, "", {}}}, M::QUERY),
         {{L"10.78.0.2", SENDER, L"M1_zc0"}}},
        {"an answer that cannot be read: the byte scan",
         PrinterAnswer("10.80.0.11", "M1_sim"),
         {{L"10.78.0.2", SENDER, L"M1_sim"}}},
        {"records naming no queue but the marker elsewhere: the byte scan",
         one({"url=http://10.80.0.12:631/printers/M1_url"}),
         {{L"10.78.0.2", SENDER, L"M1_url"}}},
        {"a CUPS server's recorded answer", RecordedAnswer("cups-ipp-answer.bin"), {{L"10.78.0.2", A, L"M1_Lab"}}},
    };
    for (const auto& testCase : cases) {
        const std::vector<AnnouncedPrinter> printers = AnnouncedPrintersOf(DatagramOf(testCase.bytes), "10.78.0.2");
        ASSERT_EQ(printers.size(), testCase.printers.size()) << testCase.name;
        for (std::size_t n = 0; n < printers.size(); ++n) {
            EXPECT_EQ(printers[n].Address, testCase.printers[n].address) << testCase.name;
            EXPECT_EQ(printers[n].Source, testCase.printers[n].source) << testCase.name;
            EXPECT_EQ(VisibleText(printers[n].Queue), testCase.printers[n].queue) << testCase.name;
        }
        EXPECT_EQ(CanListPrinter(DatagramOf(testCase.bytes)), !testCase.printers.empty()) << testCase.name;
    }
}
