// The datagrams go over the loopback of the test session's own network namespace, to a port of its own.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <string>
#include <thread>

#include "win32/Win32MdnsSocket.h"

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

void SendLater(const std::string& text, DWORD milliseconds) {
    Sleep(milliseconds);
    Socket sender;
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    EXPECT_TRUE(sender.socket.SendTo(bytes, "127.0.0.1", TEST_PORT));
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
