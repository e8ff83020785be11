#include "discovery/ListenerCounts.h"

#include <algorithm>

#include "discovery/AnnouncedPrinters.h"
#include "discovery/MdnsListener.h"
#include "discovery/ModelQueue.h"
#include "discovery/VisibleText.h"

namespace {

// The question of a search, as the multicast or the unicast socket asks it, with nothing after it.
bool IsIppQuestion(const DatagramBytes& datagram) {
    for (const auto& question : {MDNS_IPP_QUERY, MDNS_IPP_LEGACY_QUERY}) {
        if (std::equal(question.begin(), question.end(), datagram.begin()) &&
            std::all_of(datagram.begin() + question.size(), datagram.end(), [](uint8_t byte) { return byte == 0; })) {
            return true;
        }
    }
    return false;
}

} // namespace

void ListenerCounts::BeginSearch(uint32_t search, const std::wstring& model) {
    const std::lock_guard<std::mutex> guard(m_lock);
    m_search = search;
    m_model = model;
    m_counts = SearchCounts{};
    m_senders.clear();
    m_otherModelPrinters.clear();
}

SearchCounts ListenerCounts::Snapshot(uint32_t search) const {
    const std::lock_guard<std::mutex> guard(m_lock);
    return search == m_search ? m_counts : SearchCounts{};
}

void ListenerCounts::RecordListening(uint32_t search) {
    const std::lock_guard<std::mutex> guard(m_lock);
    if (search == m_search) {
        m_counts.Listened = true;
    }
}

void ListenerCounts::RecordCannotListen(uint32_t search) {
    const std::lock_guard<std::mutex> guard(m_lock);
    if (search == m_search) {
        m_counts.CouldNotListen = true;
    }
}

void ListenerCounts::RecordAdaptersAsked(uint32_t search, uint32_t adapters) {
    const std::lock_guard<std::mutex> guard(m_lock);
    if (search == m_search) {
        m_counts.AdaptersListed = true;
        m_counts.AdaptersAsked += adapters;
    }
}

void ListenerCounts::RecordTooLong(uint32_t search) {
    const std::lock_guard<std::mutex> guard(m_lock);
    if (search == m_search) {
        ++m_counts.TooLong;
    }
}

void ListenerCounts::RecordDatagram(uint32_t search, const std::string& sender, const DatagramBytes& datagram) {
    RecordDatagram(search, sender, datagram, AnnouncedPrintersOf(datagram, sender));
}

void ListenerCounts::RecordDatagram(uint32_t search, const std::string& sender, const DatagramBytes& datagram,
                                    const std::vector<AnnouncedPrinter>& printers) {
    // The search's own question comes back through the system's multicast loop-back, whatever blocks the network's
    // datagrams: it shows nothing of what reaches Velbrix.
    if (IsIppQuestion(datagram)) {
        return;
    }
    // The datagram was read before the lock is taken, so that the window never waits for it.
    const std::lock_guard<std::mutex> guard(m_lock);
    if (search != m_search) {
        return;
    }
    ++m_counts.DatagramsHeard;
    if (m_senders.size() < DISTINCT_SENDERS_KEPT && m_senders.insert(sender).second) {
        ++m_counts.DistinctSenders;
    }
    // A datagram that announces a printer of the model makes a row; one that announces only others names them.
    // Those are counted by their own addresses: a reflecting router sends the answers of several.
    std::vector<std::wstring> otherNames;
    std::vector<std::wstring> otherAddresses;
    for (const AnnouncedPrinter& printer : printers) {
        const std::wstring listedName = ListedQueueName(printer.Queue, m_model);
        if (IsQueueOfModel(listedName, m_model)) {
            return;
        }
        if (!listedName.empty()) {
            otherNames.push_back(VisibleText(listedName));
            otherAddresses.push_back(printer.Address);
        }
    }
    for (const std::wstring& address : otherAddresses) {
        if (m_otherModelPrinters.size() < DISTINCT_SENDERS_KEPT && m_otherModelPrinters.insert(address).second) {
            ++m_counts.OtherModelSenders;
        }
    }
    std::vector<std::wstring>& queues = m_counts.OtherModelQueues;
    for (const std::wstring& visibleName : otherNames) {
        if (!visibleName.empty() && queues.size() < OTHER_MODEL_QUEUES_KEPT &&
            std::find(queues.begin(), queues.end(), visibleName) == queues.end()) {
            queues.push_back(visibleName);
        }
    }
}
