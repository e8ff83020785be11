#include "discovery/MdnsListener.h"

#include <algorithm>

#include "discovery/DatagramScan.h"
#include "discovery/MulticastInterfaces.h"

namespace {

// "客户端地址：" (client address) in the GBK code page.
const std::string CLIENT_ADDRESS_GBK = "\xBF\xCD\xBB\xA7\xB6\xCB\xB5\xD8\xD6\xB7\xA3\xBA";

void Trace(IStandardOutput& output, const std::string& sender, const DatagramBytes& buffer) {
    output.Write(CLIENT_ADDRESS_GBK + sender);
    output.WriteLineEnd();
    const auto firstZero = std::find(buffer.begin(), buffer.end(), uint8_t{0});
    if (firstZero != buffer.begin()) {
        output.Write(std::string(buffer.begin(), firstZero));
    }
}

// The system sends a multicast datagram out of the adapter with the lowest-metric multicast route only, and
// delivers the group's datagrams only from adapters where it was joined. A VPN or a virtual switch often holds
// that route, so the group is joined on every adapter before the question is asked on each of them; a join or
// a send that fails on one adapter costs only that adapter. The adapters are listed once: one that appears
// during the search is not asked.
void JoinAndAsk(ListenerContext& context) {
    IMdnsSocket& socket = context.socket;
    std::vector<NetworkInterfaceAddress> listed;
    const std::vector<std::string> addresses =
        context.interfaces.ListIpv4Addresses(listed) ? MulticastInterfaceAddresses(listed) : std::vector<std::string>{};
    if (addresses.empty()) {
        socket.JoinGroup(MDNS_GROUP, ANY_INTERFACE);
        if (socket.SendTo(MDNS_IPP_QUERY, MDNS_GROUP, MDNS_PORT)) {
            context.handoff.Counts.RecordAdapterAsked(context.search);
        }
        return;
    }
    for (const std::string& address : addresses) {
        socket.JoinGroup(MDNS_GROUP, address);
    }
    for (const std::string& address : addresses) {
        // Without its own interface the query would leave by the previous one and ask those printers twice.
        if (socket.SetSendingInterface(address) && socket.SendTo(MDNS_IPP_QUERY, MDNS_GROUP, MDNS_PORT)) {
            context.handoff.Counts.RecordAdapterAsked(context.search);
        }
    }
}

int32_t ListenAndForward(ListenerContext& context) {
    IMdnsSocket& socket = context.socket;
    if (!socket.CreateSocket()) {
        return LISTENER_EXIT_SOCKET_FAILED;
    }
    if (!socket.SetReuseAddress()) {
        socket.CloseSocket();
        return LISTENER_EXIT_SOCKET_FAILED;
    }
    context.output.Write("Setting SO_REUSEADDR...OK.");
    context.output.WriteLineEnd();
    // A system that keeps its own size still works, only with less room for a burst.
    socket.SetReceiveBufferBytes(MDNS_RECEIVE_BUFFER_BYTES);
    if (!socket.Bind(MDNS_PORT)) {
        socket.CloseSocket();
        return LISTENER_EXIT_SOCKET_FAILED;
    }
    context.handoff.Counts.RecordListening(context.search);
    JoinAndAsk(context);

    DatagramBytes buffer{};
    while (context.handoff.StopSearch.load() != 1) {
        // The trace waits in a buffer while datagrams keep coming, and reaches the output before the listener
        // waits for the next one.
        if (!socket.HasPendingDatagram()) {
            context.output.Flush();
        }
        buffer.fill(0);
        std::string sender;
        const int received = socket.Receive(buffer, sender);
        if (received == MDNS_RECEIVE_TOO_LONG) {
            context.handoff.Counts.RecordTooLong(context.search);
        }
        if (received <= 0) {
            continue;
        }
        context.handoff.Counts.RecordDatagram(context.search, sender, buffer);
        Trace(context.output, sender, buffer);
        if (!CanNamePrinter(buffer)) {
            // The window would drop it without a word, so it costs the window nothing; a listener that a later
            // search retired still ends here, as it would at its next hand-off.
            if (context.handoff.CurrentSearch.load() != context.search) {
                break;
            }
            continue;
        }
        const HandOffResult result = ListenerHandOff(context.handoff, context.search, sender, buffer, context.sleeper,
                                                     context.sendPacketMessage);
        if (result == HandOffResult::Retired) {
            // A later search has its own listener; this one forwards nothing more.
            break;
        }
    }
    socket.CloseSocket();
    return LISTENER_EXIT_OK;
}

} // namespace

int32_t MdnsListenerThread(ListenerContext& context) {
    if (!context.runtime.Initialise()) {
        return LISTENER_EXIT_OK;
    }
    int32_t exitCode = LISTENER_EXIT_SOCKET_FAILED;
    if (context.socket.StartSocketLibrary()) {
        exitCode = ListenAndForward(context);
        context.socket.StopSocketLibrary();
    }
    if (exitCode == LISTENER_EXIT_SOCKET_FAILED) {
        context.handoff.Counts.RecordCannotListen(context.search);
    }
    context.runtime.Uninitialise();
    context.output.Flush();
    return exitCode;
}
