#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "ports/ComponentRuntime.h"
#include "ports/FirewallPolicy.h"
#include "ports/MdnsSocket.h"
#include "ports/MonotonicClock.h"
#include "ports/NetworkInterfaces.h"
#include "ports/Profile.h"
#include "ports/Threading.h"
#include "velbrix-check/logic/CheckTexts.h"
#include "velbrix-check/ports/CheckOutput.h"
#include "velbrix-check/ports/ListenThread.h"

constexpr int EXIT_PRINTER_LISTED = 0;
constexpr int EXIT_NO_PRINTER_LISTED = 1;
constexpr int EXIT_COULD_NOT_LISTEN = 2;

// A search is given at most this long.
constexpr uint32_t LISTEN_SECONDS_MAX = 3600;

// What Velbrix would do with the answers of one sender.
enum class ListenVerdict { Listed, BeyondRows, UnsafeQueue, OtherModel, TooLong, NoQueue };

struct SenderVerdict {
    std::string Sender;
    ListenVerdict Verdict = ListenVerdict::NoQueue;
    // The visible queue name found, empty when none.
    std::wstring Queue;
    // The length of the datagram that decided; MDNS_RECEIVE_TOO_LONG for one too long to read.
    int Bytes = 0;
    // The model it would be listed for, or whose full list it finds.
    std::wstring Model;
};

// Every datagram the listener's sockets receive, judged per sender as a search of each model in turn would
// judge it: a sender's first datagram that names a queue of a model makes its row in that model's list, with
// the list's 20 rows, and its only one; a sender without such a datagram says what it did send. Safe to use
// from the listener's thread and the checker's at once.
class SenderLog {
public:
    explicit SenderLog(std::vector<std::wstring> models);

    // What a socket's receive answered: the length, MDNS_RECEIVE_TOO_LONG or a failure, and the buffer read.
    void Record(const std::string& sender, int received, std::span<const uint8_t> buffer);
    // In the order the senders were first heard.
    std::vector<SenderVerdict> Verdicts() const;

private:
    mutable std::mutex m_lock;
    const std::vector<std::wstring> m_models;
    std::vector<int32_t> m_rows;
    std::map<std::string, std::size_t> m_index;
    std::vector<SenderVerdict> m_verdicts;
};

// The line of one sender, in the checker's language; onlyModel is the one model listened for, empty when every
// model of velbrix.ini is.
std::wstring SenderLine(const SenderVerdict& verdict, const std::wstring& onlyModel, CheckLanguage language);

// 0 when a printer would be listed (and installable), 1 when none would.
int ListenExitCode(const std::vector<SenderVerdict>& verdicts);

// What listening reaches outside the checker's logic: Velbrix's own listener ports, and a thread to run it on.
struct ListenPorts {
    IProfile& Profile;
    IComponentRuntime& Runtime;
    IMdnsSocket& MulticastSocket;
    IMdnsSocket& UnicastSocket;
    IMdnsSocketWait& Wait;
    INetworkInterfaces& Interfaces;
    ISleeper& Sleeper;
    IMonotonicClock& Clock;
    IFirewallPolicy& Firewall;
    IListenThread& Thread;
};

// "VelbrixCheck --listen [MODEL] [SECONDS]" (the arguments after --listen): listens as a search of Velbrix
// does, for SECONDS (default: the search time of velbrix.ini) and for MODEL (default: every model of
// velbrix.ini; a single argument of digits only is SECONDS), prints one line per sender and, when nothing would
// be listed, the reason Velbrix would log. The ports must outlive the process: the listener may still be winding
// down on its thread after this returns. Answers the exit code.
int RunListenCheck(const std::vector<std::wstring>& arguments, ListenPorts& ports, CheckLanguage language,
                   ICheckOutput& output);
