#pragma once

#include <string>

#include "discovery/AnnouncedPrinters.h"
#include "discovery/DiscoveryTables.h"
#include "discovery/FixedQueue.h"
#include "discovery/PacketHandoff.h"
#include "messages/MessageCatalogue.h"
#include "ports/MainWindow.h"
#include "ports/Threading.h"

// The handling of each datagram the listener hands over: each printer it announces with a queue of the selected
// model becomes one record and one row of the printer list, with its installation status, unless a row of the
// same IPP address (the printer's own address and queue) is already there.
class DiscoveryResults {
public:
    DiscoveryResults(IMainWindow& window, const MessageCatalogue& catalogue, DiscoveryHandoff& handoff,
                     DiscoveryTables& tables, const SelectedModel& selected, ISleeper& sleeper);

    void OnMdnsPacket();

private:
    void ProcessDatagram(const ReceivedDatagram& received);
    void ListPrinter(const AnnouncedPrinter& printer);

    IMainWindow& m_window;
    const MessageCatalogue& m_catalogue;
    DiscoveryHandoff& m_handoff;
    DiscoveryTables& m_tables;
    const SelectedModel& m_selected;
    ISleeper& m_sleeper;
};
