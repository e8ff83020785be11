#include "discovery/MdnsListener.h"

#include <algorithm>

#include "discovery/AnnouncedPrinters.h"
#include "discovery/MulticastInterfaces.h"
#include "discovery/QuestionSchedule.h"

namespace {

// "客户端地址：" (client address) in the GBK code page.
const std::string CLIENT_ADDRESS_GBK = "\xBF\xCD\xBB\xA7\xB6\xCB\xB5\xD8\xD6\xB7\xA3\xBA";

// Under a flood on one socket, the other is looked at after this many datagrams in a row: neither socket can
// starve the other, and a datagram of the flood still costs one call into its socket, not two.
constexpr int DATAGRAMS_IN_A_ROW = 32;

// What the listener holds at a given moment, so that one path gives all of it back, also after a failure.
struct Held {
    bool runtime = false;
    bool socketLibrary = false;
    MdnsListeningSockets sockets{};
};

IMdnsSocket& SocketOf(ListenerContext& context, std::size_t role) {
    return role == MDNS_MULTICAST_SOCKET ? context.multicastSocket : context.unicastSocket;
}

void Trace(IStandardOutput& output, const std::string& sender, const DatagramBytes& buffer) {
    output.Write(CLIENT_ADDRESS_GBK + sender);
    output.WriteLineEnd();
    const auto firstZero = std::find(buffer.begin(), buffer.end(), uint8_t{0});
    if (firstZero != buffer.begin()) {
        output.Write(std::string(buffer.begin(), firstZero));
    }
}

// Each socket counts as held from its creation on, so that it is closed whatever happens after.
bool OpenMulticastSocket(ListenerContext& context, bool& held) {
    IMdnsSocket& socket = context.multicastSocket;
    held = socket.CreateSocket();
    if (!held) {
        return false;
    }
    // The mDNS port is shared with the system's own responder and other programs, so the socket asks to share
    // it.
    if (!socket.SetReuseAddress()) {
        return false;
    }
    context.output.Write("Setting SO_REUSEADDR...OK.");
    context.output.WriteLineEnd();
    // A system that keeps its own size still works, only with less room for a burst.
    socket.SetReceiveBufferBytes(MDNS_RECEIVE_BUFFER_BYTES);
    return socket.Bind(MDNS_PORT);
}

bool OpenUnicastSocket(ListenerContext& context, bool& held) {
    IMdnsSocket& socket = context.unicastSocket;
    held = socket.CreateSocket();
    if (!held) {
        return false;
    }
    socket.SetReceiveBufferBytes(MDNS_RECEIVE_BUFFER_BYTES);
    return socket.Bind(ANY_PORT);
}

// Asks the question out of each adapter; with none, out of the one the system chooses. Answers how
// many adapters were asked.
std::size_t AskOnEach(IMdnsSocket& socket, std::span<const uint8_t> query, const std::vector<std::string>& addresses) {
    if (addresses.empty()) {
        return socket.SendTo(query, MDNS_GROUP, MDNS_PORT) ? 1 : 0;
    }
    std::size_t asked = 0;
    for (const std::string& address : addresses) {
        // Without its own interface the query would leave by the previous one and ask those printers twice.
        if (socket.SetSendingInterface(address) && socket.SendTo(query, MDNS_GROUP, MDNS_PORT)) {
            ++asked;
        }
    }
    return asked;
}

// Answers to the group come back only on adapters where the group was joined, so the multicast socket asks
// only there. Where no join succeeded (a tentative or duplicate address, a driver that refuses), the system's
// choice is joined and asked, as on a desk whose adapters cannot be listed. Answers the adapters to ask on.
std::vector<std::string> JoinGroup(IMdnsSocket& socket, const std::vector<std::string>& addresses) {
    std::vector<std::string> joined;
    for (const std::string& address : addresses) {
        if (socket.JoinGroup(MDNS_GROUP, address)) {
            joined.push_back(address);
        }
    }
    if (joined.empty()) {
        socket.JoinGroup(MDNS_GROUP, ANY_INTERFACE);
    }
    return joined;
}

// The adapters each socket asks on, the same for every question of the search; none stands for the one the
// system chooses. An adapter where a question could not leave is asked again all the same: the next question
// may leave where the first could not.
struct QuestionRoutes {
    MdnsListeningSockets asking{};
    std::array<std::vector<std::string>, MDNS_SOCKET_ROLES> adapters;
};

struct AdaptersAsked {
    std::size_t byMulticastSocket = 0;
    std::size_t byUnicastSocket = 0;
};

AdaptersAsked Ask(ListenerContext& context, const QuestionRoutes& routes) {
    AdaptersAsked asked;
    if (routes.asking[MDNS_MULTICAST_SOCKET]) {
        asked.byMulticastSocket =
            AskOnEach(context.multicastSocket, MDNS_IPP_QUERY, routes.adapters[MDNS_MULTICAST_SOCKET]);
    }
    if (routes.asking[MDNS_UNICAST_SOCKET]) {
        asked.byUnicastSocket =
            AskOnEach(context.unicastSocket, MDNS_IPP_LEGACY_QUERY, routes.adapters[MDNS_UNICAST_SOCKET]);
    }
    return asked;
}

// The system sends a multicast datagram out of the adapter with the lowest-metric multicast route only, and
// delivers the group's datagrams only from adapters where it was joined. A VPN or a virtual switch often holds
// that route, so the question is asked out of every adapter that can reach printers; a join or a send that
// fails on one adapter costs only that adapter. The unicast socket asks on every one of them whatever the
// joins did: its answers need no group. The adapters are listed once: one that appears during the search is
// not asked.
QuestionRoutes JoinAndChooseRoutes(ListenerContext& context, const MdnsListeningSockets& listening) {
    std::vector<NetworkInterfaceAddress> listed;
    const std::vector<std::string> addresses =
        context.interfaces.ListIpv4Addresses(listed) ? MulticastInterfaceAddresses(listed) : std::vector<std::string>{};
    QuestionRoutes routes;
    routes.asking = listening;
    if (listening[MDNS_MULTICAST_SOCKET]) {
        routes.adapters[MDNS_MULTICAST_SOCKET] = JoinGroup(context.multicastSocket, addresses);
    }
    routes.adapters[MDNS_UNICAST_SOCKET] = addresses;
    return routes;
}

// Which listening socket the next datagram is taken from: the one taken from last while it keeps receiving,
// up to DATAGRAMS_IN_A_ROW, then the other first; and when neither has one waiting, whichever receives one
// first.
class SocketTurns {
public:
    SocketTurns(ListenerContext& context, const MdnsListeningSockets& listening)
        : m_context(context), m_listening(listening),
          m_current(listening[MDNS_MULTICAST_SOCKET] ? MDNS_MULTICAST_SOCKET : MDNS_UNICAST_SOCKET) {}

    // The role of the socket to receive from, MDNS_WAIT_TIMED_OUT when nothing came within timeoutMs, or
    // MDNS_WAIT_FAILED.
    int Next(uint32_t timeoutMs) {
        const std::size_t other = m_current == MDNS_MULTICAST_SOCKET ? MDNS_UNICAST_SOCKET : MDNS_MULTICAST_SOCKET;
        const std::array<std::size_t, MDNS_SOCKET_ROLES> order =
            m_inARow < DATAGRAMS_IN_A_ROW ? std::array{m_current, other} : std::array{other, m_current};
        for (const std::size_t role : order) {
            if (m_listening[role] && SocketOf(m_context, role).HasPendingDatagram()) {
                return Took(role);
            }
        }
        // The trace waits in a buffer while datagrams keep coming, and reaches the output before the listener
        // waits for the next one.
        m_context.output.Flush();
        const int role = m_context.wait.WaitForDatagram(m_listening, timeoutMs);
        if (role == MDNS_WAIT_TIMED_OUT) {
            return role;
        }
        if (role != MDNS_MULTICAST_SOCKET && role != MDNS_UNICAST_SOCKET) {
            return MDNS_WAIT_FAILED;
        }
        return Took(static_cast<std::size_t>(role));
    }

private:
    int Took(std::size_t role) {
        m_inARow = role == m_current && m_inARow < DATAGRAMS_IN_A_ROW ? m_inARow + 1 : 1;
        m_current = role;
        return static_cast<int>(role);
    }

    ListenerContext& m_context;
    const MdnsListeningSockets m_listening;
    std::size_t m_current;
    int m_inARow = 0;
};

// Every datagram, whichever socket heard it, goes through here: the trace, the reading, the hand-off. Answers
// whether the listener goes on. The datagram is read once, for the counts and the filter both: under a burst
// each microsecond here is one the socket's queue fills without being emptied.
bool HandleDatagram(ListenerContext& context, const std::string& sender, const DatagramBytes& buffer) {
    const std::vector<AnnouncedPrinter> printers = AnnouncedPrintersOf(buffer, sender);
    context.handoff.Counts.RecordDatagram(context.search, sender, buffer, printers);
    Trace(context.output, sender, buffer);
    if (printers.empty()) {
        // The window would drop it without a word, so it costs the window nothing; a listener that a later
        // search retired still ends here, as it would at its next hand-off.
        return context.handoff.CurrentSearch.load() == context.search;
    }
    // A listener that a later search retired forwards nothing more: that search has its own.
    return ListenerHandOff(context.handoff, context.search, sender, buffer, context.sleeper,
                           context.sendPacketMessage) != HandOffResult::Retired;
}

// A socket that could not be opened whole is closed at once: the search goes on with the other.
bool Opened(ListenerContext& context, Held& held, std::size_t role, bool opened) {
    if (!opened && held.sockets[role]) {
        held.sockets[role] = false;
        SocketOf(context, role).CloseSocket();
    }
    return opened;
}

// Whether the listener's search still runs: it was not stopped and no later search has replaced it.
bool SearchGoesOn(const ListenerContext& context) {
    return context.handoff.StopSearch.load() != 1 && context.handoff.CurrentSearch.load() == context.search;
}

enum class Listening { Ended, Failed };

// Asks when a question is due, waits for the next datagram no longer than the schedule allows and hands it on,
// until the search is over. Failed when the sockets kept failing.
Listening ListenThroughTheSearch(ListenerContext& context, const QuestionRoutes& routes,
                                 const MdnsListeningSockets& listening, uint64_t searchBegan,
                                 uint64_t firstQuestionLeft) {
    SocketTurns turns(context, listening);
    DatagramBytes buffer{};
    uint64_t lastQuestionLeft = firstQuestionLeft;
    QuestionClock clock;
    int failuresInARow = 0;
    while (SearchGoesOn(context)) {
        const uint64_t now = context.clock.Milliseconds();
        clock.elapsedMs = now - searchBegan;
        clock.sinceLastQuestionMs = now - lastQuestionLeft;
        if (clock.elapsedMs >= context.searchMs) {
            break;
        }
        if (QuestionDue(clock, context.searchMs)) {
            Ask(context, routes);
            lastQuestionLeft = context.clock.Milliseconds();
            ++clock.asked;
            continue;
        }
        const int role = turns.Next(ListenerWaitMs(clock, context.searchMs));
        if (role == MDNS_WAIT_TIMED_OUT) {
            continue;
        }
        buffer.fill(0);
        std::string sender;
        const int received =
            role == MDNS_WAIT_FAILED ? -1 : SocketOf(context, static_cast<std::size_t>(role)).Receive(buffer, sender);
        if (received == -1) {
            if (++failuresInARow == LISTENING_FAILURES_IN_A_ROW) {
                return Listening::Failed;
            }
            context.sleeper.Sleep(LISTENING_FAILURE_PAUSE_MS);
            continue;
        }
        failuresInARow = 0;
        if (received == MDNS_RECEIVE_TOO_LONG) {
            context.handoff.Counts.RecordTooLong(context.search);
        }
        // Too long or empty: the round is skipped.
        if (received <= 0) {
            continue;
        }
        if (!HandleDatagram(context, sender, buffer)) {
            break;
        }
    }
    return Listening::Ended;
}

Listening Listen(ListenerContext& context, Held& held) {
    MdnsListeningSockets listening{};
    listening[MDNS_MULTICAST_SOCKET] =
        Opened(context, held, MDNS_MULTICAST_SOCKET, OpenMulticastSocket(context, held.sockets[MDNS_MULTICAST_SOCKET]));
    listening[MDNS_UNICAST_SOCKET] =
        Opened(context, held, MDNS_UNICAST_SOCKET, OpenUnicastSocket(context, held.sockets[MDNS_UNICAST_SOCKET]));
    if (!listening[MDNS_MULTICAST_SOCKET] && !listening[MDNS_UNICAST_SOCKET]) {
        return Listening::Ended;
    }
    // What an explanation of an empty search needs: that a socket listened, and on how many adapters the
    // first question left by either socket.
    context.handoff.Counts.RecordListening(context.search);
    const QuestionRoutes routes = JoinAndChooseRoutes(context, listening);
    const uint64_t searchBegan = context.clock.Milliseconds();
    const AdaptersAsked asked = Ask(context, routes);
    context.handoff.Counts.RecordAdaptersAsked(
        context.search, static_cast<uint32_t>(std::max(asked.byMulticastSocket, asked.byUnicastSocket)));
    return ListenThroughTheSearch(context, routes, listening, searchBegan, context.clock.Milliseconds());
}

// Gives back whatever the listener holds: neither socket outlives it.
void Release(ListenerContext& context, Held& held) {
    for (std::size_t role = 0; role < MDNS_SOCKET_ROLES; ++role) {
        if (held.sockets[role]) {
            held.sockets[role] = false;
            SocketOf(context, role).CloseSocket();
        }
    }
    if (held.socketLibrary) {
        held.socketLibrary = false;
        context.multicastSocket.StopSocketLibrary();
    }
    if (held.runtime) {
        held.runtime = false;
        context.runtime.Uninitialise();
    }
}

void TellWindow(ListenerContext& context, ListenerNotice notice) {
    if (PostListenerNotice(context.handoff, context.search, notice)) {
        context.sendNoticeMessage();
    }
}

int32_t ListenWithRuntime(ListenerContext& context, Held& held) {
    held.socketLibrary = context.multicastSocket.StartSocketLibrary();
    const Listening listening = held.socketLibrary ? Listen(context, held) : Listening::Ended;
    const bool listened = held.sockets[MDNS_MULTICAST_SOCKET] || held.sockets[MDNS_UNICAST_SOCKET];
    Release(context, held);
    context.output.Flush();
    if (listening == Listening::Failed) {
        // Nothing more can be heard: the search ends now, saying so, instead of running its time out.
        context.handoff.Counts.RecordCannotListen(context.search);
        TellWindow(context, ListenerNotice::CouldNotListen);
        return LISTENER_EXIT_WAIT_FAILED;
    }
    if (!listened) {
        context.handoff.Counts.RecordCannotListen(context.search);
        TellWindow(context, ListenerNotice::CouldNotListen);
        return LISTENER_EXIT_SOCKET_FAILED;
    }
    return LISTENER_EXIT_OK;
}

} // namespace

int32_t MdnsListenerThread(ListenerContext& context) noexcept {
    Held held;
    try {
        held.runtime = context.runtime.Initialise();
        if (!held.runtime) {
            return LISTENER_EXIT_OK;
        }
        return ListenWithRuntime(context, held);
    } catch (...) {
        // Whatever failed (the memory ran out, say), this listener goes no further: it gives back what it holds
        // and tells the window, which ends Velbrix as it does when a handler fails, instead of the process
        // vanishing without a word.
    }
    try {
        Release(context, held);
    } catch (...) {
        // What could not be given back goes with the process, which is ending.
    }
    try {
        TellWindow(context, ListenerNotice::Failed);
    } catch (...) {
        // Nothing more can be told.
    }
    return LISTENER_EXIT_FAILED;
}
