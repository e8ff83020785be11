#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ports/ComponentRuntime.h"
#include "ports/MdnsSocket.h"
#include "ports/NetworkInterfaces.h"
#include "ports/StandardOutput.h"

// A socket that plays a script of receives and notes every call in order, the thread's component runtime and
// the listing of the adapters among them.
class FakeMdnsSocket final : public IMdnsSocket, public IComponentRuntime, public INetworkInterfaces {
public:
    struct Arrival {
        std::string bytes; // what the sender sent, up to any length
        std::string sender;
        bool fails = false;
    };

    std::set<std::string> failing; // the calls, as noted, that fail
    std::deque<Arrival> arrivals;
    // Runs before each receive returns its arrival; with no arrival left, it must end the loop (StopSearch).
    std::function<void(std::size_t receiveNumber)> onReceive;
    std::vector<std::string> calls;
    std::vector<uint8_t> sent;
    std::string sentTo;
    std::size_t receives = 0;
    uint32_t receiveBufferBytes = 0;
    // What the socket says of the next receive: a datagram waits, or the listener would wait.
    bool pendingDatagram = false;
    // What the system lists of the desk's adapters; nothing when it cannot list them.
    std::optional<std::vector<NetworkInterfaceAddress>> adapters;

    bool Initialise() override { return Call("component runtime"); }
    void Uninitialise() override { Call("end component runtime"); }
    bool StartSocketLibrary() override { return Call("socket library"); }
    void StopSocketLibrary() override { Call("end socket library"); }
    bool CreateSocket() override { return Call("socket"); }
    bool SetReuseAddress() override { return Call("reuse address"); }
    bool SetReceiveBufferBytes(uint32_t bytes) override {
        receiveBufferBytes = bytes;
        return true;
    }
    bool HasPendingDatagram() override { return pendingDatagram; }
    bool Bind(uint16_t port) override { return Call("bind " + std::to_string(port)); }
    bool ListIpv4Addresses(std::vector<NetworkInterfaceAddress>& addresses) override {
        calls.push_back("list adapters");
        if (adapters) {
            addresses = *adapters;
        }
        return adapters.has_value();
    }
    bool JoinGroup(const std::string& group, const std::string& interfaceAddress) override {
        return Call("join " + group + " on " + interfaceAddress);
    }
    bool SetSendingInterface(const std::string& interfaceAddress) override {
        return Call("send from " + interfaceAddress);
    }
    bool SendTo(std::span<const uint8_t> datagram, const std::string& address, uint16_t port) override {
        sent.assign(datagram.begin(), datagram.end());
        sentTo = address + ":" + std::to_string(port);
        return Call("send");
    }
    int Receive(std::span<uint8_t> buffer, std::string& sender) override {
        ++receives;
        if (onReceive) {
            onReceive(receives);
        }
        if (arrivals.empty()) {
            return -1;
        }
        const Arrival arrival = arrivals.front();
        arrivals.pop_front();
        // The platform fails a datagram longer than the buffer instead of cutting it.
        if (arrival.fails) {
            return -1;
        }
        if (arrival.bytes.size() > buffer.size()) {
            return MDNS_RECEIVE_TOO_LONG;
        }
        std::copy(arrival.bytes.begin(), arrival.bytes.end(), buffer.begin());
        sender = arrival.sender;
        return static_cast<int>(arrival.bytes.size());
    }
    void CloseSocket() override { Call("close"); }

private:
    bool Call(const std::string& name) {
        calls.push_back(name);
        return failing.count(name) == 0;
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
