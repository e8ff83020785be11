#include "install/InstallCommand.h"

#include "discovery/PrinterListColumns.h"
#include "discovery/VisibleText.h"
#include "install/FolderWithRights.h"
#include "install/InstallGuidance.h"
#include "install/InstallNotice.h"
#include "install/PrinterRemoval.h"
#include "install/QueueNameSafety.h"
#include "install/Reachability.h"
#include "messages/CommandButtons.h"
#include "messages/names.h"

InstallCommand::InstallCommand(IMainWindow& window, const MessageCatalogue& catalogue,
                               const Configuration& configuration, const DiscoveryTables& tables,
                               const SelectedModel& selected, InstallTarget& target, const InstallPorts& ports,
                               std::wstring applicationName)
    : m_window(window), m_catalogue(catalogue), m_configuration(configuration), m_tables(tables), m_selected(selected),
      m_target(target), m_ports(ports), m_box(window, applicationName), m_log(window),
      m_script(window, catalogue, configuration,
               {ports.scriptFile, ports.scriptProcess, ports.spooler, ports.elevation, ports.printPolicy},
               std::move(applicationName)) {}

void InstallCommand::OnInstall() {
    if (m_installing) {
        return;
    }
    const int row = m_window.PrinterListSelectionMark();
    if (row < 0) {
        m_box.Show(m_catalogue.Text(MSG_NO_PRINTER_SELECTED), IMainWindow::BoxIcon::Warning);
        return;
    }
    const std::wstring queueName = m_window.PrinterListCellText(row, PRINTER_LIST_COLUMN_QUEUE_NAME);
    const std::wstring ipAddress = m_window.PrinterListCellText(row, PRINTER_LIST_COLUMN_ADDRESS);

    if (!IsPrinterReachable(m_ports.icmp, ipAddress)) {
        const std::wstring text = m_catalogue.Text(MSG_PING_FAILED);
        m_box.Show(text, IMainWindow::BoxIcon::Warning);
        m_log.Append(text);
        return;
    }
    // The queue name comes from an unauthenticated datagram and goes into a batch line: a name that could
    // break out of its quotes is refused like a missing one.
    if (queueName.empty() || !IsSafeQueueName(queueName)) {
        m_box.Show(m_catalogue.Text(MSG_QUEUE_NAME_ABNORMAL), IMainWindow::BoxIcon::Warning);
        return;
    }

    EnableCommandButtons(m_window, false);
    m_installing = true;
    Install(queueName, ipAddress);
    m_installing = false;
    EnableCommandButtons(m_window, true);
}

void InstallCommand::OnNoticeTimer() {
    CloseInstallNotice(m_window, m_catalogue);
}

void InstallCommand::Install(const std::wstring& queueName, const std::wstring& ipAddress) {
    m_log.Append(m_catalogue.Text(MSG_PREPARING_INSTALL) + queueName);

    // The record is found by what the row shows, not by the row's index.
    m_target = InstallTarget{};
    for (int32_t index = 0; index < m_tables.Discovered.Count; ++index) {
        const PrinterRecord& record = m_tables.Discovered.Rows[static_cast<std::size_t>(index)];
        if (VisibleText(record[DISCOVERED_QUEUE_NAME]) == queueName &&
            VisibleText(record[DISCOVERED_ADDRESS]) == ipAddress) {
            m_target = {record[DISCOVERED_INSTALLED_NAME], record[DISCOVERED_ADDRESS], record[DISCOVERED_QUEUE_NAME],
                        record[DISCOVERED_PORT_ADDRESS]};
            break;
        }
    }

    const bool automatic = m_configuration.InstallMode != 0;
    const ITokenElevation::Elevation elevation = m_ports.elevation.Read();
    // Without administrator rights the deletion would be refused: the script deletes the printer, with the
    // rights its one consent prompt gives to both steps.
    const std::wstring removedByScript =
        !m_target.StalePrinterName.empty() && RemovalGoesIntoScript(elevation) ? m_target.StalePrinterName : L"";

    // Told before anything changes and before any prompt.
    std::wstring folder = m_configuration.ProgramDirectory;
    if (AsksForRights(automatic, !removedByScript.empty(), elevation)) {
        const std::optional<std::wstring> withRights = FolderWithRights(VisibleText(folder), m_ports.networkPath);
        if (!withRights) {
            const std::wstring line = m_catalogue.Text(MSG_PATH_WITHOUT_NETWORK_FORM) + VisibleText(folder) +
                                      m_catalogue.Text(MSG_PATH_WITHOUT_NETWORK_FORM_ADVICE);
            m_log.Append(line);
            m_box.Show(line, IMainWindow::BoxIcon::Warning);
            return;
        }
        folder = *withRights;
    }

    if (!removedByScript.empty()) {
        m_log.Append(m_catalogue.Text(MSG_REMOVING_PRINTER) + VisibleText(removedByScript));
    } else if (!m_target.StalePrinterName.empty() && !RemoveStalePrinter()) {
        return;
    }

    m_log.Append(m_catalogue.Text(MSG_INSTALLING_PRINTER) + queueName);
    const std::wstring printerName = PrinterNameOf(m_target);
    const ExpectedPrinter expected{automatic, printerName, m_target.PortAddress, m_selected.DriverName};
    if (expected.Automatic) {
        m_script.RunInstallScript(BuildInstallCommand(printerName, folder + m_selected.DriverPath, m_target.PortAddress,
                                                      m_selected.DriverName),
                                  expected, removedByScript, folder);
    } else {
        ShowInstallGuidance(m_window, m_catalogue, m_ports.clipboard, m_target.PortAddress);
        m_script.RunInstallScript(BuildWizardCommand(), expected, removedByScript, folder);
    }
}

bool InstallCommand::RemoveStalePrinter() {
    const std::wstring name = VisibleText(m_target.StalePrinterName);
    m_log.Append(m_catalogue.Text(MSG_REMOVING_PRINTER) + name);
    const std::optional<uint32_t> exitCode =
        m_ports.worker.RunAndWait([this] { return PrinterRemovalWorker(m_target, m_ports.spooler); });
    if (exitCode == REMOVAL_DONE) {
        m_log.Append(m_catalogue.Text(MSG_PRINTER_REMOVED) + name);
        return true;
    }
    const std::wstring line = m_catalogue.Text(MSG_REMOVAL_FAILED) + name + m_catalogue.Text(MSG_REMOVAL_FAILED_ADVICE);
    m_log.Append(line);
    m_box.Show(line, IMainWindow::BoxIcon::Warning);
    return false;
}
