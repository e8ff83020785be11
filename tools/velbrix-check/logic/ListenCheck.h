#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "discovery/AnnouncedPrinters.h"
#include "ports/ComponentRuntime.h"
#include "ports/FirewallPolicy.h"
#include "ports/MdnsSocket.h"
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

// What Velbrix would do with one printer an answer announces, or with the answers of a sender that announced
// none.
enum class ListenVerdict { Listed, BeyondRows, UnsafeQueue, OtherModel, TooLong, NoQueue };

struct SenderVerdict {
    // Who sent the answer that decided.
    std::string Sender;
    // Whether it is a printer's verdict (one per address and queue), and the printer's address with where it
    // was taken from.
    bool Announced = false;
    std::wstring Address;
    AddressSource Source = AddressSource::Sender;
    ListenVerdict Verdict = ListenVerdict::NoQueue;
    // The visible queue name found, empty when none.
    std::wstring Queue;
    // The length of the datagram that decided; MDNS_RECEIVE_TOO_LONG for one too long to read.
    int Bytes = 0;
    // The model it would be listed for, or whose full list it finds.
    std::wstring Model;
};

// Every datagram the listener's sockets receive, judged as a search of each model in turn would judge it: each
// printer an answer announces (its own address and queue) makes its row in the list of its model, with the
// list's 20 rows, once, whoever sent it; a sender that announced no printer says what it did send. Safe to use
// from the listener's thread and the checker's at once.
class SenderLog {
public:
    explicit SenderLog(std::vector<std::wstring> models);

    // What a socket's receive answered: the length, MDNS_RECEIVE_TOO_LONG or a failure, and the buffer read.
    void Record(const std::string& sender, int received, std::span<const uint8_t> buffer);
    // In the order the senders were first heard.
    std::vector<SenderVerdict> Verdicts() const;

private:
    void Judge(SenderVerdict& verdict, const std::wstring& queue, int received);

    mutable std::mutex m_lock;
    const std::vector<std::wstring> m_models;
    std::vector<int32_t> m_rows;
    // Senders by their address, printers by address and queue.
    std::map<std::string, std::size_t> m_senders;
    std::map<std::wstring, std::size_t> m_printers;
    // The addresses that have a row in some model's list, or were refused one for a full list.
    std::set<std::wstring> m_addressesDecided;
    std::vector<SenderVerdict> m_verdicts;
};

// The line of one printer (at its own address) or sender, in the checker's language; onlyModel is the one model
// listened for, empty when every model of velbrix.ini is.
std::wstring SenderLine(const SenderVerdict& verdict, const std::wstring& onlyModel, CheckLanguage language);

// The line under a printer's that says where its address was taken from and who sent it; empty for a sender.
std::wstring PrinterAddressLine(const SenderVerdict& verdict, CheckLanguage language);

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
    IFirewallPolicy& Firewall;
    IListenThread& Thread;
};

// "VelbrixCheck --listen [MODEL] [SECONDS]" (the arguments after --listen): listens as a search of Velbrix
// does, for SECONDS (default: the search time of velbrix.ini) and for MODEL (default: every model of
// velbrix.ini; a single argument of digits only is SECONDS), prints one line per sender and, when nothing would
// be listed, the reason Velbrix would log. The ports must outlive the process: the listener keeps running on its
// thread after this returns. Answers the exit code.
int RunListenCheck(const std::vector<std::wstring>& arguments, ListenPorts& ports, CheckLanguage language,
                   ICheckOutput& output);
