#include "discovery/DiscoveryResults.h"

#include "discovery/AnnouncedPrinters.h"
#include "discovery/IppAddress.h"
#include "discovery/ModelQueue.h"
#include "discovery/PrinterListColumns.h"
#include "discovery/VisibleText.h"
#include "messages/names.h"

DiscoveryResults::DiscoveryResults(IMainWindow& window, const MessageCatalogue& catalogue, DiscoveryHandoff& handoff,
                                   DiscoveryTables& tables, const SelectedModel& selected, ISleeper& sleeper)
    : m_window(window), m_catalogue(catalogue), m_handoff(handoff), m_tables(tables), m_selected(selected),
      m_sleeper(sleeper) {}

void DiscoveryResults::OnMdnsPacket() {
    // A full list takes nothing more. The slot is not touched: it is free, or another listener is filling it.
    if (m_tables.Discovered.Count >= PRINTER_TABLE_ROWS) {
        return;
    }
    ReceivedDatagram received;
    if (TakeHandedOffDatagram(m_handoff, m_sleeper, IsIPv4Text, received) != TakeResult::Taken) {
        return;
    }
    ProcessDatagram(received);
    ReleaseHandoff(m_handoff);
}

void DiscoveryResults::ProcessDatagram(const ReceivedDatagram& received) {
    std::string sender;
    for (const char character : received.SenderAddress) {
        if (character == '\0') {
            break;
        }
        sender.push_back(character);
    }
    for (const AnnouncedPrinter& printer : AnnouncedPrintersOf(received.Datagram, sender)) {
        if (m_tables.Discovered.Count >= PRINTER_TABLE_ROWS) {
            return;
        }
        ListPrinter(printer);
    }
}

void DiscoveryResults::ListPrinter(const AnnouncedPrinter& printer) {
    const std::wstring name = ListedQueueName(printer.Queue, m_selected.Model);
    if (!IsQueueOfModel(name, m_selected.Model)) {
        return;
    }
    // The length counts every byte copied, zero bytes included.
    const std::wstring visibleName = VisibleText(name);
    const std::wstring& address = printer.Address;

    // One row per IPP address: a printer heard again, from whichever sender, keeps its row, and each queue of a
    // print server has its own. What the byte scan found at a sender's address is dropped once that address has
    // any row, as it was before answers were read as records.
    for (int32_t row = 0; row < m_tables.Discovered.Count; ++row) {
        const PrinterRecord& listed = m_tables.Discovered.Rows[static_cast<std::size_t>(row)];
        if (listed[DISCOVERED_ADDRESS] == address &&
            (printer.ByteScanned || VisibleText(listed[DISCOVERED_QUEUE_NAME]) == visibleName)) {
            return;
        }
    }

    const std::wstring ippAddress = visibleName.empty() ? std::wstring() : MakeIppAddress(address, name);

    std::wstring installedName;
    std::wstring status = m_catalogue.Text(MSG_STATUS_NOT_INSTALLED);
    std::wstring remark = m_catalogue.Text(MSG_REMARK_NOT_INSTALLED);
    // Every installed printer of this queue is looked at; the last one in the table decides.
    for (int32_t row = 0; row < m_tables.Installed.Count; ++row) {
        const PrinterRecord& installed = m_tables.Installed.Rows[static_cast<std::size_t>(row)];
        if (VisibleText(installed[INSTALLED_QUEUE_NAME]) != visibleName) {
            continue;
        }
        installedName = installed[INSTALLED_PRINTER_NAME];
        if (installed[INSTALLED_ADDRESS] == address) {
            status = m_catalogue.Text(MSG_STATUS_SAME_ADDRESS);
            remark = m_catalogue.Text(MSG_REMARK_SAME_ADDRESS);
        } else {
            status = m_catalogue.Text(MSG_STATUS_OTHER_ADDRESS) + installed[INSTALLED_ADDRESS];
            remark = m_catalogue.Text(MSG_REMARK_OTHER_ADDRESS);
        }
    }

    AppendRecord(m_tables.Discovered, {address, name, ippAddress, installedName});

    const int row = m_window.PrinterListRowCount();
    m_window.PrinterListInsertRow(row);
    m_window.PrinterListSetCell(row, PRINTER_LIST_COLUMN_ADDRESS, address);
    m_window.PrinterListSetCell(row, PRINTER_LIST_COLUMN_QUEUE_NAME, name);
    m_window.PrinterListSetCell(row, PRINTER_LIST_COLUMN_PORT_ADDRESS, ippAddress);
    m_window.PrinterListSetCell(row, PRINTER_LIST_COLUMN_STATUS, status);
    m_window.PrinterListSetCell(row, PRINTER_LIST_COLUMN_REMARK, remark);
    m_window.Repaint();
}
