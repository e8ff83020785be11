#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "discovery/AnnouncedPrinters.h"
#include "discovery/DatagramBytes.h"

// At most this many queue names of other models are kept to be named.
constexpr std::size_t OTHER_MODEL_QUEUES_KEPT = 3;
// Senders are told apart up to this many; a flood from more senders counts no further ones.
constexpr std::size_t DISTINCT_SENDERS_KEPT = 4096;

// What one search's listener heard, as the window reads it at the search's end.
struct SearchCounts {
    // Whether a socket was bound and listened for answers, or the listener found that none could be. A listener
    // still starting when the search ended has said neither.
    bool Listened = false;
    bool CouldNotListen = false;
    // Whether the listener has listed the adapters and asked on them; until then AdaptersAsked says nothing.
    bool AdaptersListed = false;
    // Adapters the question was sent on, the system's own choice included.
    uint32_t AdaptersAsked = 0;
    // Datagrams read whole, but not a question like the search's own, which comes back to its own sockets.
    uint32_t DatagramsHeard = 0;
    uint32_t DistinctSenders = 0;
    // Datagrams longer than the listener reads.
    uint32_t TooLong = 0;
    // Printers, told apart by their own addresses, whose answers name a queue but none of the selected model.
    uint32_t OtherModelSenders = 0;
    // The visible names of the first such queues, each once.
    std::vector<std::wstring> OtherModelQueues;
};

// The counts of the current search. The listener writes them and the window reads them after the search has
// ended, while that listener may still be winding down; the lock keeps the two apart, and a
// listener of an earlier search records nothing, so a new search starts from zero.
class ListenerCounts {
public:
    // Window side, before the search's listener starts.
    void BeginSearch(uint32_t search, const std::wstring& model);
    // Window side: the counts of that search, all zero when another search has begun since.
    SearchCounts Snapshot(uint32_t search) const;

    // Listener side; search is the listener's own search.
    void RecordListening(uint32_t search);
    void RecordCannotListen(uint32_t search);
    void RecordAdaptersAsked(uint32_t search, uint32_t adapters);
    void RecordTooLong(uint32_t search);
    void RecordDatagram(uint32_t search, const std::string& sender, const DatagramBytes& datagram);
    // The same, with the datagram's printers already read from it: the listener reads each datagram once.
    void RecordDatagram(uint32_t search, const std::string& sender, const DatagramBytes& datagram,
                        const std::vector<AnnouncedPrinter>& printers);

private:
    mutable std::mutex m_lock;
    uint32_t m_search = 0;
    std::wstring m_model;
    SearchCounts m_counts;
    std::set<std::string> m_senders;
    std::set<std::wstring> m_otherModelPrinters;
};
