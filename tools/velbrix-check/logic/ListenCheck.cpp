#include "velbrix-check/logic/ListenCheck.h"

#include <algorithm>
#include <atomic>
#include <memory>

#include "app/Configuration.h"
#include "app/LanguageChoice.h"
#include "discovery/DiscoveryTables.h"
#include "discovery/EmptySearchReason.h"
#include "discovery/MdnsListener.h"
#include "discovery/ModelQueue.h"
#include "discovery/PacketHandoff.h"
#include "discovery/VisibleText.h"
#include "install/QueueNameSafety.h"
#include "messages/CatalogueTexts.h"
#include "messages/MessageCatalogue.h"
#include "velbrix-check/logic/Findings.h"

namespace {

const std::wstring CHECKER_VERSION = L"" VELBRIX_CHECK_VERSION;
constexpr uint32_t SEARCH = 1;
constexpr uint32_t WAIT_STEP_MS = 100;

std::wstring Text(CheckLanguage language, CheckText text, const std::vector<std::wstring>& values = {}) {
    return FillText(TextOf(language, text), values);
}

// Velbrix's catalogue as compiled into the checker, for the reason line Velbrix itself would log.
class CompiledCatalogue final : public IStringResources {
public:
    std::optional<std::wstring> FindString(uint32_t id, uint16_t language) override {
        const wchar_t* text = CatalogueTextOf(language, static_cast<int>(id));
        return text != nullptr ? std::optional<std::wstring>(text) : std::nullopt;
    }
};

// The listener's trace of every datagram is Velbrix's console output; the checker prints its own lines.
class NoTrace final : public IStandardOutput {
public:
    void Write(const std::string&) override {}
    void WriteLineEnd() override {}
    void Flush() override {}
};

// One of the listener's sockets, unchanged, with every receive told to the log.
class RecordingSocket final : public IMdnsSocket {
public:
    RecordingSocket(IMdnsSocket& socket, SenderLog& log) : m_socket(socket), m_log(log) {}

    bool StartSocketLibrary() override { return m_socket.StartSocketLibrary(); }
    void StopSocketLibrary() override { m_socket.StopSocketLibrary(); }
    bool CreateSocket() override { return m_socket.CreateSocket(); }
    bool SetReuseAddress() override { return m_socket.SetReuseAddress(); }
    bool SetReceiveBufferBytes(uint32_t bytes) override { return m_socket.SetReceiveBufferBytes(bytes); }
    bool Bind(uint16_t port) override { return m_socket.Bind(port); }
    bool JoinGroup(const std::string& group, const std::string& interfaceAddress) override {
        return m_socket.JoinGroup(group, interfaceAddress);
    }
    bool SetSendingInterface(const std::string& interfaceAddress) override {
        return m_socket.SetSendingInterface(interfaceAddress);
    }
    bool SendTo(std::span<const uint8_t> datagram, const std::string& address, uint16_t port) override {
        return m_socket.SendTo(datagram, address, port);
    }
    int Receive(std::span<uint8_t> buffer, std::string& sender) override {
        const int received = m_socket.Receive(buffer, sender);
        m_log.Record(sender, received, buffer);
        return received;
    }
    bool HasPendingDatagram() override { return m_socket.HasPendingDatagram(); }
    void CloseSocket() override { m_socket.CloseSocket(); }

private:
    IMdnsSocket& m_socket;
    SenderLog& m_log;
};

// Everything the listener's thread uses; the thread holds it as long as it runs, which may be past the end of
// the check.
struct ListenSession {
    ListenSession(ListenPorts& ports, std::vector<std::wstring> models)
        : log(std::move(models)), multicast(ports.MulticastSocket, log), unicast(ports.UnicastSocket, log),
          context{ports.Runtime, multicast,     unicast, ports.Wait, ports.Interfaces,
                  trace,         ports.Sleeper, handoff, SEARCH,     [this, &ports] { TakeDatagram(ports.Sleeper); },
                  [] {}} {}

    // The log has already judged the datagram as its socket received it: the slot is only emptied for the
    // next one.
    void TakeDatagram(ISleeper& sleeper) {
        ReceivedDatagram received;
        if (TakeHandedOffDatagram(
                handoff, sleeper, [](const char*) { return true; }, received) == TakeResult::Taken) {
            ReleaseHandoff(handoff);
        }
    }

    SenderLog log;
    NoTrace trace;
    RecordingSocket multicast;
    RecordingSocket unicast;
    DiscoveryHandoff handoff;
    std::atomic<bool> finished{false};
    ListenerContext context;
};

bool AllDigits(const std::wstring& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

std::wstring Joined(const std::vector<std::wstring>& texts, const std::wstring& separator) {
    std::wstring joined;
    for (const std::wstring& text : texts) {
        joined += (joined.empty() ? L"" : separator) + text;
    }
    return joined;
}

} // namespace

SenderLog::SenderLog(std::vector<std::wstring> models) : m_models(std::move(models)), m_rows(m_models.size(), 0) {}

void SenderLog::Record(const std::string& sender, int received, std::span<const uint8_t> buffer) {
    // A failed receive, or one too long whose sender the system did not say, names nobody.
    if (sender.empty() || (received < 0 && received != MDNS_RECEIVE_TOO_LONG)) {
        return;
    }
    DatagramBytes datagram{};
    if (received > 0) {
        std::copy_n(buffer.begin(), std::min({buffer.size(), datagram.size(), static_cast<std::size_t>(received)}),
                    datagram.begin());
    }
    // The datagram is read before the lock is taken.
    const std::vector<AnnouncedPrinter> printers =
        received > 0 ? AnnouncedPrintersOf(datagram, sender) : std::vector<AnnouncedPrinter>{};
    const std::lock_guard<std::mutex> guard(m_lock);
    auto known = m_senders.find(sender);
    if (printers.empty()) {
        if (known == m_senders.end()) {
            if (m_senders.size() >= DISTINCT_SENDERS_KEPT) {
                return;
            }
            known = m_senders.emplace(sender, m_verdicts.size()).first;
            m_verdicts.push_back(
                SenderVerdict{sender, false, L"", AddressSource::Sender, ListenVerdict::NoQueue, L"", received, L""});
        }
        SenderVerdict& verdict = m_verdicts[known->second];
        // A sender that announced printers is told by their lines.
        if (verdict.Announced) {
            return;
        }
        if (received == MDNS_RECEIVE_TOO_LONG) {
            if (verdict.Verdict == ListenVerdict::NoQueue) {
                verdict = SenderVerdict{sender, false,    L"", AddressSource::Sender, ListenVerdict::TooLong,
                                        L"",    received, L""};
            }
        } else if (verdict.Verdict == ListenVerdict::NoQueue) {
            verdict.Bytes = received;
        }
        return;
    }
    for (const AnnouncedPrinter& printer : printers) {
        // What the byte scan finds is judged per sender, as Velbrix lists it: once the address has a row (or was
        // refused one for a full list), nothing more.
        if (printer.ByteScanned && m_addressesDecided.count(printer.Address) != 0) {
            continue;
        }
        const std::wstring key = printer.Address + L'\n' + (printer.ByteScanned ? L"" : VisibleText(printer.Queue));
        auto found = m_printers.find(key);
        if (found == m_printers.end()) {
            std::size_t slot = m_verdicts.size();
            // What the sender sent before is told by its first printer's line, in its place.
            if (known != m_senders.end() && !m_verdicts[known->second].Announced) {
                slot = known->second;
            } else if (m_printers.size() >= DISTINCT_SENDERS_KEPT) {
                continue;
            } else {
                m_verdicts.emplace_back();
            }
            if (known == m_senders.end()) {
                known = m_senders.emplace(sender, slot).first;
            }
            found = m_printers.emplace(key, slot).first;
            m_verdicts[slot] = SenderVerdict{
                sender, true, printer.Address, printer.Source, ListenVerdict::NoQueue, L"", received, L""};
        }
        SenderVerdict& verdict = m_verdicts[found->second];
        // A printer's row, once made (or refused for a full list), is its only one.
        if (verdict.Verdict == ListenVerdict::Listed || verdict.Verdict == ListenVerdict::UnsafeQueue ||
            verdict.Verdict == ListenVerdict::BeyondRows) {
            continue;
        }
        verdict.Sender = sender;
        verdict.Source = printer.Source;
        Judge(verdict, printer.Queue, received);
        if (verdict.Verdict == ListenVerdict::Listed || verdict.Verdict == ListenVerdict::UnsafeQueue ||
            verdict.Verdict == ListenVerdict::BeyondRows) {
            m_addressesDecided.insert(verdict.Address);
        }
    }
}

void SenderLog::Judge(SenderVerdict& verdict, const std::wstring& queue, int received) {
    const std::wstring* fullModel = nullptr;
    for (std::size_t model = 0; model < m_models.size(); ++model) {
        const std::wstring listed = ListedQueueName(queue, m_models[model]);
        if (!IsQueueOfModel(listed, m_models[model])) {
            continue;
        }
        if (m_rows[model] >= PRINTER_TABLE_ROWS) {
            fullModel = fullModel != nullptr ? fullModel : &m_models[model];
            continue;
        }
        ++m_rows[model];
        // Velbrix lists it, but its installation refuses a name (as the list shows it) that could break out of
        // the script's quotes.
        verdict.Verdict = IsSafeQueueName(VisibleText(listed)) ? ListenVerdict::Listed : ListenVerdict::UnsafeQueue;
        verdict.Queue = VisibleText(listed);
        verdict.Bytes = received;
        verdict.Model = m_models[model];
        return;
    }
    if (fullModel != nullptr) {
        verdict.Verdict = ListenVerdict::BeyondRows;
        verdict.Model = *fullModel;
    } else if (!VisibleText(queue).empty()) {
        verdict.Verdict = ListenVerdict::OtherModel;
    } else if (verdict.Verdict != ListenVerdict::NoQueue) {
        return;
    }
    verdict.Queue = VisibleText(queue);
    verdict.Bytes = received;
}

std::vector<SenderVerdict> SenderLog::Verdicts() const {
    const std::lock_guard<std::mutex> guard(m_lock);
    return m_verdicts;
}

std::wstring SenderLine(const SenderVerdict& verdict, const std::wstring& onlyModel, CheckLanguage language) {
    std::wstring said;
    switch (verdict.Verdict) {
    case ListenVerdict::Listed:
        said = Text(language, CheckText::VERDICT_LISTED, {verdict.Model});
        break;
    case ListenVerdict::BeyondRows:
        said = Text(language, CheckText::VERDICT_BEYOND_ROWS, {Number(PRINTER_TABLE_ROWS), verdict.Model});
        break;
    case ListenVerdict::UnsafeQueue:
        said = Text(language, CheckText::VERDICT_UNSAFE, {verdict.Model});
        break;
    case ListenVerdict::OtherModel:
        said = onlyModel.empty() ? Text(language, CheckText::VERDICT_OTHER_MODEL)
                                 : Text(language, CheckText::VERDICT_NOT_THE_MODEL, {onlyModel});
        break;
    case ListenVerdict::TooLong:
        said = Text(language, CheckText::VERDICT_TOO_LONG, {Number(DATAGRAM_BYTES)});
        break;
    case ListenVerdict::NoQueue:
        said = Text(language, CheckText::VERDICT_NO_QUEUE);
        break;
    }
    const std::wstring address =
        verdict.Announced ? verdict.Address : std::wstring(verdict.Sender.begin(), verdict.Sender.end());
    const std::wstring queue = verdict.Queue.empty() ? Text(language, CheckText::NONE) : L"\"" + verdict.Queue + L"\"";
    const std::wstring bytes = verdict.Bytes == MDNS_RECEIVE_TOO_LONG
                                   ? Text(language, CheckText::LISTEN_BYTES_MORE, {Number(DATAGRAM_BYTES)})
                                   : Number(static_cast<uint64_t>(std::max(verdict.Bytes, 0)));
    return Text(language, CheckText::LISTEN_SENDER, {address, queue, bytes, said});
}

std::wstring PrinterAddressLine(const SenderVerdict& verdict, CheckLanguage language) {
    if (!verdict.Announced) {
        return std::wstring();
    }
    const CheckText source = verdict.Source == AddressSource::ARecord    ? CheckText::ADDRESS_FROM_A_RECORD
                             : verdict.Source == AddressSource::AdminUrl ? CheckText::ADDRESS_FROM_ADMINURL
                                                                         : CheckText::ADDRESS_FROM_SENDER;
    return Text(language, CheckText::LISTEN_PRINTER_ADDRESS,
                {verdict.Address, Text(language, source), std::wstring(verdict.Sender.begin(), verdict.Sender.end())});
}

int ListenExitCode(const std::vector<SenderVerdict>& verdicts) {
    return std::any_of(verdicts.begin(), verdicts.end(),
                       [](const SenderVerdict& verdict) { return verdict.Verdict == ListenVerdict::Listed; })
               ? EXIT_PRINTER_LISTED
               : EXIT_NO_PRINTER_LISTED;
}

int RunListenCheck(const std::vector<std::wstring>& arguments, ListenPorts& ports, CheckLanguage language,
                   ICheckOutput& output) {
    Configuration configuration;
    const ConfigurationReport report = LoadConfiguration(ports.Profile, configuration);

    std::vector<std::wstring> models;
    std::wstring onlyModel;
    std::wstring secondsText;
    if (arguments.size() == 2) {
        models = {arguments[0]};
        secondsText = arguments[1];
    } else if (arguments.size() == 1 && AllDigits(arguments[0])) {
        secondsText = arguments[0];
    } else if (arguments.size() == 1) {
        models = {arguments[0]};
    }
    if (!models.empty()) {
        onlyModel = models[0];
    } else {
        for (const std::wstring& model : report.ModelNames) {
            if (!model.empty() && std::find(models.begin(), models.end(), model) == models.end()) {
                models.push_back(model);
            }
        }
    }
    uint32_t seconds = configuration.SearchDuration;
    if (!secondsText.empty()) {
        seconds =
            AllDigits(secondsText) && secondsText.size() <= 4 ? static_cast<uint32_t>(std::stoul(secondsText)) : 0;
    }
    if (arguments.size() > 2 || (!arguments.empty() && arguments[0].empty()) || seconds == 0 ||
        seconds > LISTEN_SECONDS_MAX) {
        output.WriteLine(Text(language, CheckText::LISTEN_BAD_ARGUMENTS, {Number(LISTEN_SECONDS_MAX)}));
        output.WriteLine(Text(language, CheckText::USAGE_LISTEN));
        return EXIT_COULD_NOT_LISTEN;
    }
    if (models.empty()) {
        output.WriteLine(Text(language, CheckText::LISTEN_NO_MODEL));
        return EXIT_COULD_NOT_LISTEN;
    }
    output.WriteLine(
        Text(language, CheckText::LISTEN_HEADING, {CHECKER_VERSION, Number(seconds), Joined(models, L", ")}));

    // The counts explain an empty search for one model; listening for several, every answer that names a
    // queue and makes no row counts as one of another model.
    const std::wstring countedModel = models.size() == 1 ? models[0] : Joined(models, L" / ");
    auto session = std::make_shared<ListenSession>(ports, models);
    session->handoff.CurrentSearch.store(SEARCH);
    session->handoff.Counts.BeginSearch(SEARCH, countedModel);
    const bool started = ports.Thread.Start([session] {
        MdnsListenerThread(session->context);
        session->finished.store(true);
    });
    for (uint32_t waited = 0; started && waited < seconds * 1000 && !session->finished.load(); waited += WAIT_STEP_MS) {
        ports.Sleeper.Sleep(WAIT_STEP_MS);
    }
    StopDiscovery(session->handoff);

    const SearchCounts counts = session->handoff.Counts.Snapshot(SEARCH);
    CompiledCatalogue resources;
    const MessageCatalogue catalogue(resources,
                                     language == CheckLanguage::Chinese ? LANGUAGE_CHINESE_PRC : LANGUAGE_ENGLISH_US);
    if (!started || !counts.Listened) {
        output.WriteLine(EmptySearchReasonLine(EmptySearchReason::CannotListen, counts, countedModel, catalogue));
        return EXIT_COULD_NOT_LISTEN;
    }
    const std::vector<SenderVerdict> verdicts = session->log.Verdicts();
    for (const SenderVerdict& verdict : verdicts) {
        output.WriteLine(SenderLine(verdict, onlyModel, language));
        if (const std::wstring where = PrinterAddressLine(verdict, language); !where.empty()) {
            output.WriteLine(where);
        }
    }
    const int exitCode = ListenExitCode(verdicts);
    const auto listed = std::count_if(verdicts.begin(), verdicts.end(), [](const SenderVerdict& verdict) {
        return verdict.Verdict == ListenVerdict::Listed;
    });
    output.WriteLine(Text(language, CheckText::LISTEN_SUMMARY, {Number(static_cast<uint64_t>(listed))}));
    if (exitCode == EXIT_NO_PRINTER_LISTED) {
        const EmptySearchReason reason = ChooseEmptySearchReason(counts, ports.Firewall);
        output.WriteLine(EmptySearchReasonLine(reason, counts, countedModel, catalogue));
    }
    return exitCode;
}
