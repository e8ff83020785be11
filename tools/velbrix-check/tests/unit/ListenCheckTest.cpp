#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/DnsMessages.h"
#include "velbrix-check/logic/ListenCheck.h"

namespace {

struct Heard {
    std::string sender;
    // The queue after ":631/printers/"; "-" for an answer without it, "!" for one too long to read.
    std::string queue;
};

void Hear(SenderLog& log, const Heard& heard) {
    if (heard.queue == "!") {
        log.Record(heard.sender, MDNS_RECEIVE_TOO_LONG, {});
        return;
    }
    const std::string text = heard.queue == "-"
                                 ? std::string("_ipp._tcp.local noise")
                                 : "adminurl=http://" + heard.sender + ":631/printers/" + heard.queue + "\x14";
    const std::vector<uint8_t> bytes(text.begin(), text.end());
    log.Record(heard.sender, static_cast<int>(bytes.size()), bytes);
}

struct VerdictCase {
    const char* name;
    std::vector<std::wstring> models;
    std::vector<Heard> heard;
    // The verdict and model of the last sender heard.
    ListenVerdict verdict;
    std::wstring model;
    int exitCode;
};

class SenderVerdicts : public testing::TestWithParam<VerdictCase> {};

TEST_P(SenderVerdicts, JudgeTheLastSenderAsVelbrixWould) {
    const VerdictCase& c = GetParam();
    SenderLog log(c.models);
    for (const Heard& heard : c.heard) {
        Hear(log, heard);
    }
    const std::vector<SenderVerdict> verdicts = log.Verdicts();
    ASSERT_FALSE(verdicts.empty());
    EXPECT_EQ(verdicts.back().Verdict, c.verdict);
    EXPECT_EQ(verdicts.back().Model, c.model);
    EXPECT_EQ(ListenExitCode(verdicts), c.exitCode);
}

std::vector<Heard> TwentyOfM1() {
    std::vector<Heard> heard;
    for (int n = 1; n <= 20; ++n) {
        heard.push_back({"10.77.0." + std::to_string(100 + n), "M1_" + std::to_string(n)});
    }
    return heard;
}

std::vector<Heard> With(std::vector<Heard> heard, const Heard& last) {
    heard.push_back(last);
    return heard;
}

const std::vector<std::wstring> M1_M2 = {L"M1", L"M2"};

INSTANTIATE_TEST_SUITE_P(
    ListenCheck, SenderVerdicts,
    testing::Values(
        VerdictCase{"of_the_first_model", M1_M2, {{"10.77.0.11", "M1_front"}}, ListenVerdict::Listed, L"M1", 0},
        VerdictCase{"of_another_configured_model", M1_M2, {{"10.77.0.12", "M2_back"}}, ListenVerdict::Listed, L"M2", 0},
        VerdictCase{"the_fixed_queue_stands_for_the_model",
                    M1_M2,
                    {{"10.77.0.13", "vantrel"}},
                    ListenVerdict::Listed,
                    L"M1",
                    0},
        VerdictCase{"of_no_configured_model", M1_M2, {{"10.77.0.14", "X9_desk"}}, ListenVerdict::OtherModel, L"", 1},
        VerdictCase{"no_queue", M1_M2, {{"10.77.0.15", "-"}}, ListenVerdict::NoQueue, L"", 1},
        VerdictCase{"too_long", M1_M2, {{"10.77.0.16", "!"}}, ListenVerdict::TooLong, L"", 1},
        VerdictCase{"a_queue_after_noise_still_makes_the_row",
                    M1_M2,
                    {{"10.77.0.17", "-"}, {"10.77.0.17", "M1_a"}},
                    ListenVerdict::Listed,
                    L"M1",
                    0},
        VerdictCase{"the_first_row_is_the_only_one",
                    M1_M2,
                    {{"10.77.0.18", "M1_a"}, {"10.77.0.18", "X9_b"}},
                    ListenVerdict::Listed,
                    L"M1",
                    0},
        VerdictCase{"a_queue_named_outweighs_too_long",
                    M1_M2,
                    {{"10.77.0.19", "!"}, {"10.77.0.19", "X9_b"}},
                    ListenVerdict::OtherModel,
                    L"",
                    1},
        VerdictCase{"unsafe_queue_name", M1_M2, {{"10.77.0.20", "M1\"&calc&\""}}, ListenVerdict::UnsafeQueue, L"M1", 1},
        VerdictCase{"the_twenty_first_row", M1_M2, With(TwentyOfM1(), {"10.77.0.200", "M1_late"}),
                    ListenVerdict::BeyondRows, L"M1", 0},
        VerdictCase{"a_full_list_leaves_the_next_model", M1_M2, With(TwentyOfM1(), {"10.77.0.201", "M1_M2_both"}),
                    ListenVerdict::Listed, L"M2", 0},
        VerdictCase{"one_model_asked_for", {L"M2"}, {{"10.77.0.22", "M1_front"}}, ListenVerdict::OtherModel, L"", 1}),
    [](const testing::TestParamInfo<VerdictCase>& info) { return std::string(info.param.name); });

TEST(ListenCheck, APrinterIsJudgedOnceAtItsOwnAddressWhoeverSentIt) {
    using M = DnsMessageBytes;
    const std::string zc0 = M::Announcing({{"zc0", {"rp=printers/M1_zc0"}, "zc0.local", {{10, 80, 0, 11}}}});
    const std::string zc1 =
        M::Announcing({{"zc1", {"adminurl=http://10.80.0.12:631/printers/M1_zc1"}, "zc1.local", {}}});
    SenderLog log({L"M1"});
    for (const auto& [sender, bytes] : std::vector<std::pair<std::string, std::string>>{
             {"10.78.0.2", "noise"}, {"10.78.0.2", zc0}, {"10.78.0.2", zc1}, {"10.80.0.11", zc0}}) {
        log.Record(sender, static_cast<int>(bytes.size()),
                   std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
    }
    const std::vector<SenderVerdict> verdicts = log.Verdicts();
    ASSERT_EQ(verdicts.size(), 2u) << "the reflector's noise is told by its first printer's line";
    EXPECT_TRUE(SenderLine(verdicts[0], L"", CheckLanguage::English).starts_with(L"10.80.0.11: queue \"M1_zc0\","));
    EXPECT_EQ(PrinterAddressLine(verdicts[0], CheckLanguage::English),
              FillText(TextOf(CheckLanguage::English, CheckText::LISTEN_PRINTER_ADDRESS),
                       {L"10.80.0.11", TextOf(CheckLanguage::English, CheckText::ADDRESS_FROM_A_RECORD), L"10.78.0.2"}))
        << "the row made by the reflector's answer";
    EXPECT_EQ(verdicts[1].Address, L"10.80.0.12");
    EXPECT_EQ(verdicts[1].Source, AddressSource::AdminUrl);
    EXPECT_EQ(verdicts[1].Verdict, ListenVerdict::Listed);
}

} // namespace

#include <stdexcept>

#include "fakes/FakeMdnsSocket.h"
#include "fakes/FakeProfile.h"
#include "fakes/FakeSleeper.h"

namespace {

class UnknownFirewall final : public IFirewallPolicy {
public:
    bool ReadFacts(FirewallFacts&) override { return false; }
};

// Runs the listener at once on the calling thread, or starts nothing.
class InlineThread final : public IListenThread {
public:
    bool starts = true;
    bool Start(std::function<void()> routine) override {
        if (starts) {
            routine();
        }
        return starts;
    }
};

class CollectedLines final : public ICheckOutput {
public:
    std::vector<std::wstring> lines;
    void WriteLine(const std::wstring& line) override { lines.push_back(line); }
};

struct RunCase {
    const char* name;
    std::vector<std::wstring> arguments;
    // Queues the desk hears, each from a sender of its own ("-" for an answer without one).
    std::vector<std::string> queues;
    // velbrix.ini's models.
    std::vector<std::wstring> models;
    bool threadStarts;
    bool socketsOpen;
    int exitCode;
    // Found in the last line.
    std::wstring lastLineHolds;
};

class ListenRuns : public testing::TestWithParam<RunCase> {};

TEST_P(ListenRuns, EndWithTheirExitCode) {
    const RunCase& c = GetParam();
    FakeProfile profile;
    profile.executablePath = L"C:\\Kit\\VelbrixCheck.exe";
    FakeProfile::File ini = {{L"COMMON", {{L"PrinterModelNums", std::to_wstring(c.models.size())}}}};
    for (std::size_t n = 0; n < c.models.size(); ++n) {
        ini[L"PRT" + std::to_wstring(n + 1)] = {{L"PrinterModel", c.models[n]}};
    }
    profile.files[L"C:\\Kit\\velbrix.ini"] = ini;

    FakeMdnsDesk desk;
    desk.adapters = std::vector<NetworkInterfaceAddress>{};
    for (std::size_t n = 0; n < c.queues.size(); ++n) {
        const std::string sender = "10.77.0." + std::to_string(11 + n);
        desk.arrivals.push_back(
            {c.queues[n] == "-" ? "noise" : "http://" + sender + ":631/printers/" + c.queues[n], sender});
    }
    if (!c.socketsOpen) {
        desk.failing = {"multicast: socket", "unicast: socket"};
    }
    // The script played, the listener ends as if it had failed: the check goes on from what it heard.
    desk.onReceive = [&desk](std::size_t) {
        if (desk.arrivals.empty()) {
            throw std::runtime_error("the script is played");
        }
    };
    FakeSleeper sleeper;
    UnknownFirewall firewall;
    InlineThread thread;
    thread.starts = c.threadStarts;
    ListenPorts ports{profile, desk, desk.multicast, desk.unicast, desk, desk, sleeper, firewall, thread};
    CollectedLines output;

    EXPECT_EQ(RunListenCheck(c.arguments, ports, CheckLanguage::English, output), c.exitCode);
    ASSERT_FALSE(output.lines.empty());
    EXPECT_NE(output.lines.back().find(c.lastLineHolds), std::wstring::npos) << testing::PrintToString(output.lines);
}

INSTANTIATE_TEST_SUITE_P(
    ListenCheck, ListenRuns,
    testing::Values(RunCase{"a_printer_of_a_model", {}, {"-", "M2_back"}, {L"M1", L"M2"}, true, true, 0, L"1"},
                    RunCase{"seconds_alone", {L"5"}, {"M1_front"}, {L"M1"}, true, true, 0, L"1"},
                    RunCase{"nothing_listed_ends_with_the_reason", {}, {"X9_desk"}, {L"M1"}, true, true, 1, L"X9_desk"},
                    RunCase{
                        "not_the_model_given", {L"M2", L"4"}, {"M1_front"}, {L"M1", L"M2"}, true, true, 1, L"M1_front"},
                    RunCase{"no_socket_opens", {}, {"M1_front"}, {L"M1"}, true, false, 2, L"5353"},
                    RunCase{"no_thread", {}, {"M1_front"}, {L"M1"}, false, true, 2, L"5353"},
                    RunCase{"no_model_anywhere", {}, {"M1_front"}, {}, true, true, 2, L"velbrix.ini"},
                    RunCase{"zero_seconds", {L"M1", L"0"}, {"M1_front"}, {L"M1"}, true, true, 2, L"--listen"},
                    RunCase{"seconds_not_a_number", {L"M1", L"3s"}, {"M1_front"}, {L"M1"}, true, true, 2, L"--listen"},
                    RunCase{"an_empty_model", {L""}, {"M1_front"}, {L"M1"}, true, true, 2, L"--listen"},
                    RunCase{"three_arguments", {L"M1", L"3", L"x"}, {"M1_front"}, {L"M1"}, true, true, 2, L"--listen"}),
    [](const testing::TestParamInfo<RunCase>& info) { return std::string(info.param.name); });

} // namespace
