// Two listener threads hand datagrams over at once to one window thread, which takes them the way the
// packet message does: the listener waits until the window has handled its message.
#include "discovery/PacketHandoff.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <set>
#include <thread>

#include "discovery/IppAddress.h"
#include "support/Datagrams.h"

namespace {

// Sleeps for a hundredth of the time asked, so that the ten looks cost milliseconds.
class ScaledSleeper final : public ISleeper {
public:
    void Sleep(uint32_t milliseconds) override {
        std::this_thread::sleep_for(std::chrono::microseconds(milliseconds * 10));
    }
};

// The window thread's message queue, reduced to what a sent message needs: the sender waits until the
// window thread has run the handler.
class WindowThread {
public:
    explicit WindowThread(std::function<void()> handler) : m_handler(std::move(handler)), m_thread([this] { Run(); }) {}
    ~WindowThread() {
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }

    void Send() {
        std::unique_lock lock(m_mutex);
        const uint64_t ticket = m_nextTicket++;
        m_pending.push_back(ticket);
        m_changed.notify_all();
        m_changed.wait(lock, [&] { return m_handled > ticket; });
    }

private:
    void Run() {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_changed.wait(lock, [&] { return m_stopping || !m_pending.empty(); });
            if (m_pending.empty()) {
                return;
            }
            m_pending.pop_front();
            lock.unlock();
            m_handler();
            lock.lock();
            ++m_handled;
            m_changed.notify_all();
        }
    }

    std::function<void()> m_handler;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<uint64_t> m_pending;
    uint64_t m_nextTicket = 0;
    uint64_t m_handled = 0;
    bool m_stopping = false;
    std::thread m_thread;
};

std::string SenderOf(int listener, int datagram) {
    return "10." + std::to_string(listener) + "." + std::to_string(datagram / 200) + "." +
           std::to_string(datagram % 200 + 1);
}

// Every byte of the datagram tells whose it is, so that a datagram mixed from two can be recognised.
std::string ContentOf(const std::string& sender) {
    std::string content;
    while (content.size() + sender.size() + 1 <= DATAGRAM_BYTES) {
        content += sender + "|";
    }
    return content;
}

} // namespace

TEST(HandoffConcurrency, EveryDatagramArrivesWholeWithItsOwnSenderOrNotAtAll) {
    constexpr int DATAGRAMS_PER_LISTENER = 400;
    DiscoveryHandoff handoff;
    ScaledSleeper sleeper;
    std::set<std::string> taken;
    int torn = 0;

    WindowThread window([&] {
        ReceivedDatagram received;
        if (TakeHandedOffDatagram(handoff, sleeper, IsIPv4Text, received) != TakeResult::Taken) {
            return;
        }
        const std::string sender = received.SenderAddress.data();
        if (received.Datagram != DatagramOf(ContentOf(sender)) || !taken.insert(sender).second) {
            ++torn;
        }
        ReleaseHandoff(handoff);
    });

    std::atomic<int> forwarded{0};
    auto listen = [&](int listener) {
        for (int datagram = 0; datagram < DATAGRAMS_PER_LISTENER; ++datagram) {
            const std::string sender = SenderOf(listener, datagram);
            if (ListenerHandOff(handoff, 0, sender, DatagramOf(ContentOf(sender)), sleeper, [&] { window.Send(); }) ==
                HandOffResult::Forwarded) {
                ++forwarded;
            }
        }
    };
    std::thread first(listen, 1);
    std::thread second(listen, 2);
    first.join();
    second.join();

    EXPECT_EQ(torn, 0) << "a datagram reached the window mixed, with another's sender, or twice";
    EXPECT_GT(taken.size(), 0u);
    EXPECT_LE(static_cast<int>(taken.size()), forwarded.load());
}
