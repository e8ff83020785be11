#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "discovery/PacketHandoff.h"
#include "ports/ComponentRuntime.h"
#include "ports/MdnsSocket.h"
#include "ports/MonotonicClock.h"
#include "ports/NetworkInterfaces.h"
#include "ports/StandardOutput.h"
#include "ports/Threading.h"

constexpr uint16_t MDNS_PORT = 5353;
constexpr char MDNS_GROUP[] = "224.0.0.251";
// The interface the system chooses.
constexpr char ANY_INTERFACE[] = "0.0.0.0";

// The question a search asks: PTR records of _ipp._tcp.local, class IN, answers by multicast.
constexpr std::array<uint8_t, 33> MDNS_IPP_QUERY = {
    0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // header: one question
    0x04, '_',  'i',  'p',  'p',  0x04, '_',  't',  'c',  'p',              // _ipp._tcp
    0x05, 'l',  'o',  'c',  'a',  'l',  0x00,                               // .local
    0x00, 0x0C,                                                             // type PTR
    0x00, 0x01,                                                             // class IN
};

// The same question from the unicast socket, told apart by its identifier alone. A responder that has just
// heard the multicast socket's bytes takes the very same bytes a moment later for a repeat and drops them
// (python-zeroconf drops a datagram equal to the one before it within a second); an identifier below 256
// keeps the first byte zero, as in the answers, which repeat it.
constexpr uint8_t MDNS_LEGACY_QUERY_IDENTIFIER = 1;
constexpr std::array<uint8_t, 33> MdnsIppLegacyQuery() {
    std::array<uint8_t, 33> query = MDNS_IPP_QUERY;
    query[1] = MDNS_LEGACY_QUERY_IDENTIFIER;
    return query;
}
constexpr std::array<uint8_t, 33> MDNS_IPP_LEGACY_QUERY = MdnsIppLegacyQuery();

// Enough for a burst of thousands of datagrams to wait while the listener hands one over.
constexpr uint32_t MDNS_RECEIVE_BUFFER_BYTES = 4 * 1024 * 1024;

constexpr int32_t LISTENER_EXIT_OK = 0;
// Neither socket could be opened: the window has been told that nothing can be heard.
constexpr int32_t LISTENER_EXIT_SOCKET_FAILED = -1;
// Something failed with an exception: the sockets are closed and the window has been told.
constexpr int32_t LISTENER_EXIT_FAILED = -2;
// The wait on the sockets kept failing: they are closed and the window has been told that nothing can be heard.
constexpr int32_t LISTENER_EXIT_WAIT_FAILED = -3;

// This many failed waits or receives in a row end the listening; between two of them the listener pauses, so
// that a socket that fails at once on every call does not keep the processor busy.
constexpr int LISTENING_FAILURES_IN_A_ROW = 10;
constexpr uint32_t LISTENING_FAILURE_PAUSE_MS = 100;

// The port the unicast socket binds to: one the system picks. A question from a port other than the mDNS port
// is answered at once by unicast to that port, which a desk's firewall lets through where it drops answers
// sent to the group.
constexpr uint16_t ANY_PORT = 0;

// Everything one listener thread works with; search is the number of the search it belongs to.
struct ListenerContext {
    IComponentRuntime& runtime;
    // On the mDNS port, in the group; the socket library is started and stopped through it.
    IMdnsSocket& multicastSocket;
    // On a port the system picks.
    IMdnsSocket& unicastSocket;
    IMdnsSocketWait& wait;
    INetworkInterfaces& interfaces;
    IStandardOutput& output;
    ISleeper& sleeper;
    IMonotonicClock& clock;
    DiscoveryHandoff& handoff;
    uint32_t search;
    // How long the search lasts: the listener asks again through it (QuestionSchedule.h) and ends with it.
    uint32_t searchMs;
    // Sends the packet message to the main window and returns once it has been handled.
    std::function<void()> sendPacketMessage;
    // Sends the notice message to the main window (the notice waits in the hand-off) and returns once it has
    // been handled.
    std::function<void()> sendNoticeMessage;
};

// The listener of one search. Its multicast socket joins the mDNS group and asks the question on every adapter
// that can reach printers where the join succeeded (on the one the system chooses when there is none); its
// unicast socket asks the same question on every such adapter. Both ask again on the same adapters as the search
// goes on (QuestionSchedule.h). It traces every datagram that reaches either socket and hands each one that can
// name a printer to the window thread, until the search is stopped, another search replaces it, or its own time
// is up; it notices either within LISTENER_LOOK_MS, also when nothing arrives. When neither socket can be opened,
// the wait on them keeps failing, or anything fails with an exception, it closes what it holds and tells the
// window through the hand-off. Returns the thread's exit code; never throws.
int32_t MdnsListenerThread(ListenerContext& context) noexcept;
