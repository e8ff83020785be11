#include "discovery/DiscoveryResults.h"

#include "discovery/IppAddress.h"

namespace {

const std::wstring PRINTERS_MARKER = L":631/printers/";
constexpr uint8_t QUEUE_STOP_BYTES[] = {0x1A, 0x14};
// Printers that announce this fixed queue name are shown under the selected model's name.
const std::wstring FIXED_QUEUE_NAME = L"vantrel";
const std::wstring FIXED_QUEUE_SUFFIX = L"_9108";

bool IsQueueStopByte(uint8_t byte) {
    for (const uint8_t stop : QUEUE_STOP_BYTES) {
        if (byte == stop) {
            return true;
        }
    }
    return false;
}

} // namespace

wchar_t WidenDatagramByte(uint8_t byte) {
    return static_cast<wchar_t>(byte < 0x80 ? byte : (0xFF00u | byte));
}

std::wstring DatagramText(const DatagramBytes& datagram) {
    std::wstring text;
    text.reserve(datagram.size());
    for (const uint8_t byte : datagram) {
        text.push_back(byte == 0 ? L' ' : WidenDatagramByte(byte));
    }
    return text;
}

std::wstring QueueNameFromDatagram(const DatagramBytes& datagram) {
    const auto marker = DatagramText(datagram).find(PRINTERS_MARKER);
    std::wstring queue;
    if (marker == std::wstring::npos) {
        return queue;
    }
    for (std::size_t index = marker + PRINTERS_MARKER.size(); index < datagram.size(); ++index) {
        if (IsQueueStopByte(datagram[index])) {
            break;
        }
        queue.push_back(WidenDatagramByte(datagram[index]));
    }
    return queue;
}

std::wstring VisibleText(const std::wstring& text) {
    return text.substr(0, text.find(L'\0'));
}

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
    std::wstring sender;
    for (const char character : received.SenderAddress) {
        if (character == '\0') {
            break;
        }
        sender.push_back(static_cast<wchar_t>(static_cast<unsigned char>(character)));
    }

    // The first record a sender produces is its only one.
    for (int32_t row = 0; row < m_tables.Discovered.Count; ++row) {
        if (m_tables.Discovered.Rows[static_cast<std::size_t>(row)][0] == sender) {
            return;
        }
    }

    const std::wstring queue = QueueNameFromDatagram(received.Datagram);
    const std::wstring name = VisibleText(queue) == FIXED_QUEUE_NAME ? m_selected.Model + FIXED_QUEUE_SUFFIX : queue;
    // The length counts every byte copied, zero bytes included; the model is looked for in the visible text.
    const std::wstring visibleName = VisibleText(name);
    if (name.empty() || visibleName.find(m_selected.Model) == std::wstring::npos) {
        return;
    }
    const std::wstring ippAddress = visibleName.empty() ? std::wstring() : MakeIppAddress(sender, name);

    std::wstring installedName;
    std::wstring status = m_catalogue.Text(127);
    std::wstring remark = m_catalogue.Text(128);
    // Every installed printer of this queue is looked at; the last one in the table decides.
    for (int32_t row = 0; row < m_tables.Installed.Count; ++row) {
        const PrinterRecord& installed = m_tables.Installed.Rows[static_cast<std::size_t>(row)];
        if (VisibleText(installed[1]) != visibleName) {
            continue;
        }
        installedName = installed[3];
        if (installed[0] == sender) {
            status = m_catalogue.Text(129);
            remark = m_catalogue.Text(130);
        } else {
            status = m_catalogue.Text(131) + installed[0];
            remark = m_catalogue.Text(132);
        }
    }

    AppendRecord(m_tables.Discovered, {sender, name, ippAddress, installedName});

    const int row = m_window.PrinterListRowCount();
    m_window.PrinterListInsertRow(row);
    const std::wstring* cells[] = {&sender, &name, &ippAddress, &status, &remark};
    for (int column = 1; column <= 5; ++column) {
        m_window.PrinterListSetCell(row, column, *cells[column - 1]);
    }
    m_window.Repaint();
}
