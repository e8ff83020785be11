#include "discovery/PacketHandoff.h"

#include <algorithm>

namespace {

bool Claim(std::atomic<int32_t>& state, int32_t claimedAs) {
    int32_t expected = HANDOFF_FREE;
    return state.compare_exchange_strong(expected, claimedAs, std::memory_order_acquire);
}

} // namespace

HandOffResult ListenerHandOff(DiscoveryHandoff& handoff, uint32_t listenerSearch, const std::string& senderAddress,
                              const DatagramBytes& buffer, ISleeper& sleeper,
                              const std::function<void()>& sendPacketMessage) {
    for (int look = 0; look < HANDOFF_LOOKS; ++look) {
        if (Claim(handoff.HandoffState, HANDOFF_FILLING)) {
            if (handoff.CurrentSearch.load() != listenerSearch) {
                handoff.HandoffState.store(HANDOFF_FREE, std::memory_order_release);
                return HandOffResult::Retired;
            }
            handoff.Slot.SenderAddress.fill('\0');
            const std::size_t length = std::min(senderAddress.size(), SENDER_ADDRESS_BYTES - 1);
            std::copy_n(senderAddress.begin(), length, handoff.Slot.SenderAddress.begin());
            handoff.Slot.Datagram = buffer;
            handoff.SlotSearch.store(listenerSearch, std::memory_order_relaxed);
            // Freed before the message is sent: the window thread waits for a free slot before it reads.
            handoff.HandoffState.store(HANDOFF_FREE, std::memory_order_release);
            sendPacketMessage();
            return HandOffResult::Forwarded;
        }
        sleeper.Sleep(HANDOFF_LOOK_INTERVAL_MS);
    }
    return HandOffResult::SlotBusy;
}

TakeResult TakeHandedOffDatagram(DiscoveryHandoff& handoff, ISleeper& sleeper,
                                 const std::function<bool(const char* senderAddress)>& senderIsValid,
                                 ReceivedDatagram& received) {
    for (int look = 0; look < HANDOFF_LOOKS; ++look) {
        if (!Claim(handoff.HandoffState, HANDOFF_READING)) {
            sleeper.Sleep(HANDOFF_LOOK_INTERVAL_MS);
            continue;
        }
        // The field is read as zero-terminated text; its last byte is always a terminator for the check.
        std::array<char, SENDER_ADDRESS_BYTES + 1> sender{};
        std::copy(handoff.Slot.SenderAddress.begin(), handoff.Slot.SenderAddress.end(), sender.begin());
        const bool current = handoff.SlotSearch.load(std::memory_order_relaxed) == handoff.CurrentSearch.load();
        if (!current || !senderIsValid(sender.data())) {
            ReleaseHandoff(handoff);
            return TakeResult::Dropped;
        }
        received.SenderAddress = handoff.Slot.SenderAddress;
        received.Datagram = handoff.Slot.Datagram;
        handoff.Slot.SenderAddress.fill('\0');
        handoff.Slot.Datagram.fill(0);
        return TakeResult::Taken;
    }
    return TakeResult::SlotBusy;
}

void ReleaseHandoff(DiscoveryHandoff& handoff) {
    handoff.HandoffState.store(HANDOFF_FREE, std::memory_order_release);
}

void StopDiscovery(DiscoveryHandoff& handoff) {
    handoff.StopSearch.store(1);
    int32_t reading = HANDOFF_READING;
    handoff.HandoffState.compare_exchange_strong(reading, HANDOFF_FREE);
}

bool PostListenerNotice(DiscoveryHandoff& handoff, uint32_t listenerSearch, ListenerNotice notice) {
    if (handoff.CurrentSearch.load() != listenerSearch) {
        return false;
    }
    handoff.Notice.store(uint64_t{listenerSearch} << 32 | static_cast<uint32_t>(notice));
    return true;
}

ListenerNotice TakeListenerNotice(DiscoveryHandoff& handoff) {
    const uint64_t notice = handoff.Notice.exchange(0);
    if (static_cast<uint32_t>(notice >> 32) != handoff.CurrentSearch.load()) {
        return ListenerNotice::None;
    }
    return static_cast<ListenerNotice>(static_cast<uint32_t>(notice));
}
