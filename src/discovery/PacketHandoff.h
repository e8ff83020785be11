#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "discovery/DatagramBytes.h"
#include "discovery/ListenerCounts.h"
#include "ports/Threading.h"

constexpr std::size_t SENDER_ADDRESS_BYTES = 16;

constexpr int32_t HANDOFF_FREE = 0;
constexpr int32_t HANDOFF_FILLING = 1;
constexpr int32_t HANDOFF_READING = 2;

// Both sides look at the slot at most this many times, this far apart, before they give a datagram up.
constexpr int HANDOFF_LOOKS = 10;
constexpr uint32_t HANDOFF_LOOK_INTERVAL_MS = 100;

// One received datagram and its sender, as the listener thread leaves it for the window thread.
struct PacketHandoff {
    DatagramBytes Datagram{};
    // Dotted-decimal text in 8-bit characters, zero-terminated.
    std::array<char, SENDER_ADDRESS_BYTES> SenderAddress{};
};

// The slot and the flags that the listener threads and the window thread share.
struct DiscoveryHandoff {
    PacketHandoff Slot;
    std::atomic<int32_t> HandoffState{HANDOFF_FREE};
    std::atomic<int32_t> StopSearch{0};
    // The search whose listener may hand datagrams over; every new search counts it up, which retires the
    // listeners of earlier searches. The slot records whose listener filled it.
    std::atomic<uint32_t> CurrentSearch{0};
    std::atomic<uint32_t> SlotSearch{0};
    // What a listener tells the window besides datagrams, with the number of its search in the upper half, so
    // that the window reads both in one step.
    std::atomic<uint64_t> Notice{0};
    // What the listener of the current search heard, for explaining a search that lists nothing.
    ListenerCounts Counts;
};

// What a listener that cannot go on tells the window: it could open no socket, or it failed (an exception).
enum class ListenerNotice : uint32_t { None = 0, CouldNotListen = 1, Failed = 2 };

// A datagram as the window thread took it out of the slot.
struct ReceivedDatagram {
    std::array<char, SENDER_ADDRESS_BYTES> SenderAddress{};
    DatagramBytes Datagram{};
};

enum class HandOffResult { Forwarded, SlotBusy, Retired };

// Listener side: claims the slot in one step, so that another listener can never interleave its bytes with
// ours, fills it with the sender (at most 15 characters and a zero) and all 1024 bytes of the buffer, frees
// it and sends the packet message, which returns once the window thread has handled it. Gives up after ten
// looks 100 ms apart; a listener whose search is no longer the current one forwards nothing.
HandOffResult ListenerHandOff(DiscoveryHandoff& handoff, uint32_t listenerSearch, const std::string& senderAddress,
                              const DatagramBytes& buffer, ISleeper& sleeper,
                              const std::function<void()>& sendPacketMessage);

enum class TakeResult { SlotBusy, Dropped, Taken };

// Window side: claims the slot for reading (ten looks 100 ms apart). A sender that is not an IPv4 address, or
// a slot filled by a retired listener, frees the slot again and is dropped. Otherwise both fields are copied
// into received and zeroed in the slot, which stays claimed until ReleaseHandoff. A slot still busy after
// ten looks is left as it is.
TakeResult TakeHandedOffDatagram(DiscoveryHandoff& handoff, ISleeper& sleeper,
                                 const std::function<bool(const char* senderAddress)>& senderIsValid,
                                 ReceivedDatagram& received);

void ReleaseHandoff(DiscoveryHandoff& handoff);

// The end of a search: the listener stops within LISTENER_LOOK_MS, or once it has handed over a datagram it had
// already received. A slot left claimed for reading is freed; a slot a listener is filling is left to that
// listener, which frees it itself.
void StopDiscovery(DiscoveryHandoff& handoff);

// Listener side: leaves the notice for the window; a listener that a later search retired leaves nothing.
// Answers whether it left it.
bool PostListenerNotice(DiscoveryHandoff& handoff, uint32_t listenerSearch, ListenerNotice notice);

// Window side: takes the notice that the listener of the current search left; None when there is none.
ListenerNotice TakeListenerNotice(DiscoveryHandoff& handoff);
