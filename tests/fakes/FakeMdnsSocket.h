#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <new>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ports/ComponentRuntime.h"
#include "ports/MdnsSocket.h"
#include "ports/MonotonicClock.h"
#include "ports/NetworkInterfaces.h"
#include "ports/StandardOutput.h"

// The listener's side of a desk: its two sockets, the wait on both, the thread's component runtime, the listing
// of the adapters and the clock. It plays one script of arrivals, each on one socket at a moment of the clock,
// and notes every call in order, a socket's calls with the socket's name in front ("unicast: bind 0"). Time
// passes only while the listener waits: a wait that no arrival ends moves the clock on by its whole time-out.
class FakeMdnsDesk final : public IComponentRuntime,
                           public INetworkInterfaces,
                           public IMdnsSocketWait,
                           public IMonotonicClock {
public:
    struct Arrival {
        std::string bytes; // what the sender sent, up to any length
        std::string sender;
        std::size_t socket = MDNS_MULTICAST_SOCKET;
        bool fails = false;
        uint64_t atMs = 0; // on the desk's clock
    };

    class Socket final : public IMdnsSocket {
    public:
        Socket(FakeMdnsDesk& desk, std::size_t role, std::string name)
            : m_desk(desk), m_role(role), m_name(std::move(name)) {}

        // What the socket says of the next receive: a datagram waits, or the listener would wait.
        bool pendingDatagram = false;
        uint32_t receiveBufferBytes = 0;

        bool StartSocketLibrary() override { return m_desk.Call("socket library"); }
        void StopSocketLibrary() override { m_desk.Call("end socket library"); }
        bool CreateSocket() override { return Call("socket"); }
        bool SetReuseAddress() override { return Call("reuse address"); }
        bool SetReceiveBufferBytes(uint32_t bytes) override {
            receiveBufferBytes = bytes;
            return true;
        }
        bool HasPendingDatagram() override { return pendingDatagram; }
        bool Bind(uint16_t port) override { return Call("bind " + std::to_string(port)); }
        bool JoinGroup(const std::string& group, const std::string& interfaceAddress) override {
            return Call("join " + group + " on " + interfaceAddress);
        }
        bool SetSendingInterface(const std::string& interfaceAddress) override {
            const bool set = Call("send from " + interfaceAddress);
            if (set) {
                m_sendingFrom = interfaceAddress;
            }
            return set;
        }
        bool SendTo(std::span<const uint8_t> datagram, const std::string& address, uint16_t port) override {
            const std::string from = m_sendingFrom.empty() ? "" : " from " + m_sendingFrom;
            m_desk.questions.push_back(m_name + from + " at " + std::to_string(m_desk.now));
            m_desk.sent.assign(datagram.begin(), datagram.end());
            m_desk.sentBy[m_name].assign(datagram.begin(), datagram.end());
            m_desk.sentTo = address + ":" + std::to_string(port);
            return Call("send");
        }
        int Receive(std::span<uint8_t> buffer, std::string& sender) override {
            ++m_desk.receives;
            m_desk.receivedOn.push_back(m_name);
            if (m_desk.onReceive) {
                m_desk.onReceive(m_desk.receives);
            }
            m_desk.Throw(m_name + ": receive");
            // The first arrival of the script on this socket that has come; with none, a real socket would wait.
            const auto next =
                std::find_if(m_desk.arrivals.begin(), m_desk.arrivals.end(), [this](const Arrival& arrival) {
                    return arrival.socket == m_role && arrival.atMs <= m_desk.now;
                });
            if (next == m_desk.arrivals.end()) {
                return -1;
            }
            const Arrival arrival = *next;
            m_desk.arrivals.erase(next);
            if (arrival.bytes.size() > buffer.size()) {
                return MDNS_RECEIVE_TOO_LONG;
            }
            if (arrival.fails) {
                return -1;
            }
            std::copy(arrival.bytes.begin(), arrival.bytes.end(), buffer.begin());
            sender = arrival.sender;
            return static_cast<int>(arrival.bytes.size());
        }
        void CloseSocket() override { Call("close"); }

    private:
        bool Call(const std::string& name) { return m_desk.Call(m_name + ": " + name); }

        FakeMdnsDesk& m_desk;
        std::size_t m_role;
        std::string m_name;
        std::string m_sendingFrom;
    };

    std::set<std::string> failing; // the calls, as noted, that fail
    std::string throwing;          // the call, as noted, that throws as if the memory had run out
    std::deque<Arrival> arrivals;
    // Runs before each receive returns its arrival.
    std::function<void(std::size_t receiveNumber)> onReceive;
    std::vector<std::string> calls;
    std::vector<uint8_t> sent;
    std::map<std::string, std::vector<uint8_t>> sentBy; // the last datagram each socket sent
    std::string sentTo;
    std::size_t receives = 0;
    std::vector<std::string> receivedOn;
    std::size_t waits = 0;
    // The clock, and what happens to the world when it reaches a moment (the search ends, a new one begins).
    uint64_t now = 0;
    std::map<uint64_t, std::function<void()>> at;
    // Runs when a wait finds nothing left to come: a test ends the search there, as its timer would.
    std::function<void()> onIdle;
    // The next this many waits fail.
    std::size_t failingWaits = 0;
    // Every question sent, as "multicast from 10.0.0.1 at 1000" ("unicast at 0" out of the system's choice).
    std::vector<std::string> questions;
    // What the system lists of the desk's adapters; nothing when it cannot list them.
    std::optional<std::vector<NetworkInterfaceAddress>> adapters;

    Socket multicast{*this, MDNS_MULTICAST_SOCKET, "multicast"};
    Socket unicast{*this, MDNS_UNICAST_SOCKET, "unicast"};

    bool Initialise() override { return Call("component runtime"); }
    void Uninitialise() override { Call("end component runtime"); }
    bool ListIpv4Addresses(std::vector<NetworkInterfaceAddress>& addresses) override {
        Call("list adapters");
        if (adapters) {
            addresses = *adapters;
        }
        return adapters.has_value();
    }
    uint64_t Milliseconds() override { return now; }
    // The socket of the first arrival on a socket listened on, once it has come within the time-out; without
    // one, the clock moves on by the whole time-out.
    int WaitForDatagram(const MdnsListeningSockets& listening, uint32_t timeoutMs) override {
        ++waits;
        if (failingWaits > 0) {
            --failingWaits;
            return MDNS_WAIT_FAILED;
        }
        const auto next = std::find_if(arrivals.begin(), arrivals.end(),
                                       [&listening](const Arrival& arrival) { return listening[arrival.socket]; });
        if (next == arrivals.end() && onIdle) {
            onIdle();
        }
        if (next != arrivals.end() && next->atMs <= now + timeoutMs) {
            PassTime(std::max(now, next->atMs));
            return static_cast<int>(next->socket);
        }
        PassTime(now + timeoutMs);
        return MDNS_WAIT_TIMED_OUT;
    }

    // The calls between two noted calls (the first of each name), both left out.
    std::vector<std::string> CallsBetween(const std::string& first, const std::string& last) const {
        const auto from = std::find(calls.begin(), calls.end(), first);
        const auto to = std::find(from, calls.end(), last);
        return from == calls.end() ? std::vector<std::string>{} : std::vector<std::string>(from + 1, to);
    }

private:
    void PassTime(uint64_t until) {
        now = until;
        while (!at.empty() && at.begin()->first <= now) {
            const auto happening = at.begin()->second;
            at.erase(at.begin());
            happening();
        }
    }
    bool Call(const std::string& name) {
        calls.push_back(name);
        Throw(name);
        return failing.count(name) == 0;
    }
    void Throw(const std::string& name) const {
        if (name == throwing) {
            throw std::bad_alloc();
        }
    }
};

class FakeStandardOutput final : public IStandardOutput {
public:
    std::string written;
    void Write(const std::string& bytes) override { written += bytes; }
    void WriteLineEnd() override { written += "\n"; }
    // The written bytes up to the last flush, as a reader of the output sees them.
    std::string flushed;
    int flushes = 0;
    void Flush() override {
        flushed = written;
        ++flushes;
    }
};
