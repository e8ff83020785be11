#pragma once

#include <string>

#include "app/Configuration.h"
#include "discovery/DiscoveryTables.h"
#include "install/InstallScript.h"
#include "install/InstallTarget.h"
#include "messages/ApplicationBox.h"
#include "messages/LogPane.h"
#include "messages/MessageCatalogue.h"
#include "ports/Clipboard.h"
#include "ports/IcmpEcho.h"
#include "ports/MainWindow.h"
#include "ports/NetworkPath.h"
#include "ports/PrintPolicy.h"
#include "ports/PrinterSpooler.h"
#include "ports/TokenElevation.h"
#include "ports/WorkerThread.h"

// What an installation reaches outside the logic.
struct InstallPorts {
    IIcmpEcho& icmp;
    IWorkerThread& worker;
    IPrinterSpooler& spooler;
    IScriptFile& scriptFile;
    IScriptProcess& scriptProcess;
    IClipboard& clipboard;
    ITokenElevation& elevation;
    IPrintPolicy& printPolicy;
    INetworkPath& networkPath;
};

// The install button: installs the printer of the picked row, after a ping and the removal of the printer
// this computer already has for the same queue, automatically or guided by InstallMode.
class InstallCommand {
public:
    InstallCommand(IMainWindow& window, const MessageCatalogue& catalogue, const Configuration& configuration,
                   const DiscoveryTables& tables, const SelectedModel& selected, InstallTarget& target,
                   const InstallPorts& ports, std::wstring applicationName);

    void OnInstall();
    // The notice timer's expiry, while the automatic installation's notice is open.
    void OnNoticeTimer();

private:
    // Everything after the buttons were disabled; they are enabled again on every way out.
    void Install(const std::wstring& queueName, const std::wstring& ipAddress);
    bool RemoveStalePrinter();

    IMainWindow& m_window;
    const MessageCatalogue& m_catalogue;
    const Configuration& m_configuration;
    const DiscoveryTables& m_tables;
    const SelectedModel& m_selected;
    InstallTarget& m_target;
    InstallPorts m_ports;
    ApplicationBox m_box;
    LogPane m_log;
    InstallScript m_script;
    // While the script or the wizard runs the window goes on dispatching messages: one installation at a time.
    bool m_installing = false;
};
