// The datagrams go over the loopback of the test session's own network namespace, to a port of its own.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <string>
#include <thread>

#include "win32/Win32MdnsSocket.h"
#include "win32/Win32MdnsSocketWait.h"

namespace {

constexpr uint16_t TEST_PORT = 45353;

struct Socket {
    Win32MdnsSocket socket;
    Socket() {
        EXPECT_TRUE(socket.StartSocketLibrary());
        EXPECT_TRUE(socket.CreateSocket());
    }
    ~Socket() {
        socket.CloseSocket();
        socket.StopSocketLibrary();
    }
};

void SendLaterTo(uint16_t port, const std::string& text, DWORD milliseconds) {
    Sleep(milliseconds);
    Socket sender;
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    EXPECT_TRUE(sender.socket.SendTo(bytes, "127.0.0.1", port));
}

void SendLater(const std::string& text, DWORD milliseconds) {
    SendLaterTo(TEST_PORT, text, milliseconds);
}

// Whether a datagram waits, looking again for up to two seconds: the loopback may deliver a moment after the
// send returned.
bool ArrivesSoon(IMdnsSocket& socket) {
    for (int looked = 0; looked < 200; ++looked) {
        if (socket.HasPendingDatagram()) {
            return true;
        }
        Sleep(10);
    }
    return false;
}

std::string Received(IMdnsSocket& socket) {
    std::array<uint8_t, 64> buffer{};
    std::string sender;
    const int length = socket.Receive(buffer, sender);
    if (length == MDNS_RECEIVE_TOO_LONG) {
        return "too long from " + sender;
    }
    return length < 0 ? "failed" : std::string(buffer.begin(), buffer.begin() + length) + " from " + sender;
}

} // namespace

TEST(MdnsSocket, ALookForAWaitingDatagramTakesItAndAReceiveWaitsForTheNextOne) {
    Socket receiver;
    ASSERT_TRUE(receiver.socket.SetReuseAddress());
    ASSERT_TRUE(receiver.socket.Bind(TEST_PORT));
    IMdnsSocket& socket = receiver.socket;

    EXPECT_FALSE(socket.HasPendingDatagram()) << "nothing sent";
    SendLater("first", 0);
    SendLater("second", 0);
    ASSERT_TRUE(ArrivesSoon(socket));
    EXPECT_TRUE(socket.HasPendingDatagram()) << "still there until received";
    EXPECT_EQ(Received(socket), "first from 127.0.0.1");
    EXPECT_EQ(Received(socket), "second from 127.0.0.1") << "the next one, not the one looked at again";

    std::thread later(SendLater, "sent while receiving", 100);
    EXPECT_EQ(Received(socket), "sent while receiving from 127.0.0.1") << "a receive waits without limit";
    later.join();
}

TEST(MdnsSocket, ADatagramLongerThanTheBufferIsToldApartAndTheNextOneArrives) {
    Socket receiver;
    ASSERT_TRUE(receiver.socket.Bind(TEST_PORT));
    SendLater(std::string(65, 'x'), 0);
    SendLater("after it", 0);
    EXPECT_EQ(Received(receiver.socket), "too long from 127.0.0.1") << "the sender is named";
    EXPECT_EQ(Received(receiver.socket), "after it from 127.0.0.1");
    SendLater(std::string(65, 'y'), 0);
    ASSERT_TRUE(ArrivesSoon(receiver.socket));
    EXPECT_EQ(Received(receiver.socket), "too long from 127.0.0.1") << "also when looked at first";
}

TEST(MdnsSocket, TheWaitOnBothSocketsAnswersTheOneThatReceivedOrThatNoneDidInTime) {
    Socket multicast;
    Socket unicast;
    ASSERT_TRUE(multicast.socket.Bind(TEST_PORT));
    ASSERT_TRUE(unicast.socket.Bind(TEST_PORT + 1));
    Win32MdnsSocketWait wait(multicast.socket, unicast.socket);
    const MdnsListeningSockets both{true, true};

    EXPECT_EQ(wait.WaitForDatagram(both, 50), MDNS_WAIT_TIMED_OUT) << "nothing sent";
    std::thread later([] { SendLaterTo(TEST_PORT + 1, "to the second", 100); });
    EXPECT_EQ(wait.WaitForDatagram(both, 10000), MDNS_UNICAST_SOCKET) << "waits for it within its time";
    later.join();
    EXPECT_EQ(Received(unicast.socket), "to the second from 127.0.0.1");

    SendLater("to the first", 0);
    EXPECT_EQ(wait.WaitForDatagram(both, 10000), MDNS_MULTICAST_SOCKET);
    ASSERT_TRUE(ArrivesSoon(multicast.socket));
    EXPECT_EQ(wait.WaitForDatagram(both, 0), MDNS_MULTICAST_SOCKET) << "a datagram already taken still counts";
    EXPECT_EQ(Received(multicast.socket), "to the first from 127.0.0.1");

    SendLater("not listened to", 0);
    std::thread unicastLater([] { SendLaterTo(TEST_PORT + 1, "listened to", 100); });
    EXPECT_EQ(wait.WaitForDatagram({false, true}, 10000), MDNS_UNICAST_SOCKET) << "only the sockets listened on";
    unicastLater.join();

    unicast.socket.CloseSocket();
    EXPECT_EQ(wait.WaitForDatagram({false, true}, 50), MDNS_WAIT_FAILED) << "a socket closed under the wait";
}
