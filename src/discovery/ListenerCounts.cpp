#include "discovery/ListenerCounts.h"

#include <algorithm>

#include "discovery/AnnouncedPrinters.h"
#include "discovery/ModelQueue.h"
#include "discovery/VisibleText.h"

void ListenerCounts::BeginSearch(uint32_t search, const std::wstring& model) {
    const std::lock_guard<std::mutex> guard(m_lock);
    m_search = search;
    m_model = model;
    m_counts = SearchCounts{};
    m_senders.clear();
    m_otherModelSenders.clear();
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
    // The datagram is read before the lock is taken, so that the window never waits for it.
    const std::vector<AnnouncedPrinter> printers = AnnouncedPrintersOf(datagram, sender);
    const std::lock_guard<std::mutex> guard(m_lock);
    if (search != m_search) {
        return;
    }
    ++m_counts.DatagramsHeard;
    if (m_senders.size() < DISTINCT_SENDERS_KEPT && m_senders.insert(sender).second) {
        ++m_counts.DistinctSenders;
    }
    // A datagram that announces a printer of the model makes a row; one that announces only others names them.
    std::vector<std::wstring> otherNames;
    for (const AnnouncedPrinter& printer : printers) {
        const std::wstring listedName = ListedQueueName(printer.Queue, m_model);
        if (IsQueueOfModel(listedName, m_model)) {
            return;
        }
        if (!listedName.empty()) {
            otherNames.push_back(VisibleText(listedName));
        }
    }
    if (otherNames.empty()) {
        return;
    }
    if (m_otherModelSenders.size() < DISTINCT_SENDERS_KEPT && m_otherModelSenders.insert(sender).second) {
        ++m_counts.OtherModelSenders;
    }
    std::vector<std::wstring>& queues = m_counts.OtherModelQueues;
    for (const std::wstring& visibleName : otherNames) {
        if (!visibleName.empty() && queues.size() < OTHER_MODEL_QUEUES_KEPT &&
            std::find(queues.begin(), queues.end(), visibleName) == queues.end()) {
            queues.push_back(visibleName);
        }
    }
}
