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

std::string Received(IMdnsSocket& socket) {
    std::array<uint8_t, 64> buffer{};
    std::string sender;
    const int length = socket.Receive(buffer, sender);
    return length < 0 ? "failed" : std::string(buffer.begin(), buffer.begin() + length) + " from " + sender;
}

} // namespace

TEST(MdnsSocket, ALookForAWaitingDatagramTakesItOrWaitsOnlyAsLongAsAllowed) {
    Socket receiver;
    ASSERT_TRUE(receiver.socket.SetReuseAddress());
    ASSERT_TRUE(receiver.socket.Bind(TEST_PORT));
    IMdnsSocket& socket = receiver.socket;

    EXPECT_FALSE(socket.HasPendingDatagram(0)) << "nothing sent";
    EXPECT_FALSE(socket.HasPendingDatagram(30)) << "nothing sent during the wait";

    SendLater("sent before", 0);
    EXPECT_TRUE(socket.HasPendingDatagram(5000));
    EXPECT_TRUE(socket.HasPendingDatagram(0)) << "still there until received";
    EXPECT_EQ(Received(socket), "sent before from 127.0.0.1");

    std::thread during(SendLater, "sent during the wait", 100);
    EXPECT_TRUE(socket.HasPendingDatagram(5000));
    during.join();
    EXPECT_EQ(Received(socket), "sent during the wait from 127.0.0.1");

    std::thread later(SendLater, "sent while receiving", 100);
    EXPECT_EQ(Received(socket), "sent while receiving from 127.0.0.1") << "a receive waits without limit";
    later.join();
}
